#pragma once

#include <gdk/gdk.h>

// The few questions only the X server can answer. Kept apart because the Xlib headers define
// macros (CursorShape, None, Status, ...) that clash with the program's own names.
namespace lumora {

// The X server's current time, for requests that the window manager checks against the last
// user input (raising a window); GDK_CURRENT_TIME when `window` is not on X11.
guint32 X11ServerTime(GdkWindow* window);

// Makes Xlib safe for threads. Worker threads open X connections of their own (the root
// window's background), so this must come before the first Xlib call, that is before GTK starts.
void X11PrepareForThreads();

// Whether an X11 system tray manager owns its selection on the default screen.
bool X11SystemTrayPresent();

}  // namespace lumora
