#include "terminals/LocalAddress.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace velk::terminals {

std::string FirstNetworkAddress() {
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0)
        return {};
    std::string found;
    for (const ifaddrs* a = all; a != nullptr && found.empty(); a = a->ifa_next) {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET || (a->ifa_flags & IFF_UP) == 0 ||
            (a->ifa_flags & IFF_LOOPBACK) != 0)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
        if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) != nullptr)
            found = text;
    }
    freeifaddrs(all);
    return found;
}

} // namespace velk::terminals
