#pragma once

#include "scoring/ScoreEntryKeys.h"

#include <QWidget>
#include <array>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

// The run-time rows of the score entry form under their column heads: per row the pair (or board)
// and its opponent (or vulnerability), the contracts of both sides, the result, the scores and
// the match points of both sides, and the pair line. The edits carry the row and cell they stand
// for in properties, so one event filter serves them all.
class ScoreFormRows : public QWidget {
public:
    struct Row {
        QLabel* first = nullptr;  // "Paar Nr" or "Spel Nr"
        QLabel* second = nullptr; // "Tegen Pr.Nr" or "Kwets baar"
        std::array<QLineEdit*, 2> contract{};
        QLineEdit* result = nullptr;
        std::array<QLineEdit*, 2> score{};
        std::array<QLabel*, 2> matchPoints{};
        QLabel* names = nullptr;
    };

    explicit ScoreFormRows(QObject* filter, QWidget* parent = nullptr);

    // The column heads of the mode; the contract columns only with contracts in use.
    void setHeads(bool perTable, bool contractsShown);
    // The heads of the individual form: players and scores of both sides, no contracts.
    void setIndividualHeads(bool perTable);
    // At least `count` rows, those beyond it hidden.
    void showRows(int count);
    Row& row(int i) { return rows_[static_cast<std::size_t>(i)]; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    QLineEdit* edit(int row, velk::EntryCell cell, bool eastWest);

    static int rowOf(const QObject* edit);
    static velk::EntryCell cellOf(const QObject* edit);
    static bool eastWestOf(const QObject* edit);

private:
    // One text a column; the contract columns only with `contractsShown`.
    void showHeads(const QString* texts, bool contractsShown);
    QLineEdit* makeEdit(int row, velk::EntryCell cell, bool eastWest, const char* name, int width);
    QLabel* makeLabel(const QString& name, int width, Qt::Alignment alignment);

    QObject* filter_;
    QGridLayout* grid_;
    std::vector<QLabel*> heads_;
    std::vector<Row> rows_;
    bool contractsShown_ = false;
};
