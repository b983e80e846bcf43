#include "core/files/DlmFile.h"
#include "core/files/DupFile.h"
#include "hands/DealText.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// The board published with the Duplimate conversion notes: its card numbers (BRI) and the
// sorted hands the machine shows (DGE), ♠♥♦♣ as Code page 437 bytes 6 3 4 5.
const std::string kBri = "18043727240822422106250717"
                         "51503215164929412640314645"
                         "43351128302039140152133403";
const std::string kDge = "\x06J987\x03JT7643\x04"
                         "A4\x05Q"
                         "\x06\x03KQ2\x04QT9\x05"
                         "AK98543"
                         "\x06"
                         "AQ42\x03"
                         "A8\x04KJ762\x05J2"
                         "\x06KT653\x03"
                         "95\x04"
                         "853\x05T76";
const std::string kPublishedDeal = "N:J987.JT7643.A4.Q .KQ2.QT9.AK98543 AQ42.A8.KJ762.J2 KT653.95.853.T76";

Deal DealOf(const std::string& text) {
    std::string problem;
    const auto deal = ParsePbnDeal(text, problem);
    EXPECT_TRUE(deal) << problem;
    return deal.value_or(Deal{});
}

// The seats of the 52 cards in pack order from a string of seat letters.
Deal DealOfSeats(const std::string& seats) {
    Deal deal;
    for (std::size_t c = 0; c < 52; ++c)
        deal.seatOf[c] = static_cast<std::uint8_t>(std::string("NESW").find(seats[c]));
    return deal;
}

} // namespace

TEST(DupFileTest, ThePublishedBoardReadsAsItsSortedHandsShowIt) {
    ASSERT_EQ(kBri.size(), 78u);
    ASSERT_EQ(kDge.size(), 68u);
    const std::string record = kBri + kDge + "YN1  1 32 ";
    std::vector<NumberedDeal> boards;
    std::string problem;
    ASSERT_TRUE(ParseDupFile(Bytes(record + record), boards, problem)) << problem;
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(boards[0].board, 1);
    EXPECT_EQ(boards[1].board, 2);
    EXPECT_EQ(PbnDealText(boards[0].deal), kPublishedDeal);
    // The older form: lines of card numbers alone.
    ASSERT_TRUE(ParseDupFile(Bytes(kBri + "\r\n" + kBri + "\r\n"), boards, problem)) << problem;
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(PbnDealText(boards[1].deal), kPublishedDeal);
}

TEST(DupFileTest, WrittenBoardsReadBackAndTheFileIsTheMachinesLayout) {
    const std::vector<NumberedDeal> boards = {
        {1, DealOf(kPublishedDeal)},
        {2, DealOf("N:AQ986.A74.AK6.KQ J754.T962.72.632 KT32.J83.Q83.985 .KQ5.JT954.AJT74")}};
    const auto bytes = DupFileBytes(boards);
    ASSERT_EQ(bytes.size(), 2 * kDupRecordSize);
    const std::string first(bytes.begin(), bytes.begin() + 156);
    // The card numbers sorted within each hand; the sorted hands; the set's numbers.
    EXPECT_EQ(first.substr(0, 26), "04060708171821222425273742");
    EXPECT_EQ(first.substr(78, 68), kDge);
    EXPECT_EQ(first.substr(146), "YN1  1 2  ");
    std::vector<NumberedDeal> back;
    std::string problem;
    ASSERT_TRUE(ParseDupFile(bytes, back, problem)) << problem;
    EXPECT_EQ(back, boards);
}

TEST(DupFileTest, DamagedFilesAreRefusedWithTheReason) {
    std::string twice = kBri;
    twice.replace(2, 2, "18"); // North's first card again
    std::string sorted = kDge;
    sorted[1] = 'Q';
    const std::pair<std::string, std::string> cases[] = {
        {"", "het bestand is leeg"},
        {kBri.substr(0, 77), "spel 1 van het bestand: een regel van 77 tekens in plaats van 78"},
        {kBri + kDge + "XN1  1 32 ", "spel 1 van het bestand: de laatste 10 tekens zijn onleesbaar"},
        {kBri + sorted + "YN1  1 32 ",
         "spel 1 van het bestand: de gesorteerde handen verschillen van de kaartnummers"},
        {twice + kDge + "YN1  1 32 ",
         "spel 1 van het bestand: kaart ♥10 staat twee keer in de verdeling (Noord en Noord)"},
        {"53" + kBri.substr(2), "spel 1 van het bestand: kaartnummer 53 bestaat niet"},
        {"\r\n\r\n", "het bestand bevat geen spellen"},
    };
    for (const auto& [text, message] : cases) {
        std::vector<NumberedDeal> boards = {{9, Deal{}}};
        std::string problem;
        EXPECT_FALSE(ParseDupFile(Bytes(text), boards, problem)) << text;
        EXPECT_EQ(problem, message);
        EXPECT_TRUE(boards.empty());
    }
}

TEST(DlmFileTest, ThePublishedBoardsDecodeAndCarryTheirCheckDigits) {
    // rec.games.bridge: "jlifael..." is, two cards a letter in the order ♠AK ♠QJ ... ♣32,
    // SE SW SN EE NN EN SW WE EN NS ES WN WS SW NW EE SE WN NS EE SW SN WE SW NN WW.
    const Deal expected = DealOfSeats("SESWSNEENNENSWWEENNSESWNWSSWNWEESEWNNSEESWSNWESWNNWW");
    const std::string text = "[Document]\r\nHeadline=club\r\nFrom board=1\r\nTo Board=2\r\n"
                             "Board 01=jlifaelnecgmoldfjmcflinlap023\r\n"
                             "Board 02=" +
                             DlmBoardCode(2, expected) + "\r\n[Other]\r\nBoard 03=x\r\n";
    std::vector<NumberedDeal> boards;
    std::string problem;
    ASSERT_TRUE(ParseDlmFile(Bytes(text), boards, problem)) << problem;
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(boards[0].deal, expected);
    EXPECT_EQ(boards[1].board, 2);
    EXPECT_EQ(DlmBoardCode(1, expected), "jlifaelnecgmoldfjmcflinlap023");
    // The second published line, from another file of the same program.
    ASSERT_TRUE(
        ParseDlmFile(Bytes("[Document]\nFrom board=1\nTo board=1\nBoard 01=cgcajjjnakpkchipnjhmbmbpbh022\n"),
                     boards, problem))
        << problem;
}

TEST(DlmFileTest, WrittenBoardsReadBackAndDamagedOnesAreRefused) {
    const std::vector<NumberedDeal> boards = {{7, DealOf(kPublishedDeal)}, {8, DealOf(kPublishedDeal)}};
    const auto bytes = DlmFileBytes(boards);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.substr(0, 80),
              "[Document]\r\nHeadline=Velk\r\nStatus=Show\r\nDuplicates=1\r\nFrom board=7\r\nTo board=8\r\n");
    std::vector<NumberedDeal> back;
    std::string problem;
    ASSERT_TRUE(ParseDlmFile(bytes, back, problem)) << problem;
    EXPECT_EQ(back, boards);

    const std::string head = "[Document]\nFrom board=1\nTo board=1\n";
    const std::pair<std::string, std::string> cases[] = {
        {"From board=1\n", "het bestand heeft geen [Document]"},
        {"[Document]\nTo board=1\n", "\"From board\" en \"To board\" ontbreken of zijn onleesbaar"},
        {"[Document]\nFrom board=2\nTo board=1\n",
         "\"From board\" en \"To board\" ontbreken of zijn onleesbaar"},
        {head, "spel 1 ontbreekt"},
        {head + "Board 01=jlifaelnecgmoldfjmcflinlap024\n", "spel 1: het controlegetal klopt niet"},
        {head + "Board 01=jlifaelnecgmoldfjmcflinlaq023\n", "spel 1: teken 'q' is geen letter a tot p"},
        {head + "Board 01=jlifaelnecgmoldfjmcflinlap02\n",
         "spel 1: de regel heeft 28 tekens in plaats van 29"},
        {head + "Board 01=" + DlmBoardCode(1, Deal{}) + "\n",
         "spel 1: hand Noord heeft 52 kaarten in plaats van 13"},
        {head + "Board 01\n", "regel 4 is geen sleutel=waarde"},
    };
    for (const auto& [input, message] : cases) {
        std::vector<NumberedDeal> read = {{9, Deal{}}};
        EXPECT_FALSE(ParseDlmFile(Bytes(input), read, problem)) << input;
        EXPECT_EQ(problem, message) << input;
        EXPECT_TRUE(read.empty());
    }
}
