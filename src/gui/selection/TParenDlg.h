#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "selection/RangeSelectionModel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Kies paren": the range of pairs, rounds, tables or competitions and the session of a list. The
// rules are RangeSelectionModel's; the form shows them and forwards Enter and OK.
class TParenDlg : public QDialog {
    Q_OBJECT

public:
    TParenDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // Sets the dialog up for `kind` and shows it modally; true when it closed with OK.
    bool ChooseRange(int kind);
    void setUpFor(int kind);

    const velk::RangeSelection& selection() const { return model_.selection(); }
    const velk::RangeSelectionModel& model() const { return model_; }

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit(velk::RangeField field) const;
    void takeTexts();
    void showFocus();

    velk::RangeSelectionModel model_;
    QLabel* rangeLabel_ = nullptr;
    QLabel* firstLabel_ = nullptr;
    QLabel* lastLabel_ = nullptr;
    QLabel* sessionLabel_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* last_ = nullptr;
    QLineEdit* session_ = nullptr;
    QPushButton* ok_ = nullptr;
};
