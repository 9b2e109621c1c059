#include "platform/headless/HeadlessEdit.h"

#include "platform/headless/HeadlessHost.h"

namespace lumora {

HeadlessEdit::HeadlessEdit(HeadlessHost& host, SurfaceId s, EditOptions o)
    : surface(s), options(std::move(o)), m_host(host) {
    m_host.AddEdit(this);
}

HeadlessEdit::~HeadlessEdit() { m_host.RemoveEdit(this); }

void HeadlessEdit::Focus() { m_host.FocusEdit(this); }

void HeadlessEdit::Blur() {
    if (HasFocus()) m_host.FocusEdit(nullptr);
}

bool HeadlessEdit::HasFocus() const { return m_host.FocusedEdit() == this; }

void HeadlessEdit::TakeKey(const KeyInput& key) {
    if (options.key && options.key(key)) return;
    if (!key.down || options.readOnly) return;
    const unsigned kBackspace = 0x08;
    const unsigned kReturn = 0x0D;
    if (key.vk == kBackspace) {
        if (text.empty()) return;
        // Remove one whole UTF-8 character.
        std::size_t end = text.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
        text.erase(end);
    } else if (key.vk == kReturn) {
        if (!options.multiLine) return;
        text += "\r\n";
    } else if (!key.text.empty()) {
        text += key.text;
    } else {
        return;
    }
    if (options.changed) options.changed();
}

void HeadlessEdit::FocusChanged(bool focused) {
    const auto& notice = focused ? options.focusIn : options.focusOut;
    if (notice) notice();
}

}  // namespace lumora
