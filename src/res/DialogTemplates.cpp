#include "res/DialogTemplates.h"

#include <cstdlib>
#include <map>

#include "platform/Host.h"
#include "res/ControlIds.h"
#include "wnd/Styles.h"

namespace lumora {

namespace {

// Every template uses the shell dialog font with these two styles.
constexpr DWORD kFontStyles = DS_SETFONT | DS_FIXEDSYS;
constexpr DWORD kOwnerDrawn = BS_OWNERDRAW | WS_TABSTOP;

// The templates, by resource id.
const std::map<int, DialogTemplate>& Templates() {
    static const std::map<int, DialogTemplate> templates = [] {
        const DialogTemplate all[] = {
            {.id = kMainWindowTemplate,
             .style = WS_POPUP | WS_VISIBLE | WS_SYSMENU | kFontStyles,
             .exStyle = WS_EX_APPWINDOW,
             .cx = 517,
             .cy = 383,
             .items =
                 {
                     {kIdIconArea, "Static", "", 0, 0, 29, 21, SS_OWNERDRAW, WS_EX_TRANSPARENT},
                     {kIdTitle, "Static", "Lumora", 30, 5, 40, 11, SS_LEFT},
                     {kIdMenu, "Button", "设置", 461, 1, 19, 14, kOwnerDrawn},
                     {kIdHide, "Button", "最小", 478, 1, 19, 14, kOwnerDrawn},
                     {kIdClose, "Button", "关闭", 496, 1, 19, 14, kOwnerDrawn},
                     {kIdOnlineTab, "Button", "壁纸库", 17, 23, 55, 14, kOwnerDrawn},
                     {kIdGalleryTab, "Button", "我的壁纸", 72, 23, 53, 14, kOwnerDrawn},
                     {kIdSearchBox, "Edit", "", 382, 21, 106, 12,
                      ES_MULTILINE | ES_AUTOHSCROLL | WS_TABSTOP},
                     {kIdSearch, "Button", "搜索", 489, 20, 18, 14, kOwnerDrawn},
                     {kIdRotation, "Button", "自动更换", 9, 354, 50, 14, kOwnerDrawn},
                     {kIdInterval, "Button", "每三分钟", 73, 355, 50, 14, kOwnerDrawn},
                     {kIdAddLocal, "Button", "添加本地壁纸", 429, 354, 50, 14, kOwnerDrawn},
                     {kIdAdLink, "Button", "Lumora最新版本检查更新", 321, 355, 83, 8, kOwnerDrawn},
                 }},
            {.id = kOnlinePageTemplate,
             .style = WS_CHILD | kFontStyles,
             .cx = 440,
             .cy = 307,
             .items = {{kIdLibraryView, "Static", "", 7, 7, 426, 293, SS_LEFT}}},
            {.id = kFilterBarTemplate,
             .style = WS_CHILD | WS_SYSMENU | kFontStyles,
             .exStyle = WS_EX_TRANSPARENT,
             .cx = 320,
             .cy = 200,
             .items =
                 {
                     {kIdFilterAll, "Button", "全部", 7, 11, 50, 14, kOwnerDrawn},
                     {kIdFilterFavourites, "Button", "收藏", 56, 11, 50, 14, kOwnerDrawn},
                 }},
            {.id = kMenuPanelTemplate,
             .style = WS_POPUP | WS_SYSMENU | kFontStyles,
             .cx = 85,
             .cy = 96,
             .items =
                 {
                     {kIdPanelSettings, "Button", "参数设置", 1, 25, 50, 14, kOwnerDrawn},
                     {kIdPanelHomePage, "Button", "官方网站", 1, 42, 50, 14, kOwnerDrawn},
                     {kIdPanelExit, "Button", "退出", 1, 60, 50, 14, kOwnerDrawn},
                     {kIdPanelTitle, "Static", "Lumora", 18, 6, 28, 8, SS_LEFT},
                 }},
            {.id = kSettingsTemplate,
             .style = WS_POPUP | WS_SYSMENU | kFontStyles,
             .cx = 239,
             .cy = 222,
             .items =
                 {
                     {kIdSettingsTitle, "Static", "参数设置", 18, 4, 28, 8, SS_LEFT | WS_GROUP},
                     {kIdSettingsClose, "Button", "关闭", 213, 1, 17, 14, kOwnerDrawn},
                     {kIdAutostartHeading, "Static", "开机启动", 11, 29, 28, 8, SS_LEFT | WS_GROUP},
                     {kIdAutostartBox, "Button", "开机自动运行软件", 21, 45, 71, 10,
                      BS_AUTOCHECKBOX | WS_TABSTOP},
                     {-1, "Static", "窗口关闭时", 13, 66, 35, 8, SS_LEFT | WS_GROUP},
                     {kIdHideOnClose, "Button", "隐藏到任务栏", 27, 80, 57, 10, BS_AUTORADIOBUTTON},
                     {kIdExitOnClose, "Button", "退出", 27, 96, 30, 10, BS_AUTORADIOBUTTON},
                     {kIdCollectionHeading, "Static", "收藏目录", 15, 119, 28, 8,
                      SS_LEFT | WS_GROUP},
                     {kIdCollectionField, "Edit", "", 29, 137, 128,
                      14, ES_READONLY | ES_MULTILINE | ES_AUTOHSCROLL | WS_TABSTOP},
                     {kIdBrowse, "Button", "浏览", 160, 137, 39, 14, kOwnerDrawn},
                     {kIdFreeSpace, "Static", "壁纸下磁盘剩余空间", 32, 158, 101, 8,
                      SS_LEFT | WS_GROUP},
                     {IDOK, "Button", "确定", 104, 192, 50, 14, kOwnerDrawn},
                     {IDCANCEL, "Button", "取消", 168, 192, 50, 14, kOwnerDrawn},
                 }},
            {.id = kGalleryPageTemplate,
             .style = WS_CHILD | kFontStyles,
             .exStyle = WS_EX_TRANSPARENT,
             .cx = 320,
             .cy = 200},
            {.id = kThumbnailCardTemplate,
             .style = WS_CHILD | kFontStyles,
             .cx = 127,
             .cy = 73,
             .items =
                 {
                     {kIdCardPicture, "Static", "", 1, 0, 124, 71, SS_OWNERDRAW, WS_EX_TRANSPARENT},
                     {kIdCardTag, "Button", "设为壁纸", 1, 57, 116, 14, kOwnerDrawn,
                      WS_EX_TRANSPARENT},
                     {kIdCardDelete, "Button", "删除", 101, 1, 18, 14, kOwnerDrawn},
                 }},
            {.id = kIntervalPickerTemplate,
             .style = WS_POPUP | WS_SYSMENU | kFontStyles,
             .cx = 107,
             .cy = 103,
             .pointSize = 8,
             .items =
                 {
                     {kIdFirstInterval + 0, "Button", "每三分钟", 1, 1, 74, 14, kOwnerDrawn},
                     {kIdFirstInterval + 1, "Button", "每五分钟", 1, 15, 73, 14, kOwnerDrawn},
                     {kIdFirstInterval + 2, "Button", "每十分钟", 1, 28, 74, 14, kOwnerDrawn},
                     {kIdFirstInterval + 3, "Button", "每二十分钟", 1, 42, 73, 14, kOwnerDrawn},
                     {kIdFirstInterval + 4, "Button", "每三十分钟", 1, 55, 72, 14, kOwnerDrawn},
                     {kIdFirstInterval + 5, "Button", "每小时", 1, 70, 71, 14, kOwnerDrawn},
                     {kIdFirstInterval + 6, "Button", "每天", 1, 84, 70, 14, kOwnerDrawn},
                 }},
        };
        std::map<int, DialogTemplate> m;
        for (const DialogTemplate& t : all) m.emplace(t.id, t);
        return m;
    }();
    return templates;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    auto it = Templates().find(id);
    return it == Templates().end() ? nullptr : &it->second;
}

const DialogTemplate& DialogResource(int id) {
    const DialogTemplate* t = FindDialogTemplate(id);
    // Asking for a template the program does not have is a programming error.
    if (t == nullptr) std::abort();
    return *t;
}

}  // namespace lumora
