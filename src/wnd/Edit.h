#pragma once

#include <memory>
#include <optional>
#include <string>

#include "wnd/NativeChild.h"

namespace lumora {

// An edit box: a native entry of the host placed over the window's rectangle, so typing and
// input methods work as everywhere on the desktop. Single- or multi-line and read-only by its
// ES_* styles. Focus changes reach the parent as EN_SETFOCUS and EN_KILLFOCUS, typing as
// EN_CHANGE; keys pass the message pre-translation of the windows above it first.
class Edit : public NativeChild {
public:
    Edit();
    ~Edit() override;

    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;
    // The formatting rectangle: where the text goes inside the box (client coordinates).
    void SetRect(const Rect& rect);
    std::optional<Rect> GetFormattingRect() const { return m_formatRect; }
    NativeEdit* Native() const { return m_native.get(); }

protected:
    void OnCreated() override;
    void OnReleased() override;
    NativeWidget* Widget() const override { return m_native.get(); }
    void OnSetFocus(Wnd* old) override;
    void OnKillFocus(Wnd* next) override;
    void OnPaint(DC& dc) override;

private:
    void Notify(UINT code);
    bool NativeKey(const KeyInput& key);

    std::unique_ptr<NativeEdit> m_native;
    std::optional<Rect> m_formatRect;
    std::optional<Font> m_nativeFont;
    std::optional<std::pair<ColorRef, std::optional<ColorRef>>> m_nativeColors;
};

}  // namespace lumora
