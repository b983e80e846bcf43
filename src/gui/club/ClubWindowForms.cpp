#include "gui/club/ClubWindowForms.h"

#include "club/CompetitionData.h"
#include "gui/club/QtWizardHost.h"
#include "gui/club/TClubWindow.h"
#include "gui/club/TConfigDial.h"
#include "gui/club/TNewDlg.h"
#include "gui/club/TPaarkeuzeDlg.h"
#include "gui/club/TZittingDlg.h"

namespace ClubForms {

bool EditCompetitionData(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, velk::ClubFile& file) {
    return ::EditCompetitionData(parent, club, dialogs, false, [&](velk::ConfigSaving saving) {
        if (saving == velk::ConfigSaving::Write)
            file.writeTo(club.ClubFilePath, false);
        else if (saving == velk::ConfigSaving::WriteUnderChosenPath)
            file.saveUnderChosenPath(false);
    });
}

bool OpenSessionDialog(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, int mode,
                       std::function<bool()> save, const std::string& openWindow) {
    return ::OpenSessionDialog(parent, club, dialogs, mode, std::move(save), openWindow) == 1;
}

int ChooseNewKind(QWidget* parent) {
    TNewDlg dialog(parent);
    return dialog.choose();
}

std::unique_ptr<velk::WizardHost> MakeWizardHost(TClubWindow* window, velk::Dialogs& dialogs,
                                                 std::function<void()> beforeStep,
                                                 std::function<std::string()> openWindow) {
    auto host = std::make_unique<QtWizardHost>(window, window->club(), dialogs);
    host->onBeforeStep = std::move(beforeStep);
    host->openWindowName = std::move(openWindow);
    host->onShowPairWindow = [window] { window->showPairWindow(); };
    host->onReadSchedule = [window] { return window->readSchedule(); };
    host->onOpenOptionsSettings = [window] { window->showOptions(3); };
    host->onOpenMembers = [window] { window->showMembersRegister(false); };
    host->onOpenPairSelection = [window] { window->composePairs(); };
    return host;
}

} // namespace ClubForms
