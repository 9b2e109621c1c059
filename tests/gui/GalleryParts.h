#pragma once

// The parts of the gallery's filter bar, found in its window tree.
#include <string>

#include "WindowTree.h"
#include "res/ControlIds.h"
#include "skin/TButton.h"
#include "ui/PageDlg.h"
#include "ui/SCDIALOG.h"

namespace lumora {

// The gallery page of `bar` that lists `filter` ("all" or "sc").
inline PageDlg& GalleryPage(const SCDIALOG& bar, const std::string& filter) {
    for (Wnd* child : bar.Children())
        if (auto* page = dynamic_cast<PageDlg*>(child); page && page->filter == filter)
            return *page;
    ADD_FAILURE() << "no gallery page for " << filter;
    throw std::logic_error("no such page");
}
inline PageDlg& AllPage(const SCDIALOG& bar) { return GalleryPage(bar, "all"); }
inline PageDlg& FavouritesPage(const SCDIALOG& bar) { return GalleryPage(bar, "sc"); }

inline TButton& AllButton(const SCDIALOG& bar) { return ControlOf<TButton>(bar, kIdFilterAll); }
inline TButton& FavouritesButton(const SCDIALOG& bar) {
    return ControlOf<TButton>(bar, kIdFilterFavourites);
}

}  // namespace lumora
