#pragma once

#include <string>

#include "wnd/Brush.h"
#include "wnd/Font.h"

namespace lumora {

class DC;
class SkinImage;

// The painting of the main window that comes from the skin: its background picture, the
// colouring of its children, its title font and the program icon in its corner.
class MainWindowSkin {
public:
    // Draws the background picture at `path` (the application directory followed by
    // "/styles/bg.png") 1:1 from the top left corner, at most 900 x 667 pixels of it, honouring
    // its alpha. The file is read at every erase; answers false when it is missing.
    static bool EraseBackground(DC& dc, const std::string& path);

    // The answer to the control-colour message for child `controlId` (0 for the window itself).
    static Brush CtlColor(DC& dc, int controlId);

    // Bold italic, 18 pixels high: the one font the program creates, for the title.
    static Font TitleFont();

    // Loads the small program icon at `path` (the application directory followed by
    // kProgramIconFile) ready for drawing.
    static bool LoadProgramIcon(SkinImage& icon, const std::string& path);

    // The program icon at (10, 2) of the icon area, at the size of a system icon.
    static void DrawIcon(DC& iconArea, const SkinImage& icon);

    static constexpr int kBackgroundWidth = 900;
    static constexpr int kBackgroundHeight = 667;
    static constexpr int kIconSize = 32;
    static constexpr const char* kProgramIconFile = "/styles/lumo_32.png";
};

}  // namespace lumora
