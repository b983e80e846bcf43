#pragma once

#include <QDialog>

class QButtonGroup;

// "Keuze Competitie of Drive": what the toolbar's new button makes.
class TNewDlg : public QDialog {
    Q_OBJECT

public:
    enum Choice { NewCompetition = 0, NewDrive = 1 };

    explicit TNewDlg(QWidget* parent = nullptr);

    // Shows the dialog modally: the chosen index on "OK", NewCompetition on any other close.
    int choose();
    int chosen() const;

private:
    QButtonGroup* choice_ = nullptr;
};
