// The three pop-ups of the main window drawn from the default skin, checked pixel by pixel
// against the skin files, and saved as popup_picture.png in the build folder for a person to
// look at.
#include <optional>

#include "ClmDlgTestFrame.h"
#include "ContactSheet.h"
#include "platform/ImageFile.h"
#include "support/PictureFiles.h"

namespace lumora {
namespace {

// A skin file's pixel as 0xAARRGGBB; the files compared here are opaque.
std::uint32_t FilePixel(const std::filesystem::path& file, Point p) {
    const std::optional<BgraImage> image = LoadImageFile(file.string());
    return image ? test::PixelAt(*image, p.x, p.y) | 0xFF000000u : 0;
}

constexpr std::uint32_t Argb(ColorRef c) {
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class PopupPictureTest : public ClmDlgTest {
protected:
    std::filesystem::path Skin(const char* name) const { return dir / "styles" / name; }
    // The pop-up's pixel at `p` of its own client area.
    std::uint32_t PixelOf(const Wnd& popup, Point p) const {
        return host.Pixel(popup.GetSurface(), p);
    }
    // A control's top left corner in its pop-up.
    Point Corner(const Wnd& popup, int id) const {
        Rect r = popup.GetDlgItem(id)->RectInParent();
        return {r.left, r.top};
    }
    void Shot(const Wnd& popup, const std::string& label) {
        host.RunUntilIdle();
        Rect r = popup.GetWindowRect();
        sheet.Place(host.Find(popup.GetSurface())->image, Rect{0, 0, r.Width(), r.Height()}, 2,
                    label);
    }
    Point Offset(Point p, int dx, int dy) const { return {p.x + dx, p.y + dy}; }

    ContactSheet sheet{1420, 2600};
};

TEST_F(PopupPictureTest, PopupsDrawTheirSkin) {
    disk.freeBytes[dir.Path().string()] = 37 * (1ull << 30) + 12345;
    ClmDlg& w = Open();

    sheet.Section("Interval picker: at rest, \"每十分钟\" under the mouse");
    ClickControl(kIdInterval);
    TimeDLG& picker = PartOf<TimeDLG>(w);
    Shot(picker, "picker 125 x 180");
    Rect entry = picker.Entry(2).RectInParent();
    host.MoveTo(picker.ClientToScreen(Point{entry.left + 60, entry.top + 10}));
    Shot(picker, "每十分钟 hovered");
    EXPECT_EQ(PixelOf(picker, {1, 1}), Argb(kFaceColor));
    EXPECT_EQ(PixelOf(picker, {entry.left + 2, entry.top + 2}), Argb(RGB(0xF8, 0xF8, 0xF6)));
    Rect other = picker.Entry(4).RectInParent();
    EXPECT_EQ(PixelOf(picker, {other.left + 2, other.top + 2}), Argb(kFaceColor));
    host.MoveTo({1, 1});

    sheet.Section("Menu panel: at rest, \"官方网站\" under the mouse");
    ClickControl(kIdMenu);
    PPSET& panel = PartOf<PPSET>(w);
    host.MoveTo({1, 1});
    Shot(panel, "panel 130 x 140");
    EXPECT_EQ(PixelOf(panel, {5, 132}), FilePixel(Skin("xiala_bg.png"), {5, 132}));
    EXPECT_EQ(PixelOf(panel, {100, 25}), FilePixel(Skin("xiala_bg.png"), {100, 25}));
    for (const PanelItem& item : kPanelItems) {
        const std::string file = std::string(item.normalImage).substr(sizeof "/styles/" - 1);
        EXPECT_EQ(PixelOf(panel, Offset(Corner(panel, item.id), 110, 20)),
                  FilePixel(Skin(file.c_str()), {110, 20}))
            << file;
    }
    host.MoveTo(panel.ClientToScreen(Offset(Corner(panel, kIdPanelHomePage), 100, 13)));
    Shot(panel, "官方网站 hovered");
    EXPECT_EQ(PixelOf(panel, Offset(Corner(panel, kIdPanelHomePage), 110, 20)),
              FilePixel(Skin("home_hover.png"), {110, 20}));

    sheet.Section("Settings dialog: at rest, OK under the mouse");
    host.MoveTo({1, 1});
    w.PostMessage(WM_PANEL_COMMAND, 1, 0);
    host.RunUntilIdle();
    Setting& settings = PartOf<Setting>(w);
    Shot(settings, "settings 407 x 389");
    EXPECT_EQ(PixelOf(settings, {390, 300}), FilePixel(Skin("setting_bg.png"), {390, 300}));
    EXPECT_EQ(PixelOf(settings, {20, 380}), FilePixel(Skin("setting_bg.png"), {20, 380}));
    for (const SettingsButton& button : kSettingsButtons) {
        const std::string file = std::string(button.normalImage).substr(sizeof "/styles/" - 1);
        EXPECT_EQ(PixelOf(settings, Offset(Corner(settings, button.id), 10, 12)),
                  FilePixel(Skin(file.c_str()), {10, 12}))
            << file;
    }
    Rect field = settings.GetDlgItem(kIdCollectionField)->RectInParent();
    EXPECT_EQ(PixelOf(settings, {field.right - 2, field.bottom - 2}), Argb(RGB(0xED, 0xED, 0xED)));
    host.MoveTo(settings.ClientToScreen(Offset(Corner(settings, IDOK), 10, 12)));
    Shot(settings, "OK hovered");
    EXPECT_EQ(PixelOf(settings, Offset(Corner(settings, IDOK), 10, 12)),
              FilePixel(Skin("queding_hover.png"), {10, 12}));

    const std::string out = (BuildDirectory() / "popup_picture.png").string();
    EXPECT_TRUE(sheet.Save(out)) << out;
}

}  // namespace
}  // namespace lumora
