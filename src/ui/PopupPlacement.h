#pragma once

#include "base/Geometry.h"

namespace lumora {

// Where the main window puts its pages and pop-ups, in pixels.

// The page area below the tabs and above the bottom bar: the client rectangle less 67 pixels
// at the top, 76 at the bottom and 1 at each side.
Rect PageRect(const Rect& mainClient);

// The settings dialog, 407 x 389, placed from the main window's screen rectangle: 155 left of
// and 180 above its centre (each half truncated toward zero).
Rect SettingsDialogRect(const Rect& mainScreen);

// The interval picker, 180 high, sits right above the interval button (screen rectangle) and is
// one pixel narrower than it.
Rect IntervalPickerRect(const Rect& buttonScreen);

// The menu panel, 130 x 140, hangs from the cursor by its top right corner.
Rect MenuPanelRect(Point cursor);

}  // namespace lumora
