#include "gui/members/TLedenForm.h"

#include "core/DateHelpers.h"
#include "gui/WindowPlacement.h"
#include "gui/members/TNewLidDlg.h"
#include "gui/schedules/ScheduleGridItems.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QPushButton* NewButton(QWidget* parent, QLayout* layout, const char* name, const QString& text,
                       const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint.isEmpty() ? text : hint);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

QGroupBox* RadioPanel(QWidget* parent, const char* name, const QString& title, const QStringList& captions,
                      QRadioButton** buttons) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QHBoxLayout(box);
    for (int i = 0; i < captions.size(); ++i) {
        buttons[i] = new QRadioButton(captions[i], box);
        buttons[i]->setObjectName(QString::fromLatin1(name) + QString::number(i));
        layout->addWidget(buttons[i]);
    }
    buttons[1]->setChecked(true);
    return box;
}

velk::MemberSortKey KeyOf(QRadioButton* const* buttons) {
    if (buttons[0]->isChecked())
        return velk::MemberSortKey::Id;
    return buttons[2]->isChecked() ? velk::MemberSortKey::VoorNaam : velk::MemberSortKey::AchterNaam;
}

} // namespace

TLedenForm::TLedenForm(velk::MembersRegister& members, velk::Dialogs& dialogs, const velk::Clock& clock,
                       QWidget* parent)
    : QDialog(parent), members_(members), dialogs_(dialogs), clock_(clock) {
    setObjectName(QStringLiteral("LedenForm"));
    setWindowTitle(QStringLiteral("Leden"));
    memberDialog_ = new TNewLidDlg(members, dialogs, clock, this);
    auto* layout = new QVBoxLayout(this);

    auto* tools = new QHBoxLayout;
    connect(NewButton(this, tools, "NieuwSpdBtn", QStringLiteral("Nieuw"), QStringLiteral("Nieuw bestand")),
            &QPushButton::clicked, this, &TLedenForm::NieuwSpdBtnClick);
    connect(
        NewButton(this, tools, "OpenSpdBtn", QStringLiteral("Openen"), QStringLiteral("Open Leden bestand")),
        &QPushButton::clicked, this, [this] { OpenSpdBtnClick(); });
    connect(
        NewButton(this, tools, "BewaarSpdBtn", QStringLiteral("Bewaar"), QStringLiteral("Bewaar ledenlijst")),
        &QPushButton::clicked, this, &TLedenForm::BewaarSpdBtnClick);
    connect(NewButton(this, tools, "BewAlsSpdBtn", QStringLiteral("Bewaren..als"), {}), &QPushButton::clicked,
            this, &TLedenForm::BewAlsSpdBtnClick);
    connect(NewButton(this, tools, "PrintSpdBtn", QStringLiteral("Afdrukken"),
                      QStringLiteral("Afdrukken ledenlijst")),
            &QPushButton::clicked, this, &TLedenForm::PrintSpdBtnClick);
    connect(
        NewButton(this, tools, "ZoekSpdbtn", QStringLiteral("Zoeken"), QStringLiteral("Zoeken van leden")),
        &QPushButton::clicked, this, &TLedenForm::ZoekSpdbtnClick);
    connect(NewButton(this, tools, "SortSpdBtn", QStringLiteral("Sorteren"),
                      QStringLiteral("Sorteren van Leden")),
            &QPushButton::clicked, this, &TLedenForm::SortSpdBtnClick);
    tools->addStretch();
    connect(NewButton(this, tools, "SluitBitBtn", QStringLiteral("&Sluit"), {}), &QPushButton::clicked, this,
            &TLedenForm::SluitBitBtnClick);
    layout->addLayout(tools);

    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("HeadLabel1"));
    layout->addWidget(heading_);

    searchPanel_ = RadioPanel(
        this, "ZoekBox", QStringLiteral("Zoeken op"),
        {QStringLiteral("ID."), QStringLiteral("Achternaam"), QStringLiteral("Voornaam")}, searchKeys_);
    searchEdit_ = new QLineEdit(searchPanel_);
    searchEdit_->setObjectName(QStringLiteral("ZoekEdit"));
    searchEdit_->installEventFilter(this);
    searchPanel_->layout()->addWidget(searchEdit_);
    searchPanel_->hide();
    layout->addWidget(searchPanel_);
    connect(searchEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const int row = members_.search(KeyOf(searchKeys_), text.toStdString());
        if (row >= 0)
            moveTo(row);
    });

    sortPanel_ = RadioPanel(this, "SortBox", QStringLiteral("Sorteren Op"),
                            {QStringLiteral("ID"), QStringLiteral("Achternaam"), QStringLiteral("Voornaam")},
                            sortKeys_);
    connect(NewButton(sortPanel_, sortPanel_->layout(), "OkBtn", QStringLiteral("Ok"), {}),
            &QPushButton::clicked, this, &TLedenForm::SortOkBtnClick);
    connect(NewButton(sortPanel_, sortPanel_->layout(), "SchrapBtn", QStringLiteral("Schrap"), {}),
            &QPushButton::clicked, sortPanel_, &QWidget::hide);
    sortPanel_->hide();
    layout->addWidget(sortPanel_);

    grid_ = new QTableWidget(0, velk::kMemberColumns, this);
    grid_->setObjectName(QStringLiteral("LedenGrid"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->hide();
    QStringList titles;
    for (const char* title : velk::kMemberColumnTitles)
        titles << QString::fromUtf8(title);
    grid_->setHorizontalHeaderLabels(titles);
    for (int c = 0; c < velk::kMemberColumns; ++c)
        grid_->setColumnWidth(c, velk::kMemberColumnWidths[static_cast<std::size_t>(c)]);
    WidenToTitles(grid_);
    const int width = grid_->horizontalHeader()->length();
    grid_->setMinimumHeight(grid_->horizontalHeader()->sizeHint().height() +
                            12 * grid_->verticalHeader()->defaultSectionSize());
    grid_->installEventFilter(this);
    layout->addWidget(grid_);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { editRow(row); });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { showCounter(); });

    auto* navigator = new QHBoxLayout;
    auto step = [this](int to) { moveTo(to); };
    connect(
        NewButton(this, navigator, "NavFirst", QStringLiteral("|<"), QStringLiteral("Gebruik Navigator !")),
        &QPushButton::clicked, this, [step] { step(0); });
    connect(
        NewButton(this, navigator, "NavPrior", QStringLiteral("<"), QStringLiteral("Gebruik Navigator !")),
        &QPushButton::clicked, this, [this, step] { step(currentRow() - 1); });
    connect(NewButton(this, navigator, "NavNext", QStringLiteral(">"), QStringLiteral("Gebruik Navigator !")),
            &QPushButton::clicked, this, [this, step] { step(currentRow() + 1); });
    connect(
        NewButton(this, navigator, "NavLast", QStringLiteral(">|"), QStringLiteral("Gebruik Navigator !")),
        &QPushButton::clicked, this, [this, step] { step(grid_->rowCount() - 1); });
    connect(
        NewButton(this, navigator, "NavInsert", QStringLiteral("+"), QStringLiteral("Gebruik Navigator !")),
        &QPushButton::clicked, this, &TLedenForm::InsertClick);
    connect(
        NewButton(this, navigator, "NavDelete", QStringLiteral("-"), QStringLiteral("Gebruik Navigator !")),
        &QPushButton::clicked, this, &TLedenForm::DeleteClick);
    connect(NewButton(this, navigator, "NavEdit", QStringLiteral("Wijzig"),
                      QStringLiteral("Gebruik Navigator !")),
            &QPushButton::clicked, this, &TLedenForm::EditClick);
    teller_ = new QLabel(this);
    teller_->setObjectName(QStringLiteral("Teller"));
    navigator->addStretch();
    navigator->addWidget(teller_);
    layout->addLayout(navigator);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusBar"));
    layout->addWidget(status_);
    resize(std::min(width + 40, 1000), 480);
}

void TLedenForm::setFolders(const QString& dataFolder, const QString& competitionPath,
                            const QString& clubName) {
    dataFolder_ = dataFolder;
    competitionPath_ = competitionPath;
    clubName_ = clubName;
}

int TLedenForm::currentRow() const {
    return std::max(grid_->currentRow(), 0);
}

void TLedenForm::moveTo(int row) {
    if (grid_->rowCount() == 0)
        return;
    grid_->setCurrentCell(std::clamp(row, 0, grid_->rowCount() - 1), 0);
    showCounter();
}

void TLedenForm::fillGrid() {
    const int keep = grid_->currentRow();
    grid_->setRowCount(static_cast<int>(members_.Members.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const auto cells = velk::MembersRegister::Cells(members_.Members[static_cast<std::size_t>(r)]);
        for (int c = 0; c < velk::kMemberColumns; ++c)
            grid_->setItem(r, c,
                           new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(c)])));
    }
    moveTo(keep);
    showHeading();
}

void TLedenForm::showCounter() {
    teller_->setText(QString::fromStdString(members_.counterText(grid_->rowCount() ? currentRow() + 1 : 0)));
}

void TLedenForm::showHeading() {
    const QString name = QString::fromStdString(members_.fileName());
    heading_->setText(name + QStringLiteral("  ") + clubName_);
    status_->setText(QStringLiteral("Bestand: ") + name + QStringLiteral("   ") +
                     QString::fromStdString(velk::TodayText(clock_)));
}

void TLedenForm::NieuwSpdBtnClick() {
    members_.newRegister(dataFolder_.toStdString());
    fillGrid();
    editRow(0);
}

bool TLedenForm::OpenSpdBtnClick() {
    velk::FileChoice choice{"Open Leden bestand", "DAT files (*.dat)|*.DAT", "dat",
                            (dataFolder_ + QStringLiteral("/*Leden*.dat")).toStdString()};
    const auto path = dialogs_.openFileName(choice);
    if (!path) {
        dialogs_.information("Open of maak eerst een Ledenbestand");
        return false;
    }
    if (!members_.open(*path))
        return false;
    fillGrid();
    return true;
}

void TLedenForm::ShowRegister() {
    fillGrid();
    exec();
}

void TLedenForm::BewaarSpdBtnClick() {
    if (members_.checkSurnames())
        members_.save();
    showHeading();
}

std::string TLedenForm::proposedFileName() const {
    const std::string name = velk::MembersRegister::ProposedSaveName(competitionPath_.toStdString());
    return (dataFolder_ + QStringLiteral("/") + QString::fromStdString(name)).toStdString();
}

void TLedenForm::BewAlsSpdBtnClick() {
    if (!members_.checkSurnames())
        return;
    velk::FileChoice choice{"Bewaren..als", "Leden files (*.dat)|*.DAT", "dat", proposedFileName()};
    if (const auto path = dialogs_.saveFileName(choice))
        members_.saveAs(*path);
    showHeading();
}

void TLedenForm::PrintSpdBtnClick() {
    // The list as the grid shows it, under the window's caption and the file name.
    PrintScheduleTable(dialogs_, members_.printLandscape(), windowTitle(),
                       QString::fromStdString(members_.fileName()), *grid_);
}

void TLedenForm::ZoekSpdbtnClick() {
    searchPanel_->show();
    searchEdit_->clear();
    searchEdit_->setFocus();
}

void TLedenForm::SortSpdBtnClick() {
    sortPanel_->show();
}

void TLedenForm::SortOkBtnClick() {
    members_.sort(KeyOf(sortKeys_));
    sortPanel_->hide();
    fillGrid();
}

void TLedenForm::SluitBitBtnClick() {
    if (members_.isOpen() && members_.modified() && dialogs_.askYesNo("Bestand bewaren ") &&
        members_.checkSurnames())
        members_.save();
    accept();
}

void TLedenForm::reject() {
    SluitBitBtnClick();
}

void TLedenForm::InsertClick() {
    if (!dialogs_.askYesNo("Wilt u hier een Speler toevoegen "))
        return;
    const int row = members_.insertAfter(grid_->rowCount() ? currentRow() : -1);
    if (row < 0)
        return;
    fillGrid();
    moveTo(row);
    editRow(row);
}

void TLedenForm::DeleteClick() {
    if (grid_->rowCount() == 0 || !dialogs_.askYesNo("Wilt u deze speler verwijderen"))
        return;
    members_.remove(currentRow());
    fillGrid();
}

void TLedenForm::EditClick() {
    editRow(currentRow());
}

void TLedenForm::editRow(int row) {
    if (row < 0 || row >= grid_->rowCount())
        return;
    moveTo(row);
    if (memberDialog_->Open(row))
        fillGrid();
}

bool TLedenForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == searchEdit_ && (enter || key == Qt::Key_Escape)) {
            searchPanel_->hide();
            grid_->setFocus();
            return true;
        }
        if (watched == grid_ && enter && members_.enterOpensMember()) {
            editRow(currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
