#include "wnd/RadioButton.h"

#include <algorithm>

namespace lumora {

void RadioButton::OnClicked() {
    if (ButtonType() != BS_AUTORADIOBUTTON) return;
    SetCheck(BST_CHECKED);
    Wnd* parent = GetParent();
    if (parent == nullptr) return;
    const auto& siblings = parent->Children();
    const auto self = std::find(siblings.begin(), siblings.end(), this);
    if (self == siblings.end()) return;
    auto first = self;
    while (first != siblings.begin() && ((*first)->GetStyle() & WS_GROUP) == 0) --first;
    auto last = self + 1;
    while (last != siblings.end() && ((*last)->GetStyle() & WS_GROUP) == 0) ++last;
    for (auto it = first; it != last; ++it) {
        auto* radio = dynamic_cast<RadioButton*>(*it);
        if (radio != nullptr && radio != this && radio->ButtonType() == BS_AUTORADIOBUTTON)
            radio->SetCheck(BST_UNCHECKED);
    }
}

void RadioButton::DrawMark(DC& dc, const Rect& dot) {
    dc.FillEllipse(dot, RGB(255, 255, 255));
    dc.FrameEllipse(dot, RGB(51, 51, 51));
    if (GetCheck() == BST_CHECKED)
        dc.FillEllipse({dot.left + 4, dot.top + 4, dot.right - 4, dot.bottom - 4}, RGB(51, 51, 51));
}

}  // namespace lumora
