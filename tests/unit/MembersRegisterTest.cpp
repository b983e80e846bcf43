#include "members/MembersRegister.h"

#include "members/MemberDialogModel.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace velk;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;
using velk::test::WriteBytes;

namespace {

const FixedClock kClock(DateTime{2026, 12, 9});

TKXLedenOBJ Member(int id, const char* surname, const char* first) {
    TKXLedenOBJ m;
    m.LidID = static_cast<std::int16_t>(id);
    m.AchterNaam.set(surname);
    m.VoorNaam.set(first);
    return m;
}

std::vector<std::string> Surnames(const MembersRegister& r) {
    std::vector<std::string> out;
    for (const auto& m : r.Members)
        out.push_back(m.AchterNaam.get() + "/" + m.VoorNaam.get());
    return out;
}

} // namespace

TEST(MembersRegister, SortsBySurnameThenFirstNameWithEmptyNamesLast) {
    ScriptedDialogs dialogs;
    MembersRegister r(dialogs);
    r.adopt({Member(5, "Visser", "Greetje"), Member(3, "", "Anton"), Member(9, "Bakker", "Henk"),
             Member(1, "Bakker", "Els"), Member(2, "Bakker", "")},
            MembersSource::MembersFile, "x.dat");
    r.sort(MemberSortKey::AchterNaam);
    EXPECT_EQ(Surnames(r),
              (std::vector<std::string>{"Bakker/Els", "Bakker/Henk", "Bakker/", "Visser/Greetje", "/Anton"}));
    EXPECT_FALSE(r.notSortedByName());
    r.sort(MemberSortKey::VoorNaam);
    EXPECT_EQ(Surnames(r),
              (std::vector<std::string>{"/Anton", "Bakker/Els", "Visser/Greetje", "Bakker/Henk", "Bakker/"}));
    r.sort(MemberSortKey::Id);
    EXPECT_EQ(r.Members.front().LidID, 1);
    EXPECT_EQ(r.Members.back().LidID, 9);
    // Only the first 24 characters count: these two are equal by surname and keep their order.
    r.adopt({Member(1, "Aaaaaaaaaaaaaaaaaaaaaaaaz", "B"), Member(2, "Aaaaaaaaaaaaaaaaaaaaaaaay", "B")},
            MembersSource::MembersFile, "x.dat");
    r.sort(MemberSortKey::AchterNaam);
    EXPECT_EQ(r.Members.front().LidID, 1);
}

TEST(MembersRegister, SavingAListSortedByIdIsRefused) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    MembersRegister r(dialogs);
    const std::string path = folder.file("Leden.dat");
    r.adopt({Member(2, "Smit", "Zo\u00eb"), Member(1, "Mulder", "Ren\u00e9")}, MembersSource::MembersFile,
            path);
    r.sort(MemberSortKey::Id);
    EXPECT_FALSE(r.saveAs(path));
    EXPECT_EQ(dialogs.texts().back(), "Sorteer eerst het bestand op Naam.!");
    EXPECT_FALSE(std::filesystem::exists(path));
    r.sort(MemberSortKey::AchterNaam);
    EXPECT_TRUE(r.saveAs(path));
    EXPECT_EQ(dialogs.texts().back(), "Wegschrijven van Ledenbestand: " + path + " gelukt");
    EXPECT_EQ(ReadBytes(path).size(), 2u + 2 * 1214u);

    MembersRegister again(dialogs);
    ASSERT_TRUE(again.open(path));
    EXPECT_EQ(Surnames(again), (std::vector<std::string>{"Mulder/Ren\u00e9", "Smit/Zo\u00eb"}));
    EXPECT_TRUE(again.save());
}

TEST(MembersRegister, AFileThatWasNotReadWholeIsNeverSavedOver) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    MembersRegister r(dialogs);
    r.adopt({Member(1, "Jansen", "Jan")}, MembersSource::MembersFile, folder.file("a.dat"));
    const std::string damaged = folder.file("Leden.dat");
    const std::vector<std::uint8_t> bytes = {3, 0, 1, 2, 3};
    WriteBytes(damaged, bytes);
    EXPECT_FALSE(r.open(damaged));
    EXPECT_EQ(dialogs.texts().back(), damaged + " inlezen NIET gelukt\n\r controleer bestand");
    // The register that was open stays open.
    EXPECT_EQ(r.fileName(), folder.file("a.dat"));
    EXPECT_EQ(r.Members.size(), 1u);
    EXPECT_FALSE(r.saveAs(damaged));
    EXPECT_EQ(dialogs.texts().back(), "Wegschrijven van Ledenbestand: " + damaged + " Niet gelukt");
    EXPECT_EQ(ReadBytes(damaged), bytes);
}

TEST(MembersRegister, SearchIgnoresCaseAndEmptySurnamesAreAsked) {
    ScriptedDialogs dialogs;
    MembersRegister r(dialogs);
    r.adopt({Member(101, "Jansen", "Jan"), Member(117, "Kuipers", "In\u00e8s"), Member(118, "", "Dirk")},
            MembersSource::MembersFile, "x.dat");
    EXPECT_EQ(r.search(MemberSortKey::AchterNaam, "kui"), 1);
    EXPECT_EQ(r.search(MemberSortKey::VoorNaam, "IN\u00c8"), 1);
    EXPECT_EQ(r.search(MemberSortKey::Id, "11"), 1);
    EXPECT_EQ(r.search(MemberSortKey::AchterNaam, "x"), -1);
    EXPECT_EQ(r.counterText(2), "2 van 3");
    dialogs.answerNo();
    EXPECT_FALSE(r.checkSurnames());
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Achternaam in regel: 3 is leeg", "Wilt u Doorgaan\r"}));
    EXPECT_EQ(r.insertAfter(0), 1);
    EXPECT_EQ(r.Members.size(), 4u);
    EXPECT_TRUE(r.remove(1));
    EXPECT_FALSE(r.remove(7));
    EXPECT_EQ(dialogs.texts().back(), "Verwijderen van record mislukt");
    EXPECT_EQ(MembersRegister::ProposedSaveName("/club/bc2026_1.dba"), "Ledenbc2026_1.dat");
}

// The Enter option is bit 0x10 of the option word at byte 345 of the competition's configuration
// record, landscape printing ("Liggend") bit 0x08; the other option bits leave each alone.
TEST(MembersRegister, EnterAndLandscapeFollowTheirOptionBits) {
    ScriptedDialogs dialogs;
    MembersRegister r(dialogs);
    EXPECT_FALSE(r.enterOpensMember());
    EXPECT_FALSE(r.printLandscape());
    struct Case {
        std::uint8_t low;
        bool opens;
        bool landscape;
    };
    const Case cases[] = {{0x10, true, false},  {0xEF, false, true}, {0xFF, true, true},
                          {0x00, false, false}, {0x08, false, true}, {0xF7, true, false}};
    for (const auto& [low, opens, landscape] : cases) {
        std::vector<std::uint8_t> bytes(TConfigObj::Size, 0);
        bytes[345] = low;
        ByteReader in(bytes);
        TConfigObj config;
        config.ReadFrom(in);
        ASSERT_TRUE(in.ok());
        r.takeOptions(config);
        EXPECT_EQ(r.enterOpensMember(), opens) << int(low);
        EXPECT_EQ(r.printLandscape(), landscape) << int(low);
    }
}

TEST(MemberDialog, FieldChecksKeepTheOldValueAndHerstelRestores) {
    ScriptedDialogs dialogs;
    MembersRegister r(dialogs);
    r.adopt({Member(101, "Jansen", "Jan")}, MembersSource::MembersFile, "x.dat");
    MemberDialogModel d(r, dialogs, kClock);
    ASSERT_TRUE(d.open(0));
    const std::string fix = "\n\r corrigeer (zonodig) invoer";

    EXPECT_FALSE(d.enter(MemberField::LidID, " "));
    EXPECT_EQ(dialogs.texts().back(), "LidIndex is geen geldige waarde" + fix);
    EXPECT_FALSE(d.enter(MemberField::LidID, "12a"));
    EXPECT_EQ(d.text(MemberField::LidID), "101");
    EXPECT_TRUE(d.enter(MemberField::LidID, " 150 "));

    EXPECT_TRUE(d.enter(MemberField::Telefoon, "030-111"));
    EXPECT_FALSE(d.enter(MemberField::Telefoon, "12345"));
    EXPECT_EQ(dialogs.texts().back(), "Telefoon/Mobiel:  heeft min. 6, max. 14 cijfers + spaties" + fix);
    EXPECT_FALSE(d.enter(MemberField::Mobiel, "06-1234x678"));
    EXPECT_EQ(dialogs.texts().back(), "Telefoon/Mobiel:  is geen geldige waarde" + fix);
    EXPECT_EQ(d.text(MemberField::Telefoon), "030-111");

    EXPECT_FALSE(d.enter(MemberField::Email, "jan.example.nl"));
    EXPECT_EQ(dialogs.texts().back(), "Email zonder @  niet toegestaan" + fix);
    EXPECT_FALSE(d.enter(MemberField::Email, "jan@example"));
    EXPECT_EQ(dialogs.texts().back(), "Email zonder .  niet toegestaan" + fix);
    EXPECT_TRUE(d.enter(MemberField::Email, " jan@example.nl "));
    EXPECT_EQ(d.text(MemberField::Email), "jan@example.nl");

    EXPECT_FALSE(d.enter(MemberField::GebDatum, "31-02-1950"));
    EXPECT_TRUE(d.enter(MemberField::GebDatum, "14-3-1948"));
    EXPECT_FALSE(d.enter(MemberField::Sexe, "X"));
    EXPECT_TRUE(d.enter(MemberField::Sexe, "V"));
    EXPECT_EQ(MemberDialogModel::Next(MemberField::Opmerking), MemberField::LidID);
    EXPECT_EQ(MemberDialogModel::Next(MemberField::LidID), MemberField::AchterNaam);

    d.herstel();
    EXPECT_EQ(d.text(MemberField::LidID), "101");
    EXPECT_EQ(d.text(MemberField::Telefoon), "");
    EXPECT_TRUE(d.enter(MemberField::AchterNaam, "Jansen-Smit"));
    EXPECT_TRUE(d.commit());
    EXPECT_EQ(r.Members[0].AchterNaam.get(), "Jansen-Smit");
}
