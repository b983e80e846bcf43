// "Schema &Lezen" from the main window and from the new-file wizard.
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
}

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
    velk::ReadScheduleIntoGroups(club_, chosen.SelFirstGroup, chosen.SelLastGroup, *path, scoreBoards,
                                 dialogs_);
    // The wizard reads on until every group has its schedule.
    return chosen.SelGroupChar != '*' && chosen.SelGroupChar != ' ' &&
           chosen.SelLastGroup < club_.CompetitionHead.GroupCount;
}

void TClubWindow::onEditSchedule() {
    if (!scheduleForm_)
        scheduleForm_ = new TSchemaForm(club_, dialogs_, this);
    if (!individualScheduleForm_)
        individualScheduleForm_ = new TSchemaFormE(club_, dialogs_, this);
    EditSchedule(this, club_, dialogs_, *scheduleForm_, *individualScheduleForm_);
}

// "Schema Vernummeren": the pairs editor's renumbering view.
void TClubWindow::onRenumberSchedule() {
    if (!scheduleForm_)
        scheduleForm_ = new TSchemaForm(club_, dialogs_, this);
    scheduleForm_->ChangeSchedule(7);
}

// There is no automatic composition: the item opens its help page.
void TClubWindow::onComposeScheduleHelp() {
    dialogs_.showHelp(velk::HelpContext::ComposeSchedule);
}
