#include "launcher/launcher.h"

#include "base/compat/sf_winapi.h"
#include "launcher/sf_resource.h"

#include <archive.h>
#include <archive_entry.h>

#include <dirent.h>
#include <fcntl.h>
#include <langinfo.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <new>
#include <set>
#include <vector>

extern char** environ;

namespace launcher {

const char kFolderName[] = "Tessaly";
const char kLockName[] = "Tessaly";
const char kProgramName[] = "Tessaly";
const char kArchiveName[] = "Vesperon.7z";
const wchar_t kArchiveResourceType[] = L"ZIP";

namespace {

constexpr int kErrorResourceNotFound = 1814;
constexpr int kErrorInvalidData = 13;

// path + ": " + the system's text for err.
std::string Reason(const std::string& path, int err) { return path + ": " + std::strerror(err); }

// path + ": " + why the writer failed.
std::string WriterReason(const std::string& path, struct archive* out)
{
    if (archive_errno(out) > 0)
        return Reason(path, archive_errno(out));
    const char* text = archive_error_string(out);
    return path + ": " + (text ? text : "unknown error");
}

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// mkdir -p; folders it creates get the given mode.
bool MakePath(const std::string& path, mode_t mode)
{
    if (path.empty() || path[0] != '/')
        return false;
    std::size_t pos = 1;
    for (;;) {
        const std::size_t slash = path.find('/', pos);
        const std::string part = path.substr(0, slash);
        if (!part.empty() && part.back() != '/' && mkdir(part.c_str(), mode) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
        pos = slash + 1;
    }
    return IsDirectory(path);
}

std::string Getenv(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// The decoder reads item names into the locale's multibyte form; without a UTF-8
// locale every non-ASCII name is lost.
void EnsureUtf8Locale()
{
    const char* codeset = nl_langinfo(CODESET);
    if (codeset && std::strcmp(codeset, "UTF-8") == 0)
        return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "");
}

// The parts of text between its slashes, in order, empty and "." parts included: "a//b/"
// gives "a", "", "b", "".
std::vector<std::string> SplitSlashes(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t slash = text.find('/', pos);
        if (slash == std::string::npos)
            slash = text.size();
        parts.push_back(text.substr(pos, slash - pos));
        pos = slash + 1;
    }
    return parts;
}

// Splits a relative item name into its parts ("." and empty parts dropped). False
// for an absolute name, a ".." part, or a name with no part at all.
bool SafeRelativeParts(const char* name, std::vector<std::string>* parts)
{
    parts->clear();
    if (!name || name[0] == '/')
        return false;
    for (const std::string& part : SplitSlashes(name)) {
        if (part == "..")
            return false;
        if (!part.empty() && part != ".")
            parts->push_back(part);
    }
    return !parts->empty();
}

std::string Join(const std::vector<std::string>& parts, std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i != 0)
            out += '/';
        out += parts[i];
    }
    return out;
}

std::string Join(const std::vector<std::string>& parts) { return Join(parts, parts.size()); }

// Link targets longer than the system takes are refused; resolving one takes at most
// this many links and steps (the system itself follows at most 40 links).
constexpr std::size_t kMaxLinkTarget = PATH_MAX - 1;
constexpr int kMaxLinkHops = 40;
constexpr int kMaxResolveSteps = 1 << 16;

bool IsLink(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// True when one of the folders on the way to the item (its first count parts, paths
// relative to the working directory) is a symbolic link.
bool PassesThroughLink(const std::vector<std::string>& parts, std::size_t count)
{
    for (std::size_t i = 1; i < count && i <= parts.size(); ++i) {
        if (IsLink(Join(parts, i)))
            return true;
    }
    return false;
}

// What the unpacking keeps track of: the items and bytes so far, against the bounds,
// and the names that a link already unpacked goes through as folders while nothing
// exists there yet (a link made at one of them later would change where that earlier
// link leads, so none may be).
struct UnpackState
{
    std::string folder;  // being filled, for the messages
    std::set<std::string> assumedFolders;
    std::uint64_t items = 0;
    std::uint64_t bytes = 0;
};

// Reports an archive going beyond the bounds; the result code to end with.
int BeyondBounds(const char* what, std::uint64_t bound)
{
    PrintError((std::string("archive holds more than ") + std::to_string(bound) + " " + what).c_str());
    return kErrUnsupported;
}

// Counts one more item, and checks that its stated size still fits: kOk, or a result
// code after reporting it.
int CountEntry(struct archive_entry* entry, UnpackState* state)
{
    if (++state->items > kMaxUnpackedItems)
        return BeyondBounds("items", kMaxUnpackedItems);
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0 &&
        static_cast<std::uint64_t>(archive_entry_size(entry)) > kMaxUnpackedBytes - state->bytes)
        return BeyondBounds("bytes", kMaxUnpackedBytes);
    return kOk;
}

// A symbolic link stored at itemParts (relative to the working directory, the folder
// being filled) that points to target stays inside the folder, the links already
// unpacked followed the way the system follows them. Names on the way that do not
// exist yet are taken as folders to come and recorded in the state.
bool LinkStaysInside(const std::vector<std::string>& itemParts, const char* target, UnpackState* state)
{
    if (!target || !*target || target[0] == '/' || std::strlen(target) > kMaxLinkTarget)
        return false;
    std::vector<std::string> at(itemParts.begin(), itemParts.end() - 1);  // where the walk stands
    const std::vector<std::string> targetParts = SplitSlashes(target);
    std::deque<std::string> rest(targetParts.begin(), targetParts.end());
    int hops = 0;
    for (int steps = 0; !rest.empty(); ++steps) {
        if (steps > kMaxResolveSteps)
            return false;
        const std::string part = rest.front();
        rest.pop_front();
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (at.empty())
                return false;
            at.pop_back();
            continue;
        }
        at.push_back(part);
        const std::string path = Join(at);
        struct stat st;
        if (lstat(path.c_str(), &st) != 0) {
            if (!rest.empty())
                state->assumedFolders.insert(path);
            continue;
        }
        if (!S_ISLNK(st.st_mode))
            continue;
        if (++hops > kMaxLinkHops)
            return false;
        std::vector<char> buf(kMaxLinkTarget + 1);
        const ssize_t n = readlink(path.c_str(), buf.data(), buf.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= buf.size() || buf[0] == '/')
            return false;
        at.pop_back();
        const std::vector<std::string> linkParts =
            SplitSlashes(std::string(buf.data(), static_cast<std::size_t>(n)));
        rest.insert(rest.begin(), linkParts.begin(), linkParts.end());
    }
    return true;
}

bool Contains(const std::string& text, const char* what) { return text.find(what) != std::string::npos; }

bool IsTruncated7z(int fd);

// The decoder reports errors as text; map them onto the result codes. fd is the
// archive, looked at when the decoder's text does not tell a cut-off archive.
int MapReadError(struct archive* a, int fd, bool opening, std::string* detail)
{
    const char* msg = archive_error_string(a);
    *detail = msg ? msg : "";
    // Not every allocation failure comes with ENOMEM: some only say so in their text.
    if (archive_errno(a) == ENOMEM || Contains(*detail, "memory") || Contains(*detail, "Memory"))
        return kErrMem;
    if (Contains(*detail, "CRC"))
        return kErrCrc;
    if (Contains(*detail, "codec") || Contains(*detail, "nsupported") || Contains(*detail, "not supported"))
        return kErrUnsupported;
    if (Contains(*detail, "runcated") || Contains(*detail, "remature end") || IsTruncated7z(fd))
        return kErrInputEof;
    if (opening && Contains(*detail, "Unrecognized archive format"))
        return kErrNoArchive;
    return kErrData;
}

void PrintDetail(const std::string& detail)
{
    if (!detail.empty())
        PrintError(detail.c_str());
}

// The decoder does not always say why it failed: a short text for each code then.
std::string FallbackDetail(int code)
{
    switch (code) {
    case kErrInputEof:
        return "unexpected end of archive";
    case kErrNoArchive:
        return "not a 7z archive";
    default:
        return "damaged archive";
    }
}

// True when the archive open on fd has a 7z signature but ends before the header
// its start record points to.
bool IsTruncated7z(int fd)
{
    unsigned char start[32];
    struct stat st;
    if (pread(fd, start, sizeof start, 0) != static_cast<ssize_t>(sizeof start) || fstat(fd, &st) != 0)
        return false;
    static const unsigned char signature[6] = {'7', 'z', 0xBC, 0xAF, 0x27, 0x1C};
    if (std::memcmp(start, signature, sizeof signature) != 0)
        return false;
    auto u64 = [&start](int at) {
        unsigned long long v = 0;
        for (int i = 7; i >= 0; --i)
            v = (v << 8) | start[at + i];
        return v;
    };
    const unsigned long long offset = u64(12);
    const unsigned long long size = u64(20);
    const unsigned long long have = static_cast<unsigned long long>(st.st_size) - sizeof start;
    return offset > have || size > have - offset;
}

// Restores the working directory when it goes out of scope.
class WorkingDirectoryGuard
{
public:
    WorkingDirectoryGuard() : m_fd(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~WorkingDirectoryGuard()
    {
        if (m_fd >= 0) {
            if (fchdir(m_fd) != 0) {
                // Nothing better to do: the launcher never relies on its own working directory.
            }
            close(m_fd);
        }
    }
    WorkingDirectoryGuard(const WorkingDirectoryGuard&) = delete;
    WorkingDirectoryGuard& operator=(const WorkingDirectoryGuard&) = delete;

private:
    int m_fd;
};

// The decoder's handles, freed when they go out of scope. Closing the writer sets the
// folders' stored modes; the writer goes before the reader.
struct ArchiveReadFree
{
    void operator()(struct archive* a) const { archive_read_free(a); }
};
struct ArchiveWriteFree
{
    void operator()(struct archive* a) const
    {
        archive_write_close(a);
        archive_write_free(a);
    }
};
using ArchiveReader = std::unique_ptr<struct archive, ArchiveReadFree>;
using ArchiveWriter = std::unique_ptr<struct archive, ArchiveWriteFree>;

// A failed read as a result code, reported here unless Extract7zArchive reports that
// code itself (memory, CRC, unsupported).
int ReadFailure(struct archive* in, int fd, bool opening)
{
    std::string detail;
    const int code = MapReadError(in, fd, opening, &detail);
    if (code != kErrMem && code != kErrCrc && code != kErrUnsupported)
        PrintDetail(detail.empty() ? FallbackDetail(code) : detail);
    return code;
}

// Checks an item and rewrites its names for the folder being filled (the working
// directory; without sub-folders when keepFolders is false): only files, folders and
// links that stay inside are taken, none written through or over a link already
// unpacked. kOk, or kErrArchive after reporting it; *skip is set for a folder that is
// not kept.
int PrepareEntry(struct archive_entry* entry, bool keepFolders, UnpackState* state, std::string* outName,
                 bool* skip)
{
    *skip = false;
    std::vector<std::string> parts;
    const char* name = archive_entry_pathname_utf8(entry);
    if (!SafeRelativeParts(name, &parts)) {
        PrintError(
            (std::string("unsafe item name in archive: ") + (name ? name : "(not valid text)")).c_str());
        return kErrArchive;
    }
    const mode_t type = archive_entry_filetype(entry);
    if (type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK) {
        PrintError((std::string("unsupported item in archive: ") + name).c_str());
        return kErrArchive;
    }
    if (!keepFolders) {
        if (type == AE_IFDIR) {
            *skip = true;
            return kOk;
        }
        parts.erase(parts.begin(), parts.end() - 1);
    }
    const std::string joined = Join(parts);
    struct stat st;
    const bool exists = lstat(joined.c_str(), &st) == 0;
    if (PassesThroughLink(parts, parts.size()) || (exists && S_ISLNK(st.st_mode))) {
        PrintError((std::string("unsafe item name in archive: ") + name).c_str());
        return kErrArchive;
    }
    // Links are judged where they land, against what is already there; one never takes
    // the place of another item or of a folder an earlier link counts on.
    if (type == AE_IFLNK && (exists || state->assumedFolders.count(joined) != 0 ||
                             !LinkStaysInside(parts, archive_entry_symlink_utf8(entry), state))) {
        PrintError((std::string("unsafe link in archive: ") + name).c_str());
        return kErrArchive;
    }
    if (const char* hard = archive_entry_hardlink_utf8(entry)) {
        // A second name for a file already unpacked, and only for a plain file.
        std::vector<std::string> hardParts;
        struct stat hs;
        if (!SafeRelativeParts(hard, &hardParts) || PassesThroughLink(hardParts, hardParts.size()) ||
            lstat(Join(hardParts).c_str(), &hs) != 0 || !S_ISREG(hs.st_mode)) {
            PrintError((std::string("unsafe link in archive: ") + name).c_str());
            return kErrArchive;
        }
        archive_entry_set_hardlink_utf8(entry, Join(hardParts).c_str());
    }
    *outName = joined;
    archive_entry_set_pathname_utf8(entry, outName->c_str());
    return kOk;
}

// Copies the current item's data from the reader to the writer, within the bounds:
// kOk, or a result code after reporting it.
int CopyEntryData(struct archive* in, struct archive* out, int fd, const std::string& outName,
                  UnpackState* state)
{
    const void* buf = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    std::uint64_t end = 0;  // of the data so far
    for (;;) {
        const int rd = archive_read_data_block(in, &buf, &size, &offset);
        if (rd == ARCHIVE_EOF) {
            state->bytes += end;
            return kOk;
        }
        if (rd < ARCHIVE_OK)
            return ReadFailure(in, fd, false);
        if (offset < 0 || static_cast<std::uint64_t>(offset) > kMaxUnpackedBytes ||
            size > kMaxUnpackedBytes - static_cast<std::uint64_t>(offset) ||
            static_cast<std::uint64_t>(offset) + size > kMaxUnpackedBytes - state->bytes)
            return BeyondBounds("bytes", kMaxUnpackedBytes);
        end = std::max<std::uint64_t>(end, static_cast<std::uint64_t>(offset) + size);
        if (archive_write_data_block(out, buf, size, offset) < ARCHIVE_OK) {
            PrintError(
                ("can not write output file " + WriterReason(state->folder + "/" + outName, out)).c_str());
            return kErrFail;
        }
    }
}

// Writes one checked item under outName: kOk, or a result code after reporting it.
int WriteEntry(struct archive* in, struct archive* out, int fd, struct archive_entry* entry,
               const std::string& outName, UnpackState* state)
{
    const bool isFolder = archive_entry_filetype(entry) == AE_IFDIR;
    // Missing parent folders are created before the item is written.
    if (archive_write_header(out, entry) < ARCHIVE_WARN) {
        if (isFolder)
            return kOk;  // a folder that cannot be made is passed over
        PrintError(("can not open output file " + WriterReason(state->folder + "/" + outName, out)).c_str());
        return kErrFail;
    }
    if (!isFolder && archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0) {
        const int res = CopyEntryData(in, out, fd, outName, state);
        if (res != kOk) {
            // Drop the partly written file.
            archive_write_finish_entry(out);
            unlink(outName.c_str());
            return res;
        }
    }
    if (archive_write_finish_entry(out) < ARCHIVE_WARN && !isFolder) {
        PrintError(("can not close output file " + WriterReason(state->folder + "/" + outName, out)).c_str());
        unlink(outName.c_str());
        return kErrFail;
    }
    return kOk;
}

// Unpacks the archive open on fd into the current working directory, which is folder.
int UnpackInto(int fd, bool keepFolders, const std::string& folder)
{
    ArchiveReader in(archive_read_new());
    if (!in)
        return kErrMem;
    if (archive_read_support_format_7zip(in.get()) != ARCHIVE_OK ||
        archive_read_open_fd(in.get(), fd, 1 << 20) != ARCHIVE_OK)
        return ReadFailure(in.get(), fd, true);
    ArchiveWriter out(archive_write_disk_new());
    if (!out)
        return kErrMem;
    // Names are relative to the folder being filled: nothing may climb out of it, be
    // absolute, or be written through a symbolic link. No owner or permission flags:
    // the modes stored with the items are restored under the umask.
    archive_write_disk_set_options(out.get(), ARCHIVE_EXTRACT_SECURE_NODOTDOT |
                                                  ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                                                  ARCHIVE_EXTRACT_SECURE_NOABSOLUTEPATHS);

    UnpackState state;
    state.folder = folder;
    for (;;) {
        struct archive_entry* entry = nullptr;
        const int r = archive_read_next_header(in.get(), &entry);
        if (r == ARCHIVE_EOF)
            return kOk;
        if (r < ARCHIVE_WARN)
            return ReadFailure(in.get(), fd, false);
        std::string outName;
        bool skip = false;
        int res = CountEntry(entry, &state);
        if (res == kOk)
            res = PrepareEntry(entry, keepFolders, &state, &outName, &skip);
        if (res == kOk && !skip)
            res = WriteEntry(in.get(), out.get(), fd, entry, outName, &state);
        if (res != kOk)
            return res;
    }
}

// Lists the open folder at path, removes every item in it that is not a folder, and
// adds the names of its folders to *folders. False, with *failure set, on the first
// error.
bool RemoveFilesAt(int dirFd, const std::string& path, std::vector<std::string>* folders,
                   std::string* failure)
{
    const int listFd = fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    DIR* dir = listFd >= 0 ? fdopendir(listFd) : nullptr;
    if (!dir) {
        *failure = Reason(path, errno);
        if (listFd >= 0)
            close(listFd);
        return false;
    }
    std::vector<std::string> names;
    errno = 0;
    while (const struct dirent* e = readdir(dir)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
            names.emplace_back(e->d_name);
    }
    const int listErr = errno;
    closedir(dir);
    if (listErr != 0) {
        *failure = Reason(path, listErr);
        return false;
    }
    for (const std::string& name : names) {
        struct stat st;
        if (fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                continue;
            *failure = Reason(path + "/" + name, errno);
            return false;
        }
        if (S_ISDIR(st.st_mode)) {
            folders->push_back(name);
        } else if (unlinkat(dirFd, name.c_str(), 0) != 0 && errno != ENOENT) {
            *failure = Reason(path + "/" + name, errno);
            return false;
        }
    }
    return true;
}

// Removes everything inside the folder, never following a link. Depth first, holding
// the open folder and no more: the way back up is "..", checked against the folder
// that was left.
bool RemoveContents(const std::string& folder, std::string* failure)
{
    struct Level
    {
        std::string name;  // in its parent
        dev_t dev;
        ino_t ino;
        std::vector<std::string> folders;  // still to remove
    };
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0) {
        *failure = Reason(folder, errno);
        if (fd >= 0)
            close(fd);
        return false;
    }
    std::vector<Level> levels;
    levels.push_back({std::string(), st.st_dev, st.st_ino, {}});
    std::string path = folder;
    bool ok = RemoveFilesAt(fd, path, &levels.back().folders, failure);
    // Records the failure at where, closing the descriptor in hand (when there is one).
    auto fail = [&ok, failure](const std::string& where, int err, int inHand) {
        *failure = Reason(where, err);
        if (inHand >= 0)
            close(inHand);
        ok = false;
    };
    while (ok) {
        if (!levels.back().folders.empty()) {
            const std::string name = levels.back().folders.back();
            levels.back().folders.pop_back();
            const int sub = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub < 0 && errno == ENOENT)
                continue;
            if (sub < 0 || fstat(sub, &st) != 0) {
                fail(path + "/" + name, errno, sub);
                break;
            }
            close(fd);
            fd = sub;
            path += "/" + name;
            levels.push_back({name, st.st_dev, st.st_ino, {}});
            ok = RemoveFilesAt(fd, path, &levels.back().folders, failure);
            continue;
        }
        if (levels.size() == 1)
            break;
        const int parent = openat(fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int upErr = errno;
        const std::string name = levels.back().name;
        levels.pop_back();
        path.erase(path.size() - name.size() - 1);
        if (parent < 0 || fstat(parent, &st) != 0 || st.st_dev != levels.back().dev ||
            st.st_ino != levels.back().ino) {
            fail(path, parent < 0 ? upErr : ESTALE, parent);  // ESTALE: moved away meanwhile
            break;
        }
        close(fd);
        fd = parent;
        if (unlinkat(fd, name.c_str(), AT_REMOVEDIR) != 0)
            fail(path + "/" + name, errno, -1);
    }
    close(fd);
    return ok;
}

}  // namespace

void PrintError(const char* text)
{
    sfwin::OutputDebugStringA("\nERROR:");
    sfwin::OutputDebugStringA(text);
}

int GetModuleFolder(std::string* out)
{
    std::vector<char> buf(256);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0)
            return errno ? errno : kErrFail;
        if (static_cast<std::size_t>(n) < buf.size()) {
            const std::string path(buf.data(), static_cast<std::size_t>(n));
            const std::size_t slash = path.rfind('/');
            if (slash == std::string::npos || slash == 0)
                return kErrFail;
            *out = path.substr(0, slash);
            return 0;
        }
        buf.resize(buf.size() * 2);
    }
}

std::string AppDataFolder()
{
    std::vector<std::string> candidates;
    const std::string xdg = Getenv("XDG_DATA_HOME");
    if (!xdg.empty() && xdg[0] == '/')
        candidates.push_back(xdg);
    const std::string home = Getenv("HOME");
    if (!home.empty() && home[0] == '/')
        candidates.push_back(home + "/.local/share");
    if (const struct passwd* pw = getpwuid(getuid())) {
        if (pw->pw_dir && pw->pw_dir[0] == '/')
            candidates.push_back(std::string(pw->pw_dir) + "/.local/share");
    }
    for (const std::string& c : candidates) {
        if (MakePath(c, 0700))
            return c;
    }
    return "/tmp";
}

std::string LockFilePath()
{
    const std::string runtime = Getenv("XDG_RUNTIME_DIR");
    if (!runtime.empty() && runtime[0] == '/')
        return runtime + "/" + kLockName;
    // /tmp is shared by every user: keep one lock per user there.
    return std::string("/tmp/") + kLockName + "-" + std::to_string(getuid());
}

int AcquireSingleInstance(const std::string& lockFile, int* fd)
{
    *fd = -1;
    const int f = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (f < 0)
        return 0;
    int r;
    do {
        r = flock(f, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(f);
        return held ? kErrorAlreadyExists : 0;
    }
    *fd = f;
    return 0;
}

int WriteResourceToFile(const std::string& name, const std::string& folder)
{
    const std::string path = folder + "/" + name;
    const SFResource* res = SF_FindResource(static_cast<WORD>(kArchiveResourceId), kArchiveResourceType);
    if (!res) {
        PrintError("find resource failed!");
        return kErrorResourceNotFound;
    }
    const std::size_t size = SF_SizeofResource(res);
    if (size == 0) {
        PrintError("resource is empty!");
        return kErrorInvalidData;
    }
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        PrintError(("can not create file " + Reason(path, errno)).c_str());
        return kErrFail;
    }
    const unsigned char* p = res->begin;
    std::size_t left = size;
    int err = 0;
    while (left > 0) {
        const ssize_t n = write(fd, p, left < (std::size_t(1) << 30) ? left : (std::size_t(1) << 30));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        // A part of the archive is of no use and would keep the disk full.
        unlink(path.c_str());
        PrintError(("can not open write file " + Reason(path, err)).c_str());
        return kErrWrite;
    }
    return 0;
}

int Extract7zArchive(const std::string& archiveName, const std::string& folder, bool keepFolders)
{
    EnsureUtf8Locale();
    const std::string archivePath = folder + "/" + archiveName;
    std::string module;
    if (GetModuleFolder(&module) != 0) {
        PrintError("can not get module path!");
        return kErrProgress;
    }
    int res;
    const int fd = open(archivePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        PrintError(("can not open input file " + Reason(archivePath, errno)).c_str());
        return kErrRead;
    }
    {
        WorkingDirectoryGuard back;
        if (chdir(folder.c_str()) != 0) {
            PrintError(("can not open output file " + Reason(folder, errno)).c_str());
            res = kErrFail;
        } else {
            try {
                res = UnpackInto(fd, keepFolders, folder);
            } catch (const std::bad_alloc&) {
                res = kErrMem;  // the launcher's own bookkeeping ran out of memory
            }
        }
    }
    close(fd);

    switch (res) {
    case kOk:
        std::printf("Everything is Ok\n");
        break;
    case kErrUnsupported:
        PrintError("decoder doesn't support this archive");
        break;
    case kErrMem:
        PrintError("can not allocate memory");
        break;
    case kErrCrc:
        PrintError("CRC error");
        break;
    default:
        std::printf("\nERROR #%d\n", res);
        break;
    }
    std::fflush(stdout);
    return res;
}

int RemoveDirectoryTree(const std::string& folder, std::string* failure)
{
    std::string unused;
    if (!failure)
        failure = &unused;
    struct stat st;
    if (lstat(folder.c_str(), &st) != 0) {
        *failure = Reason(folder, errno);
        return 0;
    }
    if (S_ISLNK(st.st_mode)) {
        // A link in place of the folder goes; what it points to stays.
        if (unlink(folder.c_str()) != 0) {
            *failure = Reason(folder, errno);
            return 0;
        }
        return 1;
    }
    if (!RemoveContents(folder, failure))
        return 0;
    if (rmdir(folder.c_str()) != 0) {
        *failure = Reason(folder, errno);
        return 0;
    }
    return 1;
}

pid_t LaunchApplication(const std::string& folder, const std::string& program, const std::string& parameters,
                        int inheritFd)
{
    std::string file = folder + "/" + program;
    std::string arg = parameters;
    char* argv[] = {&file[0], &arg[0], nullptr};
    std::fflush(stdout);
    std::fflush(stderr);
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        PrintError("ShellExecute failed!");
        return -1;
    }
    // Duplicating a descriptor onto itself clears its close-on-exec flag in the child only.
    bool ready = inheritFd < 0 || posix_spawn_file_actions_adddup2(&actions, inheritFd, inheritFd) == 0;
    pid_t pid = -1;
    ready = ready && posix_spawn(&pid, file.c_str(), &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!ready) {
        PrintError("ShellExecute failed!");
        return -1;
    }
    PrintError("ShellExecute succeed!");
    return pid;
}

void WaitForProcess(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

int LauncherMain(const Places& places)
{
    PrintError("start 7zUnzip main!");
    const std::string base = places.appDataFolder.empty() ? AppDataFolder() : places.appDataFolder;
    const std::string target = base + "/" + kFolderName;

    // Held until the launcher returns and handed on to the program: a launcher killed
    // while the program runs leaves the lock with the program.
    int lockFd = -1;
    if (AcquireSingleInstance(places.lockFile.empty() ? LockFilePath() : places.lockFile, &lockFd) ==
        kErrorAlreadyExists) {
        PrintError("app running!");
        return 0;
    }
    struct LockHolder
    {
        int fd;
        ~LockHolder()
        {
            if (fd >= 0)
                close(fd);
        }
    } holder{lockFd};

    std::string module = places.moduleFolder;
    if (module.empty() && GetModuleFolder(&module) != 0) {
        PrintError("can not get module path!");
        return 0;
    }
    std::printf("7zDecode start --- %s\n", module.c_str());
    std::fflush(stdout);

    // Every start unpacks a fresh copy. Unlike on some systems, the files of a program
    // started from this folder by other means can be deleted while it runs: only a
    // program started by a launcher is protected, by the lock above.
    int made = mkdir(target.c_str(), 0755);
    if (made != 0 && errno == EEXIST) {
        std::string failure;
        if (RemoveDirectoryTree(target, &failure) == 0) {
            // The archive is not written over what is left: an early stop like the others.
            PrintError(("Remove directory failed! " + failure).c_str());
            return 0;
        }
        made = mkdir(target.c_str(), 0755);
    }
    if (made != 0)
        PrintError(
            ("can not create folder " + Reason(target, errno)).c_str());  // writing the archive fails next
    if (WriteResourceToFile(kArchiveName, target) != 0) {
        PrintError("load zip resource failed!");
        return 0;
    }
    if (Extract7zArchive(kArchiveName, target, true) == 0) {
        PrintError("Extract7zZip succeed!");
        const pid_t pid = LaunchApplication(target, kProgramName, module, holder.fd);
        if (pid > 0)
            WaitForProcess(pid);
    }
    PrintError("exit main!");
    std::fflush(stdout);
    return 1;
}

}  // namespace launcher
