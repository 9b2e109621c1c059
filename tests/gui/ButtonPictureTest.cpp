// Draws every button of the program in every state from the default skin, each on the window
// it belongs to, and saves the result as button_picture.png in the build folder for a person
// to look at. It also checks that the default skin is complete. The windows are the program's
// own: the main window over a collection of eight pictures, and the pop-ups it opens as a user
// opens them.
#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ContactSheet.h"
#include "GalleryTestFrame.h"
#include "ui/MainWindowButtons.h"

namespace lumora {
namespace {

// Every visible child of `window` of class T, row by row as they are laid out.
template <class T>
std::vector<T*> VisibleChildrenOf(const Wnd& window) {
    std::vector<T*> found;
    for (Wnd* child : window.Children())
        if (auto* part = dynamic_cast<T*>(child); part != nullptr && part->IsVisibleFlag())
            found.push_back(part);
    std::sort(found.begin(), found.end(), [](const T* a, const T* b) {
        const Rect ra = a->RectInParent();
        const Rect rb = b->RectInParent();
        return std::tie(ra.top, ra.left) < std::tie(rb.top, rb.left);
    });
    return found;
}

// Whether `control` is of the class the main window's table names for it.
bool OfTableClass(MainButtonClass buttonClass, Wnd* control) {
    switch (buttonClass) {
        case MainButtonClass::Image:
            return dynamic_cast<BgButton*>(control) != nullptr;
        case MainButtonClass::Styled:
            return dynamic_cast<BTButton*>(control) != nullptr;
        case MainButtonClass::Link:
            return dynamic_cast<TButton*>(control) != nullptr;
    }
    return false;
}

class ButtonPictureTest : public GalleryTest {
protected:
    // The window's own pixels around `window` (grown by `margin`), `scale` times enlarged.
    // A hidden window's surface would show what it drew last.
    void Shot(const Wnd& window, const std::string& label, int scale = 2, int margin = 4) {
        host.RunUntilIdle();
        EXPECT_TRUE(window.IsWindowVisible()) << label;
        const Wnd* top = window.GetTopLevel();
        Point origin = window.SurfaceOrigin();
        Rect own = window.GetWindowRect();
        Rect area = Rect::FromXywh(origin.x - margin, origin.y - margin, own.Width() + 2 * margin,
                                   own.Height() + 2 * margin);
        Rect bounds = top->GetWindowRect();
        area = area.Intersect(Rect{0, 0, bounds.Width(), bounds.Height()});
        sheet.Place(host.Find(top->GetSurface())->image, area, scale, label);
    }
    // The mouse on a point of `window`, given from its top left corner (its middle by default).
    void Hover(const Wnd& window, int x = -1, int y = -1) {
        Rect r = window.GetWindowRect();
        host.MoveTo({r.left + (x < 0 ? r.Width() / 2 : x), r.top + (y < 0 ? r.Height() / 2 : y)});
    }
    void Click(const Wnd& window) { host.Click(CentreOf(window)); }
    // The mouse where no window is.
    void Away() { host.MoveTo({1910, 1070}); }
    // `window` as it is, then with the mouse over it (`hoverLabel`), then the mouse away.
    void AtRestAndHovered(const Wnd& window, const std::string& label,
                          const std::string& hoverLabel, int scale = 2) {
        Shot(window, label, scale);
        Hover(window);
        Shot(window, hoverLabel, scale);
        Away();
    }
    // The settings dialog, opened from the menu panel as a user opens it.
    Setting& OpenSettings() {
        Click(ControlOf<Wnd>(*dlg, kIdMenu));
        Click(ControlOf<Wnd>(PartOf<PPSET>(*dlg), kIdPanelSettings));
        Away();
        return PartOf<Setting>(*dlg);
    }

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
        ASSERT_TRUE(image.Load((dir / "styles" / f.name).string())) << f.name;
        EXPECT_EQ(image.Width(), f.width) << f.name;
        EXPECT_EQ(image.Height(), f.height) << f.name;
        EXPECT_EQ(image.HasAlpha(), f.alpha) << f.name;
    }

    // Two rows of cards in the gallery, the ad link the service offers, 37 GB free for the
    // settings dialog; rotation is on by default.
    AddPictures(8);
    adReply = "Lumora最新版本检查更新,http://ad.test/page";
    disk.freeBytes[dir.Path().string()] = 37 * (1ull << 30);
    SCDIALOG& bar = OpenGallery();
    Drain();
    ClmDlg& main = *dlg;
    // Every button of the window's table sits in the template with the class the table names.
    for (const MainButton& entry : kMainButtons)
        EXPECT_TRUE(OfTableClass(entry.buttonClass, main.GetDlgItem(entry.id)))
            << "control " << entry.id;
    BgButton& menu = ControlOf<BgButton>(main, kIdMenu);
    BgButton& hide = ControlOf<BgButton>(main, kIdHide);
    BgButton& close = ControlOf<BgButton>(main, kIdClose);
    BgButton& search = ControlOf<BgButton>(main, kIdSearch);
    BTButton& libraryTab = ControlOf<BTButton>(main, kIdOnlineTab);
    BTButton& mineTab = ControlOf<BTButton>(main, kIdGalleryTab);
    BTButton& rotation = ControlOf<BTButton>(main, kIdRotation);
    BTButton& interval = ControlOf<BTButton>(main, kIdInterval);
    BTButton& add = ControlOf<BTButton>(main, kIdAddLocal);
    TButton& link = ControlOf<TButton>(main, kIdAdLink);
    const std::vector<PageDlg*> pages = VisibleChildrenOf<PageDlg>(bar);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<PicBox*> cards = VisibleChildrenOf<PicBox>(*pages[0]);
    ASSERT_EQ(cards.size(), 8u);
    PicBox& card = *cards[1];
    BgButton& tag = ControlOf<BgButton>(card, kIdCardTag);
    BgButton& del = ControlOf<BgButton>(card, kIdCardDelete);

    for (BgButton* b : {&menu, &hide, &close}) EXPECT_EQ(b->kind, BGK_TITLE);
    EXPECT_EQ(search.kind, BGK_STRETCH);
    EXPECT_EQ(del.kind, BGK_STRETCH);
    EXPECT_EQ(tag.kind, BGK_SPLIT);

    sheet.Section("Main window at rest: my wallpapers shown, rotation on; settings dialog");
    Hover(card);  // the mouse rests on this card, which shows its buttons
    Shot(main, "main window 900 x 667", 1, 0);
    Away();
    {
        Setting& settings = OpenSettings();
        Click(ControlOf<Wnd>(settings, kIdAutostartBox));  // the user ticks it
        Away();
        Shot(settings, "settings dialog 407 x 389", 1, 0);
        Click(ControlOf<Wnd>(settings, kIdSettingsClose));
        Away();
    }

    sheet.Section("Title bar (kind 1): normal, mouse over");
    for (auto [button, name] : {std::pair{&menu, "menu 1000"}, std::pair{&hide, "hide 1001"},
                                std::pair{&close, "close 1002"}})
        AtRestAndHovered(*button, name, std::string(name) + " hover");
    AtRestAndHovered(search, "search 1008", "search, hover (same)");

    sheet.Section("Tabs (style 0): not selected, mouse over, selected");
    AtRestAndHovered(libraryTab, "壁纸库", "壁纸库 hover");
    Shot(mineTab, "我的壁纸 selected");
    Click(libraryTab);
    Away();
    Shot(libraryTab, "壁纸库 selected");
    AtRestAndHovered(mineTab, "我的壁纸", "我的壁纸 hover");
    Click(mineTab);
    Away();

    sheet.Section("Bottom bar: rotation (style 1), interval (style 2), add (style 1), ad link");
    Shot(rotation, "rotation on");
    Click(rotation);
    Away();
    AtRestAndHovered(rotation, "rotation off", "off, hover (same)");
    Shot(interval, "interval");
    Click(interval);
    Shot(interval, "interval, picker open");
    // From the button straight into the picker, which stays open, to pick the interval shown
    // already; the picker closes.
    Click(ControlOf<Wnd>(PartOf<TimeDLG>(main), kIdFirstInterval + 1));
    Away();
    AtRestAndHovered(add, "add local wallpaper", "add, hover (same)");
    Shot(link, "ad link (pinned)");

    sheet.Section("Filter bar links: pinned, normal, mouse over");
    Shot(ControlOf<TButton>(bar, kIdFilterAll), "全部 pinned", 1);
    AtRestAndHovered(ControlOf<TButton>(bar, kIdFilterFavourites), "收藏", "收藏 hover", 1);

    sheet.Section("Thumbnail card: tag (kind 12) in neither zone, left, between, right; delete");
    Hover(card);
    Shot(card, "mouse on the picture");
    Hover(tag, 30);
    Shot(card, "left zone: set as wallpaper");
    Hover(tag, 125);
    Shot(card, "between: keeps the left image");
    Hover(tag, 180);
    Shot(card, "right zone: favourite");
    Hover(del);
    Shot(card, "on delete (leaves the tag)");
    Away();

    sheet.Section("Menu panel (style 4): at rest, each item under the mouse");
    Click(menu);
    Away();
    PPSET& panel = PartOf<PPSET>(main);
    Shot(panel, "menu panel", 2, 0);
    for (const PanelItem& item : kPanelItems) {
        Hover(ControlOf<BTButton>(panel, item.id));
        Shot(panel, "item " + std::to_string(item.id) + " hover", 2, 0);
    }
    Away();

    sheet.Section("Interval picker (style 3): at rest, an item under the mouse");
    Click(interval);  // the mouse stays on the button, which keeps the picker open
    TimeDLG& picker = PartOf<TimeDLG>(main);
    Shot(picker, "picker", 2, 0);
    Hover(ControlOf<BTButton>(picker, kIdFirstInterval + 2));
    Shot(picker, "每十分钟 hover", 2, 0);
    Away();

    sheet.Section("Settings dialog: close (kind 1), OK and Cancel (kind 3), Browse (kind 4)");
    Setting& settings = OpenSettings();
    BgButton& settingsClose = ControlOf<BgButton>(settings, kIdSettingsClose);
    BgButton& ok = ControlOf<BgButton>(settings, IDOK);
    BgButton& cancel = ControlOf<BgButton>(settings, IDCANCEL);
    BgButton& browse = ControlOf<BgButton>(settings, kIdBrowse);
    EXPECT_EQ(settingsClose.kind, BGK_TITLE);
    for (BgButton* b : {&ok, &cancel}) EXPECT_EQ(b->kind, BGK_DIALOG);
    EXPECT_EQ(browse.kind, BGK_BROWSE);
    for (auto [button, name] : {std::pair{&settingsClose, "close 1034"}, std::pair{&ok, "OK"},
                                std::pair{&cancel, "Cancel"}, std::pair{&browse, "Browse 1028"}})
        AtRestAndHovered(*button, name, std::string(name) + " hover");

    std::string out = (BuildDirectory() / "button_picture.png").string();
    EXPECT_TRUE(sheet.Save(out)) << out;
}

}  // namespace
}  // namespace lumora
