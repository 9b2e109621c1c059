#pragma once

// Stand-ins for the program's skinned windows, built from their real dialog templates and
// configured as those windows configure their buttons, so that a test can show every button
// on the background it really sits on.
#include <memory>
#include <string>
#include <vector>

#include "res/DialogTemplates.h"
#include "skin/BTButton.h"
#include "skin/BgButton.h"
#include "skin/ColorFromHex.h"
#include "skin/MainWindowSkin.h"
#include "skin/SkinBackground.h"
#include "skin/SkinImage.h"
#include "skin/TButton.h"
#include "wnd/Dialog.h"

namespace lumora::skintest {

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
        BindControl(1042, tag);
        BindControl(1043, del);
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
        if (Wnd* area = GetDlgItem(1037)) m_picture.Draw(dc, area->RectInParent());
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
        BindControl(1035, all);
        BindControl(1036, favourites);
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

protected:
    void DoDataExchange() override {
        BindControl(1000, menu);
        BindControl(1001, hide);
        BindControl(1002, close);
        BindControl(1005, libraryTab);
        BindControl(1006, mineTab);
        BindControl(1008, search);
        BindControl(1013, rotation);
        BindControl(1014, interval);
        BindControl(1016, add);
        BindControl(1017, link);
    }
    bool OnInitDialog() override {
        MoveWindow(0, 0, 900, 667);
        SetWindowText("Lumora");
        GetDlgItem(1004)->SetFont(MainWindowSkin::TitleFont());
        GetDlgItem(1007)->SetWindowText("找壁纸");
        for (auto [button, name] : {std::pair{&close, "close"}, std::pair{&hide, "suoxiao"},
                                    std::pair{&menu, "xiala"}}) {
            button->kind = BGK_TITLE;
            button->SetImages(Skin(name) + ".png", Skin(name) + "_hover.png");
        }
        SetUpTab(libraryTab, "lmk", Rect::FromXywh(5, 36, 123, 30));
        SetUpTab(mineTab, "wdlm", Rect::FromXywh(130, 36, 123, 30));
        mineTab.selected = 1;
        rotation.style = BTS_TOGGLE;
        rotation.drawImages = true;
        rotation.selected = 1;
        rotation.SetImages(Skin("bf_btn.png"), Skin("zt_btn.png"));
        rotation.MoveWindow(10, 616, 98, 29);
        interval.style = BTS_POPUP;
        interval.drawImages = true;
        interval.SetImages(Skin("time_btn.png"), Skin("time_btn_press.png"));
        interval.MoveWindow(120, 616, 126, 29);
        interval.SetWindowText("每五分钟");
        add.style = BTS_TOGGLE;
        add.drawImages = true;
        add.SetImages(Skin("bd_btn.png"), Skin("bd_btn_hover.png"));
        add.MoveWindow(750, 616, 130, 29);
        link.color = ColorFromHex("#4B8AF1");
        link.mode = TBM_HIGHLIGHT;
        link.pinned = 1;
        search.kind = BGK_STRETCH;
        search.SetImages(Skin("search-btn.png"), "");
        search.MoveWindow(853, 37, 31, 23);
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
    void SetUpTab(BTButton& tab, const std::string& name, const Rect& rect) {
        tab.style = BTS_TAB;
        tab.drawImages = true;
        tab.MoveWindow(rect);
        tab.SetImages(Skin(name + ".png"), Skin(name + "_press.png"));
    }

    std::string m_styles;
    SkinImage m_icon;
};

// The menu panel with its three items.
class MenuPanel : public SkinnedDialog {
public:
    explicit MenuPanel(std::string styles)
        : SkinnedDialog(kMenuPanelTemplate, styles + "/xiala_bg.png"), m_styles(std::move(styles)) {}

    BTButton items[3];

protected:
    void DoDataExchange() override {
        for (int i = 0; i < 3; ++i) BindControl(1018 + i, items[i]);
    }
    bool OnInitDialog() override {
        const char* names[] = {"setting", "home", "exit"};
        for (int i = 0; i < 3; ++i) {
            items[i].style = BTS_PANEL_ITEM;
            items[i].drawImages = true;
            items[i].SetImages(m_styles + "/" + names[i] + ".png",
                               m_styles + "/" + names[i] + "_hover.png");
            items[i].MoveWindow(2, 45 + 27 * i, 127, 26);
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
        : SkinnedDialog(kSettingsTemplate, styles + "/setting_bg.png"), m_styles(std::move(styles)) {}

    BgButton close, ok, cancel, browse;

protected:
    void DoDataExchange() override {
        BindControl(1034, close);
        BindControl(IDOK, ok);
        BindControl(IDCANCEL, cancel);
        BindControl(1028, browse);
    }
    bool OnInitDialog() override {
        struct Setup {
            BgButton* button;
            int kind;
            const char* name;
        };
        for (Setup s : {Setup{&close, BGK_TITLE, "close"}, Setup{&ok, BGK_DIALOG, "queding"},
                        Setup{&cancel, BGK_DIALOG, "quxiao"}, Setup{&browse, BGK_BROWSE, "liulan"}}) {
            s.button->kind = s.kind;
            s.button->SetImages(m_styles + "/" + s.name + ".png",
                                m_styles + "/" + s.name + "_hover.png");
        }
        CheckDlgButton(1022, BST_CHECKED);
        CheckDlgButton(1024, BST_CHECKED);
        SetDlgItemText(1027, "/home/user/Pictures");
        SetDlgItemText(1029, "壁纸下磁盘剩余空间:37GB");
        return true;
    }
    Brush OnCtlColor(DC& dc, Wnd& control, UINT ctlColor) override {
        if (&control != this && control.GetDlgCtrlID() == 1027) {
            dc.SetBkMode(TRANSPARENT);
            return Brush::SolidColor(ColorFromHex("#ededed"));
        }
        if (&control != this && control.GetDlgCtrlID() == 1032) dc.SetTextColor(RGB(255, 255, 255));
        return SkinnedDialog::OnCtlColor(dc, control, ctlColor);
    }

private:
    std::string m_styles;
};

// The interval picker: seven items drawn from colour and text on the plain dialog face.
class IntervalPicker : public Dialog {
public:
    IntervalPicker() : Dialog(DialogResource(kIntervalPickerTemplate)) {}

    BTButton items[7];

protected:
    void DoDataExchange() override {
        for (int i = 0; i < 7; ++i) BindControl(1015 + i, items[i]);
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
