#include "gui/club/PairGrid.h"

#include "core/records/PairRecord.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>

namespace {

enum Column { ColIndx, ColClubNr, ColGroep, ColGrpNr, ColNaam, ColRang, ColumnCount };

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

} // namespace

PairGrid::PairGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("Parengrid"));
    setColumnCount(ColumnCount);
    setHorizontalHeaderLabels(QString::fromUtf8("Indx,ClubNr,Groep,GrpNr,Naam,Rang").split(QLatin1Char(',')));
    FitColumns(this);
    new FontWatch(this);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setSectionsMovable(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(verticalHeader(), &QHeaderView::sectionMoved, this, &PairGrid::onSectionMoved);
}

void PairGrid::showPairs(const velk::Club& club) {
    const int pairs = static_cast<int>(club.PairList.size()) - 1;
    setRowCount(std::max(pairs, 0));
    for (int r = 0; r < pairs; ++r) {
        const velk::TParenObj& p = club.PairList[static_cast<std::size_t>(r + 1)];
        const char letter = static_cast<char>(p.Groep == 0 ? ' ' : p.Groep);
        setItem(r, ColIndx, Cell(QString::number(r + 1), false));
        setItem(r, ColClubNr, Cell(QString::number(p.ClubNr), true));
        setItem(r, ColGroep, Cell(QString(QLatin1Char(letter)), true));
        setItem(r, ColGrpNr, Cell(QString::number(p.GrpNr), true));
        setItem(r, ColNaam, Cell(QString::fromStdString(p.Naam.get()), true));
        setItem(r, ColRang, Cell(QString::number(p.Rang), false));
        markGroupCell(r, club.CompetitionHead.GroupCount);
    }
    setColumnHidden(ColRang, pairs < 1 || club.PairList[1].Rang == 0);
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
        if (enterMovesOn_ && state() != QAbstractItemView::EditingState) {
            const int next = currentColumn() + 1 >= ColRang ? ColClubNr : currentColumn() + 1;
            setCurrentCell(currentRow(), next);
            return;
        }
        break;
    default:
        break;
    }
    QTableWidget::keyPressEvent(event);
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
