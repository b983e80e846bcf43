#include "schedules/RenumberEditor.h"

#include "core/files/RenumberFile.h"
#include "support/ScheduleFixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Ten pairs at five tables, three rounds, two sessions played out of twelve. Session 1's
// schedule: round r, table t has NZ 2t - 1, OW 2t and board group A + (t + r - 2) mod 3.
Club RenumberClub() {
    Club club = test::MakeScheduleClub(1, 10, 5, 3, 2);
    TZitSchemaObj schedule;
    schedule.Entries.push_back(TSchemaObj{1, 3, 1, ' '});
    for (int r = 1; r <= 3; ++r)
        for (int t = 1; t <= 5; ++t)
            schedule.Entries.push_back(TSchemaObj{
                static_cast<std::int16_t>(t), static_cast<std::int16_t>(2 * t - 1),
                static_cast<std::int16_t>(2 * t), static_cast<std::uint8_t>('A' + (t + r - 2) % 3)});
    schedule.BaseScheduleNames[0].set("3r-10p.ws0");
    club.SessionScheduleList = {schedule, TZitSchemaObj{}};
    return club;
}

std::vector<int> Row(int first) {
    std::vector<int> row;
    for (int p = 0; p < 10; ++p)
        row.push_back((p + first) % 10 + 1);
    return row;
}

} // namespace

TEST(RenumberEditor, GridShapeAndTexts) {
    const Club club = RenumberClub();
    EXPECT_EQ(RenumberGridColumns(10), 49);
    EXPECT_EQ(RenumberGridColumns(48), 49);
    EXPECT_EQ(RenumberGridColumns(64), 65);
    EXPECT_EQ(RenumberColumnHeader(0), " Paren");
    EXPECT_EQ(RenumberColumnHeader(7), " 07");
    EXPECT_EQ(RenumberColumnHeader(12), " 12");
    EXPECT_EQ(RenumberRowLabel(club, 1), "Zit 01");
    EXPECT_EQ(RenumberRowLabel(club, 2), "Zit 02");
    EXPECT_EQ(RenumberRowLabel(club, 3), ""); // not played yet
    EXPECT_EQ(RenumberScheduleLine(club), "Schema: 3r-10p.ws0");
}

TEST(RenumberEditor, OpenTableShowsWhatFitsAndKeepsTheWholeList) {
    TempFolder folder("renumber-open");
    Club club = RenumberClub();
    club.CompetitionHead.SessionsPerCompetition = 2;
    club.SessionHead.GroupPairs[0] = 8; // only the first 8 cells are filled
    ScriptedDialogs dialogs;
    const auto list = BuildRenumberList({Row(1), Row(2), Row(3)}, 3, 10, dialogs);
    const std::string path = folder.file("drie.vnm");
    ASSERT_TRUE(WriteRenumberFile(path, *list));

    RenumberEditor editor;
    editor.start(10);
    dialogs.files.push_back(path);
    const auto rows = editor.openTable(club, dialogs);
    ASSERT_TRUE(rows.has_value());
    EXPECT_EQ(dialogs.fileChoices.back().filter, "Vernummer bestand (*.*)|*.*");
    EXPECT_TRUE(EndsWith(dialogs.fileChoices.back().initialPath, "/*10*.*"));
    ASSERT_GE(dialogs.texts().size(), 3u);
    EXPECT_EQ(dialogs.texts()[0], "Bridge Vernummeren bestand\r Openen van\rdrie.vnm");
    EXPECT_EQ(dialogs.texts()[1].rfind("VernummerTabel niet Correct :\rOngeldig aantal: Zittingen \r", 0),
              0u);
    EXPECT_EQ(dialogs.texts()[2], "Kies juiste aantal zittingen in Zitting menu");
    // Two grid rows of eight cells; the third session is still in the list.
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[1], (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(editor.tableOpened());
    EXPECT_EQ(editor.renumberList(), *list);
    EXPECT_EQ(editor.renumberFile(), path);

    // A damaged file leaves the table that was read before.
    std::vector<std::uint8_t> damaged(1500, 0);
    damaged[0] = 1; // one session row promised, half of it there
    test::WriteContents(path, damaged);
    dialogs.files.push_back(path);
    EXPECT_FALSE(editor.openTable(club, dialogs).has_value());
    EXPECT_EQ(dialogs.texts().back(), " Schemalist niet correct \r");
    EXPECT_EQ(editor.renumberList(), *list);
    EXPECT_TRUE(editor.tableOpened());
}

TEST(RenumberEditor, SaveTableAsksThenChecksThenWrites) {
    TempFolder folder("renumber-save");
    Club club = RenumberClub();
    RenumberEditor editor;
    editor.start(10);
    std::vector<std::vector<int>> grid(12, std::vector<int>(10, 0));
    grid[0] = Row(1);
    grid[1] = Row(0);
    grid[1][4] = 2; // pair 2 twice

    // No: the editor closes, nothing asked further.
    ScriptedDialogs dialogs;
    int asked = 0;
    const auto count = [&](int answer) {
        return [&asked, answer] {
            ++asked;
            return answer;
        };
    };
    dialogs.answerNo();
    EXPECT_TRUE(editor.saveTable(grid, count(2), club, dialogs));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"Vernummertabel bewaren ?"});

    // The count cancelled, then a repeated pair: the editor stays open and nothing is written.
    dialogs.answerYes();
    EXPECT_FALSE(editor.saveTable(grid, count(-1), club, dialogs));
    dialogs.messages.clear();
    dialogs.answerYes();
    EXPECT_FALSE(editor.saveTable(grid, count(2), club, dialogs));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Vernummertabel bewaren ?", "Paar: 2 komt vaker voor"}));
    EXPECT_TRUE(dialogs.fileChoices.empty());

    // One row kept: a file of two records.
    dialogs.messages.clear();
    dialogs.answerYes();
    const std::string path = folder.file("een.vnm");
    dialogs.files.push_back(path);
    EXPECT_TRUE(editor.saveTable(grid, count(1), club, dialogs));
    EXPECT_EQ(dialogs.fileChoices.back().filter, "Vernummer file (*.vnm*)|*.VNM*|Special file (*.*)|*.*");
    EXPECT_TRUE(EndsWith(dialogs.fileChoices.back().initialPath, "/*.*"));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Vernummertabel bewaren ?",
                                        "Bridge Vernummeren bestand\r Bewaren van\reen.vnm"}));
    const auto bytes = test::FileContents(path);
    ASSERT_EQ(bytes.size(), 2u * 1024u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[2], 10);
    EXPECT_EQ(bytes[1024], 2);
    EXPECT_EQ(bytes[1024 + 2 * 9], 1);
    EXPECT_EQ(editor.renumberFile(), path);

    // "*" keeps every row of the grid, empty ones too.
    grid[1][4] = 5;
    dialogs.answerYes();
    const std::string all = folder.file("alle.vnm");
    dialogs.files.push_back(all);
    EXPECT_TRUE(editor.saveTable(grid, count(0), club, dialogs));
    EXPECT_EQ(test::FileContents(all).size(), 13u * 1024u);

    // A write that fails is reported and the grid stays.
    dialogs.messages.clear();
    dialogs.answerYes();
    dialogs.files.push_back(folder.file("geen/map.vnm"));
    EXPECT_FALSE(editor.saveTable(grid, count(1), club, dialogs));
    ASSERT_EQ(dialogs.texts().size(), 3u);
    EXPECT_EQ(dialogs.texts()[2].rfind("map.vnm", 0), 0u);
}

TEST(RenumberEditor, MakeScheduleAppliesTheChosenRow) {
    TempFolder folder("renumber-make");
    Club club = RenumberClub();
    ScriptedDialogs dialogs;
    const std::string table = folder.file("t.vnm");
    ASSERT_TRUE(WriteRenumberFile(table, *BuildRenumberList({Row(1), Row(5)}, 2, 10, dialogs)));
    RenumberEditor editor;
    editor.start(10);
    ScheduleEditor schedules;
    const auto counts = [](int* type) {
        *type = 2;
        return std::optional<ScheduleCounts>(ScheduleCounts{10, 5, 3, 3});
    };
    const auto noCounts = [](int*) { return std::optional<ScheduleCounts>(); };
    const auto session = [](int s) { return [s] { return s; }; };

    // Nothing before a table is opened.
    EXPECT_FALSE(editor.makeSchedule(counts, session(1), schedules, club, dialogs));
    dialogs.files.push_back(table);
    ASSERT_TRUE(editor.openTable(club, dialogs).has_value());
    dialogs.messages.clear();

    EXPECT_FALSE(editor.makeSchedule(noCounts, session(1), schedules, club, dialogs));
    // The session choice cancelled: the editor closes with the empty schedule of the counts.
    EXPECT_TRUE(editor.makeSchedule(counts, session(-1), schedules, club, dialogs));
    EXPECT_EQ(schedules.schedule(), WorkSchedule::Empty({10, 5, 3, 3}));
    EXPECT_EQ(schedules.scheduleType, 2);
    // The header row and rows past the table cannot be applied.
    EXPECT_FALSE(editor.makeSchedule(counts, session(0), schedules, club, dialogs));
    EXPECT_FALSE(editor.makeSchedule(counts, session(3), schedules, club, dialogs));
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Zitting * staat niet in de vernummertabel",
                                                         "Zitting 3 staat niet in de vernummertabel"}));

    dialogs.messages.clear();
    const std::string path = folder.file("vernummerd.ws0");
    dialogs.files.push_back(path);
    EXPECT_TRUE(editor.makeSchedule(counts, session(2), schedules, club, dialogs));
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{"Bridge Schema bestand\rRedSchema, Bewaren van\rvernummerd.ws0",
                                        "Bridge Schema bestand opgeslagen: vernummerd.ws0"}));
    EXPECT_EQ(club.BaseScheduleFile, path);
    // Row 2 sends base pair p to p + 5 (mod 10): table 1 of round 2, NZ 1 OW 2, becomes 6 - 7.
    const auto bytes = test::FileContents(path);
    ASSERT_EQ(bytes.size(), 4u * 16u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{3, 10, 5, 3}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 4 * 6, bytes.begin() + 4 * 7),
              (std::vector<std::uint8_t>{1, 6, 7, 'B'}));
}
