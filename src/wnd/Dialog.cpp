#include "wnd/Dialog.h"

#include <algorithm>

#include "wnd/Button.h"
#include "wnd/CheckBox.h"
#include "wnd/Edit.h"
#include "wnd/RadioButton.h"
#include "wnd/Static.h"
#include "wnd/WindowSystem.h"

namespace lumora {

Dialog::Dialog(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {}

Dialog::~Dialog() { DestroyWindow(); }

void Dialog::BindControl(int id, Wnd& control) { m_bound[id] = &control; }

bool Dialog::Create(Wnd* parent) {
    if (IsWindow()) return false;
    const DialogUnits units = Units();
    Rect rect = units.ToPixels(m_template.x, m_template.y, m_template.cx, m_template.cy);
    // A pop-up's template position is relative to its owner's client area.
    if ((m_template.style & WS_CHILD) == 0 && parent != nullptr && parent->IsWindow()) {
        const Point origin = parent->ClientToScreen(Point{0, 0});
        rect = rect.Offset(origin.x, origin.y);
    }
    m_ended = false;
    if (!CreateEx(m_template.exStyle, m_template.caption, m_template.style & ~WS_VISIBLE, rect,
                  parent, 0))
        return false;
    SetFont(Font{m_template.fontFace, m_template.pointSize}, false);
    DoDataExchange();
    CreateControls();
    if (OnInitDialog() && IsWindow()) {
        if (Wnd* first = NextTabStop(nullptr, false)) first->SetFocus();
    }
    if (IsWindow() && (m_template.style & WS_VISIBLE) != 0 && !m_ended) ShowWindow(SW_SHOW);
    return IsWindow();
}

std::unique_ptr<Wnd> Dialog::MakeControl(const DialogItem& item) const {
    if (item.className == "Edit") return std::make_unique<Edit>();
    if (item.className == "Static") return std::make_unique<Static>();
    switch (item.style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return std::make_unique<CheckBox>();
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return std::make_unique<RadioButton>();
        default:
            return std::make_unique<Button>();
    }
}

void Dialog::CreateControls() {
    const DialogUnits units = Units();
    const Font font{m_template.fontFace, m_template.pointSize};
    for (const DialogItem& item : m_template.items) {
        Wnd* control = nullptr;
        auto bound = m_bound.find(item.id);
        if (bound != m_bound.end() && !bound->second->IsWindow()) {
            control = bound->second;
        } else {
            m_ownControls.push_back(MakeControl(item));
            control = m_ownControls.back().get();
        }
        control->SetFont(font, false);
        control->CreateEx(item.exStyle, item.text, item.style | WS_CHILD | WS_VISIBLE,
                          units.ToPixels(item.x, item.y, item.cx, item.cy), this, item.id);
    }
}

int Dialog::DoModal(Wnd* owner) {
    m_modal = true;
    if (!Create(owner)) {
        m_modal = false;
        return -1;
    }
    if (!m_ended && !IsVisibleFlag()) ShowWindow(SW_SHOWNORMAL);
    if (!m_ended) SetForegroundWindow();
    WindowSystem::Get().GetHost().RunLoop([this] { return !m_ended && IsWindow(); });
    m_modal = false;
    DestroyWindow();
    return m_result;
}

void Dialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    ShowWindow(SW_HIDE);
    // The loop looks at the flag again once it wakes.
    WindowSystem::Get().GetHost().Wake();
}

bool Dialog::OnCommand(UINT id, UINT code, Wnd*) {
    if (code != BN_CLICKED) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool Dialog::OnEraseBkgnd(DC& dc) {
    const Brush brush = SendCtlColor(dc, *this, CTLCOLOR_DLG);
    dc.FillRect(GetClientRect(), brush);
    return brush.kind != Brush::Hollow;
}

void Dialog::OnClose() { SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

bool Dialog::PreTranslateMessage(Msg& msg) { return IsDialogMessage(msg); }

bool Dialog::IsDialogMessage(Msg& msg) {
    // A child dialog leaves its keys to the dialog that holds it.
    if ((GetStyle() & WS_CHILD) != 0) return false;
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
    Wnd* target = FromHandle(msg.hwnd);
    if (target == nullptr || (target != this && !IsChild(target))) return false;
    const UINT key = static_cast<UINT>(msg.wParam);
    if (msg.message == WM_CHAR) return key == '\r' || key == 0x1B || key == '\t';
    Wnd* focus = GetFocus();
    switch (key) {
        case VK_RETURN: {
            if (focus != nullptr && dynamic_cast<Edit*>(focus) != nullptr &&
                (focus->GetStyle() & (ES_MULTILINE | ES_WANTRETURN)) ==
                    (ES_MULTILINE | ES_WANTRETURN))
                return false;
            UINT id = IDOK;
            for (Wnd* child : Children())
                if (dynamic_cast<Button*>(child) != nullptr &&
                    (child->GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                    id = static_cast<UINT>(child->GetDlgCtrlID());
            Wnd* control = GetDlgItem(static_cast<int>(id));
            SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        control != nullptr ? static_cast<LPARAM>(control->GetSafeHwnd()) : 0);
            return true;
        }
        case VK_ESCAPE: {
            Wnd* control = GetDlgItem(IDCANCEL);
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        control != nullptr ? static_cast<LPARAM>(control->GetSafeHwnd()) : 0);
            return true;
        }
        case VK_TAB: {
            if (Wnd* next = NextTabStop(focus, GetKeyState(VK_SHIFT) < 0)) next->SetFocus();
            return true;
        }
        default:
            return false;
    }
}

Wnd* Dialog::NextTabStop(Wnd* from, bool backwards) const {
    std::vector<Wnd*> stops;
    for (Wnd* child : Children())
        if ((child->GetStyle() & WS_TABSTOP) != 0 && child->IsVisibleFlag() &&
            child->IsWindowEnabled())
            stops.push_back(child);
    if (stops.empty()) return nullptr;
    auto it = std::find(stops.begin(), stops.end(), from);
    if (it == stops.end()) return backwards ? stops.back() : stops.front();
    const auto index = static_cast<std::size_t>(it - stops.begin());
    const std::size_t n = stops.size();
    return stops[backwards ? (index + n - 1) % n : (index + 1) % n];
}

void Dialog::CheckDlgButton(int id, int check) {
    if (auto* button = dynamic_cast<Button*>(GetDlgItem(id))) button->SetCheck(check);
}

int Dialog::IsDlgButtonChecked(int id) const {
    auto* button = dynamic_cast<Button*>(GetDlgItem(id));
    return button != nullptr ? button->GetCheck() : 0;
}

void Dialog::SetDlgItemText(int id, const std::string& text) {
    if (Wnd* control = GetDlgItem(id)) control->SetWindowText(text);
}

std::string Dialog::GetDlgItemText(int id) const {
    const Wnd* control = GetDlgItem(id);
    return control != nullptr ? control->GetWindowText() : std::string();
}

}  // namespace lumora
