#pragma once

#include "club/Club.h"
#include "club/PairEdit.h"

#include <QTableWidget>
#include <functional>
#include <optional>
#include <string>

// The pair list of the main window ("Parengrid"): one row per pair record, edited in place.
class PairGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit PairGrid(QWidget* parent = nullptr);

    // The column of the club numbers.
    static constexpr int ClubNrColumn = 1;

    // Rebuilds every row from the pair list.
    void showPairs(const velk::Club& club);
    // Rebuilds the row of pair record `pair` (1-based).
    void showPair(const velk::Club& club, int pair);
    // Copies the edited cells back into the pair records.
    void copyToRecords(velk::Club& club) const;
    // Row r of the grid shows pair record r (1-based).
    int currentPair() const { return currentRow() + 1; }
    void selectPair(int pair);
    // Scrolls so that `pair` stands at the top.
    void scrollToPair(int pair);
    void setEnterMovesOn(bool on) { enterMovesOn_ = on; }
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

    // The check of a cell typed in place: the text to show, or nothing when it was refused (the
    // check has said why). Without one every text is taken as typed.
    using FieldCheck =
        std::function<std::optional<std::string>(int pair, velk::PairField, const std::string&)>;
    void setFieldCheck(FieldCheck check) { fieldCheck_ = std::move(check); }

signals:
    void saveRequested();          // F3
    void sortGroupRequested();     // F4
    void insertRequested();        // F7
    void deleteRequested();        // F8
    void pageRequested(int delta); // Page Up / Page Down: one group
    void rowMoved(int fromPair, int toPair);
    void editPairRequested(int pair); // a double click, or Enter on a row (Ctrl+Enter when Enter moves on)

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class PairCellDelegate;
    // A typed cell: stored when the check accepts it, else typed again.
    void checkTypedCell(int row, int column, const QString& typed);
    void showRow(const velk::Club& club, int row);
    void onSectionMoved(int logical, int oldVisual, int newVisual);
    void markGroupCell(int row, int groupCount);

    bool enterMovesOn_ = false;
    bool restoring_ = false;
    FieldCheck fieldCheck_;
    int groupCount_ = 1;
};
