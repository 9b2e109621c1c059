#include "ui/PPSET.h"

#include <cstdint>

#include "app/ProcessStrings.h"
#include "res/DialogTemplates.h"
#include "skin/SkinBackground.h"
#include "ui/MainCommands.h"

namespace lumora {

namespace {

constexpr const char* kBackground = "/styles/xiala_bg.png";
constexpr int kCornerEllipse = 5;

}  // namespace

const PanelItem kPanelItems[3] = {
    {kIdPanelSettings, "/styles/setting.png", "/styles/setting_hover.png",
     Rect::FromXywh(2, 45, 127, 26)},
    {kIdPanelHomePage, "/styles/home.png", "/styles/home_hover.png",
     Rect::FromXywh(2, 72, 127, 26)},
    {kIdPanelExit, "/styles/exit.png", "/styles/exit_hover.png", Rect::FromXywh(2, 99, 127, 26)},
};

PPSET::PPSET() : DropDown(DialogResource(kMenuPanelTemplate)) {}

BTButton* PPSET::Item(int id) {
    switch (id) {
        case kIdPanelSettings:
            return &m_settingsItem;
        case kIdPanelHomePage:
            return &m_homePageItem;
        case kIdPanelExit:
            return &m_exitItem;
        default:
            return nullptr;
    }
}

void PPSET::DoDataExchange() {
    for (const PanelItem& item : kPanelItems) BindControl(item.id, *Item(item.id));
}

bool PPSET::OnInitDialog() {
    DropDown::OnInitDialog();
    const std::string& appDir = Strings().applicationDirectory;
    for (const PanelItem& item : kPanelItems) {
        BTButton& button = *Item(item.id);
        button.style = BTS_PANEL_ITEM;
        button.drawImages = true;
        button.SetImages(appDir + item.normalImage, appDir + item.hoverImage);
        button.MoveWindow(item.rect, true);
    }
    // The region is cut once, to the size the template gives; the main window later shows
    // the panel smaller, so only the corners inside that size are rounded.
    const Rect window = GetWindowRect();
    SetWindowRgn(
        RoundRect{Rect{0, 0, window.Width(), window.Height()}, kCornerEllipse, kCornerEllipse},
        true);
    return true;
}

bool PPSET::OnEraseBkgnd(DC& dc) {
    const bool erased = DropDown::OnEraseBkgnd(dc);
    return DrawSkinBackground(*this, dc, Strings().applicationDirectory + kBackground, erased);
}

Brush PPSET::OnCtlColor(DC& dc, Wnd& /*control*/, UINT /*ctlColor*/) {
    return TransparentCtlColor(dc);
}

bool PPSET::OnCommand(UINT id, UINT code, Wnd* control) {
    if (code != BN_CLICKED) return DropDown::OnCommand(id, code, control);
    switch (id) {
        case kIdPanelSettings:
            PostCommand(kPanelSettings);
            ShowWindow(SW_HIDE);
            return true;
        case kIdPanelHomePage:
            // Hidden first, so the browser does not open behind the panel.
            ShowWindow(SW_HIDE);
            PostCommand(kPanelHomePage);
            return true;
        case kIdPanelExit:
            // The panel stays until the program has ended.
            PostCommand(kPanelExit);
            return true;
        default:
            return DropDown::OnCommand(id, code, control);
    }
}

void PPSET::PostCommand(int command) {
    if (Wnd* parent = GetParent())
        parent->PostMessage(WM_PANEL_COMMAND,
                            static_cast<WPARAM>(static_cast<std::intptr_t>(command)), 0);
}

}  // namespace lumora
