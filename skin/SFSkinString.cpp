#include "skin/SFSkinString.h"

#include "base/compat/sf_winapi.h"
#include "base/sf_paths.h"
#include "base/xml_file.h"
#include "skin/SFSkinPictureCache.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// The largest style sheet that is read, as for the data files: the shipped one is about 1 KB.
constexpr std::size_t kMaxStyleSheetSize = VesperonBase::kMaxXmlFileSize;

struct SkinStrings
{
    QString skinPath;
    QString styleSheetPath;
};

SkinStrings& skinStrings()
{
    static SkinStrings strings;
    return strings;
}

struct FourInts
{
    int x = 0, y = 0, w = 0, h = 0;
};

FourInts scanFour(const std::wstring& text)
{
    FourInts v;
    if (!text.empty())
        std::swscanf(text.c_str(), L"%d,%d,%d,%d", &v.x, &v.y, &v.w, &v.h);
    return v;
}

FourInts scanFour(const std::string& text)
{
    FourInts v;
    if (!text.empty())
        std::sscanf(text.c_str(), "%d,%d,%d,%d", &v.x, &v.y, &v.w, &v.h);
    return v;
}

// Inclusive corners: exactly w x h pixels.
QRect inclusiveRect(const FourInts& v)
{
    QRect r;
    r.setCoords(v.x, v.y, sfwin::WrapAdd(sfwin::WrapAdd(v.x, v.w), -1),
                sfwin::WrapAdd(sfwin::WrapAdd(v.y, v.h), -1));
    return r;
}

// Corners one past the area.
QRect exclusiveRect(const FourInts& v)
{
    QRect r;
    r.setCoords(v.x, v.y, sfwin::WrapAdd(v.x, v.w), sfwin::WrapAdd(v.y, v.h));
    return r;
}

template <typename Char>
int hexDigit(Char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<int>(c - 'a') + 10;
    if (c >= 'A' && c <= 'F')
        return static_cast<int>(c - 'A') + 10;
    return -1;
}

// One "RR" pair read as a hexadecimal number: the leading hexadecimal digits count,
// a pair that does not start with one gives 0.
template <typename Char>
int hexPair(Char first, Char second)
{
    const int high = hexDigit(first);
    if (high < 0)
        return 0;
    const int low = hexDigit(second);
    return low < 0 ? high : high * 16 + low;
}

template <typename String>
QColor hexColor(const String& text)
{
    if (text.size() != 6)
        return QColor(0, 0, 0, 255);
    return QColor(hexPair(text[0], text[1]), hexPair(text[2], text[3]), hexPair(text[4], text[5]), 255);
}

}  // namespace

QRect StringToRect(const std::wstring& text) { return inclusiveRect(scanFour(text)); }

QRect StringToRectA(const std::string& text) { return inclusiveRect(scanFour(text)); }

QRect StringToQRect(const std::wstring& text) { return exclusiveRect(scanFour(text)); }

QRect StringToQRectA(const std::string& text) { return exclusiveRect(scanFour(text)); }

QRect* CopyQRect(QRect* dst, const QRect* src)
{
    if (dst && src) {
        int x1, y1, x2, y2;
        src->getCoords(&x1, &y1, &x2, &y2);
        dst->setCoords(x1, y1, x2, y2);
    }
    return dst;
}

QRect* DuplicateQRect(QRect* dst, const QRect* src) { return CopyQRect(dst, src); }

std::pair<int, int> ParseIntPairQ(const QString& text)
{
    if (text.isEmpty())
        return {0, 0};
    const QStringList parts = text.trimmed().split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return {0, 0};
    return {parts[0].toInt(nullptr, 10), parts[1].toInt(nullptr, 10)};
}

std::pair<int, int> ParseIntPairW(const std::wstring& text) { return ParseIntPairQ(WideToQString(text)); }

std::pair<int, int> ParseIntPairA(const std::string& text)
{
    return ParseIntPairQ(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QColor HexStringToQColor(const std::wstring& text) { return hexColor(text); }

QColor HexStringToQColorA(const std::string& text) { return hexColor(text); }

int ColorRefRed(DWORD color) { return static_cast<int>(color & 0xFFu); }

int ColorRefGreen(DWORD color) { return static_cast<int>((color >> 8) & 0xFFu); }

int ColorRefBlue(DWORD color) { return static_cast<int>((color >> 16) & 0xFFu); }

QColor ColorRefToQColor(DWORD color)
{
    return QColor(ColorRefRed(color), ColorRefGreen(color), ColorRefBlue(color), 255);
}

void SetSkinPath(const std::wstring& path) { skinStrings().skinPath = WideToQString(path); }

QString GetSkinPath() { return skinStrings().skinPath; }

QString SkinFilePath(const QString& name)
{
    QString file = name;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return skinStrings().skinPath + file;
}

QString SkinFilePath(const std::wstring& name) { return SkinFilePath(WideToQString(name)); }

QString SkinFilePath(const wchar_t* name) { return SkinFilePath(WideToQString(name)); }

QPixmap LoadSkinPicture(const QString& filePath) { return CSFSkinPictureCache::Instance().Load(filePath); }

std::wstring GetAppDirPath() { return SF_SOFT_BASE::SFBaseGetAppDirPath(); }

void GetScreenRect(QRect* out)
{
    if (!out)
        return;
    out->setCoords(0, 0, 0, 0);
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        *out = screen->geometry();
}

void LoadStyleSheet(const std::wstring& path)
{
    skinStrings().styleSheetPath = WideToQString(path);
    QApplication* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    const std::string file = QFile::encodeName(skinStrings().styleSheetPath).toStdString();
    std::string bytes;
    std::string reason;
    const VesperonBase::XmlFileStatus status =
        VesperonBase::ReadRegularFile(file, bytes, kMaxStyleSheetSize, &reason);
    if (status == VesperonBase::XmlFileStatus::kMissing)
        return;
    if (status != VesperonBase::XmlFileStatus::kLoaded) {
        std::fprintf(stderr, "Tessaly: style sheet \"%s\" not loaded: %s\n", file.c_str(), reason.c_str());
        return;
    }
    // Line ends as the text-mode read gave them: every '\r' dropped.
    bytes.erase(std::remove(bytes.begin(), bytes.end(), '\r'), bytes.end());
    app->setStyleSheet(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QString GetStyleSheetPath() { return skinStrings().styleSheetPath; }

QString Utf8ToQString(const char* utf8)
{
    if (!utf8)
        return QString();
    return QString::fromUtf8(utf8);
}

bool Utf8ToLocal8Bit(const char* utf8, char* out, std::size_t size)
{
    return SF_SOFT_BASE::SFBaseUtf8ToLocal8Bit(utf8, out, size);
}

QString WideToQString(const wchar_t* text)
{
    if (!text)
        return QString();
    const std::string utf8 = sfwin::WideToUtf8(text, std::wcslen(text));
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString WideToQString(const std::wstring& text)
{
    const std::string utf8 = sfwin::WideToUtf8(text.data(), text.size());
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::wstring QStringToWide(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return sfwin::Utf8ToWide(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}
