#pragma once

#include "core/Dialogs.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

// A print job on the default printer as the print commands start one: "Geen Printer aanwezig"
// when there is none, then the question "Afdrukken op printer: \r<name>", then
// "P R I N T E R  N I E T  K L A A R" when painting cannot begin.
class DefaultPrintJob {
public:
    DefaultPrintJob(velk::Dialogs& dialogs, bool landscape);
    ~DefaultPrintJob();
    DefaultPrintJob(const DefaultPrintJob&) = delete;
    DefaultPrintJob& operator=(const DefaultPrintJob&) = delete;

    // True when the user agreed and the painter is active on the printer.
    bool started() const { return painter_.isActive(); }
    QPrinter& printer() { return *printer_; }
    QPainter& painter() { return painter_; }
    // The page's paint area in printer pixels.
    QRect page() const;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};
