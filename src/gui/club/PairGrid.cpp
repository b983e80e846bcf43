#include "gui/club/PairGrid.h"

#include "core/records/PairRecord.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

namespace {

enum Column { ColIndx, ColClubNr, ColGroep, ColGrpNr, ColNaam, ColRang, ColumnCount };
static_assert(ColClubNr == PairGrid::ClubNrColumn);

QTableWidgetItem* Cell(const QString& text, bool editable) {
    auto* item = new QTableWidgetItem(text);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// The data's widths; a column whose title needs more gets what it needs, at every font.
constexpr int kDataWidths[ColumnCount] = {30, 50, 40, 40, 260, 45};

int HeaderTextWidth(const QHeaderView* header, int section, const QString& text) {
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = section;
    option.text = text;
    const QSize styled =
        header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return std::max(styled.width(), header->fontMetrics().horizontalAdvance(text) + 2 * margin + 2);
}

void FitColumns(QTableWidget* grid) {
    for (int c = 0; c < ColumnCount; ++c) {
        const QTableWidgetItem* title = grid->horizontalHeaderItem(c);
        const int needed = title ? HeaderTextWidth(grid->horizontalHeader(), c, title->text()) : 0;
        grid->setColumnWidth(c, std::max(kDataWidths[c], needed));
    }
}

// Refits the columns when the screen font of the options changes.
class FontWatch : public QObject {
public:
    explicit FontWatch(QTableWidget* grid) : QObject(grid), grid_(grid) { grid->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == grid_ && event->type() == QEvent::FontChange)
            FitColumns(grid_);
        return QObject::eventFilter(watched, event);
    }

private:
    QTableWidget* grid_;
};

// The pair field a column edits; nothing for Indx and Rang.
std::optional<velk::PairField> FieldOf(int column) {
    switch (column) {
    case ColClubNr:
        return velk::PairField::ClubNr;
    case ColGroep:
        return velk::PairField::Groep;
    case ColGrpNr:
        return velk::PairField::GrpNr;
    case ColNaam:
        return velk::PairField::Naam;
    default:
        return std::nullopt;
    }
}

} // namespace

// Cells typed in place go through the pair checks before they are stored.
class PairCellDelegate : public QStyledItemDelegate {
public:
    explicit PairCellDelegate(PairGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    // The next editor of `index` starts with `text`: the refused input, to be corrected.
    void retype(const QModelIndex& index, const QString& text) {
        retypedIndex_ = index;
        retypedText_ = text;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && retypedIndex_.isValid() && index == retypedIndex_) {
            line->setText(retypedText_);
            retypedIndex_ = QPersistentModelIndex();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line || !grid_->fieldCheck_ || !FieldOf(index.column())) {
            QStyledItemDelegate::setModelData(editor, model, index);
            return;
        }
        const QString typed = line->text();
        if (typed == index.data(Qt::EditRole).toString())
            return;
        // The check may show a message; not from inside the editor's own commit, which the
        // message's focus change would close under it.
        QTimer::singleShot(0, grid_, [grid = grid_, row = index.row(), column = index.column(), typed] {
            grid->checkTypedCell(row, column, typed);
        });
    }

private:
    PairGrid* grid_;
    mutable QPersistentModelIndex retypedIndex_;
    QString retypedText_;
};

PairGrid::PairGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("Parengrid"));
    setColumnCount(ColumnCount);
    setHorizontalHeaderLabels(QString::fromUtf8("Indx,ClubNr,Groep,GrpNr,Naam,Rang").split(QLatin1Char(',')));
    FitColumns(this);
    new FontWatch(this);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click opens the pair dialog; typing or F2 edits a cell in place.
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new PairCellDelegate(this));
    verticalHeader()->setSectionsMovable(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(verticalHeader(), &QHeaderView::sectionMoved, this, &PairGrid::onSectionMoved);
}

void PairGrid::showPairs(const velk::Club& club) {
    const int pairs = static_cast<int>(club.PairList.size()) - 1;
    setRowCount(std::max(pairs, 0));
    for (int r = 0; r < pairs; ++r)
        showRow(club, r);
    setColumnHidden(ColRang, pairs < 1 || club.PairList[1].Rang == 0);
}

void PairGrid::showPair(const velk::Club& club, int pair) {
    if (pair >= 1 && pair <= rowCount() && pair < static_cast<int>(club.PairList.size()))
        showRow(club, pair - 1);
}

void PairGrid::showRow(const velk::Club& club, int r) {
    const velk::TParenObj& p = club.PairList[static_cast<std::size_t>(r + 1)];
    const char letter = static_cast<char>(p.Groep == 0 ? ' ' : p.Groep);
    setItem(r, ColIndx, Cell(QString::number(r + 1), false));
    setItem(r, ColClubNr, Cell(QString::number(p.ClubNr), true));
    setItem(r, ColGroep, Cell(QString(QLatin1Char(letter)), true));
    setItem(r, ColGrpNr, Cell(QString::number(p.GrpNr), true));
    setItem(r, ColNaam, Cell(QString::fromStdString(p.Naam.get()), true));
    setItem(r, ColRang, Cell(QString::number(p.Rang), false));
    groupCount_ = club.CompetitionHead.GroupCount;
    markGroupCell(r, groupCount_);
}

void PairGrid::checkTypedCell(int row, int column, const QString& typed) {
    QTableWidgetItem* cell = item(row, column);
    const auto field = FieldOf(column);
    if (!cell || !field || !fieldCheck_)
        return;
    if (const auto shown = fieldCheck_(row + 1, *field, typed.toStdString())) {
        cell->setText(QString::fromStdString(*shown));
        markGroupCell(row, groupCount_);
        return;
    }
    // Refused: the cell keeps what it had, and the input is offered again to be corrected.
    setCurrentCell(row, column);
    static_cast<PairCellDelegate*>(itemDelegate())->retype(indexFromItem(cell), typed);
    editItem(cell);
}

void PairGrid::markGroupCell(int row, int groupCount) {
    QTableWidgetItem* cell = item(row, ColGroep);
    if (!cell)
        return;
    const QString text = cell->text().trimmed().toUpper();
    bool valid = groupCount <= 1 ? text.isEmpty() || text == QLatin1String(" ") : false;
    if (text.size() == 1) {
        const int ordinal = text[0].unicode() - 'A' + 1;
        valid = valid || (ordinal >= 1 && ordinal <= groupCount);
    }
    cell->setBackground(valid ? QBrush() : palette().highlight());
}

void PairGrid::copyToRecords(velk::Club& club) const {
    const int rows = std::min(rowCount(), static_cast<int>(club.PairList.size()) - 1);
    for (int r = 0; r < rows; ++r) {
        velk::TParenObj& p = club.PairList[static_cast<std::size_t>(r + 1)];
        auto text = [&](int c) { return item(r, c) ? item(r, c)->text() : QString(); };
        bool ok = false;
        const int clubNr = text(ColClubNr).trimmed().toInt(&ok);
        if (ok)
            p.ClubNr = static_cast<std::int16_t>(clubNr);
        const QString letter = text(ColGroep).trimmed().toUpper();
        p.Groep = static_cast<std::uint8_t>(letter.isEmpty() ? ' ' : letter[0].toLatin1());
        const int grpNr = text(ColGrpNr).trimmed().toInt(&ok);
        if (ok)
            p.GrpNr = static_cast<std::int16_t>(grpNr);
        p.Naam.set(text(ColNaam).toStdString());
        p.Indx = static_cast<std::int16_t>(r + 1);
    }
}

void PairGrid::selectPair(int pair) {
    if (pair < 1 || pair > rowCount())
        return;
    setCurrentCell(pair - 1, std::max(currentColumn(), static_cast<int>(ColClubNr)));
    selectRow(pair - 1);
}

void PairGrid::scrollToPair(int pair) {
    if (pair < 1 || pair > rowCount())
        return;
    scrollToItem(item(pair - 1, ColIndx), QAbstractItemView::PositionAtTop);
    selectPair(pair);
}

void PairGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F3:
        emit saveRequested();
        return;
    case Qt::Key_F4:
        emit sortGroupRequested();
        return;
    case Qt::Key_F7:
        emit insertRequested();
        return;
    case Qt::Key_F8:
        emit deleteRequested();
        return;
    case Qt::Key_PageUp:
        emit pageRequested(-1);
        return;
    case Qt::Key_PageDown:
        emit pageRequested(+1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (state() == QAbstractItemView::EditingState)
            break;
        if (enterMovesOn_ && !(event->modifiers() & Qt::ControlModifier)) {
            const int next = currentColumn() + 1 >= ColRang ? ColClubNr : currentColumn() + 1;
            setCurrentCell(currentRow(), next);
            return;
        }
        if (currentRow() >= 0) {
            emit editPairRequested(currentPair());
            return;
        }
        break;
    default:
        break;
    }
    QTableWidget::keyPressEvent(event);
}

void PairGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && state() != QAbstractItemView::EditingState) {
        emit editPairRequested(index.row() + 1);
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

void PairGrid::onSectionMoved(int, int oldVisual, int newVisual) {
    if (restoring_)
        return;
    // The header only moved a picture of the row; put it back and let the owner move the record.
    restoring_ = true;
    verticalHeader()->moveSection(newVisual, oldVisual);
    restoring_ = false;
    emit rowMoved(oldVisual + 1, newVisual + 1);
}
