#include "ui/Setting.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "app/ClmApp.h"
#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/ProcessStrings.h"
#include "res/DialogTemplates.h"
#include "skin/ColorFromHex.h"
#include "skin/SkinBackground.h"
#include "wnd/Edit.h"
#include "wnd/WindowSystem.h"

namespace lumora {

namespace {

constexpr const char* kBackground = "/styles/setting_bg.png";
constexpr const char* kFieldColor = "#ededed";
constexpr const char* kFreeSpaceFormat = "壁纸下磁盘剩余空间:%luGB";
constexpr const char* kFolderTitle = "请选择需要的目录：";
constexpr const char* kWriteFailed = "开机启动设置失败";
constexpr const char* kRemoveFailed = "取消启动设置失败";
constexpr int kFieldInsetX = 5;
constexpr int kFieldInsetY = 4;
constexpr unsigned kGigabyteShift = 30;

}  // namespace

const SettingsButton kSettingsButtons[4] = {
    {kIdSettingsClose, BGK_TITLE, "/styles/close.png", "/styles/close_hover.png"},
    {IDOK, BGK_DIALOG, "/styles/queding.png", "/styles/queding_hover.png"},
    {IDCANCEL, BGK_DIALOG, "/styles/quxiao.png", "/styles/quxiao_hover.png"},
    {kIdBrowse, BGK_BROWSE, "/styles/liulan.png", "/styles/liulan_hover.png"},
};

Setting::Setting(ClmApp& app)
    : Dialog(DialogResource(kSettingsTemplate)),
      m_app(app),
      m_autostart(AutostartEntry::ForUser()) {}

BgButton& Setting::ImageButton(int id) {
    switch (id) {
        case kIdSettingsClose:
            return m_closeButton;
        case IDOK:
            return m_okButton;
        case IDCANCEL:
            return m_cancelButton;
        default:
            return m_browseButton;
    }
}

std::string Setting::AppFile(const char* relative) const {
    return m_app.ApplicationDirectory() + relative;
}

void Setting::DoDataExchange() {
    for (const SettingsButton& button : kSettingsButtons)
        BindControl(button.id, ImageButton(button.id));
}

bool Setting::OnInitDialog() {
    Dialog::OnInitDialog();
    for (const SettingsButton& entry : kSettingsButtons) {
        BgButton& button = ImageButton(entry.id);
        button.kind = entry.kind;
        button.SetImages(AppFile(entry.normalImage), AppFile(entry.hoverImage));
    }
    Edit* field = dynamic_cast<Edit*>(GetDlgItem(kIdCollectionField));
    if (field != nullptr) field->SetRect(field->GetClientRect().Offset(kFieldInsetX, kFieldInsetY));
    ShowFreeSpace(Strings().collectionDirectory);
    CheckDlgButton(kIdAutostartBox, m_autostart.Present() ? BST_CHECKED : BST_UNCHECKED);
    m_closeAction = Config(AppFile("/conf.ini")).ReadInt(kKeyCloseToTray, kDefaultCloseToTray);
    CheckDlgButton(m_closeAction > 0 ? kIdHideOnClose : kIdExitOnClose, BST_CHECKED);
    SetDlgItemText(kIdCollectionField, Strings().collectionDirectory);
    return true;
}

void Setting::ShowFreeSpace(const std::string& directory) {
    std::string text;
    if (std::optional<std::uint64_t> bytes = m_app.Ports().diskSpace.FreeBytes(directory)) {
        char line[128];
        std::snprintf(line, sizeof line, kFreeSpaceFormat,
                      static_cast<unsigned long>(*bytes >> kGigabyteShift));
        text = line;
    } else {
        // Without a figure the line shows its template text, without a number.
        for (const DialogItem& item : Template().items)
            if (item.id == kIdFreeSpace) text = item.text;
    }
    SetDlgItemText(kIdFreeSpace, text);
}

bool Setting::OnCommand(UINT id, UINT code, Wnd* control) {
    if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
    switch (id) {
        case kIdHideOnClose:
            m_closeAction = 1;
            return true;
        case kIdExitOnClose:
            m_closeAction = 0;
            return true;
        case kIdSettingsClose:
            ShowWindow(SW_HIDE);
            return true;
        case kIdBrowse:
            Browse();
            return true;
        default:
            return Dialog::OnCommand(id, code, control);
    }
}

void Setting::OnOK() {
    Config(AppFile("/conf.ini")).WriteInt(kKeyCloseToTray, m_closeAction);
    // Without a configuration folder there is nowhere to keep the entry; the dialog stays
    // open, as it would for a settings store that cannot be opened.
    if (!m_autostart.Known()) return;
    if (IsDlgButtonChecked(kIdAutostartBox) == BST_CHECKED) {
        if (!m_autostart.Write(m_app.ApplicationDirectory())) m_app.DoMessageBox(kWriteFailed);
    } else if (!m_autostart.Remove()) {
        // Nothing to remove is no failure; only an entry that stays is.
        m_app.DoMessageBox(kRemoveFailed);
    }
    EndDialog(IDOK);
}

void Setting::Browse() {
    std::optional<std::string> folder =
        WindowSystem::Get().GetHost().BrowseFolder(GetSurface(), kFolderTitle);
    if (!folder) return;
    // The new directory counts at once, whatever OK or Cancel follows; it is taken as it is.
    Config(AppFile("/conf.ini")).Write(kKeyCollection, *folder);
    Strings().collectionDirectory = *folder;
    SetDlgItemText(kIdCollectionField, *folder);
    ShowFreeSpace(*folder);
}

bool Setting::OnEraseBkgnd(DC& dc) {
    const bool erased = Dialog::OnEraseBkgnd(dc);
    return DrawSkinBackground(*this, dc, AppFile(kBackground), erased);
}

Brush Setting::OnCtlColor(DC& dc, Wnd& control, UINT /*ctlColor*/) {
    const int id = &control == this ? 0 : control.GetDlgCtrlID();
    if (id == kIdCollectionField) {
        dc.SetBkMode(TRANSPARENT);
        return Brush::SolidColor(ColorFromHex(kFieldColor));
    }
    if (id == kIdSettingsTitle) dc.SetTextColor(RGB(255, 255, 255));
    return TransparentCtlColor(dc);
}

}  // namespace lumora
