#pragma once

#include <string>

#include "app/Config.h"
#include "app/ServiceClient.h"
#include "res/ControlIds.h"
#include "skin/BTButton.h"
#include "skin/BgButton.h"
#include "skin/SkinImage.h"
#include "skin/TButton.h"
#include "ui/LMDialog.h"
#include "ui/MainCommands.h"
#include "ui/MainSearch.h"
#include "ui/MainTray.h"
#include "ui/PPSET.h"
#include "ui/SCDIALOG.h"
#include "ui/Setting.h"
#include "ui/TimeDLG.h"
#include "wallpaper/Rotation.h"
#include "wnd/BackgroundJobs.h"
#include "wnd/Dialog.h"

namespace lumora {

class ClmApp;
class Edit;

// The rotation timer, the only timer of the main window.
inline constexpr UINT kRotationTimer = 1;

// The program's only top-level window: a borderless skinned dialog of 900 x 667 pixels that
// start-up runs modally for the whole life of the program. It owns every page, pop-up and
// button of the program, and every other window talks to it through posted messages that its
// pre-translation dispatches.
class ClmDlg : public Dialog {
public:
    // Sets the process-wide strings and reads the settings the window keeps in memory.
    explicit ClmDlg(ClmApp& app);
    ~ClmDlg() override;

    // Shows the interval's caption on the interval button and restarts the rotation timer.
    void ApplyInterval(int index);
    // ApplyInterval at start, with the first tick moved up to keep the rhythm of the last run.
    void StartRotation();
    // Hides the window to the notification area.
    void HideToTray();
    // Tells the service, closes the pages and ends the modal loop.
    void ExitPath();

    int StartHidden() const { return m_tray.StartHidden(); }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool PreTranslateMessage(Msg& msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT code, Wnd* control) override;
    bool OnEraseBkgnd(DC& dc) override;
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override;
    void OnDrawItem(int id, DrawItemInfo& info) override;
    int OnNcHitTest(Point screen) override;
    void OnNcPaint() override;
    void OnTimer(UINT id) override;
    void OnDestroy() override;

private:
    std::string SkinPath(const char* file) const;
    std::string ConfigPath() const;
    Edit* SearchBox() const;
    void SetUpButtons();
    void CreatePages();
    void SelectTab(BTButton& tab);
    void OpenIntervalPicker();
    void OpenMenuPanel();
    void OpenSettings();
    void OpenHomePage();
    void AddLocalWallpaper();
    void CloseButton();
    void ForwardWheel(const MouseEvent& wheel);
    void HidePickerUnlessHovered();
    // Runs a tray or panel command; answers true when it was the exit.
    bool RunAction(MainAction action);
    bool EnterInSearchBox(const Msg& msg);

    ClmApp& m_app;
    ServiceClient m_service;
    SkinImage m_programIcon;
    MainTray m_tray;
    BgButton m_menuButton;
    BgButton m_hideButton;
    BgButton m_closeButton;
    BTButton m_onlineTab;
    BTButton m_galleryTab;
    LMDialog m_onlinePage;
    SCDIALOG m_filterBar;
    BgButton m_searchButton;
    Config m_config;
    BackgroundJobs m_rotationJobs;
    Rotation m_rotation;
    BTButton m_rotationButton;
    BTButton m_intervalButton;
    BTButton m_addButton;
    TButton m_adLink;
    std::string m_serviceUrl;
    std::string m_adTarget;
    TimeDLG m_intervalPicker;
    PPSET m_menuPanel;
    Setting m_settings;
    MainSearch m_search;
    int m_periodMs = 0;
    // The running timer 1 counts down the rest of an interval; at its tick the full period
    // takes over.
    bool m_catchingUp = false;
};

}  // namespace lumora
