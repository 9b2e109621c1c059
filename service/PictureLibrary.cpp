#include "service/PictureLibrary.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>

namespace lumora::service {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

struct NamesEntry {
    size_t order;
    std::string name;
    std::string category;
};

std::map<std::string, NamesEntry> ReadNames(const std::filesystem::path& file) {
    std::map<std::string, NamesEntry> names;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t tab = line.find('\t');
        if (tab == std::string::npos || tab + 1 >= line.size()) continue;
        std::string file = line.substr(0, tab);
        std::string name = line.substr(tab + 1);
        std::string category;
        if (size_t second = name.find('\t'); second != std::string::npos) {
            category = name.substr(second + 1);
            name.resize(second);
        }
        if (name.empty() || names.contains(file)) continue;
        names[file] = {names.size(), name, category};
    }
    return names;
}

bool IsUrlSafe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

// The program stores a picture as "<name>.<ext>" or "<name>_LMSC.<ext>" and refuses a name that
// cannot be a file name, so every name is made into one: no "/", no control bytes,
// not "." or "..", short enough for the longer form (at a whole UTF-8 character).
std::string FileSafeName(std::string_view name, std::string_view fallback) {
    constexpr size_t kMaxBytes = 200;
    std::string safe;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) continue;
        safe += c == '/' ? '-' : c;
    }
    if (safe.size() > kMaxBytes) {
        size_t cut = kMaxBytes;
        while (cut > 0 && (static_cast<unsigned char>(safe[cut]) & 0xC0) == 0x80) --cut;
        safe.resize(cut);
    }
    if (safe.empty() || safe == "." || safe == "..") return std::string(fallback);
    return safe;
}

bool Matches(const Picture& picture, const std::string& lowerKeyword) {
    return Lower(picture.name).find(lowerKeyword) != std::string::npos ||
           Lower(picture.file).find(lowerKeyword) != std::string::npos;
}

}  // namespace

bool PictureLibrary::IsPictureFileName(std::string_view file) {
    if (file.empty() || file.starts_with("thumb_") || file.starts_with('.')) return false;
    size_t dot = file.rfind('.');
    if (dot == std::string_view::npos) return false;
    std::string ext = Lower(file.substr(dot + 1));
    return ext == "jpg" || ext == "jpeg" || ext == "png" || ext == "gif" || ext == "bmp";
}

std::string PictureLibrary::UrlNameFor(std::string_view file) {
    // The program keeps a picture under the extension of its URL and lists only lower-case
    // ".jpg", ".png", ".gif" and ".bmp" files.
    std::string ext = Lower(file.substr(file.rfind('.') + 1));
    if (ext == "jpeg") ext = "jpg";
    bool safe = std::all_of(file.begin(), file.end(), IsUrlSafe) &&
                file.find("thumb_") == std::string_view::npos && file.ends_with("." + ext);
    if (safe) return std::string(file);
    // FNV-1a keeps the name the same from one start to the next.
    uint32_t hash = 2166136261u;
    for (unsigned char c : file) {
        hash = (hash ^ c) * 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", hash);
    return "pic-" + std::string(hex) + "." + ext;
}

PictureLibrary PictureLibrary::Load(const std::filesystem::path& directory) {
    PictureLibrary library;
    library.m_directory = directory;
    std::map<std::string, NamesEntry> names = ReadNames(directory / "names.txt");
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        std::string file = entry.path().filename().string();
        if (!entry.is_regular_file(error) || !IsPictureFileName(file)) continue;
        auto named = names.find(file);
        Picture picture{file, {}, {}, UrlNameFor(file)};
        std::string urlStem = std::filesystem::path(picture.urlName).stem().string();
        picture.name = FileSafeName(entry.path().stem().string(), urlStem);
        // Only the header is read, to tell the page the picture's size.
        if (!gdk_pixbuf_get_file_info(entry.path().c_str(), &picture.width, &picture.height)) {
            picture.width = picture.height = 0;
        }
        if (named != names.end()) {
            picture.name = FileSafeName(named->second.name, urlStem);
            picture.category = named->second.category;
        }
        library.m_pictures.push_back(std::move(picture));
    }
    auto rank = [&names](const Picture& picture) {
        auto named = names.find(picture.file);
        return named == names.end() ? names.size() : named->second.order;
    };
    std::sort(library.m_pictures.begin(), library.m_pictures.end(),
              [&rank](const Picture& a, const Picture& b) {
                  size_t ra = rank(a), rb = rank(b);
                  return ra != rb ? ra < rb : a.file < b.file;
              });
    for (const Picture& picture : library.m_pictures) {
        if (picture.category.empty() || picture.category == kAllName) continue;
        bool known = std::any_of(library.m_categories.begin(), library.m_categories.end(),
                                 [&](const Category& c) { return c.name == picture.category; });
        if (!known) {
            library.m_categories.push_back(
                {static_cast<int>(library.m_categories.size()) + 1, picture.category});
        }
    }
    return library;
}

const Picture* PictureLibrary::Find(std::string_view urlName) const {
    for (const Picture& picture : m_pictures) {
        if (picture.urlName == urlName) return &picture;
    }
    return nullptr;
}

const Category& PictureLibrary::CategoryFor(int cid) const {
    for (const Category& category : m_categories) {
        if (category.cid == cid) return category;
    }
    return m_categories.front();
}

std::vector<Picture> PictureLibrary::Search(std::string_view keyword) const {
    return Select(kAllCid, keyword);
}

std::vector<Picture> PictureLibrary::Select(int cid, std::string_view keyword) const {
    const Category& category = CategoryFor(cid);
    std::string needle = Lower(keyword);
    std::vector<Picture> found;
    for (const Picture& picture : m_pictures) {
        if (category.cid != kAllCid && picture.category != category.name) continue;
        if (Matches(picture, needle)) found.push_back(picture);
    }
    return found;
}

}  // namespace lumora::service
