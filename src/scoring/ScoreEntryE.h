#pragma once

#include "scoring/IndividualTables.h"
#include "scoring/ScoreEntry.h"

#include <optional>
#include <string>

namespace velk {

// The score entry of an individual competition (TScoreFormE): scores only, one row per table with
// North-South and East-West side by side, the rows of the tables as IndividualBoardTables numbers
// them. Saving reports every empty score of a table that played (Abort / Retry / Ignore).
class ScoreEntryE : public ScoreEntry {
public:
    using ScoreEntry::ScoreEntry;

    std::vector<EntryRow> rows() const override;
    bool sideBySide() const override { return true; }
    // "Score invoeren per spel" / "Score invoeren per tafel".
    std::string caption() const override;
    // The names of the four players, "  Niet gespeeld !" for a table without players.
    std::string pairLine(int row) const override;
    bool contractsUsed() const override { return false; }

    // The table a row of the screen stands for.
    std::optional<IndividualTable> tableOf(int row) const;
    // "N-Z" or "O-W": the player numbers of a side of the row's table.
    std::string playersText(int row, bool eastWest) const;

    // Enter on the score of table `table` (within the group) on a board of the current group,
    // wherever the screen stands; the North-South score unless `eastWest` ("Wijzig OW").
    bool acceptScoreAtTable(int boardInSession, int table, const std::string& text, bool eastWest = false);

protected:
    int groupPairs() const override;
    // The form has no round buttons: the tables lead on to the next round.
    bool tablesCarryRounds() const override { return true; }
    bool storeGroup(int g) override;

private:
    std::optional<IndividualTable> tableAt(int boardInSession, int round, int table) const;
    std::string playerName(int playerRow) const;
    // Puts the screen on the empty score of `t` on board `b` of group `g`.
    void goToEmpty(int g, int b, const IndividualTable& t);
};

} // namespace velk
