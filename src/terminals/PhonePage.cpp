#include "terminals/PhonePage.h"

#include "terminals/PhonePageFiles.h"

#include <array>

namespace velk::terminals {

namespace {

const std::array<PhoneAsset, 4> kAssets{{
    {"/", "text/html; charset=utf-8", kPhoneHtml},
    {"/telefoon.css", "text/css; charset=utf-8", kPhoneCss},
    {"/telefoon.js", "text/javascript; charset=utf-8", kPhoneJs},
    {"/telefoon.svg", "image/svg+xml", kPhoneIcon},
}};

const std::array<std::pair<std::string_view, std::string_view>, 5> kHeaders{{
    {"Content-Security-Policy", "default-src 'self'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Cache-Control", "no-store"},
    {"X-Frame-Options", "DENY"},
    {"Referrer-Policy", "no-referrer"},
}};

} // namespace

std::span<const PhoneAsset> PhoneAssets() {
    return kAssets;
}

std::span<const std::pair<std::string_view, std::string_view>> PhonePageHeaders() {
    return kHeaders;
}

std::string ExactPathPattern(std::string_view path) {
    std::string pattern;
    for (const char c : path) {
        if (std::string_view(R"(\^$.|?*+()[]{})").find(c) != std::string_view::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

} // namespace velk::terminals
