#pragma once

#include "scoring/SlamCheck.h"

#include <QDialog>
#include <functional>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;

// The slam check's question for one score: the line of the record, the kind of slam to confirm
// (its strain class can be changed) and the number found so far.
class TSlemDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSlemDlg(QWidget* parent = nullptr);

    // Shows `candidate` modally: the strain class confirmed with OK, nothing for "Schrap".
    std::optional<int> ask(const velk::SlamCandidate& candidate);
    // "Slembonus": the options on their slam bonus page.
    std::function<void()> onSlamBonus;

private:
    QLabel* head_ = nullptr;
    QGroupBox* kind_ = nullptr;
    QButtonGroup* strains_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* doubtful_ = nullptr;
};
