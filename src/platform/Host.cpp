#include "platform/Host.h"

#include <cstdlib>

#include "platform/DesktopBackground.h"

namespace lumora {

namespace {
Host* g_host = nullptr;
std::uint64_t g_generation = 0;
}  // namespace

void SetCurrentHost(Host* host) {
    g_host = host;
    ++g_generation;
}

DesktopBackground& Host::Desktop() { return SystemDesktopBackground(); }

std::uint64_t CurrentHostGeneration() { return g_generation; }

Host& CurrentHost() {
    // Running without a host is a programming error at start-up, not a condition to handle.
    if (g_host == nullptr) std::abort();
    return *g_host;
}

}  // namespace lumora
