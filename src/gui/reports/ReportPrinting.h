#pragma once

#include "core/records/ConfigRecord.h"
#include "reports/ReportDocument.h"

#include <QFont>
#include <QPrinter>
#include <QString>

// The result window's outputs on paper: the options' print font, margins and line height, the
// owner's data with "Eigenaar".
namespace ReportPrinting {

// The print font of the options ("Courier New" 10 when none is set).
QFont ReportFont(const velk::TConfigObj& config);

// Lays the report on the printer's pages; false when painting could not begin.
bool PrintReport(QPrinter& printer, const velk::ReportDocument& report, const velk::TConfigObj& config);

// The same pages as a PDF file.
bool SaveReportPdf(const QString& path, const velk::ReportDocument& report, const velk::TConfigObj& config,
                   bool landscape);

} // namespace ReportPrinting
