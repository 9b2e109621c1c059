#pragma once

#include <string>

#include "wnd/Wnd.h"

namespace lumora {

// A push button (owner-drawn or plain) and the base of check boxes and radio buttons. The
// mouse is captured between press and release; only a release over the button that had the
// press is a click, and a click posts WM_COMMAND with BN_CLICKED to the parent.
class Button : public Wnd {
public:
    bool Create(const std::string& text, DWORD style, const Rect& rect, Wnd* parent, int id);

    int GetCheck() const { return m_check; }
    void SetCheck(int check);
    bool IsPressed() const { return m_pressed; }
    DWORD ButtonType() const { return GetStyle() & BS_TYPEMASK; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnLButtonDown(UINT flags, Point point) override;
    void OnLButtonUp(UINT flags, Point point) override;
    void OnPaint(DC& dc) override;
    // A click completed, before the parent hears of it (check boxes toggle here).
    virtual void OnClicked() {}
    // Fills the background with the brush the parent answers for `ctlColor`; answers the brush.
    Brush PaintBackground(DC& dc, UINT ctlColor);

private:
    bool m_pressed = false;
    int m_check = BST_UNCHECKED;
};

}  // namespace lumora
