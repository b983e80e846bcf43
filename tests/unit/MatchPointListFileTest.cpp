#include "core/files/MatchPointListFile.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

// Group B, board 3, two pairs: 420 North-South for 30 match points, -420 East-West (flags 8) for
// -7 (a negative value, as a datum method gives). Written out by hand from the layout.
const std::vector<std::uint8_t> kTwoPairs = {
    'V',  'M',  'P', '1',                            // start
    2,    3,    2,   0,                              // group 2, board 3, 2 pairs
    0xA4, 0x01, 0,   14,  0, 30,   0,    0,    0,    // 420, NZ, 'N', flags 0, 30
    0x5C, 0xFE, 1,   14,  8, 0xF9, 0xFF, 0xFF, 0xFF, // -420, OW, 'N', flags 8, -7
};

std::vector<StoredMatchPoint> TwoPairs() {
    return {{2, 3, 1, 0, 14, 420, 0, 30}, {2, 3, 2, 1, 14, -420, 8, -7}};
}

} // namespace

TEST(MatchPointListFile, RunsAreWrittenByteForByteAndReadBack) {
    MatchPointListWriter writer(2, 1);
    writer.board(2, 3, 2);
    writer.entry(420, 0, 14, 0, 30);
    writer.entry(-420, 1, 14, 8, -7);
    EXPECT_EQ(writer.take(), kTwoPairs);

    const auto read = ParseMatchPointList(kTwoPairs);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, TwoPairs());

    // Entries as read make the same runs again, however the buffer was sized.
    MatchPointListWriter again;
    again.add(*read);
    EXPECT_EQ(again.take(), kTwoPairs);
}

TEST(MatchPointListFile, EntriesOfSeveralBoardsGetARunEach) {
    const std::vector<StoredMatchPoint> entries = {{1, 1, 1, 0, 14, 100, 0, 10},
                                                   {1, 1, 2, 1, 14, -100, 8, 0},
                                                   {1, 2, 1, 0, 15, 0, 0, 5},
                                                   {3, 1, 1, 0, 14, 50, 0, 20}};
    MatchPointListWriter writer;
    writer.add(entries);
    const auto bytes = writer.take();
    // Start, three run heads, four entries.
    ASSERT_EQ(bytes.size(), 4u + 3u * 4u + 4u * 9u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 4, bytes.begin() + 8),
              (std::vector<std::uint8_t>{1, 1, 2, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 26, bytes.begin() + 30),
              (std::vector<std::uint8_t>{1, 2, 1, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 39, bytes.begin() + 43),
              (std::vector<std::uint8_t>{3, 1, 1, 0}));
    EXPECT_EQ(ParseMatchPointList(bytes), entries);

    // A list of no runs at all is an empty list, not a damaged one.
    MatchPointListWriter empty;
    const auto none = ParseMatchPointList(empty.take());
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty());
}

TEST(MatchPointListFile, DamagedListsAreNotReadAtAll) {
    const auto damaged = [](std::size_t at, std::uint8_t value) {
        auto bytes = kTwoPairs;
        bytes[at] = value;
        return bytes;
    };
    EXPECT_FALSE(ParseMatchPointList({}).has_value());
    EXPECT_FALSE(ParseMatchPointList(damaged(3, '2')).has_value()); // another start
    EXPECT_FALSE(ParseMatchPointList(damaged(4, 0)).has_value());   // group 0
    EXPECT_FALSE(ParseMatchPointList(damaged(4, 17)).has_value());  // group 17
    EXPECT_FALSE(ParseMatchPointList(damaged(5, 0)).has_value());   // board 0
    EXPECT_FALSE(ParseMatchPointList(damaged(6, 0)).has_value());   // no pairs
    EXPECT_FALSE(ParseMatchPointList(damaged(6, 3)).has_value());   // more pairs than entries
    auto tooMany = kTwoPairs;
    tooMany[6] = 0x01; // 513 pairs
    tooMany[7] = 0x02;
    EXPECT_FALSE(ParseMatchPointList(tooMany).has_value());

    // Cut anywhere after the start: a run head or an entry is missing.
    for (std::size_t size = 5; size < kTwoPairs.size(); ++size)
        EXPECT_FALSE(ParseMatchPointList(std::span(kTwoPairs.data(), size)).has_value()) << size;

    // A run out of order, or a board twice (the merge of groups relies on the order).
    const auto twoRuns = [](int group1, int board1, int group2, int board2) {
        MatchPointListWriter writer;
        writer.board(group1, board1, 1);
        writer.entry(0, 0, 0, 0, 0);
        writer.board(group2, board2, 1);
        writer.entry(0, 0, 0, 0, 0);
        return writer.take();
    };
    EXPECT_TRUE(ParseMatchPointList(twoRuns(1, 5, 2, 1)).has_value());
    EXPECT_FALSE(ParseMatchPointList(twoRuns(2, 1, 1, 5)).has_value());
    EXPECT_FALSE(ParseMatchPointList(twoRuns(1, 2, 1, 1)).has_value());
    EXPECT_FALSE(ParseMatchPointList(twoRuns(1, 1, 1, 1)).has_value());
}
