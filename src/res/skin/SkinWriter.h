#pragma once

#include <functional>
#include <string>

#include "res/skin/SkinCanvas.h"

namespace lumora::skinart {

// Writes finished pictures into the output folder and remembers whether any write failed. Names
// may hold sub-folders, which are made as needed.
class SkinWriter {
public:
    explicit SkinWriter(std::string folder) : m_folder(std::move(folder)) {}

    void Png(const std::string& name, const SkinCanvas& canvas);
    void Jpeg(const std::string& name, const SkinCanvas& canvas);
    // Draws a vector picture of width x height units with `draw` and writes it as SVG.
    void Svg(const std::string& name, int width, int height,
             const std::function<void(const SkinCanvas&)>& draw);

    int Written() const { return m_written; }
    bool Failed() const { return m_failed; }

private:
    // The file's path, its folder made.
    std::string PathFor(const std::string& name) const;
    void Report(const std::string& name, bool ok);

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
// The program icon for an icon theme folder (hicolor): fixed sizes and a scalable one.
void WriteThemeIcons(SkinWriter& out);

}  // namespace lumora::skinart
