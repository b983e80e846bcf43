#include "members/MemberImport.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

// One exported line: 24 fields of "label:value", the odd ones holding the member's data.
std::string Line(const std::string& surname, const std::string& first, const std::string& remark) {
    return "Nr:7,Naam:" + surname +
           ",x,Adres:Kerkstraat 1,x,Tel:030-1234567,x,Vl:J.,x,Pc:3511 AB,x,Mob:,x,Vn:" + first +
           ",x,Pl:Utrecht,x,Em:j@x.nl,x,Sx:M,x,Gd:14-03-1948,x,Opm:" + remark;
}

} // namespace

TEST(MemberCsvImport, FieldsByPositionAndThePrefixAfterTheComma) {
    const std::string text = "Kaartix leden 2026\r\n" + Line("\"Berg, van der\"", "Annemarie", "") + "\r\n" +
                             Line("Jansen", "Jan", "Wedstrijdleider") + "\r\n" +
                             Line("Mulder", "Ren\u00e9", "") + "\r\n\r\n";
    std::vector<TKXLedenOBJ> members;
    std::string heading;
    ASSERT_TRUE(MembersFromCsv(text, members, heading));
    EXPECT_EQ(heading, "Kaartix leden 2026");
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(members[0].LidID, 1);
    EXPECT_EQ(members[0].AchterNaam.get(), "Berg");
    EXPECT_EQ(members[0].Voorzetsel.get(), "van der");
    EXPECT_EQ(members[0].Adres.get(), "Kerkstraat 1");
    EXPECT_EQ(members[0].Telefoon.get(), "030-1234567");
    EXPECT_EQ(members[0].Voorletters.get(), "J.");
    EXPECT_EQ(members[0].PostCode.get(), "3511 AB");
    EXPECT_EQ(members[0].Plaats.get(), "Utrecht");
    EXPECT_EQ(members[0].Email.get(), "j@x.nl");
    EXPECT_EQ(members[0].Sexe, 'M');
    EXPECT_EQ(members[0].GebDatum.get(), "14-03-1948");
    EXPECT_EQ(members[1].Opmerking.get(), "Wedstrijdleider");
    EXPECT_EQ(members[2].LidID, 3);
    EXPECT_EQ(members[2].VoorNaam.get(), "Ren\u00e9");
}

TEST(MemberCsvImport, WindowsCodePageUnlessTheBytesAreUtf8) {
    const std::string reneeCp1252 = "Ren\xE9"
                                    "e";
    const std::string euroCp1252 = "\x80 5";
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::vector<TKXLedenOBJ> members;
    std::string heading;
    // The export as the other program writes it: E9 is "é" in Windows-1252, and no UTF-8.
    ASSERT_TRUE(
        MembersFromCsv("Leden\r\n" + Line("Mulder", reneeCp1252, euroCp1252) + "\r\n", members, heading));
    EXPECT_EQ(members[0].VoorNaam.get(), "Ren\u00e9e");
    EXPECT_EQ(members[0].Opmerking.get(), "\u20ac 5");
    // Saved again as UTF-8, with a byte-order mark: the same member, the mark not in the heading.
    const std::string utf8 = byteOrderMark + "Leden\r\n" + Line("Mulder", "Ren\u00e9e", "\u20ac 5") + "\r\n";
    ASSERT_TRUE(MembersFromCsv(utf8, members, heading));
    EXPECT_EQ(heading, "Leden");
    EXPECT_EQ(members[0].VoorNaam.get(), "Ren\u00e9e");
    EXPECT_EQ(members[0].Opmerking.get(), "\u20ac 5");
    // One byte that is no UTF-8 makes the whole file Windows-1252: the two bytes of a UTF-8 "é"
    // are two letters then.
    ASSERT_TRUE(
        MembersFromCsv("Leden\r\n" + Line("Mulder", "Ren\u00e9e", reneeCp1252) + "\r\n", members, heading));
    EXPECT_EQ(members[0].VoorNaam.get(), "Ren\u00c3\u00a9e");
    EXPECT_EQ(members[0].Opmerking.get(), "Ren\u00e9e");
}

TEST(MemberCsvImport, ALineWithAnotherFieldCountIsAFormatFault) {
    std::vector<TKXLedenOBJ> members;
    std::string heading;
    const std::string good = Line("Jansen", "Jan", "");
    EXPECT_FALSE(MembersFromCsv("kop\n" + good + "\n" + good + ",extra\n" + good + "\n", members, heading));
    EXPECT_FALSE(MembersFromCsv("kop\na,b,c\n", members, heading));
    EXPECT_FALSE(MembersFromCsv("kop\n", members, heading));
    EXPECT_TRUE(members.empty());
}

TEST(MemberCsvImport, TheTextListHasOneLinePerMember) {
    TKXLedenOBJ m;
    m.LidID = 118;
    m.AchterNaam.set("Wit");
    m.Voorzetsel.set("de");
    m.VoorNaam.set("Dirk");
    m.Sexe = 'M';
    m.Opmerking.set("Regel 1\r\nRegel 2");
    EXPECT_EQ(MembersTextList({m}), "118, Wit, de, , Dirk, , , , , , , , M, Regel 1  Regel 2\r\n");
}
