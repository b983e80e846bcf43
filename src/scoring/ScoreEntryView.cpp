// What the score entry form shows and where its focus goes: the texts of the rows and cells,
// the open cells, the keys.
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "scoring/ScoreEntry.h"
#include "scoring/ScoreFormat.h"
#include "scoring/Vulnerability.h"

#include <cstdio>

namespace velk {

std::optional<EntryRow> ScoreEntry::rowAt(int row) const {
    const auto shown = rows();
    if (row < 0 || static_cast<std::size_t>(row) >= shown.size())
        return std::nullopt;
    return shown[static_cast<std::size_t>(row)];
}

std::string ScoreEntry::caption() const {
    const std::string what = contractMode ? "Biedingen invoeren per " : "Scores invoeren per ";
    return what + (mode == Mode::PerBoard ? "spel" : "tafel");
}

std::string ScoreEntry::vulnerabilityLine() const {
    int b = board;
    if (mode == Mode::PerTable) {
        const auto shown = rows();
        b = shown.empty() ? 1 : shown.front().Board;
    }
    return std::string(VulnerabilityText(boardNumber(b)));
}

std::string ScoreEntry::pairLineOf(int pairRow) const {
    const std::size_t pair = static_cast<std::size_t>((group - 1) * club_.PairsPerGroup + pairRow);
    const std::string names = pair < club_.PairList.size() ? club_.PairList[pair].Naam.get() : std::string();
    const std::string letter(1, GroupLetter(group));
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, " %2s : %2d = %-32s", letter.c_str(), pairRow, names.c_str());
    return buffer;
}

std::string ScoreEntry::pairLine(int row) const {
    const auto found = rowAt(row);
    if (!found)
        return {};
    const EntryRow& r = *found;
    if (!r.open())
        return "  Niet gespeeld !";
    return pairLineOf(r.PairRow);
}

namespace {
// The pair row whose record fills the column, 0 for none.
int RowOfColumn(const EntryRow& r, bool perTable, bool eastWestColumn) {
    if (perTable)
        return eastWestColumn ? r.OpponentRow : r.PairRow;
    return r.NorthSouth != eastWestColumn ? r.PairRow : 0;
}

// Per board a row stands for one pair; the score cells of the other side's column stay closed,
// Wijzig OW opens an East-West pair's own cells.
bool PerBoardScoreOpen(const EntryRow& r, bool eastWestColumn, bool changeEastWest) {
    return r.NorthSouth ? !eastWestColumn : eastWestColumn && changeEastWest;
}
} // namespace

std::string ScoreEntry::scoreText(int row, bool eastWestColumn) const {
    const auto found = rowAt(row);
    if (!found)
        return {};
    const EntryRow& r = *found;
    const int p = RowOfColumn(r, sideBySide(), eastWestColumn);
    if (p == 0 || !r.open())
        return {};
    const TScoreObj& shown = record(r.Board, p);
    if (GivenNotPlayed(shown))
        return kGivenNotPlayedText;
    const bool shortNotation = (club_.ConfigRecord.OptionFlags & OptionFlag::ShortNotation) != 0;
    return FormatScore(shown, shortNotation, club_.CompetitionHead.NeubergMode == NeubergOneDecimal);
}

std::string ScoreEntry::contractText(int row, bool eastWestColumn) const {
    const auto found = rowAt(row);
    if (!found)
        return {};
    const EntryRow& r = *found;
    // Per board a North-South row shows a contract its opponents declared in their column.
    const int p = OpponentsDeclare(r, sideBySide(), eastWestColumn)
                      ? r.OpponentRow
                      : RowOfColumn(r, sideBySide(), eastWestColumn);
    return p == 0 || !r.open() ? std::string() : record(r.Board, p).Contract.get();
}

std::string ScoreEntry::resultText(int row) const {
    const auto found = rowAt(row);
    if (!found)
        return {};
    const EntryRow& r = *found;
    if (!r.open())
        return {};
    // The declarer's record holds the result; per table that may be either pair's.
    for (const int p : {r.PairRow, sideBySide() || r.NorthSouth ? r.OpponentRow : 0})
        if (p != 0 && !record(r.Board, p).Contract.get().empty())
            return record(r.Board, p).Result.get();
    return {};
}

bool ScoreEntry::cellOpen(int row, bool eastWestColumn) const {
    const auto found = rowAt(row);
    if (!found)
        return false;
    const EntryRow& r = *found;
    if (!r.open())
        return false;
    // Either side may declare: a North-South row takes the opponents' contract too.
    if (!sideBySide())
        return PerBoardScoreOpen(r, eastWestColumn, changeEastWest) || (contractMode && r.NorthSouth);
    // At a table either side may declare; an East-West score is typed only with "Wijzig OW".
    return !eastWestColumn || contractMode || changeEastWest;
}

bool ScoreEntry::scoreCellOpen(int row, bool eastWestColumn) const {
    const auto found = rowAt(row);
    if (!found || !found->open() || sideBySide())
        return cellOpen(row, eastWestColumn);
    return PerBoardScoreOpen(*found, eastWestColumn, changeEastWest);
}

bool ScoreEntry::focusColumnEastWest(int row) const {
    if (sideBySide())
        return focusEastWest;
    const auto found = rowAt(row);
    return found && (!found->NorthSouth || (contractMode && focusEastWest));
}

void ScoreEntry::moveFocus(int delta) {
    const int n = static_cast<int>(rows().size());
    for (int step = 1; step <= n; ++step) {
        const int i = ((focusRow + delta * step) % n + n) % n;
        if (cellOpen(i, focusColumnEastWest(i))) {
            focusRow = i;
            return;
        }
    }
}

KeyVerdict ScoreEntry::typeKey(EntryCell cell, char c, const std::string& cellText) {
    const KeyVerdict verdict = CheckEntryKey(cell, c, cellText);
    if (verdict != KeyVerdict::Refuse) {
        keyRefused_ = false;
        return verdict;
    }
    if (keyRefused_) {
        keyRefused_ = false;
        lastError = 0;
        return verdict;
    }
    keyRefused_ = true;
    lastError = 3;
    dialogs_.error(RefusedKeyMessage(cell, cellText + c));
    return verdict;
}

bool ScoreEntry::contractsUsed() const {
    return (club_.CompetitionHead.ConfigFlags & ConfigFlag::UseContracts) != 0;
}

bool ScoreEntry::toggleContractMode() {
    if (!contractsUsed())
        return false;
    if (!dialogs_.askYesNo(contractMode ? "Wilt u Scores invoeren ?" : "Wilt u Contracten invoeren ?"))
        return false;
    contractMode = !contractMode;
    return true;
}

} // namespace velk
