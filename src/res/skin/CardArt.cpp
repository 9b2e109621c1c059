#include <string>

#include "res/skin/SkinIcons.h"
#include "res/skin/SkinPalette.h"
#include "res/skin/SkinWriter.h"

namespace lumora::skinart {

namespace {

// The tag along a card's lower edge is 202 x 32: "set as wallpaper" on its left half and
// "favourite" on its right quarter, the zones in which the button reacts.
constexpr int kTagWidth = 202;
constexpr int kTagHeight = 32;
constexpr int kLeftEnd = kTagWidth / 2;           // 101
constexpr int kRightStart = (3 * kTagWidth) / 4;  // 151

void TagLabel(const SkinCanvas& c, Glyph glyph, const char* text, double centreX) {
    double textWidth = c.TextWidth(text, 12);
    double glyphSize = 12;
    double gap = 4;
    double left = centreX - (glyphSize + gap + textWidth) / 2;
    DrawGlyph(c, glyph, left + glyphSize / 2, kTagHeight / 2.0, glyphSize, palette::White(), 1.4);
    c.TextCentred(text, left + glyphSize + gap + textWidth / 2, kTagHeight / 2.0, 12,
                  palette::White());
}

void WriteTag(SkinWriter& out, const char* name, int lit) {
    SkinCanvas c(kTagWidth, kTagHeight, false);
    c.Fill(palette::TagBar());
    if (lit == 1) c.FillRect(0, 0, kLeftEnd, kTagHeight, palette::Accent());
    if (lit == 2)
        c.FillRect(kRightStart, 0, kTagWidth - kRightStart, kTagHeight, palette::Accent());
    c.FillRect(kLeftEnd, 7, 1, kTagHeight - 14, Hex("#3D4452"));
    c.FillRect(kRightStart - 1, 7, 1, kTagHeight - 14, Hex("#3D4452"));
    TagLabel(c, Glyph::Picture, "设为壁纸", kLeftEnd / 2.0);
    TagLabel(c, Glyph::Star, "收藏", (kRightStart + kTagWidth) / 2.0);
    out.Png(name, c);
}

}  // namespace

void WriteCardArt(SkinWriter& out) {
    WriteTag(out, "tag.png", 0);
    WriteTag(out, "TAG-L.png", 1);
    WriteTag(out, "TAG-R.png", 2);

    {
        // Delete: a round dark badge in the card's top right corner, blended over the picture.
        SkinCanvas c(19, 19, true);
        c.SetColor(Hex("#141821", 0.62));
        cairo_arc(c.Cr(), 9.5, 9.5, 9, 0, 2 * kPi);
        cairo_fill(c.Cr());
        DrawGlyph(c, Glyph::Close, 9.5, 9.5, 11, palette::White(), 1.5);
        out.Png("del.png", c);
    }
    {
        // Shown in place of a picture whose file has gone; stretched over the picture area.
        SkinCanvas c(217, 124, false);
        c.Fill(Hex("#E9EDF3"));
        DrawGlyph(c, Glyph::Picture, 102, 56, 36, Hex("#B3BDCB"), 2);
        out.Jpeg("normal.jpg", c);
    }
}

void WriteProgramIcon(SkinWriter& out) {
    for (int size : {256, 32}) {
        SkinCanvas c(size, size, true);
        DrawLogo(c, 0, 0, size);
        out.Png(size == 256 ? "lumo.png" : "lumo_32.png", c);
    }
}

void WriteThemeIcons(SkinWriter& out) {
    for (int size : {48, 128, 256}) {
        SkinCanvas c(size, size, true);
        DrawLogo(c, 0, 0, size);
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        out.Png(folder + "/apps/lumo.png", c);
    }
    out.Svg("scalable/apps/lumo.svg", 64, 64, [](const SkinCanvas& c) { DrawLogo(c, 0, 0, 64); });
}

}  // namespace lumora::skinart
