#include "res/skin/SkinIcons.h"
#include "res/skin/SkinPalette.h"
#include "res/skin/SkinWriter.h"

namespace lumora::skinart {

namespace {

// A one-pixel frame around a pop-up that has no border of its own.
void Frame(const SkinCanvas& c, const Rgba& colour) {
    c.FillRect(0, 0, c.Width(), 1, colour);
    c.FillRect(0, c.Height() - 1, c.Width(), 1, colour);
    c.FillRect(0, 0, 1, c.Height(), colour);
    c.FillRect(c.Width() - 1, 0, 1, c.Height(), colour);
}

// A text button of the settings dialog with its caption baked in: the window draws it as a
// plain picture. `around` is the colour the dialog shows behind its rounded corners.
void TextButton(SkinWriter& out, const char* name, int width, const char* caption, bool primary,
                bool hot, const Rgba& around) {
    SkinCanvas c(width, 25, false);
    c.Fill(around);
    Rgba fill = primary ? (hot ? palette::AccentDeep() : palette::Accent())
                        : (hot ? palette::AccentTint() : palette::White());
    c.FillRoundRect(0, 0, width, 25, 4, fill);
    if (!primary)
        c.StrokeRoundRect(0, 0, width, 25, 4, hot ? palette::AccentLine() : palette::Border());
    Rgba ink = primary ? palette::White() : (hot ? palette::Accent() : palette::Ink());
    c.TextCentred(caption, width / 2.0, 12.5, 13, ink);
    out.Png(name, c);
}

}  // namespace

// The menu panel is 130 x 140: the program's mark beside its title, then three items of
// 127 x 26 that draw their picture one pixel narrower, captions from the program at x 31.
void WriteMenuPanelArt(SkinWriter& out) {
    {
        SkinCanvas c(130, 140, false);
        c.Fill(palette::White());
        DrawLogo(c, 11, 10, 18);
        c.FillRect(10, 38, 110, 1, palette::BorderSoft());
        Frame(c, palette::Frame());
        out.Png("xiala_bg.png", c);
    }
    struct Item {
        const char* normal;
        const char* hover;
        Glyph glyph;
    };
    for (const Item& item : {Item{"setting.png", "setting_hover.png", Glyph::Gear},
                             Item{"home.png", "home_hover.png", Glyph::Home},
                             Item{"exit.png", "exit_hover.png", Glyph::Power}}) {
        for (bool hot : {false, true}) {
            SkinCanvas c(126, 26, false);
            c.Fill(palette::White());
            if (hot) c.FillRoundRect(2, 1, 122, 24, 4, palette::Accent());
            DrawGlyph(c, item.glyph, 18, 13, 13, hot ? palette::White() : palette::InkSoft(), 1.4);
            out.Png(hot ? item.hover : item.normal, c);
        }
    }
}

// The settings dialog is 407 x 389: a blue title band, the settings on white, and a footer
// with OK and Cancel.
void WriteSettingsArt(SkinWriter& out) {
    constexpr int kWidth = 407;
    constexpr int kHeight = 389;
    constexpr int kBand = 29;
    constexpr int kFooterTop = 319;
    SkinCanvas c(kWidth, kHeight, false);
    c.Fill(palette::White());
    c.FillRect(0, 0, kWidth, kBand, palette::Accent());
    DrawGlyph(c, Glyph::Gear, 20, 14.5, 14, palette::White(), 1.4);
    c.FillRect(16, 106, kWidth - 32, 1, palette::BorderSoft());
    c.FillRect(16, 198, kWidth - 32, 1, palette::BorderSoft());
    c.FillRect(0, kFooterTop, kWidth, kHeight - kFooterTop, palette::Surface());
    c.FillRect(0, kFooterTop, kWidth, 1, palette::BorderSoft());
    Frame(c, palette::Frame());
    c.FillRect(0, 0, kWidth, 1, palette::AccentDeep());
    c.FillRect(0, 0, 1, kBand, palette::AccentDeep());
    c.FillRect(kWidth - 1, 0, 1, kBand, palette::AccentDeep());
    out.Png("setting_bg.png", c);

    for (bool hot : {false, true}) {
        TextButton(out, hot ? "queding_hover.png" : "queding.png", 68, "确定", true, hot,
                   palette::Surface());
        TextButton(out, hot ? "quxiao_hover.png" : "quxiao.png", 68, "取消", false, hot,
                   palette::Surface());
        TextButton(out, hot ? "liulan_hover.png" : "liulan.png", 66, "浏览", false, hot,
                   palette::White());
    }
}

// The filter bar fills the page area, 898 x 524: a white row for the two filter links, whose
// own underlines the hairline continues, over the grey ground of the card grid.
void WriteFilterBarArt(SkinWriter& out) {
    SkinCanvas c(898, 524, false);
    c.Fill(palette::Surface());
    c.FillRect(0, 0, 898, 31, palette::White());
    c.FillRect(0, 31, 898, 1, palette::Underline());
    out.Png("sc.png", c);
}

}  // namespace lumora::skinart
