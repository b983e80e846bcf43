#pragma once

#include "club/Sessions.h"

#include <QDialog>
#include <array>
#include <functional>
#include <string>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

// "Zitting selecteren": a new session's parameters, or the choice and editing of an existing
// session. SessionDialogModel holds the states and checks; the form mirrors it.
class TZittingDlg : public QDialog {
    Q_OBJECT

public:
    TZittingDlg(velk::Club& club, velk::Dialogs& dialogs, std::function<bool()> save = {},
                QWidget* parent = nullptr);

    // Prepares the dialog in a mode (SessionDialogModel::Mode); false when it does not show.
    bool open(int mode, const std::string& openWindow = {});
    // Runs the prepared dialog modally and finishes it: true when the points window should open.
    bool run(bool* accepted = nullptr);

    const velk::SessionDialogModel& model() const { return model_; }
    // After the active pairs changed: the schedule window is set up again.
    std::function<void()> activePairsChanged;

    void OKZitBtnClick();
    void ParenActiefBtnClick();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showModel();
    void copyToModel();
    void focusModelField();
    QWidget* widgetOf(int field) const;
    void confirmField(int field);
    void chooseFromBox();

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    velk::SessionDialogModel model_;

    QLabel* sessionLabel_ = nullptr;
    QComboBox* sessionBox_ = nullptr;
    QLabel* competitionLabel_ = nullptr;
    QLabel* competitionNumber_ = nullptr;
    QWidget* panel_ = nullptr;
    std::array<QComboBox*, 6> boxes_{}; // index = field 1..5
    QDateEdit* date_ = nullptr;
    QPushButton* activePairs_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// "Nieuwe Comp.Zitting" (mode 1) or "&Kiezen" (mode 2): open, run and finish the session dialog.
// Returns 1 when the points window should open, else 0; `accepted` tells whether it closed with OK.
int OpenSessionDialog(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, int mode,
                      std::function<bool()> save, const std::string& openWindow, bool* accepted = nullptr,
                      std::function<void()> activePairsChanged = {});
