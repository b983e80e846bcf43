#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "schedules/RenumberEditor.h"
#include "schedules/ScheduleEditor.h"

#include <QWidget>
#include <functional>
#include <vector>

class QPushButton;
class QTableWidget;

// The renumbering view of the pairs editor: the grid "Vernummergrid" with one row per session and
// one column per base pair, and the buttons that open, save and apply a renumbering table.
class RenumberView : public QWidget {
    Q_OBJECT

public:
    // `closeEditor` closes the hosting editor when a command is done with it.
    RenumberView(velk::Club& club, velk::Dialogs& dialogs, velk::ScheduleEditor& editor,
                 std::function<void()> closeEditor, QWidget* parent = nullptr);

    // An empty grid for base schedules of `pairs` pairs; "Maak Schema" waits for a table.
    void start(int pairs);
    int pairs() const { return model_.pairs(); }
    QTableWidget* grid() const { return grid_; }

    void OpenTabelClick();
    void RedTabelClick();
    void MaakSchemaClick();

private:
    // The numbers of the session rows, an empty cell as 0.
    std::vector<std::vector<int>> gridRows() const;

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    velk::ScheduleEditor& editor_;
    std::function<void()> closeEditor_;
    velk::RenumberEditor model_;

    QTableWidget* grid_ = nullptr;
    QPushButton* makeSchedule_ = nullptr;
};
