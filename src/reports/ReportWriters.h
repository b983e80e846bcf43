#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportSink.h"

namespace velk {

using ReportWriter = void (*)(ReportContext& context, ReportSink& sink);

inline constexpr const char* kNotAvailable = "Nog niet beschikbaar in deze versie";

// The writer of a report kind, or null when this version has none.
ReportWriter WriterOf(ReportKind kind);
inline bool HasReportWriter(ReportKind kind) {
    return WriterOf(kind) != nullptr;
}

// Writes the report of context.kind into `sink`. False, with nothing written, when this version
// has no writer for the kind (kNotAvailable says so).
bool WriteReport(ReportContext& context, ReportSink& sink);

} // namespace velk
