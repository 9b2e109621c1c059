#include "ui/TimeDLG.h"

#include "app/Config.h"
#include "app/ConfigKeys.h"
#include "app/ProcessStrings.h"
#include "res/DialogTemplates.h"

namespace lumora {

namespace {

constexpr int kEntryLeft = 3;
constexpr int kEntryTop = 5;
constexpr int kEntryStep = 25;
constexpr int kEntryWidth = 117;
constexpr int kEntryHeight = 20;

}  // namespace

TimeDLG::TimeDLG() : DropDown(DialogResource(kIntervalPickerTemplate)) {}

Rect TimeDLG::EntryRect(int index) {
    return Rect::FromXywh(kEntryLeft, kEntryTop + kEntryStep * index, kEntryWidth, kEntryHeight);
}

void TimeDLG::DoDataExchange() {
    for (int i = 0; i < kIntervalEntries; ++i) BindControl(kIdFirstInterval + i, Entry(i));
}

bool TimeDLG::OnInitDialog() {
    DropDown::OnInitDialog();
    for (int i = 0; i < kIntervalEntries; ++i) {
        BTButton& entry = Entry(i);
        entry.style = BTS_MENU_ITEM;
        entry.SetImages("", "");
        entry.MoveWindow(EntryRect(i), true);
    }
    return true;
}

bool TimeDLG::OnCommand(UINT id, UINT code, Wnd* control) {
    const int index = static_cast<int>(id) - kIdFirstInterval;
    if (code != BN_CLICKED || index < 0 || index >= kIntervalEntries)
        return DropDown::OnCommand(id, code, control);
    Pick(index);
    return true;
}

void TimeDLG::Pick(int index) {
    // A failed write only loses the choice for the next start; the running program applies it.
    Config(Strings().applicationDirectory + "/conf.ini").WriteInt(kKeyAutoTime, index);
    if (Wnd* parent = GetParent())
        parent->PostMessage(WM_INTERVAL_PICKED, static_cast<WPARAM>(index), 0);
    ShowWindow(SW_HIDE);
}

}  // namespace lumora
