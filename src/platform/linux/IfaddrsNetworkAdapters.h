#pragma once

#include "platform/NetworkAdapters.h"

namespace lumora {

// The link-layer addresses that getifaddrs lists.
class IfaddrsNetworkAdapters : public NetworkAdapters {
public:
    std::vector<HardwareAddress> Addresses() override;
};

}  // namespace lumora
