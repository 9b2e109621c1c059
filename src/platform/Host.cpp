#include "platform/Host.h"

#include <cstdlib>

namespace lumora {

namespace {
Host* g_host = nullptr;
}

void SetCurrentHost(Host* host) { g_host = host; }

Host& CurrentHost()
{
    // Running without a host is a programming error at start-up, not a condition to handle.
    if (g_host == nullptr) std::abort();
    return *g_host;
}

}  // namespace lumora
