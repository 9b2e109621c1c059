#include "ui/SCDIALOG.h"

#include "app/ProcessStrings.h"
#include "res/ControlIds.h"
#include "res/DialogTemplates.h"
#include "skin/ColorFromHex.h"
#include "skin/SkinBackground.h"

namespace lumora {

namespace {

constexpr const char* kLinkColour = "#4B8AF1";

// The page's rectangle grows from the bar's own template size: below the links, and out to
// the width and height of the main window's page area.
constexpr int kPageExtraRight = 337;
constexpr int kPageExtraBottom = 174;

}  // namespace

SCDIALOG::SCDIALOG() : Dialog(DialogResource(kFilterBarTemplate)) {}

SCDIALOG::~SCDIALOG() { DestroyWindow(); }

void SCDIALOG::DoDataExchange() {
    BindControl(kIdFilterAll, m_allButton);
    BindControl(kIdFilterFavourites, m_favouritesButton);
}

bool SCDIALOG::OnInitDialog() {
    Dialog::OnInitDialog();
    m_allButton.mode = TBM_HIGHLIGHT;
    m_allButton.pinned = 1;
    m_allButton.tag = 1;
    m_allButton.color = ColorFromHex(kLinkColour);
    m_allButton.MoveWindow(Rect::FromXywh(0, 0, 160, kButtonRow));
    m_favouritesButton.tag = 2;
    m_favouritesButton.color = ColorFromHex(kLinkColour);
    m_favouritesButton.MoveWindow(Rect::FromXywh(160, 0, 160, kButtonRow));
    CreatePage(m_allPage, true, "all");
    CreatePage(m_favouritesPage, false, "sc");
    return true;
}

void SCDIALOG::CreatePage(PageDlg& page, bool show, const char* pageFilter) {
    page.Create(this);
    page.filter = pageFilter;
    // The bar has its template size still: the main window places it afterwards.
    Rect rect = GetClientRect();
    rect.top += kButtonRow;
    rect.right += kPageExtraRight;
    rect.bottom += kPageExtraBottom;
    page.MoveWindow(rect, true);
    if (show) {
        m_currentPage = &page;
        page.Reload();
        page.ShowWindow(SW_SHOW);
    } else {
        page.ShowWindow(SW_HIDE);
    }
}

void SCDIALOG::ReloadShownPage() {
    // After the exit path has destroyed the bar, a late reload request finds nothing to show.
    if (m_currentPage != nullptr && m_currentPage->IsWindow()) {
        m_currentPage->Reload();
    }
}

void SCDIALOG::ReloadPages() {
    if (!IsWindow()) return;
    m_favouritesPage.Reload();
    m_allPage.Reload();
}

bool SCDIALOG::OnEraseBkgnd(DC& dc) {
    const bool erased = Dialog::OnEraseBkgnd(dc);
    return DrawSkinBackground(*this, dc, Strings().applicationDirectory + "/styles/sc.png", erased);
}

Brush SCDIALOG::OnCtlColor(DC& dc, Wnd& /*control*/, UINT /*ctlColor*/) {
    return TransparentCtlColor(dc);
}

bool SCDIALOG::OnCommand(UINT id, UINT code, Wnd* control) {
    if (code == BN_CLICKED && (id == kIdFilterAll || id == kIdFilterFavourites)) {
        FilterCommand(id == kIdFilterAll ? m_allButton : m_favouritesButton);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

// Choosing a link, even the one chosen already, rebuilds its page from the folder and drops
// the other page's cards.
void SCDIALOG::FilterCommand(TButton& clicked) {
    for (TButton* button : {&m_allButton, &m_favouritesButton}) {
        button->pinned = 0;
        button->mode = TBM_NORMAL;
    }
    clicked.mode = TBM_HIGHLIGHT;
    clicked.pinned = 1;
    m_allButton.Invalidate(true);
    m_favouritesButton.Invalidate(true);
    const bool all = clicked.tag == 1;
    m_currentPage = all ? &m_allPage : &m_favouritesPage;
    PageDlg& other = all ? m_favouritesPage : m_allPage;
    m_currentPage->ShowWindow(SW_SHOW);
    other.ShowWindow(SW_HIDE);
    other.ClearCards();
    m_currentPage->Reload();
    if (Wnd* parent = GetParent()) parent->Invalidate(true);
}

}  // namespace lumora
