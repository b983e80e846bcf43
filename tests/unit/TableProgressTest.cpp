#include "terminals/TableProgress.h"

#include "support/LoadedScoreTables.h"
#include "support/NullDialogs.h"
#include "support/SessionClub.h"
#include "support/TempFolder.h"
#include "terminals/LanAddress.h"
#include "terminals/TableTerminals.h"

#include <gtest/gtest.h>

using namespace velk;
using namespace velk::terminals;

namespace {

// Round 1: A1 plays boards 1-2, A2 3-4, A3 5-6, A4 7-8; round 2 each table the group before.
struct ProgressFixture : ::testing::Test {
    test::TempFolder folder{"progress"};
    Club club = test::MakeTwoRoundClub();
    TableTerminals terminals{club, test::LoadedScoreTables(), folder.file("club_journal1.jsonl")};

    void SetUp() override {
        ASSERT_TRUE(terminals.ready()) << terminals.problem();
        terminals.issuePins();
    }
    void enter(const std::string& label, int board) {
        std::string pin;
        for (const auto& t : terminals.tables())
            if (t.label == label)
                pin = t.pin;
        const auto r =
            terminals.handle({"PUT", "/api/v1/tables/" + label + "/boards/" + std::to_string(board), pin,
                              R"({"score":"A50%"})", "10.0.0.1"},
                             {});
        ASSERT_EQ(r.status, 200) << r.body;
    }
    std::vector<TableProgress> progress() { return ProgressOf(terminals, 2); }
};

} // namespace

TEST_F(ProgressFixture, ATableIsBehindWhenHalfTheTablesArePastItsRound) {
    auto p = progress();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].label, "A1");
    EXPECT_EQ(p[0].pin, terminals.tables()[0].pin);
    EXPECT_EQ(p[0].round, 1);
    EXPECT_EQ(p[0].entered, 0);
    EXPECT_EQ(p[0].total, 4);
    EXPECT_EQ(BehindText(p), "");

    // One table of four on to round 2: the first to finish makes no one late.
    enter("A1", 1);
    enter("A1", 2);
    p = progress();
    EXPECT_EQ(p[0].round, 2);
    EXPECT_EQ(p[0].entered, 2);
    EXPECT_EQ(BehindText(p), "");
    // Half of the room on: the other half is behind.
    enter("A2", 3);
    EXPECT_EQ(BehindText(progress()), "");
    enter("A2", 4);
    EXPECT_EQ(BehindText(progress()), "Achter: A3 (ronde 1), A4 (ronde 1)");
    enter("A3", 5);
    enter("A3", 6);
    EXPECT_EQ(BehindText(progress()), "Achter: A4 (ronde 1)");

    // A1 done with both rounds: it is no one's measure of lateness for the tables in round 2.
    enter("A1", 7);
    enter("A1", 8);
    p = progress();
    EXPECT_TRUE(p[0].done);
    EXPECT_EQ(RoundText(p[0]), "klaar");
    EXPECT_EQ(RoundText(p[1]), "2");
    EXPECT_EQ(p[0].entered, 4);
    EXPECT_EQ(BehindText(p), "Achter: A4 (ronde 1)");
}

TEST(TableProgressText, TheStatusBarNamesEachTableBehindWithItsRound) {
    std::vector<TableProgress> tables(4);
    tables[0] = {"A1", "", 3, false, 4, 10, false};
    tables[1] = {"A3", "", 2, false, 2, 10, true};
    tables[2] = {"B1", "", 2, false, 3, 10, true};
    tables[3] = {"B2", "", 3, false, 4, 10, false};
    EXPECT_EQ(BehindText(tables), "Achter: A3 (ronde 2), B1 (ronde 2)");
}

TEST(PhoneAddress, ABoundAddressIsTheOneThePhonesUseEveryInterfaceTheFirstOnTheNetwork) {
    EXPECT_EQ(PhoneAddress("127.0.0.1", 8080), "http://127.0.0.1:8080/");
    EXPECT_EQ(PhoneAddress("192.168.1.20", 80), "http://192.168.1.20:80/");
    const std::string lan = FirstLanAddress();
    EXPECT_EQ(lan.rfind("127.", 0), std::string::npos);
    EXPECT_EQ(PhoneAddress("0.0.0.0", 8080),
              "http://" + (lan.empty() ? std::string("127.0.0.1") : lan) + ":8080/");
}
