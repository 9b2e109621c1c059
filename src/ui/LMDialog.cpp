#include "ui/LMDialog.h"

#include "res/DialogTemplates.h"
#include "wnd/Styles.h"

namespace lumora {
namespace {

// The view reaches past the page's right edge by this much, so that the part of the library
// page where a browser would put its scroll bar lies outside the window.
constexpr int kViewOverhang = 129;
// The fixed start page on the service host of the build, not derived from the settings.
constexpr const char* kStartPage = LUMO_SERVICE_ORIGIN "/kavri/lm/index.php?cid=1";

}  // namespace

LMDialog::LMDialog(AppPorts& ports) : Dialog(DialogResource(kOnlinePageTemplate)), m_view(ports) {}

LMDialog::~LMDialog() { DestroyWindow(); }

bool LMDialog::OnInitDialog() {
    Dialog::OnInitDialog();
    Rect rect;
    if (Wnd* placeholder = GetDlgItem(kIdLibraryView)) {
        rect = ScreenToClient(placeholder->GetWindowRect());
        placeholder->DestroyWindow();
    }
    m_view.Create(WS_CHILD | WS_VISIBLE, rect, this, kIdLibraryView);
    // The size the template gives; the main window places the page only afterwards, and the
    // view keeps this size.
    const Rect client = GetClientRect();
    m_view.MoveWindow(1, 0, client.Width() + kViewOverhang, client.Height());
    m_view.ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    m_view.SetSilent(true);
    m_view.Navigate(kStartPage);
    return true;
}

}  // namespace lumora
