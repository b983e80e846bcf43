#pragma once

#include "core/Dialogs.h"

#include <QDialog>

class QRadioButton;

// "Kaartix Leden Invoern": where the members come from (1 a members export, 2 the Members.mdb in
// the other program's folder, 3 a Members.mdb elsewhere).
class TKXLedenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKXLedenDlg(velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // 1-3, or 0 when stopped.
    int Choose();

private:
    QRadioButton* choices_[3] = {};
};
