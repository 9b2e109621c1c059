// Skinned backgrounds: the stretched panel background and the main window's 1:1 picture, with
// their files present, missing or undecodable.
#include "SkinTestFrame.h"
#include "skin/MainWindowSkin.h"
#include "skin/SkinBackground.h"

namespace lumora {
namespace {

// A window whose erase is one of the skin's background paintings over a ground of
// (10, 20, 30); it records the answer.
class SkinnedWindow : public Wnd {
public:
    std::string path;
    bool mainWindow = false;
    std::optional<bool> erased;

protected:
    bool OnEraseBkgnd(DC& dc) override {
        bool defaultErased = Wnd::OnEraseBkgnd(dc);
        dc.FillSolidRect(GetClientRect(), RGB(10, 20, 30));
        erased = mainWindow ? MainWindowSkin::EraseBackground(dc, path)
                            : DrawSkinBackground(*this, dc, path, defaultErased);
        return *erased;
    }
    Brush OnCtlColor(DC& dc, Wnd&, UINT) override { return TransparentCtlColor(dc); }
};

class SkinBackgroundTest : public SkinTest {
protected:
    void Show(SkinnedWindow& window, int width, int height) {
        window.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(600, 100, width, height),
                        nullptr);
        host.RunUntilIdle();
    }
    std::uint32_t Pixel(SkinnedWindow& window, int x, int y) {
        return host.Pixel(window.GetSurface(), {x, y}) & 0xFFFFFF;
    }
};

TEST_F(SkinBackgroundTest, PanelBackgroundIsStretchedOverTheClientArea) {
    SkinnedWindow panel;
    panel.path = Solid("bg.png", 0, 200, 0, 255, 2, 2);
    Show(panel, 130, 140);
    EXPECT_EQ(panel.erased, std::optional<bool>(false));  // the default erase's answer
    EXPECT_EQ(Pixel(panel, 0, 0), Rgb(0, 200, 0));
    EXPECT_EQ(Pixel(panel, 129, 139), Rgb(0, 200, 0));
}

TEST_F(SkinBackgroundTest, MissingOrUndecodableFilesPaintNothing) {
    struct Case {
        const char* name;
        bool mainWindow;
        bool garbage;
        bool erased;
    };
    for (Case c : {Case{"panel, missing", false, false, false},
                   Case{"panel, undecodable", false, true, false},
                   Case{"main window, missing", true, false, false},
                   Case{"main window, undecodable", true, true, true}}) {
        SkinnedWindow window;
        window.mainWindow = c.mainWindow;
        window.path = c.garbage ? Garbage("bg.png") : Missing("none.png");
        Show(window, 100, 80);
        EXPECT_EQ(window.erased, std::optional<bool>(c.erased)) << c.name;
        EXPECT_EQ(Pixel(window, 50, 40), Rgb(10, 20, 30)) << c.name;
    }
}

TEST_F(SkinBackgroundTest, MainWindowPictureIsDrawnOneToOneAndCutAt900By667) {
    BgraImage picture = test::PatternImage(1000, 700);
    std::string path = (dir / "big.png").string();
    test::WritePicture(path, picture, "png");
    SkinnedWindow window;
    window.mainWindow = true;
    window.path = path;
    Show(window, 1000, 700);
    EXPECT_EQ(window.erased, std::optional<bool>(true));
    auto expected = [&](int x, int y) { return test::PixelAt(picture, x, y) & 0xFFFFFF; };
    for (Point p : {Point{0, 0}, Point{450, 300}, Point{899, 666}})
        EXPECT_EQ(Pixel(window, p.x, p.y), expected(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(Pixel(window, 900, 10), Rgb(10, 20, 30));
    EXPECT_EQ(Pixel(window, 10, 667), Rgb(10, 20, 30));
}

TEST_F(SkinBackgroundTest, MainWindowPictureWithAlphaBlendsAsStraightAlpha) {
    SkinnedWindow window;
    window.mainWindow = true;
    window.path = Solid("half.png", 255, 0, 0, 128, 4, 4);
    Show(window, 100, 80);
    // Half red over the ground.
    std::uint32_t p = Pixel(window, 2, 2);
    EXPECT_TRUE(Near(p, Rgb(128 + 10 * 127 / 255, 20 * 127 / 255, 30 * 127 / 255), 1))
        << std::hex << p;
}

TEST_F(SkinBackgroundTest, MainWindowColouring) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    DC dc(cr, Font{});
    struct Case {
        int id;
        Brush::Kind brush;
        ColorRef text;
        int bkMode;
    };
    const Case cases[] = {
        {1004, Brush::Hollow, RGB(255, 255, 255), TRANSPARENT},
        {1007, Brush::Solid, RGB(1, 2, 3), OPAQUE},
        {1013, Brush::Hollow, RGB(1, 2, 3), TRANSPARENT},
        {1014, Brush::Hollow, RGB(1, 2, 3), TRANSPARENT},
        {1005, Brush::Hollow, RGB(1, 2, 3), OPAQUE},
        {0, Brush::Hollow, RGB(1, 2, 3), OPAQUE},
    };
    for (const Case& c : cases) {
        dc.SetTextColor(RGB(1, 2, 3));
        dc.SetBkMode(OPAQUE);
        Brush brush = MainWindowSkin::CtlColor(dc, c.id);
        EXPECT_EQ(brush.kind, c.brush) << c.id;
        EXPECT_EQ(dc.GetTextColor(), c.text) << c.id;
        EXPECT_EQ(dc.GetBkMode(), c.bkMode) << c.id;
    }
    EXPECT_EQ(MainWindowSkin::CtlColor(dc, 1007).color, RGB(235, 235, 235));
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

}  // namespace
}  // namespace lumora
