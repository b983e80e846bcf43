#include "core/files/LeadFile.h"
#include "support/LoadedScoreTables.h"
#include "support/SessionClub.h"
#include "support/TempFolder.h"
#include "terminals/TableTerminals.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using test::ReadText;
using namespace velk::terminals;

namespace {

// Table A1 plays boards 1-2 with pair 1 North-South against pair 5, A2 boards 3-4 with pair 2
// against pair 6; the competition is club.dba in the fixture's folder.
Club MakeLeadsClub(const test::TempFolder& folder) {
    Club club = test::MakeTwoRoundClub();
    club.ClubFilePath = folder.file("club.dba");
    club.ScoreFilePath = folder.file("club.sco");
    return club;
}

// East-West 4 hearts doubled one down on board 2 (East-West not vulnerable): 100 to North-South.
constexpr const char* kBoard2 = R"({"contract":"4HX","declarer":"O","result":"-1","lead":"SA"})";
constexpr const char* kBoard2Answer =
    R"("2":{"ns":100,"ew":-100,"contract":"4HX","result":"-1","text":"100","lead":"SA"})";

struct LeadsFixture : ::testing::Test {
    test::TempFolder folder{"leads"};
    Club club = MakeLeadsClub(folder);
    std::string journal = folder.file("club_journal1.jsonl");
    std::string leadsPath = folder.file("club_uitkomst1.txt");
    TableTerminals terminals{club, test::LoadedScoreTables(), journal};
    WrongPinLimit::Clock::time_point now{};

    void SetUp() override {
        ASSERT_TRUE(terminals.ready()) << terminals.problem();
        terminals.issuePins();
    }
    TableResponse on(TableTerminals& at, const std::string& method, const std::string& path,
                     const std::string& body = "") {
        std::string pin;
        for (const auto& t : at.tables())
            if (path.find("/" + t.label + "/") != std::string::npos)
                pin = t.pin;
        return at.handle({method, path, pin, body, "10.0.0.1"}, now);
    }
    TableResponse put(const std::string& path, const std::string& body) {
        return on(terminals, "PUT", path, body);
    }
    // Board 2 at A1 as kBoard2; 3NT+1 by South on board 3 at A2, not vulnerable: 430.
    void enterBoardsTwoAndThree(const std::string& leadOf3) {
        ASSERT_EQ(put("/api/v1/tables/A1/boards/2", kBoard2).status, 200);
        ASSERT_EQ(put("/api/v1/tables/A2/boards/3",
                      R"({"contract":"3A","declarer":"Z","result":"+1","lead":")" + leadOf3 + "\"}")
                      .status,
                  200);
    }
    std::string round(TableTerminals& at, const std::string& label) {
        return on(at, "GET", "/api/v1/tables/" + label + "/rounds/1").body;
    }
};

} // namespace

TEST_F(LeadsFixture, AnEntrysLeadIsKeptChangedOnlyByACorrectionAndClearedByAScore) {
    // The lead of board 3 in Dutch letters (ruiten vrouw).
    enterBoardsTwoAndThree("rv");
    EXPECT_EQ(round(terminals, "A1"),
              std::string(R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{)") + kBoard2Answer + "}}");
    EXPECT_EQ(terminals.leads(), (std::vector<KeptLead>{{'A', 2, 1, "SA"}, {'A', 3, 2, "DQ"}}));

    // The same entry again (a lost answer) is no conflict; another lead from another phone is.
    EXPECT_EQ(put("/api/v1/tables/A1/boards/2", kBoard2).status, 200);
    auto r =
        put("/api/v1/tables/A1/boards/2", R"({"contract":"4HX","declarer":"O","result":"-1","lead":"S2"})");
    EXPECT_EQ(r.status, 409);
    EXPECT_EQ(r.body, R"j({"error":"Spel 2 is al ingevoerd: 4HX -1 (100)"})j");
    // A dry run of a correction keeps the lead as it was.
    r = put("/api/v1/tables/A1/boards/2",
            R"({"contract":"4HX","declarer":"O","result":"-1","lead":"S2","previous":"100","check":true})");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(LeadAt(terminals.leads(), 'A', 2, 1), "SA");
    // The correction itself changes it; without a lead it clears it, as a plain score does.
    EXPECT_EQ(put("/api/v1/tables/A1/boards/2",
                  R"({"contract":"4HX","declarer":"O","result":"-1","lead":"S2","previous":"100"})")
                  .status,
              200);
    EXPECT_EQ(LeadAt(terminals.leads(), 'A', 2, 1), "S2");
    EXPECT_EQ(put("/api/v1/tables/A2/boards/3", R"({"score":430,"previous":"430"})").status, 200);
    EXPECT_EQ(LeadAt(terminals.leads(), 'A', 3, 2), "");
    EXPECT_EQ(put("/api/v1/tables/A1/boards/2",
                  R"({"contract":"4HX","declarer":"O","result":"-1","previous":"100"})")
                  .status,
              200);
    EXPECT_TRUE(terminals.leads().empty());
    EXPECT_EQ(round(terminals, "A1"),
              R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{"2":{"ns":100,"ew":-100,)"
              R"("contract":"4HX","result":"-1","text":"100"}}})");
}

TEST_F(LeadsFixture, LeadsComeBackFromTheJournalAndAreSavedWithTheScoreFile) {
    enterBoardsTwoAndThree("H10");
    ASSERT_EQ(put("/api/v1/tables/A2/boards/4", R"({"score":0})").status, 200);

    // After a crash: the score file and the leads file have nothing yet.
    EXPECT_FALSE(std::filesystem::exists(leadsPath));
    Club fresh = MakeLeadsClub(folder);
    TableTerminals again(fresh, test::LoadedScoreTables(), journal);
    ASSERT_TRUE(again.ready()) << again.problem();
    EXPECT_EQ(again.restore(), 3);
    EXPECT_EQ(again.leads(), (std::vector<KeptLead>{{'A', 2, 1, "SA"}, {'A', 3, 2, "H10"}}));

    ASSERT_TRUE(again.save()) << again.lastMessage();
    EXPECT_TRUE(std::filesystem::exists(folder.file("club.sco")));
    EXPECT_EQ(ReadText(leadsPath), "velk-uitkomst 1\nA 2 1 SA\nA 3 2 H10\n");
    EXPECT_EQ(ReadText(journal), "");

    // The next server over the saved session has them from the file, and says them to the phones.
    Club saved = MakeLeadsClub(folder);
    saved.SessionScoreList = fresh.SessionScoreList;
    TableTerminals next(saved, test::LoadedScoreTables(), journal);
    ASSERT_TRUE(next.ready()) << next.problem();
    next.issuePins();
    EXPECT_EQ(next.restore(), 0);
    EXPECT_EQ(next.leads(), again.leads());
    EXPECT_EQ(round(next, "A1"),
              std::string(R"({"round":1,"ns":1,"ew":5,"boards":[1,2],"entered":{)") + kBoard2Answer + "}}");
}

TEST_F(LeadsFixture, ASessionWithoutLeadsWritesNoLeadsFileAndAFailedOneKeepsTheJournal) {
    ASSERT_EQ(put("/api/v1/tables/A1/boards/1", R"({"score":420})").status, 200);
    ASSERT_TRUE(terminals.save()) << terminals.lastMessage();
    EXPECT_FALSE(std::filesystem::exists(leadsPath));

    ASSERT_EQ(put("/api/v1/tables/A1/boards/2", kBoard2).status, 200);
    // A folder where the leads file goes: the score file is written, the journal stays.
    std::filesystem::create_directory(leadsPath);
    EXPECT_FALSE(terminals.save());
    EXPECT_EQ(terminals.lastMessage(), "Uitkomsten niet bewaard: " + leadsPath);
    EXPECT_NE(ReadText(journal), "");
}

TEST(TableTerminalLeads, ADamagedLeadsFileIsSetAsideAndSaid) {
    test::TempFolder folder{"leads"};
    Club club = MakeLeadsClub(folder);
    const std::string path = folder.file("club_uitkomst1.txt");
    test::WriteBytes(path, {'v', 'e', 'l', 'k'});
    TableTerminals terminals(club, test::LoadedScoreTables(), folder.file("club_journal1.jsonl"));
    ASSERT_TRUE(terminals.ready()) << terminals.problem();
    EXPECT_TRUE(terminals.leads().empty());
    EXPECT_EQ(terminals.leadNotice(),
              "Uitkomstenbestand niet correct: " + path + "; opzij gezet, de uitkomsten beginnen opnieuw");
    EXPECT_EQ(ReadText(path + ".~bad"), "velk");
}
