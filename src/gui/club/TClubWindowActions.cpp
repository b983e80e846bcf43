// The menu and button handlers of the main window.
#include "club/CompetitionData.h"
#include "club/PairEdit.h"
#include "club/PairSorting.h"
#include "club/Sessions.h"
#include "core/HelpContext.h"
#include "core/files/CompetitionFile.h"
#include "gui/club/ClubWindowForms.h"
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "gui/club/TNewPaarDlg.h"
#include "gui/club/TSortLidDlg.h"
#include "gui/schedules/ClubListPrinting.h"
#include "gui/terminals/TableService.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using velk::Club;

void TClubWindow::setWizardHost(std::unique_ptr<velk::WizardHost> host) {
    wizardHost_ = std::move(host);
}

void TClubWindow::copyGridToRecords() {
    if (state_ != FileState::NoFile && grid_->rowCount() > 0)
        grid_->copyToRecords(club_);
}

std::string TClubWindow::openWindowName() const {
    // The conflicting windows in the order they are checked: correction, schedule, score, results.
    for (const int tag : {CorrectionWindow, ScheduleWindow, ScoreWindow, ResultsWindow})
        for (auto it = childWindows_.cbegin(); it != childWindows_.cend(); ++it)
            if (it->tag == tag && it.key()->isVisible())
                return it->name.toStdString();
    // The running server works on the session's scores, whether its window is open or not.
    if (tableService_ != nullptr && tableService_->running())
        return "Tafels (telefoon), eerst Stoppen";
    return {};
}

void TClubWindow::newFile(bool competition) {
    if (!wizardHost_)
        wizardHost_ = ClubForms::MakeWizardHost(
            this, dialogs_, [this] { applyState(); }, [this] { return openWindowName(); });
    state_ = FileState::Wizard;
    applyState();
    velk::NewFileWizard wizard(club_, file_, dialogs_, *wizardHost_);
    wizard.run(competition);
    state_ = file_.isLoaded() ? FileState::Open : FileState::NoFile;
    if (state_ == FileState::Open && !pairWindowVisible_)
        showPairWindow();
    applyState();
}

void TClubWindow::onNewAsk() {
    newFile(ClubForms::ChooseNewKind(this) == 0);
}

void TClubWindow::onOpen() {
    velk::FileChoice choice;
    choice.title = "Openen";
    choice.filter = "Velk bestand (*.dba)|*.dba";
    choice.defaultExtension = "dba";
    choice.initialPath = "*.dba";
    if (const auto path = dialogs_.openFileName(choice))
        openFile(QString::fromStdString(*path));
}

bool TClubWindow::openFile(const QString& path) {
    if (!file_.open(path.toStdString())) {
        applyState();
        return false;
    }
    state_ = FileState::Open;
    showPairWindow();
    runSessionDialog(velk::SessionDialogModel::ChooseSession);
    applyState();
    return true;
}

bool TClubWindow::saveFile() {
    copyGridToRecords();
    const bool ok = file_.save(false, true);
    if (!ok)
        if (const int row = file_.duplicateCheck(); row > 0)
            grid_->selectPair(row);
    applyState();
    return ok;
}

bool TClubWindow::saveFileAs() {
    copyGridToRecords();
    const bool ok = file_.saveAs();
    applyState();
    return ok;
}

bool TClubWindow::closeWithSave() {
    stopTables();
    copyGridToRecords();
    if (!file_.close())
        return false;
    state_ = FileState::NoFile;
    pairWindowVisible_ = false;
    grid_->setRowCount(0);
    action("CompetitionLine")->setChecked(false);
    applyState();
    return true;
}

void TClubWindow::showPairWindow() {
    pairWindowVisible_ = true;
    refreshPairWindow();
    grid_->selectPair(1);
    currentGroup_ = 1;
    action("CompetitionLine")->setChecked(true);
    action("SchrapSpdBtn")->setStatusTip(QStringLiteral("Sluiten van Parenvenster"));
    applyOptionSettings();
    applyState();
}

void TClubWindow::hidePairWindow() {
    pairWindowVisible_ = false;
    action("SchrapSpdBtn")->setStatusTip(QStringLiteral("Openen van Parenvenster"));
    applyState();
}

void TClubWindow::refreshPairWindow() {
    const std::string fontName = club_.ConfigRecord.ScreenFontName.get();
    const int size = club_.ConfigRecord.screenFontSize();
    grid_->setFont(
        QFont(QString::fromStdString(fontName.empty() ? "MS Sans Serif" : fontName), size > 0 ? size : 10));
    grid_->setEnterMovesOn((club_.ConfigRecord.OptionFlags & velk::OptionFlag::EnterMovesOn) != 0);
    grid_->showPairs(club_);
    const int visible = std::min(16, std::max(club_.PairsPerGroup, 1));
    grid_->setMinimumHeight(grid_->horizontalHeader()->height() +
                            visible * grid_->verticalHeader()->defaultSectionSize() + 4);
    // The rows were rebuilt from the records: an edit started before is over.
    spareRow_ = 0;
    updateCompetitionLine();
}

void TClubWindow::onTogglePairWindow() {
    if (pairWindowVisible_)
        hidePairWindow();
    else
        showPairWindow();
}

void TClubWindow::onClubData() {
    copyGridToRecords();
    if (ClubForms::EditCompetitionData(this, club_, dialogs_, file_))
        refreshPairWindow();
    applyState();
}

void TClubWindow::onNextCompetition() {
    copyGridToRecords();
    const auto result = file_.nextCompetition();
    if (result == velk::ClubFile::NextResult::Opened) {
        state_ = FileState::Open;
        showPairWindow();
    } else if (result == velk::ClubFile::NextResult::Saved) {
        hidePairWindow();
    } else {
        refreshPairWindow();
    }
    applyState();
}

void TClubWindow::onImport() {
    if (!dialogs_.askYesNo("Velk\rImporteren van Alle VELK bestanden, bijv. van schijf: \"A\", \"D\", enz\r"))
        return;
    velk::FileChoice choice;
    choice.title = "Importeren";
    choice.filter = "VELK bestand (*.dba)|*.dba";
    choice.defaultExtension = "dba";
    const auto source = dialogs_.openFileName(choice);
    if (!source)
        return;
    // The imported file takes the place of the open one: its changes are saved first if wanted.
    if (state_ != FileState::NoFile && hasUnsavedChanges() && !file_.askSaveFirst())
        return;
    if (!file_.importFrom(*source, QDir::currentPath().toStdString()))
        return;
    state_ = FileState::Open;
    showPairWindow();
}

void TClubWindow::onExport() {
    if (!file_.isOnDisk())
        return;
    if (!dialogs_.askYesNo("Velk\rExporteren van Alle bestanden, bijv. naar schijf: \"A\", \"D\", enz\r"))
        return;
    copyGridToRecords();
    if (file_.refuseUnsorted())
        return;
    const std::string path = file_.askSavePath(QDir::homePath().toStdString());
    if (path.empty() || !file_.exportTo(path))
        return;
    applyState();
}

void TClubWindow::onPrintClubList() {
    copyGridToRecords();
    PrintClubList(dialogs_, club_, windowTitle().toStdString() + "  " + club_.ClubFileName);
}

void TClubWindow::onInsertPair() {
    copyGridToRecords();
    const int at = file_.insertPair(std::max(grid_->currentPair(), 1), currentGroup_);
    if (at > 0) {
        refreshPairWindow();
        grid_->selectPair(at);
    }
    applyState();
}

void TClubWindow::onDeletePair() {
    copyGridToRecords();
    if (file_.deletePair(grid_->currentPair()))
        refreshPairWindow();
    applyState();
}

void TClubWindow::onSortPairs() {
    TSortLidDlg dialog(this);
    if (!dialog.SortDialog())
        return;
    const velk::SortChoice choice = dialog.choice();
    int group = 0;
    if (choice.scope == velk::SortScope::Groep && !dialogs_.askYesNo(" Wilt u alle groepen sorteren"))
        group = currentGroup_;
    sortPairs(group, choice);
    file_.NeedSortFirst = velk::NeedSortFirstAfter(choice);
}

void TClubWindow::sortPairs(int group, const velk::SortChoice& choice) {
    copyGridToRecords();
    velk::SortPairs(club_, group, choice.key, choice.scope, false);
    file_.takeSnapshot();
    refreshPairWindow();
}

void TClubWindow::onSortCurrentGroup() {
    sortPairs(currentGroup_, velk::SortChoice{});
}

void TClubWindow::onSearch() {
    searchPanel_->show();
    searchEdit_->clear();
    searchEdit_->setFocus();
}

void TClubWindow::closeSearch() {
    searchPanel_->hide();
    grid_->setFocus();
}

void TClubWindow::onSearchTextChanged(const QString& text) {
    if (text.isEmpty())
        return;
    const int column = searchColumn_->checkedId();
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const QTableWidgetItem* cell = grid_->item(r, column);
        if (cell && cell->text().contains(text, Qt::CaseInsensitive)) {
            grid_->selectPair(r + 1);
            return;
        }
    }
}

void TClubWindow::onMoveHelp() {
    dialogs_.showHelp(velk::HelpContext::MovePair);
}

void TClubWindow::onHelpUse() {
    dialogs_.showHelp(velk::HelpContext::UsingHelp);
}

void TClubWindow::onHelpContents() {
    dialogs_.showHelp(velk::HelpContext::None);
}

void TClubWindow::onHelpVelk() {
    dialogs_.showHelp(velk::HelpContext::UsingVelk);
}

bool TClubWindow::runSessionDialog(int mode) {
    auto save = [this] {
        copyGridToRecords();
        return file_.save(true, false);
    };
    const bool openPoints = ClubForms::OpenSessionDialog(this, club_, dialogs_, mode, save, openWindowName());
    restoreTableJournal();
    applyState();
    if (openPoints)
        onOpenPoints();
    return true;
}

void TClubWindow::onNewSession() {
    runSessionDialog(velk::SessionDialogModel::NewSession);
}
void TClubWindow::onChooseSession() {
    runSessionDialog(velk::SessionDialogModel::ChooseSession);
}

void TClubWindow::onDeleteSession() {
    if (!dialogs_.askYesNo("Wilt u de Zitting: " + std::to_string(club_.CurrentSession) + " verwijderen"))
        return;
    velk::DeleteLastSession(club_, dialogs_, [this] {
        copyGridToRecords();
        // The schedule file goes with the competition file; neither is written alone.
        if (!file_.writeTo(club_.ClubFilePath, false))
            return false;
        return (file_.saveCompanions() & velk::ClubFile::ScheduleList) == 0 ||
               club_.SessionScheduleList.empty();
    });
    applyState();
}

void TClubWindow::onTwoLines() {
    file_.askTwoLines();
    applyState();
}

void TClubWindow::onScreenFont() {
    velk::FontChoice current{club_.ConfigRecord.ScreenFontName.get(), club_.ConfigRecord.screenFontSize()};
    if (const auto chosen = dialogs_.chooseFont(current)) {
        club_.ConfigRecord.ScreenFontName.set(chosen->name);
        club_.ConfigRecord.setFontSizes(club_.ConfigRecord.printerFontSize(), chosen->size);
        if (state_ != FileState::NoFile)
            refreshPairWindow();
    }
}

void TClubWindow::onAbout() {
    dialogs_.messageBox("Velk\rUitslagen voor de bridgeclub: paren, groepen, zittingen en competities.",
                        velk::MessageKind::Plain, velk::Button::OK);
}

void TClubWindow::onNavigator(int index) {
    if (grid_->isEditing()) {
        dialogs_.warning("Editor mode is actief, druk Enter toets");
        return;
    }
    const int row = grid_->currentPair();
    const int last = grid_->rowCount();
    switch (index) {
    case 0:
        grid_->selectPair(1);
        break;
    case 1:
        grid_->selectPair(std::max(row - 1, 1));
        break;
    case 2:
        grid_->selectPair(std::min(row + 1, last));
        break;
    case 3:
        grid_->selectPair(last);
        break;
    case 4:
        onInsertPair();
        break;
    case 5:
        copyGridToRecords();
        if (file_.deletePairFromNavigator(row))
            refreshPairWindow();
        applyState();
        break;
    case 6:
        copyGridToRecords();
        if (row >= 1 && row < static_cast<int>(club_.PairList.size())) {
            spareRecord_ = club_.PairList[static_cast<std::size_t>(row)];
            spareRow_ = row;
        }
        break;
    case 7:
        copyGridToRecords();
        spareRow_ = 0;
        break;
    case 8:
        // Only the row whose edit was started goes back, and only once; the other rows keep
        // what was typed in them.
        if (spareRow_ >= 1 && spareRow_ < static_cast<int>(club_.PairList.size())) {
            const int edited = spareRow_;
            copyGridToRecords();
            club_.PairList[static_cast<std::size_t>(edited)] = spareRecord_;
            refreshPairWindow();
            grid_->selectPair(edited);
        }
        spareRow_ = 0;
        break;
    case 9:
        // "Ververs de hele lijst": every group back in GrpNr order.
        sortPairs(0, velk::SortChoice{});
        file_.NeedSortFirst = false;
        break;
    default:
        break;
    }
}

void TClubWindow::onEditPair(int pair) {
    if (state_ == FileState::NoFile)
        return;
    // The dialog checks against the list as the grid shows it.
    copyGridToRecords();
    TNewPaarDlg dialog(club_, dialogs_, this);
    if (dialog.Open(pair))
        grid_->showPair(club_, pair);
    grid_->selectPair(pair);
    applyState();
}

std::optional<std::string> TClubWindow::checkTypedField(int pair, velk::PairField field,
                                                        const std::string& typed) {
    copyGridToRecords();
    velk::PairEdit edit(club_, dialogs_);
    if (!edit.open(pair) || !edit.enter(field, typed))
        return std::nullopt;
    return edit.text(field);
}

void TClubWindow::moveToGroup(int group) {
    currentGroup_ = std::clamp<int>(group, 1, std::max<int>(club_.CompetitionHead.GroupCount, 1));
    grid_->scrollToPair((currentGroup_ - 1) * club_.PairsPerGroup + 1);
}

void TClubWindow::onPage(int delta) {
    if (club_.CompetitionHead.GroupCount <= 1) {
        grid_->selectPair(delta < 0 ? 1 : grid_->rowCount());
        return;
    }
    moveToGroup(currentGroup_ + delta);
}

void TClubWindow::onRowMoved(int from, int to) {
    copyGridToRecords();
    if (!file_.movePair(from, to))
        return;
    refreshPairWindow();
    grid_->selectPair(to);
    moveLabel_->setText(QStringLiteral("Rij van: %1 naar: %2").arg(from).arg(to));
    moveLabel_->show();
    QTimer::singleShot(2500, moveLabel_, &QLabel::hide);
}

void TClubWindow::onGridCellClicked(int row, int) {
    tellerLabel_->setText(QStringLiteral("%1 van %2").arg(row + 1).arg(club_.CompetitionHead.PairCount));
    if (club_.PairsPerGroup > 0)
        currentGroup_ = row / club_.PairsPerGroup + 1;
}
