// "Verwerken M.P.in Competitie" and "Kopie  M.P naar andere &Groep" from the main window.
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/files/ScoreFile.h"
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "gui/selection/TGroepenDlg.h"
#include "gui/selection/TSelectieDlg.h"
#include "gui/terminals/TableService.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/StoredMatchPoints.h"

namespace {
constexpr int kMatchPointSelectionKind = 30;
} // namespace

// The current session's score records, or null (after the shared error) when there are none.
std::vector<velk::TScoreObj>* TClubWindow::sessionScores() {
    const auto index = static_cast<std::size_t>(club_.CurrentSession - 1);
    if (state_ != FileState::Open || club_.CurrentSession < 1 || index >= club_.SessionScoreList.size()) {
        velk::ShowError(dialogs_, club_.ErrorCode, "", velk::ErrorMessage::NoMatchPoints);
        return nullptr;
    }
    return &club_.SessionScoreList[index].Records;
}

void TClubWindow::onCopyMatchPoints() {
    std::vector<velk::TScoreObj>* records = sessionScores();
    if (!records)
        return;
    TSelectieDlg selection(club_, dialogs_, this);
    if (!selection.ChooseGroups(kMatchPointSelectionKind))
        return;
    const velk::GroupSelection& chosen = selection.selection();
    velk::ErrorCode tableError;
    const velk::ScoreTables tables = velk::LoadScoreTables(velk::DataFolder(), dialogs_, tableError, false);
    const std::vector<velk::TScoreObj> before = *records;
    velk::MatchPointCalculation calc(velk::MatchPointSettings::Of(club_), *records, tables, dialogs_);
    velk::CopyMatchPointsOptions options;
    options.opponents = velk::ScheduleOpponents(club_);
    // The results and, beside them, the match points they were summed from: what every list reads.
    options.save = [this, &calc](const std::vector<int>& groups) {
        if (!saveFile())
            return false;
        std::string note;
        const bool stored =
            velk::SaveStoredMatchPoints(club_.ClubFilePath, club_.CurrentSession, calc, groups, note);
        if (!note.empty())
            dialogs_.warning(note);
        if (!stored)
            dialogs_.error("Wegschrijven van " +
                           velk::MatchPointFilePath(club_.ClubFilePath, club_.CurrentSession) +
                           " niet gelukt");
        return stored;
    };
    const bool copied = velk::CopyMatchPoints(club_, calc, tables, dialogs_, chosen.SelFirstGroup,
                                              chosen.SelLastGroup, options);
    // The sit-out detection may have given records a code; the score file keeps them.
    if (*records != before &&
        velk::WriteScoreFile(club_.ScoreFilePath, club_.SessionScoreList, club_.CompetitionHead.PairCount,
                             true, dialogs_, club_.ErrorCode)) {
        file_.markCompanionsSaved(velk::ClubFile::AllCompanions & ~velk::ClubFile::ScoreList);
        if (tableService_ != nullptr)
            tableService_->scoresWrittenElsewhere();
    }
    if (copied)
        grid_->showPairs(club_);
}

void TClubWindow::onCopyGroupScores() {
    std::vector<velk::TScoreObj>* records = sessionScores();
    if (!records)
        return;
    TGroepenDlg groups(club_, dialogs_, this);
    if (!groups.ChooseCopyGroups())
        return;
    std::vector<int> copied;
    for (const int target : groups.targetGroups())
        if (velk::CopyGroupScores(club_, *records, dialogs_, groups.sourceGroup(), target))
            copied.push_back(target);
    if (copied.empty())
        return;
    // Changed scores are kept on disk at once, as score entry keeps them.
    const bool saved = velk::WriteScoreFile(club_.ScoreFilePath, club_.SessionScoreList,
                                            club_.CompetitionHead.PairCount, true, dialogs_, club_.ErrorCode);
    if (saved) {
        file_.markCompanionsSaved(velk::ClubFile::AllCompanions & ~velk::ClubFile::ScoreList);
        if (tableService_ != nullptr)
            tableService_->scoresWrittenElsewhere();
    }
    for (const int target : copied)
        dialogs_.information(velk::CopiedGroupScoresText(groups.sourceGroup(), target, saved));
}
