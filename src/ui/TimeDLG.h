#pragma once

#include <array>

#include "res/ControlIds.h"
#include "skin/BTButton.h"
#include "ui/DropDown.h"

namespace lumora {

// The interval picker: a pop-up list of the seven rotation intervals above the interval
// button. A pick is stored in the settings and posted to the main window as
// WM_INTERVAL_PICKED; the picker then hides.
class TimeDLG : public DropDown {
public:
    TimeDLG();

    BTButton& Entry(int index) { return m_entries.at(static_cast<std::size_t>(index)); }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, Wnd* control) override;

private:
    // Where entry `index` sits in the picker once it is initialised.
    static Rect EntryRect(int index);
    void Pick(int index);

    std::array<BTButton, kIntervalEntries> m_entries;
};

}  // namespace lumora
