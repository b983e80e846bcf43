#include "gui/scoring/TScoreForm.h"

#include "core/ProgramFolder.h"
#include "core/records/ConfigRecord.h"
#include "gui/WindowPlacement.h"
#include "gui/scoring/ScoreFormRows.h"
#include "reports/ReportWriters.h"
#include "scoring/ScoreEntryCalculation.h"
#include "scoring/ScoreEntryE.h"
#include "scoring/ScoreMessages.h"
#include "scoring/Vulnerability.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

using velk::EntryCell;
using velk::KeyVerdict;
using velk::ScoreEntry;

namespace {
constexpr int kBoardGridColumns = 4;
constexpr const char* kCountListLater = "De tellijst komt met het uitvoervenster";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

TScoreForm::TScoreForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), club_(club), dialogs_(dialogs) {
    setObjectName(QStringLiteral("ScoreForm"));
    const QFont fixed(QStringLiteral("Courier New"), 9);

    auto* layout = new QVBoxLayout(this);
    header_ = new QLabel(this);
    header_->setObjectName(QStringLiteral("KopTxt"));
    header_->setFont(QFont(QStringLiteral("Courier New"), 11, QFont::Bold));
    layout->addWidget(header_);

    auto* info = new QHBoxLayout;
    vulnerability_ = new QLabel(this);
    vulnerability_->setObjectName(QStringLiteral("SpelKwtsText"));
    date_ = new QLabel(this);
    date_->setObjectName(QStringLiteral("SpelDatumTxt"));
    session_ = new QLabel(this);
    session_->setObjectName(QStringLiteral("ZittingTxt"));
    notation_ = new QLabel(this);
    notation_->setObjectName(QStringLiteral("Notatietxt"));
    for (QLabel* l : {vulnerability_, date_, session_, notation_}) {
        l->setFont(fixed);
        info->addWidget(l);
    }
    info->addStretch(1);
    layout->addLayout(info);

    prompt_ = new QLabel(this);
    prompt_->setObjectName(QStringLiteral("PromptTxt"));
    prompt_->setStyleSheet(QStringLiteral("color: darkred"));
    layout->addWidget(prompt_);
    tablePairs_ = new QLabel(this);
    tablePairs_->setObjectName(QStringLiteral("TafelParenTxt"));
    tablePairs_->setFont(fixed);
    layout->addWidget(tablePairs_);

    auto* middle = new QHBoxLayout;
    boards_ = new QTableWidget(this);
    boards_->setObjectName(QStringLiteral("Spelgrid"));
    boards_->setColumnCount(kBoardGridColumns);
    boards_->horizontalHeader()->hide();
    boards_->verticalHeader()->hide();
    boards_->horizontalHeader()->setDefaultSectionSize(20);
    boards_->verticalHeader()->setDefaultSectionSize(20);
    boards_->horizontalHeader()->setMinimumSectionSize(20);
    boards_->verticalHeader()->setMinimumSectionSize(20);
    boards_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Two-digit board numbers in 20-pixel cells.
    QFont small = boards_->font();
    small.setPointSize(7);
    boards_->setFont(small);
    boards_->setTextElideMode(Qt::ElideNone);
    boards_->setFocusPolicy(Qt::NoFocus);
    boards_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    boards_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    boards_->setFixedWidth(kBoardGridColumns * 20 + 2 * boards_->frameWidth());
    connect(boards_, &QTableWidget::cellClicked, this, &TScoreForm::onBoardClicked);
    middle->addWidget(boards_, 0, Qt::AlignTop);

    rows_ = new ScoreFormRows(this);
    rows_->setFont(fixed);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(rows_);
    scroll_->setWidgetResizable(true);
    middle->addWidget(scroll_, 1);
    handsPanel_ = new QPlainTextEdit(this);
    handsPanel_->setObjectName(QStringLiteral("SpelverdelingTxt"));
    handsPanel_->setReadOnly(true);
    handsPanel_->setFocusPolicy(Qt::NoFocus);
    handsPanel_->setLineWrapMode(QPlainTextEdit::NoWrap);
    handsPanel_->setFont(fixed);
    handsPanel_->setFixedWidth(QFontMetrics(fixed).horizontalAdvance(QString(48, QLatin1Char('M'))));
    handsPanel_->hide();
    middle->addWidget(handsPanel_);
    layout->addLayout(middle, 1);
    buildButtons();
}

TScoreForm::~TScoreForm() = default;

QPushButton* TScoreForm::button(const char* name, const QString& text, void (TScoreForm::*handler)()) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus); // the keys belong to the cells
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}

void TScoreForm::buildButtons() {
    auto* grid = new QGridLayout;
    QPushButton* top[] = {
        button("SpelDwnBtn", QStringLiteral("Spel -"), &TScoreForm::onBoardDown),
        button("SpelUpBtn", QStringLiteral("Spel +"), &TScoreForm::onBoardUp),
        roundDown_ = button("RndMinbtn", QStringLiteral("Ronde -"), &TScoreForm::onRoundDown),
        roundUp_ = button("RndplusBtn", QStringLiteral("Ronde +"), &TScoreForm::onRoundUp),
        button("GroepMinBtn", QStringLiteral("Groep -"), &TScoreForm::onGroupDown),
        button("GroepplusBtn", QStringLiteral("Groep +"), &TScoreForm::onGroupUp),
        button("RekenBtn", QStringLiteral("&Reken"), &TScoreForm::onReken),
        button("SchoonrBtn", QStringLiteral("&Schoon"), &TScoreForm::onSchoon),
        button("TelLstBtn", QStringLiteral("&TelLijst"), &TScoreForm::onTelLijst),
        button("SpelverdelingBtn", QStringLiteral("Spelverdeling (F9)"), &TScoreForm::onSpelverdeling),
    };
    QPushButton* bottom[] = {
        button("DraaiBtn", QStringLiteral("Draai"), &TScoreForm::onDraai),
        wijzig_ = button("WijzigOWBtn", QStringLiteral("Wijzig OW"), &TScoreForm::onWijzigOW),
        normaal_ = button("NormaalOWBtn", QStringLiteral("&Normaal"), &TScoreForm::onNormaal),
        invoer_ = button("InvoerBtn", QStringLiteral("Bod/Score (f5)"), &TScoreForm::onInvoer),
        button("SaveGrpScoresBtn", QStringLiteral("&Bewaar"), &TScoreForm::onBewaar),
        button("SluitScoresBtn", QStringLiteral("&OK"), &TScoreForm::onOk),
        button("SchrapBtn", QStringLiteral("S&chrap"), &TScoreForm::onSchrap),
        button("HelpBtn", QStringLiteral("&Help"), &TScoreForm::onHelp),
    };
    auto* first = new QHBoxLayout;
    for (QPushButton* b : top)
        first->addWidget(b);
    auto* second = new QHBoxLayout;
    for (QPushButton* b : bottom)
        second->addWidget(b); // "Normaal" and "Wijzig OW" take turns in one place
    second->addStretch(1);
    grid->addLayout(first, 0, 0);
    grid->addLayout(second, 1, 0);
    findChild<QPushButton*>(QStringLiteral("SchoonrBtn"))
        ->setToolTip(QStringLiteral("Verwijder alle scores"));
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

bool TScoreForm::open(ScoreEntry::Mode mode) {
    velk::ErrorCode tableError;
    const bool contracts = (club_.CompetitionHead.ConfigFlags & velk::ConfigFlag::UseContracts) != 0;
    tables_ = velk::LoadScoreTables(velk::DataFolder(), dialogs_, tableError, contracts);
    velk::SessionScoreEntry made = velk::MakeSessionScoreEntry(club_, tables_, dialogs_);
    calc_ = std::move(made.calc);
    entry_ = std::move(made.entry);
    individual_ = dynamic_cast<velk::ScoreEntryE*>(entry_.get());
    hands_ = velk::BoardHandsView{};
    handsPanel_->hide();
    if (!entry_->open(mode))
        return false;
    const bool perTable = mode == ScoreEntry::Mode::PerTable;
    // The individual form moves by table and board only.
    roundUp_->setVisible(perTable && !individual_);
    roundDown_->setVisible(perTable && !individual_);
    invoer_->setVisible(entry_->contractsUsed());
    session_->setText(QStringLiteral("Zitting: %1").arg(club_.CurrentSession));
    date_->setText(Text(club_.SessionHead.SessionDate.get()));
    const bool shortNotation = (club_.ConfigRecord.OptionFlags & velk::OptionFlag::ShortNotation) != 0;
    notation_->setText(shortNotation ? Text(std::string(velk::kShortNotationUsed)) : QString());
    const int boards = club_.SessionHead.BoardCount;
    boards_->setRowCount((boards + kBoardGridColumns - 1) / kBoardGridColumns);
    for (int b = 1; b <= boards; ++b) {
        auto* item = new QTableWidgetItem(QString::number(entry_->boardNumber(b)));
        item->setTextAlignment(Qt::AlignCenter);
        boards_->setItem((b - 1) / kBoardGridColumns, (b - 1) % kBoardGridColumns, item);
    }
    for (int c = 0; c < kBoardGridColumns; ++c)
        boards_->setColumnWidth(c, 20);
    for (int r = 0; r < boards_->rowCount(); ++r)
        boards_->setRowHeight(r, 20);
    boards_->setFixedHeight(boards_->rowCount() * 20 + 2 * boards_->frameWidth());
    if (individual_)
        rows_->setIndividualHeads(perTable);
    else
        rows_->setHeads(perTable, contracts);
    refresh();
    // As wide as a row with the longest pair line, as high as the rows of the board.
    ensurePolished(); // the style's sizes count
    FitScrollArea(this, scroll_);
    return true;
}

void TScoreForm::refresh() {
    ScoreEntry& e = *entry_;
    // Cells that close while they have the focus hand it on; that is no move of the user's.
    refreshing_ = true;
    setWindowTitle(Text(e.caption()));
    header_->setText(Text(e.headerLine()));
    vulnerability_->setText(Text(e.vulnerabilityLine()));
    wijzig_->setVisible(!e.changeEastWest);
    normaal_->setVisible(e.changeEastWest);
    const bool perTable = e.mode == ScoreEntry::Mode::PerTable;
    const auto shown = e.rows();
    if (perTable && individual_)
        tablePairs_->setText(Text(individual_->pairLine(0)));
    else if (perTable && !shown.empty() && shown.front().PairRow != 0)
        tablePairs_->setText(Text(e.pairLineOf(shown.front().PairRow)) + QStringLiteral(" tegen ") +
                             Text(e.pairLineOf(shown.front().OpponentRow)).trimmed());
    tablePairs_->setVisible(perTable);
    if (e.mode == ScoreEntry::Mode::PerBoard)
        boards_->setCurrentCell((e.board - 1) / kBoardGridColumns, (e.board - 1) % kBoardGridColumns);

    rows_->showRows(static_cast<int>(shown.size()));
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
        const velk::EntryRow& r = shown[static_cast<std::size_t>(i)];
        ScoreFormRows::Row& w = rows_->row(i);
        if (perTable) {
            w.first->setText(QString::number(e.boardNumber(r.Board)));
            w.second->setText(Text(std::string(velk::VulnerabilityText(e.boardNumber(r.Board)))).left(2));
            w.names->clear();
        } else if (individual_) {
            w.first->setText(Text(individual_->playersText(i, false)));
            w.second->setText(Text(individual_->playersText(i, true)));
            w.names->setText(Text(e.pairLine(i)));
        } else {
            w.first->setText(QString::number(r.PairRow));
            w.second->setText(r.open() ? QString::number(r.OpponentRow) : QString());
            w.names->setText(Text(e.pairLine(i)));
        }
        for (int side = 0; side < 2; ++side) {
            const bool ew = side == 1;
            const bool open = e.cellOpen(i, ew);
            w.score[side]->setText(Text(e.scoreText(i, ew)));
            w.score[side]->setReadOnly(!e.scoreCellOpen(i, ew) || e.contractMode);
            w.score[side]->setEnabled(e.scoreCellOpen(i, ew) || !w.score[side]->text().isEmpty());
            w.contract[side]->setText(Text(e.contractText(i, ew)));
            w.contract[side]->setReadOnly(!open || !e.contractMode);
            w.contract[side]->setEnabled(open);
            const bool computed = static_cast<std::size_t>(i) < e.matchPointTexts.size();
            w.matchPoints[side]->setText(
                computed
                    ? Text(e.matchPointTexts[static_cast<std::size_t>(i)][static_cast<std::size_t>(side)])
                    : QString());
        }
        w.result->setText(Text(e.resultText(i)));
        w.result->setReadOnly(!e.contractMode);
        w.result->setEnabled(r.open() && (e.contractMode || !w.result->text().isEmpty()));
    }
    refreshing_ = false;
    if (handsPanel_->isVisible())
        showHands();
    placeFocus();
}

void TScoreForm::recordsStoredElsewhere(const std::vector<std::size_t>& indices) {
    if (!entry_)
        return;
    entry_->adoptRecords(indices);
    // A cell half typed stays as typed, unless the phone just filled it.
    auto* typing = qobject_cast<QLineEdit*>(focusWidget());
    const QString typed = typing && typing->isModified() ? typing->text() : QString();
    refresh();
    if (!typed.isEmpty() && focusWidget() == typing && typing->text().isEmpty() && !typing->isReadOnly()) {
        typing->setText(typed);
        typing->setModified(true);
    }
}

int TScoreForm::currentBoardNumber() const {
    const ScoreEntry& e = *entry_;
    int board = e.board;
    if (e.mode == ScoreEntry::Mode::PerTable) {
        const auto shown = e.rows();
        if (e.focusRow >= 0 && static_cast<std::size_t>(e.focusRow) < shown.size())
            board = shown[static_cast<std::size_t>(e.focusRow)].Board;
    }
    return e.boardNumber(board);
}

void TScoreForm::onSpelverdeling() {
    if (handsPanel_->isVisible()) {
        handsPanel_->hide();
        return;
    }
    // Read once per opening; boards not analysed yet are analysed and stored now.
    if (!hands_.loaded()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        hands_.load(club_.ClubFilePath, club_.CurrentSession, &solver_);
        QApplication::restoreOverrideCursor();
    }
    handsPanel_->show();
    showHands();
}

void TScoreForm::showHands() {
    QString text;
    for (const std::string& line : hands_.lines(currentBoardNumber()))
        text += Text(line) + QLatin1Char('\n');
    handsPanel_->setPlainText(text);
}

void TScoreForm::placeFocus() {
    ScoreEntry& e = *entry_;
    if (!e.cellOpen(e.focusRow, e.focusColumnEastWest(e.focusRow)))
        e.moveFocus(+1);
    const bool ew = e.focusColumnEastWest(e.focusRow);
    if (!e.cellOpen(e.focusRow, ew))
        return;
    if (QLineEdit* edit =
            rows_->edit(e.focusRow, e.contractMode ? EntryCell::Contract : EntryCell::Score, ew)) {
        edit->setFocus();
        edit->selectAll();
    }
}

bool TScoreForm::formKey(const QKeyEvent* key) {
    const auto mods = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (mods == Qt::AltModifier && key->key() == Qt::Key_W) {
        entry_->changeEastWest ? onNormaal() : onWijzigOW();
        return true;
    }
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_D) {
        onDraai();
        return true;
    }
    if (mods != 0)
        return false;
    switch (key->key()) {
    case Qt::Key_PageDown:
        onBoardUp();
        return true;
    case Qt::Key_PageUp:
        onBoardDown();
        return true;
    case Qt::Key_F7:
        onGroupDown();
        return true;
    case Qt::Key_F8:
        onGroupUp();
        return true;
    case Qt::Key_F5:
        onInvoer();
        return true;
    case Qt::Key_F9:
        onSpelverdeling();
        return true;
    default:
        return false;
    }
}

void TScoreForm::keyPressEvent(QKeyEvent* event) {
    if (!formKey(event))
        QDialog::keyPressEvent(event);
}

bool TScoreForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && entry_ && !refreshing_) {
        // A click moves the model's focus too.
        entry_->focusRow = ScoreFormRows::rowOf(watched);
        // The result belongs to the bid cell the focus came from.
        const EntryCell cell = ScoreFormRows::cellOf(watched);
        if (cell == EntryCell::Contract || (entry_->sideBySide() && cell == EntryCell::Score))
            entry_->focusEastWest = ScoreFormRows::eastWestOf(watched);
    }
    if (event->type() == QEvent::KeyPress && entry_)
        return editKey(watched, static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool TScoreForm::editKey(QObject* watched, QKeyEvent* key) {
    auto* edit = static_cast<QLineEdit*>(watched);
    ScoreEntry& e = *entry_;
    const EntryCell cell = ScoreFormRows::cellOf(edit);
    const int row = ScoreFormRows::rowOf(edit);
    const bool ctrlD = key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_D;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || (ctrlD && e.turnMode)) {
        if (e.turnMode) {
            prompt_->clear();
            e.turn(row);
            refresh();
        } else {
            enterCell(edit);
        }
        return true;
    }
    if (formKey(key))
        return true;
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        e.focusRow = row;
        e.moveFocus(key->key() == Qt::Key_Up ? -1 : +1);
        placeFocus();
        return true;
    }
    const QString text = key->text();
    if (edit->isReadOnly() || text.size() != 1 || !text[0].isPrint() || text[0].unicode() > 127)
        return false; // editing and moving keys work as in any field
    const char c = static_cast<char>(text[0].unicode());
    const std::string before = edit->text().toStdString();
    switch (e.typeKey(cell, c, before)) {
    case KeyVerdict::Type:
        edit->insert(cell == EntryCell::Score ? text : text.toUpper());
        break;
    case KeyVerdict::MoveToResult: {
        QLineEdit* result = rows_->row(row).result;
        result->setText(text.toUpper());
        result->setFocus();
        result->deselect();
        break;
    }
    case KeyVerdict::Refuse:
        edit->setFocus();
        break;
    }
    return true;
}

void TScoreForm::enterCell(QObject* watched) {
    auto* edit = static_cast<QLineEdit*>(watched);
    ScoreEntry& e = *entry_;
    const int row = ScoreFormRows::rowOf(edit);
    const EntryCell cell = ScoreFormRows::cellOf(edit);
    bool ok = false;
    if (cell == EntryCell::Score) {
        ok = e.acceptScore(row, edit->text().toStdString(), ScoreFormRows::eastWestOf(edit));
    } else {
        // The result belongs to the contract of the column the focus came from.
        const bool ew =
            cell == EntryCell::Contract ? ScoreFormRows::eastWestOf(edit) : e.focusColumnEastWest(row);
        const QLineEdit* contract = rows_->row(row).contract[ew ? 1 : 0];
        ok = e.acceptContract(row, contract->text().toStdString(),
                              rows_->row(row).result->text().toStdString(), ew);
    }
    if (!ok) {
        edit->setFocus();
        return;
    }
    refresh();
}

void TScoreForm::step(bool (ScoreEntry::*move)()) {
    if (((*entry_).*move)())
        refresh();
}
void TScoreForm::onBoardUp() {
    step(&ScoreEntry::nextBoard);
}
void TScoreForm::onBoardDown() {
    step(&ScoreEntry::previousBoard);
}
void TScoreForm::onGroupUp() {
    step(&ScoreEntry::nextGroup);
}
void TScoreForm::onGroupDown() {
    step(&ScoreEntry::previousGroup);
}
void TScoreForm::onRoundUp() {
    step(&ScoreEntry::nextRound);
}
void TScoreForm::onRoundDown() {
    step(&ScoreEntry::previousRound);
}
void TScoreForm::onBoardClicked(int row, int column) {
    if (entry_->mode == ScoreEntry::Mode::PerBoard && entry_->goToBoard(row * kBoardGridColumns + column + 1))
        refresh();
}

void TScoreForm::onReken() {
    entry_->compute();
    refresh();
}

void TScoreForm::onSchoon() {
    entry_->clear();
    refresh();
}

void TScoreForm::onTelLijst() {
    if (!entry_->countList()) {
        placeFocus();
        return;
    }
    // The result window lists this group's count list once its writer is there.
    if (!velk::HasReportWriter(velk::ReportKind::GroupCountList)) {
        dialogs_.information(kCountListLater);
        placeFocus();
        return;
    }
    hide();
    emit countListRequested(entry_->group);
}

void TScoreForm::onDraai() {
    if (entry_->turnMode) {
        // Ctrl-D a second time turns the row the focus is on, as Enter does.
        prompt_->clear();
        entry_->turn(entry_->focusRow);
        refresh();
        return;
    }
    prompt_->setText(Text(entry_->startTurn()));
    placeFocus();
}

void TScoreForm::onWijzigOW() {
    prompt_->setText(Text(entry_->startChangeEastWest()));
    refresh();
}

void TScoreForm::onNormaal() {
    entry_->stopChangeEastWest();
    prompt_->clear();
    refresh();
}

void TScoreForm::onInvoer() {
    if (entry_->toggleContractMode())
        refresh();
    else
        placeFocus();
}

void TScoreForm::onBewaar() {
    const int saves = entry_->saveCount();
    entry_->saveGroup(true);
    if (entry_->saveCount() != saves)
        emit scoresSaved();
    refresh();
}

void TScoreForm::onOk() {
    const int saves = entry_->saveCount();
    const bool done = entry_->saveAll(true);
    if (entry_->saveCount() != saves)
        emit scoresSaved();
    if (!done)
        return;
    closing_ = true;
    close();
}

void TScoreForm::onSchrap() {
    close();
}

void TScoreForm::onHelp() {
    dialogs_.showHelp(entry_->helpContext());
}

void TScoreForm::reject() {
    close();
}

void TScoreForm::closeEvent(QCloseEvent* event) {
    if (!closing_ && entry_ && !entry_->mayClose()) {
        event->ignore();
        return;
    }
    closing_ = true;
    event->accept();
    setResult(QDialog::Rejected);
    emit entryClosed(entry_ && entry_->savedSinceOpen());
}
