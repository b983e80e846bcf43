#include "gui/schedules/TSchemaFormE.h"

#include "core/HelpContext.h"
#include "gui/club/FormKeys.h"
#include "gui/schedules/ScheduleGridItems.h"
#include "schedules/ScheduleCells.h"
#include "schedules/ScheduleFieldCheck.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace {

using velk::PlayerField;
using velk::ScheduleView;

// Views 1 and 2: the seats N, Z, O, W from this column on, then the board group and "Lenen".
constexpr int kRoundViewFirstSeat = 2;
constexpr int kTableViewFirstSeat = 1;
constexpr int kSeats = 4;
// View 3 cells hold two lines.
constexpr int kWholeViewRowHeight = 40;

} // namespace

TSchemaFormE::TSchemaFormE(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : ScheduleFormBase(club, dialogs,
                       {"SchemaFormE",
                        "SpelersLabel",
                        {"NEdit", "OEdit", "ZEdit", "WEdit", "SPEdit"},
                        "SluitBtn",
                        "SchrapBtn",
                        "PrintBtn"},
                       parent),
      nEdit_(edits_[0]), oEdit_(edits_[1]), zEdit_(edits_[2]), wEdit_(edits_[3]), groupEdit_(edits_[4]) {
    setWindowTitle(QStringLiteral("Schema Invoeren"));
}

void TSchemaFormE::NewSchedule(int view, const velk::ScheduleCounts& counts, int scheduleType) {
    editor_.startNew(counts, static_cast<ScheduleView>(view));
    editor_.scheduleType = scheduleType;
    showEditor(false);
}

bool TSchemaFormE::ChangeSchedule(int choice) {
    // Individual schedules are not renumbered: only the three views.
    if (choice < 4 || choice > 6)
        return false;
    const auto path = velk::ChooseBaseScheduleToChange(editor_.counts(), dialogs_);
    if (!path || !editor_.open(*path, static_cast<ScheduleView>(choice - 3), dialogs_, club_.ErrorCode))
        return false;
    club_.BaseScheduleFile = *path;
    showEditor(true);
    return true;
}

void TSchemaFormE::showEditor(bool changing) {
    setWindowTitle(ToQt(velk::IndividualEditorCaption(changing, editor_.view())));
    showSteps();
    fillCounts();
    fillGrid();
    placeOnFirstShow(grid_);
    show();
    raise();
    grid_->setFocus();
}

void TSchemaFormE::fillCounts() {
    const velk::ScheduleCounts c = editor_.counts();
    scheduleLine_->setText(ToQt(editor_.scheduleLine()));
    count_->setText(QString::number(c.Pairs) + QStringLiteral("        Spelers"));
    tables_->setText(QString::number(c.Tables) + QStringLiteral("        Tafels"));
    rounds_->setText(QString::number(c.Rounds) + QStringLiteral("        Ronden"));
    groups_->setText(QString::number(c.BoardGroups) + QStringLiteral("        Spelgrpn"));
    type_->setText(QStringLiteral("Schematype: ") + ToQt(velk::ScheduleTypeLongName(editor_.scheduleType)));
}

int TSchemaFormE::firstSeatColumn() const {
    return editor_.view() == ScheduleView::PerRound ? kRoundViewFirstSeat : kTableViewFirstSeat;
}

void TSchemaFormE::fillGrid() {
    grid_->clear();
    grid_->setItemDelegate(new QStyledItemDelegate(grid_));
    // Fresh rows, so view 3's taller rows do not stay.
    grid_->setRowCount(0);
    if (editor_.view() == ScheduleView::Whole)
        fillWholeView();
    else
        fillRowsView();
}

void TSchemaFormE::fillRowsView() {
    const bool perRound = editor_.view() == ScheduleView::PerRound;
    position_->setText(perRound ? QStringLiteral("Ronde %1").arg(editor_.currentRound())
                                : QStringLiteral("Tafel %1").arg(editor_.currentTable()));
    const QStringList header =
        perRound ? QStringLiteral("Tafel,TafelLab,N,Z,O,W,SpelGrp,Lenen").split(QLatin1Char(','))
                 : QStringLiteral("Ronde,N,Z,O,W,SpelGrp,Lenen").split(QLatin1Char(','));
    const int first = firstSeatColumn();
    const auto rows = editor_.rows();
    const auto hints = editor_.borrowHints();
    grid_->setColumnCount(static_cast<int>(header.size()));
    grid_->setHorizontalHeaderLabels(header);
    grid_->setRowCount(static_cast<int>(rows.size()));
    grid_->setItemDelegateForColumn(first + kSeats, new GroupCellDelegate(grid_));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const velk::PlayerRow& row = rows[static_cast<std::size_t>(i)];
        grid_->setItem(i, 0, FixedItem(QString::number(i + 1)));
        if (perRound)
            grid_->setItem(i, 1, new QTableWidgetItem(ToQt(row.Table)));
        const std::string* seats[kSeats] = {&row.N, &row.Z, &row.O, &row.W};
        for (int s = 0; s < kSeats; ++s)
            grid_->setItem(i, first + s, new QTableWidgetItem(ToQt(*seats[s])));
        grid_->setItem(i, first + kSeats, new QTableWidgetItem(ToQt(row.Group)));
        grid_->setItem(i, first + kSeats + 1, FixedItem(ToQt(hints[static_cast<std::size_t>(i)])));
    }
}

void TSchemaFormE::fillWholeView() {
    const velk::ScheduleCounts c = editor_.counts();
    ScheduleFormBase::fillWholeView(
        c.Rounds, c.Tables,
        [this](int r, int t) { return ToQt(velk::WholeViewCellText(editor_.schedule().at(r, t))); },
        kWholeViewRowHeight);
}

std::vector<velk::PlayerRow> TSchemaFormE::gridRows() const {
    const bool perRound = editor_.view() == ScheduleView::PerRound;
    const int first = firstSeatColumn();
    std::vector<velk::PlayerRow> rows;
    for (int i = 0; i < grid_->rowCount(); ++i) {
        velk::PlayerRow row;
        if (perRound)
            row.Table = FromQt(CellText(grid_, i, 1));
        row.N = FromQt(CellText(grid_, i, first));
        row.Z = FromQt(CellText(grid_, i, first + 1));
        row.O = FromQt(CellText(grid_, i, first + 2));
        row.W = FromQt(CellText(grid_, i, first + 3));
        row.Group = velk::NormaliseGroupCell(FromQt(CellText(grid_, i, first + kSeats)));
        rows.push_back(row);
    }
    return rows;
}

bool TSchemaFormE::storeView() {
    const auto failure =
        editor_.view() == ScheduleView::Whole
            ? editor_.storeColumns(wholeViewColumns(velk::ParsePlayerWholeViewCell), dialogs_)
            : editor_.storeRows(gridRows(), dialogs_);
    if (failure)
        putCursor(*failure);
    return !failure;
}

void TSchemaFormE::putCursor(const velk::PlayerCellPosition& at) {
    int column = at.TableColumn;
    if (editor_.view() != ScheduleView::Whole) {
        switch (at.Field) {
        case PlayerField::Table:
            column = 1;
            break;
        case PlayerField::Group:
            column = firstSeatColumn() + kSeats;
            break;
        default:
            // N, Z, O, W follow Table in the enum as they follow each other in the grid.
            column = firstSeatColumn() + static_cast<int>(at.Field) - static_cast<int>(PlayerField::N);
            break;
        }
    }
    grid_->setCurrentCell(at.Row, column);
    grid_->setFocus();
}

void TSchemaFormE::okClicked() {
    if (!storeView())
        return;
    finishClosing(editor_.confirm(club_.TablesPerGroup, dialogs_, club_.ErrorCode));
}

void TSchemaFormE::printClicked() {
    if (!editor_.schedule().isComplete())
        return;
    PrintScheduleTable(dialogs_, (club_.ConfigRecord.OptionFlags & velk::OptionFlag::Landscape) != 0,
                       windowTitle(), ToQt(editor_.fileName()), *grid_);
}

void TSchemaFormE::helpClicked() {
    static const int topics[] = {velk::HelpContext::ScheduleEntryView1, velk::HelpContext::ScheduleEntryView2,
                                 velk::HelpContext::ScheduleEntryView3};
    dialogs_.showHelp(topics[static_cast<int>(editor_.view()) - 1]);
}

void TSchemaFormE::editWholeCell() {
    if (!beginWholeCellEdit())
        return;
    const velk::PlayerRow cell =
        velk::ParsePlayerWholeViewCell(FromQt(CellText(grid_, editRow_, editColumn_)));
    nEdit_->setText(ToQt(cell.N));
    oEdit_->setText(ToQt(cell.O));
    zEdit_->setText(ToQt(cell.Z));
    wEdit_->setText(ToQt(cell.W));
    groupEdit_->setText(ToQt(cell.Group));
}

void TSchemaFormE::wholeCellEdited() {
    if (editRow_ < 0)
        return;
    const auto text = [](const QLineEdit* edit) { return FromQt(edit->text().trimmed()); };
    velk::PlayerRow row{std::to_string(editColumn_),
                        text(nEdit_),
                        text(zEdit_),
                        text(oEdit_),
                        text(wEdit_),
                        velk::NormaliseGroupCell(text(groupEdit_))};
    if (const auto wrong =
            velk::CheckPlayerEditFields(row.N, row.O, row.Z, row.W, row.Group, editor_.counts(), dialogs_)) {
        QLineEdit* fields[] = {nEdit_, oEdit_, zEdit_, wEdit_, groupEdit_};
        fields[static_cast<int>(*wrong)]->setFocus();
        return;
    }
    finishWholeCellEdit(ToQt(velk::WholeViewCellText(velk::EntryOf(row, editColumn_))));
}
