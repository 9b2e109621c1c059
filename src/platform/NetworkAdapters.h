#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace lumora {

using HardwareAddress = std::array<std::uint8_t, 6>;

// Port to the machine's network interfaces.
class NetworkAdapters {
public:
    virtual ~NetworkAdapters() = default;
    // The six-byte hardware addresses of the interfaces other than loopback, in the order the
    // system lists them.
    virtual std::vector<HardwareAddress> Addresses() = 0;
};

// The interfaces as the kernel reports them.
NetworkAdapters& SystemNetworkAdapters();

}  // namespace lumora
