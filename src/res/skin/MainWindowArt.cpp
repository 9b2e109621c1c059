#include "res/skin/SkinIcons.h"
#include "res/skin/SkinPalette.h"
#include "res/skin/SkinWriter.h"

namespace lumora::skinart {

namespace {

// The main window is 900 x 667: a blue title band with the tabs at its foot, the page area,
// and a light bottom bar with the rotation controls. Pictures that the window draws opaque
// over the band repeat its flat colour, so they sit on it seamlessly wherever they land.
constexpr int kWidth = 900;
constexpr int kHeight = 667;
constexpr int kBandHeight = 66;     // the tabs fill rows 36..65, the pages start below
constexpr int kBottomBarTop = 591;  // the pages end above this row

void WriteBackground(SkinWriter& out) {
    SkinCanvas c(kWidth, kHeight, false);
    c.Fill(palette::White());
    c.FillRect(0, 0, kWidth, kBandHeight, palette::Accent());
    c.FillRect(0, kBottomBarTop, kWidth, kHeight - kBottomBarTop, palette::Surface());
    c.FillRect(0, kBottomBarTop, kWidth, 1, palette::BorderSoft());

    // Search field behind the borderless search edit and the search button.
    c.FillRoundRect(660, 35, 226, 27, 13.5, palette::FieldGrey());

    // A hairline frame, darker on the band, gives the borderless window an edge.
    c.FillRect(0, kBandHeight, 1, kHeight - kBandHeight, palette::Frame());
    c.FillRect(kWidth - 1, kBandHeight, 1, kHeight - kBandHeight, palette::Frame());
    c.FillRect(0, kHeight - 1, kWidth, 1, palette::Frame());
    c.FillRect(0, 0, kWidth, 1, palette::AccentDeep());
    c.FillRect(0, 0, 1, kBandHeight, palette::AccentDeep());
    c.FillRect(kWidth - 1, 0, 1, kBandHeight, palette::AccentDeep());
    out.Png("bg.png", c);
}

// Title bar buttons draw 29 x 23 in the corner of their button.
void WriteTitleButton(SkinWriter& out, const char* normal, const char* hover, Glyph glyph,
                      const Rgba& hoverFill) {
    for (bool hot : {false, true}) {
        SkinCanvas c(29, 23, false);
        c.Fill(palette::Accent());
        if (hot) c.FillRoundRect(1, 1, 27, 21, 4, hoverFill);
        DrawGlyph(c, glyph, 14.5, 11.5, 14, palette::White());
        out.Png(hot ? hover : normal, c);
    }
}

// Tabs are 123 x 30 and draw their picture one pixel narrower; the caption comes from the
// program, right of the glyph. The selected (or hovered) tab is a white tab that joins the
// page below it.
void WriteTab(SkinWriter& out, const char* normal, const char* press, Glyph glyph, double glyphX) {
    for (bool active : {false, true}) {
        SkinCanvas c(122, 30, false);
        c.Fill(palette::Accent());
        if (active) c.FillRoundRect(0, 0, 122, 30 + 8, 7, palette::White());
        DrawGlyph(c, glyph, glyphX, 15, 16, active ? palette::Accent() : palette::White());
        out.Png(active ? press : normal, c);
    }
}

// Bottom bar buttons are pills 29 high, drawn one pixel narrower than their button, with
// alpha so that their round ends blend into the bar. Captions are black, from the program.
struct Pill {
    const char* name;
    int width;
    bool active;
};

void DrawPill(const SkinCanvas& c, bool active) {
    double w = c.Width();
    double h = c.Height();
    c.FillRoundRect(0.5, 0.5, w - 1, h - 1, (h - 1) / 2,
                    active ? palette::AccentTint() : palette::White());
    c.StrokeRoundRect(0, 0, w, h, h / 2, active ? palette::AccentLine() : palette::Border());
}

void WriteRotationToggle(SkinWriter& out) {
    // Off shows "play" (start rotating), on shows "pause".
    for (bool on : {false, true}) {
        SkinCanvas c(97, 29, true);
        DrawPill(c, on);
        DrawGlyph(c, on ? Glyph::Pause : Glyph::Play, 18, 14.5, 11,
                  on ? palette::Accent() : palette::InkSoft());
        out.Png(on ? "zt_btn.png" : "bf_btn.png", c);
    }
}

void WriteIntervalButton(SkinWriter& out) {
    for (bool open : {false, true}) {
        SkinCanvas c(125, 29, true);
        DrawPill(c, open);
        Rgba ink = open ? palette::Accent() : palette::InkSoft();
        DrawGlyph(c, Glyph::Clock, 11.5, 14.5, 11.5, ink, 1.3);
        DrawGlyph(c, open ? Glyph::ChevronDown : Glyph::ChevronUp, 109, 14.5, 12,
                  open ? palette::Accent() : palette::InkMuted(), 1.5);
        out.Png(open ? "time_btn_press.png" : "time_btn.png", c);
    }
}

void WriteAddButton(SkinWriter& out) {
    for (bool hot : {false, true}) {
        SkinCanvas c(129, 29, true);
        double h = c.Height();
        c.FillRoundRect(0.5, 0.5, c.Width() - 1, h - 1, (h - 1) / 2,
                        hot ? palette::AccentTint() : palette::White());
        c.StrokeRoundRect(0, 0, c.Width(), h, h / 2, palette::AccentLine());
        c.FillRoundRect(20, 7.5, 14, 14, 7, palette::Accent());
        DrawGlyph(c, Glyph::Plus, 27, 14.5, 11, palette::White(), 1.6);
        out.Png(hot ? "bd_btn_hover.png" : "bd_btn.png", c);
    }
}

void WriteSearchButton(SkinWriter& out) {
    SkinCanvas c(31, 23, true);
    DrawGlyph(c, Glyph::Magnifier, 15, 11.5, 15, palette::InkSoft(), 1.7);
    out.Png("search-btn.png", c);
}

}  // namespace

void WriteMainWindowArt(SkinWriter& out) {
    WriteBackground(out);
    WriteTitleButton(out, "close.png", "close_hover.png", Glyph::Close, palette::Danger());
    WriteTitleButton(out, "suoxiao.png", "suoxiao_hover.png", Glyph::Minimise,
                     palette::HeaderHover());
    WriteTitleButton(out, "xiala.png", "xiala_hover.png", Glyph::Menu, palette::HeaderHover());
    // Captions start at x 61 ("壁纸库") and x 51 ("我的壁纸"); the glyph sits just before.
    WriteTab(out, "lmk.png", "lmk_press.png", Glyph::Globe, 47);
    WriteTab(out, "wdlm.png", "wdlm_press.png", Glyph::Picture, 37);
    WriteRotationToggle(out);
    WriteIntervalButton(out);
    WriteAddButton(out);
    WriteSearchButton(out);
}

}  // namespace lumora::skinart
