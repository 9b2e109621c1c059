#pragma once

#include <string>

#include "app/AutostartEntry.h"
#include "res/ControlIds.h"
#include "skin/BgButton.h"
#include "wnd/Dialog.h"

namespace lumora {

class ClmApp;

// One image button of the settings dialog: its control, how it draws and its skin images.
struct SettingsButton {
    int id;
    int kind;
    const char* normalImage;  // relative to the application directory
    const char* hoverImage;
};

// Close, OK, Cancel and Browse.
extern const SettingsButton kSettingsButtons[4];

// The settings dialog: the autostart entry, what the main window's close button does, and the
// collection directory with the free space of its disk. Created hidden once; its controls are
// filled then and keep whatever the user leaves in them. OK saves the autostart entry and the
// close action; Browse saves a new collection directory at once.
class Setting : public Dialog {
public:
    explicit Setting(ClmApp& app);

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, Wnd* control) override;
    void OnOK() override;
    bool OnEraseBkgnd(DC& dc) override;
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override;

private:
    BgButton& ImageButton(int id);
    std::string AppFile(const char* relative) const;
    void ShowFreeSpace(const std::string& directory);
    void Browse();

    ClmApp& m_app;
    BgButton m_closeButton;
    BgButton m_okButton;
    BgButton m_cancelButton;
    BgButton m_browseButton;
    AutostartEntry m_autostart;
    // The value OK writes to YCTASK: 1 hides the main window, 0 ends the program.
    int m_closeAction = 1;
};

}  // namespace lumora
