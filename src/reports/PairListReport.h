#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

inline constexpr const char* kAskClubNumbers = "Namen voorzien van Clubnummer?";

// The pair list (kind 7): every pair's name in list order, with its club number when asked, an
// empty line after every complete group.
void WritePairList(ReportContext& context, ReportSink& sink);

} // namespace velk
