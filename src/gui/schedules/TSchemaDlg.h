#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "schedules/ScheduleCountsEntry.h"

#include <QDialog>
#include <array>

class QComboBox;
class QPushButton;

// "Schema gegevens": the counts and type of a new schedule. The hint says what the counts are
// for: 1 per round, 2 per table, 3 whole, 4 read from disk.
class TSchemaDlg : public QDialog {
    Q_OBJECT

public:
    TSchemaDlg(velk::Club& club, velk::Dialogs& dialogs, int index, QWidget* parent = nullptr);

    const velk::ScheduleCounts& counts() const { return counts_; }
    int scheduleType() const { return scheduleType_; }

    void VolgendeBtnClick();

private:
    bool confirmField(int field);
    void refuseEnter();
    QComboBox* box(int field) const { return boxes_[static_cast<std::size_t>(field)]; }

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    std::array<QComboBox*, 4> boxes_{};
    QComboBox* typeBox_ = nullptr;
    velk::ScheduleCounts counts_;
    int scheduleType_ = 0;
};

// An editable, empty count box offering from..to in steps of `step`.
QComboBox* MakeCountBox(QWidget* parent, const char* name, int from, int to, int step);

// The "Schmtypebox" with the five type names, "Free" shown.
QComboBox* MakeScheduleTypeBox(QWidget* parent);

// Asks the counts of a new schedule; nothing when cancelled.
std::optional<velk::ScheduleCounts> AskScheduleCounts(QWidget* parent, velk::Club& club,
                                                      velk::Dialogs& dialogs, int index, int* scheduleType);
