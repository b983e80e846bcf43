#include "terminals/LiveResultsSite.h"

#include "core/SilentDialogs.h"
#include "reports/ResultsSite.h"
#include "reports/SiteStyleSheet.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/StoredMatchPoints.h"
#include "support/LoadedScoreTables.h"
#include "support/SessionClub.h"
#include "support/TempFolder.h"
#include "terminals/TableTerminals.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace velk;
using namespace velk::terminals;

namespace {

constexpr const char* kNoResults = "Nog geen uitslag: er is nog geen spel door alle tafels gespeeld.";

// Group A of the two-round club: each board is played at two tables, one in each round
// (board 1 by A1 in round 1, pair 1 against 5, and by A2 in round 2, pair 2 against 7).
struct LiveSiteFixture : ::testing::Test {
    test::TempFolder folder{"live-site"};
    Club club = test::MakeTwoRoundClub();
    TableTerminals terminals{club, test::LoadedScoreTables(), folder.file("club_journal1.jsonl")};
    LiveResultsSite site{club, test::LoadedScoreTables()};
    LiveResultsSite::Clock::time_point t0{};

    void SetUp() override {
        ASSERT_TRUE(terminals.ready()) << terminals.problem();
        terminals.issuePins();
    }
    void enter(const std::string& label, int board, const std::string& body) {
        std::string pin;
        for (const auto& t : terminals.tables())
            if (t.label == label)
                pin = t.pin;
        const auto r = terminals.handle(
            {"PUT", "/api/v1/tables/" + label + "/boards/" + std::to_string(board), pin, body, "10.0.0.1"},
            {});
        ASSERT_EQ(r.status, 200) << label << " board " << board << ": " << r.body;
    }
    std::string content(const std::string& name, LiveResultsSite::Clock::time_point at) {
        const auto page = site.page(name, at);
        return page ? page->content : "(geen pagina)";
    }
    // Round 1 of every table, then round 2: the whole session of group A.
    void playEverything() {
        // Part scores: the same whatever the vulnerability.
        const int nsScores[2][8] = {{110, 90, -110, 130, 170, -90, 80, 120},
                                    {140, 120, -140, 150, 140, -120, 110, 150}};
        for (int round = 1; round <= 2; ++round)
            for (int t = 1; t <= 4; ++t) {
                const int first = 2 * (((t - round) % 4 + 4) % 4) + 1;
                for (int b = first; b < first + 2; ++b)
                    enter("A" + std::to_string(t), b,
                          R"({"score": )" + std::to_string(nsScores[round - 1][b - 1]) + "}");
            }
    }
};

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST_F(LiveSiteFixture, OnlyTheSitesOwnPageNamesAreServedAndNothingBeforeABoardIsComplete) {
    const std::string index = content("", t0);
    EXPECT_NE(index.find(kNoResults), std::string::npos) << index;
    EXPECT_EQ(content("index.html", t0), index);
    EXPECT_EQ(content("site.css", t0), kSiteStyleSheet);
    EXPECT_EQ(SiteContentType("site.css"), std::string("text/css; charset=utf-8"));
    EXPECT_EQ(SiteContentType("index.html"), std::string("text/html; charset=utf-8"));
    EXPECT_FALSE(site.page("spel-1.html", t0));
    EXPECT_FALSE(site.page("seizoen.html", t0));

    // Board 1 entered at one of its two tables only: still nothing to show, however late.
    enter("A1", 1, R"({"score": 110})");
    EXPECT_NE(content("", t0 + std::chrono::minutes(1)).find(kNoResults), std::string::npos);
    EXPECT_FALSE(site.page("spel-1.html", t0 + std::chrono::minutes(1)));

    playEverything();
    const auto later = t0 + std::chrono::minutes(2);
    ASSERT_TRUE(site.page("spel-1.html", later));
    for (const char* name : {"../club_journal1.jsonl", "/etc/passwd", "..%2Fclub_journal1.jsonl",
                             "index.html/", "INDEX.HTML", "./index.html", "spel-1.html?x",
                             "uitslag/index.html", "spel-01.html", "paar-B1.html", "club.dba", "spel-9.html"})
        EXPECT_FALSE(site.page(name, later)) << name;
}

TEST_F(LiveSiteFixture, EntriesShowWithinTheRefreshAndBoardsStillInPlayStayHidden) {
    EXPECT_NE(content("", t0).find(kNoResults), std::string::npos);
    // Board 1 at both its tables (A2 first plays its round-1 boards 3 and 4).
    enter("A1", 1, R"({"score": 420})");
    enter("A2", 3, R"({"score": -50})");
    enter("A2", 4, R"({"score": 100})");
    enter("A2", 1, R"({"score": 450})");

    // Within the refresh the page built before stands; after it the board is there.
    const auto soon = t0 + LiveResultsSite::kRefresh - std::chrono::milliseconds(1);
    EXPECT_NE(content("", soon).find(kNoResults), std::string::npos);
    EXPECT_FALSE(site.page("spel-1.html", soon));
    const auto after = t0 + LiveResultsSite::kRefresh;
    const std::string board = content("spel-1.html", after);
    EXPECT_NE(board.find("<td class=\"n\">420</td><td class=\"n\">-420</td>"), std::string::npos) << board;
    EXPECT_NE(board.find("<td class=\"n\">450</td><td class=\"n\">-450</td>"), std::string::npos) << board;
    // Board 3 has been played at A2 only: its results are not shown to those still to play it.
    const std::string other = content("spel-3.html", after);
    EXPECT_EQ(other.find("-50</td>"), std::string::npos) << other;
    EXPECT_EQ(content("", after).find(kNoResults), std::string::npos);

    // Nothing changed: the page is not made again, whatever the time.
    const auto a = site.page("index.html", after + std::chrono::hours(1));
    const auto b = site.page("index.html", after + std::chrono::hours(2));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->content, b->content);
}

TEST_F(LiveSiteFixture, TheLiveSiteIsTheSitePublishedAfterVerwerkenForTheSameScores) {
    playEverything();
    const auto at = t0 + std::chrono::seconds(1);
    ASSERT_TRUE(site.page("index.html", at));

    // The other way: "Verwerken" stores the match points beside the competition, and publishing
    // reads them back from there.
    Club computed = club;
    computed.ClubFilePath = folder.file("club_1.dba");
    SilentDialogs quiet;
    const ScoreTables& tables = test::LoadedScoreTables();
    auto& records = computed.SessionScoreList.front().Records;
    MatchPointCalculation calc(MatchPointSettings::Of(computed), records, tables, quiet);
    CopyMatchPointsOptions options;
    options.askFirst = false;
    options.opponents = ScheduleOpponents(computed);
    options.save = [&](const std::vector<int>& groups) {
        std::string note;
        return SaveStoredMatchPoints(computed.ClubFilePath, computed.CurrentSession, calc, groups, note);
    };
    ASSERT_TRUE(CopyMatchPoints(computed, calc, tables, quiet, 1, 2, options));
    const auto published = folder.path() / "site";
    ASSERT_TRUE(PublishResultsSite(computed, quiet, published.string(), nullptr));

    int compared = 0;
    for (const auto& file : std::filesystem::directory_iterator(published)) {
        const std::string name = file.path().filename().string();
        const auto live = site.page(name, at);
        ASSERT_TRUE(live) << name;
        // The year totals are read from the season's files, which hold tonight only after it
        // has been processed; the live page says so.
        if (name == "seizoen.html") {
            EXPECT_NE(live->content.find("De jaartotalen volgen na het verwerken van deze zitting."),
                      std::string::npos);
            continue;
        }
        EXPECT_EQ(live->content, FileText(file.path())) << name;
        ++compared;
    }
    // The stylesheet, the index, 8 boards and the 8 pairs of group A.
    EXPECT_EQ(compared, 18);
    // Pair A1 (North-South on boards 1, 2, 7 and 8) has its own page, with its total.
    EXPECT_NE(content("paar-A1.html", at).find("<p>Totaal: "), std::string::npos);
}

TEST_F(LiveSiteFixture, TheTravellersHaveALeadColumnOnlyWhenTheSessionHasLeads) {
    LiveResultsSite withLeads{club, test::LoadedScoreTables(), &terminals.leads()};
    // Board 1 at A1 with the lead (heer harten), at A2 as a plain score; A2 first plays 3 and 4.
    enter("A1", 1, R"({"contract":"4S","declarer":"N","result":"C","lead":"HK"})");
    enter("A2", 3, R"({"score": -50})");
    enter("A2", 4, R"({"score": 100})");
    enter("A2", 1, R"({"score": 450})");

    const std::string board = withLeads.page("spel-1.html", t0)->content;
    EXPECT_NE(board.find("<th>Contract</th><th>Door</th><th>Uitkomst</th><th>Resultaat</th>"),
              std::string::npos)
        << board;
    EXPECT_NE(board.find("<td>4♠</td><td>NZ</td><td><span class=\"red\">♥</span>H</td><td>=</td>"
                         "<td class=\"n\">420</td>"),
              std::string::npos)
        << board;
    EXPECT_NE(board.find("<td></td><td></td><td></td><td></td><td class=\"n\">450</td>"), std::string::npos)
        << board;
    // Without leads the traveller is the one it always was.
    const std::string plain = content("spel-1.html", t0);
    EXPECT_EQ(plain.find("Uitkomst"), std::string::npos);
    EXPECT_NE(plain.find("<th>Door</th><th>Resultaat</th>"), std::string::npos) << plain;

    // A correction that drops the lead shows after the refresh.
    enter("A1", 1, R"({"contract":"4S","declarer":"N","result":"C","previous":"420"})");
    EXPECT_EQ(withLeads.page("spel-1.html", t0 + LiveResultsSite::kRefresh)->content.find("Uitkomst"),
              std::string::npos);
}
