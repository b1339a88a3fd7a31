// The process-wide store behind LoadSkinPicture (SFSkinString.h): every skin picture decoded
// once, by the full path of its file, for as long as the application object lives; a file
// that does not load is kept as a null picture. The folders of the kept pictures are watched
// through the kernel's change notices, so that a picture file written again (or a missing
// one made) is read again at its next use, still without asking the file system at each use.
// GUI thread only.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QStringList>

class CSFSkinPictureCache
{
public:
    static CSFSkinPictureCache& Instance();
    ~CSFSkinPictureCache();
    CSFSkinPictureCache(const CSFSkinPictureCache&) = delete;
    CSFSkinPictureCache& operator=(const CSFSkinPictureCache&) = delete;

    // The picture at filePath: the kept one, else the file decoded as QPixmap::load decodes
    // it (null when it does not load). The file is read only when it is a regular file of at
    // most 16 MiB, opened without blocking; any other (a FIFO, a folder, a larger file) is a
    // null picture with one line on standard error. It is kept when an application object
    // exists, the path is absolute and its folder can be watched; otherwise it is decoded at
    // every call.
    QPixmap Load(const QString& filePath);
    // Forgets every picture and stops watching (done when the application object goes).
    void Clear();

private:
    CSFSkinPictureCache() = default;
    // Forgets the pictures whose files changed, and those of folders that went, since the
    // last call.
    void ForgetChanged();
    void ForgetFolder(const QString& folder);
    bool Watch(const QString& folder);

    QHash<QString, QPixmap> m_pictures;
    int m_notifyFd = -1;
    QHash<int, QStringList> m_folders;  // a watch -> the folders it stands for, as paths spell them
    QHash<QString, int> m_watches;      // a folder -> its watch
    bool m_bClearOnExit = false;
};
