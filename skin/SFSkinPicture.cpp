#include "skin/SFSkinPicture.h"

#include "skin/SFSkinString.h"

CSFSkinPicture::CSFSkinPicture(const QString& filePath) : m_filePath(filePath) {}

CSFSkinPicture CSFSkinPicture::FromName(const std::wstring& name)
{
    return CSFSkinPicture(SkinFilePath(name));
}

CSFSkinPicture CSFSkinPicture::FromName(const wchar_t* name) { return CSFSkinPicture(SkinFilePath(name)); }

CSFSkinPicture CSFSkinPicture::FromNameOrNone(const std::wstring& name)
{
    return name.empty() ? CSFSkinPicture() : FromName(name);
}

const QPixmap& CSFSkinPicture::Pixmap() const
{
    if (!m_bLoaded && !m_filePath.isEmpty()) {
        m_pixmap = LoadSkinPicture(m_filePath);
        m_bLoaded = true;
    }
    return m_pixmap;
}
