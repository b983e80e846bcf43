#pragma once

#include "reports/ReportKind.h"

namespace velk {

// What the result window's size depends on.
struct ReportWindowInput {
    ReportKind kind = ReportKind::PairList;
    int reportWidth = 70; // characters
    int fontSize = 10;    // points of the print font
    int fontHeight = 13;  // pixels of the memo font's height (its sign is ignored)
    int pairCount = 0;
    int groupCount = 1;
    int pairsPerGroup = 0;
    int mainWindowHeight = 600;
    int screenHeight = 768;
};

struct ReportWindowSize {
    int width = 760;
    int height = 630;
    int memoWidth = 715;
    int memoHeight = 0;
    bool horizontalScrollBar = false;
};

// The window as wide as the report in its font, up to 770 pixels (the slam totals 25 more), as
// high as twenty pairs or the screen allows; a scroll bar when the memo is narrower than the text.
ReportWindowSize SizeReportWindow(const ReportWindowInput& input);

} // namespace velk
