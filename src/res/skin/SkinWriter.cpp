#include "res/skin/SkinWriter.h"

#include <cstdio>

namespace lumora::skinart {

void SkinWriter::Png(const char* name, const SkinCanvas& canvas) {
    Report(name, canvas.SavePng(m_folder + "/" + name));
}

void SkinWriter::Jpeg(const char* name, const SkinCanvas& canvas) {
    Report(name, canvas.SaveJpeg(m_folder + "/" + name, 92));
}

void SkinWriter::Report(const char* name, bool ok) {
    if (ok) {
        ++m_written;
    } else {
        m_failed = true;
        std::fprintf(stderr, "cannot write %s/%s\n", m_folder.c_str(), name);
    }
}

}  // namespace lumora::skinart
