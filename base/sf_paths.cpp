#include "base/sf_paths.h"

#include <QCoreApplication>
#include <QString>

#include <cstring>

namespace SF_SOFT_BASE {

namespace {
std::wstring& cachedAppDir()
{
    static std::wstring folder;
    return folder;
}
std::wstring& appDirOverride()
{
    static std::wstring folder;
    return folder;
}
}  // namespace

std::wstring SFBaseGetAppDirPath()
{
    if (!appDirOverride().empty())
        return appDirOverride();
    if (QCoreApplication::instance())
        cachedAppDir() = QCoreApplication::applicationDirPath().toStdWString();
    return cachedAppDir();
}

void SFBaseSetAppDirPathOverride(const std::wstring& folder) { appDirOverride() = folder; }

bool SFBaseUtf8ToLocal8Bit(const char* utf8, char* out, std::size_t size)
{
    if (!out || size == 0)
        return false;
    const QByteArray local = QString::fromUtf8(utf8 ? utf8 : "").toLocal8Bit();
    if (static_cast<std::size_t>(local.size()) + 1 > size) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, local.constData(), static_cast<std::size_t>(local.size()) + 1);
    return true;
}

}  // namespace SF_SOFT_BASE
