#include "reports/PairPagesReport.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace velk {
namespace {

TEST(PairPagesTest, ContractsShowTheSuitSymbols) {
    EXPECT_EQ(PairPageContract("6R"), "6<font size=\"4\" color=\"#FF0000\">&diams;</font>");
    EXPECT_EQ(PairPageContract("4HX"), "4<font color=\"#FF0000\">&hearts;</font>X");
    EXPECT_EQ(PairPageContract("3S"), "3&spades;");
    EXPECT_EQ(PairPageContract("5K"), "5&clubs;");
    EXPECT_EQ(PairPageContract("3SA"), "3SA");
    EXPECT_EQ(PairPageContract("PAS"), "PAS");
    EXPECT_EQ(PairPageFileName(2, 10), "MPPaarB10.htm");
}

// One group of `pairs` pairs in a session of `boards` boards; every pair but `absent` has a score
// on board 1.
struct OneGroupSession {
    Club club;
    std::vector<TScoreObj> scores;
    std::vector<TMatchPObj> matchPoints;
    std::vector<int> tops;

    OneGroupSession(int pairs, int boards, int absent) : club(test::MakeClub(pairs, 1, pairs / 2, 1)) {
        club.CurrentSession = 1;
        club.SessionHead = club.SessionList[0];
        club.SessionHead.BoardCount = static_cast<std::int16_t>(boards);
        club.SessionHead.GroupPairs[0] = static_cast<std::int16_t>(pairs);
        scores.resize(static_cast<std::size_t>(pairs * boards + 1));
        for (int k = 1; k <= pairs; ++k)
            if (k != absent)
                scores[static_cast<std::size_t>(ScoreRecordIndex(1, 1, k, boards, pairs))].Code = 5;
        matchPoints.resize(scores.size());
    }
    bool write(const test::TempFolder& folder, Dialogs& dialogs) {
        return WriteAllPairPages(
            {club, scores, matchPoints, tops}, 1, 1,
            [&](int) { return std::optional<std::string>(folder.path().string()); }, dialogs);
    }
};

// A group of ten pairs of whom pair 7 did not play: no page for it, and the others' pages and
// the name script beside them.
TEST(PairPagesTest, EveryPairThatPlayedGetsAPage) {
    OneGroupSession session(10, 2, 7);
    Club& club = session.club;
    club.PairList[1].Naam.set("Jan Jansen & Piet de Vries");
    club.PairList[2].Naam.set("Bakker - Visser");
    club.PairList[3].Naam.set("Zoë Maas & Ada Bos");
    test::TempFolder folder("pages");
    test::ScriptedDialogs dialogs;
    EXPECT_TRUE(session.write(folder, dialogs));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"MPPaarA1.htm", "MPPaarA10.htm", "MPPaarA2.htm",
                                               "MPPaarA3.htm", "MPPaarA4.htm", "MPPaarA5.htm", "MPPaarA6.htm",
                                               "MPPaarA8.htm", "MPPaarA9.htm", "ParenNamen.htm"}));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{
                                   "Dit paar bestaat niet:  A7",
                                   "Bewaren Matchpunten is gelukt voor alle paren van Groep : At/mA\r tevens "
                                   "Paarnamen.htm bewaard",
                               }));
    std::ifstream in(folder.file("ParenNamen.htm"), std::ios::binary);
    std::stringstream names;
    names << in.rdbuf();
    // The first word of each partner, with its blank; a name without "&" gives its first word twice;
    // ISO-8859-1 bytes.
    const std::string expected = "{var line_array=[\"Paren\",\n\"Jan  & Piet \",\n\"Bakker  & Bakker \",\n"
                                 "\"Zo\xEB  & Ada \",\n";
    EXPECT_EQ(names.str().substr(0, expected.size()), expected);
    EXPECT_EQ(names.str().substr(names.str().size() - 4), "];}\n");

    // The page is ISO-8859-1 too and names its pair.
    std::ifstream page(folder.file("MPPaarA3.htm"), std::ios::binary);
    std::stringstream text;
    text << page.rdbuf();
    EXPECT_NE(text.str().find("<b> Paar 3: Zo\xEB Maas &amp; Ada Bos</b>"), std::string::npos);
    EXPECT_NE(text.str().find("charset=iso-8859-1"), std::string::npos);
}

// A page that cannot be written (a folder stands in its place) is said and the others are
// written, but the pages are not reported as saved.
TEST(PairPagesTest, APageNotWrittenIsNoSuccess) {
    OneGroupSession session(4, 1, 0);
    test::TempFolder folder("pages-blocked");
    std::filesystem::create_directories(folder.path() / "MPPaarA3.htm" / "inside");
    test::ScriptedDialogs dialogs;
    EXPECT_FALSE(session.write(folder, dialogs));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{folder.file("MPPaarA3.htm") + " wegschrijven NIET gelukt"});
    for (const char* written : {"MPPaarA1.htm", "MPPaarA2.htm", "MPPaarA4.htm", "ParenNamen.htm"})
        EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / written)) << written;
}

} // namespace
} // namespace velk
