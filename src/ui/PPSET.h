#pragma once

#include "res/ControlIds.h"
#include "skin/BTButton.h"
#include "ui/DropDown.h"

namespace lumora {

// One item of the menu panel: its control, skin images and place in the panel.
struct PanelItem {
    int id;
    const char* normalImage;  // relative to the application directory
    const char* hoverImage;
    Rect rect;
};

// The panel's three items: settings, home page, exit.
extern const PanelItem kPanelItems[3];

// The menu panel that drops from the menu button: the settings dialog, the home page and
// exit. It carries out nothing itself; it posts the chosen command to the main window as
// WM_PANEL_COMMAND.
class PPSET : public DropDown {
public:
    PPSET();

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnEraseBkgnd(DC& dc) override;
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override;
    bool OnCommand(UINT id, UINT code, Wnd* control) override;

private:
    BTButton* Item(int id);
    void PostCommand(int command);

    BTButton m_settingsItem;
    BTButton m_homePageItem;
    BTButton m_exitItem;
};

}  // namespace lumora
