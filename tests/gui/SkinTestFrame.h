#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/ImageFile.h"
#include "skin/SkinBackground.h"
#include "support/HeadlessHostFixture.h"
#include "support/PictureFiles.h"
#include "support/TempDir.h"
#include "wnd/Wnd.h"

namespace lumora {

// A top-level window of a flat ground colour that colours its children as the skinned windows
// do (transparent, hollow brush) and counts the WM_POPUP_LEAVE it gets.
class SkinTestFrame : public Wnd {
public:
    ColorRef ground = RGB(10, 20, 30);
    int popupLeaves = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_POPUP_LEAVE && wParam == 0 && lParam == 0) ++popupLeaves;
        return Wnd::WindowProc(message, wParam, lParam);
    }

protected:
    bool OnEraseBkgnd(DC& dc) override {
        dc.FillSolidRect(GetClientRect(), ground);
        return true;
    }
    Brush OnCtlColor(DC& dc, Wnd&, UINT) override { return TransparentCtlColor(dc); }
};

// A headless host with a 400 x 300 frame at (100, 100) of the screen, and skin pictures of one
// colour written into a temporary folder.
class SkinTest : public HeadlessHostFixture {
protected:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 100;

    SkinTest() {
        frame.CreateEx(0, "", WS_POPUP | WS_VISIBLE, Rect::FromXywh(kLeft, kTop, 400, 300),
                       nullptr);
        host.RunUntilIdle();
    }

    // Writes a `width` x `height` PNG of one straight-alpha colour and answers its path.
    std::string Solid(const std::string& name, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                      std::uint8_t a = 255, int width = 8, int height = 8) {
        BgraImage image;
        image.width = width;
        image.height = height;
        image.hasAlpha = a != 255;
        for (int i = 0; i < width * height; ++i)
            image.pixels.insert(image.pixels.end(), {b, g, r, a});
        std::filesystem::path path = dir / name;
        test::WritePicture(path, image, "png");
        return path.string();
    }

    // A file that exists but is no picture.
    std::string Garbage(const std::string& name) {
        std::filesystem::path path = dir / name;
        test::WriteFile(path, "not a picture");
        return path.string();
    }

    std::string Missing(const std::string& name) const { return (dir / name).string(); }

    // Screen point of a frame client point.
    static Point At(int x, int y) { return {kLeft + x, kTop + y}; }

    // The frame's pixel at a client point as 0xRRGGBB (the frame is opaque).
    std::uint32_t PixelAt(int x, int y) {
        host.RunUntilIdle();
        return host.Pixel(frame.GetSurface(), {x, y}) & 0xFFFFFF;
    }

    // The bounding box of the pixels within `area` (frame client coordinates) that are not
    // `background`: where text or an image landed. Empty when there are none.
    Rect InkBox(const Rect& area, std::uint32_t background) {
        host.RunUntilIdle();
        Rect box;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if ((host.Pixel(frame.GetSurface(), {x, y}) & 0xFFFFFF) == background) continue;
                box = box.Union(Rect::FromXywh(x, y, 1, 1));
            }
        }
        return box;
    }

    // The pixel within `area` farthest from `background` (the most covered pixel of a text).
    std::uint32_t Strongest(const Rect& area, std::uint32_t background) {
        host.RunUntilIdle();
        std::uint32_t best = background;
        int bestDistance = -1;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                std::uint32_t p = host.Pixel(frame.GetSurface(), {x, y}) & 0xFFFFFF;
                int distance = 0;
                for (int shift : {0, 8, 16})
                    distance += std::abs(static_cast<int>((p >> shift) & 0xFF) -
                                         static_cast<int>((background >> shift) & 0xFF));
                if (distance > bestDistance) {
                    bestDistance = distance;
                    best = p;
                }
            }
        }
        return best;
    }

    // Whether two 0xRRGGBB colours differ by at most `tolerance` in every channel.
    static bool Near(std::uint32_t a, std::uint32_t b, int tolerance = 8) {
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                         static_cast<int>((b >> shift) & 0xFF)) > tolerance)
                return false;
        return true;
    }

    static constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) {
        return r << 16 | g << 8 | b;
    }
    std::uint32_t Ground() const {
        return Rgb(GetRValue(frame.ground), GetGValue(frame.ground), GetBValue(frame.ground));
    }

    test::TempDir dir;
    SkinTestFrame frame;
};

}  // namespace lumora
