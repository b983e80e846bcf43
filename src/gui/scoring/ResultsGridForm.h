#pragma once

#include "core/Dialogs.h"
#include "scoring/ResultsDraft.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class ResultsGrid;

// What the points and the correction windows share: a grid of the shown group's pairs, the
// group buttons, the "Totaal" line and the close question. The rules are the models'; this
// class shows their cells and reads the typed ones back through them.
class ResultsGridForm : public QDialog {
    Q_OBJECT
public:
    QTableWidget* grid() const;

protected:
    ResultsGridForm(velk::Dialogs& dialogs, QWidget* parent, const char* gridName, const QStringList& headers,
                    const std::vector<int>& widths, const QString& hint);

    virtual velk::ResultsDraft& draft() = 0;
    virtual std::string cellText(int row, int column) const = 0;
    virtual bool editable(int column) const = 0;
    // The column a click outside the editable ones goes to.
    virtual int firstEditableColumn() const = 0;
    // Reads list row `row` back from the grid's texts; the column to return to when refused.
    virtual std::optional<int> readRow(int row) = 0;
    // A close other than by its buttons: true to keep the window open.
    virtual bool keepOpenOnClose() = 0;
    virtual void cancel() = 0;

    // Fills the grid with the shown group.
    void fill();
    // Filled, 84 pixels below the main window's top and centred on it, until it closes.
    void showModal();
    // Every shown row read back; false (cursor on the refused cell) when one was refused.
    bool readShownRows();
    QString cell(int gridRow, int column) const;
    bool editing() const;
    ResultsGrid* resultsGrid() const { return grid_; }
    QPushButton* addButton(const char* name, const QString& text, const QString& hint,
                           std::function<void()> handler);
    void showTotal(const QString& text);
    // Closes after "Ok" or "Schrap", without the question.
    void finish(bool accepted);

    void stepGroup(int delta);
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    velk::Dialogs& dialogs_;
    // Enter in a cell reads its row back and moves one column to the right (an option).
    bool enterMovesOn_ = false;
    QLabel* label_ = nullptr;
    QGridLayout* buttons_ = nullptr;

private:
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);

    ResultsGrid* grid_ = nullptr;
    QLabel* total_ = nullptr;
    int buttonCount_ = 0;
    bool finished_ = false;
    bool moving_ = false;
};
