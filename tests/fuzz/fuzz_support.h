// What the fuzz targets share: a private folder for the files the loaders read, and a way
// to put the fuzzer's bytes there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace fuzzsupport {

// A folder of this process's own, made on first use and removed at exit. (Held on the heap
// so that it outlives the exit handler that removes it.)
inline const std::string& Folder()
{
    static const std::string* const folder = [] {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tessaly_fuzz.XXXXXX").string();
        if (::mkdtemp(tmpl.data()) == nullptr)
            std::abort();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Folder(), ec);
        });
        return new std::string(tmpl);
    }();
    return *folder;
}

inline std::string PathOf(const char* name) { return Folder() + "/" + name; }

// Replaces the file at path with exactly the given bytes.
inline void WriteInput(const std::string& path, const uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out)
        std::abort();
}

}  // namespace fuzzsupport
