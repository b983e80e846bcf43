#pragma once

#include "club/ClubFile.h"

#include <string>

namespace velk {

// The windows the new-file wizard passes through; the main window shows real ones, velk-cli
// and the tests answer them.
class WizardHost {
public:
    virtual ~WizardHost() = default;
    // The step dialog: true for "Verder", false for "&Stop". In steps 2 and 12 `useMemberNames`
    // receives the name choice.
    virtual bool showStep(int step, bool& useMemberNames) = 0;
    // The competition data dialog on a new configuration: true when it closed with OK.
    virtual bool editCompetitionData() = 0;
    virtual void showPairWindow() = 0;
    // The pair composition from the members register.
    virtual void openPairSelection() = 0;
    // The session dialog in choose mode: true when it closed with OK.
    virtual bool chooseSession() = 0;
    // "Schema &Lezen" once: false when the reading was cancelled or no more groups remain.
    virtual bool readSchedule() = 0;
    virtual void openOptionsSettings() = 0;
};

// The steps of the step dialog: caption, button caption and explanation.
struct WizardStepText {
    std::string caption;
    std::string continueCaption;
    std::string text;
    bool hasMembersButton = false;
    bool hasNameChoice = false;
};
WizardStepText StepText(int step);

// Runs "&Nieuwe Competitie" (competition) or "Nieuwe Drive/Zitring" (drive). Returns true when
// the wizard went through to the end; every stop shows its own message.
class NewFileWizard {
public:
    NewFileWizard(Club& club, ClubFile& file, Dialogs& dialogs, WizardHost& host);
    bool run(bool competition);
    bool useMemberNames = false;
    bool active = false;

private:
    bool stop(const std::string& message);

    Club& club_;
    ClubFile& file_;
    Dialogs& dialogs_;
    WizardHost& host_;
};

} // namespace velk
