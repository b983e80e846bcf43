#pragma once

#include "club/Club.h"
#include "club/ClubFile.h"
#include "club/NewFileWizard.h"
#include "core/Dialogs.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;
class TClubWindow;

// The dialogs the main window opens, in one place so that the window itself stays a switchboard.
namespace ClubForms {

// "&Clubdata" on the open file: the dialog, its structural changes and the save they need.
bool EditCompetitionData(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, velk::ClubFile& file);

// The session dialog; true when the points window should open afterwards.
bool OpenSessionDialog(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, int mode,
                       std::function<bool()> save, const std::string& openWindow);

// "Keuze Competitie of Drive": 0 competition, 1 drive.
int ChooseNewKind(QWidget* parent);

// The real windows of the new-file wizard, tied to the main window: `beforeStep` runs before each
// step dialog, `openWindow` names the open window the session dialog conflicts with.
std::unique_ptr<velk::WizardHost> MakeWizardHost(TClubWindow* window, velk::Dialogs& dialogs,
                                                 std::function<void()> beforeStep,
                                                 std::function<std::string()> openWindow);

} // namespace ClubForms
