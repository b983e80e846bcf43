#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "gui/schedules/ScheduleFormBase.h"
#include "schedules/ScheduleEditor.h"

#include <string>

class QLineEdit;
class RenumberView;

// "Schema invoeren / wijzigen": the grid editor of a pairs base schedule, per round, per table or
// whole. ScheduleEditor holds the schedule and the checks; the form copies grid text in and out.
class TSchemaForm : public ScheduleFormBase {
    Q_OBJECT

public:
    TSchemaForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);

    // A new, empty schedule of `counts` in view 1..3.
    void NewSchedule(int view, const velk::ScheduleCounts& counts, int scheduleType);
    // Choice 4..6: open a base schedule and show it in view choice - 3; choice 7: the renumbering
    // view. False when nothing was shown.
    bool ChangeSchedule(int choice);

    const velk::ScheduleEditor& editor() const { return editor_; }

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
    bool openRenumbering();
    void showEditor(bool changing);
    void fillCounts();
    std::vector<velk::ScheduleRow> gridRows() const;
    void putCursor(const velk::CellPosition& at);

    velk::ScheduleEditor editor_;
    bool changing_ = false;
    RenumberView* renumberView_ = nullptr;
    QLineEdit* nsEdit_;
    QLineEdit* ewEdit_;
    QLineEdit* groupEdit_;
};
