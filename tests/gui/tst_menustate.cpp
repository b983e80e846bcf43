#include "gui/club/TClubWindow.h"
#include "reports/ReportWriters.h"
#include "support/CompetitionOnDisk.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QSet>
#include <QtTest>
#include <array>
#include <memory>

// Which menu items and tool buttons of the main window can be chosen, with no file, with a file
// just opened, and with a file whose session has scores.

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

enum Situation { NoFile, FileOpen, SessionWithScores, SituationCount };
const char* const kSituationNames[SituationCount] = {"no file", "file open", "session with scores"};

struct Item {
    const char* name;
    std::array<bool, SituationCount> enabled;
};

constexpr bool On = true;
constexpr bool Off = false;

// A list of the result window: with a file (or always) once its writer is there.
std::array<bool, SituationCount> WithFile(int kind) {
    const bool written = velk::HasReportWriter(static_cast<velk::ReportKind>(kind));
    return {Off, written, written};
}
std::array<bool, SituationCount> Always(int kind) {
    const bool written = velk::HasReportWriter(static_cast<velk::ReportKind>(kind));
    return {written, written, written};
}

// The competition opened in the last two: 16 pairs in 2 groups, session 1 of 6.
const Item kItems[] = {
    // "&Bestand": new and open wait until the open file is closed; "Nieuwe Comp.Zitting" while
    // the competition has sessions to come; "&Volgende Competitie" once they are all there.
    {"NewCompetition", {On, Off, Off}},
    {"NewSession", {Off, On, On}},
    {"NewDrive", {On, Off, Off}},
    {"Open", {On, Off, Off}},
    {"Save", {Off, On, On}},
    {"SaveAs", {Off, On, On}},
    {"ClubData", {Off, On, On}},
    {"NextCompetition", {Off, Off, Off}},
    {"Import", {On, On, On}},
    {"Export", {Off, On, On}},
    {"PrintClubList", {Off, On, On}},
    {"Quit", {On, On, On}},
    // "Be&werken"
    {"InsertPair", {Off, On, On}},
    {"DeletePair", {Off, On, On}},
    {"SortPairs", {Off, On, On}},
    {"Search", {Off, On, On}},
    {"MoveHelp", {Off, On, On}},
    // "&Zitting": the points and correction windows work on the chosen session.
    {"ChooseSession", {Off, On, On}},
    {"OpenPoints", {Off, On, On}},
    {"Correct", {Off, On, On}},
    {"DeleteSession", {Off, On, On}},
    {"TwoLines", {Off, On, On}},
    // "&Schema's": the editor and the help topic need no file.
    {"ReadSchedule", {Off, On, On}},
    {"EditSchedule", {On, On, On}},
    // "Schema &Uitvoer": each list as soon as it is written.
    {"GidsBriefjes", WithFile(11)},
    {"StartPosities", WithFile(12)},
    {"SchemaPerRonde", WithFile(13)},
    {"SchemaPerTafel", WithFile(14)},
    {"CompleetSchema", WithFile(15)},
    {"NZSpelers", WithFile(16)},
    {"Ontmoetingen", WithFile(18)},
    {"RenumberSchedule", {Off, On, On}},
    {"ComposeScheduleHelp", {On, On, On}},
    // "S&cores": the score entry window and the two copies of match points so far.
    {"ScoreEntryPerBoard", {Off, On, On}},
    {"ScoreEntryPerRound", {Off, On, On}},
    {"spellen1", WithFile(21)},
    {"paren1", WithFile(23)},
    {"ArbitraleScores", WithFile(24)},
    {"BlancoScores", WithFile(25)},
    {"FragmentScores", WithFile(26)},
    {"Draaiborden", WithFile(27)},
    {"VerdachteScores", WithFile(28)},
    {"AfwijkendKwetsb", WithFile(29)},
    {"CopyMatchPoints", {Off, On, On}},
    {"CopyGroupScores", {Off, On, On}},
    {"SlamCheck", {Off, On, On}},
    {"Tafels", {Off, On, On}},
    // "Score &Data": the data files need no competition.
    {"ScoreTableList", Always(41)},
    {"ArbitralScoreList", Always(42)},
    {"ContractScoreList", Always(43)},
    // "&Uitvoer": the session lists and the pair list; the others as soon as they are written.
    {"Sor1", {Off, On, On}},
    {"SorteeropRangorde1", {Off, On, On}},
    {"SorteeropClubNr1", {Off, On, On}},
    {"SorteeropRangorde2", {Off, On, On}},
    {"Tellijsten", WithFile(31)},
    {"MPPerPaar", WithFile(32)},
    {"MPTotaalPerPaar", WithFile(33)},
    {"MPPerSpel", WithFile(34)},
    // The per-pair pages are written: on with a file.
    {"MPAlleParen", {Off, On, On}},
    {"OutputFrequencies", WithFile(35)},
    {"OutputHands", WithFile(44)},
    {"Sortopclubnum", WithFile(5)},
    {"Sortopplaats", WithFile(6)},
    {"ZomerDrive", WithFile(17)},
    {"OutputSlams", WithFile(20)},
    {"OutputPairs", {Off, On, On}},
    {"PublishSite", {Off, On, On}},
    // "Beel&d"
    {"CompetitionLine", {Off, On, On}},
    {"Maximise", {On, On, On}},
    // "&Opties": without a file the options say that none is loaded.
    {"ScreenFont", {On, On, On}},
    {"OptionsPersonal", {On, On, On}},
    {"OptionsPrint", {On, On, On}},
    {"OptionsSlamBonus", {On, On, On}},
    {"OptionsSettings", {On, On, On}},
    // "&Databeheer"
    {"MembersNew", {On, On, On}},
    {"MembersOpen", {On, On, On}},
    {"ComposePairs", {Off, On, On}},
    {"ImportScores", {Off, On, On}},
    {"ImportMembers", {On, On, On}},
    // "&Help": the help window, the calculator and the about box, with or without a file.
    {"HelpUse", {On, On, On}},
    {"HelpContents", {On, On, On}},
    {"HelpSearch", {On, On, On}},
    {"HelpVelk", {On, On, On}},
    {"Calculator", {On, On, On}},
    {"About", {On, On, On}},
    // The tool bar follows the menu items it stands for.
    {"NewSpdBtn", {On, Off, Off}},
    {"OpenSpdBtn", {On, Off, Off}},
    {"SaveSpdBtn", {Off, On, On}},
    {"SaveAsSpdBtn", {Off, On, On}},
    {"PrintSpdBtn", {Off, On, On}},
    {"SearchSpdBtn", {Off, On, On}},
    {"SortSpdBtn", {Off, On, On}},
    {"SluitSpdBtn", {Off, On, On}},
    {"SchrapSpdBtn", {Off, On, On}},
    {"NewSessionSpdBtn", {Off, On, On}},
    {"OpenSessionSpdBtn", {Off, On, On}},
    {"ChooseSessionSpdBtn", {Off, On, On}},
    {"CorrectSpdBtn", {Off, On, On}},
    {"DeleteSessionSpdBtn", {Off, On, On}},
};

} // namespace

class TestMenuState : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void itemEnabled_data();
    void itemEnabled();
    void everyItemIsInTheTable();

private:
    velk::test::ScriptedDialogs dialogs_;
    std::unique_ptr<velk::test::CompetitionOnDisk> plain_;
    std::unique_ptr<velk::test::CompetitionOnDisk> scored_;
    std::array<std::unique_ptr<TClubWindow>, SituationCount> windows_;
};

void TestMenuState::initTestCase() {
    for (auto& window : windows_)
        window = std::make_unique<TClubWindow>(dialogs_, kClock);

    plain_ = std::make_unique<velk::test::CompetitionOnDisk>(16, 2, 8, 1);
    QVERIFY(velk::test::OpenInWindow(*windows_[FileOpen], plain_->write("club_1.dba")));

    // Group A has played three boards at four tables.
    scored_ = std::make_unique<velk::test::CompetitionOnDisk>(16, 2, 8, 1);
    scored_->sessionBoards(1, 3, 3, 1);
    velk::test::ScoreListBuilder list(2, 8, 3, 3);
    for (int b = 1; b <= 3; ++b)
        for (int t = 1; t <= 4; ++t)
            list.table(1, b, t, t + 4, 100 * t - 50 * b);
    scored_->scores(1, 3, list.scores);
    QVERIFY(velk::test::OpenInWindow(*windows_[SessionWithScores], scored_->write("club_1.dba")));
    QVERIFY(!windows_[SessionWithScores]->club().SessionScoreList.empty());
    QVERIFY(windows_[SessionWithScores]->club().SessionScoreList.front().Records[1].Code != 0);
}

void TestMenuState::cleanupTestCase() {
    for (auto& window : windows_)
        window.reset();
}

void TestMenuState::itemEnabled_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("situation");
    QTest::addColumn<bool>("enabled");
    for (const Item& item : kItems)
        for (int s = 0; s < SituationCount; ++s)
            QTest::addRow("%s, %s", item.name, kSituationNames[s])
                << QString::fromLatin1(item.name) << s << item.enabled[static_cast<std::size_t>(s)];
}

void TestMenuState::itemEnabled() {
    QFETCH(QString, name);
    QFETCH(int, situation);
    QFETCH(bool, enabled);
    QAction* action =
        velk::test::Action(windows_[static_cast<std::size_t>(situation)].get(), qPrintable(name));
    QVERIFY(action);
    QCOMPARE(action->isEnabled(), enabled);
}

// A new item must get its line in the table.
void TestMenuState::everyItemIsInTheTable() {
    QSet<QString> listed;
    for (const Item& item : kItems)
        listed.insert(QString::fromLatin1(item.name));
    QStringList missing;
    for (const QAction* action : windows_[NoFile]->findChildren<QAction*>())
        if (!action->objectName().isEmpty() && !listed.contains(action->objectName()))
            missing << action->objectName();
    QCOMPARE(missing, QStringList());
}

QTEST_MAIN(TestMenuState)
#include "tst_menustate.moc"
