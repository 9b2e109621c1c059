#pragma once

#include <string>

#include "res/skin/SkinCanvas.h"

namespace lumora::skinart {

// Writes finished pictures into the output folder and remembers whether any write failed.
class SkinWriter {
public:
    explicit SkinWriter(std::string folder) : m_folder(std::move(folder)) {}

    void Png(const char* name, const SkinCanvas& canvas);
    void Jpeg(const char* name, const SkinCanvas& canvas);

    int Written() const { return m_written; }
    bool Failed() const { return m_failed; }

private:
    void Report(const char* name, bool ok);

    std::string m_folder;
    int m_written = 0;
    bool m_failed = false;
};

// The artwork, one function per window that shows it.
void WriteMainWindowArt(SkinWriter& out);
void WriteMenuPanelArt(SkinWriter& out);
void WriteSettingsArt(SkinWriter& out);
void WriteFilterBarArt(SkinWriter& out);
void WriteCardArt(SkinWriter& out);
void WriteProgramIcon(SkinWriter& out);

}  // namespace lumora::skinart
