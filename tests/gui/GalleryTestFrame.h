#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "ClmDlgTestFrame.h"
#include "support/PictureFiles.h"
#include "support/ScopedEnv.h"
#include "ui/PageDlg.h"
#include "ui/SCDIALOG.h"
#include "wnd/ScrollBar.h"

namespace lumora {

// The main window over a collection in the installation folder, on the gallery tab, with a
// thumbnail cache of its own.
class GalleryTest : public ClmDlgTest {
protected:
    GalleryTest() : m_cache("XDG_CACHE_HOME", (dir / "cache").c_str()) {}

    std::string InImgs(const std::string& name) const { return (Imgs() / name).string(); }

    // Small pictures named "p00.png", "p01.png", … from `first` on, `suffix` before the
    // extension.
    void AddPictures(int count, const std::string& suffix = "", int first = 0) {
        std::filesystem::create_directories(Imgs());
        for (int i = first; i < first + count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "p%02d%s.png", i, suffix.c_str());
            test::WritePicture(Imgs() / name, test::PatternImage(8, 8), "png");
        }
    }

    // Opens the main window and selects the gallery tab.
    SCDIALOG& OpenGallery() {
        Open();
        ClickControl(kIdGalleryTab);
        return PartOf<SCDIALOG>(*dlg);
    }
    PageDlg& Shown() { return *PartOf<SCDIALOG>(*dlg).ShownPage(); }
    // Runs every picture job and the completions they bring back.
    void Drain() {
        host.FinishBackgroundWork();
        host.RunUntilIdle();
    }
    void Wheel(PageDlg& page, int notches) {
        for (int i = 0; i < notches; ++i) page.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
        for (int i = 0; i < -notches; ++i) page.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    }
    int VisibleCards(const PageDlg& page) const {
        int shown = 0;
        for (const auto& card : page.Cards()) shown += card->IsWindow() && card->IsVisibleFlag();
        return shown;
    }
    // The surface point at `x`, `y` of a card's picture area.
    Point InPicture(const PicBox& card, int x, int y) const {
        const Point origin = card.GetDlgItem(kIdCardPicture)->SurfaceOrigin();
        return {origin.x + x, origin.y + y};
    }
    std::uint32_t SurfacePixel(Point p) { return host.Pixel(dlg->GetSurface(), p) & 0xFFFFFF; }

private:
    test::ScopedEnv m_cache;
};

}  // namespace lumora
