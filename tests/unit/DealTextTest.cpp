#include "hands/DealText.h"

#include "hands/BoardFacts.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

// Each seat holding one whole suit: North spades, East hearts, South diamonds, West clubs.
const std::string kSuitEach = "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";

} // namespace

TEST(DealTextTest, EveryFirstHandReadsTheSameDeal) {
    // One deal written from each seat in turn, the hands rotated by hand.
    const std::string hands[4] = {"AQ986.A74.AK6.KQ", "J754.T962.72.632", "KT32.J83.Q83.985",
                                  ".KQ5.JT954.AJT74"};
    const std::string first = "NESW";
    std::string problem;
    const auto north =
        ParsePbnDeal("N:" + hands[0] + " " + hands[1] + " " + hands[2] + " " + hands[3], problem);
    ASSERT_TRUE(north) << problem;
    for (int k = 0; k < 4; ++k) {
        std::string text = std::string(1, first[static_cast<std::size_t>(k)]) + ":";
        for (int i = 0; i < 4; ++i)
            text += (i ? " " : "") + hands[(k + i) % 4];
        const auto deal = ParsePbnDeal(text, problem);
        ASSERT_TRUE(deal) << text << ": " << problem;
        EXPECT_EQ(*deal, *north) << text;
        EXPECT_EQ(PbnDealText(*deal, k), text);
        // Lower-case letters as some programs write them.
        EXPECT_TRUE(ParsePbnDeal(std::string(1, static_cast<char>(text[0] + 32)) + text.substr(1), problem));
    }
    EXPECT_EQ(PbnDealText(*north), "N:AQ986.A74.AK6.KQ J754.T962.72.632 KT32.J83.Q83.985 .KQ5.JT954.AJT74");
    EXPECT_EQ(north->suitText(West, Hearts), "KQ5");
    EXPECT_EQ(north->suitText(West, Spades), "");
}

TEST(DealTextTest, RefusesWhatIsNotFourHandsOfThirteenDistinctCards) {
    const std::pair<std::string, std::string> cases[] = {
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT9876543",
         "hand West heeft 12 kaarten in plaats van 13"},
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. A...KQJT98765432",
         "kaart ♠A staat twee keer in de verdeling (Noord en West)"},
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432.",
         "de verdeling heeft 3 handen in plaats van 4"},
        {"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 A...",
         "meer dan vier handen in de verdeling"},
        {"N:AKQJT98765432... .AKQJT98765432.. - ...AKQJT98765432", "de verdeling is niet volledig"},
        {"X:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432",
         "de verdeling begint niet met N:, E:, S: of W:"},
        {"N:AKQJT98765432.. .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432",
         "hand Noord heeft geen vier kleuren"},
        {"N:AKQJT98765431... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432",
         "onbekend teken '1' in de verdeling"},
        {"N:AKQJT98765432..... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432",
         "hand Noord heeft meer dan vier kleuren"},
    };
    for (const auto& [text, message] : cases) {
        std::string problem;
        EXPECT_FALSE(ParsePbnDeal(text, problem)) << text;
        EXPECT_EQ(problem, message) << text;
    }
    std::string problem;
    EXPECT_TRUE(ParsePbnDeal(kSuitEach, problem)) << problem;
}

TEST(DealTextTest, DealerAndVulnerabilityFollowTheSixteenBoardCycle) {
    // The published cycle: boards 1-16 dealt N E S W, vulnerable
    // None NS EW All / NS EW All None / EW All None NS / All None NS EW; board 17 starts again.
    const std::string dealers = "NESWNESWNESWNESW";
    const char* vulnerable[16] = {"None", "NS",  "EW",   "All", "NS",  "EW",   "All", "None",
                                  "EW",   "All", "None", "NS",  "All", "None", "NS",  "EW"};
    for (int board = 1; board <= 48; ++board) {
        const std::size_t i = static_cast<std::size_t>((board - 1) % 16);
        EXPECT_EQ(kSeatLetters[static_cast<std::size_t>(BoardDealer(board))], dealers[i]) << board;
        EXPECT_EQ(PbnVulnerability(board), vulnerable[i]) << board;
    }
    EXPECT_EQ(VulnerabilityOfPbnName("EW"), 3);
    EXPECT_EQ(VulnerabilityOfPbnName("Both"), 4);
    EXPECT_EQ(VulnerabilityOfPbnName("Love"), 1);
    EXPECT_EQ(VulnerabilityOfPbnName("NZ"), 0);
}
