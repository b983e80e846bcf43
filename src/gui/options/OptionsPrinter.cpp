#include "gui/options/OptionsPrinter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPrinterInfo>
#include <cmath>

namespace OptionsPrinter {

namespace {

struct Substitute {
    const char* wanted;
    const char* metricCompatible;
};
// Installed with fonts-liberation by scripts/setup.
constexpr Substitute kSubstitutes[] = {
    {"Courier New", "Liberation Mono"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
};

bool Installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

} // namespace

QStringList PrinterNames() {
    return QPrinterInfo::availablePrinterNames();
}

std::unique_ptr<QPrinter> MakePrinter(int printerIndex, bool landscape) {
    const QStringList names = PrinterNames();
    const QPrinterInfo info = printerIndex >= 0 && printerIndex < names.size()
                                  ? QPrinterInfo::printerInfo(names[printerIndex])
                                  : QPrinterInfo::defaultPrinter();
    auto printer = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    return printer;
}

QFont PrintFont(const std::string& name, int size) {
    QString family = QString::fromStdString(name.empty() ? std::string(velk::kStandardPrinterFont) : name);
    if (!Installed(family))
        for (const Substitute& s : kSubstitutes)
            if (family.compare(QLatin1String(s.wanted), Qt::CaseInsensitive) == 0 &&
                Installed(QLatin1String(s.metricCompatible)))
                family = QLatin1String(s.metricCompatible);
    QFont font(family, size > 0 ? size : velk::kStandardPrinterFontSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

velk::PrinterMeasurements Measure(QPrinter& printer, const QFont& font) {
    velk::PrinterMeasurements m;
    const QFontMetrics metrics(font, &printer);
    m.sampleTextWidth = metrics.horizontalAdvance(QString::fromLatin1(
        velk::kPrinterSampleText.data(), static_cast<qsizetype>(velk::kPrinterSampleText.size())));
    // As Windows gives a font's height: the character height in pixels, negative.
    m.fontHeight = -static_cast<int>(std::lround(font.pointSizeF() * printer.logicalDpiY() / 72.0));
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    m.pageWidth = page.width();
    m.pageHeight = page.height();
    m.pixelsPerInch = printer.logicalDpiY();
    m.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    return m;
}

velk::PrinterMetrics MetricsOf(int printerIndex, const std::string& fontName, int fontSize) {
    const auto printer = MakePrinter(printerIndex, false);
    return velk::ComputePrinterMetrics(Measure(*printer, PrintFont(fontName, fontSize)));
}

velk::PrinterMetrics MetricsOf(const velk::TConfigObj& config) {
    return MetricsOf(config.PrinterIndex, config.PrinterFontName.get(), config.printerFontSize());
}

} // namespace OptionsPrinter
