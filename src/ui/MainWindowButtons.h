#pragma once

#include <string>

#include "base/Geometry.h"

namespace lumora {

class BTButton;
class BgButton;
class TButton;
class Wnd;

// The three skinned button classes of the main window.
enum class MainButtonClass {
    Image,   // BgButton; `look` is its kind
    Styled,  // BTButton drawing its images; `look` is its style
    Link,    // TButton: the ad link, highlighted and pinned
};

// One button of the main window: its control, class, look, skin files (in the skin folder,
// empty for none) and rectangle in the window (empty: where the template puts it).
struct MainButton {
    int id;
    MainButtonClass buttonClass;
    int look;
    const char* image;
    const char* secondImage;
    Rect rect;
};

// Menu, hide, close, the two tabs, search, rotation, interval, add local wallpaper, ad link.
extern const MainButton kMainButtons[10];

// Configures every button of the table that `window` holds, by control id and of the class the
// table names, its images loaded from the skin folder `styles`. Which tab is selected and
// whether rotation is on are the window's state, not set here.
void SetUpMainButtons(Wnd& window, const std::string& styles);

}  // namespace lumora
