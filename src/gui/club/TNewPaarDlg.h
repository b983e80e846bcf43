#pragma once

#include "club/PairEdit.h"

#include <QDialog>
#include <array>

class QLineEdit;

// "Gegevens bewerken": the fields of one pair. The checks live in PairEdit; Tab checks a field and
// moves on, Enter presses "&Voeg in", which checks every field and stores the pair.
class TNewPaarDlg : public QDialog {
    Q_OBJECT
public:
    TNewPaarDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows pair record `row` modally; true when it was stored.
    bool Open(int row);

    void InvoegKnopClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enterField(velk::PairField field);

    velk::PairEdit model_;
    QLineEdit* index_ = nullptr;
    QLineEdit* rank_ = nullptr;
    std::array<QLineEdit*, velk::kPairFieldCount> edits_{};
};
