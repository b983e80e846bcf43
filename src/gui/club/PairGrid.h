#pragma once

#include "club/Club.h"

#include <QTableWidget>

// The pair list of the main window ("Parengrid"): one row per pair record, edited in place.
class PairGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit PairGrid(QWidget* parent = nullptr);

    // Rebuilds every row from the pair list.
    void showPairs(const velk::Club& club);
    // Copies the edited cells back into the pair records.
    void copyToRecords(velk::Club& club) const;
    // Row r of the grid shows pair record r (1-based).
    int currentPair() const { return currentRow() + 1; }
    void selectPair(int pair);
    // Scrolls so that `pair` stands at the top.
    void scrollToPair(int pair);
    void setEnterMovesOn(bool on) { enterMovesOn_ = on; }
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

signals:
    void saveRequested();          // F3
    void sortGroupRequested();     // F4
    void insertRequested();        // F7
    void deleteRequested();        // F8
    void pageRequested(int delta); // Page Up / Page Down: one group
    void rowMoved(int fromPair, int toPair);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onSectionMoved(int logical, int oldVisual, int newVisual);
    void markGroupCell(int row, int groupCount);

    bool enterMovesOn_ = false;
    bool restoring_ = false;
};
