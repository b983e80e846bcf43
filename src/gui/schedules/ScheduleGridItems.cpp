#include "gui/schedules/ScheduleGridItems.h"

#include "gui/schedules/SchedulePrinting.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>

QWidget* GroupCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(4);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z ]*")), edit));
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const int at = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(at);
    });
    return edit;
}

QTableWidgetItem* FixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString CellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void PrintScheduleTable(velk::Dialogs& dialogs, bool landscape, const QString& caption,
                        const QString& fileName, const QTableWidget& grid) {
    QStringList header;
    std::vector<int> widths;
    for (int c = 0; c < grid.columnCount(); ++c) {
        const QTableWidgetItem* item = grid.horizontalHeaderItem(c);
        header << (item ? item->text() : QString());
        widths.push_back(grid.columnWidth(c));
    }
    std::vector<QStringList> rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid.columnCount(); ++c)
            row << CellText(&grid, r, c);
        rows.push_back(row);
    }
    PrintScheduleGrid(dialogs, landscape, caption, fileName, header, widths, rows);
}
