#pragma once

#include "platform/NetworkAdapters.h"

namespace lumora {

// Network interfaces for tests: the addresses it is given, in that order.
class FixedNetworkAdapters : public NetworkAdapters {
public:
    explicit FixedNetworkAdapters(std::vector<HardwareAddress> addresses = {})
        : addresses(std::move(addresses)) {}
    std::vector<HardwareAddress> Addresses() override { return addresses; }

    std::vector<HardwareAddress> addresses;
};

}  // namespace lumora
