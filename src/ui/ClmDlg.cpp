#include "ui/ClmDlg.h"

#include <filesystem>
#include <system_error>

#include "app/AdLink.h"
#include "app/ClientIdentity.h"
#include "app/ClmApp.h"
#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/ProcessStrings.h"
#include "app/WebTarget.h"
#include "platform/AppDirectory.h"
#include "platform/NetworkAdapters.h"
#include "platform/UserFiles.h"
#include "res/DialogTemplates.h"
#include "skin/MainWindowSkin.h"
#include "ui/MainWindowButtons.h"
#include "ui/PopupPlacement.h"
#include "wallpaper/WallpaperApplier.h"
#include "wallpaper/WallpaperFolder.h"
#include "wnd/Edit.h"
#include "wnd/WindowSystem.h"

namespace lumora {

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 667;
// WS_SYSMENU, WS_MINIMIZEBOX and two bits without a meaning on a borderless pop-up.
constexpr DWORD kAddedStyles = 0xA2020;
constexpr int kSearchTextDrop = 4;
constexpr const char* kSiteRoot = LUMO_SITE_ORIGIN "/";

// The collection directory must exist before its wallpaper folder can; one level is made, and
// a failure shows later where the folder is used.
void EnsureDirectory(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) std::filesystem::create_directory(path, error);
}

}  // namespace

ClmDlg::ClmDlg(ClmApp& app)
    : Dialog(DialogResource(kMainWindowTemplate)),
      m_app(app),
      m_service(app.Ports().http, Strings()),
      m_tray(*this, app.ApplicationDirectory() + MainWindowSkin::kProgramIconFile),
      m_onlinePage(app.Ports()),
      m_config(app.ApplicationDirectory() + "/conf.ini"),
      m_rotation(
          m_config, Strings().collectionDirectory,
          [this, &desktop = CurrentHost().Desktop()](const std::string& picture) {
              // Converting and waiting for the desktop would freeze the window.
              m_rotationJobs.Run(
                  [picture, &desktop,
                   collection = Strings().collectionDirectory](const BackgroundJobs::Token&) {
                      return WallpaperApplier(collection, desktop).ApplyPicture(picture);
                  },
                  [](int) {});
          },
          app.Ports().clock),
      m_settings(app),
      m_search(app.Ports().shell, app.ApplicationDirectory() + "/conf.ini") {
    const std::string& appDir = app.ApplicationDirectory();
    MainWindowSkin::LoadProgramIcon(m_programIcon, appDir + MainWindowSkin::kProgramIconFile);
    ProcessStrings& strings = Strings();
    strings.applicationDirectory = appDir;
    Config config(ConfigPath());
    strings.collectionDirectory = config.ReadString(kKeyCollection, appDir);
    EnsureDirectory(strings.collectionDirectory);
    // What downloads and conversions of a run that was killed left behind.
    WallpaperFolder(strings.collectionDirectory, app.Ports().http).RemoveStaleTemporaries();
    m_adTarget = kSiteRoot;
    SetUpClientIdentity(strings, ClientIdFilePath(), SystemNetworkAdapters(), CurrentDirectory(),
                        appDir);
    m_serviceUrl = config.ReadString(kKeyServiceUrl, kDefaultServiceUrl);
}

ClmDlg::~ClmDlg() { DestroyWindow(); }

std::string ClmDlg::SkinPath(const char* file) const {
    return m_app.ApplicationDirectory() + "/styles/" + file;
}

std::string ClmDlg::ConfigPath() const { return m_app.ApplicationDirectory() + "/conf.ini"; }

Edit* ClmDlg::SearchBox() const { return dynamic_cast<Edit*>(GetDlgItem(kIdSearchBox)); }

void ClmDlg::DoDataExchange() {
    BindControl(kIdMenu, m_menuButton);
    BindControl(kIdHide, m_hideButton);
    BindControl(kIdClose, m_closeButton);
    BindControl(kIdOnlineTab, m_onlineTab);
    BindControl(kIdGalleryTab, m_galleryTab);
    BindControl(kIdSearch, m_searchButton);
    BindControl(kIdRotation, m_rotationButton);
    BindControl(kIdInterval, m_intervalButton);
    BindControl(kIdAddLocal, m_addButton);
    BindControl(kIdAdLink, m_adLink);
}

bool ClmDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    // The window is centred on the screen at its final size.
    const Size screen = WindowSystem::Get().GetHost().ScreenSize();
    MoveWindow(
        Rect::FromXywh((screen.width - kWidth) / 2, (screen.height - kHeight) / 2, kWidth, kHeight),
        false);
    ModifyStyle(0, kAddedStyles);
    SetWindowText("Lumora");

    AdLink ad = FetchAdLink(m_service, m_serviceUrl, m_adTarget, WindowSystem::Get().GetHost(),
                            GetSurface(), m_app.deadlines.startup);
    m_adLink.SetWindowText(ad.caption);
    m_adTarget = ad.target;

    if (Wnd* title = GetDlgItem(kIdTitle)) title->SetFont(MainWindowSkin::TitleFont(), true);
    if (Edit* box = SearchBox()) {
        box->SetRect(box->GetClientRect().Offset(0, kSearchTextDrop));
        box->SetWindowText(MainSearch::kPlaceholder);
    }
    SetUpButtons();
    CreatePages();
    if (m_rotation.Flag() > 0) StartRotation();
    return true;
}

void ClmDlg::SetUpButtons() {
    SetUpMainButtons(*this, m_app.ApplicationDirectory() + "/styles");
    m_onlineTab.selected = 1;
    m_galleryTab.selected = 0;
    m_rotationButton.selected = m_rotation.Flag();
}

void ClmDlg::CreatePages() {
    m_onlinePage.Create(this);
    m_filterBar.Create(this);
    const Rect page = PageRect(GetClientRect());
    m_onlinePage.MoveWindow(page);
    m_filterBar.MoveWindow(page);
    m_onlinePage.ShowWindow(SW_SHOW);
    m_filterBar.ShowWindow(SW_HIDE);
    m_intervalPicker.Create(this);
    m_menuPanel.Create(this);
    m_settings.Create(this);
}

void ClmDlg::ApplyInterval(int index) {
    RotationInterval interval = Rotation::IntervalFor(index);
    if (interval.caption != nullptr) m_intervalButton.SetWindowText(interval.caption);
    m_periodMs = interval.periodMs;
    m_catchingUp = false;
    SetTimer(kRotationTimer, static_cast<UINT>(m_periodMs));
}

void ClmDlg::StartRotation() {
    ApplyInterval(m_rotation.IntervalIndex());
    const int first = m_rotation.FirstTickDelayMs();
    if (first < m_periodMs) {
        m_catchingUp = true;
        SetTimer(kRotationTimer, static_cast<UINT>(first));
    }
}

void ClmDlg::OnTimer(UINT id) {
    if (id != kRotationTimer) return;
    if (m_catchingUp) {
        m_catchingUp = false;
        SetTimer(kRotationTimer, static_cast<UINT>(m_periodMs));
    }
    m_rotation.Tick();
}

void ClmDlg::HideToTray() { m_tray.Hide(); }

void ClmDlg::ExitPath() {
    // The reply does not matter; the call returns once the request has ended either way.
    m_service.HttpGetText(ServiceClient::OperationUrl(m_serviceUrl, "exit"), m_app.deadlines.exit);
    m_onlinePage.DestroyWindow();
    m_filterBar.DestroyWindow();
    EndDialog(IDCANCEL);
}

LRESULT ClmDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TRAY_NOTIFY) {
        m_tray.OnNotify(wParam, lParam);
        return 1;
    }
    return Dialog::WindowProc(message, wParam, lParam);
}

bool ClmDlg::OnCommand(UINT id, UINT code, Wnd* control) {
    if (id == kIdSearchBox) {
        if (Edit* box = SearchBox()) {
            if (code == EN_SETFOCUS) m_search.FocusIn(*box);
            if (code == EN_KILLFOCUS) m_search.FocusOut(*box);
        }
        return true;
    }
    if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
    switch (id) {
        case kIdClose:
            CloseButton();
            return true;
        case kIdOnlineTab:
            SelectTab(m_onlineTab);
            return true;
        case kIdGalleryTab:
            SelectTab(m_galleryTab);
            return true;
        case kIdSearch:
            if (Edit* box = SearchBox()) m_search.SearchButton(*this, box->GetWindowText());
            return true;
        case kIdRotation:
            // The toggle changes the flag only; the timer runs on either way.
            m_rotationButton.selected = m_rotation.Toggle();
            m_rotationButton.Invalidate(true);
            return true;
        case kIdInterval:
            OpenIntervalPicker();
            return true;
        case kIdAddLocal:
            AddLocalWallpaper();
            return true;
        case kIdAdLink:
            OpenWebTarget(m_app.Ports().shell, m_adTarget);
            return true;
        case kIdHide:
            HideToTray();
            return true;
        case kIdMenu:
            OpenMenuPanel();
            return true;
        default:
            return Dialog::OnCommand(id, code, control);
    }
}

void ClmDlg::SelectTab(BTButton& tab) {
    // The selected fields of the tabs record which page shows; switching reloads nothing.
    if (tab.selected) return;
    const bool online = &tab == &m_onlineTab;
    m_onlineTab.selected = online ? 1 : 0;
    m_galleryTab.selected = online ? 0 : 1;
    m_onlinePage.ShowWindow(online ? SW_SHOW : SW_HIDE);
    m_filterBar.ShowWindow(online ? SW_HIDE : SW_SHOW);
    Invalidate(true);
}

void ClmDlg::OpenIntervalPicker() {
    m_intervalButton.hovered = 1;
    m_intervalPicker.MoveWindow(IntervalPickerRect(m_intervalButton.GetWindowRect()));
    m_intervalPicker.ShowWindow(SW_SHOW);
}

void ClmDlg::OpenMenuPanel() {
    m_menuPanel.MoveWindow(MenuPanelRect(GetCursorPos()));
    m_menuPanel.ShowWindow(SW_SHOW);
}

void ClmDlg::OpenSettings() {
    m_settings.MoveWindow(SettingsDialogRect(GetWindowRect()));
    m_settings.ShowWindow(SW_SHOW);
}

void ClmDlg::OpenHomePage() {
    std::string home = Config(ConfigPath()).ReadString(kKeyHomeUrl, kDefaultHomeUrl);
    OpenWebTarget(m_app.Ports().shell, home);
}

void ClmDlg::AddLocalWallpaper() {
    // JPEG pictures first; "All Files" lists every file, with or without an extension.
    const std::vector<FileFilter> types{{"Describe Files (*.jpg)", {"*.jpg"}},
                                        {"All Files (*.*)", {"*"}}};
    // The dialog has no owner window, so the main window does not wait behind it.
    std::optional<std::string> chosen = WindowSystem::Get().GetHost().OpenFileDialog(0, types);
    if (chosen) {
        std::filesystem::path path(*chosen);
        std::string extension = path.extension().string();
        if (!extension.empty()) extension.erase(0, 1);
        WallpaperFolder().AddLocalPicture(*chosen, path.stem().string(), extension);
    }
    // Both pages show the folder again, also when nothing was chosen.
    m_filterBar.ReloadPages();
}

void ClmDlg::CloseButton() {
    if (Config(ConfigPath()).ReadInt(kKeyCloseToTray, kDefaultCloseToTray) > 0) {
        HideToTray();
    } else {
        ExitPath();
    }
}

bool ClmDlg::RunAction(MainAction action) {
    switch (action) {
        case MainAction::Exit:
            ExitPath();
            return true;
        case MainAction::PostHomePage:
            PostMessage(WM_PANEL_COMMAND, static_cast<WPARAM>(kPanelHomePage), 0);
            break;
        case MainAction::CheckForUpdate: {
            bool exited = false;
            m_app.CheckForUpdate(GetSurface(), m_serviceUrl, [this, &exited] {
                ExitPath();
                exited = true;
            });
            return exited;
        }
        case MainAction::OpenSettings:
            OpenSettings();
            break;
        case MainAction::OpenHomePage:
            OpenHomePage();
            break;
        case MainAction::None:
            break;
    }
    return false;
}

void ClmDlg::ForwardWheel(const MouseEvent& wheel) {
    if (!m_galleryTab.selected) return;
    if (Wnd* page = m_filterBar.ShownPage()) page->SendMouse(WM_MOUSEWHEEL, wheel);
}

void ClmDlg::HidePickerUnlessHovered() {
    if (!m_intervalPicker.GetWindowRect().Contains(GetCursorPos()))
        m_intervalPicker.ShowWindow(SW_HIDE);
}

bool ClmDlg::EnterInSearchBox(const Msg& msg) {
    Edit* box = SearchBox();
    if (msg.message != WM_KEYDOWN || box == nullptr || msg.hwnd != box->GetSafeHwnd()) return false;
    if ((GetKeyState(VK_RETURN) & 0x8000) == 0) return false;
    m_search.Run(box->GetWindowText());
    return true;
}

bool ClmDlg::PreTranslateMessage(Msg& msg) {
    switch (msg.message) {
        case WM_COMMAND:
            if (RunAction(TrayCommandAction(msg.wParam))) return false;
            break;
        case WM_MOUSEWHEEL:
            if (msg.mouse) ForwardWheel(*msg.mouse);
            break;
        case WM_INTERVAL_PICKED:
            m_intervalButton.hovered = 0;
            m_intervalButton.Invalidate(true);
            ApplyInterval(static_cast<int>(msg.wParam));
            break;
        case WM_PANEL_COMMAND:
            if (RunAction(PanelCommandAction(msg.wParam))) return false;
            break;
        case WM_GALLERY_RELOAD:
            m_filterBar.ReloadShownPage();
            break;
        case WM_POPUP_LEAVE:
            HidePickerUnlessHovered();
            break;
        default:
            break;
    }
    // Enter in the search box searches at once. The key is swallowed, so neither the
    // default button nor a line break in the one-line box follows.
    if (EnterInSearchBox(msg)) return true;
    return Dialog::PreTranslateMessage(msg);
}

bool ClmDlg::OnEraseBkgnd(DC& dc) {
    Dialog::OnEraseBkgnd(dc);
    return MainWindowSkin::EraseBackground(dc, SkinPath("bg.png"));
}

Brush ClmDlg::OnCtlColor(DC& dc, Wnd& control, UINT /*ctlColor*/) {
    return MainWindowSkin::CtlColor(dc, &control == this ? 0 : control.GetDlgCtrlID());
}

void ClmDlg::OnDrawItem(int id, DrawItemInfo& info) {
    if (id == kIdIconArea && info.dc != nullptr) {
        MainWindowSkin::DrawIcon(*info.dc, m_programIcon);
        return;
    }
    Dialog::OnDrawItem(id, info);
}

int ClmDlg::OnNcHitTest(Point screen) {
    int hit = Dialog::OnNcHitTest(screen);
    // The whole background drags the window.
    return hit == HTCLIENT ? HTCAPTION : hit;
}

void ClmDlg::OnNcPaint() {
    if (m_tray.HideAtStart(CurrentDirectory(), m_app.ApplicationDirectory())) return;
    Dialog::OnNcPaint();
}

void ClmDlg::OnDestroy() {
    KillTimer(kRotationTimer);
    m_tray.RemoveIcon();
    Dialog::OnDestroy();
}

}  // namespace lumora
