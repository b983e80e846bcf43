#pragma once

#include "club/PairSorting.h"

#include <QDialog>

class QRadioButton;

// "Sorteren van Paren": the key and the scope of a sort of the pair list.
class TSortLidDlg : public QDialog {
    Q_OBJECT

public:
    explicit TSortLidDlg(QWidget* parent = nullptr);

    // Shows the dialog with key "Groep Nr." and scope "Groep"; true when "&Ok" was chosen.
    bool SortDialog();
    // Puts the defaults back without showing the dialog.
    void reset();

    velk::SortChoice choice() const;

private:
    QRadioButton* keyButtons_[4] = {};
    QRadioButton* scopeButtons_[2] = {};
};
