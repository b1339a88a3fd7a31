// The launcher: keeps a single instance, writes the carried archive into the per-user
// folder, unpacks it there and starts the program from it, waiting until it ends.
// Paths are UTF-8 byte strings, handed to the system unchanged.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace launcher {

// Fixed names the launcher works with.
extern const char kFolderName[];   // "Tessaly": the per-user folder
extern const char kLockName[];     // "Tessaly": the single-instance lock file
extern const char kProgramName[];  // "Tessaly": the program it starts
extern const char kArchiveName[];  // "Vesperon.7z"
constexpr unsigned kArchiveResourceId = 102;
extern const wchar_t kArchiveResourceType[];  // L"ZIP"

// Result codes of the unpacking (the decoder's numbering).
enum : int
{
    kOk = 0,
    kErrData = 1,
    kErrMem = 2,
    kErrCrc = 3,
    kErrUnsupported = 4,
    kErrInputEof = 6,
    kErrRead = 8,
    kErrWrite = 9,
    kErrProgress = 10,
    kErrFail = 11,
    kErrArchive = 16,
    kErrNoArchive = 17,
};
constexpr int kErrorAlreadyExists = 183;

// What one archive may unpack to, far beyond what the carried program needs (some 80
// items, a few megabytes): an archive that goes beyond is refused with
// kErrUnsupported before it fills the disk.
constexpr std::uint64_t kMaxUnpackedBytes = std::uint64_t(1) << 30;
constexpr std::uint64_t kMaxUnpackedItems = 100000;

// Where the launcher works. An empty field means the real place.
struct Places
{
    std::string appDataFolder;  // base of the per-user folder ($XDG_DATA_HOME or ~/.local/share)
    std::string lockFile;       // the single-instance lock ($XDG_RUNTIME_DIR/Tessaly, else /tmp)
    std::string moduleFolder;   // the launcher's own folder
};

// "\nERROR:" then the text, each through the debugger output (standard error).
void PrintError(const char* text);

// The launcher's own folder (its path up to the last '/'): 0, or 11 when the path has
// no '/' past its first character, or the errno of a failed look-up.
int GetModuleFolder(std::string* out);

// The per-user application-data folder, created (mode 0700) when missing:
// $XDG_DATA_HOME when set and absolute, else $HOME/.local/share, else the account's
// home + "/.local/share"; "/tmp" when none of them can be made.
std::string AppDataFolder();

// The single-instance lock file: $XDG_RUNTIME_DIR/Tessaly when that is set and
// absolute, else one per user in /tmp.
std::string LockFilePath();

// Takes the single-instance lock. Returns kErrorAlreadyExists when another holder has
// it, 0 otherwise (also when the lock file cannot be opened: the launcher goes on).
// *fd receives the held descriptor (close-on-exec) or -1. The lock belongs to the open
// file: it holds while any process has the descriptor open and is dropped by the
// system when the last one ends.
int AcquireSingleInstance(const std::string& lockFile, int* fd);

// Writes resource ZIP/102 to folder + "/" + name: 0, 11 when the file cannot be
// created, 9 when it cannot be written in full (what was written is removed), another
// non-zero code when the resource is missing or empty. A failure to create or write
// is reported with the path and the system's reason.
int WriteResourceToFile(const std::string& name, const std::string& folder);

// Unpacks folder + "/" + archiveName into folder, keeping the archive's sub-folders.
// Only files, folders and symbolic links are taken; an item with an absolute name or
// a ".." part, one written through or in place of a link, and a link leading out of
// the folder once the links before it are followed, are refused (kErrArchive), and so
// is an archive beyond the bounds above (kErrUnsupported). Returns 0 or a result code
// (see above), after reporting it. Works from inside the folder: the working
// directory is changed meanwhile and restored after.
int Extract7zArchive(const std::string& archiveName, const std::string& folder, bool keepFolders);

// Deletes the folder with everything in it, never following a symbolic link (a link,
// the folder itself included, is removed as a link), however deep the tree, with a
// few descriptors whatever its depth. 1 when all of it is gone; 0 when something
// could not be removed (or the folder is missing or no folder), with *failure (when
// given) set to that path, ": " and the system's reason. It stops at the first failure.
int RemoveDirectoryTree(const std::string& folder, std::string* failure = nullptr);

// Starts folder + "/" + program with the parameters as its one argument. The program
// inherits inheritFd (when not -1) under the same number: the single-instance lock, so
// that the lock holds for as long as the program runs, whatever becomes of the launcher.
// Returns its process id, or -1 when it cannot be started.
pid_t LaunchApplication(const std::string& folder, const std::string& program, const std::string& parameters,
                        int inheritFd = -1);

// Waits until the process ends.
void WaitForProcess(pid_t pid);

// The whole launch; returns the exit code (0: already running, no module folder, or
// the archive not written, which includes an old folder that could not be cleared
// for it; 1 otherwise).
int LauncherMain(const Places& places = Places());

}  // namespace launcher
