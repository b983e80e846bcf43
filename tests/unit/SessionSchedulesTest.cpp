#include "club/SessionSchedules.h"

#include "core/files/BaseScheduleFile.h"
#include "core/files/SessionScheduleFile.h"
#include "schedules/ReadScheduleIntoSession.h"
#include "schedules/ScheduleLookup.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeScheduleClub;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {

// A 6-table, 3-round base schedule for 12 pairs: pair p at table t, NS t, EW t + 6.
WorkSchedule SixTableBase() {
    WorkSchedule s = WorkSchedule::Empty({12, 6, 3, 3});
    for (int r = 1; r <= 3; ++r)
        for (int t = 1; t <= 6; ++t) {
            auto& e = s.at(r, t);
            e.NS = static_cast<std::int16_t>(t);
            e.EW = static_cast<std::int16_t>((t + r - 2) % 6 + 7);
            e.Letter = static_cast<std::uint8_t>('A' + (t + r) % 3);
        }
    return s;
}

Club LoadedClub(TempFolder& folder, ScriptedDialogs& dialogs) {
    Club club = MakeScheduleClub(2, 12, 6, 3, 2);
    club.ClubFilePath = folder.file("club.dba");
    EXPECT_TRUE(LoadSessionSchedules(club, club.ClubFilePath, dialogs));
    return club;
}

} // namespace

TEST(SessionScheduleFile, NewCompetitionFileHasLabelsAndEmptySessions) {
    TempFolder folder("sma-new");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(club.ScheduleFilePath, folder.file("club.sma"));

    // 13 labels of 9 bytes, then per session a 794-byte head and 1 + 3 x 12 entries of 7 bytes.
    const auto bytes = test::FileContents(club.ScheduleFilePath);
    EXPECT_EQ(bytes.size(), 13u * 9u + 2u * (794u + 37u * 7u));
    ASSERT_EQ(club.TableLabelList.size(), 13u);
    EXPECT_EQ(club.TableLabelList[0].Label.get(), "");
    EXPECT_EQ(club.TableLabelList[6].Label.get(), "A6");
    EXPECT_EQ(club.TableLabelList[7].Label.get(), "B1");
    EXPECT_EQ(club.TableLabelList[7].TableNr, 7);

    ASSERT_EQ(club.SessionScheduleList.size(), 2u);
    const TZitSchemaObj& s2 = club.SessionScheduleList[1];
    EXPECT_EQ(s2.SessionNr, 2);
    EXPECT_EQ(s2.RoundCount, 3);
    ASSERT_EQ(s2.Entries.size(), 37u);
    EXPECT_EQ(s2.Entries[0], (TSchemaObj{2, 3, 2, ' '}));
    // Group 2 holds tables 7..12.
    for (int r = 1; r <= 3; ++r)
        for (int t = 1; t <= 6; ++t)
            EXPECT_EQ(s2.Entries[static_cast<std::size_t>(((2 - 1) * 3 + r - 1) * 6 + t)].Table, 6 + t);
    EXPECT_EQ(club.CurrentSchedule(), &club.SessionScheduleList[0]);

    // Read back, the same lists.
    Club again = MakeScheduleClub(2, 12, 6, 3, 2);
    EXPECT_TRUE(LoadSessionSchedules(again, club.ClubFilePath, dialogs));
    EXPECT_EQ(again.TableLabelList, club.TableLabelList);
    EXPECT_EQ(again.SessionScheduleList, club.SessionScheduleList);
}

TEST(SessionScheduleFile, NoCompetitionOpenIsRefused) {
    TempFolder folder("sma-none");
    ScriptedDialogs dialogs;
    Club club = MakeScheduleClub(1, 8, 4, 3, 1);
    club.ClubFileName = "N_N";
    EXPECT_FALSE(LoadSessionSchedules(club, folder.file("x.dba"), dialogs));
    ASSERT_EQ(dialogs.texts().size(), 1u);
    EXPECT_EQ(dialogs.texts()[0], "Parenbestand is niet correctN_N");
    EXPECT_FALSE(test::ScheduleFileExistsForTest(folder.file("x.sma")));
}

TEST(SessionScheduleFile, HeadOutOfRangeIsReplacedAndOthersKept) {
    TempFolder folder("sma-17");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    club.SessionScheduleList[1].Entries[5].NS = 9;
    // Session 1 claims 17 rounds (its entries written as such); session 2 must survive.
    club.SessionScheduleList[0].RoundCount = 17;
    club.SessionScheduleList[0].Entries.resize(SessionEntryCount(17, 12));
    ASSERT_TRUE(SaveSessionSchedules(club, club.ScheduleFilePath, dialogs));

    const auto damaged = test::FileContents(club.ScheduleFilePath);
    Club again = MakeScheduleClub(2, 12, 6, 3, 2);
    EXPECT_TRUE(LoadSessionSchedules(again, club.ClubFilePath, dialogs));
    ASSERT_EQ(dialogs.texts().size(), 2u);
    EXPECT_EQ(dialogs.texts()[0], " SchemaRecord niet correct zitting: 1\r Lees nieuwschema");
    // Before the file is written again, its bytes are put aside.
    EXPECT_EQ(dialogs.texts()[1], "Beschadigd bestand " + club.ScheduleFilePath +
                                      " is ongewijzigd bewaard als:\r" + club.ScheduleFilePath + ".~bad");
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath + ".~bad"), damaged);
    ASSERT_EQ(again.SessionScheduleList.size(), 2u);
    EXPECT_EQ(again.SessionScheduleList[0].RoundCount, 3);
    EXPECT_EQ(again.SessionScheduleList[0].Entries.size(), 37u);
    EXPECT_EQ(again.SessionScheduleList[1].Entries[5].NS, 9);
    // The file was written again with the replacement, and the old one kept as ".~sm".
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath).size(), 13u * 9u + 2u * (794u + 37u * 7u));
    EXPECT_TRUE(test::ScheduleFileExistsForTest(folder.file("club.~sm")));
}

TEST(SessionScheduleFile, TruncatedFileLoadsNoSessionHalfWay) {
    TempFolder folder("sma-short");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    club.SessionScheduleList[0].Entries[1].NS = 4;
    club.SessionScheduleList[1].Entries[1].NS = 5;
    ASSERT_TRUE(SaveSessionSchedules(club, club.ScheduleFilePath, dialogs));
    auto bytes = test::FileContents(club.ScheduleFilePath);
    bytes.pop_back();
    test::WriteContents(club.ScheduleFilePath, bytes);

    Club again = MakeScheduleClub(2, 12, 6, 3, 2);
    EXPECT_FALSE(LoadSessionSchedules(again, club.ClubFilePath, dialogs));
    ASSERT_EQ(dialogs.texts().size(), 2u);
    EXPECT_EQ(dialogs.texts()[0], "Fout in data bestandRecord-index buiten bereik :2");
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath + ".~bad"), bytes);
    EXPECT_EQ(again.SessionScheduleList[0].Entries[1].NS, 4);
    EXPECT_EQ(again.SessionScheduleList[1].Entries[1].NS, 0);
    EXPECT_EQ(again.SessionScheduleList[1].Entries.size(), 37u);
    // The damaged file is left for the user.
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath), bytes);

    // Not even the labels: nothing of the file is taken.
    bytes.resize(20);
    test::WriteContents(club.ScheduleFilePath, bytes);
    dialogs.messages.clear();
    Club third = MakeScheduleClub(2, 12, 6, 3, 2);
    EXPECT_FALSE(LoadSessionSchedules(third, club.ClubFilePath, dialogs));
    EXPECT_EQ(dialogs.texts().at(0),
              club.ScheduleFilePath + ": Schemalijst foutief\n\r controleer data van Schema(`s)");
    EXPECT_EQ(third.TableLabelList.size(), 13u);
    EXPECT_EQ(third.SessionScheduleList.size(), 2u);
}

TEST(SessionScheduleFile, ParserSurvivesHostileCounts) {
    std::vector<std::uint8_t> bytes(9 * 3 + 794, 0xFF);
    const auto parsed = ParseSessionScheduleFile(bytes, 2, 5, false);
    EXPECT_TRUE(parsed.LabelsRead);
    EXPECT_EQ(parsed.Sessions.size(), 5u);
    for (const auto& s : parsed.Sessions)
        EXPECT_FALSE(s.has_value());
}

TEST(SessionScheduleFile, SessionAddedAfterTheFileWasWritten) {
    TempFolder folder("sma-added");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    club.SessionScheduleList[0].Entries[1].NS = 4;
    club.SessionList.resize(1);
    club.SessionScheduleList.resize(1);
    ASSERT_TRUE(SaveSessionSchedules(club, club.ScheduleFilePath, dialogs));

    Club again = MakeScheduleClub(2, 12, 6, 3, 2);
    EXPECT_TRUE(LoadSessionSchedules(again, club.ClubFilePath, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(again.SessionScheduleList[0].Entries[1].NS, 4);
    EXPECT_EQ(again.SessionScheduleList[1].SessionNr, 2);
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath).size(), 13u * 9u + 2u * (794u + 37u * 7u));
}

TEST(SessionScheduleFile, WritingWithoutLabelsKeepsTheOldFile) {
    TempFolder folder("sma-labels");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    const auto before = test::FileContents(club.ScheduleFilePath);
    club.TableLabelList.pop_back();
    EXPECT_FALSE(SaveSessionSchedules(club, club.ScheduleFilePath, dialogs));
    EXPECT_EQ(dialogs.texts().at(0),
              " Tafellist niet correct \r wegschrijven NIET gelukt\n\r controleer data van Schema(`s)");
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath), before);
}

TEST(SessionScheduleFile, OneSessionIsReadAloneAndTheListIsNeverWritten) {
    TempFolder folder("sma-one");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    club.SessionScheduleList[0].Entries[1].NS = 4;
    club.SessionScheduleList[1].Entries[5].NS = 9;
    club.SessionScheduleList[1].Entries[36].EW = 12;
    ASSERT_TRUE(SaveSessionSchedules(club, club.ScheduleFilePath, dialogs));
    const auto file = test::FileContents(club.ScheduleFilePath);

    Club again = MakeScheduleClub(2, 12, 6, 3, 2);
    ASSERT_TRUE(LoadScheduleOfSession(again, club.ClubFilePath, 2, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(again.ScheduleListOfSession, 2);
    EXPECT_EQ(again.TableLabelList, club.TableLabelList);
    ASSERT_EQ(again.SessionScheduleList.size(), 2u);
    EXPECT_EQ(again.SessionScheduleList[1], club.SessionScheduleList[1]);
    // The other session keeps its head; its entries stay on disk.
    EXPECT_EQ(again.SessionScheduleList[0].SessionNr, 1);
    EXPECT_EQ(again.SessionScheduleList[0].RoundCount, 3);
    EXPECT_TRUE(again.SessionScheduleList[0].Entries.empty());

    // Written now, the list would blank session 1: refused, the file as it was.
    EXPECT_FALSE(SaveSessionSchedules(again, again.ScheduleFilePath, dialogs));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{club.ScheduleFilePath + "\ralleen zitting 2 gelezen wegschrijven NIET "
                                                               "gelukt\n\r controleer data van Schema(`s)"});
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath), file);

    // Read for every session again, it may be written.
    ASSERT_TRUE(LoadSessionSchedules(again, club.ClubFilePath, dialogs));
    EXPECT_EQ(again.ScheduleListOfSession, 0);
    EXPECT_EQ(again.SessionScheduleList, club.SessionScheduleList);
    EXPECT_TRUE(SaveSessionSchedules(again, again.ScheduleFilePath, dialogs));
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath), file);
}

TEST(SessionScheduleFile, OneSessionOfADamagedOrMissingFileIsReadAsEverySession) {
    TempFolder folder("sma-one-damaged");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    club.SessionScheduleList[0].Entries[1].NS = 4;
    ASSERT_TRUE(SaveSessionSchedules(club, club.ScheduleFilePath, dialogs));
    auto bytes = test::FileContents(club.ScheduleFilePath);
    bytes.pop_back();
    test::WriteContents(club.ScheduleFilePath, bytes);

    // The same messages, copy and schedules as the read of every session gives.
    Club again = MakeScheduleClub(2, 12, 6, 3, 2);
    EXPECT_FALSE(LoadScheduleOfSession(again, club.ClubFilePath, 1, dialogs));
    EXPECT_EQ(dialogs.texts().at(0), "Fout in data bestandRecord-index buiten bereik :2");
    EXPECT_EQ(test::FileContents(club.ScheduleFilePath + ".~bad"), bytes);
    EXPECT_EQ(again.ScheduleListOfSession, 0);
    EXPECT_EQ(again.SessionScheduleList[0].Entries[1].NS, 4);
    EXPECT_EQ(again.SessionScheduleList[1].Entries.size(), 37u);

    // No file: made as for every session, and then it may be written.
    TempFolder empty("sma-one-missing");
    Club fresh = MakeScheduleClub(2, 12, 6, 3, 2);
    fresh.ClubFilePath = empty.file("club.dba");
    ASSERT_TRUE(LoadScheduleOfSession(fresh, fresh.ClubFilePath, 2, dialogs));
    EXPECT_EQ(fresh.ScheduleListOfSession, 0);
    EXPECT_EQ(fresh.SessionScheduleList[0].Entries.size(), 37u);
    EXPECT_TRUE(test::ScheduleFileExistsForTest(empty.file("club.sma")));
}

TEST(SessionScheduleFile, ReadFromTheFileAsFromItsBytes) {
    TempFolder folder("sma-pieces");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    club.SessionScheduleList[0].Entries[2].NS = 3;
    club.SessionScheduleList[1].Entries[7].EW = 11;
    ASSERT_TRUE(SaveSessionSchedules(club, club.ScheduleFilePath, dialogs));
    const auto whole = test::FileContents(club.ScheduleFilePath);
    const auto same = [](const ParsedSessionSchedules& a, const ParsedSessionSchedules& b) {
        return a.LabelsRead == b.LabelsRead && a.TableLabels == b.TableLabels && a.Sessions == b.Sessions &&
               a.RejectedHeads == b.RejectedHeads && a.ShortFromSession == b.ShortFromSession &&
               a.MissingFromSession == b.MissingFromSession;
    };
    // Every length the file could be cut to, and every choice of session.
    for (std::size_t size = 0; size <= whole.size(); size += size < 130 ? 1 : 23) {
        const std::vector<std::uint8_t> bytes(whole.begin(),
                                              whole.begin() + static_cast<std::ptrdiff_t>(size));
        test::WriteContents(club.ScheduleFilePath, bytes);
        for (int only = 0; only <= 2; ++only) {
            const auto read = ReadSessionScheduleFile(club.ScheduleFilePath, 12, 2, false, only);
            ASSERT_TRUE(read.has_value());
            // The whole read of the bytes, without the entries of the sessions not asked for.
            ParsedSessionSchedules expected = ParseSessionScheduleFile(bytes, 12, 2, false);
            for (std::size_t z = 1; z <= expected.Sessions.size(); ++z) {
                auto& session = expected.Sessions[z - 1];
                if (session && only != 0 && static_cast<int>(z) != only)
                    session->Entries.clear();
            }
            EXPECT_TRUE(same(*read, expected)) << size << " " << only;
        }
    }
    EXPECT_FALSE(ReadSessionScheduleFile(folder.file("none.sma"), 12, 2, false).has_value());
}

TEST(SessionSchedule, EmptyListAndIndivisibleTables) {
    ScriptedDialogs dialogs;
    Club club = MakeScheduleClub(1, 8, 4, 0, 1);
    NewSessionSchedule(club, 1, dialogs);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{" Schemalist zonder Items, Zitting foutief "});

    Club odd = MakeScheduleClub(5, 8, 4, 2, 1);
    odd.CompetitionHead.TableCount = 24;
    dialogs.messages.clear();
    const TZitSchemaObj s = MakeEmptySessionSchedule(odd, 1, dialogs);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Aantal Groepen is geen deler van aantal Tafels"});
    EXPECT_EQ(odd.TablesPerGroup, 4);
    EXPECT_EQ(s.Entries.size(), 1u + 5u * 2u * 4u);
}

TEST(TableLabels, FollowTheEntriesWhenGroupsHaveFewerTables) {
    ScriptedDialogs dialogs;
    Club club = MakeScheduleClub(2, 12, 6, 3, 1);
    // Group A plays 5 tables, B 4: table 7 is still the first table of B.
    club.SessionHead.GroupTables[0] = 5;
    club.SessionHead.GroupTables[1] = 4;
    ASSERT_TRUE(BuildTableLabels(club, dialogs));
    ASSERT_EQ(club.TableLabelList.size(), 13u);
    EXPECT_EQ(TableLabel(club, 5), "A5");
    EXPECT_EQ(TableLabel(club, 7), "B1");
    EXPECT_EQ(TableLabel(club, 10), "B4");

    // Every entry of group B read from a 4-table schedule gets a B label.
    NewSessionSchedule(club, 1, dialogs);
    WorkSchedule base = WorkSchedule::Empty({8, 4, 3, 3});
    for (std::size_t i = 1; i < base.Items.size(); ++i) {
        base.Items[i].NS = 1;
        base.Items[i].EW = 2;
        base.Items[i].Letter = 'A';
    }
    club.SessionHead.GroupPairs[1] = 8;
    ASSERT_TRUE(ReadBaseScheduleIntoSession(club, 2, base, club.SessionHead.BoardCount, dialogs));
    for (int t = 1; t <= 4; ++t)
        EXPECT_EQ(TableLabel(club, ScheduleEntry(club, 2, 1, t)->Table), "B" + std::to_string(t));

    // A group with more tables than its slots cannot be labelled.
    club.SessionHead.GroupTables[0] = 7;
    dialogs.messages.clear();
    EXPECT_FALSE(BuildTableLabels(club, dialogs));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Totaal aantal tafels komt niet overeen met Clubdata: 12"});
    EXPECT_EQ(TableLabel(club, 7), "B1");
}

TEST(ReadIntoSession, ShiftsTablesAndPairsOfTheGroup) {
    ScriptedDialogs dialogs;
    Club club = MakeScheduleClub(2, 10, 6, 3, 1);
    club.CompetitionHead.TableCount = 12;
    NewSessionSchedule(club, 1, dialogs);
    club.SessionHead.GroupPairs = {10, 10};
    WorkSchedule base = SixTableBase();
    base.Items[0].NS = 10;
    base.at(1, 1) = {1, 3, 0, 'A'}; // NZ 3, OW none
    base.at(1, 2) = {2, 5, 5, 'B'}; // a pair meeting itself: not in play
    base.at(2, 6) = {6, 0, 4, 'C'};
    ASSERT_TRUE(ReadBaseScheduleIntoSession(club, 2, base, club.SessionHead.BoardCount, dialogs));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(*ScheduleEntry(club, 2, 1, 1), (TSchemaObj{7, 13, 0, 'A'}));
    EXPECT_EQ(*ScheduleEntry(club, 2, 1, 2), (TSchemaObj{8, 0, 0, 'B'}));
    EXPECT_EQ(*ScheduleEntry(club, 2, 2, 6), (TSchemaObj{12, 0, 14, 'C'}));
    // Group 1 untouched.
    EXPECT_EQ(*ScheduleEntry(club, 1, 1, 1), (TSchemaObj{1, 0, 0, ' '}));

    // A second read asks before overwriting; No leaves the group as it was.
    dialogs.answerNo();
    base.at(1, 1).NS = 4;
    EXPECT_FALSE(ReadBaseScheduleIntoSession(club, 2, base, club.SessionHead.BoardCount, dialogs));
    EXPECT_EQ(dialogs.texts().back(), "Al aanwezige schema overschrijven ?");
    EXPECT_EQ(ScheduleEntry(club, 2, 1, 1)->NS, 13);
}

TEST(ReadIntoSession, MismatchMessagesAndAdvice) {
    ScriptedDialogs dialogs;
    Club club = MakeScheduleClub(1, 12, 6, 7, 1);
    NewSessionSchedule(club, 1, dialogs);
    club.SessionHead.BoardGroupCount = 3;
    const auto before = club.SessionScheduleList;

    WorkSchedule sixRounds = WorkSchedule::Empty({12, 6, 6, 3});
    EXPECT_FALSE(ReadBaseScheduleIntoSession(club, 1, sixRounds, club.SessionHead.BoardCount, dialogs));
    ASSERT_EQ(dialogs.texts().size(), 2u);
    EXPECT_EQ(dialogs.texts()[0], "Schema niet Correct :\rOngeldig aantal: ronden\r"
                                  "Met Aantallen:Rondes Paren Tafels Spelgrp Spellen\r"
                                  "Ingevoerd:           6        12           6       3         28\r"
                                  "Moet Zijn:           7        12           6       3         28 ");
    EXPECT_EQ(dialogs.texts()[1], "Kies juiste aantal ronden in Zitting menu");

    // Rounds and pairs wrong: no advice.
    dialogs.messages.clear();
    EXPECT_FALSE(ReadBaseScheduleIntoSession(club, 1, WorkSchedule::Empty({10, 6, 6, 3}), 28, dialogs));
    ASSERT_EQ(dialogs.texts().size(), 1u);
    EXPECT_NE(dialogs.texts()[0].find("Ongeldig aantal: ronden & paren\r"), std::string::npos);

    // Only the score data's board count differs: its own advice, not "paren, spelgroepen".
    dialogs.messages.clear();
    EXPECT_FALSE(ReadBaseScheduleIntoSession(club, 1, WorkSchedule::Empty({12, 6, 7, 3}), 24, dialogs));
    ASSERT_EQ(dialogs.texts().size(), 2u);
    EXPECT_NE(dialogs.texts()[0].find("Ongeldig aantal: spellen\r"), std::string::npos);
    EXPECT_NE(dialogs.texts()[0].find("Moet Zijn:           7        12           6       3         24 "),
              std::string::npos);
    EXPECT_EQ(dialogs.texts()[1], "Kies juiste aantal spellen in Zitting menu");
    EXPECT_EQ(MismatchAdvice(Mismatch::Pairs, true), "Kies juiste aantal spelers in Zitting menu ");
    EXPECT_EQ(club.SessionScheduleList, before);

    // An empty schedule head.
    club.SessionScheduleList[0].PairCount = 0;
    dialogs.messages.clear();
    EXPECT_FALSE(ReadBaseScheduleIntoSession(club, 1, WorkSchedule::Empty({12, 6, 7, 3}), 28, dialogs));
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{" Aantal Paren = 0 groep: A"});
}

TEST(ReadIntoGroups, AllGroupsFromOneFileAndSaved) {
    TempFolder folder("lezen");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    const std::string basePath = folder.file("3r-12p-six.ws0");
    test::WriteContents(basePath, SerializeBaseSchedule(SixTableBase()));
    EXPECT_EQ(ProposedBaseScheduleName(club, 1), "3*12*.*");

    ASSERT_TRUE(ReadScheduleIntoGroups(club, 1, 2, basePath, club.SessionHead.BoardCount, dialogs));
    EXPECT_EQ(dialogs.texts(),
              std::vector<std::string>{"Bridge Schema bestand\rLees Schema, Openen van\r3r-12p-six.ws0"});
    EXPECT_EQ(club.CurrentSchedule()->BaseScheduleNames[0].get(), "3r-12p-six.ws0");
    EXPECT_EQ(club.CurrentSchedule()->BaseScheduleNames[1].get(), "3r-12p-six.ws0");
    EXPECT_EQ(club.CurrentSchedule()->BaseScheduleNames[2].get(), "");
    EXPECT_EQ(ScheduleEntry(club, 2, 3, 6)->NS, 18);
    EXPECT_TRUE(test::ScheduleFileExistsForTest(folder.file("club.~sm")));

    Club again = MakeScheduleClub(2, 12, 6, 3, 2);
    ASSERT_TRUE(LoadSessionSchedules(again, club.ClubFilePath, dialogs));
    EXPECT_EQ(again.SessionScheduleList, club.SessionScheduleList);

    // A refused group keeps no name.
    dialogs.messages.clear();
    club.SessionHead.GroupPairs[0] = 10;
    club.CurrentSchedule()->BaseScheduleNames[0].set("");
    dialogs.answerYes(); // overwrite group B
    EXPECT_TRUE(ReadScheduleIntoGroups(club, 1, 2, basePath, club.SessionHead.BoardCount, dialogs));
    EXPECT_EQ(club.CurrentSchedule()->BaseScheduleNames[0].get(), "");
}

TEST(ScheduleLookupTest, PositionsLabelsAndBoards) {
    TempFolder folder("lookup");
    ScriptedDialogs dialogs;
    Club club = LoadedClub(folder, dialogs);
    ASSERT_TRUE(ReadBaseScheduleIntoSession(club, 2, SixTableBase(), club.SessionHead.BoardCount, dialogs));
    EXPECT_EQ(ScheduleIndex(club, 2, 2), ((2 - 1) * 3 + 1) * 6);
    // Pair 2 of group B (14) sits NS at table 8 ("B2"); in round 2 its opponent is EW 9 of B (21).
    const auto p = FindPairPosition(club, 14, 2);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(*p, (PairPosition{8, true, 21, 'B'}));
    EXPECT_EQ(TableLabel(club, p->Table), "B2");
    EXPECT_FALSE(FindPairPosition(club, 3, 1).has_value()); // group A is still empty
    EXPECT_EQ(ScheduleEntry(club, 2, 4, 1), nullptr);

    // The 9th board with 4 boards per round is in "C"; "C" stands for boards 9..12.
    EXPECT_EQ(BoardGroupOfBoard(club, 9), 'C');
    EXPECT_EQ(*BoardsOfBoardGroup(club, 'C'), (BoardRange{9, 4}));
    EXPECT_FALSE(BoardsOfBoardGroup(club, ' ').has_value());
}
