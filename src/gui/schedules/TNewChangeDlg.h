#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <QDialog>

class QButtonGroup;
class QRadioButton;
class TSchemaForm;
class TSchemaFormE;

// "Schema Invoeren / Wijzigen": pairs or individual schedule, and entering a new one or changing
// one, per round, per table or whole.
class TNewChangeDlg : public QDialog {
    Q_OBJECT

public:
    explicit TNewChangeDlg(QWidget* parent = nullptr);

    // 0..2 enter per round / table / whole, 3..5 change.
    int choice() const;
    bool individual() const;

private:
    QRadioButton* pairs_ = nullptr;
    QRadioButton* players_ = nullptr;
    QButtonGroup* choices_ = nullptr;
};

// "Schema &Nieuw/Wijzigen ": the choice, then the counts of a new schedule or the file to change,
// and the pairs or individual editor shown in the chosen view.
void EditSchedule(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, TSchemaForm& form,
                  TSchemaFormE& individualForm);
