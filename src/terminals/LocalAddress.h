#pragma once

#include <string>

namespace velk::terminals {

// The first IPv4 address of this machine that another machine can reach (up, not loopback), as
// "192.168.1.20"; empty when there is none.
std::string FirstNetworkAddress();

} // namespace velk::terminals
