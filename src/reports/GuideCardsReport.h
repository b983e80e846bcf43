#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The guide cards: for every chosen pair that plays the session, where it sits, against whom
// and on which boards in every round; two cards side by side.
void WriteGuideCards(ReportContext& context, ReportSink& sink);

} // namespace velk
