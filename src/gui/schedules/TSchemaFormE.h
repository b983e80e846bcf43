#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "gui/schedules/ScheduleFormBase.h"
#include "schedules/IndividualScheduleEditor.h"

#include <string>

class QLineEdit;

// "Schema Invoeren": the grid editor of an individual base schedule (four players per table), per
// round, per table or whole. IndividualScheduleEditor holds the schedule and the checks.
class TSchemaFormE : public ScheduleFormBase {
    Q_OBJECT

public:
    TSchemaFormE(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // A new, empty schedule of `counts` (pairs = players) in view 1..3.
    void NewSchedule(int view, const velk::ScheduleCounts& counts, int scheduleType);
    // Choice 4..6: open a base schedule and show it in view choice - 3. False when nothing opened.
    bool ChangeSchedule(int choice);

    const velk::IndividualScheduleEditor& editor() const { return editor_; }

protected:
    velk::ScheduleView view() const override { return editor_.view(); }
    bool storeView() override;
    void stepView(int delta) override { editor_.step(delta); }
    void fillGrid() override;
    void editWholeCell() override;
    void wholeCellEdited() override;
    void okClicked() override;
    void printClicked() override;
    void helpClicked() override;

private:
    void showEditor(bool changing);
    void fillRowsView();
    void fillWholeView();
    void fillCounts();
    int firstSeatColumn() const;
    std::vector<velk::PlayerRow> gridRows() const;
    void putCursor(const velk::PlayerCellPosition& at);

    velk::IndividualScheduleEditor editor_;
    QLineEdit* nEdit_;
    QLineEdit* oEdit_;
    QLineEdit* zEdit_;
    QLineEdit* wEdit_;
    QLineEdit* groupEdit_;
};
