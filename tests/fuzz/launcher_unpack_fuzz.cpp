// Fuzz entry for the launcher's unpacking: each input is written as the archive into a
// fresh temporary folder and unpacked there the launcher's own way, then the folder goes.
#include "base/compat/sf_winapi.h"
#include "launcher/launcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

bool WriteAll(const std::string& path, const uint8_t* data, size_t size)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return close(fd) == 0 && size == 0;
}

// What the launcher's removal leaves (an unpacked folder without owner rights, say)
// must not pile up over a long run.
void ForceRemove(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(folder, ec);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The launcher's report lines would drown the fuzzer's own.
    sfwin::SetDebugOutputSink([](const char*) {});
    const int devnull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (devnull >= 0) {
        dup2(devnull, STDOUT_FILENO);
        close(devnull);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::error_code ec;
    std::string folder = (std::filesystem::temp_directory_path(ec) / "launcher_unpack_XXXXXX").string();
    if (ec || !mkdtemp(&folder[0]))
        return 0;
    if (WriteAll(folder + "/" + launcher::kArchiveName, data, size))
        launcher::Extract7zArchive(launcher::kArchiveName, folder, true);
    if (launcher::RemoveDirectoryTree(folder) == 0)
        ForceRemove(folder);
    return 0;
}
