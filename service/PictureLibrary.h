#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::service {

// One picture of the online library: its file in the library folder, the name the page shows
// (and under which the program stores it), its category and the name it has in URLs.
struct Picture {
    std::string file;
    std::string name;
    std::string category;  // empty: only in the category of all pictures
    // The file name in the picture's URLs. It holds only letters, digits, ".", "-" and "_", no
    // "thumb_", and ends with ".jpg", ".png", ".gif" or ".bmp", because the program
    // percent-decodes the whole link, drops every "thumb_" from it and stores the picture under
    // the extension after its last full stop.
    std::string urlName;
    int width = 0;  // 0 when the file's header cannot be read
    int height = 0;
};

// A category of the library page; `cid` 1 is the category of all pictures.
struct Category {
    int cid;
    std::string name;
};

// The pictures of one folder. Every JPEG, PNG, GIF or BMP file whose name does not start with
// "thumb_" is a picture. A "names.txt" in the folder may give display names and categories, one
// "file<TAB>name[<TAB>category]" a line; the pictures it lists come first, in its order, the
// others follow in file name order, named after their file name without its extension. Names are
// kept to what the program can store as a file name.
class PictureLibrary {
public:
    static constexpr int kAllCid = 1;
    static constexpr const char* kAllName = "全部";

    static PictureLibrary Load(const std::filesystem::path& directory);

    const std::filesystem::path& Directory() const { return m_directory; }
    const std::vector<Picture>& Pictures() const { return m_pictures; }
    // "全部" first (cid 1), then the pictures' categories in the order they first appear.
    const std::vector<Category>& Categories() const { return m_categories; }

    // The picture whose URL name is `urlName`; null when the library has none of that name.
    const Picture* Find(std::string_view urlName) const;
    // The pictures whose name or file name contains `keyword` (byte-wise, so UTF-8 matches whole
    // characters; ASCII letters in either case); every picture for an empty keyword.
    std::vector<Picture> Search(std::string_view keyword) const;
    // The pictures of category `cid` (all of them for cid 1 or a cid that does not exist) that
    // match `keyword` as Search does.
    std::vector<Picture> Select(int cid, std::string_view keyword) const;
    // The category `cid`, or the category of all pictures when there is no such category.
    const Category& CategoryFor(int cid) const;

    static bool IsPictureFileName(std::string_view file);
    // The URL name for a picture file: the file name itself when it is already safe, else a
    // name made from a hash of the file name and its extension in lower case ("jpeg" as "jpg").
    static std::string UrlNameFor(std::string_view file);

private:
    std::filesystem::path m_directory;
    std::vector<Picture> m_pictures;
    std::vector<Category> m_categories{{kAllCid, kAllName}};
};

}  // namespace lumora::service
