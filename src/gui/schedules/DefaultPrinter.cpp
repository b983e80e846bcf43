#include "gui/schedules/DefaultPrinter.h"

#include <QPrinterInfo>

DefaultPrintJob::DefaultPrintJob(velk::Dialogs& dialogs, bool landscape) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        dialogs.information("Geen Printer aanwezig");
        return;
    }
    if (dialogs.messageBox("Afdrukken op printer: \r" + info.printerName().toStdString(),
                           velk::MessageKind::Information, velk::Button::JaNee) != velk::Result::Yes)
        return;
    printer_ = std::make_unique<QPrinter>(info);
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!painter_.begin(printer_.get()))
        dialogs.error("P R I N T E R  N I E T  K L A A R");
}

DefaultPrintJob::~DefaultPrintJob() {
    if (painter_.isActive())
        painter_.end();
}

QRect DefaultPrintJob::page() const {
    return printer_->pageLayout().paintRectPixels(printer_->resolution());
}
