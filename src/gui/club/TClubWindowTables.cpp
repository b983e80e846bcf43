// "S&cores › Tafels (telefoon)…": the table server of the open session, its window, the tables
// behind in the status bar, and the journal a crash left.
#include "core/HelpContext.h"
#include "core/ProgramFolder.h"
#include "gui/WindowPlacement.h"
#include "gui/club/TClubWindow.h"
#include "gui/scoring/TScoreForm.h"
#include "gui/terminals/TTafelsForm.h"
#include "gui/terminals/TableService.h"
#include "terminals/EntryJournal.h"
#include "terminals/JournalRestore.h"

#include <QStatusBar>
#include <filesystem>

void TClubWindow::onTables() {
    if (tableService_ == nullptr) {
        tableService_ = new TableService(club_, dialogs_, this);
        tableService_->setWindowDirty([this] { return scoreForm_ != nullptr && scoreForm_->entry().dirty; });
        connect(tableService_, &TableService::entryAccepted, this,
                [this](const std::vector<std::size_t>& changed) {
                    if (scoreForm_ != nullptr)
                        scoreForm_->recordsStoredElsewhere(changed);
                });
        connect(tableService_, &TableService::changed, this, &TClubWindow::updateTablesStatus);
        connect(tableService_, &TableService::scoreFileWritten, this, [this] {
            file_.markCompanionsSaved(velk::ClubFile::AllCompanions & ~velk::ClubFile::ScoreList);
        });
        tablesLabel_ = new QLabel(this);
        tablesLabel_->setObjectName(QStringLiteral("StatusTables"));
        statusBar()->addWidget(tablesLabel_, 2);
    }
    if (tablesForm_ == nullptr) {
        tablesForm_ = new TTafelsForm(*tableService_, this);
        tablesForm_->setAttribute(Qt::WA_DeleteOnClose);
        connect(tablesForm_, &QObject::destroyed, this, [this] { tablesForm_ = nullptr; });
        connect(tablesForm_, &TTafelsForm::cardsRequested, this, &TClubWindow::onTableCards);
        connect(tablesForm_, &TTafelsForm::helpRequested, this,
                [this] { dialogs_.showHelp(velk::HelpContext::TablesWindow); });
        trackWindow(tablesForm_, QStringLiteral("Tafels (telefoon)"), TablesWindow,
                    QStringLiteral("Scores van de tafels per telefoon"));
        CentreOnParent(tablesForm_, this);
    }
    tablesForm_->show();
    tablesForm_->raise();
    tablesForm_->activateWindow();
}

// "Tafelkaarten…": the PDF to print, opened in the desktop's viewer.
void TClubWindow::onTableCards(int port) {
    const std::filesystem::path competition(club_.ClubFilePath);
    const std::filesystem::path proposed =
        competition.parent_path() /
        (competition.stem().string() + "_tafelkaarten" + std::to_string(club_.CurrentSession) + ".pdf");
    const auto chosen =
        dialogs_.saveFileName({"Tafelkaarten", "PDF (*.pdf)|*.pdf", "pdf", proposed.string()});
    if (!chosen || !tableService_->writeCards(*chosen, port))
        return;
    if (!documentOpener_ || !documentOpener_->openWithDesktop(*chosen))
        dialogs_.information("Tafelkaarten geschreven in " + *chosen);
}

bool TClubWindow::tablesStopped() const {
    return tableService_ == nullptr || !tableService_->running();
}

bool TClubWindow::stopTables() {
    if (tableService_ == nullptr || !tableService_->running())
        return true;
    return tableService_->stop();
}

void TClubWindow::updateTablesStatus() {
    if (tablesLabel_ == nullptr)
        return;
    const bool running = tableService_ != nullptr && tableService_->running();
    tablesLabel_->setText(
        running ? QString::fromStdString(velk::terminals::BehindText(tableService_->progress())) : QString());
    applyMenuState();
}

void TClubWindow::restoreTableJournal() {
    if (state_ != FileState::Open || club_.CurrentSession < 1 || club_.ClubFilePath.empty())
        return;
    const std::string journal =
        velk::terminals::EntryJournal::PathFor(club_.ClubFilePath, club_.CurrentSession);
    if (!velk::terminals::JournalWaiting(journal))
        return;
    velk::ErrorCode tableError;
    const velk::ScoreTables tables = velk::LoadScoreTables(velk::DataFolder(), dialogs_, tableError);
    const auto result = velk::terminals::RestoreTableJournal(club_, tables, journal);
    if (!result.problem.empty()) {
        dialogs_.error(result.problem);
        return;
    }
    if (result.restored > 0) {
        file_.markCompanionsSaved(velk::ClubFile::AllCompanions & ~velk::ClubFile::ScoreList);
        dialogs_.information(velk::terminals::RestoredText(result.restored));
    }
}
