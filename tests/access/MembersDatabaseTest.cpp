#include "core/BuildPaths.h"
#include "members/MemberImport.h"
#include "members/access/AccessReader.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {

const std::string kMembersMdb = std::string(VELK_FIXTURE_DIR) + "/access/Members.mdb";

std::vector<TKXLedenOBJ> ImportFixture() {
    AccessTable table;
    EXPECT_EQ(ReadAccessTable(kMembersMdb, kMembersTable, table), AccessRead::Ok);
    std::vector<TKXLedenOBJ> members;
    std::string problem;
    EXPECT_TRUE(MembersFromLedenTable(table, members, problem)) << problem;
    return members;
}

const TKXLedenOBJ& ById(const std::vector<TKXLedenOBJ>& members, int id) {
    for (const auto& m : members)
        if (m.LidID == id)
            return m;
    static const TKXLedenOBJ none;
    ADD_FAILURE() << "no member " << id;
    return none;
}

} // namespace

TEST(MembersDatabase, TheLedenTableBecomesTwentyOneMembers) {
    const auto members = ImportFixture();
    ASSERT_EQ(members.size(), 21u);
    const TKXLedenOBJ& jansen = ById(members, 101);
    EXPECT_EQ(jansen.AchterNaam.get(), "Jansen");
    EXPECT_EQ(jansen.Voorzetsel.get(), "");
    EXPECT_EQ(jansen.Voorletters.get(), "J.");
    EXPECT_EQ(jansen.VoorNaam.get(), "Jan");
    EXPECT_EQ(jansen.Adres.get(), "Kerkstraat 12");
    EXPECT_EQ(jansen.PostCode.get(), "3511 AB");
    EXPECT_EQ(jansen.Plaats.get(), "Utrecht");
    EXPECT_EQ(jansen.Telefoon.get(), "030-1110001");
    EXPECT_EQ(jansen.Mobiel.get(), "06-10000001");
    EXPECT_EQ(jansen.Email.get(), "j.jansen@example.nl");
    EXPECT_EQ(jansen.Sexe, 'M');
    // The birth date is shown, not taken over.
    EXPECT_EQ(jansen.GebDatum.get(), "");
    EXPECT_EQ(ById(members, 102).Voorzetsel.get(), "van der");
    EXPECT_EQ(ById(members, 102).Sexe, 'V');
    EXPECT_EQ(ById(members, 108).Voorzetsel.get(), "van 't");
    EXPECT_EQ(ById(members, 106).Plaats.get(), "'s-Hertogenbosch");
}

TEST(MembersDatabase, DiacriticsNullsAndAwkwardRemarksArriveIntact) {
    const auto members = ImportFixture();
    EXPECT_EQ(ById(members, 111).VoorNaam.get(), "Ren\u00e9");
    EXPECT_EQ(ById(members, 112).VoorNaam.get(), "Zo\u00eb");
    EXPECT_EQ(ById(members, 117).VoorNaam.get(), "In\u00e8s");
    EXPECT_EQ(ById(members, 119).VoorNaam.get(), "No\u00ebl");
    // On file the diacritics are single Windows-1252 bytes.
    EXPECT_EQ(ById(members, 111).VoorNaam.raw()[0], 4);
    EXPECT_EQ(ById(members, 111).VoorNaam.raw()[4], 0xE9);
    EXPECT_EQ(ById(members, 114).Email.get(), "");
    EXPECT_EQ(ById(members, 114).Opmerking.get(), "Geen e-mail, uitslag per post");
    EXPECT_EQ(ById(members, 116).Opmerking.get(), "Zegt: \"altijd 3SA\"");
    EXPECT_EQ(ById(members, 118).Opmerking.get(), "Regel 1\r\nRegel 2");
    const TKXLedenOBJ& postma = ById(members, 121);
    EXPECT_EQ(postma.AchterNaam.get(), "Postma");
    EXPECT_EQ(postma.VoorNaam.get(), "Anton");
    EXPECT_EQ(postma.Adres.get(), "");
    EXPECT_EQ(postma.Sexe, 0);
    EXPECT_EQ(postma.Opmerking.get(), "Nieuw lid, gegevens volgen");
}

TEST(MembersDatabase, AMissingFileOrTableIsSaidApart) {
    AccessTable table;
    EXPECT_EQ(ReadAccessTable(kMembersMdb + ".nope", kMembersTable, table), AccessRead::CannotOpen);
    EXPECT_EQ(ReadAccessTable(kMembersMdb, "SpelTabel", table), AccessRead::NoTable);
    EXPECT_EQ(ReadAccessTable(std::string(VELK_FIXTURE_DIR) + "/access/README.md", kMembersTable, table),
              AccessRead::CannotOpen);
    EXPECT_TRUE(table.Rows.empty());
}
