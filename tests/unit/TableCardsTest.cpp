#include "terminals/TableCards.h"

#include "support/SessionClub.h"
#include "terminals/TableTerminals.h"

#include <gtest/gtest.h>

using namespace velk;
using namespace velk::terminals;

TEST(TableCardsTest, ATableAddressIsTheServerUrlWithTheTableAsFragment) {
    EXPECT_EQ(TableCardAddress("http://192.168.1.20:8080/", "A1"), "http://192.168.1.20:8080/#tafel=A1");
    EXPECT_EQ(TableCardAddress("https://club.example/velk/", "B12"), "https://club.example/velk/#tafel=B12");
    // Anything but letters and digits is escaped, so no label can end the fragment or add to it.
    EXPECT_EQ(TableCardAddress("http://h/", "A 1&x=#"), "http://h/#tafel=A%201%26x%3D%23");
}

TEST(TableCardsTest, TheServerUrlMustBeAnHttpAddressWithoutFragment) {
    EXPECT_EQ(TableServerUrl("http://192.168.1.20:8080/"), "http://192.168.1.20:8080/");
    EXPECT_EQ(TableServerUrl("http://192.168.1.20:8080"), "http://192.168.1.20:8080/");
    EXPECT_EQ(TableServerUrl("https://club.example/velk/"), "https://club.example/velk/");
    EXPECT_EQ(TableServerUrl("http://[fe80::1]:8080"), "http://[fe80::1]:8080/");
    for (const char* bad :
         {"", "192.168.1.20:8080", "ftp://h/", "http://", "http:///x", "http://:80/", "http://h/#tafel=A1",
          "http://h /", "http://h/\n", "javascript:alert(1)", "http://user@h/", "http://h/\"x", "HTTP://h/"})
        EXPECT_FALSE(TableServerUrl(bad)) << bad;
    EXPECT_TRUE(TableServerUrl("http://h/" + std::string(191, 'x')));
    EXPECT_FALSE(TableServerUrl("http://h/" + std::string(192, 'x')));
}

TEST(TableCardsTest, TheCardsCarryTheCompetitionSessionDateAndEachTablesPin) {
    Club club = test::MakeTwoRoundClub();
    club.CompetitionHead.CompetitionName.set("BC De Troef");
    club.SessionHead.SessionDate.set("15-12-2026");
    std::vector<TerminalTable> tables{{"A1", 1, 1, "042317"}, {"A2", 1, 2, "000001"}};
    const TableCardsInput input = TableCardsFor(club, tables, "http://10.0.0.5:8080/");
    EXPECT_EQ(input.competition, "BC De Troef");
    EXPECT_EQ(input.session, 1);
    EXPECT_EQ(input.date, "15-12-2026");
    ASSERT_EQ(input.cards.size(), 2u);
    EXPECT_EQ(input.cards[1].label, "A2");
    EXPECT_EQ(input.cards[1].pin, "000001");
    EXPECT_EQ(input.cards[1].address, "http://10.0.0.5:8080/#tafel=A2");
}
