#include "terminals/TableTerminals.h"

#include "support/LoadedScoreTables.h"
#include "support/SessionClub.h"
#include "support/TempFolder.h"
#include "terminals/TablePins.h"
#include "terminals/TableRequest.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>

using namespace velk;
using namespace velk::terminals;

namespace {

// Table A1 plays boards 1-2 against pair 5, then boards 7-8 against pair 6.
Club MakeTerminalClub() {
    return test::MakeTwoRoundClub();
}

struct TerminalFixture : ::testing::Test {
    test::TempFolder folder{"terminals"};
    Club club = MakeTerminalClub();
    TableTerminals terminals{club, test::LoadedScoreTables(), folder.file("club_journal1.jsonl")};
    WrongPinLimit::Clock::time_point now{};

    void SetUp() override {
        ASSERT_TRUE(terminals.ready()) << terminals.problem();
        terminals.issuePins();
    }
    std::string pin(const std::string& label) const {
        for (const auto& t : terminals.tables())
            if (t.label == label)
                return t.pin;
        return {};
    }
    TableResponse get(const std::string& path, const std::string& label = "A1",
                      const std::string& client = "10.0.0.1") {
        return terminals.handle({"GET", path, pin(label), "", client}, now);
    }
    TableResponse put(const std::string& path, const std::string& body, const std::string& label = "A1") {
        return terminals.handle({"PUT", path, pin(label), body, "10.0.0.1"}, now);
    }
};

} // namespace

TEST_F(TerminalFixture, TablesAreTheScheduleTablesWithSixDigitPinsEachTheirOwn) {
    ASSERT_EQ(terminals.tables().size(), 4u);
    std::set<std::string> pins;
    for (const auto& t : terminals.tables()) {
        EXPECT_EQ(t.pin.size(), 6u);
        EXPECT_EQ(t.pin.find_first_not_of("0123456789"), std::string::npos);
        pins.insert(t.pin);
    }
    EXPECT_EQ(terminals.tables().front().label, "A1");
    EXPECT_EQ(terminals.tables().back().label, "A4");
    // Four PINs of a million each: a repeat is a one-in-a-hundred-thousand event.
    EXPECT_EQ(pins.size(), 4u);
}

TEST_F(TerminalFixture, RoundAndEntriesAnswerWithTheirStatusesAndDutchMessages) {
    EXPECT_EQ(get("/api/v1/tables/A1").body, R"({"table":"A1","round":1,"rounds":[1,2]})");
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/1").body,
              R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{}})");

    // North-South makes 4 hearts: 420 not vulnerable on board 1.
    auto r = put("/api/v1/tables/A1/boards/1", R"({"score": 420})");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, R"({"ns":420,"ew":-420})");
    // East-West 4 hearts doubled one down on board 2 (East-West not vulnerable): 100 to North-South.
    r = put("/api/v1/tables/A1/boards/2", R"({"contract":"4hx","declarer":"O","result":"-1","lead":"SA"})");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, R"({"ns":100,"ew":-100})");
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/1").body,
              R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{"1":{"ns":420,"ew":-420,"text":"420"},)"
              R"("2":{"ns":100,"ew":-100,"contract":"4HX","result":"-1","text":"100","lead":"SA"}}})");

    // A score the window refuses: its message.
    r = put("/api/v1/tables/A1/boards/1", R"({"score": 425, "previous": "420"})");
    EXPECT_EQ(r.status, 400);
    EXPECT_EQ(r.body, R"({"error":"Score bestaat NIET 425"})");
    EXPECT_EQ(put("/api/v1/tables/A1/boards/1", R"({"contract":"9S","declarer":"N","result":"C"})").body,
              R"({"error":"Foutief Bod 9S"})");
    EXPECT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score": [420]})").status, 400);
    EXPECT_EQ(put("/api/v1/tables/A1/boards/1", R"({"contract":"4H","declarer":"X","result":"C"})").body,
              R"({"error":"Leider bestaat NIET X"})");

    // A second phone's other result is refused naming the first; the same result again is fine.
    r = put("/api/v1/tables/A1/boards/1", R"({"score": 450})");
    EXPECT_EQ(r.status, 409);
    EXPECT_EQ(r.body, R"({"error":"Spel 1 is al ingevoerd: 420"})");
    EXPECT_EQ(put("/api/v1/tables/A1/boards/2", R"({"score": -200})").body,
              R"j({"error":"Spel 2 is al ingevoerd: 4HX -1 (100)"})j");
    EXPECT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score": "420"})").status, 200);
    // A correction names what it corrects.
    r = put("/api/v1/tables/A1/boards/1", R"({"score": 450, "previous": "420"})");
    EXPECT_EQ(r.body, R"({"ns":450,"ew":-450})");

    // Boards of another table, and of a round not yet begun.
    r = put("/api/v1/tables/A1/boards/3", R"({"score": 420})");
    EXPECT_EQ(r.status, 404);
    EXPECT_EQ(r.body, R"({"error":"Spel 3 wordt niet gespeeld aan tafel A1"})");
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/3").status, 404);
    EXPECT_EQ(get("/api/v1/tables/Z9/rounds/1").status, 404);
    EXPECT_EQ(get("/api/v1/tables/A1/../../etc/passwd").status, 404);
    EXPECT_EQ(put("/api/v1/tables/A2/boards/1", R"({"score": 420})", "A2").status, 403);
}

TEST_F(TerminalFixture, APinOpensOnlyItsOwnTable) {
    EXPECT_EQ(terminals.handle({"GET", "/api/v1/tables/A1/rounds/1", "", "", "10.0.0.1"}, now).body,
              R"({"error":"PIN ontbreekt"})");
    // A2's PIN on A1's boards.
    const auto r = terminals.handle(
        {"PUT", "/api/v1/tables/A1/boards/1", pin("A2"), R"({"score":420})", "10.0.0.1"}, now);
    EXPECT_EQ(r.status, 401);
    EXPECT_EQ(r.body, R"({"error":"PIN onjuist"})");
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/1").body.find("\"entered\":{}") != std::string::npos, true);
}

TEST_F(TerminalFixture, TheRoundMovesOnAndThePreviousStaysCorrectableUntilTheNextBegins) {
    ASSERT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score":420})").status, 200);
    EXPECT_EQ(put("/api/v1/tables/A1/boards/7", R"({"score":420})").status, 403);
    ASSERT_EQ(put("/api/v1/tables/A1/boards/2", R"({"score":"-50"})").status, 200);
    EXPECT_EQ(get("/api/v1/tables/A1").body, R"({"table":"A1","round":2,"rounds":[1,2]})");
    // Round 2 has no entry yet: round 1 may still be corrected.
    EXPECT_EQ(put("/api/v1/tables/A1/boards/2", R"({"score":"-100","previous":"-50"})").status, 200);
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/2").body,
              R"({"round":2,"ns":1,"ew":6,"boards":[7,8],"entered":{}})");
    ASSERT_EQ(put("/api/v1/tables/A1/boards/7", R"({"score":"A60%"})").status, 200);
    EXPECT_EQ(put("/api/v1/tables/A1/boards/2", R"({"score":"-200","previous":"-100"})").status, 403);
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/1").status, 403);
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/2").body,
              R"({"round":2,"ns":1,"ew":6,"boards":[7,8],"entered":{"7":{"ns":60,"ew":40,"text":"A60%"}}})");
}

TEST_F(TerminalFixture, WrongPinsLockTheTableAndTheAddressOutForAWhile) {
    const TableRequestIn wrong{"GET", "/api/v1/tables/A1/rounds/1", "000000", "", "10.0.0.9"};
    for (int i = 1; i < WrongPinLimit::kAllowed; ++i)
        EXPECT_EQ(terminals.handle(wrong, now).status, pin("A1") == "000000" ? 200 : 401);
    if (pin("A1") == "000000")
        GTEST_SKIP() << "the PIN drawn was the one guessed";
    EXPECT_EQ(terminals.handle(wrong, now).status, 429);
    // Locked: the right PIN from another phone waits too, until the lock-out has passed.
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/1", "A1", "10.0.0.2").status, 429);
    EXPECT_EQ(get("/api/v1/tables/A2/rounds/1", "A2", "10.0.0.2").status, 200);
    now += WrongPinLimit::kLockOut;
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/1", "A1", "10.0.0.2").status, 200);

    // One address guessing at every table is locked out everywhere, its own right PIN in between
    // or not.
    for (int i = 0; i < WrongPinLimit::kAllowed; ++i) {
        if (i == 2) {
            EXPECT_EQ(get("/api/v1/tables/A4/rounds/1", "A4", "10.0.0.66").status, 200);
        }
        const std::string label = "A" + std::to_string(i % 4 + 1);
        terminals.handle({"GET", "/api/v1/tables/" + label + "/rounds/1", "x", "", "10.0.0.66"}, now);
    }
    EXPECT_EQ(get("/api/v1/tables/A3/rounds/1", "A3", "10.0.0.66").status, 429);
    EXPECT_EQ(get("/api/v1/tables/A3/rounds/1", "A3", "10.0.0.3").status, 200);
}

TEST_F(TerminalFixture, AcceptedEntriesComeBackFromTheJournal) {
    ASSERT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score":420})").status, 200);
    ASSERT_EQ(
        put("/api/v1/tables/A2/boards/3", R"({"contract":"3A","declarer":"Z","result":"+1"})", "A2").status,
        200);
    ASSERT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score":450,"previous":420})").status, 200);
    EXPECT_EQ(put("/api/v1/tables/A1/boards/2", R"({"score":425})").status, 400);
    // A line cut short by the crash was never answered.
    std::ofstream(folder.file("club_journal1.jsonl"), std::ios::app) << R"({"table":"A1","board":2,"en)";

    // The same session as the score file still has it: nothing entered.
    Club fresh = MakeTerminalClub();
    TableTerminals again(fresh, test::LoadedScoreTables(), folder.file("club_journal1.jsonl"));
    ASSERT_TRUE(again.ready());
    EXPECT_EQ(again.restore(), 3);
    EXPECT_TRUE(again.unsaved());
    const auto& records = fresh.SessionScoreList.front().Records;
    const auto at = [&](int board, int pair) {
        return records[static_cast<std::size_t>(ScoreRecordIndex(1, board, pair, 8, 8))];
    };
    // Board 1 at A1 corrected to 450; board 3 at A2 (pairs 2 v 6, board 3 not vulnerable): 3NT+1 = 430.
    EXPECT_EQ(at(1, 1).Score, 450);
    EXPECT_EQ(at(1, 5).Score, -450);
    EXPECT_EQ(at(3, 2).Score, 430);
    EXPECT_EQ(at(3, 2).Contract.get(), "3SA");
    EXPECT_EQ(at(3, 6).Score, -430);
    EXPECT_TRUE(AwaitsScore(at(2, 1)));
}

TEST_F(TerminalFixture, TheTableListNeedsNoPinAndTellsOnlyTheLabels) {
    const auto r = terminals.handle({"GET", "/api/v1/tables", "", "", "10.0.0.1"}, now);
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, R"({"tables":["A1","A2","A3","A4"]})");
    EXPECT_EQ(terminals.handle({"PUT", "/api/v1/tables", "", "{}", "10.0.0.1"}, now).status, 405);
    EXPECT_EQ(terminals.handle({"GET", "/api/v1/tables/", "", "", "10.0.0.1"}, now).status, 404);
}

TEST_F(TerminalFixture, ADryRunScoresAsAnEntryButKeepsNothing) {
    const auto journalLines = [&] {
        std::ifstream in(folder.file("club_journal1.jsonl"));
        int n = 0;
        for (std::string line; std::getline(in, line);)
            ++n;
        return n;
    };
    const std::string empty = R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{}})";
    auto r = put("/api/v1/tables/A1/boards/1", R"({"score": 420, "check": true})");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, R"({"ns":420,"ew":-420})");
    // East-West 4 hearts doubled one down on board 2, East-West not vulnerable: 100.
    r = put("/api/v1/tables/A1/boards/2", R"({"contract":"4HX","declarer":"O","result":"-1","check":true})");
    EXPECT_EQ(r.body, R"({"ns":100,"ew":-100})");
    // A board passed out scores nothing.
    r = put("/api/v1/tables/A1/boards/2", R"({"contract":"P","declarer":"N","result":"C","check":true})");
    EXPECT_EQ(r.body, R"({"ns":0,"ew":0})");
    EXPECT_EQ(get("/api/v1/tables/A1/rounds/1").body, empty);
    EXPECT_EQ(journalLines(), 0);
    EXPECT_FALSE(terminals.unsaved());

    // The same refusals as a real entry.
    EXPECT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score": 425, "check": true})").body,
              R"({"error":"Score bestaat NIET 425"})");
    EXPECT_EQ(
        put("/api/v1/tables/A1/boards/1", R"({"contract":"9S","declarer":"N","result":"C","check":true})")
            .body,
        R"({"error":"Foutief Bod 9S"})");
    EXPECT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score": 420, "check": "ja"})").status, 400);
    EXPECT_EQ(put("/api/v1/tables/A1/boards/3", R"({"score": 420, "check": true})").status, 404);
    EXPECT_EQ(put("/api/v1/tables/A1/boards/7", R"({"score": 420, "check": true})").status, 403);
    EXPECT_EQ(
        terminals
            .handle({"PUT", "/api/v1/tables/A1/boards/1", "", R"({"score":420,"check":true})", "10.0.0.1"},
                    now)
            .status,
        401);

    // Over an entered board: a conflict without `previous`, a correction with it; neither stays.
    ASSERT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score": 420})").status, 200);
    ASSERT_EQ(journalLines(), 1);
    r = put("/api/v1/tables/A1/boards/1", R"({"score": 450, "check": true})");
    EXPECT_EQ(r.status, 409);
    EXPECT_EQ(r.body, R"({"error":"Spel 1 is al ingevoerd: 420"})");
    r = put("/api/v1/tables/A1/boards/1", R"({"score": 450, "previous": "420", "check": true})");
    EXPECT_EQ(r.body, R"({"ns":450,"ew":-450})");
    EXPECT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score": 420, "check": true})").status, 200);
    EXPECT_EQ(
        get("/api/v1/tables/A1/rounds/1").body,
        R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{"1":{"ns":420,"ew":-420,"text":"420"}}})");
    EXPECT_EQ(journalLines(), 1);
    // The records the score file is written from hold the real entry alone.
    const auto& records = club.SessionScoreList.front().Records;
    EXPECT_EQ(records[static_cast<std::size_t>(ScoreRecordIndex(1, 1, 1, 8, 8))].Score, 420);
    EXPECT_TRUE(AwaitsScore(records[static_cast<std::size_t>(ScoreRecordIndex(1, 2, 1, 8, 8))]));
}

TEST(TableRequest, PathsAndBodiesOutsideTheFormAreRefused) {
    const auto p = ParseTablePath("/api/v1/tables/B3/boards/12");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->label, "B3");
    EXPECT_EQ(p->kind, TablePath::Kind::Board);
    EXPECT_EQ(p->number, 12);
    for (const char* bad :
         {"/api/v1/tables/", "/api/v1/tables/A1/", "/api/v1/tables/A1/boards/0",
          "/api/v1/tables/A1/boards/012", "/api/v1/tables/A1/boards/1000", "/api/v1/tables/A1/boards/1/",
          "/api/v1/tables/A%31/rounds/1", "/api/v1/tables/A1234567/rounds/1", "/api/v1/tables/A1/moves/1",
          "/api/v2/tables/A1"})
        EXPECT_FALSE(ParseTablePath(bad)) << bad;
    std::string problem;
    EXPECT_TRUE(ParseBoardBody(R"({"score":"A60%"})", problem));
    for (const char* bad :
         {"", "420", "[]", R"({"score":420,"contract":"4H"})", R"({"score":{"a":1}})", R"({"score":1e3})",
          R"({"score":"420","extra":1})", R"({"contract":"4H","declarer":"N","result":"C","lead":"X9"})",
          R"({"score":"42\u0000"})"}) {
        EXPECT_FALSE(ParseBoardBody(bad, problem)) << bad;
        EXPECT_FALSE(problem.empty());
    }
    EXPECT_FALSE(ParseBoardBody(std::string(2000, ' ') + R"({"score":420})", problem));
    EXPECT_FALSE(ParseBoardBody(std::string(100, '[') + std::string(100, ']'), problem));
}

TEST(TablePins, ComparedWhole) {
    EXPECT_TRUE(PinMatches("123456", "123456"));
    EXPECT_FALSE(PinMatches("123456", "12345"));
    EXPECT_FALSE(PinMatches("123456", "1234567"));
    EXPECT_FALSE(PinMatches("123456", "123457"));
    EXPECT_FALSE(PinMatches("", ""));
}

TEST_F(TerminalFixture, ACorrectionReplacesTheWholeEntryOfTheBoard) {
    // East-West declared; the correction is a plain score: the old contract must not stay beside it.
    ASSERT_EQ(put("/api/v1/tables/A1/boards/2", R"({"contract":"4HX","declarer":"O","result":"-1"})").status,
              200);
    ASSERT_EQ(put("/api/v1/tables/A1/boards/2", R"({"score":"-100","previous":"100"})").status, 200);
    EXPECT_EQ(
        get("/api/v1/tables/A1/rounds/1").body,
        R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{"2":{"ns":-100,"ew":100,"text":"-100"}}})");
    // North-South declared first, then the phone says East made 3SA: only East-West's contract
    // remains (400 to East-West, not vulnerable).
    ASSERT_EQ(put("/api/v1/tables/A1/boards/1", R"({"contract":"4H","declarer":"N","result":"C"})").status,
              200);
    ASSERT_EQ(put("/api/v1/tables/A1/boards/1",
                  R"({"contract":"3SA","declarer":"O","result":"C","previous":"420"})")
                  .body,
              R"({"ns":-400,"ew":400})");
    const std::string round = get("/api/v1/tables/A1/rounds/1").body;
    EXPECT_NE(round.find(R"("1":{"ns":-400,"ew":400,"contract":"3SA","result":"C","text":"-400"})"),
              std::string::npos)
        << round;
}
