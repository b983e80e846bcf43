#include "gui/schedules/TSchemaForm.h"

#include "core/HelpContext.h"
#include "gui/club/FormKeys.h"
#include "gui/schedules/RenumberView.h"
#include "gui/schedules/ScheduleGridItems.h"
#include "gui/schedules/TVernummerDlg.h"
#include "schedules/RenumberEditor.h"
#include "schedules/Renumbering.h"
#include "schedules/ScheduleFieldCheck.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

using velk::ScheduleView;

// Grid columns of views 1 and 2.
constexpr int kRoundViewFirstPair = 2;
constexpr int kTableViewFirstPair = 1;

} // namespace

TSchemaForm::TSchemaForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : ScheduleFormBase(club, dialogs,
                       {"SchemaForm",
                        "ParenLabel",
                        {"NZEdit", "OWEdit", "SPEdit"},
                        "SluitBtn3",
                        "SchrapBtn3",
                        "UitvoerBtn"},
                       parent),
      nsEdit_(edits_[0]), ewEdit_(edits_[1]), groupEdit_(edits_[2]) {
    renumberView_ = new RenumberView(
        club_, dialogs_, editor_, [this] { closeByButton(); }, this);
    renumberView_->hide();
    gridRow_->addWidget(renumberView_, 1);
}

void TSchemaForm::NewSchedule(int view, const velk::ScheduleCounts& counts, int scheduleType) {
    editor_.startNew(counts, static_cast<ScheduleView>(view));
    editor_.scheduleType = scheduleType;
    showEditor(false);
}

bool TSchemaForm::ChangeSchedule(int choice) {
    if (choice == 7)
        return openRenumbering();
    if (choice < 4 || choice > 6)
        return false;
    const auto path = velk::ChooseBaseScheduleToChange(editor_.counts(), dialogs_);
    if (!path || !editor_.open(*path, static_cast<ScheduleView>(choice - 3), dialogs_, club_.ErrorCode))
        return false;
    club_.BaseScheduleFile = *path;
    showEditor(true);
    return true;
}

bool TSchemaForm::openRenumbering() {
    if (!velk::RenumberingPossible(club_, dialogs_))
        return false;
    TVernummerDlg counts(club_, dialogs_, this);
    if (counts.exec() != QDialog::Accepted || !velk::HasBaseScheduleToRenumber(club_, dialogs_))
        return false;
    editor_.setView(ScheduleView::Renumbering);
    editor_.scheduleType = counts.scheduleType();
    renumberView_->start(counts.pairs());
    showEditor(false);
    return true;
}

void TSchemaForm::showEditor(bool changing) {
    changing_ = changing;
    const bool renumbering = editor_.view() == ScheduleView::Renumbering;
    setWindowTitle(renumbering ? QStringLiteral("Schema Vernummeren")
                               : ToQt(velk::ScheduleEditorCaption(changing, editor_.view())));
    showSteps(renumbering);
    grid_->setVisible(!renumbering);
    renumberView_->setVisible(renumbering);
    for (QLabel* label : {tables_, rounds_, groups_})
        label->setVisible(!renumbering);
    fillCounts();
    fillGrid();
    placeOnFirstShow(renumbering ? renumberView_->grid() : grid_);
    show();
    raise();
    (renumbering ? renumberView_->grid() : grid_)->setFocus();
}

void TSchemaForm::fillCounts() {
    const velk::ScheduleCounts c = editor_.counts();
    const bool renumbering = editor_.view() == ScheduleView::Renumbering;
    scheduleLine_->setText(ToQt(renumbering ? velk::RenumberScheduleLine(club_) : editor_.scheduleLine()));
    count_->setText(QString::number(renumbering ? renumberView_->pairs() : c.Pairs) +
                    QStringLiteral(" Paren"));
    tables_->setText(QString::number(c.Tables) + QStringLiteral(" Tafels"));
    rounds_->setText(QString::number(c.Rounds) + QStringLiteral(" Ronden"));
    groups_->setText(QString::number(c.BoardGroups) + QStringLiteral(" SpelGrpn"));
    type_->setText(QStringLiteral("Schematype: ") + ToQt(velk::ScheduleTypeLongName(editor_.scheduleType)));
}

void TSchemaForm::fillGrid() {
    grid_->clear();
    grid_->setItemDelegate(new QStyledItemDelegate(grid_));
    const velk::ScheduleCounts c = editor_.counts();
    switch (editor_.view()) {
    case ScheduleView::PerRound:
    case ScheduleView::PerTable: {
        const bool perRound = editor_.view() == ScheduleView::PerRound;
        position_->setText(perRound ? QStringLiteral("Ronde %1").arg(editor_.currentRound())
                                    : QStringLiteral("Tafel %1").arg(editor_.currentTable()));
        const QStringList header =
            perRound ? QStringLiteral("Tafel,TflLabel,N_Z,O_W,SpelGrp,Lenen").split(QLatin1Char(','))
                     : QStringLiteral("Ronde,N_Z,O_W,SpelGroep,Lenen").split(QLatin1Char(','));
        const int first = perRound ? kRoundViewFirstPair : kTableViewFirstPair;
        const auto rows = editor_.rows();
        const auto hints = editor_.borrowHints();
        grid_->setColumnCount(static_cast<int>(header.size()));
        grid_->setHorizontalHeaderLabels(header);
        grid_->setRowCount(static_cast<int>(rows.size()));
        grid_->setItemDelegateForColumn(first + 2, new GroupCellDelegate(grid_));
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            const velk::ScheduleRow& row = rows[static_cast<std::size_t>(i)];
            grid_->setItem(i, 0, FixedItem(QString::number(i + 1)));
            if (perRound)
                grid_->setItem(i, 1, new QTableWidgetItem(ToQt(row.Table)));
            grid_->setItem(i, first, new QTableWidgetItem(ToQt(row.NS)));
            grid_->setItem(i, first + 1, new QTableWidgetItem(ToQt(row.EW)));
            grid_->setItem(i, first + 2, new QTableWidgetItem(ToQt(row.Group)));
            grid_->setItem(i, first + 3, FixedItem(ToQt(hints[static_cast<std::size_t>(i)])));
        }
        break;
    }
    case ScheduleView::Whole:
        fillWholeView(c.Rounds, c.Tables, [this](int r, int t) {
            return ToQt(velk::WholeViewCellText(editor_.schedule().at(r, t)));
        });
        break;
    case ScheduleView::Renumbering:
        break;
    }
}

std::vector<velk::ScheduleRow> TSchemaForm::gridRows() const {
    const bool perRound = editor_.view() == ScheduleView::PerRound;
    const int first = perRound ? kRoundViewFirstPair : kTableViewFirstPair;
    std::vector<velk::ScheduleRow> rows;
    for (int i = 0; i < grid_->rowCount(); ++i) {
        velk::ScheduleRow row;
        if (perRound)
            row.Table = FromQt(CellText(grid_, i, 1));
        row.NS = FromQt(CellText(grid_, i, first));
        row.EW = FromQt(CellText(grid_, i, first + 1));
        row.Group = velk::NormaliseGroupCell(FromQt(CellText(grid_, i, first + 2)));
        rows.push_back(row);
    }
    return rows;
}

bool TSchemaForm::storeView() {
    const auto failure = editor_.view() == ScheduleView::Whole
                             ? editor_.storeColumns(wholeViewColumns(velk::ParseWholeViewCell), dialogs_)
                             : editor_.storeRows(gridRows(), dialogs_);
    if (failure)
        putCursor(*failure);
    return !failure;
}

void TSchemaForm::putCursor(const velk::CellPosition& at) {
    int column = 0;
    if (editor_.view() == ScheduleView::Whole) {
        column = at.TableColumn;
    } else {
        const int first =
            editor_.view() == ScheduleView::PerRound ? kRoundViewFirstPair : kTableViewFirstPair;
        switch (at.Field) {
        case velk::ScheduleField::Table:
            column = 1;
            break;
        case velk::ScheduleField::NS:
            column = first;
            break;
        case velk::ScheduleField::EW:
            column = first + 1;
            break;
        case velk::ScheduleField::Group:
            column = first + 2;
            break;
        }
    }
    grid_->setCurrentCell(at.Row, column);
    grid_->setFocus();
}

void TSchemaForm::okClicked() {
    if (editor_.view() == ScheduleView::Renumbering || !storeView())
        return;
    finishClosing(editor_.confirm(club_.TablesPerGroup, dialogs_, club_.ErrorCode));
}

void TSchemaForm::printClicked() {
    if (!editor_.schedule().isComplete())
        return;
    const QTableWidget* grid = editor_.view() == ScheduleView::Renumbering ? renumberView_->grid() : grid_;
    PrintScheduleTable(dialogs_, (club_.ConfigRecord.OptionFlags & velk::OptionFlag::Landscape) != 0,
                       windowTitle(), ToQt(editor_.fileName()), *grid);
}

void TSchemaForm::helpClicked() {
    static const int topics[] = {velk::HelpContext::ScheduleEntryView1, velk::HelpContext::ScheduleEntryView2,
                                 velk::HelpContext::ScheduleEntryView3, velk::HelpContext::RenumberView};
    dialogs_.showHelp(topics[static_cast<int>(editor_.view()) - 1]);
}

void TSchemaForm::editWholeCell() {
    if (!beginWholeCellEdit())
        return;
    const velk::ScheduleRow cell = velk::ParseWholeViewCell(FromQt(CellText(grid_, editRow_, editColumn_)));
    nsEdit_->setText(ToQt(cell.NS));
    ewEdit_->setText(ToQt(cell.EW));
    groupEdit_->setText(ToQt(cell.Group));
}

void TSchemaForm::wholeCellEdited() {
    if (editRow_ < 0)
        return;
    const std::string ns = FromQt(nsEdit_->text().trimmed());
    const std::string ew = FromQt(ewEdit_->text().trimmed());
    const std::string group = velk::NormaliseGroupCell(FromQt(groupEdit_->text().trimmed()));
    if (const auto wrong = velk::CheckEditFields(ns, ew, group, editor_.counts(), dialogs_)) {
        QLineEdit* fields[] = {nsEdit_, ewEdit_, groupEdit_};
        fields[static_cast<int>(*wrong)]->setFocus();
        return;
    }
    velk::ScheduleRow row{std::to_string(editColumn_), ns, ew, group};
    finishWholeCellEdit(ToQt(velk::WholeViewCellText(velk::EntryOf(row, editColumn_))));
}
