// The PIN file parser on any bytes: either nothing, or PINs that write back to exactly those bytes
// (the file has one spelling), each a label a phone can name and a PIN of the server's digits.
#include "terminals/TablePinFile.h"
#include "terminals/TablePins.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto pins = velk::terminals::ParsePinFile(text);
    if (!pins)
        return 0;
    if (pins->empty() || velk::terminals::PinFileText(*pins) != text)
        std::abort();
    for (const auto& p : *pins)
        if (p.label.empty() || p.label.size() > 6 ||
            p.pin.size() != static_cast<std::size_t>(velk::terminals::kPinDigits))
            std::abort();
    return 0;
}
