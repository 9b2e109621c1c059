#include "skin/TButton.h"

#include "skin/ColorFromHex.h"

namespace lumora {

namespace {

// DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_TABSTOP.
constexpr UINT kCaptionFormat = 0xA5;

}  // namespace

void TButton::DrawItem(DrawItemInfo& info) {
    DC& dc = *info.dc;
    std::string caption = GetWindowText();
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(mode == TBM_HIGHLIGHT ? color : RGB(0, 0, 0));
    Rect rect = info.rcItem;
    dc.DrawText(caption, rect, kCaptionFormat);

    std::unique_ptr<DC> window = GetWindowDC();
    if (!window) return;
    Rect bounds = GetWindowRect();
    ColorRef line = (mode == TBM_HIGHLIGHT || pinned == 1) ? color : ColorFromHex("#d3d3d3");
    window->FillSolidRect(Rect::FromXywh(0, bounds.Height() - 1, bounds.Width(), 1), line);
}

void TButton::HoverRule() {
    if (mode == TBM_NORMAL) mode = TBM_HIGHLIGHT;
}

// A pinned link ignores the leave.
void TButton::LeaveRule() {
    if (mode == TBM_HIGHLIGHT && pinned == 0) mode = TBM_NORMAL;
}

bool TButton::OnSetCursor(Wnd&, int, UINT) {
    SetCursor(CursorShape::Hand);
    return true;
}

}  // namespace lumora
