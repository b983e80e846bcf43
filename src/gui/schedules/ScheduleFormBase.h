#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "schedules/ScheduleEditor.h"
#include "schedules/ScheduleEditorFlow.h"

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// What the pairs and the individual schedule editor windows share: the schedule line and the
// position above the grid, the counts beside it, the editing fields of the whole view below, the
// buttons; the round and table steps with their keys, and the question when the window is
// closed without "O&k". Each editor fills and reads the grid for its own cell kind.
class ScheduleFormBase : public QWidget {
    Q_OBJECT

protected:
    // The object names that differ between the two windows.
    struct Names {
        const char* form;
        const char* countLabel;         // the pairs or players count beside the grid
        std::vector<const char*> edits; // the whole view's editing fields, the board group last
        const char* ok;
        const char* cancel;
        const char* print;
    };

    ScheduleFormBase(velk::Club& club, velk::Dialogs& dialogs, const Names& names, QWidget* parent);

    virtual velk::ScheduleView view() const = 0;
    // Copies the grid into the schedule and runs the cell check; false when it failed.
    virtual bool storeView() = 0;
    virtual void stepView(int delta) = 0;
    virtual void fillGrid() = 0;
    // View 3: the cell under the cursor into the editing fields, and back after their check.
    virtual void editWholeCell() = 0;
    virtual void wholeCellEdited() = 0;
    virtual void okClicked() = 0;
    virtual void printClicked() = 0;
    virtual void helpClicked() = 0;

    // Stores the view and steps to the next or previous round or table.
    void move(int delta);
    // The step buttons for the view; hidden in the whole view and when `hideSteps`.
    void showSteps(bool hideSteps = false);
    // Opens the whole view's cell under the cursor for editing; false when there is none.
    bool beginWholeCellEdit();
    // Puts the edited cell's text back and closes the fields.
    void finishWholeCellEdit(const QString& text);
    void setEditFieldsEnabled(bool enabled);
    // Before the window is shown: wide enough for its title and for `grid` as far as the screen
    // allows, centred on the main window. Once shown it stays where the user put it.
    void placeOnFirstShow(const QTableWidget* grid);
    // View 3: every round a row, every table a column, `cellText(round, table)`.
    void fillWholeView(int rounds, int tables, const std::function<QString(int, int)>& cellText,
                       int rowHeight = 0);
    void closeByButton();
    // After the editor's closing check of "O&k": the cursor to the round at fault in the whole
    // view, or the saved file remembered and the window closed.
    void finishClosing(const velk::EditorClosing& closing);
    // The whole view's cells, a column per table, each read by `parse`.
    template <typename Parse> auto wholeViewColumns(Parse parse) const {
        using Row = decltype(parse(std::string()));
        std::vector<std::vector<Row>> columns;
        for (int t = 1; t < gridColumnCount(); ++t) {
            std::vector<Row> column;
            for (int r = 0; r < gridRowCount(); ++r)
                column.push_back(parse(gridText(r, t)));
            columns.push_back(std::move(column));
        }
        return columns;
    }
    int gridRowCount() const;
    int gridColumnCount() const;
    std::string gridText(int row, int column) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    bool closedByButton_ = false;
    int editRow_ = -1;
    int editColumn_ = -1;

    QTableWidget* grid_ = nullptr;
    QHBoxLayout* gridRow_ = nullptr; // the grid and whatever stands in for it
    QLabel* position_ = nullptr;
    QLabel* scheduleLine_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* tables_ = nullptr;
    QLabel* rounds_ = nullptr;
    QLabel* groups_ = nullptr;
    QLabel* type_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    QWidget* editPanel_ = nullptr;
    QLabel* editRound_ = nullptr;
    QLabel* editTable_ = nullptr;
    std::vector<QLineEdit*> edits_;
};
