#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "selection/GroupSelection.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

// "Selecteren van Groep(en)": chooses a range of groups and, by the caller's kind, of sessions,
// boards or pairs. The rules are GroupSelectionModel's; the form shows them and forwards the keys.
class TSelectieDlg : public QDialog {
    Q_OBJECT

public:
    TSelectieDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // Sets the dialog up for `kind` and shows it modally; true when it closed with OK.
    bool ChooseGroups(int kind);
    // Sets the dialog up for `kind` without showing it.
    void setUpFor(int kind);

    const velk::GroupSelection& selection() const { return model_.selection(); }
    const velk::GroupSelectionModel& model() const { return model_; }

public slots:
    void accept() override;
    void reject() override;

private:
    QComboBox* boxWidget(velk::SelectionField field) const;
    void takeTexts();
    void showModel(bool withItems);
    // `pressOk`: Enter (not a choice from the list), which in a choice of groups alone presses
    // "O&k" when the focus goes there.
    void enterBox(velk::SelectionField field, bool pressOk);

    velk::GroupSelectionModel model_;
    std::array<QComboBox*, 4> boxes_{};
    QLabel* groupsLabel_ = nullptr;
    QLabel* hintLabel_ = nullptr;
    QLabel* rangeLabel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
