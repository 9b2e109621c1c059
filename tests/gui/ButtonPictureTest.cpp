// Draws every button of the program in every state from the default skin, each on the window
// it belongs to, and saves the result as button_picture.png in the build folder for a person
// to look at. It also checks that the default skin is complete.
#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "ContactSheet.h"
#include "SkinnedOwners.h"
#include "platform/AppDirectory.h"
#include "support/HeadlessHostFixture.h"

namespace lumora {
namespace {

using namespace skintest;

std::filesystem::path BuildFolder() {
    if (const char* dir = std::getenv("LUMO_BINARY_DIR")) return dir;
    return std::filesystem::path(ApplicationDirectory()).parent_path();
}

class ButtonPictureTest : public HeadlessHostFixture {
protected:
    ButtonPictureTest() : styles((BuildFolder() / "app" / "styles").string()) {}

    // The window's own pixels around `window` (grown by `margin`), `scale` times enlarged.
    void Shot(Wnd& window, const std::string& label, int scale = 2, int margin = 4) {
        host.RunUntilIdle();
        Wnd* top = window.GetTopLevel();
        Point origin = window.SurfaceOrigin();
        Rect own = window.GetWindowRect();
        Rect area = Rect::FromXywh(origin.x - margin, origin.y - margin, own.Width() + 2 * margin,
                                   own.Height() + 2 * margin);
        Rect bounds = top->GetWindowRect();
        area = area.Intersect(Rect{0, 0, bounds.Width(), bounds.Height()});
        sheet.Place(host.Find(top->GetSurface())->image, area, scale, label);
    }
    // The mouse on a point of `window`, given from its top left corner (its middle by default).
    void Hover(Wnd& window, int x = -1, int y = -1) {
        Rect r = window.GetWindowRect();
        host.MoveTo({r.left + (x < 0 ? r.Width() / 2 : x), r.top + (y < 0 ? r.Height() / 2 : y)});
    }
    // The mouse where no window is.
    void Away() { host.MoveTo({1910, 1070}); }
    // `window` as it is, then with the mouse over it (`hoverLabel`), then the mouse away.
    void AtRestAndHovered(Wnd& window, const std::string& label, const std::string& hoverLabel,
                          int scale = 2) {
        Shot(window, label, scale);
        Hover(window);
        Shot(window, hoverLabel, scale);
        Away();
    }

    std::string styles;
    ContactSheet sheet{1420, 4000};
};

TEST_F(ButtonPictureTest, DefaultSkinIsCompleteAndEveryButtonDrawsInEveryState) {
    // Each file at the size at which its window draws it; pictures drawn opaque carry no
    // alpha, the premultiplied ones do.
    struct SkinFile {
        const char* name;
        int width;
        int height;
        bool alpha;
    };
    const SkinFile files[] = {
        {"bg.png", 900, 667, false},
        {"close.png", 29, 23, false},
        {"close_hover.png", 29, 23, false},
        {"suoxiao.png", 29, 23, false},
        {"suoxiao_hover.png", 29, 23, false},
        {"xiala.png", 29, 23, false},
        {"xiala_hover.png", 29, 23, false},
        {"lmk.png", 122, 30, false},
        {"lmk_press.png", 122, 30, false},
        {"wdlm.png", 122, 30, false},
        {"wdlm_press.png", 122, 30, false},
        {"bf_btn.png", 97, 29, true},
        {"zt_btn.png", 97, 29, true},
        {"time_btn.png", 125, 29, true},
        {"time_btn_press.png", 125, 29, true},
        {"bd_btn.png", 129, 29, true},
        {"bd_btn_hover.png", 129, 29, true},
        {"search-btn.png", 31, 23, true},
        {"normal.jpg", 217, 124, false},
        {"tag.png", 202, 32, false},
        {"TAG-L.png", 202, 32, false},
        {"TAG-R.png", 202, 32, false},
        {"del.png", 19, 19, true},
        {"xiala_bg.png", 130, 140, false},
        {"setting.png", 126, 26, false},
        {"setting_hover.png", 126, 26, false},
        {"home.png", 126, 26, false},
        {"home_hover.png", 126, 26, false},
        {"exit.png", 126, 26, false},
        {"exit_hover.png", 126, 26, false},
        {"sc.png", 898, 524, false},
        {"setting_bg.png", 407, 389, false},
        {"queding.png", 68, 25, false},
        {"queding_hover.png", 68, 25, false},
        {"quxiao.png", 68, 25, false},
        {"quxiao_hover.png", 68, 25, false},
        {"liulan.png", 66, 25, false},
        {"liulan_hover.png", 66, 25, false},
        {"lumo.png", 256, 256, true},
        {"lumo_32.png", 32, 32, true},
    };
    for (const SkinFile& f : files) {
        SkinImage image;
        ASSERT_TRUE(image.Load(styles + "/" + f.name)) << f.name;
        EXPECT_EQ(image.Width(), f.width) << f.name;
        EXPECT_EQ(image.Height(), f.height) << f.name;
        EXPECT_EQ(image.HasAlpha(), f.alpha) << f.name;
    }

    MainWindow main(styles);
    ASSERT_TRUE(main.Create(nullptr));
    // Every button of the window's table sits in the template with the class the table names.
    EXPECT_EQ(main.buttonsSetUp, static_cast<int>(std::size(kMainButtons)));
    MenuPanel panel(styles);
    panel.Create(&main);
    panel.MoveWindow(1000, 10, 130, 140);
    panel.ShowWindow(SW_SHOW);
    SettingsDialog settings(styles);
    settings.Create(&main);
    settings.MoveWindow(1000, 300, 407, 389);
    settings.ShowWindow(SW_SHOW);
    IntervalPicker picker;
    picker.Create(&main);
    picker.MoveWindow(1200, 10, 125, 180);
    picker.ShowWindow(SW_SHOW);
    Card& card = *main.bar.cards[1];
    card.tag.ShowWindow(SW_SHOW);  // the mouse rested on this card
    card.del.ShowWindow(SW_SHOW);
    Away();

    for (BgButton* b : {&main.menu, &main.hide, &main.close, &settings.close})
        EXPECT_EQ(b->kind, BGK_TITLE);
    for (BgButton* b : {&settings.ok, &settings.cancel}) EXPECT_EQ(b->kind, BGK_DIALOG);
    EXPECT_EQ(settings.browse.kind, BGK_BROWSE);
    EXPECT_EQ(main.search.kind, BGK_STRETCH);
    EXPECT_EQ(card.del.kind, BGK_STRETCH);
    EXPECT_EQ(card.tag.kind, BGK_SPLIT);

    sheet.Section("Main window at rest: my wallpapers shown, rotation on; settings dialog");
    Shot(main, "main window 900 x 667", 1, 0);
    Shot(settings, "settings dialog 407 x 389", 1, 0);

    sheet.Section("Title bar (kind 1): normal, mouse over");
    for (auto [button, name] :
         {std::pair{&main.menu, "menu 1000"}, std::pair{&main.hide, "hide 1001"},
          std::pair{&main.close, "close 1002"}})
        AtRestAndHovered(*button, name, std::string(name) + " hover");
    AtRestAndHovered(main.search, "search 1008", "search, hover (same)");

    sheet.Section("Tabs (style 0): not selected, mouse over, selected");
    AtRestAndHovered(main.libraryTab, "壁纸库", "壁纸库 hover");
    Shot(main.mineTab, "我的壁纸 selected");
    main.libraryTab.selected = 1;
    main.mineTab.selected = 0;
    main.Invalidate();
    Shot(main.libraryTab, "壁纸库 selected");
    AtRestAndHovered(main.mineTab, "我的壁纸", "我的壁纸 hover");

    sheet.Section("Bottom bar: rotation (style 1), interval (style 2), add (style 1), ad link");
    Shot(main.rotation, "rotation on");
    main.rotation.selected = 0;
    main.rotation.Invalidate();
    AtRestAndHovered(main.rotation, "rotation off", "off, hover (same)");
    Shot(main.interval, "interval");
    main.interval.hovered = 1;
    main.interval.Invalidate();
    Shot(main.interval, "interval, picker open");
    main.interval.hovered = 0;
    main.interval.Invalidate();
    AtRestAndHovered(main.add, "add local wallpaper", "add, hover (same)");
    Shot(main.link, "ad link (pinned)");

    sheet.Section("Filter bar links: pinned, normal, mouse over");
    Shot(main.bar.all, "全部 pinned", 1);
    AtRestAndHovered(main.bar.favourites, "收藏", "收藏 hover", 1);

    sheet.Section("Thumbnail card: tag (kind 12) in neither zone, left, between, right; delete");
    Shot(card, "mouse on the picture");
    Hover(card.tag, 30);
    Shot(card, "left zone: set as wallpaper");
    Hover(card.tag, 125);
    Shot(card, "between: keeps the left image");
    Hover(card.tag, 180);
    Shot(card, "right zone: favourite");
    Hover(card.del);
    Shot(card, "on delete (leaves the tag)");
    Away();

    sheet.Section("Menu panel (style 4): at rest, each item under the mouse");
    Shot(panel, "menu panel", 2, 0);
    for (int i = 0; i < 3; ++i) {
        Hover(panel.items[i]);
        Shot(panel, "item " + std::to_string(1018 + i) + " hover", 2, 0);
    }
    Away();

    sheet.Section("Interval picker (style 3): at rest, an item under the mouse");
    Shot(picker, "picker", 2, 0);
    Hover(picker.items[2]);
    Shot(picker, "每十分钟 hover", 2, 0);
    Away();

    sheet.Section("Settings dialog: close (kind 1), OK and Cancel (kind 3), Browse (kind 4)");
    for (auto [button, name] :
         {std::pair{&settings.close, "close 1034"}, std::pair{&settings.ok, "OK"},
          std::pair{&settings.cancel, "Cancel"}, std::pair{&settings.browse, "Browse 1028"}})
        AtRestAndHovered(*button, name, std::string(name) + " hover");

    std::string out = (BuildFolder() / "button_picture.png").string();
    EXPECT_TRUE(sheet.Save(out)) << out;
}

}  // namespace
}  // namespace lumora
