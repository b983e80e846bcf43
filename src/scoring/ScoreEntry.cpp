#include "scoring/ScoreEntry.h"

#include "core/files/ScoreFile.h"
#include "core/records/ConfigRecord.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "schedules/ScheduleLookup.h"
#include "scoring/BoardOpponents.h"
#include "scoring/ContractScore.h"
#include "scoring/ConversionError.h"
#include "scoring/Plausibility.h"
#include "scoring/ScoreCode.h"
#include "scoring/ScoreComplement.h"
#include "scoring/ScoreMessages.h"
#include "scoring/ScoreText.h"
#include "scoring/TypedScore.h"
#include "scoring/Vulnerability.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace velk {

namespace {
constexpr const char* kNoOpponent = "Geen tegenpaar gevonden ";
constexpr const char* kNoScoreRecords = "ScoreRecords niet aanwezig";
constexpr const char* kTooFewBoards =
    "Aantalspellen is kleiner dan aantal rondes x spellen per tafel, corrigeer Zittinggegevens!";
constexpr const char* kErrorGoOn = "Eris een (score)fout opgetreden\rwilt u toch doorgaan ?";
constexpr const char* kSaveFailed = "Redden van scores mislukt";
// With contracts the window speaks of bids: "Bewaar" and "OK" each have their own words.
constexpr const char* kSaveGroupBidsFailed = "Redden biedingen niet gelukt";
constexpr const char* kSaveAllBidsFailed = "Redden van biednigen mislukt";

std::string Printf(const char* format, const char* text, int a, int b = 0) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, text, a, b);
    return buffer;
}

bool IsPlayedCode(int code) {
    return code >= ScoreCode::Percentage && code <= ScoreCode::Bridge;
}

// The opponents' value that complements `own`, for the codes the check tests.
std::optional<int> ExpectedComplement(const TScoreObj& own, int groupPairs) {
    switch (own.Code) {
    case ScoreCode::Percentage:
        return 100 - own.Score;
    case ScoreCode::MatchPointsOnce:
    case ScoreCode::MatchPoints:
        return groupPairs * 10 - own.Score - 20;
    default:
        if (own.Code >= ScoreCode::Tenths && own.Code <= ScoreCode::TenthsIOnce)
            return -own.Score;
        if (own.Code == ScoreCode::Bridge)
            return -own.Score;
        return std::nullopt;
    }
}

void Empty(TScoreObj& r) {
    r.Contract.set("");
    r.Result.set("");
    r.Score = 0;
    r.Code = ScoreCode::None;
    r.Flags &= ScoreFlag::EastWest;
}
} // namespace

bool GivenNotPlayed(const TScoreObj& record) {
    return (record.Code == ScoreCode::Absent || record.Code == ScoreCode::ZeroPercentage) &&
           (record.Flags & ScoreFlag::Given) != 0;
}

bool AwaitsScore(const TScoreObj& record) {
    return record.Code == ScoreCode::None || GivenNotPlayed(record);
}

std::string MatchPointColumnText(int tenths, bool oneDecimal) {
    if (tenths == kNoMatchPointsShown)
        return std::string(6, ' ');
    char buffer[32];
    if (oneDecimal) {
        std::snprintf(buffer, sizeof buffer, "%6.1f", tenths / 10.0);
    } else {
        // Whole match points are rounded, halves away from zero, as every list rounds them.
        const int whole = tenths >= 0 ? (tenths + 5) / 10 : -((5 - tenths) / 10);
        std::snprintf(buffer, sizeof buffer, "%6d", whole);
    }
    return buffer;
}

ScoreEntry::ScoreEntry(Club& club, const ScoreTables& tables, Dialogs& dialogs, ScoreEntryHooks hooks)
    : club_(club), tables_(tables), dialogs_(dialogs), hooks_(std::move(hooks)) {}

bool ScoreEntry::open(Mode m) {
    records_ = nullptr;
    const int session = club_.CurrentSession;
    const auto wanted = static_cast<std::size_t>(club_.CompetitionHead.PairCount) *
                            static_cast<std::size_t>(std::max<int>(club_.SessionHead.BoardCount, 0)) +
                        1;
    // A block of another session or of another size would put scores under the wrong pairs.
    if (session < 1 || session > static_cast<int>(club_.SessionScoreList.size()) ||
        club_.SessionScoreList[static_cast<std::size_t>(session - 1)].SessionIndex != session ||
        club_.SessionScoreList[static_cast<std::size_t>(session - 1)].Records.size() != wanted) {
        dialogs_.error(kNoScoreRecords);
        return false;
    }
    if (club_.SessionHead.BoardCount < club_.SessionHead.RoundCount * club_.SessionHead.BoardsPerRound) {
        dialogs_.error(kTooFewBoards);
        return false;
    }
    mode = m;
    group = board = round = table = 1;
    contractMode = changeEastWest = turnMode = dirty = false;
    lastError = 0;
    savedSinceOpen_ = false;
    saveCount_ = 0;
    matchPointTexts.clear();
    if (!checkGroup())
        return false;
    records_ = &club_.SessionScoreList[static_cast<std::size_t>(session - 1)].Records;
    saved_ = *records_;
    keyRefused_ = focusEastWest = false;
    focusFirstOpen();
    return true;
}

bool ScoreEntry::groupHasSchedule(int g) const {
    return GroupInSchedule(club_, g);
}

bool ScoreEntry::checkGroup() {
    const TZitSchemaObj* schedule = club_.CurrentSchedule();
    if (groupHasSchedule(group))
        return true;
    const std::string name =
        schedule ? schedule->BaseScheduleNames[static_cast<std::size_t>(std::clamp(group, 1, 16) - 1)].get()
                 : std::string();
    dialogs_.error("SchemaNaam: " + name + " Groep:" + std::to_string(group));
    return false;
}

int ScoreEntry::groupPairs() const {
    if (group < 1 || group > 16)
        return 0;
    return std::clamp<int>(club_.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)], 0,
                           club_.PairsPerGroup);
}

int ScoreEntry::boardNumber(int boardInSession) const {
    return boardInSession + FirstBoardOf(club_.SessionHead) - 1;
}

TScoreObj& ScoreEntry::record(int boardInSession, int pairRow) {
    return recordIn(group, boardInSession, pairRow);
}

TScoreObj& ScoreEntry::recordIn(int g, int boardInSession, int pairRow) {
    const int i =
        ScoreRecordIndex(g, boardInSession, pairRow, club_.SessionHead.BoardCount, club_.PairsPerGroup);
    return (*records_)[static_cast<std::size_t>(i)];
}

const TScoreObj& ScoreEntry::recordIn(int g, int boardInSession, int pairRow) const {
    return const_cast<ScoreEntry*>(this)->recordIn(g, boardInSession, pairRow);
}

const TScoreObj& ScoreEntry::record(int boardInSession, int pairRow) const {
    return const_cast<ScoreEntry*>(this)->record(boardInSession, pairRow);
}

std::vector<EntryRow> ScoreEntry::rows() const {
    std::vector<EntryRow> out;
    if (records_ == nullptr)
        return out;
    if (mode == Mode::PerBoard) {
        for (int p = 1; p <= groupPairs(); ++p) {
            const auto seat = FindBoardSeat(club_, group, board, p);
            out.push_back({board, p, seat ? seat->OpponentRow : 0, seat ? seat->NorthSouth : true});
        }
        return out;
    }
    const TSchemaObj* e = ScheduleEntry(club_, group, round, table);
    if (e == nullptr || e->Letter < 'A' || e->Letter > 'Z')
        return out;
    const int base = (group - 1) * club_.PairsPerGroup;
    const int ns = e->NS > base && e->NS <= base + club_.PairsPerGroup ? e->NS - base : 0;
    const int ew = e->EW > base && e->EW <= base + club_.PairsPerGroup ? e->EW - base : 0;
    const int perRound = club_.SessionHead.BoardsPerRound;
    const int first = (e->Letter - 'A') * perRound + 1;
    for (int b = first; b < first + perRound && b <= club_.SessionHead.BoardCount; ++b)
        out.push_back({b, ns, ns != 0 ? ew : 0, true});
    return out;
}

std::string ScoreEntry::headerLine() const {
    const std::string letter(1, GroupLetter(group));
    int missing = 0;
    for (const EntryRow& r : rows())
        if (r.open() && r.NorthSouth && AwaitsScore(record(r.Board, r.PairRow)))
            ++missing;
    if (mode == Mode::PerBoard) {
        if (missing == 1)
            return Printf("Groep %s   Spel %2d    (%2d NZ-Score ontbreekt) ", letter.c_str(),
                          boardNumber(board), missing);
        return Printf("Groep %s   Spel %2d    (%2d NZ-Scores ontbreken)", letter.c_str(), boardNumber(board),
                      missing);
    }
    const std::string line = Printf("Groep  %s   Ronde %2d   Tafel %2d", letter.c_str(), round, table);
    return rows().size() == static_cast<std::size_t>(missing) ? line + " (Tafel zonder scores)" : line;
}

bool ScoreEntry::refuse(const std::string& message) {
    dialogs_.error(message);
    return false;
}

std::optional<EntryRow> ScoreEntry::rowFor(int boardInSession, int pairRow) const {
    if (records_ == nullptr || boardInSession < 1 || boardInSession > club_.SessionHead.BoardCount ||
        pairRow < 1 || pairRow > groupPairs())
        return std::nullopt;
    const auto seat = FindBoardSeat(club_, group, boardInSession, pairRow);
    return EntryRow{boardInSession, pairRow, seat ? seat->OpponentRow : 0, seat ? seat->NorthSouth : true};
}

namespace {
// The row as seen from the pair whose cell was typed.
EntryRow FromSide(const EntryRow& row, bool eastWestColumn) {
    if (!eastWestColumn)
        return row;
    return EntryRow{row.Board, row.OpponentRow, row.OpponentRow != 0 ? row.PairRow : 0, false};
}
} // namespace

bool ScoreEntry::acceptScore(int row, const std::string& text, bool eastWestColumn) {
    const auto shown = rows();
    if (row < 0 || static_cast<std::size_t>(row) >= shown.size())
        return false;
    focusRow = row;
    return storeScore(FromSide(shown[static_cast<std::size_t>(row)], sideBySide() && eastWestColumn),
                      !shown[static_cast<std::size_t>(row)].NorthSouth || (sideBySide() && eastWestColumn),
                      text);
}

bool ScoreEntry::acceptContract(int row, const std::string& contract, const std::string& result,
                                bool eastWestColumn) {
    const auto shown = rows();
    if (row < 0 || static_cast<std::size_t>(row) >= shown.size())
        return false;
    focusRow = row;
    const EntryRow& r = shown[static_cast<std::size_t>(row)];
    // The East-West column of a table, or the opponents' bid cell of a North-South row.
    const bool otherSide = sideBySide() ? eastWestColumn : OpponentsDeclare(r, false, eastWestColumn);
    if (!storeContract(FromSide(r, otherSide), !r.NorthSouth || otherSide, contract, result))
        return false;
    if (!sideBySide())
        focusEastWest = false; // the next pair starts in its own column
    return true;
}

bool ScoreEntry::acceptScoreFor(int boardInSession, int pairRow, const std::string& text) {
    const auto row = rowFor(boardInSession, pairRow);
    if (!row) {
        lastError = 4;
        return refuse(std::string(ScoreMessage(4)) + text);
    }
    return storeScore(*row, !row->NorthSouth, text);
}

bool ScoreEntry::acceptContractFor(int boardInSession, int pairRow, const std::string& contract,
                                   const std::string& result) {
    const auto row = rowFor(boardInSession, pairRow);
    if (!row) {
        lastError = 4;
        return refuse(std::string(ContractMessage(4)) + contract);
    }
    return storeContract(*row, !row->NorthSouth, contract, result);
}

bool ScoreEntry::storeScore(const EntryRow& row, bool eastWest, const std::string& text) {
    lastError = 4;
    if (!row.open())
        return refuse(kNoOpponent + text);
    // The East-West cells follow from the North-South ones unless "Wijzig OW" is on.
    if (eastWest && !changeEastWest) {
        lastError = 5;
        return refuse(std::string(ScoreMessage(5)));
    }
    // Enter on a cell that still shows the not-played mark leaves the record as it is.
    if (GivenNotPlayed(record(row.Board, row.PairRow)) && scoring::UpperTrimmed(text) == "N.G.") {
        lastError = 0;
        moveFocusOn();
        return true;
    }
    const bool shortNotation = (club_.ConfigRecord.OptionFlags & OptionFlag::ShortNotation) != 0;
    const TypedScore typed = ParseTypedScore(text, shortNotation);
    if (typed.Error != 0) {
        lastError = typed.Error;
        return refuse(std::string(ScoreMessage(typed.Error)) + text);
    }
    const int side = eastWest ? EastWest : NorthSouth;
    const Plausibility plausible = CheckPlausible(typed.Code, typed.Score, side, boardNumber(row.Board),
                                                  groupPairs(), tables_.ScoreClasses);
    if (plausible.Error != 0) {
        // No deal gives an impossible score: that is what "Score bestaat NIET " says; code 13
        // speaks of complements, which this is not.
        lastError = plausible.Error == ConversionError::NotPossible ? 1 : plausible.Error;
        return refuse(std::string(ScoreMessage(lastError)) + text);
    }
    if (plausible.Flags != 0)
        dialogs_.beep();

    TScoreObj& own = record(row.Board, row.PairRow);
    if (contractsUsed() && !own.Contract.get().empty() && dialogs_.askYesNo("Het Contract ook wijzigen?"))
        own.Contract.set("  ?");
    // A turned table stays turned: its cell already shows the turned score, so the typed score
    // is taken as it stands.
    const auto turned = static_cast<std::uint8_t>(own.Flags & ScoreFlag::Turned);
    own.Score = typed.Code == '@' ? 0 : typed.Score;
    own.Code = typed.Code == '@' ? std::uint8_t{ScoreCode::None} : CodeOf(typed.Code);
    own.Direction = eastWest ? 1 : 0;
    const std::uint8_t seat = eastWest ? std::uint8_t{ScoreFlag::EastWest} : std::uint8_t{0};
    own.Flags = static_cast<std::uint8_t>(typed.Flags | plausible.Flags | seat | turned);
    // A typed East-West score stands on its own: that is what "Wijzig OW" is for.
    if (!eastWest)
        complement(own, row.Board, row.OpponentRow);
    lastError = 0;
    dirty = true;
    moveFocusOn();
    return true;
}

bool ScoreEntry::storeContract(const EntryRow& row, bool eastWest, const std::string& contract,
                               const std::string& result) {
    lastError = 4;
    if (!row.open())
        return refuse(std::string(ContractMessage(4)) + contract);
    const int side = eastWest ? EastWest : NorthSouth;
    const ContractConversion c =
        ContractScore(contract, result, side, boardNumber(row.Board), tables_.ContractScorsTable);
    if (c.Error != 0) {
        lastError = c.Error;
        return refuse(std::string(ContractMessage(c.Error)) + (c.Error == 11 ? result : contract));
    }
    TScoreObj& own = record(row.Board, row.PairRow);
    const std::string upper = scoring::UpperTrimmed(contract);
    // "=" and "?" keep the score as it was typed in the score column.
    const bool keepScore = !upper.empty() && (upper[0] == '=' || upper[0] == '?');
    // A contract computes the declarer's score before the turn; a turned table stays turned.
    const bool turned = (own.Flags & ScoreFlag::Turned) != 0;
    TScoreObj& opponent = record(row.Board, row.OpponentRow);
    if (turned && keepScore)
        std::swap(own.Score, opponent.Score);
    own.Contract.set(c.Contract);
    own.Result.set(scoring::UpperTrimmed(result));
    if (!keepScore)
        own.Score = c.Score;
    own.Code = c.Code == '@' ? std::uint8_t{ScoreCode::None} : CodeOf(c.Code);
    own.Direction = eastWest ? 1 : 0;
    own.Flags = eastWest ? std::uint8_t{ScoreFlag::EastWest} : std::uint8_t{0};
    // One contract per table: the declarer's record holds it.
    opponent.Contract.set("");
    opponent.Result.set("");
    complement(own, row.Board, row.OpponentRow);
    if (turned) {
        std::swap(own.Score, opponent.Score);
        own.Flags |= ScoreFlag::Turned;
        opponent.Flags |= ScoreFlag::Turned;
    }
    lastError = 0;
    dirty = true;
    moveFocusOn();
    return true;
}

void ScoreEntry::complement(TScoreObj& own, int boardInSession, int opponentRow) {
    TScoreObj& opponent = record(boardInSession, opponentRow);
    opponent.Direction = own.Direction == 0 ? 1 : 0;
    ComplementScore(own, opponent, groupPairs());
}

void ScoreEntry::focusFirstOpen() {
    focusRow = -1;
    moveFocusOn();
    focusRow = std::max(focusRow, 0);
}

void ScoreEntry::moveFocusOn() {
    const auto shown = rows();
    if (shown.empty())
        return;
    const int n = static_cast<int>(shown.size());
    for (int step = 1; step <= n; ++step) {
        const int i = (focusRow + step) % n;
        const EntryRow& r = shown[static_cast<std::size_t>(i)];
        if (r.open() && (r.NorthSouth || changeEastWest || sideBySide())) {
            focusRow = i;
            return;
        }
    }
}

bool ScoreEntry::leaveCell() {
    if (lastError == 0)
        return true;
    if (!dialogs_.askYesNo(kErrorGoOn))
        return false;
    lastError = 0;
    return true;
}

bool ScoreEntry::goToBoard(int boardInSession) {
    if (boardInSession < 1 || boardInSession > club_.SessionHead.BoardCount || !leaveCell())
        return false;
    board = boardInSession;
    matchPointTexts.clear();
    focusRow = -1;
    moveFocusOn();
    return true;
}

bool ScoreEntry::nextBoard() {
    if (mode == Mode::PerTable) {
        if (!leaveCell())
            return false;
        table = table % std::max(club_.TablesPerGroup, 1) + 1;
        if (table == 1 && tablesCarryRounds())
            round = round % std::max<int>(club_.SessionHead.RoundCount, 1) + 1;
        matchPointTexts.clear();
        focusFirstOpen();
        return true;
    }
    return goToBoard(board % std::max<int>(club_.SessionHead.BoardCount, 1) + 1);
}

bool ScoreEntry::previousBoard() {
    if (mode == Mode::PerTable) {
        if (!leaveCell())
            return false;
        if (table == 1 && tablesCarryRounds())
            round = round == 1 ? std::max<int>(club_.SessionHead.RoundCount, 1) : round - 1;
        table = table == 1 ? std::max(club_.TablesPerGroup, 1) : table - 1;
        matchPointTexts.clear();
        focusFirstOpen();
        return true;
    }
    return goToBoard(board == 1 ? club_.SessionHead.BoardCount : board - 1);
}

bool ScoreEntry::nextGroup() {
    return selectGroup(group % std::max<int>(club_.CompetitionHead.GroupCount, 1) + 1);
}

bool ScoreEntry::previousGroup() {
    return selectGroup(group == 1 ? std::max<int>(club_.CompetitionHead.GroupCount, 1) : group - 1);
}

bool ScoreEntry::selectGroup(int g) {
    if (g < 1 || g > club_.CompetitionHead.GroupCount || !leaveCell())
        return false;
    const int previous = group;
    group = g;
    if (!checkGroup()) {
        group = previous;
        return false;
    }
    matchPointTexts.clear();
    focusFirstOpen();
    return true;
}

bool ScoreEntry::nextRound() {
    if (!leaveCell())
        return false;
    round = round % std::max<int>(club_.SessionHead.RoundCount, 1) + 1;
    matchPointTexts.clear();
    focusFirstOpen();
    return true;
}

bool ScoreEntry::previousRound() {
    if (!leaveCell())
        return false;
    round = round == 1 ? std::max<int>(club_.SessionHead.RoundCount, 1) : round - 1;
    matchPointTexts.clear();
    focusFirstOpen();
    return true;
}

std::string ScoreEntry::startTurn() {
    turnMode = true;
    return contractMode ? "Selecteer DraaiBod en druk Enter"
                        : "Selecteer NZ score (draaiscore) en druk Enter";
}

bool ScoreEntry::turn(int row) {
    turnMode = false;
    const auto shown = rows();
    if (row < 0 || static_cast<std::size_t>(row) >= shown.size())
        return false;
    const EntryRow& r = shown[static_cast<std::size_t>(row)];
    if (!r.open() || !r.NorthSouth || AwaitsScore(record(r.Board, r.PairRow))) {
        lastError = 6;
        return refuse(std::string(ScoreMessage(6)));
    }
    TScoreObj& ns = record(r.Board, r.PairRow);
    TScoreObj& ew = record(r.Board, r.OpponentRow);
    for (TScoreObj* rec : {&ns, &ew})
        rec->Flags = static_cast<std::uint8_t>((rec->Flags ^ ScoreFlag::Turned) & ~ScoreFlag::Remarkable);
    ns.Flags = static_cast<std::uint8_t>(ns.Flags & ~ScoreFlag::EastWest);
    ew.Flags = static_cast<std::uint8_t>(ew.Flags | ScoreFlag::EastWest);
    std::swap(ns.Score, ew.Score);
    dirty = true;
    return true;
}

std::string ScoreEntry::startChangeEastWest() {
    changeEastWest = true;
    return "Wijzig ook OW Scores; Stop met <Normaal>";
}

void ScoreEntry::stopChangeEastWest() {
    changeEastWest = false;
    // The East-West cells close again: the focus goes back to the North-South side.
    focusEastWest = false;
}

void ScoreEntry::clear() {
    for (const EntryRow& r : rows()) {
        if (r.PairRow != 0)
            Empty(record(r.Board, r.PairRow));
        if (sideBySide() && r.OpponentRow != 0)
            Empty(record(r.Board, r.OpponentRow));
    }
    dirty = true;
    lastError = 0;
    matchPointTexts.clear();
    focusRow = -1;
    moveFocusOn();
}

void ScoreEntry::checkComplements(const std::vector<EntryRow>& shown) {
    for (const EntryRow& r : shown) {
        if (!r.open() || !r.NorthSouth)
            continue;
        TScoreObj& ns = record(r.Board, r.PairRow);
        TScoreObj& ew = record(r.Board, r.OpponentRow);
        const auto expected = ExpectedComplement(ns, groupPairs());
        if (expected && ew.Score != *expected) {
            ns.Flags |= ScoreFlag::NotComplement;
            ew.Flags |= ScoreFlag::NotComplement;
        }
    }
}

int ScoreEntry::unplayedTables(int boardInSession) const {
    int played = 0;
    for (int p = 1; p <= groupPairs(); ++p)
        if (IsPlayedCode(record(boardInSession, p).Code))
            ++played;
    return (groupPairs() - played) / 2;
}

std::string ScoreEntry::matchPointText(int tenths) const {
    return MatchPointColumnText(tenths, club_.CompetitionHead.NeubergMode == NeubergOneDecimal);
}

bool ScoreEntry::compute() {
    const auto shown = rows();
    if (shown.empty())
        return false;
    checkComplements(shown);
    if (mode == Mode::PerBoard) {
        const int n = unplayedTables(board);
        if (n > 0 &&
            !dialogs_.askYesNo("Spel: " + std::to_string(boardNumber(board)) + " is  " + std::to_string(n) +
                               " keer niet gespeeld;\r" + "Berekening toch uitvoeren"))
            return false;
    }
    matchPointTexts.assign(shown.size(),
                           {matchPointText(kNoMatchPointsShown), matchPointText(kNoMatchPointsShown)});
    if (!hooks_.computeBoard)
        return true;
    int computedBoard = 0;
    std::vector<std::array<int, 2>> display;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const EntryRow& r = shown[i];
        if (r.Board != computedBoard) {
            display = hooks_.computeBoard(group, r.Board);
            computedBoard = r.Board;
        }
        // A turned record's value stands in the other column: the display is by counting side.
        std::array<int, 2> slots = {kNoMatchPointsShown, kNoMatchPointsShown};
        for (const int p : {r.PairRow, sideBySide() ? r.OpponentRow : 0})
            if (p > 0 && static_cast<std::size_t>(p) < display.size())
                for (int s = 0; s < 2; ++s)
                    if (display[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)] !=
                        kNoMatchPointsShown)
                        slots[static_cast<std::size_t>(s)] =
                            display[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)];
        matchPointTexts[i] = {matchPointText(slots[0]), matchPointText(slots[1])};
    }
    return true;
}

bool ScoreEntry::storeGroup(int g) {
    if (hooks_.countUnplayed)
        hooks_.countUnplayed(g);
    if (hooks_.detectSitOut)
        if (const int sitOut = hooks_.detectSitOut(g); sitOut > 0)
            dialogs_.information("Er is een zitttafel voor Groep: " + std::string(1, GroupLetter(g)) +
                                 " Paar: " + std::to_string(sitOut));
    return true;
}

bool ScoreEntry::saveGroup(bool ask) {
    if (ask && !dialogs_.askYesNo("Scores bewaren van groep " + std::string(1, GroupLetter(group))))
        return false;
    if (!storeGroup(group))
        return false;
    return saveScoreFile(contractsUsed() ? kSaveGroupBidsFailed : kSaveFailed);
}

bool ScoreEntry::saveAll(bool ask) {
    if (records_ == nullptr)
        return true;
    if (ask && !dialogs_.askYesNo("Ingevoerde scores bewaren ?")) {
        // Nee must not throw an evening away unawares: say which boards go, Nee keeps them here.
        const std::string lost = unsavedBoardsText();
        if (!lost.empty() && !dialogs_.askYesNoDefaultNo("Niet bewaarde scores: " + lost +
                                                         "\rDeze gaan verloren, toch sluiten ?"))
            return false;
        discard();
        return true;
    }
    for (int g = 1; g <= club_.CompetitionHead.GroupCount; ++g)
        if (groupHasSchedule(g) && !storeGroup(g))
            return false;
    return saveScoreFile(contractsUsed() ? kSaveAllBidsFailed : kSaveFailed);
}

bool ScoreEntry::mayClose() {
    if (records_ == nullptr || !dirty)
        return true;
    if (dialogs_.askYesNo("Score-Bestand nog redden\r gebruik dan <Ok>"))
        return false;
    discard();
    return true;
}

std::string ScoreEntry::unsavedBoardsText() const {
    if (records_ == nullptr || saved_.size() != records_->size())
        return {};
    std::string text;
    for (int g = 1; g <= club_.CompetitionHead.GroupCount; ++g) {
        std::string boards;
        for (int b = 1; b <= club_.SessionHead.BoardCount; ++b) {
            bool changed = false;
            for (int p = 1; p <= club_.PairsPerGroup && !changed; ++p) {
                const auto i = static_cast<std::size_t>(
                    ScoreRecordIndex(g, b, p, club_.SessionHead.BoardCount, club_.PairsPerGroup));
                changed = i < saved_.size() && saved_[i] != (*records_)[i];
            }
            if (changed)
                boards += (boards.empty() ? "" : ", ") + std::to_string(boardNumber(b));
        }
        if (!boards.empty())
            text +=
                (text.empty() ? "groep " : "; groep ") + std::string(1, GroupLetter(g)) + " spel " + boards;
    }
    return text;
}

void ScoreEntry::discard() {
    if (records_ == nullptr)
        return;
    *records_ = saved_;
    dirty = false;
    lastError = 0;
    matchPointTexts.clear();
}

void ScoreEntry::adoptRecords(const std::vector<std::size_t>& indices) {
    if (records_ == nullptr || saved_.size() != records_->size())
        return;
    for (const std::size_t i : indices)
        if (i < saved_.size())
            saved_[i] = (*records_)[i];
}

bool ScoreEntry::countList() {
    for (int b = 1; b <= club_.SessionHead.BoardCount; ++b)
        for (int p = 1; p <= groupPairs(); ++p)
            if (IsPlayedCode(record(b, p).Code))
                return true;
    dialogs_.information("Geen spellen gespeeld in Groep: " + std::string(1, GroupLetter(group)));
    return false;
}

bool ScoreEntry::saveScoreFile(const char* failure) {
    if (failure == nullptr)
        failure = kSaveFailed;
    if (club_.ScoreFilePath.empty())
        return refuse(failure);
    // Every save keeps the file it replaces: the backup is always the file before the last save.
    if (!WriteScoreFile(club_.ScoreFilePath, club_.SessionScoreList, club_.CompetitionHead.PairCount, true,
                        dialogs_, club_.ErrorCode))
        return refuse(failure);
    savedSinceOpen_ = true;
    ++saveCount_;
    if (records_ != nullptr)
        saved_ = *records_;
    dirty = false;
    return true;
}

} // namespace velk
