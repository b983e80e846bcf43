#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

// The printer choice of the options: the system's printers in a list, the current one chosen.
class TPrinterSetupDlg : public QDialog {
    Q_OBJECT
public:
    TPrinterSetupDlg(const QStringList& printers, int current, QWidget* parent = nullptr);

    // The index of the printer chosen with OK, or -1.
    int choose();

private:
    QComboBox* printers_ = nullptr;
};
