#include "wnd/Edit.h"

#include "wnd/WindowSystem.h"

namespace lumora {

Edit::Edit() = default;

Edit::~Edit() { DestroyWindow(); }

void Edit::OnCreated() {
    EditOptions options;
    options.multiLine = (GetStyle() & ES_MULTILINE) != 0;
    options.readOnly = (GetStyle() & ES_READONLY) != 0;
    options.autoHScroll = (GetStyle() & ES_AUTOHSCROLL) != 0;
    options.focusIn = [this] {
        if (GetFocus() != this) SetFocus();
    };
    options.focusOut = [this] {
        if (GetFocus() == this) WindowSystem::Get().SetFocus(nullptr);
    };
    options.changed = [this] { Notify(EN_CHANGE); };
    options.key = [this](const KeyInput& key) { return NativeKey(key); };
    m_native = WindowSystem::Get().GetHost().CreateEdit(GetSurface(), options);
    m_native->SetText(Wnd::GetWindowText());
    m_native->SetFont(MapFont(GetFont()));
    m_nativeFont = GetFont();
    OnPlacementChanged();
}

void Edit::OnReleased() {
    m_native.reset();
    m_nativeFont.reset();
    m_nativeColors.reset();
}

void Edit::SetWindowText(const std::string& text) {
    Wnd::SetWindowText(text);
    if (m_native) m_native->SetText(text);
}

std::string Edit::GetWindowText() const {
    return m_native ? m_native->Text() : Wnd::GetWindowText();
}

void Edit::SetRect(const Rect& rect) {
    m_formatRect = rect;
    if (m_native) m_native->SetFormattingRect(rect);
}

void Edit::OnSetFocus(Wnd*) {
    if (m_native && !m_native->HasFocus()) m_native->Focus();
    Notify(EN_SETFOCUS);
}

void Edit::OnKillFocus(Wnd*) {
    if (m_native && m_native->HasFocus()) m_native->Blur();
    Notify(EN_KILLFOCUS);
}

void Edit::Notify(UINT code) {
    if (Wnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), code),
                            static_cast<LPARAM>(GetSafeHwnd()));
}

bool Edit::NativeKey(const KeyInput& key) {
    // The native entry has the key now; the windows above see it first, as a queued key
    // message would pass them, and only an unswallowed key is typed.
    WindowSystem& sys = WindowSystem::Get();
    sys.SetKey(key.vk, key.down);
    Msg msg{GetSafeHwnd(), key.down ? UINT{WM_KEYDOWN} : UINT{WM_KEYUP}, key.vk,
            key.down ? 1 : static_cast<LPARAM>(0xC0000001u)};
    if (sys.PreTranslate(msg)) return true;
    if (Wnd* self = FromHandle(msg.hwnd)) self->WindowProc(msg.message, msg.wParam, msg.lParam);
    return false;
}

void Edit::OnPaint(DC& dc) {
    // The parent colours the box; the native entry shows that text colour over that brush.
    Brush brush;
    const bool readOnly = (GetStyle() & ES_READONLY) != 0;
    if (Wnd* parent = GetParent())
        brush = parent->SendCtlColor(dc, *this, readOnly ? CTLCOLOR_STATIC : CTLCOLOR_EDIT);
    dc.FillRect(GetClientRect(), brush);
    if (!m_native) return;
    std::optional<ColorRef> background;
    if (brush.kind == Brush::Solid)
        background = brush.color;
    else if (brush.kind == Brush::Default)
        background = kFaceColor;
    const auto colors = std::make_pair(dc.GetTextColor(), background);
    if (m_nativeColors != colors) {
        m_native->SetColors(colors.first, colors.second);
        m_nativeColors = colors;
    }
    if (m_nativeFont != GetFont()) {
        m_native->SetFont(MapFont(GetFont()));
        m_nativeFont = GetFont();
    }
}

}  // namespace lumora
