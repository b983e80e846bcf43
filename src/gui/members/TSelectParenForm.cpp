#include "gui/members/TSelectParenForm.h"

#include "core/HelpContext.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QPushButton* NewButton(QWidget* parent, QLayout* layout, const char* name, const QString& text,
                       const QString& hint = {}) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

QListWidget* NewList(QWidget* parent, QVBoxLayout* column, const char* name, const QString& title) {
    column->addWidget(new QLabel(title, parent));
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    column->addWidget(list);
    return list;
}

} // namespace

TSelectParenForm::TSelectParenForm(velk::Club& club, velk::MembersRegister& members, velk::Dialogs& dialogs,
                                   QWidget* parent)
    : QDialog(parent), model_(club, members, dialogs), dialogs_(dialogs) {
    setObjectName(QStringLiteral("SelectParenForm"));
    setWindowTitle(QString::fromUtf8(velk::PairComposition::Caption));
    setModal(true);
    auto* layout = new QHBoxLayout(this);

    auto* gridColumn = new QVBoxLayout;
    grid_ = new QTableWidget(0, 6, this);
    grid_->setObjectName(QStringLiteral("SelParenGrid"));
    grid_->setToolTip(QStringLiteral("Klik Enter voor overnemen Paar "));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Ix"), QStringLiteral("Namen_van_Paren"),
                                      QStringLiteral("Groep"), QStringLiteral("GrpNr."), QString(),
                                      QString()});
    const int widths[] = {25, 240, 30, 35};
    for (int c = 0; c < 4; ++c)
        grid_->setColumnWidth(c, widths[c]);
    grid_->setColumnHidden(4, true);
    grid_->setColumnHidden(5, true);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->installEventFilter(this);
    grid_->setMinimumWidth(360);
    gridColumn->addWidget(grid_);
    pairLabel_ = new QLabel(this);
    pairLabel_->setObjectName(QStringLiteral("PaarLabel"));
    gridColumn->addWidget(pairLabel_);
    layout->addLayout(gridColumn);

    auto* lists = new QHBoxLayout;
    auto* first = new QVBoxLayout;
    list1_ = NewList(this, first, "ListBox1", QStringLiteral("Naam Speler 1"));
    auto* second = new QVBoxLayout;
    list2_ = NewList(this, second, "ListBox2", QStringLiteral("Naam Speler2"));
    lists->addLayout(first);
    lists->addLayout(second);
    layout->addLayout(lists);

    auto* buttons = new QVBoxLayout;
    connect(NewButton(this, buttons, "MaakPaarBtn", QStringLiteral("Maak Paar"),
                      QStringLiteral("Zet Spelers in Paren rooster ")),
            &QPushButton::clicked, this, &TSelectParenForm::MaakPaarBtnClick);
    connect(NewButton(this, buttons, "DeleteBtn", QStringLiteral("Paarnaam  verwijderen")),
            &QPushButton::clicked, this, &TSelectParenForm::DeleteBtnClick);
    connect(NewButton(this, buttons, "KopieParenBtn", QStringLiteral("Kopiëren naar Parenbestand")),
            &QPushButton::clicked, this, &TSelectParenForm::KopieParenBtnClick);
    connect(NewButton(this, buttons, "ResetBtn", QStringLiteral("Namen Zichtbaar")), &QPushButton::clicked,
            this, &TSelectParenForm::ResetBtnClick);
    buttons->addStretch();
    connect(NewButton(this, buttons, "HelpBtn", QStringLiteral("Help")), &QPushButton::clicked, this,
            [this] { dialogs_.showHelp(velk::HelpContext::ComposePairs); });
    connect(NewButton(this, buttons, "SluitBtn", QStringLiteral("Sluit")), &QPushButton::clicked, this,
            &TSelectParenForm::SluitBtnClick);
    layout->addLayout(buttons);

    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.choosePlayer1(row);
        pairLabel_->setText(QString::fromStdString(model_.pairName()));
    });
    connect(list2_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.choosePlayer2(row);
        pairLabel_->setText(QString::fromStdString(model_.pairName()));
    });
    resize(900, 480);
}

bool TSelectParenForm::ComposePairs() {
    if (!model_.open())
        return false;
    copied_ = false;
    fillGrid();
    fillLists();
    grid_->setCurrentCell(0, 1);
    exec();
    return copied_;
}

void TSelectParenForm::showRow(int row) {
    const auto& r = model_.rows()[static_cast<std::size_t>(row)];
    const QString cells[] = {QString::number(row + 1),
                             QString::fromStdString(r.name),
                             QString::fromStdString(model_.groupText(row)),
                             QString::fromStdString(model_.numberText(row)),
                             QString::number(r.player1),
                             QString::number(r.player2)};
    for (int c = 0; c < 6; ++c)
        grid_->setItem(row, c, new QTableWidgetItem(cells[c]));
}

void TSelectParenForm::fillGrid() {
    grid_->setRowCount(static_cast<int>(model_.rows().size()));
    for (int r = 0; r < grid_->rowCount(); ++r)
        showRow(r);
}

void TSelectParenForm::fillLists() {
    const auto names = model_.memberNames();
    for (QListWidget* list : {list1_, list2_}) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (std::size_t i = 0; i < names.size(); ++i) {
            auto* item = new QListWidgetItem(QString::fromStdString(names[i]), list);
            if (model_.used(static_cast<int>(i)))
                item->setForeground(QColor(192, 192, 192));
        }
    }
}

void TSelectParenForm::MaakPaarBtnClick() {
    const int row = std::max(grid_->currentRow(), 0);
    const int next = model_.makePair(row);
    showRow(row);
    fillLists();
    grid_->setCurrentCell(next, 1);
}

void TSelectParenForm::DeleteBtnClick() {
    const int row = grid_->currentRow();
    if (row < 0)
        return;
    model_.deleteName(row);
    showRow(row);
    fillLists();
}

void TSelectParenForm::KopieParenBtnClick() {
    if (model_.copyToPairList())
        copied_ = true;
}

void TSelectParenForm::ResetBtnClick() {
    model_.resetMarks();
    fillLists();
}

void TSelectParenForm::SluitBtnClick() {
    if (model_.close()) {
        closing_ = true;
        QDialog::reject();
        closing_ = false;
    }
}

void TSelectParenForm::reject() {
    if (!closing_)
        SluitBtnClick();
}

bool TSelectParenForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int row = grid_->currentRow();
            if (row >= 0) {
                model_.enterName(row);
                showRow(row);
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
