#pragma once

#include <QTableWidget>
#include <functional>
#include <optional>

// The grid of the results windows. A window may keep Tab and the arrow keys within a row's
// columns: the rule answers the column to go to, or nothing for the grid's own move.
class ResultsGrid : public QTableWidget {
public:
    // The moves along a row: Tab, Shift+Tab, Left and Right.
    enum class Move { Tab, BackTab, Left, Right };
    using ColumnRule = std::function<std::optional<int>(Move move, int column)>;

    explicit ResultsGrid(QWidget* parent = nullptr) : QTableWidget(parent) {}
    void setColumnRule(ColumnRule rule) { rule_ = std::move(rule); }

protected:
    // Every move goes through here: Tab in the grid and in an open cell editor, and the arrows.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    static std::optional<Move> moveOf(CursorAction action);

    ColumnRule rule_;
};
