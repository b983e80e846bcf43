#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "schedules/ScheduleEditor.h"

#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class RenumberView;

// "Schema invoeren / wijzigen": the grid editor of a pairs base schedule, per round, per table or
// whole. ScheduleEditor holds the schedule and the checks; the form copies grid text in and out.
class TSchemaForm : public QWidget {
    Q_OBJECT

public:
    TSchemaForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // A new, empty schedule of `counts` in view 1..3.
    void NewSchedule(int view, const velk::ScheduleCounts& counts, int scheduleType);
    // Choice 4..6: open a base schedule and show it in view choice - 3; choice 7: the renumbering
    // view. False when nothing was shown.
    bool ChangeSchedule(int choice);

    const velk::ScheduleEditor& editor() const { return editor_; }

    void PrevBitBtnClick() { move(-1); }
    void NextBitBtnClick() { move(+1); }
    void SluitBtn3Click();
    void SchrapBtn3Click();
    void UitvoerBtnClick();
    void HelpBitBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool openRenumbering();
    void move(int delta);
    void showEditor(bool changing);
    void fillGrid();
    void fillCounts();
    std::vector<velk::ScheduleRow> gridRows() const;
    std::vector<std::vector<velk::ScheduleRow>> gridColumns() const;
    // Copies the grid into the schedule and runs the cell check; false when it failed.
    bool storeView();
    void putCursor(const velk::CellPosition& at);
    // View 3: the cell under the cursor into the editing fields, and back after their check.
    void editWholeCell();
    void SPEditReturn();
    void setEditFieldsEnabled(bool enabled);

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    velk::ScheduleEditor editor_;
    bool changing_ = false;
    bool closedByButton_ = false;
    int editRow_ = -1;
    int editColumn_ = -1;

    QTableWidget* grid_ = nullptr;
    RenumberView* renumberView_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* scheduleLine_ = nullptr;
    QLabel* pairs_ = nullptr;
    QLabel* tables_ = nullptr;
    QLabel* rounds_ = nullptr;
    QLabel* groups_ = nullptr;
    QLabel* type_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    QWidget* editPanel_ = nullptr;
    QLabel* editRound_ = nullptr;
    QLabel* editTable_ = nullptr;
    QLineEdit* nsEdit_ = nullptr;
    QLineEdit* ewEdit_ = nullptr;
    QLineEdit* groupEdit_ = nullptr;
};
