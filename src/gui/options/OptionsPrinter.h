#pragma once

#include "core/records/ConfigRecord.h"
#include "options/PrinterMetrics.h"

#include <QFont>
#include <QPrinter>
#include <QStringList>
#include <memory>
#include <string>

// The printer and print font the options speak of, as Qt has them. Margins and line heights in the
// configuration are pixels of this printer at its own resolution.
namespace OptionsPrinter {

// The system's printers; the configuration keeps an index into this list.
QStringList PrinterNames();

// The printer at `printerIndex`, or the default one when the index is not in the list; Qt's PDF
// printer when the system has none. At the printer's own resolution, in the given orientation.
std::unique_ptr<QPrinter> MakePrinter(int printerIndex, bool landscape);

// The print font: a font the system does not have is served by a metric-compatible one where
// there is one ("Courier New" by Liberation Mono).
QFont PrintFont(const std::string& name, int size);

// What the printer tells about its page and the font on it.
velk::PrinterMeasurements Measure(QPrinter& printer, const QFont& font);

// The metrics of the configured printer with the configured print font. They are those of the
// upright page, whatever the orientation: millimetres are pixels across it / 203, and a landscape
// page counts its lines heavier instead.
velk::PrinterMetrics MetricsOf(const velk::TConfigObj& config);
velk::PrinterMetrics MetricsOf(int printerIndex, const std::string& fontName, int fontSize);

} // namespace OptionsPrinter
