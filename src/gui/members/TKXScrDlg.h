#pragma once

#include "members/AccessTable.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

// "Database": a table of the other program's database shown in a grid, with the copy that takes
// it over ("Kopieer Leden" or "Kopieer Scores"). The copy itself is the caller's.
class TKXScrDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKXScrDlg(QWidget* parent = nullptr);

    // Shows `table` under `heading`; `copyScores` chooses which copy button is enabled. The copy
    // returns whether it succeeded; the window stays open for "&Sluiten".
    void ShowTable(const velk::AccessTable& table, const QString& heading, bool copyScores,
                   std::function<bool()> copy);

    QTableWidget* grid() const { return grid_; }

private:
    QLabel* heading_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* copyMembers_ = nullptr;
    QPushButton* copyScores_ = nullptr;
    std::function<bool()> copy_;
};
