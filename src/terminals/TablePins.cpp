#include "terminals/TablePins.h"

#include <cerrno>
#include <stdexcept>
#include <sys/random.h>

namespace velk::terminals {

namespace {
unsigned char RandomByte() {
    unsigned char byte = 0;
    for (;;) {
        const ssize_t got = getrandom(&byte, 1, 0);
        if (got == 1)
            return byte;
        if (got < 0 && errno != EINTR)
            throw std::runtime_error("getrandom");
    }
}
} // namespace

std::string FreshPin() {
    std::string pin;
    while (pin.size() < static_cast<std::size_t>(kPinDigits)) {
        const unsigned char b = RandomByte();
        // 250 = 25 x 10: bytes above it would favour the low digits.
        if (b < 250)
            pin.push_back(static_cast<char>('0' + b % 10));
    }
    return pin;
}

bool PinMatches(const std::string& expected, const std::string& typed) {
    // Every byte of the typed text is looked at, whatever its length.
    unsigned diff = expected.size() == typed.size() ? 0u : 1u;
    const std::size_t n = typed.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char want =
            expected.empty() ? 0 : static_cast<unsigned char>(expected[i % expected.size()]);
        diff |= want ^ static_cast<unsigned char>(typed[i]);
    }
    return diff == 0 && !expected.empty();
}

} // namespace velk::terminals
