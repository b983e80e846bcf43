#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <QDialog>

class QComboBox;

// "Schema gegevens" of renumbering: the pairs of the base schedule and its type, with the base
// schedule of the current session named.
class TVernummerDlg : public QDialog {
    Q_OBJECT

public:
    TVernummerDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    int pairs() const { return pairs_; }
    int scheduleType() const { return scheduleType_; }

    void VolgendeBtnClick();

private:
    bool confirmPairs();
    void refuseEnter();

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    QComboBox* pairsBox_ = nullptr;
    QComboBox* typeBox_ = nullptr;
    int pairs_ = 0;
    int scheduleType_ = 0;
};
