#pragma once

#include "core/Dialogs.h"
#include "scoring/Calculator.h"

#include <QDialog>

class QLineEdit;

// The calculator of the Help menu: the buttons and keys of a four-function calculator over the
// Calculator model.
class TFormCalculator : public QDialog {
    Q_OBJECT
public:
    explicit TFormCalculator(velk::Dialogs& dialogs, QWidget* parent = nullptr);
    velk::Calculator& calculator() { return calculator_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press(char key);

    velk::Calculator calculator_;
    QLineEdit* display_ = nullptr;
};
