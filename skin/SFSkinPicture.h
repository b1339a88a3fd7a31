// A skin picture that a control names in its skin and paints later. It keeps the picture's
// file (the skin folder as it is when the name is given, followed by the name) and decodes
// the picture the first time it is asked for, through LoadSkinPicture: the pictures of states
// a control never shows are never decoded, and each file is decoded once for all controls.
#pragma once

#include <QPixmap>
#include <QString>

#include <string>

class CSFSkinPicture
{
public:
    // Names no file: a null picture.
    CSFSkinPicture() = default;
    // The picture in the file at filePath.
    explicit CSFSkinPicture(const QString& filePath);
    // The picture of a skin-record name: the skin folder followed by the name (SkinFilePath).
    static CSFSkinPicture FromName(const std::wstring& name);
    static CSFSkinPicture FromName(const wchar_t* name);
    // As FromName, but an empty name names no file: a null picture, whatever the skin folder.
    static CSFSkinPicture FromNameOrNone(const std::wstring& name);

    const QString& FilePath() const { return m_filePath; }
    // The picture, decoded on the first call; null when its file does not load or when no
    // file is named.
    const QPixmap& Pixmap() const;

private:
    QString m_filePath;
    mutable QPixmap m_pixmap;
    mutable bool m_bLoaded = false;
};
