#include "base/xml_file.h"

#include "base/compat/sf_winapi.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VesperonBase {

namespace {

// The parser steps a few bytes past the terminator when a text runs to the end of the
// input; these zeros keep even that inside the buffer.
const std::size_t kParserPadding = 8;

void SetReason(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
}

std::string SystemMessage(int code) { return std::system_category().message(code); }

// How a failed open or read is counted: errors of the process's own resources say nothing
// about the file.
XmlFileStatus FailureStatus(int code)
{
    if (code == ENOENT || code == ENOTDIR)
        return XmlFileStatus::kMissing;
    if (code == EMFILE || code == ENFILE || code == ENOMEM || code == ENOBUFS || code == EINTR)
        return XmlFileStatus::kNotChecked;
    return XmlFileStatus::kUnreadable;
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// The file's text up to its first NUL, "\r\n" and a lone "\r" made "\n" as the library's
// file loader does.
std::string WithUnixLineEnds(const std::string& bytes)
{
    const std::size_t end = bytes.find('\0');
    const std::size_t size = end == std::string::npos ? bytes.size() : end;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] == '\r') {
            text += '\n';
            if (i + 1 < size && bytes[i + 1] == '\n')
                ++i;
        } else {
            text += bytes[i];
        }
    }
    return text;
}

bool StartsWith(const char* p, const char* prefix)
{
    return std::strncmp(p, prefix, std::strlen(prefix)) == 0;
}

// Just past the first end marker at or after p; the terminator when there is none.
const char* SkipPast(const char* p, const char* end)
{
    const char* found = std::strstr(p, end);
    return found ? found + std::strlen(end) : p + std::strlen(p);
}

// The library takes "<" followed by one of these for an element; any byte above 126 counts
// as a letter there.
bool StartsElementName(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u >= 127;
}

}  // namespace

XmlFileStatus ReadRegularFile(const std::string& path, std::string& bytes, std::size_t maxSize,
                              std::string* error)
{
    // The type is checked on the open descriptor itself.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        const int code = errno;
        SetReason(error, SystemMessage(code));
        return FailureStatus(code);
    }
    struct stat st
    {};
    if (::fstat(fd.Get(), &st) != 0) {
        const int code = errno;
        SetReason(error, SystemMessage(code));
        return FailureStatus(code);
    }
    if (!S_ISREG(st.st_mode)) {
        SetReason(error, "not a regular file");
        return XmlFileStatus::kNotRegularFile;
    }
    const std::string tooLarge = "larger than " + std::to_string(maxSize) + " bytes";
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxSize) {
        SetReason(error, tooLarge);
        return XmlFileStatus::kUnreadable;
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), chunk, sizeof chunk);
        if (n < 0) {
            const int code = errno;
            if (code == EINTR)
                continue;
            SetReason(error, SystemMessage(code));
            return FailureStatus(code);
        }
        if (n == 0)
            break;
        // The file may have grown since fstat.
        if (bytes.size() + static_cast<std::size_t>(n) > maxSize) {
            SetReason(error, tooLarge);
            return XmlFileStatus::kUnreadable;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return XmlFileStatus::kLoaded;
}

bool XmlNestedTooDeep(const std::string& text)
{
    // Markup is skipped the way the library reads it, so every element it would descend into
    // is counted: a region is never skipped further than the library skips it.
    int depth = 0;
    const char* p = text.c_str();
    while (*p) {
        if (*p != '<') {
            ++p;
        } else if (StartsWith(p, "<!--")) {
            p = SkipPast(p + 4, "-->");
        } else if (StartsWith(p, "<![CDATA[")) {
            p = SkipPast(p + 9, "]]>");
        } else if (p[1] == '/') {
            if (depth > 0)
                --depth;
            p = SkipPast(p + 2, ">");
        } else if (StartsElementName(p[1])) {
            // A start tag, to its '>' outside quoted values; "/>" closes it at once.
            char quote = 0;
            for (++p; *p && (quote || *p != '>'); ++p) {
                if (quote ? *p == quote : (*p == '"' || *p == '\''))
                    quote = quote ? 0 : *p;
            }
            if (*p == '>' && p[-1] != '/' && ++depth > kMaxXmlDepth)
                return true;
            if (*p)
                ++p;
        } else {
            // A declaration, processing instruction or anything else: the library's unknown
            // node, which ends at the first '>'.
            p = SkipPast(p + 1, ">");
        }
    }
    return false;
}

bool ParseXmlText(const std::string& text, TiXmlDocument& doc, TiXmlEncoding encoding, std::string* error)
{
    // The text up to its first NUL; invalid sequences become U+FFFD.
    std::string valid = sfwin::ValidUtf8(text.c_str(), std::strlen(text.c_str()));
    doc.Clear();
    doc.ClearError();
    if (XmlNestedTooDeep(valid)) {
        doc.SetError(TiXmlBase::TIXML_ERROR_PARSING_ELEMENT, nullptr, nullptr, TIXML_ENCODING_UNKNOWN);
        SetReason(error, "nested deeper than " + std::to_string(kMaxXmlDepth) + " levels");
        return false;
    }
    valid.append(kParserPadding, '\0');
    doc.Parse(valid.c_str(), nullptr, encoding);
    if (doc.Error()) {
        char where[64];
        std::snprintf(where, sizeof where, " (row %d, column %d)", doc.ErrorRow(), doc.ErrorCol());
        SetReason(error, doc.ErrorDesc() + std::string(where));
        return false;
    }
    return true;
}

XmlFileStatus LoadXmlFile(const std::string& path, TiXmlDocument& doc, TiXmlEncoding encoding,
                          std::string* error)
{
    doc.Clear();
    doc.ClearError();
    std::string bytes;
    const XmlFileStatus status = ReadRegularFile(path, bytes, kMaxXmlFileSize, error);
    if (status != XmlFileStatus::kLoaded) {
        doc.SetError(TiXmlBase::TIXML_ERROR_OPENING_FILE, nullptr, nullptr, TIXML_ENCODING_UNKNOWN);
        return status;
    }
    if (!ParseXmlText(WithUnixLineEnds(bytes), doc, encoding, error))
        return XmlFileStatus::kMalformed;
    return XmlFileStatus::kLoaded;
}

namespace {

// The temporary name of a save of target: "." + file name + "." + six letters or digits.
const char kTempSuffix[] = ".XXXXXX";

bool IsTempNameOf(const std::string& name, const std::string& target)
{
    const std::size_t head = target.size() + 2;  // "." + target + "."
    if (name.size() != head + 6 || name.compare(0, head, "." + target + ".") != 0)
        return false;
    for (std::size_t i = head; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

// Removes the temporary files that saves of target killed before their rename left in
// folder. A save holds an exclusive lock on its temporary file from creation to rename (see
// SaveXmlFile): a file whose lock can be taken has no writer. It is removed while the lock is
// held and only when the name still names the file that was locked, so a file that a save
// has just renamed into place, or one made anew under that name, stays.
void RemoveLeftoverTempFiles(const std::filesystem::path& folder, const std::string& target)
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!IsTempNameOf(name, target))
            continue;
        const std::string leftover = it->path().string();
        const FileDescriptor fd(
            ::open(leftover.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
        struct stat held
        {};
        struct stat named
        {};
        if (fd.Get() < 0 || ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(fd.Get(), &held) != 0 ||
            !S_ISREG(held.st_mode) || ::lstat(leftover.c_str(), &named) != 0 || named.st_dev != held.st_dev ||
            named.st_ino != held.st_ino)
            continue;
        ::unlink(leftover.c_str());
    }
}

// A new temporary file for a save of path, locked (see RemoveLeftoverTempFiles); -1 when it
// cannot be made, with errno set.
int CreateLockedTempFile(const std::filesystem::path& folder, const std::string& target, std::string& tmp)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        tmp = (folder / ("." + target + kTempSuffix)).string();
        const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat st
        {};
        if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0) {
            const int code = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            errno = code;
            return -1;
        }
        if (st.st_nlink > 0)
            return fd;
        // Another save's clean-up took the file between its creation and the lock: a new name.
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

}  // namespace

bool SaveXmlFile(const std::string& path, const TiXmlDocument& doc, std::string* error)
{
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string name = target.filename().string();
    RemoveLeftoverTempFiles(folder, name);

    std::string tmp;
    const int fd = CreateLockedTempFile(folder, name, tmp);
    if (fd < 0) {
        SetReason(error, SystemMessage(errno));
        return false;
    }
    // The lock lives on the open file, which the stream's descriptor shares: this second
    // descriptor keeps it held until the file has its final name.
    const FileDescriptor lock(::dup(fd));

    struct stat old
    {};
    mode_t mode = 0644;
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        mode = old.st_mode & 07777;
    FILE* fp = lock.Get() >= 0 && ::fchmod(fd, mode) == 0 ? ::fdopen(fd, "w") : nullptr;
    if (fp == nullptr) {
        SetReason(error, SystemMessage(errno));
        ::close(fd);
        ::unlink(tmp.c_str());
        return false;
    }
    // The first step that fails gives the reason.
    int code = 0;
    const auto step = [&code](bool ok) {
        if (!ok && code == 0)
            code = errno != 0 ? errno : EIO;
    };
    errno = 0;
    step(doc.SaveFile(fp));
    step(std::fflush(fp) == 0);
    step(std::ferror(fp) == 0);  // a write that failed before the last flush
    step(::fsync(::fileno(fp)) == 0);
    step(std::fclose(fp) == 0);
    if (code == 0)
        step(std::rename(tmp.c_str(), path.c_str()) == 0);
    if (code != 0) {
        SetReason(error, SystemMessage(code));
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

}  // namespace VesperonBase
