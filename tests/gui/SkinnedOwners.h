#pragma once

// Stand-ins for the program's skinned windows, built from their real dialog templates and
// configured as those windows configure their buttons, so that a test can show every button
// on the background it really sits on.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "res/ControlIds.h"
#include "res/DialogTemplates.h"
#include "skin/BTButton.h"
#include "skin/BgButton.h"
#include "skin/ColorFromHex.h"
#include "skin/MainWindowSkin.h"
#include "skin/SkinBackground.h"
#include "skin/SkinImage.h"
#include "skin/TButton.h"
#include "ui/MainWindowButtons.h"
#include "ui/PPSET.h"
#include "ui/Setting.h"
#include "wnd/Dialog.h"

namespace lumora::skintest {

// A file the product's tables name relative to the application directory, the skin folder's
// parent.
inline std::string AppFile(const std::string& styles, const char* relative) {
    return std::filesystem::path(styles).parent_path().string() + relative;
}

// A dialog whose erase stretches one skin file over it and whose children are transparent.
class SkinnedDialog : public Dialog {
public:
    SkinnedDialog(int templateId, std::string background)
        : Dialog(DialogResource(templateId)), m_background(std::move(background)) {}

protected:
    bool OnEraseBkgnd(DC& dc) override {
        return DrawSkinBackground(*this, dc, m_background, Dialog::OnEraseBkgnd(dc));
    }
    Brush OnCtlColor(DC& dc, Wnd&, UINT) override { return TransparentCtlColor(dc); }

private:
    std::string m_background;
};

// A thumbnail card showing the placeholder picture, its two buttons shown or hidden.
class Card : public SkinnedDialog {
public:
    explicit Card(std::string styles)
        : SkinnedDialog(kThumbnailCardTemplate, ""), m_styles(std::move(styles)) {}

    BgButton tag;
    BgButton del;

protected:
    void DoDataExchange() override {
        BindControl(kIdCardTag, tag);
        BindControl(kIdCardDelete, del);
    }
    bool OnInitDialog() override {
        tag.ShowWindow(SW_HIDE);
        del.ShowWindow(SW_HIDE);
        tag.kind = BGK_SPLIT;
        tag.SetSplitImages(m_styles + "/tag.png", m_styles + "/TAG-L.png", m_styles + "/TAG-R.png");
        tag.MoveWindow(2, 77, 202, 32);
        del.kind = BGK_STRETCH;
        del.SetImages(m_styles + "/del.png", "");
        del.MoveWindow(180, 2, 19, 19);
        m_picture.Load(m_styles + "/normal.jpg");
        return true;
    }
    bool OnEraseBkgnd(DC&) override { return false; }
    void OnPaint(DC& dc) override {
        if (Wnd* area = GetDlgItem(kIdCardPicture)) m_picture.Draw(dc, area->RectInParent());
    }

private:
    std::string m_styles;
    SkinImage m_picture;
};

// The local gallery's filter bar with a row of cards (standing in for its gallery page).
class FilterBar : public SkinnedDialog {
public:
    explicit FilterBar(std::string styles)
        : SkinnedDialog(kFilterBarTemplate, styles + "/sc.png"), m_styles(std::move(styles)) {}

    TButton all;
    TButton favourites;
    std::vector<std::unique_ptr<Card>> cards;

protected:
    void DoDataExchange() override {
        BindControl(kIdFilterAll, all);
        BindControl(kIdFilterFavourites, favourites);
    }
    bool OnInitDialog() override {
        all.mode = TBM_HIGHLIGHT;
        all.pinned = 1;
        all.tag = 1;
        all.color = ColorFromHex("#4B8AF1");
        all.MoveWindow(0, 0, 160, 32);
        favourites.tag = 2;
        favourites.color = ColorFromHex("#4B8AF1");
        favourites.MoveWindow(160, 0, 160, 32);
        for (int i = 0; i < 8; ++i) {
            cards.push_back(std::make_unique<Card>(m_styles));
            cards.back()->Create(this);
            cards.back()->MoveWindow(12 + (i % 4) * 220, 44 + (i / 4) * 124, 205, 112);
            cards.back()->ShowWindow(SW_SHOW);
        }
        return true;
    }

private:
    std::string m_styles;
};

// The main window: frame buttons, tabs, search, the bottom bar and the ad link, showing the
// "my wallpapers" page.
class MainWindow : public Dialog {
public:
    explicit MainWindow(std::string styles)
        : Dialog(DialogResource(kMainWindowTemplate)), bar(styles), m_styles(std::move(styles)) {}

    BgButton menu, hide, close, search;
    BTButton libraryTab, mineTab, rotation, interval, add;
    TButton link;
    FilterBar bar;
    int buttonsSetUp = 0;  // the buttons of the product's table found with their class

protected:
    void DoDataExchange() override {
        BindControl(kIdMenu, menu);
        BindControl(kIdHide, hide);
        BindControl(kIdClose, close);
        BindControl(kIdOnlineTab, libraryTab);
        BindControl(kIdGalleryTab, mineTab);
        BindControl(kIdSearch, search);
        BindControl(kIdRotation, rotation);
        BindControl(kIdInterval, interval);
        BindControl(kIdAddLocal, add);
        BindControl(kIdAdLink, link);
    }
    bool OnInitDialog() override {
        MoveWindow(0, 0, 900, 667);
        SetWindowText("Lumora");
        GetDlgItem(kIdTitle)->SetFont(MainWindowSkin::TitleFont());
        GetDlgItem(kIdSearchBox)->SetWindowText("找壁纸");
        buttonsSetUp = SetUpMainButtons(*this, m_styles);
        mineTab.selected = 1;
        rotation.selected = 1;
        interval.SetWindowText("每五分钟");
        MainWindowSkin::LoadProgramIcon(m_icon, m_styles + "/lumo_32.png");

        bar.Create(this);
        bar.MoveWindow(1, 67, 898, 524);
        bar.ShowWindow(SW_SHOW);
        return false;
    }
    bool OnEraseBkgnd(DC& dc) override {
        Dialog::OnEraseBkgnd(dc);
        return MainWindowSkin::EraseBackground(dc, Skin("bg.png"));
    }
    Brush OnCtlColor(DC& dc, Wnd& control, UINT) override {
        return MainWindowSkin::CtlColor(dc, &control == this ? 0 : control.GetDlgCtrlID());
    }
    void OnPaint(DC& dc) override { MainWindowSkin::DrawIcon(dc, m_icon); }

private:
    std::string Skin(const std::string& name) const { return m_styles + "/" + name; }

    std::string m_styles;
    SkinImage m_icon;
};

// The menu panel with its three items.
class MenuPanel : public SkinnedDialog {
public:
    explicit MenuPanel(std::string styles)
        : SkinnedDialog(kMenuPanelTemplate, styles + "/xiala_bg.png"),
          m_styles(std::move(styles)) {}

    BTButton items[3];

protected:
    void DoDataExchange() override {
        for (int i = 0; i < 3; ++i) BindControl(kPanelItems[i].id, items[i]);
    }
    bool OnInitDialog() override {
        for (int i = 0; i < 3; ++i) {
            items[i].style = BTS_PANEL_ITEM;
            items[i].drawImages = true;
            items[i].SetImages(AppFile(m_styles, kPanelItems[i].normalImage),
                               AppFile(m_styles, kPanelItems[i].hoverImage));
            items[i].MoveWindow(kPanelItems[i].rect);
        }
        Rect window = GetWindowRect();
        SetWindowRgn(RoundRect{Rect{0, 0, window.Width(), window.Height()}, 5, 5});
        return true;
    }

private:
    std::string m_styles;
};

// The settings dialog with its four image buttons.
class SettingsDialog : public SkinnedDialog {
public:
    explicit SettingsDialog(std::string styles)
        : SkinnedDialog(kSettingsTemplate, styles + "/setting_bg.png"),
          m_styles(std::move(styles)) {}

    BgButton close, ok, cancel, browse;

protected:
    void DoDataExchange() override {
        for (const SettingsButton& entry : kSettingsButtons)
            BindControl(entry.id, Button(entry.id));
    }
    bool OnInitDialog() override {
        for (const SettingsButton& entry : kSettingsButtons) {
            Button(entry.id).kind = entry.kind;
            Button(entry.id).SetImages(AppFile(m_styles, entry.normalImage),
                                       AppFile(m_styles, entry.hoverImage));
        }
        CheckDlgButton(kIdAutostartBox, BST_CHECKED);
        CheckDlgButton(kIdHideOnClose, BST_CHECKED);
        SetDlgItemText(kIdCollectionField, "/home/user/Pictures");
        SetDlgItemText(kIdFreeSpace, "壁纸下磁盘剩余空间:37GB");
        return true;
    }
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override {
        if (&control != this && control.GetDlgCtrlID() == kIdCollectionField) {
            dc.SetBkMode(TRANSPARENT);
            return Brush::SolidColor(ColorFromHex("#ededed"));
        }
        if (&control != this && control.GetDlgCtrlID() == kIdSettingsTitle)
            dc.SetTextColor(RGB(255, 255, 255));
        return SkinnedDialog::OnCtlColor(dc, control, ctlColor);
    }

private:
    BgButton& Button(int id) {
        switch (id) {
            case kIdSettingsClose:
                return close;
            case IDOK:
                return ok;
            case IDCANCEL:
                return cancel;
            default:
                return browse;
        }
    }

    std::string m_styles;
};

// The interval picker: seven items drawn from colour and text on the plain dialog face.
class IntervalPicker : public Dialog {
public:
    IntervalPicker() : Dialog(DialogResource(kIntervalPickerTemplate)) {}

    BTButton items[7];

protected:
    void DoDataExchange() override {
        for (int i = 0; i < kIntervalEntries; ++i) BindControl(kIdFirstInterval + i, items[i]);
    }
    bool OnInitDialog() override {
        for (int i = 0; i < 7; ++i) {
            items[i].style = BTS_MENU_ITEM;
            items[i].SetImages("", "");
            items[i].MoveWindow(3, 5 + 25 * i, 117, 20);
        }
        return true;
    }
};

}  // namespace lumora::skintest
