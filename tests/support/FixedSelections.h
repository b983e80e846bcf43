#pragma once

#include "reports/ReportRun.h"

namespace velk::test {

// Answers the group selection of the result window with fixed ranges; the range selection is
// cancelled.
class FixedSelections : public ReportSelections {
public:
    GroupSelection groups;
    int asked = 0;
    bool chooseGroups(ReportKind, GroupSelection& selection) override {
        ++asked;
        selection = groups;
        return true;
    }
    bool chooseRange(ReportKind, RangeSelection&) override { return false; }
};

} // namespace velk::test
