#include "gui/club/QtWizardHost.h"

#include "gui/club/TConfigDial.h"
#include "gui/club/TPaarkeuzeDlg.h"
#include "gui/club/TZittingDlg.h"

QtWizardHost::QtWizardHost(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs)
    : parent_(parent), club_(club), dialogs_(dialogs), stepDialog_(new TPaarkeuzeDlg(parent)) {
    stepDialog_->onMembers = [this] {
        if (onOpenMembers)
            onOpenMembers();
    };
}

QtWizardHost::~QtWizardHost() {
    // Without a parent nobody else deletes the step dialog.
    if (stepDialog_ && !stepDialog_->parent())
        delete stepDialog_;
}

bool QtWizardHost::showStep(int step, bool& useMemberNames) {
    if (onBeforeStep)
        onBeforeStep();
    return stepDialog_->runStep(velk::StepText(step), useMemberNames);
}

bool QtWizardHost::editCompetitionData() {
    // EditCompetitionData runs the checks after OK itself.
    return EditCompetitionData(parent_, club_, dialogs_, true);
}

void QtWizardHost::showPairWindow() {
    if (onShowPairWindow)
        onShowPairWindow();
}

void QtWizardHost::openPairSelection() {
    if (onOpenPairSelection)
        onOpenPairSelection();
}

bool QtWizardHost::chooseSession() {
    bool accepted = false;
    OpenSessionDialog(parent_, club_, dialogs_, velk::SessionDialogModel::ChooseSession, {},
                      openWindowName ? openWindowName() : std::string(), &accepted);
    return accepted;
}

bool QtWizardHost::readSchedule() {
    return onReadSchedule ? onReadSchedule() : false;
}

void QtWizardHost::openOptionsSettings() {
    if (onOpenOptionsSettings)
        onOpenOptionsSettings();
}
