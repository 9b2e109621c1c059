#pragma once

#include "res/skin/SkinCanvas.h"

namespace lumora::skinart {

// The default skin's colours. One accent on white and cool greys; the program's own colours
// (link blue, hover fill, underline grey, edit grey) are the ones the controls use at run time.
namespace palette {
inline Rgba Accent() { return Hex("#4B8AF1"); }
inline Rgba AccentDeep() { return Hex("#3775DE"); }
inline Rgba AccentTint() { return Hex("#EAF1FE"); }
inline Rgba AccentLine() { return Hex("#9DBEF7"); }
inline Rgba HeaderHover() { return Hex("#6FA1F5"); }
inline Rgba Danger() { return Hex("#E5484D"); }
inline Rgba White() { return Hex("#FFFFFF"); }
inline Rgba Ink() { return Hex("#1F2937"); }
inline Rgba InkSoft() { return Hex("#4B5563"); }
inline Rgba InkMuted() { return Hex("#8A94A6"); }
inline Rgba Border() { return Hex("#D5DBE5"); }
inline Rgba BorderSoft() { return Hex("#E6EAF0"); }
inline Rgba Surface() { return Hex("#F5F7FA"); }
inline Rgba Frame() { return Hex("#C3CCDA"); }
inline Rgba FieldGrey() { return Hex("#EBEBEB"); }
inline Rgba Underline() { return Hex("#D3D3D3"); }
inline Rgba TagBar() { return Hex("#262C36"); }
}  // namespace palette

}  // namespace lumora::skinart
