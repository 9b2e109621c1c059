#include "service/PictureLibrary.h"

#include <algorithm>
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

std::map<std::string, std::string> ReadNames(const std::filesystem::path& file) {
    std::map<std::string, std::string> names;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        size_t tab = line.find('\t');
        if (tab != std::string::npos && tab + 1 < line.size()) {
            names[line.substr(0, tab)] = line.substr(tab + 1);
        }
    }
    return names;
}

}  // namespace

bool PictureLibrary::IsPictureFileName(std::string_view file) {
    if (file.empty() || file.starts_with("thumb_") || file.starts_with('.')) return false;
    size_t dot = file.rfind('.');
    if (dot == std::string_view::npos) return false;
    std::string ext = Lower(file.substr(dot + 1));
    return ext == "jpg" || ext == "jpeg" || ext == "png" || ext == "gif" || ext == "bmp";
}

PictureLibrary PictureLibrary::Load(const std::filesystem::path& directory) {
    PictureLibrary library;
    library.m_directory = directory;
    std::map<std::string, std::string> names = ReadNames(directory / "names.txt");
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        std::string file = entry.path().filename().string();
        if (!entry.is_regular_file(error) || !IsPictureFileName(file)) continue;
        auto named = names.find(file);
        std::string name = named != names.end() ? named->second : entry.path().stem().string();
        library.m_pictures.push_back({file, name});
    }
    std::sort(library.m_pictures.begin(), library.m_pictures.end(),
              [](const Picture& a, const Picture& b) { return a.file < b.file; });
    return library;
}

const Picture* PictureLibrary::Find(std::string_view file) const {
    for (const Picture& picture : m_pictures) {
        if (picture.file == file) return &picture;
    }
    return nullptr;
}

std::vector<Picture> PictureLibrary::Search(std::string_view keyword) const {
    std::vector<Picture> found;
    std::string needle = Lower(keyword);
    for (const Picture& picture : m_pictures) {
        if (Lower(picture.name).find(needle) != std::string::npos ||
            Lower(picture.file).find(needle) != std::string::npos) {
            found.push_back(picture);
        }
    }
    return found;
}

}  // namespace lumora::service
