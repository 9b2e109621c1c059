#pragma once

// Finds a window's parts the way a user's tools would: by control id, or by class among its
// children and the pop-ups it owns.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "wnd/WindowSystem.h"
#include "wnd/Wnd.h"

namespace lumora {

// Control `id` of `window`, which must be of class T.
template <class T>
T& ControlOf(const Wnd& window, int id) {
    Wnd* control = window.GetDlgItem(id);
    EXPECT_NE(dynamic_cast<T*>(control), nullptr) << "control " << id;
    return dynamic_cast<T&>(*control);
}

// The first child or owned pop-up of `window` of class T.
template <class T>
T& PartOf(const Wnd& window) {
    std::vector<Wnd*> parts = window.Children();
    for (Wnd* owned : window.OwnedWindows()) parts.push_back(owned);
    for (Wnd* part : parts)
        if (auto* found = dynamic_cast<T*>(part)) return *found;
    ADD_FAILURE() << "no part of the class asked for";
    throw std::logic_error("no such part");
}

// Whether a window of class T exists anywhere.
template <class T>
bool AnyWindowOf() {
    for (Wnd* window : WindowSystem::Get().Windows())
        if (dynamic_cast<T*>(window) != nullptr) return true;
    return false;
}

}  // namespace lumora
