#pragma once

#include <gdk/gdk.h>

#include "platform/Host.h"

namespace lumora {

// Turns a GDK key event into the Win32 virtual-key code and typed text the framework expects.
KeyInput KeyInputFromEvent(const GdkEventKey& event);

// The MK_* bits (buttons and modifiers held) of a GDK modifier state.
unsigned KeyStateFromModifiers(guint state);

}  // namespace lumora
