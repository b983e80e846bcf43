#pragma once

#include "reports/ReportContext.h"

namespace velk {

// The scores and match points of a pair as pages for the browser or the word processor. Returns
// false while there is no such output: the list is then written as text.
bool ShowPairPagesAsHtml(ReportContext& context, int group, int pair);

} // namespace velk
