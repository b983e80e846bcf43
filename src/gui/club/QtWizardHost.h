#pragma once

#include "club/NewFileWizard.h"

#include <QPointer>
#include <functional>

class QWidget;
class TPaarkeuzeDlg;

// The new-file wizard with real windows: the step dialog, the competition data dialog and the
// session dialog are shown here; the main window fills in the hooks for the windows it owns.
class QtWizardHost : public velk::WizardHost {
public:
    QtWizardHost(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs);
    ~QtWizardHost() override;

    bool showStep(int step, bool& useMemberNames) override;
    bool editCompetitionData() override;
    void showPairWindow() override;
    void openPairSelection() override;
    bool chooseSession() override;
    bool readSchedule() override;
    void openOptionsSettings() override;

    std::function<void()> onShowPairWindow;
    std::function<void()> onOpenPairSelection;
    std::function<bool()> onReadSchedule;
    std::function<void()> onOpenOptionsSettings;
    // "Ledenbestand" in a step: the members window.
    std::function<void()> onOpenMembers;
    // Before each step dialog: the main window shows what the steps so far changed.
    std::function<void()> onBeforeStep;
    // The open window the session dialog conflicts with, empty when none.
    std::function<std::string()> openWindowName;

    TPaarkeuzeDlg* stepDialog() const { return stepDialog_; }

private:
    QWidget* parent_;
    velk::Club& club_;
    velk::Dialogs& dialogs_;
    QPointer<TPaarkeuzeDlg> stepDialog_;
};
