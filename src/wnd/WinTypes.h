#pragma once

#include <cstdint>

namespace lumora {

// The integer types of window messages, kept with their Win32 names and widths so that message
// parameters pack and unpack exactly as the program's windows expect.
using UINT = unsigned;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Identifies a window in queued messages; a destroyed window's handle never comes back, so a
// message left in the queue for it is dropped.
using HWND = std::uint64_t;

constexpr unsigned LOWORD(std::uintptr_t v) { return static_cast<unsigned>(v & 0xFFFF); }
constexpr unsigned HIWORD(std::uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) {
    return (lo & 0xFFFF) | ((hi & 0xFFFF) << 16);
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>((static_cast<unsigned>(lo) & 0xFFFF) |
                               ((static_cast<unsigned>(hi) & 0xFFFF) << 16));
}
// Signed coordinates and the wheel delta ride in 16-bit halves.
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(l & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) {
    return static_cast<std::int16_t>((w >> 16) & 0xFFFF);
}

}  // namespace lumora
