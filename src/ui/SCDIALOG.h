#pragma once

#include "wnd/Dialog.h"

namespace lumora {

// The filter bar of the local gallery: a child window below the tabs that holds the gallery
// pages and knows which of them it shows.
class SCDIALOG : public Dialog {
public:
    SCDIALOG();

    // The gallery page shown now; none while the bar holds no pages.
    Wnd* ShownPage() const { return nullptr; }
    // Lists the wallpaper folder again for the page shown now.
    void ReloadShownPage() {}
    // Lists it again for both pages, the favourites first.
    void ReloadPages() {}
};

}  // namespace lumora
