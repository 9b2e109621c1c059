#include "platform/linux/IfaddrsNetworkAdapters.h"

#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <sys/socket.h>

#include <algorithm>

namespace lumora {

std::vector<HardwareAddress> IfaddrsNetworkAdapters::Addresses() {
    std::vector<HardwareAddress> addresses;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return addresses;
    }
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_PACKET ||
            (entry->ifa_flags & IFF_LOOPBACK)) {
            continue;
        }
        const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
        // Tunnels and other links without an Ethernet-style address have none to report.
        if (link->sll_halen != 6) {
            continue;
        }
        HardwareAddress address;
        std::copy_n(link->sll_addr, 6, address.begin());
        addresses.push_back(address);
    }
    freeifaddrs(list);
    return addresses;
}

NetworkAdapters& SystemNetworkAdapters() {
    static IfaddrsNetworkAdapters adapters;
    return adapters;
}

}  // namespace lumora
