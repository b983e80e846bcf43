#pragma once

#include "club/NewFileWizard.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The step dialog of the new-file wizard: the step's explanation, "Verder" and "&Stop", the
// members button in the first step and the choice of pair names in the second.
class TPaarkeuzeDlg : public QDialog {
    Q_OBJECT

public:
    explicit TPaarkeuzeDlg(QWidget* parent = nullptr);

    // Shows a step's texts and controls without running it.
    void setStep(const velk::WizardStepText& step);
    // Runs a step modally: true for "Verder", false for "&Stop", "Ledenbestand" or a close. In a
    // step with the name choice, `useMemberNames` receives it.
    bool runStep(const velk::WizardStepText& step, bool& useMemberNames);

    bool useMemberNames() const;
    // "Ledenbestand": the main window opens the members window.
    std::function<void()> onMembers;

private:
    void LedenBtnClick();

    QPlainTextEdit* memo_ = nullptr;
    QPushButton* continue_ = nullptr;
    QPushButton* members_ = nullptr;
    QRadioButton* pairNames_ = nullptr;
    QRadioButton* memberNames_ = nullptr;
    QButtonGroup* names_ = nullptr;
    bool nameChoice_ = false;
    bool membersRequested_ = false;
};
