#include "core/files/BaseScheduleFile.h"

#include "core/records/ScheduleRecords.h"
#include "schedules/SchedulesFolder.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {
template <typename Record> std::size_t WrittenSize(const Record& r) {
    ByteWriter w;
    r.WriteTo(w);
    return w.size();
}
} // namespace

TEST(ScheduleRecordsTest, SizesAndByteExactRoundTrip) {
    EXPECT_EQ(WrittenSize(TTafelObj{}), 9u);
    EXPECT_EQ(WrittenSize(TSchemaObj{}), 7u);
    EXPECT_EQ(WrittenSize(TSchemaObj1{}), 11u);
    EXPECT_EQ(WrittenSize(TZitSchemaObj{}), 794u);

    std::vector<std::uint8_t> bytes(TZitSchemaObj::Size);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 31 + 7);
    ByteReader in(bytes);
    TZitSchemaObj head;
    head.ReadFrom(in);
    ASSERT_TRUE(in.atEnd());
    ByteWriter out;
    head.WriteTo(out);
    EXPECT_EQ(out.data(), bytes);
}

TEST(BaseScheduleFileTest, PairsFormExactBytesAndReadBack) {
    TempFolder folder("base");
    const WorkSchedule s = test::MakeBase({4, 2, 1, 2}, {{1, 2, 'A'}, {3, 4, 'B'}});
    const std::string path = folder.file("1r-4p.ws0");
    ASSERT_TRUE(WriteBaseSchedule(path, s));
    EXPECT_EQ(test::FileContents(path), (std::vector<std::uint8_t>{1, 4, 2, 2, 1, 1, 2, 'A', 2, 3, 4, 'B'}));
    ScriptedDialogs dialogs;
    ErrorCode error;
    const auto read = ReadBaseSchedule(path, dialogs, error);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, s);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(BaseScheduleFileTest, IndividualFormExactBytesAndReadBack) {
    TempFolder folder("base1");
    WorkSchedule1 s = WorkSchedule1::Empty({4, 1, 1, 1});
    s.at(1, 1) = {1, 1, 2, 3, 4, 'A'};
    const std::string path = folder.file("1r-4s.ws0");
    ASSERT_TRUE(WriteBaseSchedule1(path, s));
    EXPECT_EQ(test::FileContents(path),
              (std::vector<std::uint8_t>{1, 4, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 0, 2, 0, 3, 0, 4, 0, 'A'}));
    ScriptedDialogs dialogs;
    ErrorCode error;
    EXPECT_EQ(ReadBaseSchedule1(path, dialogs, error), s);

    // Two equal players: the table is not in play.
    s.at(1, 1) = {1, 1, 2, 1, 4, 'A'};
    ASSERT_TRUE(WriteBaseSchedule1(path, s));
    EXPECT_EQ(ReadBaseSchedule1(path, dialogs, error)->at(1, 1), (TWSObj1{1, 0, 0, 0, 0, 'A'}));
}

TEST(BaseScheduleFileTest, EqualPairsAndTheFirstEntryQuestion) {
    TempFolder folder("base-q");
    const std::string path = folder.file("b.ws0");
    test::WriteContents(path, {1, 6, 2, 2, 1, 5, 5, 'A', 2, 1, 2, 'B'});
    ScriptedDialogs dialogs;
    ErrorCode error;
    // NZ = OW = 5 is stored as 0 and 0.
    EXPECT_EQ(ReadBaseSchedule(path, dialogs, error)->at(1, 1), (TWSObj{1, 0, 0, 'A'}));
    EXPECT_TRUE(dialogs.messages.empty());

    test::WriteContents(path, {1, 6, 2, 2, 1, 0, 3, 'A', 2, 1, 2, 'B'});
    dialogs.answerNo();
    const auto stopped = ReadBaseSchedule(path, dialogs, error);
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Paar of Spelgroep =0; Doorgaan met Schema inlezen ?"});
    EXPECT_EQ(stopped, WorkSchedule::Empty({6, 2, 1, 2}));
    dialogs.answerYes();
    EXPECT_EQ(ReadBaseSchedule(path, dialogs, error)->at(1, 2), (TWSObj{2, 1, 2, 'B'}));
}

TEST(BaseScheduleFileTest, TruncatedOrMissingFilesLoadNothing) {
    TempFolder folder("base-short");
    const WorkSchedule s = test::MakeBase({4, 2, 2, 2}, {{1, 2, 'A'}, {3, 4, 'B'}, {1, 3, 'B'}, {2, 4, 'A'}});
    auto bytes = SerializeBaseSchedule(s);
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(ParseBaseSchedule(std::span(bytes.data(), size)).has_value()) << size;
    EXPECT_TRUE(ParseBaseSchedule(bytes).has_value());

    const std::string path = folder.file("short.ws0");
    bytes.pop_back();
    test::WriteContents(path, bytes);
    ScriptedDialogs dialogs;
    ErrorCode error;
    EXPECT_FALSE(ReadBaseSchedule(path, dialogs, error).has_value());
    EXPECT_FALSE(ReadBaseSchedule(folder.file("none.ws0"), dialogs, error).has_value());
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{" Schemalist niet correct \r",
                                        "Bestand bestaat niet : " + folder.file("none.ws0")}));

    // Counts that cannot be a schedule: 17 rounds, or no tables.
    std::vector<std::uint8_t> seventeen(4 + 17 * 4, 1);
    seventeen[0] = 17;
    EXPECT_FALSE(ParseBaseSchedule(seventeen).has_value());
    EXPECT_FALSE(ParseBaseSchedule(std::vector<std::uint8_t>{1, 4, 0, 1}).has_value());
}

TEST(SchedulesFolderTest, BesideTheProgramElseSourceElseCreated) {
    TempFolder program("prog");
    TempFolder source("src");
    std::filesystem::create_directories(source.file("Schemas"));
    EXPECT_EQ(FindSchedulesFolder(program.file(""), source.file("")), source.file("Schemas"));
    std::filesystem::create_directories(program.file("Schemas"));
    EXPECT_EQ(FindSchedulesFolder(program.file(""), source.file("")), program.file("Schemas"));
    TempFolder bare("bare");
    EXPECT_EQ(FindSchedulesFolder(bare.file(""), ""), bare.file("Schemas"));
    EXPECT_TRUE(std::filesystem::is_directory(bare.file("Schemas")));
}

TEST(BaseScheduleFileTest, CountsAboveAByteAreRefusedNotCut) {
    TempFolder folder("base-big");
    const std::string path = folder.file("1r-200p.ws0");
    // 256 tables: the count would be written as 0.
    const WorkSchedule wide = WorkSchedule::Empty({200, 256, 1, 1});
    EXPECT_EQ(BaseScheduleOverflow(wide),
              "Schema niet bewaard:\rAantal tafels 256 past niet in een schemabestand (hoogstens 255)");
    EXPECT_FALSE(WriteBaseSchedule(path, wide));
    EXPECT_FALSE(test::ScheduleFileExistsForTest(path));
    WorkSchedule highPair = WorkSchedule::Empty({4, 2, 1, 1});
    highPair.Items[1].NS = 300;
    EXPECT_EQ(BaseScheduleOverflow(highPair),
              "Schema niet bewaard:\rPaarnummer 300 past niet in een schemabestand (hoogstens 255)");

    // 255 of everything still fits, byte for byte.
    const WorkSchedule full = WorkSchedule::Empty({255, 255, 1, 1});
    EXPECT_EQ(BaseScheduleOverflow(full), "");
    ASSERT_TRUE(WriteBaseSchedule(path, full));
    const auto bytes = test::FileContents(path);
    ASSERT_EQ(bytes.size(), 4u + 255u * 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{1, 255, 255, 1}));
    EXPECT_EQ(bytes[4 + 254 * 4], 255); // the last table's number

    // The individual form holds players in two bytes, but table numbers in one.
    const WorkSchedule1 players = WorkSchedule1::Empty({1024, 256, 1, 1});
    EXPECT_EQ(BaseScheduleOverflow(players),
              "Schema niet bewaard:\rTafelnummer 256 past niet in een schemabestand (hoogstens 255)");
    EXPECT_FALSE(WriteBaseSchedule1(path, players));
    EXPECT_EQ(BaseScheduleOverflow(WorkSchedule1::Empty({1020, 255, 1, 1})), "");
}
