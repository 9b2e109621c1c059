#include "res/skin/SkinWriter.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace lumora::skinart {

void SkinWriter::Png(const std::string& name, const SkinCanvas& canvas) {
    Report(name, canvas.SavePng(PathFor(name)));
}

void SkinWriter::Jpeg(const std::string& name, const SkinCanvas& canvas) {
    Report(name, canvas.SaveJpeg(PathFor(name), 92));
}

void SkinWriter::Svg(const std::string& name, int width, int height,
                     const std::function<void(const SkinCanvas&)>& draw) {
    SkinCanvas canvas(PathFor(name), width, height);
    draw(canvas);
    Report(name, canvas.Finish());
}

std::string SkinWriter::PathFor(const std::string& name) const {
    std::string path = m_folder + "/" + name;
    // A failure shows when the picture is written.
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return path;
}

void SkinWriter::Report(const std::string& name, bool ok) {
    if (ok) {
        ++m_written;
    } else {
        m_failed = true;
        std::fprintf(stderr, "cannot write %s/%s\n", m_folder.c_str(), name.c_str());
    }
}

}  // namespace lumora::skinart
