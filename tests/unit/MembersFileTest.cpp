#include "core/files/MembersFile.h"

#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;
using velk::test::WriteBytes;

namespace {

// Puts a length-prefixed Windows-1252 text at `offset` of a record that starts at `base`.
void Put(std::vector<std::uint8_t>& bytes, std::size_t base, std::size_t offset, std::string_view cp1252) {
    bytes[base + offset] = static_cast<std::uint8_t>(cp1252.size());
    for (std::size_t i = 0; i < cp1252.size(); ++i)
        bytes[base + offset + 1 + i] = static_cast<std::uint8_t>(cp1252[i]);
}

// Two members laid out by hand at the offsets of the record layout (1214 bytes each).
std::vector<std::uint8_t> TwoMembers() {
    std::vector<std::uint8_t> bytes(2 + 2 * 1214, 0);
    bytes[0] = 2;
    const std::size_t a = 2;
    bytes[a + 0] = 0x6F; // ID 111
    Put(bytes, a, 2, "Mulder");
    Put(bytes, a, 149, "R.");
    Put(bytes, a, 200, "Ren\xE9");
    Put(bytes, a, 551, "Den Haag");
    Put(bytes, a, 874, "rene.mulder@example.nl");
    bytes[a + 1111] = 'M';
    Put(bytes, a, 1112, "Komt 2e helft seizoen");
    bytes[a + 1212] = 0x34; // member number 0x1234
    bytes[a + 1213] = 0x12;
    const std::size_t b = 2 + 1214;
    bytes[b + 0] = 0xFF; // ID -1
    bytes[b + 1] = 0xFF;
    Put(bytes, b, 2, "Berg");
    Put(bytes, b, 123, "van der");
    Put(bytes, b, 200, "Zo\xEB");
    Put(bytes, b, 1050, "02-11-1955");
    bytes[b + 1111] = 'V';
    bytes[b + 140] = 0x55; // a byte past the prefix's text: kept as read
    return bytes;
}

} // namespace

TEST(MembersFile, ReadsEveryFieldAtItsOffsetAndWritesTheSameBytes) {
    const auto bytes = TwoMembers();
    std::vector<TKXLedenOBJ> members;
    ASSERT_EQ(ParseMembersFile(bytes, members), MembersParse::Ok);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].LidID, 111);
    EXPECT_EQ(members[0].AchterNaam.get(), "Mulder");
    EXPECT_EQ(members[0].Voorletters.get(), "R.");
    EXPECT_EQ(members[0].VoorNaam.get(), "Ren\u00e9");
    EXPECT_EQ(members[0].Plaats.get(), "Den Haag");
    EXPECT_EQ(members[0].Email.get(), "rene.mulder@example.nl");
    EXPECT_EQ(members[0].Sexe, 'M');
    EXPECT_EQ(members[0].Opmerking.get(), "Komt 2e helft seizoen");
    EXPECT_EQ(members[0].LidNr, 0x1234);
    EXPECT_EQ(members[1].LidID, -1);
    EXPECT_EQ(members[1].Voorzetsel.get(), "van der");
    EXPECT_EQ(members[1].VoorNaam.get(), "Zo\u00eb");
    EXPECT_EQ(members[1].GebDatum.get(), "02-11-1955");
    EXPECT_EQ(members[1].Sexe, 'V');
    EXPECT_EQ(SerializeMembersFile(members), bytes);
}

TEST(MembersFile, TextsAreCutAtTheirCapacityInCharacters) {
    TKXLedenOBJ m;
    m.Opmerking.set(std::string(120, 'x'));
    m.Voorzetsel.set("\u00e9" + std::string(30, 'a')); // é is one character, one byte on file
    ByteWriter w;
    m.WriteTo(w);
    ASSERT_EQ(w.size(), 1214u);
    EXPECT_EQ(w.data()[1112], 99);
    EXPECT_EQ(w.data()[123], 25);
    EXPECT_EQ(w.data()[124], 0xE9);
}

TEST(MembersFile, EveryDamagedFileIsRefused) {
    const auto good = TwoMembers();
    std::vector<TKXLedenOBJ> members;
    EXPECT_EQ(ParseMembersFile({good.data(), 1}, members), MembersParse::Short);
    EXPECT_EQ(ParseMembersFile({good.data(), good.size() - 1}, members), MembersParse::Short);
    auto longer = good;
    longer.push_back(0);
    EXPECT_EQ(ParseMembersFile(longer, members), MembersParse::Trailing);
    auto negative = good;
    negative[1] = 0x80;
    EXPECT_EQ(ParseMembersFile(negative, members), MembersParse::BadCount);
    const std::vector<std::uint8_t> none = {0, 0};
    EXPECT_EQ(ParseMembersFile(none, members), MembersParse::Empty);
    EXPECT_TRUE(members.empty());
}

TEST(MembersFile, AFailedReadNamesTheFileAndLeavesItAsItWas) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    ErrorCode errorCode;
    std::vector<TKXLedenOBJ> members;
    const std::string missing = folder.file("Leden.dat");
    EXPECT_FALSE(ReadMembersFile(missing, members, dialogs, errorCode));
    EXPECT_EQ(dialogs.texts().back(), "Geen Leden bestand " + missing);

    const std::string cut = folder.file("cut.dat");
    auto bytes = TwoMembers();
    bytes.resize(1000);
    WriteBytes(cut, bytes);
    EXPECT_FALSE(ReadMembersFile(cut, members, dialogs, errorCode));
    EXPECT_EQ(dialogs.texts().back(), cut + " inlezen NIET gelukt\n\r controleer bestand");
    EXPECT_EQ(ReadBytes(cut), bytes);

    const std::string empty = folder.file("empty.dat");
    WriteBytes(empty, {0, 0});
    EXPECT_FALSE(ReadMembersFile(empty, members, dialogs, errorCode));
    EXPECT_EQ(dialogs.texts().back(), empty + " Aantalleden = 0\n\r controleer bestand");
    EXPECT_TRUE(members.empty());
}

TEST(MembersFile, ASaveKeepsThePreviousFileAsBackup) {
    TempFolder folder;
    const std::string path = folder.file("Leden.dat");
    const auto before = TwoMembers();
    WriteBytes(path, before);
    std::vector<TKXLedenOBJ> members(1);
    members[0].AchterNaam.set("Visser");
    ASSERT_TRUE(WriteMembersFile(path, members));
    EXPECT_EQ(ReadBytes(folder.file("Leden.~le")), before);
    const auto after = ReadBytes(path);
    ASSERT_EQ(after.size(), 2u + 1214u);
    EXPECT_EQ(after[0], 1);
    EXPECT_EQ(after[4], 6);
    EXPECT_EQ(after[5], 'V');
}
