#include "gui/schedules/TSchemaForm.h"

#include "gui/club/FormKeys.h"
#include "gui/schedules/RenumberView.h"
#include "gui/schedules/ScheduleGridItems.h"
#include "gui/schedules/TVernummerDlg.h"
#include "schedules/RenumberEditor.h"
#include "schedules/Renumbering.h"
#include "schedules/ScheduleFieldCheck.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using velk::ScheduleView;

// Grid columns of views 1 and 2.
constexpr int kRoundViewFirstPair = 2;
constexpr int kTableViewFirstPair = 1;

} // namespace

TSchemaForm::TSchemaForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), club_(club), dialogs_(dialogs) {
    setObjectName(QStringLiteral("SchemaForm"));
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
    renumberView_ = new RenumberView(
        club_, dialogs_, editor_,
        [this] {
            closedByButton_ = true;
            close();
        },
        this);
    renumberView_->hide();
    middle->addWidget(renumberView_, 1);

    auto* side = new QVBoxLayout;
    auto addLabel = [&](QLabel*& label, const char* name) {
        label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        side->addWidget(label);
    };
    addLabel(pairs_, "ParenLabel");
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
    auto addEdit = [&](QLineEdit*& edit, const char* name) {
        edit = new QLineEdit(editPanel_);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(4);
        edits->addWidget(edit);
    };
    edits->addWidget(editRound_);
    edits->addWidget(editTable_);
    addEdit(nsEdit_, "NZEdit");
    addEdit(ewEdit_, "OWEdit");
    addEdit(groupEdit_, "SPEdit");
    layout->addWidget(editPanel_);
    connect(groupEdit_, &QLineEdit::returnPressed, this, &TSchemaForm::SPEditReturn);
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
    auto* ok = addButton(QStringLiteral("O&k"), "SluitBtn3");
    auto* cancel = addButton(QStringLiteral("&Schrap"), "SchrapBtn3");
    auto* print = addButton(QStringLiteral("Print"), "UitvoerBtn");
    auto* help = addButton(QStringLiteral("&Help"), "HelpBitBtn");
    layout->addLayout(buttons);
    connect(prev_, &QPushButton::clicked, this, &TSchemaForm::PrevBitBtnClick);
    connect(next_, &QPushButton::clicked, this, &TSchemaForm::NextBitBtnClick);
    connect(ok, &QPushButton::clicked, this, &TSchemaForm::SluitBtn3Click);
    connect(cancel, &QPushButton::clicked, this, &TSchemaForm::SchrapBtn3Click);
    connect(print, &QPushButton::clicked, this, &TSchemaForm::UitvoerBtnClick);
    connect(help, &QPushButton::clicked, this, &TSchemaForm::HelpBitBtnClick);
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
    closedByButton_ = false;
    const bool renumbering = editor_.view() == ScheduleView::Renumbering;
    setWindowTitle(renumbering ? QStringLiteral("Schema Vernummeren")
                               : ToQt(velk::ScheduleEditorCaption(changing, editor_.view())));
    const bool perTable = editor_.view() == ScheduleView::PerTable;
    prev_->setText(perTable ? QStringLiteral("Tafel -") : QStringLiteral("Ronde -"));
    next_->setText(perTable ? QStringLiteral("Tafel +") : QStringLiteral("Ronde +"));
    prev_->setToolTip(perTable ? QStringLiteral("Vorige tafel") : QString());
    next_->setToolTip(perTable ? QStringLiteral("Volgende tafel") : QString());
    const bool whole = editor_.view() == ScheduleView::Whole;
    prev_->setVisible(!whole && !renumbering);
    next_->setVisible(!whole && !renumbering);
    editPanel_->setVisible(whole);
    grid_->setVisible(!renumbering);
    renumberView_->setVisible(renumbering);
    for (QLabel* label : {tables_, rounds_, groups_})
        label->setVisible(!renumbering);
    setEditFieldsEnabled(false);
    fillCounts();
    fillGrid();
    show();
    raise();
    (renumbering ? renumberView_->grid() : grid_)->setFocus();
}

void TSchemaForm::fillCounts() {
    const velk::ScheduleCounts c = editor_.counts();
    const bool renumbering = editor_.view() == ScheduleView::Renumbering;
    scheduleLine_->setText(ToQt(renumbering ? velk::RenumberScheduleLine(club_) : editor_.scheduleLine()));
    pairs_->setText(QString::number(renumbering ? renumberView_->pairs() : c.Pairs) +
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
    case ScheduleView::Whole: {
        position_->clear();
        QStringList header{QStringLiteral("Ronde")};
        for (int t = 1; t <= c.Tables; ++t)
            header << QStringLiteral("Tafel%1 ").arg(t);
        grid_->setColumnCount(c.Tables + 1);
        grid_->setHorizontalHeaderLabels(header);
        grid_->setRowCount(c.Rounds);
        grid_->setColumnWidth(0, 50);
        for (int r = 1; r <= c.Rounds; ++r) {
            grid_->setItem(r - 1, 0, FixedItem(QString::number(r)));
            for (int t = 1; t <= c.Tables; ++t) {
                grid_->setColumnWidth(t, 65);
                grid_->setItem(r - 1, t,
                               FixedItem(ToQt(velk::WholeViewCellText(editor_.schedule().at(r, t)))));
            }
        }
        break;
    }
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

std::vector<std::vector<velk::ScheduleRow>> TSchemaForm::gridColumns() const {
    std::vector<std::vector<velk::ScheduleRow>> columns;
    for (int t = 1; t < grid_->columnCount(); ++t) {
        std::vector<velk::ScheduleRow> column;
        for (int r = 0; r < grid_->rowCount(); ++r)
            column.push_back(velk::ParseWholeViewCell(FromQt(CellText(grid_, r, t))));
        columns.push_back(std::move(column));
    }
    return columns;
}

bool TSchemaForm::storeView() {
    const auto failure = editor_.view() == ScheduleView::Whole ? editor_.storeColumns(gridColumns(), dialogs_)
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

void TSchemaForm::move(int delta) {
    if (editor_.view() == ScheduleView::Whole || !storeView())
        return;
    editor_.step(delta);
    fillGrid();
    grid_->setFocus();
}

void TSchemaForm::SluitBtn3Click() {
    if (editor_.view() == ScheduleView::Renumbering || !storeView())
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

void TSchemaForm::SchrapBtn3Click() {
    closedByButton_ = true;
    close();
}

void TSchemaForm::UitvoerBtnClick() {
    if (!editor_.schedule().isComplete())
        return;
    const QTableWidget* grid = editor_.view() == ScheduleView::Renumbering ? renumberView_->grid() : grid_;
    PrintScheduleTable(dialogs_, (club_.ConfigRecord.OptionFlags & velk::OptionFlag::Landscape) != 0,
                       windowTitle(), ToQt(editor_.fileName()), *grid);
}

void TSchemaForm::HelpBitBtnClick() {
    static const int topics[] = {2411, 2412, 2413, 245};
    dialogs_.showHelp(topics[static_cast<int>(editor_.view()) - 1]);
}

bool TSchemaForm::eventFilter(QObject* watched, QEvent* event) {
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

void TSchemaForm::editWholeCell() {
    if (editor_.view() != ScheduleView::Whole || grid_->currentColumn() < 1 || grid_->currentRow() < 0)
        return;
    editRow_ = grid_->currentRow();
    editColumn_ = grid_->currentColumn();
    const velk::ScheduleRow cell = velk::ParseWholeViewCell(FromQt(CellText(grid_, editRow_, editColumn_)));
    nsEdit_->setText(ToQt(cell.NS));
    ewEdit_->setText(ToQt(cell.EW));
    groupEdit_->setText(ToQt(cell.Group));
    editRound_->setText(QStringLiteral("Ronde %1").arg(editRow_ + 1));
    editTable_->setText(QStringLiteral("Tafel %1").arg(editColumn_));
    setEditFieldsEnabled(true);
    nsEdit_->setFocus();
}

void TSchemaForm::SPEditReturn() {
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
    const QString text = ToQt(velk::WholeViewCellText(velk::EntryOf(row, editColumn_)));
    grid_->item(editRow_, editColumn_)->setText(text);
    setEditFieldsEnabled(false);
    editRow_ = editColumn_ = -1;
    grid_->setFocus();
}

void TSchemaForm::setEditFieldsEnabled(bool enabled) {
    for (QLineEdit* edit : {nsEdit_, ewEdit_, groupEdit_}) {
        edit->setEnabled(enabled);
        if (!enabled)
            edit->clear();
    }
}

void TSchemaForm::closeEvent(QCloseEvent* event) {
    if (!closedByButton_ && dialogs_.askYesNo("Bestand nog redden\r gebruik dan <Ok>")) {
        event->ignore();
        return;
    }
    closedByButton_ = false;
    event->accept();
}
