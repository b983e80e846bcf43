// The leads file parser on any bytes: either nothing, or leads that write back to exactly those
// bytes (the file has one spelling), each of a group, board, pair and card the server can give.
#include "core/files/LeadFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto leads = velk::ParseLeadFile(text);
    if (!leads)
        return 0;
    if (velk::LeadFileText(*leads) != text)
        std::abort();
    for (const auto& l : *leads)
        if (l.group < 'A' || l.group > 'P' || l.board < 1 || l.board > 999 || l.northSouth < 1 ||
            l.northSouth > 999 || velk::NormalLeadCard(l.card) != l.card)
            std::abort();
    return 0;
}
