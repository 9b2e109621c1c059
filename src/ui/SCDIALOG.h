#pragma once

#include "skin/TButton.h"
#include "ui/PageDlg.h"
#include "wnd/Dialog.h"

namespace lumora {

// The filter bar of the local gallery: a child window below the tabs with the links "全部"
// and "收藏" on the skin "sc.png", holding the two gallery pages ("all" and "sc") and showing
// one of them.
class SCDIALOG : public Dialog {
public:
    static constexpr int kButtonRow = 32;  // the height of the links above the pages

    SCDIALOG();
    ~SCDIALOG() override;

    // The gallery page shown now; none before the bar is created.
    PageDlg* ShownPage() const { return m_currentPage; }
    // Lists the wallpaper folder again for the page shown now.
    void ReloadShownPage();
    // Lists it again for both pages, the favourites first.
    void ReloadPages();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnEraseBkgnd(DC& dc) override;
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override;
    bool OnCommand(UINT id, UINT code, Wnd* control) override;

private:
    void CreatePage(PageDlg& page, bool show, const char* pageFilter);
    void FilterCommand(TButton& clicked);

    TButton m_allButton;
    TButton m_favouritesButton;
    PageDlg* m_currentPage = nullptr;
    PageDlg m_allPage;
    PageDlg m_favouritesPage;
};

}  // namespace lumora
