#include "gui/options/TPrinterSetupDlg.h"

#include "gui/WindowPlacement.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TPrinterSetupDlg::TPrinterSetupDlg(const QStringList& printers, int current, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PrinterSetupDlg"));
    setWindowTitle(QStringLiteral("Printer instellen"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Printer"), this);
    printers_ = new QComboBox(this);
    printers_->setObjectName(QStringLiteral("PrinterBox"));
    printers_->addItems(printers);
    printers_->setCurrentIndex(current >= 0 && current < printers.size() ? current : 0);
    label->setBuddy(printers_);
    layout->addWidget(label);
    layout->addWidget(printers_);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Schrap"), this);
    cancel->setObjectName(QStringLiteral("SchrapBtn"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FitTitle(this);
}

int TPrinterSetupDlg::choose() {
    return exec() == QDialog::Accepted ? printers_->currentIndex() : -1;
}
