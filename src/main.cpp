#include <cstdio>

#include "app/ClmApp.h"
#include "platform/AppDirectory.h"
#include "platform/linux/GtkHost.h"
#include "ui/ClmDlg.h"

using namespace lumora;

int main() {
    // The host selects GTK's X11 backend before it initialises the toolkit.
    std::unique_ptr<GtkHost> host = GtkHost::Open();
    if (!host) {
        std::fprintf(stderr, "lumo: cannot open the display\n");
        return 1;
    }
    SetCurrentHost(host.get());
    ClmApp app({*host, SystemHttpClient(), SystemShell(), SystemInstanceLock()},
               ApplicationDirectory());
    app.runMainWindow = [](ClmApp& application) {
        ClmDlg dlg(application);
        dlg.DoModal();
    };
    app.InitInstance();
    return 0;
}
