#include "scoring/ScoreEntryE.h"

#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "schedules/ScheduleLookup.h"
#include "scoring/ScoreCode.h"
#include "scoring/ScoreMessages.h"

#include <cstdio>

namespace velk {

namespace {
bool Played(const TScoreObj& r) {
    return r.Code >= ScoreCode::Percentage && r.Code <= ScoreCode::Bridge;
}
} // namespace

int ScoreEntryE::groupPairs() const {
    return IndividualRowCount(club_, group);
}

std::optional<IndividualTable> ScoreEntryE::tableAt(int boardInSession, int r, int t) const {
    for (const IndividualTable& found : IndividualBoardTables(club_, group, boardInSession))
        if (found.Round == r && found.Table == t)
            return found;
    return std::nullopt;
}

std::vector<EntryRow> ScoreEntryE::rows() const {
    std::vector<EntryRow> out;
    if (records_ == nullptr)
        return out;
    if (mode == Mode::PerBoard) {
        for (const IndividualTable& t : IndividualBoardTables(club_, group, board))
            out.push_back({board, t.NorthSouthRow, t.EastWestRow, true});
        return out;
    }
    const TSchemaObj1* e = PlayerScheduleEntry(club_, group, round, table);
    const auto boards = e ? BoardsOfBoardGroup(club_, e->Letter) : std::nullopt;
    if (!boards)
        return out;
    const int first = boards->First - FirstBoardOf(club_.SessionHead) + 1;
    for (int b = first; b < first + boards->Count && b <= club_.SessionHead.BoardCount; ++b) {
        const auto t = b >= 1 ? tableAt(b, round, table) : std::nullopt;
        out.push_back({b, t ? t->NorthSouthRow : 0, t ? t->EastWestRow : 0, true});
    }
    return out;
}

std::optional<IndividualTable> ScoreEntryE::tableOf(int row) const {
    const auto shown = rows();
    if (row < 0 || static_cast<std::size_t>(row) >= shown.size())
        return std::nullopt;
    const EntryRow& r = shown[static_cast<std::size_t>(row)];
    if (!r.open())
        return std::nullopt;
    for (const IndividualTable& t : IndividualBoardTables(club_, group, r.Board))
        if (t.NorthSouthRow == r.PairRow)
            return t;
    return std::nullopt;
}

std::string ScoreEntryE::caption() const {
    return mode == Mode::PerBoard ? "Score invoeren per spel" : "Score invoeren per tafel";
}

std::string ScoreEntryE::playerName(int playerRow) const {
    const auto i = static_cast<std::size_t>((group - 1) * club_.PairsPerGroup + playerRow);
    return playerRow > 0 && i < club_.PairList.size() ? club_.PairList[i].Naam.get() : std::string("-");
}

std::string ScoreEntryE::playersText(int row, bool eastWest) const {
    const auto t = tableOf(row);
    if (!t)
        return {};
    const std::size_t first = eastWest ? 2 : 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d-%d", t->Players[first], t->Players[first + 1]);
    return buffer;
}

std::string ScoreEntryE::pairLine(int row) const {
    const auto t = tableOf(row);
    if (!t)
        return "  Niet gespeeld !";
    return playerName(t->Players[0]) + " & " + playerName(t->Players[1]) + " - " + playerName(t->Players[2]) +
           " & " + playerName(t->Players[3]);
}

bool ScoreEntryE::acceptScoreAtTable(int boardInSession, int atTable, const std::string& text,
                                     bool eastWest) {
    if (records_ != nullptr && boardInSession >= 1 && boardInSession <= club_.SessionHead.BoardCount)
        for (const IndividualTable& t : IndividualBoardTables(club_, group, boardInSession))
            if (t.Table == atTable)
                return eastWest
                           ? storeScore({boardInSession, t.EastWestRow, t.NorthSouthRow, false}, true, text)
                           : storeScore({boardInSession, t.NorthSouthRow, t.EastWestRow, true}, false, text);
    lastError = 4;
    return refuse(std::string(ScoreMessage(4)) + text);
}

void ScoreEntryE::goToEmpty(int g, int b, const IndividualTable& t) {
    group = g;
    if (mode == Mode::PerBoard) {
        board = b;
    } else {
        round = t.Round;
        table = t.Table;
    }
    matchPointTexts.clear();
    lastError = 0;
    focusEastWest = false;
    const auto shown = rows();
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i].Board == b && shown[i].PairRow == t.NorthSouthRow)
            focusRow = static_cast<int>(i);
}

bool ScoreEntryE::storeGroup(int g) {
    const std::string letter(1, GroupLetter(g));
    const int boards = club_.SessionHead.BoardCount;
    bool any = false;
    for (int b = 1; b <= boards && !any; ++b)
        for (const IndividualTable& t : IndividualBoardTables(club_, g, b))
            any = any || recordIn(g, b, t.NorthSouthRow).Code != ScoreCode::None;
    if (!any) {
        dialogs_.information("Geen scores ingevuld voor groep:" + letter);
        return true;
    }
    bool report = true;
    for (int b = 1; b <= boards && report; ++b)
        for (const IndividualTable& t : IndividualBoardTables(club_, g, b)) {
            if (recordIn(g, b, t.NorthSouthRow).Code != ScoreCode::None)
                continue;
            const int answer =
                dialogs_.messageBox("Score is leeg, Spel: " + std::to_string(boardNumber(b)) +
                                        " Paar: " + std::to_string(t.NorthSouthRow),
                                    MessageKind::Warning, Button::Breek | Button::Opnieuw | Button::Negeren);
            if (answer == Result::Ignore) {
                report = false;
                break;
            }
            // Retry puts the cursor on the empty score; Abort (or a closed dialog) saves nothing.
            if (answer == Result::Retry)
                goToEmpty(g, b, t);
            return false;
        }
    const int rowCount = IndividualRowCount(club_, g);
    int unplayed = 0;
    for (int b = 1; b <= boards; ++b) {
        int played = 0;
        for (int p = 1; p <= rowCount; ++p)
            played += Played(recordIn(g, b, p));
        unplayed += (rowCount - played) / 2 > 0;
    }
    if (unplayed > 0)
        dialogs_.information("Aantal niet gespeelde spellen :" + std::to_string(unplayed) +
                             " in Groep:" + letter);
    return true;
}

} // namespace velk
