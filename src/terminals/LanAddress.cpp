#include "terminals/LanAddress.h"

#include <arpa/inet.h>
#include <cstring>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace velk::terminals {

std::string FirstLanAddress() {
    ifaddrs* all = nullptr;
    if (::getifaddrs(&all) != 0)
        return {};
    std::string found;
    for (const ifaddrs* a = all; a != nullptr && found.empty(); a = a->ifa_next) {
        if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET || (a->ifa_flags & IFF_UP) == 0 ||
            (a->ifa_flags & IFF_LOOPBACK) != 0)
            continue;
        sockaddr_in in{};
        std::memcpy(&in, a->ifa_addr, sizeof in);
        char text[INET_ADDRSTRLEN] = {};
        if (::inet_ntop(AF_INET, &in.sin_addr, text, sizeof text) != nullptr &&
            std::string(text).rfind("127.", 0) != 0)
            found = text;
    }
    ::freeifaddrs(all);
    return found;
}

std::string PhoneAddress(const std::string& boundAddress, int port, bool secure) {
    std::string host = boundAddress;
    if (host == "0.0.0.0" || host.empty()) {
        host = FirstLanAddress();
        if (host.empty())
            host = "127.0.0.1";
    }
    return (secure ? "https://" : "http://") + host + ":" + std::to_string(port) + "/";
}

} // namespace velk::terminals
