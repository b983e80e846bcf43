#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

// The summer drives (kind 17): drive files of one base name, one session each, added up per club
// number and listed by place. The user says whether drives were played and how many.
void WriteSummerDrives(ReportContext& context, ReportSink& sink);

} // namespace velk
