#include "gui/schedules/TSchemaFormE.h"

#include "gui/club/FormKeys.h"
#include "gui/schedules/ScheduleGridItems.h"
#include "schedules/ScheduleCells.h"
#include "schedules/ScheduleFieldCheck.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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
    : QWidget(parent, Qt::Window), club_(club), dialogs_(dialogs) {
    setObjectName(QStringLiteral("SchemaFormE"));
    setWindowTitle(QStringLiteral("Schema Invoeren"));
    auto* layout = new QVBoxLayout(this);

    scheduleLine_ = new QLabel(this);
    scheduleLine_->setObjectName(QStringLiteral("SchemaLabel"));
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("PositieLabel"));
    auto* top = new QHBoxLayout;
    top->addWidget(scheduleLine_);
    top->addStretch();
    top->addWidget(position_);
    layout->addLayout(top);

    auto* middle = new QHBoxLayout;
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("SchemaGrid"));
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    grid_->installEventFilter(this);
    middle->addWidget(grid_, 1);

    auto* side = new QVBoxLayout;
    auto addLabel = [&](QLabel*& label, const char* name) {
        label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        side->addWidget(label);
    };
    addLabel(players_, "SpelersLabel");
    addLabel(tables_, "TafelsLabel");
    addLabel(rounds_, "RondenLabel");
    addLabel(groups_, "SpelgrpLabel");
    addLabel(type_, "SchematypeLabel");
    side->addStretch();
    middle->addLayout(side);
    layout->addLayout(middle);

    editPanel_ = new QWidget(this);
    auto* edits = new QHBoxLayout(editPanel_);
    editRound_ = new QLabel(editPanel_);
    editTable_ = new QLabel(editPanel_);
    edits->addWidget(editRound_);
    edits->addWidget(editTable_);
    auto addEdit = [&](QLineEdit*& edit, const char* name) {
        edit = new QLineEdit(editPanel_);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(4);
        edits->addWidget(edit);
    };
    addEdit(nEdit_, "NEdit");
    addEdit(oEdit_, "OEdit");
    addEdit(zEdit_, "ZEdit");
    addEdit(wEdit_, "WEdit");
    addEdit(groupEdit_, "SPEdit");
    layout->addWidget(editPanel_);
    connect(groupEdit_, &QLineEdit::returnPressed, this, &TSchemaFormE::SPEditReturn);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { editWholeCell(); });

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& text, const char* name) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        return button;
    };
    prev_ = addButton(QStringLiteral("Ronde -"), "PrevBitBtn");
    next_ = addButton(QStringLiteral("Ronde +"), "NextBitBtn");
    auto* ok = addButton(QStringLiteral("O&k"), "SluitBtn");
    auto* cancel = addButton(QStringLiteral("&Schrap"), "SchrapBtn");
    auto* print = addButton(QStringLiteral("Print"), "PrintBtn");
    auto* help = addButton(QStringLiteral("&Help"), "HelpBitBtn");
    layout->addLayout(buttons);
    connect(prev_, &QPushButton::clicked, this, &TSchemaFormE::PrevBitBtnClick);
    connect(next_, &QPushButton::clicked, this, &TSchemaFormE::NextBitBtnClick);
    connect(ok, &QPushButton::clicked, this, &TSchemaFormE::SluitBtnClick);
    connect(cancel, &QPushButton::clicked, this, &TSchemaFormE::SchrapBtnClick);
    connect(print, &QPushButton::clicked, this, &TSchemaFormE::PrintBtnClick);
    connect(help, &QPushButton::clicked, this, &TSchemaFormE::HelpBitBtnClick);
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
    closedByButton_ = false;
    setWindowTitle(ToQt(velk::IndividualEditorCaption(changing, editor_.view())));
    const bool perTable = editor_.view() == ScheduleView::PerTable;
    prev_->setText(perTable ? QStringLiteral("Tafel -") : QStringLiteral("Ronde -"));
    next_->setText(perTable ? QStringLiteral("Tafel +") : QStringLiteral("Ronde +"));
    prev_->setToolTip(perTable ? QStringLiteral("Vorige tafel") : QString());
    next_->setToolTip(perTable ? QStringLiteral("Volgende tafel") : QString());
    const bool whole = editor_.view() == ScheduleView::Whole;
    prev_->setVisible(!whole);
    next_->setVisible(!whole);
    editPanel_->setVisible(whole);
    setEditFieldsEnabled(false);
    fillCounts();
    fillGrid();
    show();
    raise();
    grid_->setFocus();
}

void TSchemaFormE::fillCounts() {
    const velk::ScheduleCounts c = editor_.counts();
    scheduleLine_->setText(ToQt(editor_.scheduleLine()));
    players_->setText(QString::number(c.Pairs) + QStringLiteral("        Spelers"));
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
    position_->clear();
    QStringList header{QStringLiteral("Ronde")};
    for (int t = 1; t <= c.Tables; ++t)
        header << QStringLiteral("Tafel%1 ").arg(t);
    grid_->setColumnCount(c.Tables + 1);
    grid_->setHorizontalHeaderLabels(header);
    grid_->setRowCount(c.Rounds);
    grid_->setColumnWidth(0, 50);
    for (int r = 1; r <= c.Rounds; ++r) {
        grid_->setRowHeight(r - 1, kWholeViewRowHeight);
        grid_->setItem(r - 1, 0, FixedItem(QString::number(r)));
        for (int t = 1; t <= c.Tables; ++t) {
            grid_->setColumnWidth(t, 65);
            grid_->setItem(r - 1, t, FixedItem(ToQt(velk::WholeViewCellText(editor_.schedule().at(r, t)))));
        }
    }
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

std::vector<std::vector<velk::PlayerRow>> TSchemaFormE::gridColumns() const {
    std::vector<std::vector<velk::PlayerRow>> columns;
    for (int t = 1; t < grid_->columnCount(); ++t) {
        std::vector<velk::PlayerRow> column;
        for (int r = 0; r < grid_->rowCount(); ++r)
            column.push_back(velk::ParsePlayerWholeViewCell(FromQt(CellText(grid_, r, t))));
        columns.push_back(std::move(column));
    }
    return columns;
}

bool TSchemaFormE::storeView() {
    const auto failure = editor_.view() == ScheduleView::Whole ? editor_.storeColumns(gridColumns(), dialogs_)
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

void TSchemaFormE::move(int delta) {
    if (editor_.view() == ScheduleView::Whole || !storeView())
        return;
    editor_.step(delta);
    fillGrid();
    grid_->setFocus();
}

void TSchemaFormE::SluitBtnClick() {
    if (!storeView())
        return;
    const auto closing = editor_.confirm(club_.TablesPerGroup, dialogs_, club_.ErrorCode);
    if (!closing.Close) {
        if (closing.Round > 0 && editor_.view() == ScheduleView::Whole)
            grid_->setCurrentCell(closing.Round - 1, closing.Table);
        return;
    }
    if (!closing.SavedPath.empty())
        club_.BaseScheduleFile = closing.SavedPath;
    closedByButton_ = true;
    close();
}

void TSchemaFormE::SchrapBtnClick() {
    closedByButton_ = true;
    close();
}

void TSchemaFormE::PrintBtnClick() {
    if (!editor_.schedule().isComplete())
        return;
    PrintScheduleTable(dialogs_, (club_.ConfigRecord.OptionFlags & velk::OptionFlag::Landscape) != 0,
                       windowTitle(), ToQt(editor_.fileName()), *grid_);
}

void TSchemaFormE::HelpBitBtnClick() {
    static const int topics[] = {2411, 2412, 2413};
    dialogs_.showHelp(topics[static_cast<int>(editor_.view()) - 1]);
}

bool TSchemaFormE::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
            move(key->key() == Qt::Key_PageDown ? +1 : -1);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier) && editor_.view() == ScheduleView::Whole) {
            editWholeCell();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TSchemaFormE::editWholeCell() {
    if (editor_.view() != ScheduleView::Whole || grid_->currentColumn() < 1 || grid_->currentRow() < 0)
        return;
    editRow_ = grid_->currentRow();
    editColumn_ = grid_->currentColumn();
    const velk::PlayerRow cell =
        velk::ParsePlayerWholeViewCell(FromQt(CellText(grid_, editRow_, editColumn_)));
    nEdit_->setText(ToQt(cell.N));
    oEdit_->setText(ToQt(cell.O));
    zEdit_->setText(ToQt(cell.Z));
    wEdit_->setText(ToQt(cell.W));
    groupEdit_->setText(ToQt(cell.Group));
    editRound_->setText(QStringLiteral("Ronde %1").arg(editRow_ + 1));
    editTable_->setText(QStringLiteral("Tafel %1").arg(editColumn_));
    setEditFieldsEnabled(true);
    nEdit_->setFocus();
}

void TSchemaFormE::SPEditReturn() {
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
    grid_->item(editRow_, editColumn_)
        ->setText(ToQt(velk::WholeViewCellText(velk::EntryOf(row, editColumn_))));
    setEditFieldsEnabled(false);
    editRow_ = editColumn_ = -1;
    grid_->setFocus();
}

void TSchemaFormE::setEditFieldsEnabled(bool enabled) {
    for (QLineEdit* edit : {nEdit_, oEdit_, zEdit_, wEdit_, groupEdit_}) {
        edit->setEnabled(enabled);
        if (!enabled)
            edit->clear();
    }
}

void TSchemaFormE::closeEvent(QCloseEvent* event) {
    if (!closedByButton_ && dialogs_.askYesNo("Bestand nog redden\r gebruik dan <Ok>")) {
        event->ignore();
        return;
    }
    closedByButton_ = false;
    event->accept();
}
