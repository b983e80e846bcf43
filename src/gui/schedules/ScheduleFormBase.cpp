#include "gui/schedules/ScheduleFormBase.h"

#include "gui/WindowPlacement.h"
#include "gui/club/FormKeys.h"
#include "gui/schedules/ScheduleGridItems.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using velk::ScheduleView;

ScheduleFormBase::ScheduleFormBase(velk::Club& club, velk::Dialogs& dialogs, const Names& names,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), club_(club), dialogs_(dialogs) {
    setObjectName(QString::fromLatin1(names.form));
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

    gridRow_ = new QHBoxLayout;
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("SchemaGrid"));
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    grid_->installEventFilter(this);
    gridRow_->addWidget(grid_, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(gridRow_, 1);

    auto* side = new QVBoxLayout;
    auto addLabel = [&](QLabel*& label, const char* name) {
        label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        side->addWidget(label);
    };
    addLabel(count_, names.countLabel);
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
    for (const char* name : names.edits) {
        auto* edit = new QLineEdit(editPanel_);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(4);
        edits->addWidget(edit);
        edits_.push_back(edit);
    }
    layout->addWidget(editPanel_);
    connect(edits_.back(), &QLineEdit::returnPressed, this, [this] { wholeCellEdited(); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { editWholeCell(); });

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const QString& text, const char* name, std::function<void()> clicked) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, std::move(clicked));
        return button;
    };
    prev_ = addButton(QStringLiteral("Ronde -"), "PrevBitBtn", [this] { move(-1); });
    next_ = addButton(QStringLiteral("Ronde +"), "NextBitBtn", [this] { move(+1); });
    addButton(QStringLiteral("O&k"), names.ok, [this] { okClicked(); });
    addButton(QStringLiteral("&Schrap"), names.cancel, [this] { closeByButton(); });
    addButton(QStringLiteral("Print"), names.print, [this] { printClicked(); });
    addButton(QStringLiteral("&Help"), "HelpBitBtn", [this] { helpClicked(); });
    layout->addLayout(buttons);
}

void ScheduleFormBase::placeOnFirstShow(const QTableWidget* grid) {
    FitTitle(this);
    if (isVisible())
        return;
    FitGrid(this, grid);
    CentreOnParent(this, parentWidget());
}

void ScheduleFormBase::move(int delta) {
    if (view() == ScheduleView::Whole || !storeView())
        return;
    stepView(delta);
    fillGrid();
    grid_->setFocus();
}

void ScheduleFormBase::showSteps(bool hideSteps) {
    closedByButton_ = false;
    const bool perTable = view() == ScheduleView::PerTable;
    prev_->setText(perTable ? QStringLiteral("Tafel -") : QStringLiteral("Ronde -"));
    next_->setText(perTable ? QStringLiteral("Tafel +") : QStringLiteral("Ronde +"));
    prev_->setToolTip(perTable ? QStringLiteral("Vorige tafel") : QString());
    next_->setToolTip(perTable ? QStringLiteral("Volgende tafel") : QString());
    const bool whole = view() == ScheduleView::Whole;
    prev_->setVisible(!whole && !hideSteps);
    next_->setVisible(!whole && !hideSteps);
    editPanel_->setVisible(whole);
    setEditFieldsEnabled(false);
}

void ScheduleFormBase::fillWholeView(int rounds, int tables, const std::function<QString(int, int)>& cellText,
                                     int rowHeight) {
    position_->clear();
    QStringList header{QStringLiteral("Ronde")};
    for (int t = 1; t <= tables; ++t)
        header << QStringLiteral("Tafel%1 ").arg(t);
    grid_->setColumnCount(tables + 1);
    grid_->setHorizontalHeaderLabels(header);
    grid_->setRowCount(rounds);
    grid_->setColumnWidth(0, 50);
    for (int r = 1; r <= rounds; ++r) {
        if (rowHeight > 0)
            grid_->setRowHeight(r - 1, rowHeight);
        grid_->setItem(r - 1, 0, FixedItem(QString::number(r)));
        for (int t = 1; t <= tables; ++t) {
            grid_->setColumnWidth(t, 65);
            grid_->setItem(r - 1, t, FixedItem(cellText(r, t)));
        }
    }
}

bool ScheduleFormBase::beginWholeCellEdit() {
    if (view() != ScheduleView::Whole || grid_->currentColumn() < 1 || grid_->currentRow() < 0)
        return false;
    editRow_ = grid_->currentRow();
    editColumn_ = grid_->currentColumn();
    editRound_->setText(QStringLiteral("Ronde %1").arg(editRow_ + 1));
    editTable_->setText(QStringLiteral("Tafel %1").arg(editColumn_));
    setEditFieldsEnabled(true);
    edits_.front()->setFocus();
    return true;
}

void ScheduleFormBase::finishWholeCellEdit(const QString& text) {
    grid_->item(editRow_, editColumn_)->setText(text);
    setEditFieldsEnabled(false);
    editRow_ = editColumn_ = -1;
    grid_->setFocus();
}

void ScheduleFormBase::setEditFieldsEnabled(bool enabled) {
    for (QLineEdit* edit : edits_) {
        edit->setEnabled(enabled);
        if (!enabled)
            edit->clear();
    }
}

int ScheduleFormBase::gridRowCount() const {
    return grid_->rowCount();
}

int ScheduleFormBase::gridColumnCount() const {
    return grid_->columnCount();
}

std::string ScheduleFormBase::gridText(int row, int column) const {
    return FromQt(CellText(grid_, row, column));
}

void ScheduleFormBase::finishClosing(const velk::EditorClosing& closing) {
    if (!closing.Close) {
        if (closing.Round > 0 && view() == ScheduleView::Whole)
            grid_->setCurrentCell(closing.Round - 1, closing.Table);
        return;
    }
    if (!closing.SavedPath.empty())
        club_.BaseScheduleFile = closing.SavedPath;
    closeByButton();
}

void ScheduleFormBase::closeByButton() {
    closedByButton_ = true;
    close();
}

bool ScheduleFormBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
            move(key->key() == Qt::Key_PageDown ? +1 : -1);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & Qt::ControlModifier) && view() == ScheduleView::Whole) {
            editWholeCell();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ScheduleFormBase::closeEvent(QCloseEvent* event) {
    if (!closedByButton_ && dialogs_.askYesNo("Bestand nog redden\r gebruik dan <Ok>")) {
        event->ignore();
        return;
    }
    closedByButton_ = false;
    event->accept();
}
