#include "scoring/ScoreEntry.h"

#include "core/ProgramFolder.h"
#include "core/records/ConfigRecord.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/ScoreCode.h"
#include "scoring/ScoreEntryCalculation.h"
#include "scoring/ScoreFormat.h"
#include "support/ClubBuilder.h"
#include "support/LoadedScoreTables.h"
#include "support/ScriptedDialogs.h"
#include "support/SessionClub.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;

namespace {

Club MakeEntryClub() {
    return test::MakeTwoRoundClub();
}

const ScoreTables& Tables() {
    return test::LoadedScoreTables();
}

struct EntryFixture : ::testing::Test {
    Club club = MakeEntryClub();
    test::ScriptedDialogs dialogs;
    ScoreEntryHooks hooks;
    ScoreEntry entry{club, Tables(), dialogs, hooks};
    void SetUp() override { ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard)); }
    const TScoreObj& rec(int board, int pair) const { return entry.record(board, pair); }
};

} // namespace

TEST_F(EntryFixture, OpponentsComeFromTheBoardGroupInTheSchedule) {
    // Board 1 (group A): round 1 table 1 (1 v 5) and round 2 table 2 (2 v 7).
    EXPECT_EQ(FindBoardSeat(club, 1, 1, 1), (BoardSeat{1, 1, true, 5}));
    EXPECT_EQ(FindBoardSeat(club, 1, 1, 7), (BoardSeat{2, 2, false, 2}));
    EXPECT_FALSE(FindBoardSeat(club, 1, 1, 3));
    // Board 4 belongs to board group B.
    EXPECT_EQ(OpponentRow(club, 1, 4, 2), 6);
    const auto rows = entry.rows();
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_TRUE(rows[0].open() && rows[0].NorthSouth);
    EXPECT_FALSE(rows[2].open());
    EXPECT_FALSE(rows[4].NorthSouth);
    EXPECT_EQ(entry.headerLine(), "Groep A   Spel  1    ( 2 NZ-Scores ontbreken)");
}

TEST_F(EntryFixture, ABridgeScoreGivesTheOpponentsItsComplement) {
    ASSERT_TRUE(entry.acceptScore(0, "420"));
    EXPECT_EQ(rec(1, 1).Score, 420);
    EXPECT_EQ(rec(1, 1).Code, ScoreCode::Bridge);
    EXPECT_EQ(rec(1, 1).Direction, 0);
    EXPECT_EQ(rec(1, 1).Flags, 0);
    EXPECT_EQ(rec(1, 5).Score, -420);
    EXPECT_EQ(rec(1, 5).Code, ScoreCode::Bridge);
    EXPECT_EQ(rec(1, 5).Direction, 1);
    EXPECT_EQ(rec(1, 5).Flags, ScoreFlag::EastWest);
    EXPECT_TRUE(entry.dirty);
    // The focus goes on to the next North-South pair that played the board.
    EXPECT_EQ(entry.focusRow, 1);
    EXPECT_EQ(entry.headerLine(), "Groep A   Spel  1    ( 1 NZ-Score ontbreekt) ");

    ASSERT_TRUE(entry.acceptScoreFor(1, 2, "A60%"));
    EXPECT_EQ(rec(1, 7).Code, ScoreCode::Percentage);
    EXPECT_EQ(rec(1, 7).Score, 40);
    // An empty cell empties the opponents too.
    ASSERT_TRUE(entry.acceptScoreFor(1, 2, ""));
    EXPECT_EQ(rec(1, 7).Code, 0);
    EXPECT_EQ(rec(1, 7).Score, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(EntryFixture, RefusedCellsShowTheirMessageAndKeepTheRecords) {
    EXPECT_FALSE(entry.acceptScoreFor(1, 1, "abc"));
    EXPECT_FALSE(entry.acceptScoreFor(1, 1, "425"));
    EXPECT_FALSE(entry.acceptScoreFor(1, 1, "M6.5"));
    EXPECT_FALSE(entry.acceptScoreFor(1, 5, "-420"));
    EXPECT_FALSE(entry.acceptScoreFor(1, 3, "420"));
    EXPECT_FALSE(entry.acceptScoreFor(1, 9, "420"));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Score bestaat NIET abc", "Score bestaat NIET 425",
                                        "Score bestaat NIET M6.5", "Wijzigen niet toegestaan",
                                        "Geen tegenpaar gevonden 420", "Geen Paar gevonden 420"}));
    EXPECT_EQ(rec(1, 1), TScoreObj{});
    EXPECT_EQ(rec(1, 5), TScoreObj{});
    // Leaving the board with the error standing asks first; No stays.
    dialogs.answerNo();
    EXPECT_FALSE(entry.nextBoard());
    EXPECT_EQ(entry.board, 1);
    EXPECT_EQ(dialogs.messages.back().text, "Eris een (score)fout opgetreden\rwilt u toch doorgaan ?");
    dialogs.answerYes();
    EXPECT_TRUE(entry.previousBoard());
    EXPECT_EQ(entry.board, 8); // wraps
    EXPECT_TRUE(entry.nextBoard());
    EXPECT_EQ(entry.board, 1);
}

TEST_F(EntryFixture, MarksAndShortNotation) {
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420!"));
    EXPECT_EQ(rec(1, 1).Score, 420);
    EXPECT_EQ(rec(1, 1).Flags, ScoreFlag::Remarkable);
    EXPECT_EQ(rec(1, 5).Flags, ScoreFlag::Remarkable | ScoreFlag::EastWest);
    club.ConfigRecord.OptionFlags |= OptionFlag::ShortNotation;
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "42"));
    EXPECT_EQ(rec(1, 1).Score, 420);
    // A slam score the class table calls unusual for a non-vulnerable side beeps and is marked.
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "-220"));
    EXPECT_EQ(rec(1, 1).Score, -2200);
    EXPECT_NE(rec(1, 1).Flags & (ScoreFlag::Remarkable | ScoreFlag::Doubtful), 0);
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(EntryFixture, ContractsAreScoredForTheDeclaringSide) {
    ASSERT_TRUE(entry.acceptContractFor(1, 1, "4hx", "-3"));
    EXPECT_EQ(rec(1, 1).Contract.get(), "4HX");
    EXPECT_EQ(rec(1, 1).Result.get(), "-3");
    EXPECT_EQ(rec(1, 1).Score, -500);
    EXPECT_EQ(rec(1, 5).Score, 500);
    // Board 2: North-South vulnerable; 3A is written back as 3SA.
    ASSERT_TRUE(entry.acceptContractFor(2, 1, "3A", "C"));
    EXPECT_EQ(rec(2, 1).Contract.get(), "3SA");
    EXPECT_EQ(rec(2, 1).Score, 600);
    // Declared by East-West: their record holds the contract, North-South the complement.
    ASSERT_TRUE(entry.acceptContractFor(1, 5, "4S", "C"));
    EXPECT_EQ(rec(1, 5).Contract.get(), "4S");
    EXPECT_EQ(rec(1, 5).Score, 420);
    EXPECT_EQ(rec(1, 5).Flags, ScoreFlag::EastWest);
    EXPECT_EQ(rec(1, 1).Contract.get(), "");
    EXPECT_EQ(rec(1, 1).Score, -420);
    EXPECT_EQ(rec(1, 1).Flags, 0);

    EXPECT_FALSE(entry.acceptContractFor(1, 1, "4", "C"));
    EXPECT_FALSE(entry.acceptContractFor(1, 1, "9S", "C"));
    EXPECT_FALSE(entry.acceptContractFor(1, 1, "4S", ""));
    EXPECT_FALSE(entry.acceptContractFor(1, 3, "4S", "C"));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Geen Bieding gevonden voor spel:4", "Foutief Bod 9S",
                                        "Resultaat niet corect ", " Geen Tegenpaar gevonden 4S"}));
    EXPECT_EQ(rec(1, 1).Score, -420);
}

TEST_F(EntryFixture, ATypedScoreOverAContractAsksAboutTheContract) {
    club.CompetitionHead.ConfigFlags |= ConfigFlag::UseContracts;
    ASSERT_TRUE(entry.acceptContractFor(1, 1, "4S", "C"));
    dialogs.answerYes();
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "450"));
    EXPECT_EQ(dialogs.messages.back().text, "Het Contract ook wijzigen?");
    EXPECT_EQ(rec(1, 1).Contract.get(), "  ?");
    EXPECT_EQ(rec(1, 1).Score, 450);
}

TEST_F(EntryFixture, ChangeEastWestTypesTheirCellAloneAndReckonMarksTheTable) {
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "A60%"));
    EXPECT_EQ(entry.startChangeEastWest(), "Wijzig ook OW Scores; Stop met <Normaal>");
    ASSERT_TRUE(entry.acceptScoreFor(1, 5, "A60%"));
    EXPECT_EQ(rec(1, 1).Score, 60);
    EXPECT_EQ(rec(1, 5).Score, 60);
    EXPECT_EQ(rec(1, 5).Flags, ScoreFlag::EastWest);
    entry.stopChangeEastWest();
    // Two of the four tables did not play board 1.
    dialogs.answerYes();
    ASSERT_TRUE(entry.compute());
    EXPECT_EQ(dialogs.messages.back().text, "Spel: 1 is  3 keer niet gespeeld;\rBerekening toch uitvoeren");
    EXPECT_EQ(rec(1, 1).Flags, ScoreFlag::NotComplement);
    EXPECT_EQ(rec(1, 5).Flags, ScoreFlag::NotComplement | ScoreFlag::EastWest);
    // A marked record is no longer overwritten by the complement.
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "A50%"));
    EXPECT_EQ(rec(1, 5).Score, 60);
    dialogs.answerNo();
    EXPECT_FALSE(entry.compute());
}

TEST_F(EntryFixture, ReckonShowsTheMatchPointsOfTheCountingSide) {
    Club c = MakeEntryClub();
    c.CompetitionHead.NeubergMode = NeubergOneDecimal;
    ScoreEntryHooks h;
    std::vector<int> asked;
    h.computeBoard = [&](int g, int b) {
        asked.push_back(g * 100 + b);
        std::vector<std::array<int, 2>> display(9, {kNoMatchPointsShown, kNoMatchPointsShown});
        display[1] = {60, kNoMatchPointsShown};
        display[5] = {kNoMatchPointsShown, 0};
        return display;
    };
    ScoreEntry e(c, Tables(), dialogs, h);
    ASSERT_TRUE(e.open(ScoreEntry::Mode::PerBoard));
    for (int p : {1, 2})
        ASSERT_TRUE(e.acceptScoreFor(1, p, "110"));
    dialogs.answerYes();
    ASSERT_TRUE(e.compute());
    EXPECT_EQ(asked, std::vector<int>{101});
    ASSERT_EQ(e.matchPointTexts.size(), 8u);
    EXPECT_EQ(e.matchPointTexts[0], (std::array<std::string, 2>{"   6.0", "      "}));
    EXPECT_EQ(e.matchPointTexts[4], (std::array<std::string, 2>{"      ", "   0.0"}));
    // Whole match points are rounded, halves away from zero.
    EXPECT_EQ(MatchPointColumnText(65, false), "     7");
    EXPECT_EQ(MatchPointColumnText(45, false), "     5");
    EXPECT_EQ(MatchPointColumnText(44, false), "     4");
    EXPECT_EQ(MatchPointColumnText(-25, false), "    -3");
    EXPECT_EQ(MatchPointColumnText(-24, false), "    -2");
    EXPECT_EQ(MatchPointColumnText(-25, true), "  -2.5");
}

TEST_F(EntryFixture, TurnSwapsTheTableAndSchoonEmptiesTheBoard) {
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420!"));
    EXPECT_EQ(entry.startTurn(), "Selecteer NZ score (draaiscore) en druk Enter");
    ASSERT_TRUE(entry.turn(0));
    EXPECT_EQ(rec(1, 1).Score, -420);
    EXPECT_EQ(rec(1, 1).Flags, ScoreFlag::Turned);
    EXPECT_EQ(rec(1, 5).Score, 420);
    EXPECT_EQ(rec(1, 5).Flags, ScoreFlag::Turned | ScoreFlag::EastWest);
    // Only a North-South score with a score can be turned.
    EXPECT_FALSE(entry.turn(4));
    EXPECT_FALSE(entry.turn(1));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Draaien niet toegestaan", "Draaien niet toegestaan"}));

    ASSERT_TRUE(entry.acceptContractFor(1, 2, "3SA", "+1"));
    entry.clear();
    for (int p = 1; p <= 8; ++p) {
        EXPECT_EQ(rec(1, p).Code, 0);
        EXPECT_EQ(rec(1, p).Score, 0);
        EXPECT_EQ(rec(1, p).Contract.get(), "");
    }
    EXPECT_EQ(rec(1, 5).Flags, ScoreFlag::EastWest);
    EXPECT_EQ(rec(1, 1).Flags, 0);
    EXPECT_EQ(entry.focusRow, 0);
}

TEST_F(EntryFixture, PerTableRowsAreTheBoardsOfTheRoundAtTheTable) {
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerTable));
    entry.round = 2;
    entry.table = 3; // round 2, table 3: pair 3 against pair 8 on board group B
    const auto rows = entry.rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Board, 3);
    EXPECT_EQ(rows[1].Board, 4);
    EXPECT_EQ(rows[0].PairRow, 3);
    EXPECT_EQ(rows[0].OpponentRow, 8);
    EXPECT_EQ(entry.headerLine(), "Groep  A   Ronde  2   Tafel  3 (Tafel zonder scores)");
    ASSERT_TRUE(entry.acceptScore(1, "-100"));
    EXPECT_EQ(rec(4, 3).Score, -100);
    EXPECT_EQ(rec(4, 8).Score, 100);
    EXPECT_FALSE(entry.acceptScore(1, "100", true));
    EXPECT_EQ(dialogs.texts().back(), "Wijzigen niet toegestaan");
    EXPECT_EQ(entry.headerLine(), "Groep  A   Ronde  2   Tafel  3");
}

TEST(ScoreEntry, OpeningChecksTheScoreBlockTheBoardsAndTheSchedule) {
    test::ScriptedDialogs dialogs;
    {
        Club club = MakeEntryClub();
        club.SessionScoreList.front().SessionIndex = 2;
        ScoreEntry entry(club, Tables(), dialogs);
        EXPECT_FALSE(entry.open(ScoreEntry::Mode::PerBoard));
    }
    {
        Club club = MakeEntryClub();
        club.SessionHead.BoardCount = 3;
        club.SessionScoreList = {NewScoreBlock(1, 3, 16)};
        ScoreEntry entry(club, Tables(), dialogs);
        EXPECT_FALSE(entry.open(ScoreEntry::Mode::PerBoard));
    }
    Club club = MakeEntryClub();
    club.SessionScheduleList.front().BaseScheduleNames[1].set("2*8*Mitchell");
    ScoreEntry entry(club, Tables(), dialogs);
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    EXPECT_FALSE(entry.nextGroup());
    EXPECT_EQ(entry.group, 1);
    EXPECT_EQ(
        dialogs.texts(),
        (std::vector<std::string>{
            "ScoreRecords niet aanwezig",
            "Aantalspellen is kleiner dan aantal rondes x spellen per tafel, corrigeer Zittinggegevens!",
            "SchemaNaam: 2*8*Mitchell Groep:2"}));
}

namespace {
// An entry that saves into a temporary folder and notes the groups whose unplayed boards it counted.
struct SavingFixture : ::testing::Test {
    test::TempFolder folder;
    Club club = MakeEntryClub();
    test::ScriptedDialogs dialogs;
    std::vector<int> counted;
    ScoreEntryHooks hooks;
    SavingFixture() {
        club.ScoreFilePath = folder.file("club_1.sco");
        hooks.countUnplayed = [this](int g) { counted.push_back(g); };
    }
};
} // namespace

TEST_F(SavingFixture, SavingAGroupReportsTheSitOutAndWritesTheScoreFile) {
    hooks.detectSitOut = [](int) { return 3; };
    ScoreEntry entry(club, Tables(), dialogs, hooks);
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420"));
    dialogs.answerNo();
    EXPECT_FALSE(entry.saveGroup(true));
    EXPECT_FALSE(std::filesystem::exists(club.ScoreFilePath));
    dialogs.answerYes();
    ASSERT_TRUE(entry.saveGroup(true));
    EXPECT_EQ(counted, std::vector<int>{1});
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Scores bewaren van groep A", "Scores bewaren van groep A",
                                        "Er is een zitttafel voor Groep: A Paar: 3"}));
    EXPECT_FALSE(entry.dirty);
    const auto bytes = test::ReadBytes(club.ScoreFilePath);
    ASSERT_EQ(bytes.size(), 4u + (16u * 8u + 1u) * 17u);
    // Record 1 (group A, board 1, pair 1): score 420 at offset 12, code 14 at 15.
    const std::size_t at = 4 + 1 * 17;
    EXPECT_EQ(bytes[at + 12] | (bytes[at + 13] << 8), 420);
    EXPECT_EQ(bytes[at + 15], 14);
    // Record 5 (pair 5): -420, East-West, flag 8.
    const std::size_t ew = 4 + 5 * 17;
    EXPECT_EQ(static_cast<std::int16_t>(bytes[ew + 12] | (bytes[ew + 13] << 8)), -420);
    EXPECT_EQ(bytes[ew + 14], 1);
    EXPECT_EQ(bytes[ew + 16], 8);

    // A failed write is reported and keeps the records.
    club.ScoreFilePath = folder.file("missing/club_1.sco");
    EXPECT_FALSE(entry.saveScoreFile());
    EXPECT_EQ(dialogs.texts().back(), "Redden van scores mislukt");
    EXPECT_EQ(entry.record(1, 1).Score, 420);
}

namespace {
// An entry on `club` whose "Reken" and "Bewaar" run the session's match-point calculation.
struct CalculatedEntry {
    Club club;
    test::ScriptedDialogs dialogs;
    MatchPointCalculation calc;
    ScoreEntry entry;
    explicit CalculatedEntry(Club c)
        : club(std::move(c)),
          calc(MatchPointSettings::Of(club), club.SessionScoreList[0].Records, Tables(), dialogs),
          entry(club, Tables(), dialogs, CalculationHooks(calc)) {}
};

Club WithoutNeuberg(Club club) {
    club.CompetitionHead.NeubergMode = NeubergOff;
    return club;
}
} // namespace

TEST(ScoreEntry, CalculationHooksShowTheBoardAndCountTheGroupOnSaving) {
    test::TempFolder folder;
    CalculatedEntry calculated(WithoutNeuberg(MakeEntryClub()));
    Club& club = calculated.club;
    club.ScoreFilePath = folder.file("club_1.sco");
    test::ScriptedDialogs& dialogs = calculated.dialogs;
    MatchPointCalculation& calc = calculated.calc;
    ScoreEntry& entry = calculated.entry;
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    // Board 1 is played at two tables: 1 v 5 and 2 v 7; the top drops from 6 to 2.
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420"));
    ASSERT_TRUE(entry.acceptScoreFor(1, 2, "400"));
    dialogs.answerYes();
    ASSERT_TRUE(entry.compute());
    EXPECT_EQ(dialogs.texts().back(), "Spel: 1 is  2 keer niet gespeeld;\rBerekening toch uitvoeren");
    const auto rows = entry.rows();
    ASSERT_EQ(entry.matchPointTexts.size(), rows.size());
    const std::string top = MatchPointColumnText(20, false);
    const std::string zero = MatchPointColumnText(0, false);
    const std::string none = MatchPointColumnText(kNoMatchPointsShown, false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& texts = entry.matchPointTexts[i];
        switch (rows[i].PairRow) {
        case 1:
            EXPECT_EQ(texts, (std::array<std::string, 2>{top, none}));
            break;
        case 2:
            EXPECT_EQ(texts, (std::array<std::string, 2>{zero, none}));
            break;
        case 5:
            EXPECT_EQ(texts, (std::array<std::string, 2>{none, zero}));
            break;
        case 7:
            EXPECT_EQ(texts, (std::array<std::string, 2>{none, top}));
            break;
        default:
            EXPECT_EQ(texts, (std::array<std::string, 2>{none, none})) << rows[i].PairRow;
        }
    }
    // Display only: the stored match points stay untouched.
    EXPECT_EQ(calc.BoardMatchPoints()[static_cast<std::size_t>(calc.recordIndex(1, 1, 1))].MatchPoints, 0);

    // Saving counts the unplayed boards with the report; four pairs without boards are no sit-out.
    ASSERT_TRUE(entry.saveGroup(false));
    EXPECT_EQ(dialogs.texts().back(), "Aantal niet gespeelde spellen :8 in Groep: A");
    EXPECT_TRUE(std::filesystem::exists(club.ScoreFilePath));
    // Saved half-way, the boards still to be typed stay empty: pair 1 has board 2 to go.
    EXPECT_EQ(entry.record(2, 1).Code, ScoreCode::None);
    EXPECT_EQ(entry.record(2, 5).Code, ScoreCode::None);
    EXPECT_EQ(entry.headerLine(), "Groep A   Spel  1    ( 0 NZ-Scores ontbreken)");
    ASSERT_TRUE(entry.goToBoard(2));
    EXPECT_EQ(entry.headerLine(), "Groep A   Spel  2    ( 2 NZ-Scores ontbreken)");
}

TEST_F(EntryFixture, TheFormTextsComeFromTheModel) {
    EXPECT_EQ(entry.caption(), "Scores invoeren per spel");
    EXPECT_EQ(entry.vulnerabilityLine(), "Niemand Kwetsbaar");
    club.PairList[1].Naam.set("Jansen - Bakker");
    EXPECT_EQ(entry.pairLine(0), "  A :  1 = Jansen - Bakker                 ");
    EXPECT_EQ(entry.pairLine(2), "  Niet gespeeld !");
    ASSERT_TRUE(entry.acceptScore(0, "420"));
    // Per board a row fills the column of its pair's side.
    EXPECT_EQ(entry.scoreText(0, false), " 420");
    EXPECT_EQ(entry.scoreText(0, true), "");
    EXPECT_EQ(entry.scoreText(4, true), "-420");
    EXPECT_EQ(entry.scoreText(4, false), "");
    ASSERT_TRUE(entry.acceptContract(1, "4hx", "-2"));
    EXPECT_EQ(entry.contractText(1, false), "4HX");
    EXPECT_EQ(entry.resultText(1), "-2");
    EXPECT_EQ(entry.scoreText(1, false), "-300");
    entry.contractMode = true;
    EXPECT_EQ(entry.caption(), "Biedingen invoeren per spel");
    EXPECT_EQ(entry.helpContext(), 258);
    entry.mode = ScoreEntry::Mode::PerTable;
    EXPECT_EQ(entry.caption(), "Biedingen invoeren per tafel");
}

TEST_F(EntryFixture, UpAndDownGoThroughTheOpenCellsAndWrap) {
    // Opening puts the focus on the first open cell.
    EXPECT_EQ(entry.focusRow, 0);
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerTable));
    EXPECT_EQ(entry.focusRow, 0);
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    // Board 1: pairs 1 and 2 sit North-South (rows 0 and 1); 5 and 7 East-West; the rest did not play.
    EXPECT_TRUE(entry.cellOpen(0, false));
    EXPECT_FALSE(entry.cellOpen(0, true));
    EXPECT_FALSE(entry.cellOpen(4, true));
    EXPECT_FALSE(entry.cellOpen(2, false));
    entry.focusRow = 1;
    entry.moveFocus(+1);
    EXPECT_EQ(entry.focusRow, 0);
    entry.moveFocus(-1);
    EXPECT_EQ(entry.focusRow, 1);
    // With "Wijzig OW" the East-West rows open too.
    entry.startChangeEastWest();
    EXPECT_TRUE(entry.cellOpen(4, true));
    entry.moveFocus(+1);
    EXPECT_EQ(entry.focusRow, 4);
    entry.moveFocus(+1);
    EXPECT_EQ(entry.focusRow, 6);
    entry.moveFocus(+1);
    EXPECT_EQ(entry.focusRow, 0);
}

TEST_F(EntryFixture, ANorthSouthRowTakesTheContractOfItsOpponents) {
    // Board 1, nobody vulnerable: East-West make 4H+1, 450 to them, typed on pair 1's row.
    const int opponent = entry.rows()[0].OpponentRow;
    const auto opponentRow = static_cast<int>(opponent - 1);
    EXPECT_FALSE(entry.cellOpen(0, true));
    entry.contractMode = true;
    EXPECT_TRUE(entry.cellOpen(0, true));
    EXPECT_FALSE(entry.scoreCellOpen(0, true));
    EXPECT_FALSE(entry.cellOpen(opponentRow, true));
    entry.focusEastWest = true;
    EXPECT_TRUE(entry.focusColumnEastWest(0));
    ASSERT_TRUE(entry.acceptContract(0, "4h", "+1", true));
    EXPECT_FALSE(entry.changeEastWest);
    EXPECT_EQ(entry.record(1, opponent).Contract.get(), "4H");
    EXPECT_EQ(entry.record(1, opponent).Score, 450);
    EXPECT_EQ(entry.record(1, opponent).Direction, 1);
    EXPECT_EQ(entry.record(1, 1).Score, -450);
    EXPECT_EQ(entry.record(1, 1).Contract.get(), "");
    EXPECT_EQ(entry.contractText(0, true), "4H");
    EXPECT_EQ(entry.contractText(0, false), "");
    EXPECT_EQ(entry.contractText(opponentRow, true), "4H");
    EXPECT_EQ(entry.resultText(0), "+1");
    // The next pair starts in its own column.
    EXPECT_EQ(entry.focusRow, 1);
    EXPECT_FALSE(entry.focusColumnEastWest(1));
}

TEST_F(EntryFixture, KeysOfTheCells) {
    EXPECT_EQ(entry.typeKey(EntryCell::Score, 'a', ""), KeyVerdict::Type);
    EXPECT_EQ(entry.typeKey(EntryCell::Score, 's', "a60"), KeyVerdict::Type);
    EXPECT_EQ(entry.typeKey(EntryCell::Score, '%', "A60"), KeyVerdict::Type);
    EXPECT_EQ(entry.typeKey(EntryCell::Score, 'x', "42"), KeyVerdict::Refuse);
    EXPECT_EQ(entry.lastError, 3);
    // A second wrong key clears the error state without a message.
    EXPECT_EQ(entry.typeKey(EntryCell::Score, 'n', "42"), KeyVerdict::Refuse);
    EXPECT_EQ(entry.lastError, 0);
    EXPECT_EQ(entry.typeKey(EntryCell::Contract, 'x', "4H"), KeyVerdict::Type);
    EXPECT_EQ(entry.typeKey(EntryCell::Contract, 'c', "4H"), KeyVerdict::MoveToResult);
    EXPECT_EQ(entry.typeKey(EntryCell::Contract, '-', "4"), KeyVerdict::Refuse);
    EXPECT_EQ(entry.typeKey(EntryCell::Contract, '+', "P"), KeyVerdict::MoveToResult);
    EXPECT_EQ(entry.typeKey(EntryCell::Contract, '*', "4"), KeyVerdict::Refuse);
    EXPECT_EQ(entry.typeKey(EntryCell::Result, '2', "-"), KeyVerdict::Type);
    EXPECT_EQ(entry.typeKey(EntryCell::Result, 'x', "-"), KeyVerdict::Refuse);
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Foutieve Score 42x", "Foutief Bod 4-",
                                                         "Foutief Bod 4*", "Resultaat niet corect -x"}));
}

TEST_F(EntryFixture, F5SwitchesToContractsOnlyWithContractsInUse) {
    EXPECT_FALSE(entry.toggleContractMode());
    EXPECT_TRUE(dialogs.messages.empty());
    club.CompetitionHead.ConfigFlags |= ConfigFlag::UseContracts;
    dialogs.answerYes();
    EXPECT_TRUE(entry.toggleContractMode());
    EXPECT_TRUE(entry.contractMode);
    dialogs.answerNo();
    EXPECT_FALSE(entry.toggleContractMode());
    EXPECT_TRUE(entry.contractMode);
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Wilt u Contracten invoeren ?", "Wilt u Scores invoeren ?"}));
}

TEST_F(EntryFixture, ClosingWithoutSavingAsksAndThrowsTheChangesAway) {
    EXPECT_TRUE(entry.mayClose());
    ASSERT_TRUE(entry.acceptScore(0, "420"));
    dialogs.answerYes(); // keep the form open
    EXPECT_FALSE(entry.mayClose());
    EXPECT_EQ(rec(1, 1).Score, 420);
    dialogs.answerNo();
    EXPECT_TRUE(entry.mayClose());
    EXPECT_EQ(rec(1, 1), TScoreObj{});
    EXPECT_EQ(rec(1, 5), TScoreObj{});
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Score-Bestand nog redden\r gebruik dan <Ok>",
                                                         "Score-Bestand nog redden\r gebruik dan <Ok>"}));
    // "OK" answered No closes without saving too, once the user agreed to lose the board.
    ASSERT_TRUE(entry.acceptScore(0, "420"));
    dialogs.answerNo();
    dialogs.answerYes();
    EXPECT_TRUE(entry.saveAll(true));
    EXPECT_EQ(dialogs.texts().back(),
              "Niet bewaarde scores: groep A spel 1\rDeze gaan verloren, toch sluiten ?");
    EXPECT_EQ(rec(1, 1), TScoreObj{});
    EXPECT_FALSE(entry.savedSinceOpen());
}

TEST_F(EntryFixture, TheCountListNeedsScores) {
    EXPECT_FALSE(entry.countList());
    EXPECT_EQ(dialogs.texts().back(), "Geen spellen gespeeld in Groep: A");
    ASSERT_TRUE(entry.acceptScore(0, "A60%"));
    EXPECT_TRUE(entry.countList());
}

TEST_F(SavingFixture, OkSavesEveryGroupWithASchedule) {
    ScoreEntry entry(club, Tables(), dialogs, hooks);
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420"));
    dialogs.answerYes();
    ASSERT_TRUE(entry.saveAll(true));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Ingevoerde scores bewaren ?"});
    EXPECT_EQ(counted, std::vector<int>{1}); // group B has no schedule
    EXPECT_TRUE(entry.savedSinceOpen());
    // What was saved is what a later close keeps.
    ASSERT_TRUE(entry.acceptScoreFor(1, 2, "400"));
    entry.discard();
    EXPECT_EQ(entry.record(1, 1).Score, 420);
    EXPECT_EQ(entry.record(1, 2).Code, 0);
}

TEST_F(SavingFixture, WithContractsAFailedSaveSpeaksOfBids) {
    club.CompetitionHead.ConfigFlags |= ConfigFlag::UseContracts;
    club.ScoreFilePath = folder.file("missing/club_1.sco");
    ScoreEntry entry(club, Tables(), dialogs, hooks);
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420"));
    EXPECT_FALSE(entry.saveGroup(false));
    EXPECT_EQ(dialogs.texts().back(), "Redden biedingen niet gelukt");
    EXPECT_FALSE(entry.saveAll(false));
    EXPECT_EQ(dialogs.texts().back(), "Redden van biednigen mislukt");
    EXPECT_EQ(entry.record(1, 1).Score, 420);
}

TEST_F(EntryFixture, ATableWhoseSidesDoNotComplementShowsTheDollarMark) {
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420$"));
    EXPECT_NE(rec(1, 1).Flags & ScoreFlag::NotComplement, 0);
    EXPECT_EQ(FormatScore(rec(1, 1)), " 420$");
    TScoreObj marked;
    marked.Code = rec(1, 1).Code;
    marked.Score = 420;
    marked.Flags = ScoreFlag::Remarkable | ScoreFlag::NotComplement;
    EXPECT_EQ(FormatScore(marked), " 420!$");
}

TEST(ScoreEntry, ImpossibleScoresSayTheScoreDoesNotExist) {
    Club club = MakeEntryClub();
    test::ScriptedDialogs dialogs;
    ScoreEntry entry(club, Tables(), dialogs);
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    EXPECT_FALSE(entry.acceptScoreFor(1, 1, "425"));
    EXPECT_EQ(entry.lastError, 1);
    EXPECT_FALSE(entry.acceptScoreFor(1, 1, "A101%"));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Score bestaat NIET 425", "Score bestaat NIET A101%"}));
}

TEST(ScoreEntry, APercentageWithATopAbove81MatchPointsIsTaken) {
    // 96 pairs in one group: a top of 94, so 100 % is 9400 hundredths.
    Club club = test::MakeSessionClub(96, 1, 2, 1, 2, 48);
    for (int t = 1; t <= 48; ++t)
        test::SetEntry(club, 1, t, 48, t, 48 + t, 'A');
    CalculatedEntry calculated(std::move(club));
    ScoreEntry& entry = calculated.entry;
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "A100%"));
    EXPECT_EQ(entry.record(1, 49).Score, 0);
    ASSERT_TRUE(entry.acceptScoreFor(1, 2, "M90"));
    EXPECT_EQ(entry.record(1, 50).Score, 40);
    EXPECT_TRUE(calculated.dialogs.messages.empty());
}

TEST(ScoreEntry, ReckonCountsTheTablesThatPlayedAgainEachTime) {
    CalculatedEntry calculated(WithoutNeuberg(MakeEntryClub()));
    ScoreEntry& entry = calculated.entry;
    test::ScriptedDialogs& dialogs = calculated.dialogs;
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "420"));
    dialogs.answerYes();
    ASSERT_TRUE(entry.compute());
    // One table played: top 0.
    EXPECT_EQ(entry.matchPointTexts[0][0], MatchPointColumnText(0, false));
    ASSERT_TRUE(entry.acceptScoreFor(1, 2, "400"));
    dialogs.answerYes();
    ASSERT_TRUE(entry.compute());
    // Two tables: top 2, and 420 beats 400.
    EXPECT_EQ(entry.matchPointTexts[0][0], MatchPointColumnText(20, false));
    EXPECT_EQ(entry.matchPointTexts[1][0], MatchPointColumnText(0, false));
}

namespace {
// The index in rows() of the row of `pair`.
int RowOfPair(const ScoreEntry& entry, int pair) {
    const auto rows = entry.rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].PairRow == pair)
            return static_cast<int>(i);
    return -1;
}
} // namespace

TEST(ScoreEntry, ATableTheComputationMarkedNotPlayedStaysMissingUntilTyped) {
    test::TempFolder folder;
    CalculatedEntry calculated(WithoutNeuberg(MakeEntryClub()));
    Club& club = calculated.club;
    club.ScoreFilePath = folder.file("club_1.sco");
    test::ScriptedDialogs& dialogs = calculated.dialogs;
    ScoreEntry& entry = calculated.entry;
    ASSERT_TRUE(entry.open(ScoreEntry::Mode::PerBoard));
    // Every table of group A typed but one: 2 v 7 on board 1.
    for (int b = 1; b <= 8; ++b) {
        ASSERT_TRUE(entry.goToBoard(b));
        for (const EntryRow& r : entry.rows()) {
            if (r.open() && r.NorthSouth && !(b == 1 && r.PairRow == 2)) {
                ASSERT_TRUE(entry.acceptScoreFor(b, r.PairRow, "110"));
            }
        }
    }
    ASSERT_TRUE(entry.goToBoard(1));
    const std::string oneMissing = "Groep A   Spel  1    ( 1 NZ-Score ontbreekt) ";
    EXPECT_EQ(entry.headerLine(), oneMissing);
    // Saved half-way, nothing is invented for the forgotten table.
    ASSERT_TRUE(entry.saveGroup(false));
    EXPECT_EQ(entry.record(1, 2).Code, ScoreCode::None);
    EXPECT_EQ(entry.record(1, 7).Code, ScoreCode::None);
    EXPECT_EQ(entry.headerLine(), oneMissing);
    const int ns = RowOfPair(entry, 2);
    const int ew = RowOfPair(entry, 7);
    ASSERT_GE(ns, 0);
    ASSERT_GE(ew, 0);
    EXPECT_EQ(entry.scoreText(ns, false), "");

    // "Verwerken" on the half-entered evening gives the table's two pairs the code 'O' ...
    MatchPointCalculation calc(MatchPointSettings::Of(club), club.SessionScoreList[0].Records, Tables(),
                               dialogs);
    CopyMatchPointsOptions options;
    options.askFirst = false;
    options.opponents = ScheduleOpponents(club);
    ASSERT_TRUE(CopyMatchPoints(club, calc, Tables(), dialogs, 1, 1, options));
    ASSERT_EQ(entry.record(1, 2).Code, ScoreCode::Absent);
    ASSERT_EQ(entry.record(1, 7).Code, ScoreCode::Absent);
    // ... which the window shows as not played and goes on counting as missing.
    EXPECT_EQ(entry.headerLine(), oneMissing);
    EXPECT_EQ(entry.scoreText(ns, false), "n.g.");
    EXPECT_EQ(entry.scoreText(ew, true), "n.g.");
    // Enter on the mark keeps it, without a message.
    const std::size_t said = dialogs.messages.size();
    EXPECT_TRUE(entry.acceptScore(ns, "n.g."));
    EXPECT_EQ(entry.record(1, 2).Code, ScoreCode::Absent);
    EXPECT_EQ(dialogs.messages.size(), said);
    // An 'O' typed is the user's: shown as typed and not missing.
    ASSERT_TRUE(entry.acceptScoreFor(1, 1, "o"));
    EXPECT_EQ(entry.scoreText(RowOfPair(entry, 1), false), "O");
    EXPECT_EQ(entry.headerLine(), oneMissing);
    // The forgotten score typed at last.
    ASSERT_TRUE(entry.acceptScoreFor(1, 2, "420"));
    EXPECT_EQ(entry.headerLine(), "Groep A   Spel  1    ( 0 NZ-Scores ontbreken)");
    EXPECT_EQ(entry.scoreText(ns, false), " 420");
    EXPECT_EQ(entry.scoreText(ew, true), "-420");
    EXPECT_EQ(entry.record(1, 7).Flags, ScoreFlag::EastWest);
}
