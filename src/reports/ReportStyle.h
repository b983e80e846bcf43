#pragma once

#include <string>

namespace velk {

struct TConfigObj;

// The separator lines and the column bar of the lists: box-drawing characters when the option
// "Print aaneengesloten lijnen" is on, else "-", "=" and "|".
struct ReportStyle {
    bool frameLines = false;

    static ReportStyle Of(const TConfigObj& config);

    std::string single(int width) const;
    std::string doubled(int width) const;
    const char* bar() const { return frameLines ? "\u2502" : "|"; }
};

} // namespace velk
