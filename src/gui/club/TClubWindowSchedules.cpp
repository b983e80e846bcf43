// "Schema &Lezen" from the main window and from the new-file wizard.
#include "core/CompetitionNaming.h"
#include "core/ErrorHelpers.h"
#include "core/HelpContext.h"
#include "core/Messages.h"
#include "gui/club/TClubWindow.h"
#include "gui/schedules/TNewChangeDlg.h"
#include "gui/schedules/TSchemaForm.h"
#include "gui/schedules/TSchemaFormE.h"
#include "gui/selection/TSelectieDlg.h"
#include "schedules/ReadScheduleIntoSession.h"
#include "schedules/SchedulesFolder.h"

namespace {
constexpr int kScheduleReadingKind = 40;
} // namespace

bool TClubWindow::readSchedule() {
    if (state_ == FileState::NoFile || club_.CurrentSession < 1) {
        velk::ShowError(dialogs_, club_.ErrorCode, "Schema lezen", velk::ErrorMessage::SaveFirstThenAgain);
        return false;
    }
    TSelectieDlg selection(club_, dialogs_, this);
    if (!selection.ChooseGroups(kScheduleReadingKind)) {
        dialogs_.information(velk::kScheduleSelectionCancelled);
        return false;
    }
    const velk::GroupSelection& chosen = selection.selection();
    const auto folder = velk::SchedulesFolder(dialogs_);
    if (!folder)
        return false;
    velk::FileChoice choice;
    choice.title = "Schema Lezen";
    choice.filter = "Schema bestand (*.*)|*.*";
    choice.initialPath = *folder + "/" + velk::ProposedBaseScheduleName(club_, chosen.SelFirstGroup);
    const auto path = dialogs_.openFileName(choice);
    if (!path)
        return false;
    const auto session = static_cast<std::size_t>(club_.CurrentSession - 1);
    const int scoreBoards =
        session < club_.SessionScoreList.size() && club_.SessionScoreList[session].BoardsInList > 0
            ? club_.SessionScoreList[session].BoardsInList
            : club_.SessionHead.BoardCount;
    if (velk::ReadScheduleIntoGroups(club_, chosen.SelFirstGroup, chosen.SelLastGroup, *path, scoreBoards,
                                     dialogs_) &&
        club_.ScheduleFilePath == velk::ScheduleFilePathFor(club_.ClubFilePath))
        file_.markCompanionsSaved(velk::ClubFile::AllCompanions & ~velk::ClubFile::ScheduleList);
    // The wizard reads on until every group has its schedule.
    return chosen.SelGroupChar != '*' && chosen.SelGroupChar != ' ' &&
           chosen.SelLastGroup < club_.CompetitionHead.GroupCount;
}

void TClubWindow::makeScheduleForms() {
    // Both editors are the schedule window to the operations they conflict with.
    const QString name = QStringLiteral("Schemavenster");
    const QString hint = QStringLiteral("Schema invoeren of wijzigen");
    if (!scheduleForm_) {
        scheduleForm_ = new TSchemaForm(club_, dialogs_, this);
        trackWindow(scheduleForm_, name, ScheduleWindow, hint);
    }
    if (!individualScheduleForm_) {
        individualScheduleForm_ = new TSchemaFormE(club_, dialogs_, this);
        trackWindow(individualScheduleForm_, name, ScheduleWindow, hint);
    }
}

void TClubWindow::onEditSchedule() {
    makeScheduleForms();
    EditSchedule(this, club_, dialogs_, *scheduleForm_, *individualScheduleForm_);
}

// "Schema Vernummeren": the pairs editor's renumbering view.
void TClubWindow::onRenumberSchedule() {
    makeScheduleForms();
    scheduleForm_->ChangeSchedule(7);
}

// There is no automatic composition: the item opens its help page.
void TClubWindow::onComposeScheduleHelp() {
    dialogs_.showHelp(velk::HelpContext::ComposeSchedule);
}
