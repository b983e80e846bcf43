#pragma once

#include "club/Sessions.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

// "Actieve Paren en Tafels": the pairs and tables in play per group of the current session.
class TActivePairsDlg : public QDialog {
    Q_OBJECT

public:
    TActivePairsDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    void GroepPlusBtnClick();
    void GroepMinBtnClick();
    void OkBtnClick();

private:
    void readGroup();
    void showGroup();

    velk::ActivePairsModel model_;
    QLabel* letter_ = nullptr;
    QSpinBox* pairs_ = nullptr;
    QSpinBox* tables_ = nullptr;
};
