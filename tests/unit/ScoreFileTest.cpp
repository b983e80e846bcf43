#include "core/files/ScoreFile.h"

#include "core/files/SlamFile.h"
#include "core/records/ContractScoreRecord.h"
#include "support/ScriptedDialogs.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace velk;
namespace fs = std::filesystem;

namespace {
std::vector<std::uint8_t> Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A pattern in every byte; texts keep their raw bytes, so any pattern must come back unchanged.
template <typename Record> std::vector<std::uint8_t> Pattern(int seed) {
    std::vector<std::uint8_t> bytes(Record::Size);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + static_cast<std::size_t>(seed) * 7 + 3);
    return bytes;
}

template <typename Record> void ExpectByteExact() {
    const auto bytes = Pattern<Record>(1);
    ByteReader in(bytes);
    Record r;
    r.ReadFrom(in);
    EXPECT_TRUE(in.ok() && in.atEnd());
    ByteWriter out;
    r.WriteTo(out);
    EXPECT_EQ(out.data(), bytes);
}

class ScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("velk-score-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Competition() const { return (folder / "club_1.dba").string(); }

    fs::path folder;
    test::ScriptedDialogs dialogs;
    ErrorCode errorCode;
};
} // namespace

TEST(ScoreRecords, SizesAndByteExactness) {
    ExpectByteExact<TScoreObj>();
    ExpectByteExact<TSLemObj>();
    ExpectByteExact<TContrScrOBJ>();
    ByteWriter heads;
    TZitScoreObj{}.WriteTo(heads);
    TZitSlemObj{}.WriteTo(heads);
    EXPECT_EQ(heads.size(), 8u);
}

TEST(ScoreRecords, Numbering) {
    // Group 2, board 3, pair row 4 of a session of 24 boards and 12 pairs a group.
    EXPECT_EQ(ScoreRecordIndex(2, 3, 4, 24, 12), ((2 - 1) * 24 + 2) * 12 + 4);
    EXPECT_EQ(ScoreRecordIndex(1, 1, 1, 24, 12), 1);
    const auto block = NewScoreBlock(3, 24, 24);
    EXPECT_EQ(block.Records.size(), 24u * 24 + 1);
    EXPECT_EQ(block.BoardsInList, 24);
    EXPECT_EQ(block.SessionIndex, 3);
    const auto slams = NewSlamBlock(2, 24);
    EXPECT_EQ(slams.SlamTotal, -1);
    EXPECT_EQ(slams.Records.size(), 25u);
    EXPECT_EQ(slams.Records[5], TSLemObj{});
}

TEST_F(ScoreFileTest, TwentyFourPairsTwoSessionsGiveTheKnownSize) {
    const std::vector<TZitScoreObj> blocks = {NewScoreBlock(1, 24, 24), NewScoreBlock(2, 24, 24)};
    EXPECT_EQ(SerializeScoreFile(blocks, 24).size(), 19626u);
}

TEST_F(ScoreFileTest, RoundTripIsByteForByte) {
    const ScoreFileShape shape{4, {2, 3}};
    std::vector<std::uint8_t> file;
    for (int session = 1; session <= 2; ++session) {
        ByteWriter head;
        head.i16(static_cast<std::int16_t>(shape.BoardCounts[static_cast<std::size_t>(session - 1)]));
        head.i16(static_cast<std::int16_t>(session));
        file.insert(file.end(), head.data().begin(), head.data().end());
        for (int r = 0; r < 4 * shape.BoardCounts[static_cast<std::size_t>(session - 1)] + 1; ++r) {
            auto record = Pattern<TScoreObj>(r + session * 100);
            record[1] = '4'; // a contract text without '-' or a second 'A', kept as it is
            record[2] = 'H';
            record[3] = 'X';
            file.insert(file.end(), record.begin(), record.end());
        }
    }
    Put(fs::path(folder) / "club_1.SCO", file);

    std::vector<TZitScoreObj> blocks;
    ASSERT_TRUE(ReadScoreFile(Competition(), shape, true, blocks, dialogs, errorCode));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(SerializeScoreFile(blocks, 4), file);

    ASSERT_TRUE(WriteScoreFile((folder / "club_1.sco").string(), blocks, 4, true, dialogs, errorCode));
    // The existing file is found in whatever case its name has, and kept as the backup.
    EXPECT_EQ(Bytes(folder / "club_1.SCO"), file);
    EXPECT_EQ(Bytes(folder / "club_1.~sc"), file);
    EXPECT_FALSE(fs::exists(folder / "club_1.sco"));
}

TEST_F(ScoreFileTest, OlderContractsAreReadInTodaysForm) {
    std::vector<TZitScoreObj> blocks = {NewScoreBlock(1, 1, 2)};
    blocks[0].Records[1].Contract.set("3A");
    blocks[0].Records[2].Contract.set("4-1");
    blocks[0].Records[0].Contract.set("PAS");
    Put(folder / "club_1.SCO", SerializeScoreFile(blocks, 2));
    std::vector<TZitScoreObj> read;
    ASSERT_TRUE(ReadScoreFile(Competition(), {2, {1}}, true, read, dialogs, errorCode));
    EXPECT_EQ(read[0].Records[1].Contract.get(), "3SA");
    EXPECT_EQ(read[0].Records[2].Contract.get(), "4=1");
    EXPECT_EQ(read[0].Records[0].Contract.get(), "PAS");
}

TEST_F(ScoreFileTest, ABoardCountThatDiffersIsReportedAndRead) {
    Put(folder / "club_1.SCO", SerializeScoreFile({NewScoreBlock(1, 3, 2)}, 2));
    std::vector<TZitScoreObj> read;
    ASSERT_TRUE(ReadScoreFile(Competition(), {2, {4}}, true, read, dialogs, errorCode));
    ASSERT_EQ(dialogs.texts(),
              std::vector<std::string>{"Aantal spellen in Scorelist: 3 Aantal spellen voor "
                                       "Zitting: 4 komt niet overeen kies zittingggegevens"});
    EXPECT_EQ(read[0].Records.size(), 7u);
}

TEST_F(ScoreFileTest, AFreshHeadTakesTheSessionsBoards) {
    ByteWriter w;
    w.i16(0);
    w.i16(0);
    for (int i = 0; i < 2 * 3 + 1; ++i)
        TScoreObj{}.WriteTo(w);
    Put(folder / "club_1.SCO", w.data());
    std::vector<TZitScoreObj> read;
    ASSERT_TRUE(ReadScoreFile(Competition(), {2, {3}}, true, read, dialogs, errorCode));
    EXPECT_EQ(read[0].BoardsInList, 3);
    EXPECT_EQ(read[0].SessionIndex, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ScoreFileTest, ATruncatedFileLoadsNothing) {
    const auto file = SerializeScoreFile({NewScoreBlock(1, 2, 4), NewScoreBlock(2, 2, 4)}, 4);
    std::vector<TZitScoreObj> kept = {NewScoreBlock(9, 1, 1)};
    for (std::size_t cut : {file.size() - 1, file.size() / 2 + 3, std::size_t{3}}) {
        Put(folder / "club_1.SCO",
            std::vector<std::uint8_t>(file.begin(), file.begin() + static_cast<long>(cut)));
        dialogs.messages.clear();
        errorCode.clear();
        EXPECT_FALSE(ReadScoreFile(Competition(), {4, {2, 2}}, true, kept, dialogs, errorCode));
        EXPECT_EQ(kept.size(), 1u);
        EXPECT_EQ(kept[0].SessionIndex, 9);
        EXPECT_EQ(errorCode.value(), ScoreFileError::ReadFailed);
    }
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Scorelijst bestaat niet zitting: 1"});
    // A hostile board count asks for more records than the file holds.
    ByteWriter w;
    w.i16(30000);
    w.i16(1);
    Put(folder / "club_1.SCO", w.data());
    EXPECT_FALSE(ReadScoreFile(Competition(), {512, {30000}}, true, kept, dialogs, errorCode));
}

TEST_F(ScoreFileTest, AMissingFileGivesBlankBlocksOrTheMissingFileMessage) {
    std::vector<TZitScoreObj> blocks;
    ASSERT_TRUE(ReadScoreFile(Competition(), {4, {2, 3}}, true, blocks, dialogs, errorCode));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1].Records.size(), 13u);
    EXPECT_EQ(blocks[1].SessionIndex, 2);
    EXPECT_FALSE(ReadScoreFile(Competition(), {4, {2, 3}}, false, blocks, dialogs, errorCode));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Bestand bestaat niet : " + (folder / "club_1.SCO").string()});
}

TEST_F(ScoreFileTest, AFailedWriteKeepsTheOldFile) {
    const auto old = SerializeScoreFile({NewScoreBlock(1, 1, 2)}, 2);
    Put(folder / "club_1.sco", old);
    fs::create_directory(folder / "club_1.sco.~tmp"); // the temporary file cannot be made
    EXPECT_FALSE(WriteScoreFile((folder / "club_1.sco").string(), {NewScoreBlock(1, 2, 2)}, 2, true, dialogs,
                                errorCode));
    EXPECT_EQ(Bytes(folder / "club_1.sco"), old);
    EXPECT_FALSE(fs::exists(folder / "club_1.~sc"));
    EXPECT_EQ(errorCode.value(), ScoreFileError::WriteFailed);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Scorelijst niet bewaard zitting: 1"});
}

TEST_F(ScoreFileTest, SlamFileRoundTripAndItsOwnBackup) {
    std::vector<TZitSlemObj> blocks = {NewSlamBlock(1, 3), NewSlamBlock(2, 3)};
    blocks[1].SlamTotal = 2;
    blocks[1].Records[2].SlamCounts[SmallSlamMajor] = 1;
    blocks[1].Records[2].Reserved[5] = 0xEE;
    const auto bytes = SerializeSlamFile(blocks, 3);
    EXPECT_EQ(bytes.size(), 2 * (4 + 4 * 18u));

    // No slam file yet: it is written as ".SLM" and read back as ".slm".
    const std::string slamPath = (folder / "club_1.slm").string();
    ASSERT_TRUE(WriteSlamFile(slamPath, blocks, 3, true, dialogs, errorCode));
    EXPECT_TRUE(fs::exists(folder / "club_1.SLM"));
    std::vector<TZitSlemObj> read;
    ASSERT_TRUE(ReadSlamFile(Competition(), {3, {1, 1}}, true, read, dialogs, errorCode));
    EXPECT_EQ(read, blocks);

    // The score file's backup does not stand in the way of the slam file's.
    Put(folder / "club_1.~sc", {1, 2, 3});
    ASSERT_TRUE(WriteSlamFile(slamPath, {NewSlamBlock(1, 3)}, 3, true, dialogs, errorCode));
    EXPECT_EQ(Bytes(folder / "club_1.~sl"), bytes);
    EXPECT_EQ(Bytes(folder / "club_1.~sc"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ScoreFileTest, ATruncatedSlamFileLoadsNothing) {
    const auto bytes = SerializeSlamFile({NewSlamBlock(1, 3), NewSlamBlock(2, 3)}, 3);
    Put(folder / "club_1.slm", std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    std::vector<TZitSlemObj> read;
    EXPECT_FALSE(ReadSlamFile(Competition(), {3, {1, 1}}, true, read, dialogs, errorCode));
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Slemlijst bestaat niet; zitting: 2"});
    // Missing, with a competition open: fresh blocks.
    fs::remove(folder / "club_1.slm");
    ASSERT_TRUE(ReadSlamFile(Competition(), {3, {1, 1}}, true, read, dialogs, errorCode));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].SlamTotal, -1);
    EXPECT_EQ(read[1].SessionIndex, 2);
}

namespace {
// Three sessions of 4 pairs with 2, 3 and 1 boards; every record of session s holds its own
// pattern, so a block put in the wrong place shows.
std::vector<std::uint8_t> ThreeSessions() {
    std::vector<TZitScoreObj> blocks = {NewScoreBlock(1, 2, 4), NewScoreBlock(2, 3, 4),
                                        NewScoreBlock(3, 1, 4)};
    for (auto& block : blocks)
        for (std::size_t r = 1; r < block.Records.size(); ++r) {
            block.Records[r].Score =
                static_cast<std::int16_t>(block.SessionIndex * 1000 + static_cast<int>(r));
            block.Records[r].Code = 14;
        }
    return SerializeScoreFile(blocks, 4);
}
} // namespace

TEST_F(ScoreFileTest, OneSessionIsReadAloneAndWrittenBackInItsPlace) {
    const ScoreFileShape shape{4, {2, 3, 1}};
    const auto file = ThreeSessions();
    // Heads of 4 bytes, blocks of 9, 13 and 5 records of 17 bytes.
    ASSERT_EQ(file.size(), 3 * 4 + (9 + 13 + 5) * 17u);
    Put(folder / "club_1.SCO", file);

    TZitScoreObj block;
    ASSERT_TRUE(ReadScoreFileSession(Competition(), shape, 2, block, dialogs, errorCode));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(block.SessionIndex, 2);
    ASSERT_EQ(block.Records.size(), 13u);
    EXPECT_EQ(block.Records[7].Score, 2007);

    block.Records[7].Score = -420;
    ASSERT_TRUE(
        WriteScoreFileSession((folder / "club_1.sco").string(), shape, 2, block, true, dialogs, errorCode));
    auto expected = file;
    // Record 7 of session 2 starts after the first block (4 + 9 x 17) and its own head, at byte 12
    // of the record: the score, little-endian.
    const std::size_t at = 4 + 9 * 17 + 4 + 7 * 17 + 12;
    const auto score = static_cast<std::uint16_t>(std::int16_t{-420});
    expected[at] = static_cast<std::uint8_t>(score & 0xFF);
    expected[at + 1] = static_cast<std::uint8_t>(score >> 8);
    EXPECT_EQ(Bytes(folder / "club_1.SCO"), expected);
    EXPECT_EQ(Bytes(folder / "club_1.~sc"), file);
}

TEST_F(ScoreFileTest, OneSessionOfADamagedFileGivesTheMessagesOfTheWholeRead) {
    const ScoreFileShape shape{4, {2, 3, 1}};
    const auto file = ThreeSessions();
    // Cut inside the last block: reading session 1 alone still finds the file short.
    Put(folder / "club_1.SCO", std::vector<std::uint8_t>(file.begin(), file.end() - 5));
    TZitScoreObj block = NewScoreBlock(9, 1, 1);
    EXPECT_FALSE(ReadScoreFileSession(Competition(), shape, 1, block, dialogs, errorCode));
    EXPECT_EQ(block.SessionIndex, 9);
    EXPECT_EQ(errorCode.value(), ScoreFileError::ReadFailed);
    std::vector<TZitScoreObj> whole;
    test::ScriptedDialogs wholeDialogs;
    ErrorCode wholeError;
    EXPECT_FALSE(ReadScoreFile(Competition(), shape, true, whole, wholeDialogs, wholeError));
    EXPECT_EQ(dialogs.texts(), wholeDialogs.texts());
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Scorelijst bestaat niet zitting: 3"});

    // A block that differs from its session's boards: the same message, the block read with its own.
    Put(folder / "club_1.SCO", file);
    dialogs.messages.clear();
    ASSERT_TRUE(ReadScoreFileSession(Competition(), {4, {2, 3, 2}}, 3, block, dialogs, errorCode));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Aantal spellen in Scorelist: 1 Aantal spellen voor "
                                       "Zitting: 2 komt niet overeen kies zittingggegevens"});
    EXPECT_EQ(block.Records.size(), 5u);

    // Nothing is written into a file whose blocks no longer fit.
    Put(folder / "club_1.SCO", std::vector<std::uint8_t>(file.begin(), file.end() - 5));
    dialogs.messages.clear();
    EXPECT_FALSE(
        WriteScoreFileSession((folder / "club_1.SCO").string(), shape, 1, block, true, dialogs, errorCode));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Scorelijst niet bewaard zitting: 1"});
    EXPECT_EQ(Bytes(folder / "club_1.SCO").size(), file.size() - 5);
}

TEST_F(ScoreFileTest, OneSessionOfAMissingFileIsBlank) {
    TZitScoreObj block;
    ASSERT_TRUE(ReadScoreFileSession(Competition(), {4, {2, 3}}, 2, block, dialogs, errorCode));
    EXPECT_EQ(block.Records.size(), 13u);
    EXPECT_EQ(block.SessionIndex, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ScoreFileTest, OneSessionLargerThanAPieceIsReadWhole) {
    // 512 pairs and 10 boards: 5121 records, more than the reader takes in one piece.
    const ScoreFileShape shape{512, {10, 10}};
    std::vector<TZitScoreObj> blocks = {NewScoreBlock(1, 10, 512), NewScoreBlock(2, 10, 512)};
    for (std::size_t r = 1; r < blocks[1].Records.size(); ++r) {
        blocks[1].Records[r].Score = static_cast<std::int16_t>(r);
        blocks[1].Records[r].Code = 14;
    }
    // Old-form contracts on both sides of the piece boundary are modernised as in a whole read.
    for (const std::size_t r : {4095u, 4096u, 4097u, 5120u})
        blocks[1].Records[r].Contract.set("4-1");
    Put(folder / "club_1.SCO", SerializeScoreFile(blocks, 512));

    TZitScoreObj block;
    ASSERT_TRUE(ReadScoreFileSession(Competition(), shape, 2, block, dialogs, errorCode));
    ASSERT_EQ(block.Records.size(), 5121u);
    EXPECT_EQ(block.Records[4096].Score, 4096);
    EXPECT_EQ(block.Records[5120].Score, 5120);
    EXPECT_EQ(block.Records[4097].Contract.get(), "4=1");
    std::vector<TZitScoreObj> whole;
    ASSERT_TRUE(ReadScoreFile(Competition(), shape, true, whole, dialogs, errorCode));
    EXPECT_EQ(block, whole[1]);
    EXPECT_TRUE(dialogs.messages.empty());
}
