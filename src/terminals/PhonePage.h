#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace velk::terminals {

// One file of the phones' page, held in memory on a path of its own.
struct PhoneAsset {
    std::string_view path; // "/", "/telefoon.css", ...
    std::string_view contentType;
    std::string_view body;
};

// The page's files; outside the API nothing else is served.
std::span<const PhoneAsset> PhoneAssets();
// The headers every file of the page goes out with: only its own files may run in it, nothing
// is sniffed, framed or kept.
std::span<const std::pair<std::string_view, std::string_view>> PhonePageHeaders();
// A regular expression that matches `path` and nothing else, for routers that take patterns.
std::string ExactPathPattern(std::string_view path);

} // namespace velk::terminals
