// Helpers that turn skin-record text into Qt values, the process-wide skin folder,
// application folder and style sheet, and the text conversions used wherever text
// crosses the facade. All functions belong to the GUI thread.
#pragma once

#include "base/compat/sf_windows.h"

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <cstddef>
#include <string>
#include <utility>

// ---- Rectangles -------------------------------------------------------------------------
// The text is read as "%d,%d,%d,%d" = x, y, width, height; a number that is not read
// counts as 0.

// Corners {x, y, x + w - 1, y + h - 1}: a Qt rectangle of exactly w x h pixels.
// An empty text gives the null rectangle {0, 0, -1, -1}.
QRect StringToRect(const std::wstring& text);
QRect StringToRectA(const std::string& text);

// Corners {x, y, x + w, y + h}: right and bottom lie one past the area, as in a Win32
// rectangle, so QRect::right()/bottom() return x + w and y + h (and QRect::width() is w + 1).
// An empty text gives {0, 0, 0, 0}.
QRect StringToQRect(const std::wstring& text);
QRect StringToQRectA(const std::string& text);

// Copy the four corner values of src into dst and return dst (nothing happens and dst is
// returned when either is null).
QRect* CopyQRect(QRect* dst, const QRect* src);
QRect* DuplicateQRect(QRect* dst, const QRect* src);

// ---- Pairs ------------------------------------------------------------------------------
// "a,b" -> (a, b). The text is trimmed and split at ","; exactly two parts give the two
// numbers (each 0 when not a base-10 integer), anything else (also an empty text) (0, 0).
std::pair<int, int> ParseIntPairW(const std::wstring& text);
std::pair<int, int> ParseIntPairQ(const QString& text);
std::pair<int, int> ParseIntPairA(const std::string& text);

// ---- Colours ----------------------------------------------------------------------------
// "RRGGBB" -> opaque colour; each pair is read as hexadecimal (0 when it does not start with
// a hexadecimal digit). A text that is not exactly six characters gives opaque black.
QColor HexStringToQColor(const std::wstring& text);
QColor HexStringToQColorA(const std::string& text);

// A Win32 colour value 0x00BBGGRR as an opaque colour, and its three bytes.
QColor ColorRefToQColor(DWORD color);
int ColorRefRed(DWORD color);
int ColorRefGreen(DWORD color);
int ColorRefBlue(DWORD color);

// ---- Folders and files ------------------------------------------------------------------
// The skin folder (empty until set). A skin picture's file is the skin folder followed
// directly by the picture name: no separator is added, so the folder is normally given
// with its trailing "/".
void SetSkinPath(const std::wstring& path);
QString GetSkinPath();
// The file of a skin picture: skin folder + name by plain concatenation, with any "\" of
// a name authored for Windows read as "/".
QString SkinFilePath(const QString& name);
QString SkinFilePath(const std::wstring& name);
QString SkinFilePath(const wchar_t* name);

// The picture in the file at filePath, decoded as QPixmap::load decodes it (null when it does
// not load) and kept for the life of the application object: later calls with the same full
// path give the kept picture without asking the file system again, also for a missing file.
// A kept picture whose file changes is read again at its next use (SFSkinPictureCache.h).
// The skin controls take their pictures from here.
QPixmap LoadSkinPicture(const QString& filePath);

// The application folder without a trailing separator; refreshed while an application
// object exists, the last value seen (empty at first) otherwise.
std::wstring GetAppDirPath();

// The default (primary) screen's geometry; all zero (every corner value 0) without a GUI
// application object or without a screen. A null out is ignored.
void GetScreenRect(QRect* out);

// Stores the path; with an application object, reads the file whole as UTF-8 and applies it
// as the application's style sheet. The file is read as the data files are: only a regular
// file of at most 16 MiB, opened without blocking. A missing file changes nothing; any other
// that is not read (a folder, a FIFO, too large, unreadable) changes nothing either, with one
// line on standard error.
void LoadStyleSheet(const std::wstring& path);
// The path last given to LoadStyleSheet.
QString GetStyleSheetPath();

// ---- Text -------------------------------------------------------------------------------
// QString::fromUtf8 of the NUL-terminated text; NULL gives an empty string.
QString Utf8ToQString(const char* utf8);

// Copies the UTF-8 text converted to the local 8-bit encoding, with its terminating NUL,
// into out, which holds size bytes. When it does not fit, writes an empty string (if
// size > 0) and returns false; never writes past out + size.
bool Utf8ToLocal8Bit(const char* utf8, char* out, std::size_t size);

// Facade text <-> QString. NULL gives an empty string. A wchar_t that is no Unicode scalar
// value becomes U+FFFD; a character outside the BMP is one wchar_t.
QString WideToQString(const wchar_t* text);
QString WideToQString(const std::wstring& text);
std::wstring QStringToWide(const QString& text);
