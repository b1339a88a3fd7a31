// Reading and writing the program's XML data files (settings, language files, recorder
// tables).
#pragma once

#include <tinyxml.h>

#include <cstddef>
#include <string>

namespace VesperonBase {

// The largest data file that is read; far above anything the program ships or writes.
constexpr std::size_t kMaxXmlFileSize = 16u * 1024u * 1024u;

enum class XmlFileStatus
{
    kLoaded,
    kMissing,         // nothing at the path
    kNotRegularFile,  // a folder, FIFO, device... at the path: counts as missing
    kUnreadable,      // a file that cannot be opened or read, or is larger than kMaxXmlFileSize
    kMalformed,       // read, but it does not parse
    kNotChecked,      // the process ran out of file descriptors or memory: the file may be fine
};

// Reads the file at path whole into bytes, the way the data files are read: opened without
// blocking (a FIFO without a writer never holds the caller up) and read only when it is a
// regular file of at most maxSize bytes. Also used for the other files the program reads
// whole (the style sheet, the skin pictures). On failure error, when given, gets one line
// of reason: the system's message, "not a regular file" or "larger than <maxSize> bytes"
// (kUnreadable).
XmlFileStatus ReadRegularFile(const std::string& path, std::string& bytes, std::size_t maxSize,
                              std::string* error = nullptr);

// The deepest element nesting that is parsed. The library descends once per level on the
// call stack, so a deeper document is refused before it reaches the parser; the program's
// own files nest three levels, and a workbook's parts a handful.
constexpr int kMaxXmlDepth = 256;

// Whether the text, up to its first NUL, holds elements nested deeper than kMaxXmlDepth, as
// the library would read them (comments, CDATA sections, declarations and quoted attribute
// values open no element). One pass over the text, no allocation.
bool XmlNestedTooDeep(const std::string& text);

// Parses text, up to its first NUL, into doc (emptied first) with the given encoding. The
// parser gets valid UTF-8, each broken or cut sequence read as U+FFFD, in a buffer padded
// with zeros, so it can never step past the end of the text. A text nested deeper than
// kMaxXmlDepth is not parsed and counts as not parsing. Returns whether it parsed; the
// document carries the library's error otherwise, and error, when given, one line of reason
// (the parser's error with its row and column, or "nested deeper than 256 levels").
bool ParseXmlText(const std::string& text, TiXmlDocument& doc, TiXmlEncoding encoding,
                  std::string* error = nullptr);

// Parses the file at path into doc (emptied first) with the given encoding. The file is
// opened without blocking and read only when it is a regular file of at most
// kMaxXmlFileSize bytes; its line ends are made "\n" as the library's own loader does, and
// the text goes to ParseXmlText.
// On failure the document carries the library's error ("Failed to open file" when the file
// was not read) and error, when given, one line of reason: the system's message, "not a
// regular file", "larger than 16777216 bytes", or ParseXmlText's reason.
XmlFileStatus LoadXmlFile(const std::string& path, TiXmlDocument& doc, TiXmlEncoding encoding,
                          std::string* error = nullptr);

// Writes doc to path whole or not at all: into a new file of a unique name in the same
// folder (".<name>.XXXXXX"), flushed to disk, which then replaces path in one rename. The new
// file keeps the permissions of the regular file it replaces (0644 when there is none). When
// creating, writing, flushing or renaming fails, the new file is removed, whatever was at
// path stays as it was, the result is false and error, when given, gets the system's message.
// A save holds an exclusive lock (flock) on its new file until the rename; files of that
// name pattern that no save holds, left behind by a save that was killed, are removed first.
bool SaveXmlFile(const std::string& path, const TiXmlDocument& doc, std::string* error = nullptr);

}  // namespace VesperonBase
