// "S&cores › &Invoer": the score entry window, per board or per table; the individual one in
// "Enkel".
#include "gui/WindowPlacement.h"
#include "gui/club/TClubWindow.h"
#include "gui/scoring/TScoreFormE.h"
#include "gui/terminals/TableService.h"
#include "reports/ReportKind.h"
#include "reports/ReportRun.h"
#include "scoring/ScoreEntryCalculation.h"

void TClubWindow::onScoreEntryPerBoard() {
    openScoreEntry(static_cast<int>(velk::ScoreEntry::Mode::PerBoard));
}

void TClubWindow::onScoreEntryPerRound() {
    openScoreEntry(static_cast<int>(velk::ScoreEntry::Mode::PerTable));
}

void TClubWindow::openScoreEntry(int mode) {
    if (scoreForm_ != nullptr) {
        scoreForm_->activateWindow();
        return;
    }
    copyGridToRecords();
    TScoreForm* form = velk::ScoresIndividually(club_) ? new TScoreFormE(club_, dialogs_, this)
                                                       : new TScoreForm(club_, dialogs_, this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    const bool individual = velk::ScoresIndividually(club_);
    trackWindow(form, QStringLiteral("Scorevenster"), individual ? IndividualScoreWindow : ScoreWindow,
                QStringLiteral("Scores invoeren"));
    // Modal while it edits the session's score block in place: nothing else may change it.
    form->setWindowModality(Qt::ApplicationModal);
    if (!form->open(static_cast<velk::ScoreEntry::Mode>(mode))) {
        delete form;
        return;
    }
    scoreForm_ = form;
    connect(form, &TScoreForm::entryClosed, this, [this](bool saved) {
        scoreForm_ = nullptr;
        if (tableService_ != nullptr)
            tableService_->scoresChangedElsewhere();
        // The window keeps its scores on disk itself: what it wrote counts as saved.
        if (saved)
            file_.markCompanionsSaved(velk::ClubFile::AllCompanions & ~velk::ClubFile::ScoreList);
        applyMenuState();
    });
    connect(form, &TScoreForm::scoresSaved, this, [this] {
        if (tableService_ != nullptr)
            tableService_->scoresWrittenElsewhere();
    });
    connect(form, &TScoreForm::countListRequested, this, [this](int group) {
        showReport(static_cast<int>(velk::ReportKind::GroupCountList), velk::OneGroupSelection(group));
    });
    CentreOnParent(form, this);
    applyMenuState();
    form->show();
}
