#include "core/files/CompetitionFile.h"

#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;
using velk::test::WriteBytes;

namespace {

// Builds competition files byte by byte from the record layouts, without the record classes, so
// the reader and writer are checked against the layout itself.
class Record {
public:
    explicit Record(std::size_t size) : bytes_(size, 0) {}

    Record& u8(std::size_t at, std::uint8_t v) {
        bytes_.at(at) = v;
        return *this;
    }
    Record& i16(std::size_t at, int v) {
        const auto u = static_cast<std::uint16_t>(v);
        u8(at, static_cast<std::uint8_t>(u & 0xFF));
        return u8(at + 1, static_cast<std::uint8_t>(u >> 8));
    }
    Record& f32(std::size_t at, float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        for (int k = 0; k < 4; ++k)
            u8(at + k, static_cast<std::uint8_t>(u >> (8 * k)));
        return *this;
    }
    Record& f64(std::size_t at, double v) {
        std::uint64_t u;
        std::memcpy(&u, &v, 8);
        for (int k = 0; k < 8; ++k)
            u8(at + k, static_cast<std::uint8_t>(u >> (8 * k)));
        return *this;
    }
    // A shortstring whose unused bytes hold `filler`, as old files may have.
    Record& text(std::size_t at, std::size_t capacity, const std::string& cp1252, std::uint8_t filler = 0) {
        u8(at, static_cast<std::uint8_t>(cp1252.size()));
        for (std::size_t i = 0; i < capacity; ++i)
            u8(at + 1 + i, i < cp1252.size() ? static_cast<std::uint8_t>(cp1252[i]) : filler);
        return *this;
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

struct FileImage {
    int pairCount = 4;
    int sessionsPerCompetition = 6;
    std::uint8_t headerKind = 'C';
    std::vector<int> sessionNumbers = {1, 2};
    int sessionCount = -1; // -1: the number of sessionNumbers

    Record config() const {
        Record r(445);
        r.text(0, 32, "Club \xC9\xE9n", 0xAA);
        r.i16(33, pairCount).i16(35, 2).i16(37, sessionsPerCompetition).i16(39, 2);
        r.f64(41, 55.0).f64(49, 45.5);
        r.i16(57, 1).i16(59, 2).i16(61, 1).i16(63, 3).i16(65, 6);
        r.text(67, 32, "MS Sans Serif", 0x55);
        r.i16(100, (10 << 8) | 9).i16(102, 20).i16(104, 300).i16(106, 200).i16(108, 50).i16(110, 60);
        r.i16(112, 1);
        for (int k = 0; k < 5; ++k)
            r.text(114 + 33 * k, 32, "Regel " + std::to_string(k + 1), static_cast<std::uint8_t>(0x10 + k));
        for (std::size_t i = 279; i < 312; ++i)
            r.u8(i, static_cast<std::uint8_t>(i * 7 + 1));
        r.text(312, 32, "Courier New", 0x77);
        r.i16(345, 0x45).u8(347, 0xBE).u8(348, 0xEF);
        r.i16(349 + 2, 2).i16(381, 3).i16(413, 5).i16(413 + 2, 4);
        return r;
    }

    static std::int16_t clubNr(int pair) { return static_cast<std::int16_t>(100 + pair); }

    std::vector<std::uint8_t> build() const {
        std::vector<std::uint8_t> out = config().bytes();
        Record slam(32);
        for (int k = 0; k < 16; ++k)
            slam.i16(2 * k, 50 + k);
        append(out, slam);

        Record header(58);
        header.i16(0, 2026).u8(4, headerKind).text(7, 48, "club.dba");
        append(out, header);
        for (int n = 1; n <= pairCount; ++n) {
            Record pair(58);
            pair.i16(0, n).i16(2, clubNr(n)).u8(4, n <= pairCount / 2 ? 'A' : 'B');
            pair.i16(5, (n - 1) % 2 + 1).text(7, 48, "Paar " + std::to_string(n), 0xCC).i16(56, n);
            append(out, pair);
        }

        Record count(2);
        count.i16(0, sessionCount >= 0 ? sessionCount : static_cast<int>(sessionNumbers.size()));
        append(out, count);
        for (std::size_t s = 0; s < sessionNumbers.size(); ++s) {
            const int b = static_cast<int>(s) + 1;
            Record session(113);
            session.i16(0, 1).i16(2, sessionNumbers[s]).i16(4, 24).i16(6, 6).i16(8, 6);
            session.u8(10, 1).u8(11, 4).i16(12, 1).i16(14, 2);
            session.text(16, 12, "0" + std::to_string(b) + "-03-2026", 0x99);
            session.i16(29, 2).i16(31, 2).i16(61, 1);
            for (std::size_t i = 63; i < 81; ++i)
                session.u8(i, static_cast<std::uint8_t>(i + b));
            session.i16(81, 1).i16(83, 1);
            append(out, session);
            for (int i = 0; i <= pairCount; ++i) {
                Record row(26);
                row.i16(0, i == 0 ? 0 : clubNr(i)).i16(2, i % 3);
                row.f32(4, 10.0f * b + static_cast<float>(i)).f32(8, 50.25f).f32(12, -1.5f).f32(16, 7.0f);
                row.u8(20, 1).u8(21, 24).i16(22, i).i16(24, pairCount + 1 - i);
                append(out, row);
            }
        }
        return out;
    }

    static void append(std::vector<std::uint8_t>& out, const Record& r) {
        out.insert(out.end(), r.bytes().begin(), r.bytes().end());
    }
};

constexpr std::size_t kConfigAndSlam = 445 + 32;

// A loaded object that a failed read must leave exactly as it was.
CompetitionFileData Sentinel() {
    CompetitionFileData data;
    data.PairList.resize(3);
    data.PairList[1].ClubNr = 999;
    data.IsCompetition = false;
    return data;
}

void ExpectUntouched(const CompetitionFileData& data) {
    ASSERT_EQ(data.PairList.size(), 3u);
    EXPECT_EQ(data.PairList[1].ClubNr, 999);
    EXPECT_FALSE(data.IsCompetition);
    EXPECT_TRUE(data.SessionList.empty());
}

class CompetitionFileTest : public ::testing::Test {
protected:
    bool read(const std::vector<std::uint8_t>& bytes, CompetitionFileData& out) {
        return ReadCompetitionBytes(bytes, out, dialogs, errorCode);
    }
    CompetitionFileData load(const std::vector<std::uint8_t>& bytes) {
        CompetitionFileData data;
        EXPECT_TRUE(read(bytes, data)) << "code " << errorCode.value();
        return data;
    }
    bool write(const std::string& path, const CompetitionFileData& data,
               SaveReport report = SaveReport::Silent) {
        return WriteCompetitionFile(path, data, data.ConfigRecord.Head, "club.dba", 2026, dialogs, errorCode,
                                    report);
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    ErrorCode errorCode;
};

} // namespace

TEST_F(CompetitionFileTest, ReadAndWrittenBackIsByteForByteTheSame) {
    const auto image = FileImage{}.build();
    const std::string path = folder.file("club.dba");
    WriteBytes(path, image);

    CompetitionFileData data;
    ASSERT_TRUE(ReadCompetitionFile(path, data, dialogs, errorCode));
    EXPECT_TRUE(errorCode.ok());
    EXPECT_TRUE(dialogs.messages.empty());

    const std::string copy = folder.file("copy.dba");
    ASSERT_TRUE(write(copy, data));
    EXPECT_EQ(ReadBytes(copy), image);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CompetitionFileTest, FieldsComeFromTheirOffsets) {
    const CompetitionFileData data = load(FileImage{}.build());
    const CompetitionHead& head = data.ConfigRecord.Head;
    EXPECT_EQ(head.CompetitionName.get(), "Club Één");
    EXPECT_EQ(head.PairCount, 4);
    EXPECT_EQ(head.SessionsPerCompetition, 6);
    EXPECT_EQ(head.MaxPctTwoSubs, 45.5);
    EXPECT_EQ(head.CalcMethod, 1);
    EXPECT_EQ(head.CompetitionsPerSeason, 6);
    EXPECT_EQ(data.ConfigRecord.printerFontSize(), 9);
    EXPECT_EQ(data.ConfigRecord.screenFontSize(), 10);
    EXPECT_EQ(data.ConfigRecord.PersonalData[4].get(), "Regel 5");
    EXPECT_EQ(data.ConfigRecord.PrinterFontName.get(), "Courier New");
    EXPECT_EQ(data.ConfigRecord.Reserved279[0], static_cast<std::uint8_t>(279 * 7 + 1));
    EXPECT_EQ(data.ConfigRecord.PromotionsUp[1], 2);
    EXPECT_EQ(data.ConfigRecord.GroupBonus[1], 4);
    EXPECT_EQ(data.SlamBonusTable.Values[15], 65);

    ASSERT_EQ(data.PairList.size(), 5u);
    EXPECT_TRUE(data.IsCompetition);
    EXPECT_EQ(data.PairList[0].Naam.get(), "club.dba");
    EXPECT_EQ(data.PairList[3].Naam.get(), "Paar 3");
    EXPECT_EQ(data.PairList[3].Groep, 'B');

    ASSERT_EQ(data.SessionCount(), 2);
    const TZitCalcObj& second = data.SessionList[1];
    EXPECT_EQ(second.SessionNr, 2);
    EXPECT_EQ(second.SessionDate.get(), "02-03-2026");
    ASSERT_EQ(second.Rows.size(), 5u);
    EXPECT_EQ(second.Rows[4].Points, 24.0f);
    EXPECT_EQ(second.Rows[4].Correction, -1.5f);
    EXPECT_EQ(second.Rows[4].CompetitionRank, 1);
}

TEST_F(CompetitionFileTest, ResultRowsTakeTheClubNrOfTheirPair) {
    auto image = FileImage{}.build();
    // Row 2 of session 1 claims another pair.
    const std::size_t row2 = kConfigAndSlam + 5 * 58 + 2 + 113 + 2 * 26;
    image[row2] = 0x11;
    image[row2 + 1] = 0x22;
    const CompetitionFileData data = load(image);
    EXPECT_EQ(data.SessionList[0].Rows[2].ClubNr, FileImage::clubNr(2));
}

TEST_F(CompetitionFileTest, SlamBlockFlagIsSetOnRead) {
    FileImage file;
    auto image = file.build();
    image[63] = 0; // ConfigFlags without bit 1: the block is read all the same
    const CompetitionFileData data = load(image);
    EXPECT_EQ(data.ConfigRecord.Head.ConfigFlags, ConfigFlag::SlamBonusBlock);
    EXPECT_EQ(data.SlamBonusTable.Values[0], 50);
    EXPECT_EQ(data.PairList[1].ClubNr, 101);
}

TEST_F(CompetitionFileTest, CutAnywhereIsRejectedWithTheCodeOfItsSection) {
    const auto image = FileImage{}.build();
    const std::size_t pairsEnd = kConfigAndSlam + 5 * 58;
    for (std::size_t length = 0; length < image.size(); ++length) {
        const std::vector<std::uint8_t> cut(image.begin(), image.begin() + static_cast<long>(length));
        CompetitionFileData data = Sentinel();
        ASSERT_FALSE(read(cut, data)) << length;
        const int expected = length < kConfigAndSlam ? 1 : length < pairsEnd ? 2 : 3;
        ASSERT_EQ(errorCode.value(), expected) << length;
        ExpectUntouched(data);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CompetitionFileTest, TruncatedFileReportsTheSessionList) {
    auto image = FileImage{}.build();
    image.pop_back();
    const std::string path = folder.file("club.dba");
    WriteBytes(path, image);
    CompetitionFileData data;
    ASSERT_FALSE(ReadCompetitionFile(path, data, dialogs, errorCode));
    ReportCompetitionFileError(dialogs, errorCode.value(), "club.dba");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "club.dba: zittinglijst foutief\n\r controleer bestand");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
}

TEST_F(CompetitionFileTest, NoPairsIsRejectedAsABadConfiguration) {
    FileImage file;
    file.pairCount = 0;
    CompetitionFileData data = Sentinel();
    EXPECT_FALSE(read(file.build(), data));
    EXPECT_EQ(errorCode.value(), 1);
    ExpectUntouched(data);
    ReportCompetitionFileError(dialogs, errorCode.value(), "club.dba");
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"club.dba: configuratierecord foutief\n\r controleer bestand"});
}

TEST_F(CompetitionFileTest, NegativeCountsAreRejected) {
    FileImage pairs;
    pairs.pairCount = -2;
    CompetitionFileData data = Sentinel();
    EXPECT_FALSE(read(pairs.build(), data));
    EXPECT_EQ(errorCode.value(), 1);

    FileImage sessions;
    sessions.sessionNumbers = {};
    sessions.sessionCount = 0xFFFF; // -1 as an i16
    EXPECT_FALSE(read(sessions.build(), data));
    EXPECT_EQ(errorCode.value(), 3);
    ExpectUntouched(data);
}

TEST_F(CompetitionFileTest, TooManySessionsGivesBothMessagesAndLoadsNothing) {
    FileImage file;
    file.sessionsPerCompetition = 1;
    CompetitionFileData data = Sentinel();
    EXPECT_FALSE(read(file.build(), data));
    EXPECT_EQ(errorCode.value(), 7);
    ExpectUntouched(data);
    ReportCompetitionFileError(dialogs, errorCode.value(), "club.dba");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Aantal Zittingen te groot,programma corrupt of wijzig aantal Zittingen");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[1].text, "Bridgebestand van vóór 2013, gebruik Velk12!");
}

TEST_F(CompetitionFileTest, ErrorCodesMapToTheirMessages) {
    for (int code : {2, 4, 6})
        ReportCompetitionFileError(dialogs, code, "a.dba");
    ReportCompetitionFileError(dialogs, 5, "a.dba"); // already warned about while reading
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"a.dba: parenlijst foutief\n\r controleer bestand",
                                        "a.dba fout in Zitingcalcuullijst \n\r controleer bestand",
                                        "Bridgebestand van vóór 2007, gebruik Velk06!"}));
}

TEST_F(CompetitionFileTest, MissingFileIsAWarning) {
    const std::string path = folder.file("none.dba");
    CompetitionFileData data = Sentinel();
    EXPECT_FALSE(ReadCompetitionFile(path, data, dialogs, errorCode));
    EXPECT_EQ(errorCode.value(), 5);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Geen Paren bestand " + path);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    ExpectUntouched(data);
}

TEST_F(CompetitionFileTest, RemovedSessionIsSkippedWithItsRows) {
    FileImage file;
    file.sessionNumbers = {1, 0, 3};
    const CompetitionFileData data = load(file.build());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Zitting: 2 bestaat niet; Zitting verwijderd");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    ASSERT_EQ(data.SessionCount(), 2);
    const TZitCalcObj& third = data.SessionList[1];
    EXPECT_EQ(third.SessionNr, 3);
    EXPECT_EQ(third.SessionDate.get(), "03-03-2026");
    ASSERT_EQ(third.Rows.size(), 5u);
    EXPECT_EQ(third.Rows[1].Points, 31.0f);
    EXPECT_EQ(third.Rows[4].SessionRank, 4);
}

TEST_F(CompetitionFileTest, HeaderKindTellsCompetitionFromDrive) {
    FileImage blank;
    blank.headerKind = ' ';
    EXPECT_TRUE(load(blank.build()).IsCompetition);

    FileImage drive;
    drive.headerKind = 'D';
    const CompetitionFileData data = load(drive.build());
    EXPECT_FALSE(data.IsCompetition);
    const auto bytes = SerializeCompetitionFile(data, data.ConfigRecord.Head, "club.dba", 2026);
    EXPECT_EQ(bytes, drive.build());
}

TEST_F(CompetitionFileTest, SecondSaveKeepsThePreviousFileAsBackup) {
    const std::string path = folder.file("club.dba");
    CompetitionFileData data = load(FileImage{}.build());
    ASSERT_TRUE(write(path, data));
    EXPECT_FALSE(std::filesystem::exists(folder.file("club.~db")));
    const auto first = ReadBytes(path);

    data.PairList[1].Naam.set("Jansen - De Vries");
    ASSERT_TRUE(write(path, data));
    EXPECT_EQ(ReadBytes(folder.file("club.~db")), first);
    CompetitionFileData reread;
    ASSERT_TRUE(ReadCompetitionFile(path, reread, dialogs, errorCode));
    EXPECT_EQ(reread.PairList[1].Naam.get(), "Jansen - De Vries");
    EXPECT_FALSE(std::filesystem::exists(path + ".~tmp"));
}

TEST_F(CompetitionFileTest, FailedWriteLeavesFileAndBackupAsTheyWere) {
    const std::string path = folder.file("club.dba");
    const std::vector<std::uint8_t> old = FileImage{}.build();
    const std::vector<std::uint8_t> olderBackup = {1, 2, 3};
    WriteBytes(path, old);
    WriteBytes(folder.file("club.~db"), olderBackup);
    // Something in the way of the temporary file makes the write fail.
    std::filesystem::create_directory(path + ".~tmp");

    CompetitionFileData data = load(old);
    data.PairList[1].Naam.set("changed");
    EXPECT_FALSE(write(path, data, SaveReport::Report));
    EXPECT_EQ(errorCode.value(), 8);
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{path + " wegschrijven NIET gelukt\n\r controleer bestand",
                                        "Wegschrijven van " + path + " niet gelukt"}));
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[1].kind, MessageKind::Information);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(ReadBytes(folder.file("club.~db")), olderBackup);
}

TEST_F(CompetitionFileTest, PathThatIsAFolderIsNotReplaced) {
    const std::string path = folder.file("club.dba");
    std::filesystem::create_directory(path);
    EXPECT_FALSE(write(path, load(FileImage{}.build())));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{path + " wegschrijven NIET gelukt\n\r controleer bestand"});
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_FALSE(std::filesystem::exists(folder.file("club.~db")));
    EXPECT_FALSE(std::filesystem::exists(path + ".~tmp"));
}

TEST_F(CompetitionFileTest, ReportedSaveTellsItWorked) {
    const std::string path = folder.file("club.dba");
    EXPECT_TRUE(write(path, load(FileImage{}.build()), SaveReport::Report));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Wegschrijven van " + path + " gelukt");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
}

TEST_F(CompetitionFileTest, ListsThatDoNotMatchThePairCountAreNotWritten) {
    const std::string path = folder.file("club.dba");
    CompetitionFileData data = load(FileImage{}.build());
    data.SessionList[1].Rows.pop_back();
    EXPECT_FALSE(write(path, data));
    EXPECT_EQ(errorCode.value(), 3);
    data.PairList.pop_back();
    EXPECT_FALSE(write(path, data));
    EXPECT_EQ(errorCode.value(), 2);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CompetitionFileTest, SlamBlockIsAlwaysWrittenSoTheFileReadsBack) {
    const std::string path = folder.file("club.dba");
    CompetitionFileData data = load(FileImage{}.build());
    CompetitionHead head = data.ConfigRecord.Head;
    head.ConfigFlags = ConfigFlag::UseContracts;
    ASSERT_TRUE(WriteCompetitionFile(path, data, head, "club.dba", 2026, dialogs, errorCode));
    CompetitionFileData reread;
    ASSERT_TRUE(ReadCompetitionFile(path, reread, dialogs, errorCode));
    EXPECT_EQ(reread.ConfigRecord.Head.ConfigFlags, ConfigFlag::UseContracts | ConfigFlag::SlamBonusBlock);
    EXPECT_EQ(reread.SlamBonusTable, data.SlamBonusTable);
    EXPECT_EQ(reread.PairList, data.PairList);
}

TEST_F(CompetitionFileTest, HeadAndHeaderAreRefreshedOnWrite) {
    const CompetitionFileData data = load(FileImage{}.build());
    CompetitionHead head = data.ConfigRecord.Head;
    head.CompetitionName.set(std::string(40, 'k'));
    const std::string longName = std::string(50, 'n') + ".dba";
    const auto bytes = SerializeCompetitionFile(data, head, longName, 2027);
    EXPECT_EQ(bytes[0], 32);
    const std::size_t header = kConfigAndSlam;
    EXPECT_EQ(bytes[header] | (bytes[header + 1] << 8), 2027);
    EXPECT_EQ(bytes[header + 4], 'C');
    EXPECT_EQ(bytes[header + 7], 48);

    CompetitionFileData reread = load(bytes);
    EXPECT_EQ(reread.ConfigRecord.Head.CompetitionName.get(), std::string(32, 'k'));
    EXPECT_EQ(reread.PairList[0].Naam.get(), std::string(48, 'n'));
}

TEST_F(CompetitionFileTest, PairNamesAreCutAtTheirCapacity) {
    CompetitionFileData data = load(FileImage{}.build());
    data.PairList[2].Naam.set(std::string(47, 'x') + "éé");
    const CompetitionFileData reread =
        load(SerializeCompetitionFile(data, data.ConfigRecord.Head, "club.dba", 2026));
    EXPECT_EQ(reread.PairList[2].Naam.get(), std::string(47, 'x') + "é");
}
