#include "ui/PageDlg.h"

#include <algorithm>

#include "platform/Thumbnailer.h"
#include "res/DialogTemplates.h"
#include "skin/SkinBackground.h"
#include "wallpaper/WallpaperFolder.h"

namespace lumora {

PageDlg::PageDlg() : PageDlg(SystemThumbnailer()) {}

PageDlg::PageDlg(Thumbnailer& thumbnailer)
    : Dialog(DialogResource(kGalleryPageTemplate)), m_pictures(thumbnailer) {}

PageDlg::~PageDlg() {
    ClearCards();
    DestroyWindow();
}

void PageDlg::Reload() {
    ClearCards();
    m_currentPage = 1;
    std::optional<std::vector<std::string>> paths = WallpaperFolder().List(filter);
    // A missing folder keeps the page count and the scroll bar as they were.
    if (!paths) return;
    const int count = static_cast<int>(paths->size());
    m_pageCount = count / kCardsPerPage + (count % kCardsPerPage != 0 ? 1 : 0);
    m_scroll = ScrollInfo{SIF_ALL, 0, m_pageCount * kUnitsPerPage, kUnitsPerPage, 0, 0};
    ApplyScroll();
    if (m_pageCount >= 1) {
        // The workers start on the first page's pictures while the cards are made; their
        // results come back through the loop, after this call.
        std::vector<std::string> sources = *paths;
        m_pictures.Start(std::move(sources), PicBox::PlaceholderPath(), PicBox::PictureAreaSize(),
                         PicBox::VisiblePictureSize(),
                         [this](std::size_t index, std::optional<CardPicture> picture) {
                             if (index < m_cards.size())
                                 m_cards[index]->SetPicture(std::move(picture));
                         });
        m_cards.reserve(paths->size());
        for (std::string& path : *paths) {
            auto card = std::make_unique<PicBox>();
            card->SetPicturePath(std::move(path));
            m_cards.push_back(std::move(card));
        }
    }
    LayOut();
}

void PageDlg::ClearCards() {
    m_pictures.Cancel();
    for (auto& card : m_cards) card->DestroyWindow();
    m_cards.clear();
}

void PageDlg::LayOut() {
    const int first = (m_currentPage - 1) * kCardsPerPage;
    const int last = m_currentPage * kCardsPerPage;
    int x = kFirstX;
    int y = kFirstY;
    int index = 0;
    int placed = 0;
    for (auto& card : m_cards) {
        if (index >= first && index < last) {
            if (placed % kColumns == 0) {
                if (placed != 0) {
                    y += kRowStep;
                    x = kFirstX;
                }
            } else {
                x += kColumnStep;
            }
            if (!card->IsWindow()) card->Create(this);
            card->MoveWindow(x, y, kCardWidth, kCardHeight, true);
            card->ShowWindow(SW_SHOW);
            ++placed;
        } else if (card->IsWindow()) {
            card->ShowWindow(SW_HIDE);
        }
        ++index;
    }
    m_pictures.Prioritise(static_cast<std::size_t>(std::max(first, 0)),
                          static_cast<std::size_t>(std::max(last, 0)));
    if (Wnd* parent = GetParent()) parent->Invalidate(true);
}

void PageDlg::ApplyScroll() { SetScrollInfo(SB_VERT, m_scroll, true); }

int PageDlg::LastPosition() const {
    return std::max(m_scroll.min, m_scroll.max - static_cast<int>(m_scroll.page) + 1);
}

void PageDlg::ShowPage(int page) {
    if (page == m_currentPage) return;
    m_currentPage = page;
    LayOut();
}

Brush PageDlg::OnCtlColor(DC& dc, Wnd& /*control*/, UINT /*ctlColor*/) {
    return TransparentCtlColor(dc);
}

// The page shown is that of the position before the step; the end-of-scrolling notice that
// follows every action brings it to the final position.
void PageDlg::OnVScroll(UINT code, int pos, Wnd* /*scrollBar*/) {
    const int before = GetScrollPos(SB_VERT);
    const int page = static_cast<int>(m_scroll.page);
    int& position = m_scroll.pos;
    switch (code) {
        case SB_LINEUP:
            position -= kStep;
            break;
        case SB_LINEDOWN:
            position += kStep;
            break;
        case SB_PAGEUP:
            position -= page;
            break;
        case SB_PAGEDOWN:
            position += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = pos;
            break;
        case SB_TOP:
            position = m_scroll.min;
            break;
        case SB_BOTTOM:
            position = m_scroll.max;
            break;
        default:
            break;
    }
    // Held where the scroll bar can follow, so an up step at the bottom moves at once.
    position = std::clamp(position, m_scroll.min, LastPosition());
    ApplyScroll();
    ShowPage(before / kUnitsPerPage + 1);
}

// The wheel shows the page of the position it moved to.
bool PageDlg::OnMouseWheel(UINT flags, short delta, Point screen) {
    if (delta != 0) {
        int& position = m_scroll.pos;
        position += delta < 0 ? kStep : -kStep;
        position = std::clamp(position, m_scroll.min, LastPosition());
        ApplyScroll();
        ShowPage(GetScrollPos(SB_VERT) / kUnitsPerPage + 1);
    }
    return Dialog::OnMouseWheel(flags, delta, screen);
}

}  // namespace lumora
