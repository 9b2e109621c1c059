#pragma once

#include "wnd/WinTypes.h"

namespace lumora {

inline constexpr UINT SIF_RANGE = 0x1;
inline constexpr UINT SIF_PAGE = 0x2;
inline constexpr UINT SIF_POS = 0x4;
inline constexpr UINT SIF_TRACKPOS = 0x10;
inline constexpr UINT SIF_ALL = 0x17;

// Settings of a scroll bar: the range, the page size and the position, as SetScrollInfo takes
// them; `mask` says which fields a call sets or reads.
struct ScrollInfo {
    UINT mask = SIF_ALL;
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
};

}  // namespace lumora
