#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "schedules/IndividualScheduleEditor.h"

#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "Schema Invoeren": the grid editor of an individual base schedule (four players per table), per
// round, per table or whole. IndividualScheduleEditor holds the schedule and the checks.
class TSchemaFormE : public QWidget {
    Q_OBJECT

public:
    TSchemaFormE(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // A new, empty schedule of `counts` (pairs = players) in view 1..3.
    void NewSchedule(int view, const velk::ScheduleCounts& counts, int scheduleType);
    // Choice 4..6: open a base schedule and show it in view choice - 3. False when nothing opened.
    bool ChangeSchedule(int choice);

    const velk::IndividualScheduleEditor& editor() const { return editor_; }

    void PrevBitBtnClick() { move(-1); }
    void NextBitBtnClick() { move(+1); }
    void SluitBtnClick();
    void SchrapBtnClick();
    void PrintBtnClick();
    void HelpBitBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void move(int delta);
    void showEditor(bool changing);
    void fillGrid();
    void fillRowsView();
    void fillWholeView();
    void fillCounts();
    int firstSeatColumn() const;
    std::vector<velk::PlayerRow> gridRows() const;
    std::vector<std::vector<velk::PlayerRow>> gridColumns() const;
    // Copies the grid into the schedule and runs the cell check; false when it failed.
    bool storeView();
    void putCursor(const velk::PlayerCellPosition& at);
    // View 3: the cell under the cursor into the editing fields, and back after their check.
    void editWholeCell();
    void SPEditReturn();
    void setEditFieldsEnabled(bool enabled);

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    velk::IndividualScheduleEditor editor_;
    bool closedByButton_ = false;
    int editRow_ = -1;
    int editColumn_ = -1;

    QTableWidget* grid_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* scheduleLine_ = nullptr;
    QLabel* players_ = nullptr;
    QLabel* tables_ = nullptr;
    QLabel* rounds_ = nullptr;
    QLabel* groups_ = nullptr;
    QLabel* type_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    QWidget* editPanel_ = nullptr;
    QLabel* editRound_ = nullptr;
    QLabel* editTable_ = nullptr;
    QLineEdit* nEdit_ = nullptr;
    QLineEdit* oEdit_ = nullptr;
    QLineEdit* zEdit_ = nullptr;
    QLineEdit* wEdit_ = nullptr;
    QLineEdit* groupEdit_ = nullptr;
};
