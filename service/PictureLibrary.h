#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::service {

// One picture of the online library: its file in the library folder and the name the page shows
// (and under which the program stores it).
struct Picture {
    std::string file;
    std::string name;
};

// The pictures of one folder. Every JPEG, PNG, GIF or BMP file whose name does not start with
// "thumb_" is a picture, in file name order. A "names.txt" in the folder may give display names,
// one "file<TAB>name" a line; otherwise the name is the file name without its extension.
class PictureLibrary {
public:
    static PictureLibrary Load(const std::filesystem::path& directory);

    const std::filesystem::path& Directory() const { return m_directory; }
    const std::vector<Picture>& Pictures() const { return m_pictures; }

    // The picture stored as `file`; null when the library has none of that name.
    const Picture* Find(std::string_view file) const;
    // The pictures whose name or file name contains `keyword` (byte-wise, so UTF-8 matches whole
    // characters); every picture for an empty keyword.
    std::vector<Picture> Search(std::string_view keyword) const;

    static bool IsPictureFileName(std::string_view file);

private:
    std::filesystem::path m_directory;
    std::vector<Picture> m_pictures;
};

}  // namespace lumora::service
