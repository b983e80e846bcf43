#include "gui/scoring/ResultsGridForm.h"

#include "gui/WindowPlacement.h"
#include "gui/scoring/ResultsGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int kRowHeight = 24;
constexpr int kMaxShownRows = 16;
constexpr int kMaxGridHeight = 475;
constexpr int kButtonsPerRow = 4;
} // namespace

ResultsGridForm::ResultsGridForm(velk::Dialogs& dialogs, QWidget* parent, const char* gridName,
                                 const QStringList& headers, const std::vector<int>& widths,
                                 const QString& hint)
    : QDialog(parent), dialogs_(dialogs) {
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("DatumLabel"));
    layout->addWidget(label_);
    grid_ = new ResultsGrid(this);
    grid_->setObjectName(QString::fromLatin1(gridName));
    grid_->setColumnCount(static_cast<int>(headers.size()));
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->setToolTip(hint);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        grid_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    WidenToTitles(grid_);
    grid_->setMinimumWidth(2 * grid_->frameWidth() + grid_->horizontalHeader()->length() + 20);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this, &ResultsGridForm::onCurrentCellChanged);
    layout->addWidget(grid_, 1);
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("TotaalLabel"));
    total_->hide();
    layout->addWidget(total_);
    buttons_ = new QGridLayout;
    layout->addLayout(buttons_);
}

QTableWidget* ResultsGridForm::grid() const {
    return grid_;
}

QPushButton* ResultsGridForm::addButton(const char* name, const QString& text, const QString& hint,
                                        std::function<void()> handler) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
    buttons_->addWidget(b, buttonCount_ / kButtonsPerRow, buttonCount_ % kButtonsPerRow);
    ++buttonCount_;
    return b;
}

void ResultsGridForm::fill() {
    velk::ResultsDraft& d = draft();
    const int rows = d.shownRows();
    moving_ = true;
    grid_->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cellText(d.firstRow() + r, c)));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (editable(c))
                flags |= Qt::ItemIsEditable;
            item->setFlags(flags);
            if (c >= 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
    const int shown = std::min(std::max(rows, 1), kMaxShownRows);
    grid_->setMinimumHeight(
        std::min(kMaxGridHeight, grid_->horizontalHeader()->height() + shown * kRowHeight + 4));
    if (rows > 0)
        grid_->setCurrentCell(0, firstEditableColumn());
    moving_ = false;
}

void ResultsGridForm::showModal() {
    fill();
    FitGrid(this, grid_);
    CentreOnParent(this, parentWidget());
    exec();
}

QString ResultsGridForm::cell(int gridRow, int column) const {
    const QTableWidgetItem* item = grid_->item(gridRow, column);
    return item ? item->text() : QString();
}

bool ResultsGridForm::editing() const {
    // An open cell editor is a child of the grid that has the focus.
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != grid_ && grid_->isAncestorOf(focus);
}

bool ResultsGridForm::readShownRows() {
    const int first = draft().firstRow();
    for (int r = 0; r < grid_->rowCount(); ++r)
        if (const auto column = readRow(first + r)) {
            moving_ = true;
            grid_->setCurrentCell(r, *column);
            moving_ = false;
            return false;
        }
    return true;
}

void ResultsGridForm::onCurrentCellChanged(int row, int column, int previousRow, int) {
    if (moving_ || row < 0)
        return;
    moving_ = true;
    // A row left is read back; a refused value keeps the cursor on it.
    if (previousRow >= 0 && previousRow != row && previousRow < grid_->rowCount()) {
        if (const auto back = readRow(draft().firstRow() + previousRow)) {
            grid_->setCurrentCell(previousRow, *back);
            moving_ = false;
            return;
        }
    }
    if (!editable(column))
        grid_->setCurrentCell(row, firstEditableColumn());
    moving_ = false;
}

void ResultsGridForm::showTotal(const QString& text) {
    total_->setText(QStringLiteral("Totaal: ") + text);
    total_->show();
}

void ResultsGridForm::stepGroup(int delta) {
    velk::ResultsDraft& d = draft();
    if (editing()) {
        d.stepGroup(delta, true, dialogs_);
        return;
    }
    if (!readShownRows())
        return;
    if (d.groupCount() == 1) {
        grid_->setCurrentCell(delta < 0 ? 0 : grid_->rowCount() - 1, firstEditableColumn());
        return;
    }
    if (d.stepGroup(delta, false, dialogs_)) {
        total_->hide();
        fill();
    }
}

void ResultsGridForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        stepGroup(event->key() == Qt::Key_PageUp ? -1 : 1);
        return;
    }
    // Enter belongs to the cells, never to a default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

bool ResultsGridForm::eventFilter(QObject* watched, QEvent* event) {
    // The grid would page through its rows; here the pages are the groups.
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            stepGroup(key == Qt::Key_PageUp ? -1 : 1);
            return true;
        }
        if (enterMovesOn_ && (key == Qt::Key_Return || key == Qt::Key_Enter) && !editing()) {
            const int row = grid_->currentRow();
            if (row >= 0 && !readRow(draft().firstRow() + row))
                grid_->setCurrentCell(row, std::min(grid_->currentColumn() + 1, grid_->columnCount() - 1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ResultsGridForm::finish(bool accepted) {
    finished_ = true;
    if (accepted)
        QDialog::accept();
    else
        QDialog::reject();
}

void ResultsGridForm::reject() {
    close();
}

void ResultsGridForm::closeEvent(QCloseEvent* event) {
    if (finished_) {
        event->accept();
        return;
    }
    if (keepOpenOnClose()) {
        event->ignore();
        return;
    }
    cancel();
    finished_ = true;
    event->accept();
    QDialog::reject();
}
