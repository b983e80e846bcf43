#pragma once

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "members/MembersRegister.h"

#include <QDialog>
#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class TNewLidDlg;

// "Leden": the members register in a grid with its navigator, search and sort panels. The rules
// live in MembersRegister; the form shows the list and forwards every button.
class TLedenForm : public QDialog {
    Q_OBJECT
public:
    TLedenForm(velk::MembersRegister& members, velk::Dialogs& dialogs, const velk::Clock& clock,
               QWidget* parent = nullptr);

    // The folder new and opened registers start in, and the competition the save name comes from.
    void setFolders(const QString& dataFolder, const QString& competitionPath, const QString& clubName);

    // "Nieuw": a new register with one empty member, whose dialog opens at once.
    void NieuwSpdBtnClick();
    // "Openen": a members file chosen by the user; false when none was read.
    bool OpenSpdBtnClick();
    // Runs the window on the register as it is.
    void ShowRegister();
    // Where a register never saved is proposed to go, as "Bewaren..als" proposes: the data folder,
    // "Leden" + the competition's base name + ".dat".
    std::string proposedFileName() const;

    void BewaarSpdBtnClick();
    void BewAlsSpdBtnClick();
    void PrintSpdBtnClick();
    void ZoekSpdbtnClick();
    void SortSpdBtnClick();
    void SortOkBtnClick();
    void SluitBitBtnClick();
    void InsertClick();
    void DeleteClick();
    void EditClick();

    QTableWidget* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void fillGrid();
    void showCounter();
    void showHeading();
    void editRow(int row);
    void moveTo(int row);
    int currentRow() const;

    velk::MembersRegister& members_;
    velk::Dialogs& dialogs_;
    const velk::Clock& clock_;
    TNewLidDlg* memberDialog_ = nullptr;
    QString dataFolder_;
    QString competitionPath_;
    QString clubName_;
    QLabel* heading_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* teller_ = nullptr;
    QLabel* status_ = nullptr;
    QGroupBox* searchPanel_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QRadioButton* searchKeys_[3] = {};
    QGroupBox* sortPanel_ = nullptr;
    QRadioButton* sortKeys_[3] = {};
};
