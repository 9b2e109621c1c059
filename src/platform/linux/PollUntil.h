#pragma once

#include <chrono>
#include <thread>

namespace lumora {

// Asks `ready` every `interval` until it answers true or `deadline` (of the steady clock) has
// passed; answers whether it did. It is asked once more at the deadline, never after it.
template <class Ready>
bool PollUntil(std::chrono::steady_clock::time_point deadline,
               std::chrono::steady_clock::duration interval, Ready&& ready) {
    for (;;) {
        if (ready()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(interval);
    }
}

}  // namespace lumora
