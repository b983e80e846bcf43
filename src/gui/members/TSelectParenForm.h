#pragma once

#include "core/Dialogs.h"
#include "members/PairComposition.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QTableWidget;

// "Selecteer Paren": pair names composed from two members and copied into the pair list. The
// rules live in PairComposition; the form shows its rows and lists and forwards every button.
class TSelectParenForm : public QDialog {
    Q_OBJECT
public:
    TSelectParenForm(velk::Club& club, velk::MembersRegister& members, velk::Dialogs& dialogs,
                     QWidget* parent = nullptr);

    // Runs the window modally; true when names were copied into the pair list.
    bool ComposePairs();

    void MaakPaarBtnClick();
    void DeleteBtnClick();
    void KopieParenBtnClick();
    void ResetBtnClick();
    void SluitBtnClick();

    QTableWidget* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void fillGrid();
    void fillLists();
    void showRow(int row);

    velk::PairComposition model_;
    velk::Dialogs& dialogs_;
    QTableWidget* grid_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QLabel* pairLabel_ = nullptr;
    bool copied_ = false;
    bool closing_ = false;
};
