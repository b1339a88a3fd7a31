// Files and folders for the test programs of every area (standard library and POSIX only): a
// fresh temporary folder removed with everything in it, and whole files read and written.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace testutil {

// A fresh folder under the system's temporary folder, removed with its contents at the end;
// Path() is empty when it could not be made.
class TempDir
{
public:
    TempDir()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tessaly_test_XXXXXX").string();
        if (::mkdtemp(&tmpl[0]) != nullptr)
            m_path = tmpl;
    }
    ~TempDir()
    {
        if (!m_path.empty()) {
            namespace fs = std::filesystem;
            std::error_code ec;
            // A test may have taken the owner's rights away; the removal never follows links.
            fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
            fs::remove_all(m_path, ec);
        }
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // The path of name (which may hold sub-folders) inside the folder.
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }
    // The names of the entries directly inside the folder.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(m_path))
            names.push_back(e.path().filename().string());
        return names;
    }

private:
    std::string m_path;
};

// The whole file as bytes; empty when it cannot be read.
inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Replaces the file's content with bytes (the folder must exist).
inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace testutil
