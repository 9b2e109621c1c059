// Painting: back to front with clipping, erase and transparency, control colouring, owner
// drawing, regions, and the drawing context's image and fill rules. Pixels are read back from
// the headless surface.
#include <functional>

#include "res/DialogTemplates.h"
#include "support/HeadlessHostFixture.h"
#include "wnd/Button.h"
#include "wnd/Dialog.h"
#include "wnd/Static.h"

namespace lumora {
namespace {

constexpr ColorRef kRed = RGB(255, 0, 0);
constexpr ColorRef kBlue = RGB(0, 0, 255);
constexpr ColorRef kGreen = RGB(0, 255, 0);

// 0xAARRGGBB as the surface holds it, for an opaque colour value.
std::uint32_t Argb(ColorRef c) {
    return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// A window whose erase fills one colour and counts its paints.
class Filled : public Wnd {
public:
    explicit Filled(ColorRef c) : color(c) {}
    ColorRef color;
    int paints = 0;
    int erases = 0;

protected:
    bool OnEraseBkgnd(DC& dc) override {
        ++erases;
        dc.FillSolidRect(GetClientRect(), color);
        return true;
    }
    void OnPaint(DC&) override { ++paints; }
};

// A dialog whose control colouring the test decides.
class ColouredDialog : public Dialog {
public:
    explicit ColouredDialog(int id) : Dialog(DialogResource(id)) {}
    std::function<Brush(DC&, Wnd&, UINT)> colour;

protected:
    Brush OnCtlColor(DC& dc, Wnd& control, UINT kind) override {
        return colour ? colour(dc, control, kind) : Dialog::OnCtlColor(dc, control, kind);
    }
};

class PaintTest : public HeadlessHostFixture {
protected:
    PaintTest() {
        frame.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(50, 50, 400, 300), nullptr);
    }
    std::uint32_t At(int x, int y) {
        host.RunUntilIdle();
        return host.Pixel(frame.GetSurface(), {x, y});
    }

    Filled frame{kRed};
};

TEST_F(PaintTest, TransparentChildShowsItsParentsBackground) {
    ColouredDialog page(kGalleryPageTemplate);
    page.colour = [](DC& dc, Wnd&, UINT) {
        dc.SetBkMode(TRANSPARENT);
        return Brush::HollowBrush();
    };
    ASSERT_TRUE(page.Create(&frame));
    page.MoveWindow(Rect::FromXywh(10, 10, 100, 100));
    page.ShowWindow(SW_SHOW);
    EXPECT_EQ(At(50, 50), Argb(kRed));
    // The same page with the dialogs' default colouring paints its face.
    page.colour = nullptr;
    page.Invalidate(true);
    EXPECT_EQ(At(50, 50), Argb(kFaceColor));
}

TEST_F(PaintTest, ChildrenAreClippedToTheirParentAndPaintAboveIt) {
    Filled inner(kBlue);
    Filled grandchild(kGreen);
    inner.CreateEx(0, "", WS_CHILD | WS_VISIBLE, Rect::FromXywh(100, 100, 100, 100), &frame);
    grandchild.CreateEx(0, "", WS_CHILD | WS_VISIBLE, Rect::FromXywh(50, 50, 100, 100), &inner);
    EXPECT_EQ(At(120, 120), Argb(kBlue));
    EXPECT_EQ(At(170, 170), Argb(kGreen));
    EXPECT_EQ(At(220, 220), Argb(kRed));  // inside the grandchild's rectangle, outside its parent
    grandchild.ShowWindow(SW_HIDE);
    EXPECT_EQ(At(170, 170), Argb(kBlue));
    inner.MoveWindow(Rect::FromXywh(0, 0, 50, 50));
    EXPECT_EQ(At(120, 120), Argb(kRed));
    EXPECT_EQ(At(10, 10), Argb(kBlue));
}

TEST_F(PaintTest, InvalidateRecordsAndTheSurfacePaintsOnceWhenIdle) {
    host.RunUntilIdle();
    const int before = frame.paints;
    frame.Invalidate(true);
    frame.Invalidate(false);
    frame.InvalidateRect(nullptr, true);
    EXPECT_EQ(frame.paints, before);
    host.RunUntilIdle();
    EXPECT_EQ(frame.paints, before + 1);
}

TEST_F(PaintTest, InvalidationWithoutEraseSkipsTheEraseOfThatWindow) {
    host.RunUntilIdle();
    const int erases = frame.erases;
    frame.Invalidate(false);
    host.RunUntilIdle();
    EXPECT_EQ(frame.erases, erases);
    frame.Invalidate(true);
    host.RunUntilIdle();
    EXPECT_EQ(frame.erases, erases + 1);
}

class GreenButton : public Button {
public:
    int draws = 0;
    void DrawItem(DrawItemInfo& info) override {
        ++draws;
        info.dc->FillSolidRect(Rect{0, 0, info.rcItem.right / 2, info.rcItem.bottom}, kGreen);
    }
};

TEST_F(PaintTest, OwnerDrawnButtonDrawsThroughItsOwnerOverTheParentsColouring) {
    GreenButton all;
    struct Binder : ColouredDialog {
        using ColouredDialog::ColouredDialog;
        GreenButton* target = nullptr;
        void DoDataExchange() override { BindControl(1035, *target); }
    } bar(kFilterBarTemplate);
    bar.target = &all;
    bar.colour = [](DC&, Wnd& control, UINT) {
        return control.GetDlgCtrlID() == 1035 ? Brush::SolidColor(kBlue) : Brush::HollowBrush();
    };
    ASSERT_TRUE(bar.Create(&frame));
    bar.ShowWindow(SW_SHOW);
    const Rect r = all.RectInParent();  // (12, 19) 88 x 25
    EXPECT_EQ(At(r.left + 5, r.top + 5), Argb(kGreen));
    EXPECT_EQ(At(r.right - 5, r.top + 5), Argb(kBlue));
    EXPECT_EQ(At(r.right + 5, r.top + 5), Argb(kRed));  // the hollow dialog shows the frame
    EXPECT_GE(all.draws, 1);
}

TEST_F(PaintTest, RoundedRegionClipsPaintingAndTheMouse) {
    struct Clicky : Filled {
        using Filled::Filled;
        int presses = 0;
        void OnLButtonDown(UINT, Point) override { ++presses; }
    } panel(kBlue);
    panel.CreateEx(0, "", WS_CHILD | WS_VISIBLE, Rect::FromXywh(100, 100, 60, 40), &frame);
    panel.SetWindowRgn(RoundRect{Rect{0, 0, 60, 40}, 20, 20}, true);
    EXPECT_EQ(At(100, 100), Argb(kRed));
    EXPECT_EQ(At(130, 120), Argb(kBlue));
    host.Click(host.ToScreen(frame.GetSurface(), {100, 100}));
    EXPECT_EQ(panel.presses, 0);
    host.Click(host.ToScreen(frame.GetSurface(), {130, 120}));
    EXPECT_EQ(panel.presses, 1);
}

TEST_F(PaintTest, TopLevelRegionShapesTheSurface) {
    frame.SetWindowRgn(RoundRect{Rect{0, 0, 400, 300}, 5, 5}, true);
    ASSERT_TRUE(host.Find(frame.GetSurface())->shape.has_value());
    EXPECT_EQ(host.Find(frame.GetSurface())->shape->ellipseWidth, 5);
}

TEST_F(PaintTest, DrawImageCopiesOpaqueImagesAndBlendsPremultipliedOnes) {
    struct Case {
        const char* name;
        bool hasAlpha;
        std::uint8_t b, g, r, a;
        std::uint32_t expected;  // over the red frame
    };
    const Case cases[] = {
        {"opaque copy", false, 10, 20, 30, 0, 0xFF1E140A},
        {"premultiplied half red over red", true, 0, 0, 128, 128, 0xFFFF0000},
        {"premultiplied half blue over red", true, 128, 0, 0, 128, 0xFF7F0080},
        {"fully transparent", true, 0, 0, 0, 0, 0xFFFF0000},
    };
    for (const Case& c : cases) {
        BgraImage image;
        image.width = 2;
        image.height = 2;
        image.hasAlpha = c.hasAlpha;
        for (int i = 0; i < 4; ++i) image.pixels.insert(image.pixels.end(), {c.b, c.g, c.r, c.a});
        struct Picture : Filled {
            using Filled::Filled;
            const BgraImage* image = nullptr;
            void OnPaint(DC& dc) override { dc.DrawImage(*image, Rect{10, 10, 30, 30}); }
        } picture(kRed);
        picture.image = &image;
        picture.CreateEx(0, "", WS_CHILD | WS_VISIBLE, Rect::FromXywh(0, 0, 100, 100), &frame);
        EXPECT_EQ(At(20, 20), c.expected) << c.name;
        EXPECT_EQ(At(5, 5), Argb(kRed)) << c.name;  // outside the destination
        picture.DestroyWindow();
    }
}

TEST_F(PaintTest, TopLevelGetsNcPaintWhenShownAndMayRefuseToShow) {
    struct Shy : Wnd {
        int ncPaints = 0;
        bool hide = true;
        void OnNcPaint() override {
            ++ncPaints;
            if (hide) ShowWindow(SW_HIDE);
        }
    } shy;
    shy.CreateEx(0, "", WS_POPUP, Rect::FromXywh(0, 0, 50, 50), nullptr);
    shy.ShowWindow(SW_SHOW);
    EXPECT_EQ(shy.ncPaints, 1);
    EXPECT_FALSE(shy.IsWindowVisible());
    EXPECT_FALSE(host.Find(shy.GetSurface())->visible);
    shy.hide = false;
    shy.ShowWindow(SW_SHOW);
    EXPECT_TRUE(host.Find(shy.GetSurface())->visible);
    host.Expose(shy.GetSurface());
    EXPECT_EQ(shy.ncPaints, 3);
}

}  // namespace
}  // namespace lumora
