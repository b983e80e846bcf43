#pragma once

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "members/MemberDialogModel.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;

// "Lid": one member's fields. The checks live in MemberDialogModel; Enter in a field stores it
// there and moves on, "&Voeg in" stores the member in the register.
class TNewLidDlg : public QDialog {
    Q_OBJECT
public:
    TNewLidDlg(velk::MembersRegister& members, velk::Dialogs& dialogs, const velk::Clock& clock,
               QWidget* parent = nullptr);

    // Shows the member of `row` modally; true when it was stored.
    bool Open(int row);

    void InvoegKnopClick();
    void HerstelBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showDraft();
    bool enterField(velk::MemberField field);
    QWidget* control(velk::MemberField field) const;

    velk::MemberDialogModel model_;
    std::array<QLineEdit*, velk::kMemberFieldCount> edits_{};
    QComboBox* sexe_ = nullptr;
};
