#pragma once

#include "platform/Host.h"
#include "platform/headless/HeadlessWidget.h"

namespace lumora {

class HeadlessHost;

// A native edit of the headless host: keeps its state where tests can read it and takes the
// keys the host's synthetic keyboard sends while it has the focus.
class HeadlessEdit : public HeadlessWidget<NativeEdit> {
public:
    HeadlessEdit(HeadlessHost& host, SurfaceId surface, EditOptions options);
    ~HeadlessEdit() override;

    std::string Text() const override { return text; }
    void SetText(const std::string& t) override { text = t; }
    void Focus() override;
    void Blur() override;
    bool HasFocus() const override;
    void SetFormattingRect(const Rect& r) override { formattingRect = r; }
    void SetFont(const FontSpec& f) override { font = f; }
    void SetColors(ColorRef t, std::optional<ColorRef> bg) override {
        textColor = t;
        background = bg;
    }

    // One key from the synthetic keyboard: offered to the owner first, then typed.
    void TakeKey(const KeyInput& key);
    void FocusChanged(bool focused);

    SurfaceId surface;
    EditOptions options;
    std::string text;
    std::optional<Rect> formattingRect;
    FontSpec font;
    ColorRef textColor = 0;
    std::optional<ColorRef> background;

private:
    HeadlessHost& m_host;
};

}  // namespace lumora
