#pragma once

#include <string>

namespace velk::terminals {

// The first IPv4 address of this machine that is not a loopback one: the address the phones on
// the club's network reach it by. Empty when it has none.
std::string FirstLanAddress();

// "http://192.168.1.20:8080/" (https with `secure`): the page a phone opens. A server bound to one address is
// reached there; one bound to every address at FirstLanAddress(), or 127.0.0.1 without a network.
std::string PhoneAddress(const std::string& boundAddress, int port, bool secure = false);

} // namespace velk::terminals
