#pragma once

#include "club/Sessions.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;

// The session picker: one session, or "*" for all of them.
class TZitKopieDlg : public QDialog {
    Q_OBJECT

public:
    TZitKopieDlg(const velk::Club& club, velk::Dialogs& dialogs, const QString& caption,
                 QWidget* parent = nullptr);

    // 0 for all sessions, else the session number; meaningful after the dialog was accepted.
    int chosenSession() const { return model_.result; }

    void OkBtnClick();

private:
    bool validate();
    // Enter or a double click in the box: check it and go on to "&Ok".
    void confirmBox();

    velk::SessionPickerModel model_;
    QComboBox* box_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Asks for a session: -1 when cancelled, 0 for all sessions, else the session number.
int ChooseSession(QWidget* parent, const velk::Club& club, velk::Dialogs& dialogs, const QString& caption);
