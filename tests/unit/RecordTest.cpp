#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "core/records/SessionRecord.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {
template <typename Record> std::size_t WrittenSize(const Record& r) {
    ByteWriter w;
    r.WriteTo(w);
    return w.size();
}

// Reading a pattern and writing it back must give the very same bytes.
template <typename Record> void ExpectByteExact() {
    std::vector<std::uint8_t> bytes(Record::Size);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    bytes[0] = 5; // a plausible length byte where a text starts
    ByteReader in(bytes);
    Record r;
    r.ReadFrom(in);
    ASSERT_TRUE(in.ok());
    ASSERT_TRUE(in.atEnd());
    ByteWriter out;
    r.WriteTo(out);
    EXPECT_EQ(out.data(), bytes);
}
} // namespace

TEST(Records, WriteExactlyTheirSize) {
    EXPECT_EQ(WrittenSize(TConfigObj{}), 445u);
    EXPECT_EQ(WrittenSize(CompetitionHead{}), 67u);
    EXPECT_EQ(WrittenSize(SlamBonusBlock{}), 32u);
    EXPECT_EQ(WrittenSize(TParenObj{}), 58u);
    EXPECT_EQ(WrittenSize(TZitCalcObj{}), 113u);
    EXPECT_EQ(WrittenSize(TCalcObj{}), 26u);
}

TEST(Records, ReadAndWriteBackAreByteExact) {
    ExpectByteExact<TConfigObj>();
    ExpectByteExact<TParenObj>();
    ExpectByteExact<TZitCalcObj>();
    ExpectByteExact<TCalcObj>();
}

TEST(Records, NewPairsAndHeader) {
    const TParenObj p = MakeNewPair(13, 10, 4, false);
    EXPECT_EQ(p.ClubNr, 13);
    EXPECT_EQ(p.GrpNr, 3);
    EXPECT_EQ(p.Groep, 'B');
    EXPECT_EQ(p.Naam.get(), "PaarB3");
    EXPECT_EQ(MakeNewPair(3, 40, 1, true).Naam.get(), "Speler3");
    EXPECT_EQ(MakeNewPair(3, 40, 1, true).Groep, ' ');

    const TParenObj h = MakeHeaderRecord(2026, std::string(60, 'x'), false);
    EXPECT_EQ(h.Indx, 2026);
    EXPECT_EQ(h.Groep, 'D');
    EXPECT_EQ(h.Naam.get().size(), 48u);
}

TEST(Records, NewResultRowHasStatusOne) {
    TCalcObj row = TCalcObj::NewRow(7);
    row.Points = 3;
    row.clearResults();
    EXPECT_EQ(row.ClubNr, 7);
    EXPECT_EQ(row.Status, 1);
    EXPECT_EQ(row.Points, 0.0f);
}
