#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace lumora::test {

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return m_path / name;
    }

private:
    std::filesystem::path m_path;
};

// Writes bytes to a file, creating or truncating it.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
// The whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
// The names of the entries of a folder; none when it cannot be read.
std::set<std::string> FolderContent(const std::filesystem::path& folder);

}  // namespace lumora::test
