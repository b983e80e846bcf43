// The table server's request path parser and board bodies on any bytes: the text before the first
// line break is the path, the rest the body. A body that parses is written as the journal keeps it
// and must read back the same.
#include "terminals/TableRequest.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\n');
    const std::string_view path = input.substr(0, split);
    const std::string_view body =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    if (const auto parsed = velk::terminals::ParseTablePath(path)) {
        if (parsed->label.empty() || parsed->label.size() > 6)
            std::abort();
        if (parsed->kind != velk::terminals::TablePath::Kind::Table &&
            (parsed->number < 1 || parsed->number > 999))
            std::abort();
    }
    std::string problem;
    const auto board = velk::terminals::ParseBoardBody(body, problem);
    if (board.has_value() == !problem.empty())
        std::abort();
    if (board) {
        const std::string line = velk::terminals::BoardBodyJson(*board);
        const auto again = velk::terminals::ParseBoardBody(line, problem);
        if (!again || BoardBodyJson(*again) != line)
            std::abort();
    }
    return 0;
}
