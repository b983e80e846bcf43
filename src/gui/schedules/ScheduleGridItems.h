#pragma once

#include "core/Dialogs.h"

#include <QString>
#include <QStyledItemDelegate>

class QTableWidget;
class QTableWidgetItem;

// Pieces both schedule editors' grids share.

// Board group cells take letters only and show them in upper case.
class GroupCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
};

// A cell the user cannot type in.
QTableWidgetItem* FixedItem(const QString& text);
// The text of a cell, empty where there is no item.
QString CellText(const QTableWidget* grid, int row, int column);

// "Print": the grid as shown, header and all rows, under the caption and the schedule file name.
void PrintScheduleTable(velk::Dialogs& dialogs, bool landscape, const QString& caption,
                        const QString& fileName, const QTableWidget& grid);
