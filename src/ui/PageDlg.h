#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/CardPictureQueue.h"
#include "ui/PicBox.h"
#include "wnd/Dialog.h"

namespace lumora {

class Thumbnailer;

// A page of the local gallery: lists the wallpaper folder with its filter, keeps one card per
// picture and shows them sixteen at a time, paged by its scroll bar and the mouse wheel. The
// cards' pictures are made off the GUI thread, those of the page shown first; a card gets its
// window when its page is first shown.
class PageDlg : public Dialog {
public:
    static constexpr int kCardsPerPage = 16;
    static constexpr int kColumns = 4;
    static constexpr int kCardWidth = PicBox::kWidth;
    static constexpr int kCardHeight = PicBox::kHeight;
    static constexpr int kFirstX = 15;
    static constexpr int kFirstY = 5;
    static constexpr int kColumnStep = 220;
    static constexpr int kRowStep = 123;
    static constexpr int kUnitsPerPage = 520;  // scroll units of one page of cards
    static constexpr int kStep = 260;          // a wheel notch or a line step: half a page

    std::string filter;  // "all" or "sc", set by the filter bar

    PageDlg();
    explicit PageDlg(Thumbnailer& thumbnailer);
    ~PageDlg() override;

    // Lists the folder again with `filter` and rebuilds the cards; returns at once, the
    // pictures follow.
    void Reload();
    // Destroys every card.
    void ClearCards();

    int PageCount() const { return m_pageCount; }
    int CurrentPage() const { return m_currentPage; }
    const ScrollInfo& Scroll() const { return m_scroll; }
    const std::vector<std::unique_ptr<PicBox>>& Cards() const { return m_cards; }

protected:
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override;
    void OnVScroll(UINT code, int pos, Wnd* scrollBar) override;
    bool OnMouseWheel(UINT flags, short delta, Point screen) override;

private:
    // Shows the cards of the current page at their places and hides all others.
    void LayOut();
    void ApplyScroll();
    // The largest position the scroll bar can take.
    int LastPosition() const;
    void ShowPage(int page);

    std::vector<std::unique_ptr<PicBox>> m_cards;
    int m_pageCount = 0;
    int m_currentPage = 1;
    ScrollInfo m_scroll{SIF_ALL, 0, 0, 0, 0, 0};
    CardPictureQueue m_pictures;
};

}  // namespace lumora
