#pragma once

#include <string>

#include "wnd/Brush.h"

namespace lumora {

class DC;
class Wnd;

// The erase handler of the skinned pop-ups and panels: the skin file at `path` (the
// application directory followed by a literal such as "/styles/sc.png") stretched over the
// client area of `window`, as the file is at every erase: decoded once through the skin cache
// and again whenever it changed on disk. Answers `defaultErased`, what the window's default
// erase answered before; with the file missing it draws nothing and answers false.
bool DrawSkinBackground(Wnd& window, DC& dc, const std::string& path, bool defaultErased);

// The control colouring of the skinned windows: text on a transparent background and the
// hollow brush, so every child and the window itself let the skin show through.
Brush TransparentCtlColor(DC& dc);

}  // namespace lumora
