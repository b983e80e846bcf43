#include "gui/scoring/ResultsGrid.h"

std::optional<ResultsGrid::Move> ResultsGrid::moveOf(CursorAction action) {
    switch (action) {
    case QAbstractItemView::MoveNext:
        return ResultsGrid::Move::Tab;
    case QAbstractItemView::MovePrevious:
        return ResultsGrid::Move::BackTab;
    case QAbstractItemView::MoveLeft:
        return ResultsGrid::Move::Left;
    case QAbstractItemView::MoveRight:
        return ResultsGrid::Move::Right;
    default:
        return std::nullopt;
    }
}

QModelIndex ResultsGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    const auto move = moveOf(action);
    if (rule_ && move && current.isValid())
        if (const auto column = rule_(*move, current.column()))
            return model()->index(current.row(), *column);
    return QTableWidget::moveCursor(action, modifiers);
}
