#include "core/TextHelpers.h"

#include "core/TextEncoding.h"

#include <cctype>

namespace velk {

namespace {
int Length(std::string_view text) {
    return static_cast<int>(Utf8Length(text));
}
} // namespace

std::string Repeat(std::string_view ch, int n) {
    std::string out;
    if (n <= 0)
        return out;
    out.reserve(ch.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out += ch;
    return out;
}

std::string PadLeft(std::string_view text, int width, std::string_view ch) {
    return Repeat(ch, width - Length(text)) + std::string(text);
}

std::string PadRight(std::string_view text, int width, std::string_view ch) {
    return std::string(text) + Repeat(ch, width - Length(text));
}

std::string Truncate(std::string_view text, int n) {
    return n <= 0 ? std::string() : Utf8Left(text, static_cast<std::size_t>(n));
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string UpTo(std::string_view text, char ch) {
    const std::size_t p = text.find(ch);
    if (p == std::string_view::npos || p == 0)
        return std::string(text);
    return std::string(text.substr(0, p));
}

} // namespace velk
