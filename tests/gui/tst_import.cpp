// Taking members and a session's scores over from the other club program's databases, from the
// "&Databeheer" menu through the choice window and the table window to the files on disk.
#include "core/BuildPaths.h"
#include "core/files/MembersFile.h"
#include "core/files/ScoreFile.h"
#include "gui/club/TClubWindow.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

using velk::test::Child;
using velk::test::Click;
using velk::test::CompetitionOnDisk;
using velk::test::ModalAnswers;
using velk::test::OpenInWindow;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;
using velk::test::Trigger;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});
const std::string kFixtures = std::string(VELK_FIXTURE_DIR) + "/access";

bool Said(const ScriptedDialogs& dialogs, const std::string& text) {
    const auto texts = dialogs.texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// What the table window showed before it was closed.
struct ShownTable {
    QString heading;
    QString grid;
    int rows = 0;
    QStringList columns;
    bool copyMembers = false;
    bool copyScores = false;
};

// Notes the table window's contents, presses `copy`, notes whether the copy buttons are still on,
// and closes it with "&Sluiten".
velk::test::Answer CopyAndClose(ShownTable& shown, const char* copy, bool& enabledAfter) {
    return [&shown, copy, &enabledAfter](QWidget* d) {
        shown.heading = Child<QLabel>(d, "HeadLabel")->text();
        auto* grid = d->findChild<QTableWidget*>();
        shown.grid = grid->objectName();
        shown.rows = grid->rowCount();
        for (int c = 0; c < grid->columnCount(); ++c)
            shown.columns << grid->horizontalHeaderItem(c)->text();
        shown.copyMembers = Child<QPushButton>(d, "CopyLeden")->isEnabled();
        shown.copyScores = Child<QPushButton>(d, "CopyScores")->isEnabled();
        Click(d, copy);
        enabledAfter = Child<QPushButton>(d, copy)->isEnabled();
        Click(d, "BitBtn1");
    };
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The other program's folder is a machine setting: keep it out of the user's.
        QStandardPaths::setTestModeEnabled(true);
    }
    // Every test starts on a machine that has not seen the other program's folder.
    void init() { QSettings().remove(QStringLiteral("Kaartix/DataMap")); }

    void membersFromADatabase() {
        CompetitionOnDisk disk(16, 2);
        const std::string path = disk.write("club_1.dba");
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        QVERIFY(OpenInWindow(window, path));

        // Without the other program's folder its database cannot be looked for there.
        {
            ModalAnswers answers("KXLedenDlg", [](QWidget* d) { Click(d, "KXBtn"); }); // choice 2 is preset
            Trigger(&window, "ImportMembers");
        }
        QVERIFY(Said(dialogs, "Het \"Kaartix\" programma bevindt zich niet op de computer\r of in een andere "
                              "map van deze computer, gebruik optie 2 of 3"));
        QVERIFY(dialogs.fileChoices.empty());

        // Choice 3: a database anywhere.
        const std::string target = (std::filesystem::path(path).parent_path() / "leden.dat").string();
        dialogs.files = {kFixtures + "/Members.mdb", target};

        ShownTable shown;
        bool copyOnAfter = true;
        ModalAnswers answers("KXLedenDlg", [](QWidget* d) {
            Click(Child<QRadioButton>(d, "KXbestandkeus3"));
            Click(d, "KXBtn");
        });
        answers.then("KXScrDlg", CopyAndClose(shown, "CopyLeden", copyOnAfter));
        Trigger(&window, "ImportMembers");
        QVERIFY(answers.done());

        QCOMPARE(dialogs.fileChoices.size(), 2u);
        QCOMPARE(dialogs.fileChoices[0].filter, std::string("MDB files (*.mdb)|*.mdb"));
        QCOMPARE(dialogs.fileChoices[1].title, std::string("Bewaren..als"));
        QCOMPARE(dialogs.fileChoices[1].initialPath,
                 (std::filesystem::path(path).parent_path() / "vlkleden_08.dat").string());
        QVERIFY(Said(dialogs,
                     "De Datamap met een Members.mdb bestand kan zich bevinden\r in een Backup map van "
                     "Kaartix of in een submap vaan C:\\gebruikers"));
        QVERIFY(Said(dialogs, "Wegschrijven van" + target + " gelukt"));
        QCOMPARE(shown.grid, QStringLiteral("DBGrid2"));
        QCOMPARE(shown.rows, 21);
        QVERIFY(shown.columns.contains(QStringLiteral("Achternaam")));
        QVERIFY(shown.copyMembers);
        QVERIFY(!shown.copyScores);
        QVERIFY(!copyOnAfter); // one copy per table

        std::vector<velk::TKXLedenOBJ> members;
        ScriptedDialogs reading;
        velk::ErrorCode error;
        QVERIFY(velk::ReadMembersFile(target, members, reading, error));
        QCOMPARE(members.size(), 21u);
        QVERIFY(std::any_of(members.begin(), members.end(), [](const velk::TKXLedenOBJ& m) {
            return m.LidID == 112 && m.VoorNaam.get() == "Zo\u00eb";
        }));

        // The folder of the chosen database is the other program's folder from now on: the second
        // choice opens there.
        dialogs.files = {std::nullopt};
        ModalAnswers again("KXLedenDlg", [](QWidget* d) { Click(d, "KXBtn"); });
        Trigger(&window, "ImportMembers");
        QCOMPARE(dialogs.fileChoices.size(), 3u);
        QCOMPARE(std::filesystem::canonical(dialogs.fileChoices[2].initialPath),
                 std::filesystem::canonical(kFixtures));
    }

    void membersFromAWindowsExport() {
        CompetitionOnDisk disk(16, 2);
        const std::string path = disk.write("club_1.dba");
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        // The other program writes its export in the Windows code page: "Renée" with the byte E9.
        const auto line = [](const std::string& surname, const std::string& first) {
            return "Nr:7,Naam:" + surname +
                   ",x,Adres:Kerkstraat 1,x,Tel:030-1234567,x,Vl:R.,x,Pc:3511 AB,x," + "Mob:,x,Vn:" + first +
                   ",x,Pl:Utrecht,x,Em:r@x.nl,x,Sx:V,x,Gd:14-03-1948,x,Opm:";
        };
        const std::string csv = (folder / "Leden07.csv").string();
        const std::string text = "Kaartix leden 2007\r\n" +
                                 line("Mulder", "Ren\xE9"
                                                "e") +
                                 "\r\n" + line("Smit", "Zo\xEB") + "\r\n";
        {
            std::ofstream out(csv, std::ios::binary);
            out << text;
        }
        const std::string proposed = (folder / "Ledenclub_1.dat").string();

        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        QVERIFY(OpenInWindow(window, path));
        // "Bewaar" twice: the export itself chosen, refused; then the name proposed.
        dialogs.files = {csv, csv, proposed};
        QString firstName;
        ModalAnswers answers("KXLedenDlg", [](QWidget* d) {
            Click(Child<QRadioButton>(d, "KXbestandkeus1"));
            Click(d, "KXBtn");
        });
        answers.then("LedenForm", [&firstName](QWidget* d) {
            firstName = Child<QTableWidget>(d, "LedenGrid")->item(0, 4)->text();
            Click(d, "BewaarSpdBtn");
            Click(d, "BewaarSpdBtn");
            Click(d, "SluitBitBtn");
        });
        Trigger(&window, "ImportMembers");
        QVERIFY(answers.done());

        QCOMPARE(firstName, QStringLiteral("Ren\u00e9e"));
        QCOMPARE(dialogs.fileChoices.size(), 3u);
        QCOMPARE(dialogs.fileChoices[1].title, std::string("Bewaren..als"));
        QCOMPARE(dialogs.fileChoices[1].initialPath, proposed);
        QVERIFY(Said(dialogs,
                     "Bestand " + csv + " is het ingelezen Kaartix bestand;\rhet wordt niet overschreven."));
        QVERIFY(Said(dialogs, "Wegschrijven van Ledenbestand: " + csv + " Niet gelukt"));
        QVERIFY(Said(dialogs, "Wegschrijven van Ledenbestand: " + proposed + " gelukt"));
        std::ifstream in(csv, std::ios::binary);
        QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}), text);

        // Two members of 1214 bytes; the first names at offset 200 in Windows-1252 again.
        std::ifstream saved(proposed, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(saved), {}};
        QCOMPARE(bytes.size(), std::size_t{2 + 2 * 1214});
        QCOMPARE(bytes.substr(0, 2), std::string("\x02\x00", 2));
        QCOMPARE(bytes.substr(2 + 200, 6), std::string("\x05Ren\xE9"
                                                       "e"));
        QCOMPARE(bytes.substr(2 + 1214 + 200, 4), std::string("\x03Zo\xEB"));
    }

    void aSessionsScoresIntoTheOpenSession() {
        // Eight pairs in one line, three sessions a competition: "c7" is competition 3, session 1.
        CompetitionOnDisk disk(8, 1, 4, 3);
        disk.club.CompetitionHead.SessionsPerCompetition = 3;
        velk::StoreHead(disk.club);
        disk.sessionBoards(1, 21, 7, 3);
        const std::string path = disk.write("club_3.dba");
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        QVERIFY(OpenInWindow(window, path));
        dialogs.answerYes(); // go on without the other program
        dialogs.files = {kFixtures + "/c7.ses"};

        ShownTable shown;
        bool copyOnAfter = true;
        ModalAnswers answers("KXScrDlg", CopyAndClose(shown, "CopyScores", copyOnAfter));
        dialogs.messages.clear();
        Trigger(&window, "ImportScores");
        QVERIFY(answers.done());

        QCOMPARE(
            dialogs.messages.front().text,
            std::string("Het \"Kaartix\" programma bevindt zich niet op deze computerwilt u toch doorgaan?"));
        QVERIFY(Said(dialogs, " Inlezen Sessie, Comp.=3 Zitting=1 gelukt"));
        QVERIFY(!std::any_of(dialogs.messages.begin(), dialogs.messages.end(),
                             [](const ScriptedDialogs::Message& m) {
                                 return m.text.find("NIET juist") != std::string::npos;
                             }));
        QCOMPARE(shown.heading, QStringLiteral(" \"Kaartix\" Scores Zitting : 1"));
        QCOMPARE(shown.grid, QStringLiteral("DBGrid1"));
        QCOMPARE(shown.rows, 168);
        QVERIFY(shown.copyScores);
        QVERIFY(!shown.copyMembers);
        QVERIFY(!copyOnAfter);

        // Saved: the score file holds a result for every pair on every board but the ones the
        // other program marked as not played.
        velk::TZitScoreObj block;
        velk::ErrorCode error;
        ScriptedDialogs reading;
        QVERIFY(velk::ReadScoreFileSession(path, velk::ShapeOf(8, disk.club.SessionList), 1, block, reading,
                                           error));
        // 168 rows: every one scored but board 5's two "NG" rows and board 20's two sit-out rows.
        int scored = 0, notPlayed = 0;
        for (const auto& r : block.Records) {
            scored += r.Code != 0 ? 1 : 0;
            notPlayed += r.Contract.get() == "NG" ? 1 : 0;
        }
        QCOMPARE(scored, 164);
        QCOMPARE(notPlayed, 2);
    }
};

QTEST_MAIN(TestImport)
#include "tst_import.moc"
