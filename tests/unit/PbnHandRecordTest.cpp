#include "hands/PbnHandRecord.h"

#include "core/FileBytes.h"
#include "hands/DealText.h"
#include "hands/HandRecordFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace velk;

namespace {

Deal DealOf(const std::string& text) {
    std::string problem;
    const auto deal = ParsePbnDeal(text, problem);
    EXPECT_TRUE(deal) << problem;
    return deal.value_or(Deal{});
}

const std::string kDeal1 = "N:AQ986.A74.AK6.KQ J754.T962.72.632 KT32.J83.Q83.985 .KQ5.JT954.AJT74";
const std::string kDeal2 = "N:A76.2.AKQ6.AJ532 Q2.7653.J432.874 98543.AKJT9.8.K6 KJT.Q84.T975.QT9";

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(PbnHandRecordTest, ReadsGamesInAnyTagOrderWithCommentsAndOtherFirstHands) {
    const std::string text =
        "% PBN 2.1\n"
        "% EXPORT\n"
        "{ a hand record\n  over two lines }\n"
        "\n"
        "[Event \"Clubavond \\\"De Troef\\\"\"]\n"
        "[Deal \"W:KJT.Q84.T975.QT9 A76.2.AKQ6.AJ532 Q2.7653.J432.874 98543.AKJT9.8.K6\"] ; a remark\n"
        "[Board \"2\"]\n"
        "[Auction \"E\"]\n"
        "1D Pass 1H { opening } Pass\n"
        "\n"
        "[Board \"1\"]\n"
        "[Dealer \"N\"]\n"
        "[Deal \"" +
        kDeal1 +
        "\"]\n"
        "\n"
        "[Event \"no deal in this game\"]\n";
    HandRecord record;
    std::string problem;
    ASSERT_TRUE(ParsePbnHandRecord(text, false, record, problem)) << problem;
    ASSERT_EQ(record.boards.size(), 2u);
    EXPECT_EQ(record.boards[0].board, 1);
    EXPECT_EQ(record.boards[0].deal, DealOf(kDeal1));
    EXPECT_EQ(record.boards[1].board, 2);
    EXPECT_EQ(record.boards[1].deal, DealOf(kDeal2));
    EXPECT_EQ(record.event, "Clubavond \"De Troef\"");

    std::vector<PbnGame> games;
    ASSERT_TRUE(ParsePbnGames(text, games, problem));
    ASSERT_EQ(games.size(), 3u);
    ASSERT_EQ(games[0].tags[3].name, "Auction");
    EXPECT_EQ(games[0].tags[3].section, std::vector<std::string>{"1D Pass 1H Pass"});
}

TEST(PbnHandRecordTest, TheAnalysisIsWrittenAndReadBack) {
    HandRecord record;
    record.event = "BC De Troef, zitting 2";
    record.date = "15-12-2026";
    BoardAnalysis analysis;
    for (int seat = 0; seat < 4; ++seat)
        for (int strain = 0; strain < kStrainCount; ++strain)
            analysis.tricks.tricks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)] =
                seat % 2 == 0 ? 13 - strain : strain;
    analysis.par = {-1430,
                    {{6, Hearts, ParEastWest, 0, 0}, {5, Spades, North, 0, 2}, {3, NoTrump, South, 1, 0}}};
    record.boards = {{1, DealOf(kDeal1), analysis}, {2, DealOf(kDeal2), std::nullopt}};
    const std::string text = PbnHandRecordText(record);
    EXPECT_NE(
        text.find("[Date \"2026.12.15\"]\r\n[Board \"1\"]\r\n[Dealer \"N\"]\r\n[Vulnerable \"None\"]\r\n"
                  "[Deal \"" +
                  kDeal1 + "\"]\r\n[DoubleDummyTricks \"9dcba9dcba4012340123\"]"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("[OptimumScore \"NS -1430\"]\r\n[ParContract \"EW 6H, N 5SX-2, S 3NT+1\"]\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("N NT  9\r\nN  S 13\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Board \"2\"]\r\n[Dealer \"E\"]\r\n[Vulnerable \"NS\"]\r\n"), std::string::npos);
    HandRecord back;
    std::string problem;
    ASSERT_TRUE(ParsePbnHandRecord(text, true, back, problem)) << problem;
    EXPECT_EQ(back, record);
    // Without the analysis asked for, an import takes the deals alone.
    ASSERT_TRUE(ParsePbnHandRecord(text, false, back, problem));
    EXPECT_FALSE(back.boards[0].analysis);
}

TEST(PbnHandRecordTest, DamagedOrHostileTextIsRefusedWithTheReason) {
    const std::string deal = "[Deal \"" + kDeal1 + "\"]\n";
    const std::pair<std::string, std::string> cases[] = {
        {"[Board \"1\"]\n{ never closed\n" + deal, "regel 2: commentaar zonder }"},
        {"[Board \"1]\n" + deal, "regel 1: de waarde van tag Board is niet afgesloten"},
        {"[Board]\n" + deal, "regel 1: tag Board zonder waarde"},
        {"[ \"1\"]\n", "regel 1: een tag zonder naam"},
        {"[Board \"1\"\n", "regel 1: tag Board zonder ]"},
        {deal, "spel 1 van het bestand: geen spelnummer van 1 tot 999"},
        {"[Board \"1000\"]\n" + deal, "spel 1 van het bestand: geen spelnummer van 1 tot 999"},
        {"[Board \"1\"]\n" + deal + "\n[Board \"1\"]\n" + deal, "spel 1 staat twee keer in het bestand"},
        {"[Board \"3\"]\n[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT9876543\"]\n",
         "spel 3: hand West heeft 12 kaarten in plaats van 13"},
        {"[Board \"1\"]\n" + deal +
             "[DoubleDummyTricks \"9dcba8de9dc54321543\"]\n[OptimumScore \"NS 420\"]\n",
         "spel 1: de analyse is onleesbaar"},
        {"[Board \"1\"]\n" + deal +
             "[DoubleDummyTricks \"9dcba8de9dc54321543e\"]\n[OptimumScore \"NS 420\"]\n"
             "[ParContract \"NS 4S\"]\n",
         "spel 1: de analyse is onleesbaar"},
    };
    for (const auto& [text, message] : cases) {
        HandRecord record;
        record.event = "kept";
        std::string problem;
        EXPECT_FALSE(ParsePbnHandRecord(text, true, record, problem)) << text;
        EXPECT_EQ(problem, message) << text;
        EXPECT_EQ(record.event, "kept") << "nothing is loaded half-way";
    }
}

TEST(PbnHandRecordTest, TheSessionFileIsSavedWithItsBackupAndADamagedOneIsSaid) {
    const auto dir = std::filesystem::temp_directory_path() / "velk_hand_record_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string competition = (dir / "club_1.dba").string();
    const std::string path = HandRecordPath(competition, 2);
    EXPECT_EQ(path, (dir / "club_1_hands2.pbn").string());

    HandRecord record;
    std::string problem;
    EXPECT_EQ(ReadHandRecord(path, record, problem), HandRecordRead::Missing);
    record.boards = {{1, DealOf(kDeal1), std::nullopt}};
    ASSERT_TRUE(SaveHandRecord(path, record));
    const std::string first = Read(path);
    record.boards.push_back({2, DealOf(kDeal2), std::nullopt});
    ASSERT_TRUE(SaveHandRecord(path, record));
    EXPECT_EQ(Read((dir / "club_1_hands2.~pb").string()), first);
    HandRecord back;
    ASSERT_EQ(ReadHandRecord(path, back, problem), HandRecordRead::Ok) << problem;
    EXPECT_EQ(back, record);

    std::ofstream(path, std::ios::binary) << "[Board \"1\"]\n[Deal \"N:AK\"]\n";
    EXPECT_EQ(ReadHandRecord(path, back, problem), HandRecordRead::Damaged);
    EXPECT_EQ(DamagedHandRecordText(path, problem),
              "spelverdelingen niet te lezen: " + path +
                  " is beschadigd (spel 1: hand Noord heeft geen vier kleuren); het bestand wordt niet "
                  "overschreven");
    std::filesystem::remove_all(dir);
}
