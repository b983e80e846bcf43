#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "selection/CopyGroups.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QPushButton;

// "Kopieer Matchpunten van groep naar groep": the source and target group of a copy of scores.
// The rules are CopyGroupsModel's.
class TGroepenDlg : public QDialog {
    Q_OBJECT

public:
    TGroepenDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // Resets the boxes from the competition and shows the dialog modally; true on OK.
    bool ChooseCopyGroups();
    // Resets the boxes without showing the dialog.
    void setUp();

    char CopySourceGroup() const { return model_.CopySourceGroup; }
    char CopyTargetGroup() const { return model_.CopyTargetGroup; }
    int sourceGroup() const { return model_.sourceGroup(); }
    std::vector<int> targetGroups() const { return model_.targetGroups(); }

public slots:
    void accept() override;

private:
    void takeTexts();
    void enterBox(velk::CopyField field);
    void showFocus();

    velk::CopyGroupsModel model_;
    QComboBox* source_ = nullptr;
    QComboBox* target_ = nullptr;
    QPushButton* ok_ = nullptr;
};
