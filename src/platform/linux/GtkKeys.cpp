#include "platform/linux/GtkKeys.h"

namespace lumora {
namespace {

constexpr unsigned kMkLButton = 0x1;
constexpr unsigned kMkRButton = 0x2;
constexpr unsigned kMkShift = 0x4;
constexpr unsigned kMkControl = 0x8;
constexpr unsigned kMkMButton = 0x10;

struct KeyPair {
    guint keyval;
    unsigned vk;
};

constexpr KeyPair kNamedKeys[] = {
    {GDK_KEY_BackSpace, 0x08}, {GDK_KEY_Tab, 0x09},       {GDK_KEY_ISO_Left_Tab, 0x09},
    {GDK_KEY_Return, 0x0D},    {GDK_KEY_KP_Enter, 0x0D},  {GDK_KEY_Shift_L, 0x10},
    {GDK_KEY_Shift_R, 0x10},   {GDK_KEY_Control_L, 0x11}, {GDK_KEY_Control_R, 0x11},
    {GDK_KEY_Alt_L, 0x12},     {GDK_KEY_Alt_R, 0x12},     {GDK_KEY_Escape, 0x1B},
    {GDK_KEY_space, 0x20},     {GDK_KEY_Page_Up, 0x21},   {GDK_KEY_Page_Down, 0x22},
    {GDK_KEY_End, 0x23},       {GDK_KEY_Home, 0x24},      {GDK_KEY_Left, 0x25},
    {GDK_KEY_Up, 0x26},        {GDK_KEY_Right, 0x27},     {GDK_KEY_Down, 0x28},
    {GDK_KEY_Insert, 0x2D},    {GDK_KEY_Delete, 0x2E},
};

unsigned VirtualKeyOf(guint keyval) {
    for (const KeyPair& k : kNamedKeys)
        if (k.keyval == keyval) return k.vk;
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24) return 0x70 + (keyval - GDK_KEY_F1);
    const guint upper = gdk_keyval_to_upper(keyval);
    if ((upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9')) return upper;
    return 0;
}

}  // namespace

KeyInput KeyInputFromEvent(const GdkEventKey& event) {
    KeyInput input;
    input.down = event.type == GDK_KEY_PRESS;
    // Letters and digits are named by the key as printed on an unshifted keyboard, as Win32
    // does; the layout's first group gives that key for any modifier state.
    guint keyval = event.keyval;
    GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(event.window));
    guint base = 0;
    if (gdk_keymap_translate_keyboard_state(keymap, event.hardware_keycode, GdkModifierType(0), 0,
                                            &base, nullptr, nullptr, nullptr))
        keyval = base;
    input.vk = VirtualKeyOf(keyval);
    if (input.vk == 0) input.vk = VirtualKeyOf(event.keyval);

    const gunichar ch = gdk_keyval_to_unicode(event.keyval);
    if (input.down && ch >= 0x20 && ch != 0x7F && !(event.state & GDK_CONTROL_MASK)) {
        char utf8[8] = {};
        input.text.assign(utf8, g_unichar_to_utf8(ch, utf8));
    }
    return input;
}

unsigned KeyStateFromModifiers(guint state) {
    unsigned bits = 0;
    if (state & GDK_BUTTON1_MASK) bits |= kMkLButton;
    if (state & GDK_BUTTON3_MASK) bits |= kMkRButton;
    if (state & GDK_BUTTON2_MASK) bits |= kMkMButton;
    if (state & GDK_SHIFT_MASK) bits |= kMkShift;
    if (state & GDK_CONTROL_MASK) bits |= kMkControl;
    return bits;
}

}  // namespace lumora
