#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "hands/BoardHandsView.h"
#include "hands/dds/DdsSolver.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreEntry.h"
#include "scoring/ScoreTables.h"

#include <QDialog>
#include <memory>
#include <vector>

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;
class ScoreFormRows;
namespace velk {
class ScoreEntryE;
}

// The score entry window: the results of a session typed per board or per table, as scores or
// as contracts. It shows the rows of its ScoreEntry model and forwards every key and button.
class TScoreForm : public QDialog {
    Q_OBJECT
public:
    TScoreForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);
    ~TScoreForm() override;

    // Opens on group 1, board 1 (or round 1, table 1); false, with the model's message, when the
    // session cannot be entered.
    bool open(velk::ScoreEntry::Mode mode);
    velk::ScoreEntry& entry() { return *entry_; }
    // The number of the board the hands panel shows: the board on screen, or per table the board
    // of the row in focus.
    int currentBoardNumber() const;
    // A table's phone stored these records (indices into the session's score block): shown at
    // once, and kept when the window's own typing is thrown away.
    void recordsStoredElsewhere(const std::vector<std::size_t>& indices);

signals:
    // The window is closing; `saved` when it wrote the score file.
    void entryClosed(bool saved);
    // "&TelLijst": the count list of `group` in the result window; the form is hidden meanwhile.
    void countListRequested(int group);
    // "Bewaar" or "OK" wrote the score file.
    void scoresSaved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildButtons();
    QPushButton* button(const char* name, const QString& text, void (TScoreForm::*handler)());
    // Shows the model: header lines, board grid, rows, cells and the focus.
    void refresh();
    void placeFocus();
    // The keys the form takes wherever the focus is; true when `key` was one of them.
    bool formKey(const QKeyEvent* key);
    bool editKey(QObject* edit, QKeyEvent* key);
    void enterCell(QObject* edit);
    // A move of the model; the form shows where it went.
    void step(bool (velk::ScoreEntry::*move)());

    void onBoardUp();
    void onBoardDown();
    void onGroupUp();
    void onGroupDown();
    void onRoundUp();
    void onRoundDown();
    void onReken();
    void onSchoon();
    void onTelLijst();
    void onDraai();
    void onWijzigOW();
    void onNormaal();
    void onInvoer();
    void onBewaar();
    void onOk();
    void onSchrap();
    void onHelp();
    // "Spelverdeling" (F9): shows or hides the hands of the board on screen.
    void onSpelverdeling();
    void showHands();
    void onBoardClicked(int row, int column);

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    velk::ScoreTables tables_;
    std::unique_ptr<velk::MatchPointCalculation> calc_;
    std::unique_ptr<velk::ScoreEntry> entry_;
    velk::ScoreEntryE* individual_ = nullptr; // entry_ in an individual competition
    bool closing_ = false;
    bool refreshing_ = false;
    velk::DdsSolver solver_;
    velk::BoardHandsView hands_;

    QLabel* header_ = nullptr;
    QLabel* vulnerability_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* session_ = nullptr;
    QLabel* notation_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLabel* tablePairs_ = nullptr;
    QTableWidget* boards_ = nullptr;
    ScoreFormRows* rows_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QPushButton* wijzig_ = nullptr;
    QPushButton* normaal_ = nullptr;
    QPushButton* invoer_ = nullptr;
    QPushButton* roundUp_ = nullptr;
    QPushButton* roundDown_ = nullptr;
    QPlainTextEdit* handsPanel_ = nullptr;
};
