#include "reports/PairPageHandOff.h"

#include "support/ClubBuilder.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace velk {
namespace {

using FakeOpener = test::RecordingOpener;

struct HandOff : ::testing::Test {
    test::TempFolder folder{"handoff"};
    Club club = test::MakeClub(4, 1, 2, 1);
    std::vector<TScoreObj> scores;
    std::vector<TMatchPObj> matchPoints;
    std::vector<int> tops;
    test::ScriptedDialogs dialogs;
    FakeOpener opener;
    std::string data = folder.file("Data");
    std::string page = (std::filesystem::path(data) / "MPPaarA2.htm").string();

    void SetUp() override {
        club.CurrentSession = 1;
        club.SessionHead = club.SessionList[0];
    }
    bool run() { return HandOffPairPage({club, scores, matchPoints, tops}, 1, 2, data, dialogs, opener); }
};

TEST_F(HandOff, WritesThePageAndOpensItInTheWordProcessor) {
    dialogs.files.push_back(page);
    EXPECT_TRUE(run());
    ASSERT_EQ(dialogs.fileChoices.size(), 1u);
    EXPECT_EQ(dialogs.fileChoices[0].title, "Velk bestand");
    EXPECT_EQ(dialogs.fileChoices[0].filter, "MPPaar bestand (*.htm)|*.HTM");
    EXPECT_EQ(dialogs.fileChoices[0].defaultExtension, "htm");
    EXPECT_EQ(dialogs.fileChoices[0].initialPath, page);
    EXPECT_EQ(opener.calls, std::vector<std::string>{"writer " + page});
    std::ifstream in(page, std::ios::binary);
    std::string start(44, '\0');
    in.read(start.data(), 44);
    EXPECT_EQ(start, "<HTML><HEAD><TITLE>MatchPunten Paren</TITLE>");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HandOff, FallsBackToTheDesktopAndSaysWhenNothingStarts) {
    opener.writerStarts = false;
    dialogs.files.push_back(page);
    EXPECT_TRUE(run());
    EXPECT_EQ(opener.calls, (std::vector<std::string>{"writer " + page, "desktop " + page}));
    EXPECT_TRUE(dialogs.messages.empty());

    opener.desktopOpens = false;
    dialogs.files.push_back(page);
    EXPECT_FALSE(run());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Opstarten van Word mislukt "});
}

TEST_F(HandOff, CancelledMissingOrUnwritablePage) {
    dialogs.files.push_back(std::nullopt);
    EXPECT_FALSE(run());
    EXPECT_TRUE(opener.calls.empty());
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.files.push_back(folder.file("elders.htm"));
    EXPECT_FALSE(run());
    EXPECT_TRUE(opener.calls.empty());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Bewerken in Word (Word2003?) mislukt"});

    // A file where the Data folder should be: the page cannot be written, nothing is proposed.
    dialogs.messages.clear();
    data = folder.file("blocked");
    test::WriteBytes(data, {1});
    EXPECT_FALSE(run());
    EXPECT_TRUE(dialogs.fileChoices.size() == 2u);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Bewerken in Word (Word2003?) mislukt"});
}

} // namespace
} // namespace velk
