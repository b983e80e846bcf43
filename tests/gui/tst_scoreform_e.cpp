// The individual score entry window: an "Enkel" evening typed with the keyboard, against the same
// evening entered with velk-cli.
#include "core/files/BaseScheduleFile.h"
#include "core/records/ConfigRecord.h"
#include "core/records/ScoreRecord.h"
#include "gui/club/TClubWindow.h"
#include "gui/scoring/TScoreFormE.h"
#include "scoring/ScoreEntry.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScoreEntryTyping.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>

using velk::test::AltKey;
using velk::test::Bytes;
using velk::test::Cell;
using velk::test::Child;
using velk::test::Focus;
using velk::test::Key;
using velk::test::ModalAnswers;
using velk::test::RunCli;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;
using velk::test::TypeCell;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});
constexpr int kBoards = 4;
constexpr int kPlayersPerGroup = 8;

// Eight players at two tables in two rounds of two boards. Round 1: table 1 N1 Z2 O3 W4 on board
// group A, table 2 N5 Z6 O7 W8 on B; round 2: table 1 N1 Z3 O2 W4 on B, table 2 N5 Z7 O6 W8 on A.
void WriteSchedule(const std::string& path) {
    velk::WorkSchedule1 s = velk::WorkSchedule1::Empty({kPlayersPerGroup, 2, 2, 2});
    const int seats[4][5] = {{1, 2, 3, 4, 'A'}, {5, 6, 7, 8, 'B'}, {1, 3, 2, 4, 'B'}, {5, 7, 6, 8, 'A'}};
    for (std::size_t i = 0; i < 4; ++i) {
        velk::TWSObj1& e = s.Items[i + 1];
        e.N = static_cast<std::int16_t>(seats[i][0]);
        e.Z = static_cast<std::int16_t>(seats[i][1]);
        e.O = static_cast<std::int16_t>(seats[i][2]);
        e.W = static_cast<std::int16_t>(seats[i][3]);
        e.Letter = static_cast<std::uint8_t>(seats[i][4]);
    }
    QVERIFY(velk::WriteBaseSchedule1(path, s));
}

// Two groups of eight players, the schedule read into both.
void MakeCompetition(const QString& folder) {
    const std::string schedule = folder.toStdString() + "/2r-8s-2t.ws0";
    WriteSchedule(schedule);
    QCOMPARE(RunCli(folder, {"new", "club.dba", "--pairs", "16", "--groups", "2", "--tables", "4", "--mode",
                             "enkel", "--neuberg", "niet"}),
             0);
    QCOMPARE(RunCli(folder, {"session", "club_1.dba", "set", "--session", "1", "--boards", "4", "--rounds",
                             "2", "--boardgroups", "2", "--length", "2"}),
             0);
    QCOMPARE(
        RunCli(folder, {"schedule", "read", "club_1.dba", "--groups", "*", QString::fromStdString(schedule)}),
        0);
}

// The table (within the group) of each row of a board, from the schedule above: boards 1 and 2
// go from table 1 to table 2, boards 3 and 4 from table 2 to table 1.
constexpr int kTableOfRow[kBoards][2] = {{1, 2}, {1, 2}, {2, 1}, {2, 1}};

// The North-South score of each group, board and row, each possible at the board's vulnerability.
const char* const kScores[2][kBoards][2] = {
    {{"420", "400"}, {"A60%", "620"}, {"100", "-100"}, {"100", "-200"}},
    {{"-50", "110"}, {"-100", "140"}, {"400", "430"}, {"600", "-100"}},
};

} // namespace

class TestScoreFormE : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<velk::test::TempFolder>(); }
    void anEveningTypedIsTheEveningEnteredWithTheCommandLine();
    void perTableTheTablesLeadThroughTheRoundsAndEmptyScoresAreReported();

private:
    TScoreForm* openForm(TClubWindow& window, const char* item = "ScoreEntryPerBoard");
    std::unique_ptr<velk::test::TempFolder> folder_;
};

TScoreForm* TestScoreFormE::openForm(TClubWindow& window, const char* item) {
    Trigger(&window, item);
    auto* form = window.findChild<TScoreFormE*>(QStringLiteral("ScoreFormE"));
    if (!form)
        return nullptr;
    QApplication::setActiveWindow(form);
    return QTest::qWaitForWindowActive(form) ? form : nullptr;
}

void TestScoreFormE::anEveningTypedIsTheEveningEnteredWithTheCommandLine() {
    const std::string guiFolder = folder_->file("gui");
    const std::string cliFolder = folder_->file("cli");
    std::filesystem::create_directories(guiFolder);
    std::filesystem::create_directories(cliFolder);
    MakeCompetition(QString::fromStdString(guiFolder));
    MakeCompetition(QString::fromStdString(cliFolder));

    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, guiFolder + "/club_1.dba"));
    TScoreForm* form = openForm(window);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Score invoeren per spel"));
    QVERIFY(form->findChild<QPushButton*>(QStringLiteral("SpelUpBtn4")));
    QVERIFY(form->findChild<QPushButton*>(QStringLiteral("SaveBtn4")));
    QVERIFY(!Child<QWidget>(form, "RndplusBtn")->isVisible());
    QVERIFY(!Child<QWidget>(form, "InvoerBtn")->isVisible());
    QCOMPARE(Child<QLabel>(form, "KopTxt")->text(),
             QStringLiteral("Groep A   Spel  1    ( 2 NZ-Scores ontbreken)"));
    QCOMPARE(Child<QLabel>(form, "PaarNr1")->text(), QStringLiteral("1-2"));
    QCOMPARE(Child<QLabel>(form, "TegenNr2")->text(), QStringLiteral("6-8"));

    QByteArray lines;
    const bool oneDecimal = window.club().CompetitionHead.NeubergMode == velk::NeubergOneDecimal;
    for (int g = 1; g <= 2; ++g) {
        for (int b = 1; b <= kBoards; ++b) {
            QCOMPARE(form->entry().group, g);
            QCOMPARE(form->entry().board, b);
            for (int t = 0; t < 2; ++t) {
                QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditNZ%1").arg(t + 1));
                const QString score = QString::fromLatin1(kScores[g - 1][b - 1][t]);
                TypeCell(score);
                lines += QStringLiteral("%1 %2 %3 %4\n")
                             .arg(QChar('A' + g - 1))
                             .arg(b)
                             .arg(kTableOfRow[b - 1][t])
                             .arg(score)
                             .toUtf8();
            }
            if (g == 1 && b == 2)
                QCOMPARE(Cell(form, "ScoreEditOW", 1), QStringLiteral("A40%"));
            if (g == 1 && b == 1) {
                QCOMPARE(Cell(form, "ScoreEditOW", 1), QStringLiteral("-420"));
                // "Reken": of two tables the better North-South score takes the top of 2.
                AltKey(Qt::Key_R);
                const QString two = QString::fromStdString(velk::MatchPointColumnText(20, oneDecimal));
                const QString none = QString::fromStdString(velk::MatchPointColumnText(0, oneDecimal));
                QCOMPARE(Child<QLabel>(form, "MPNZ1")->text(), two);
                QCOMPARE(Child<QLabel>(form, "MPOW1")->text(), none);
                QCOMPARE(Child<QLabel>(form, "MPNZ2")->text(), none);
                QCOMPARE(Child<QLabel>(form, "MPOW2")->text(), two);
            }
            if (g == 2 && b == 1) {
                // "Draai" on the first table: the focus is back on it.
                Key(Qt::Key_D, Qt::ControlModifier);
                QCOMPARE(Child<QLabel>(form, "PromptTxt")->text(),
                         QStringLiteral("Selecteer NZ score (draaiscore) en druk Enter"));
                Key(Qt::Key_Return);
            }
            if (g == 2 && b == 3) {
                // "Wijzig OW": the first table's East-West side gets a score of its own.
                Key(Qt::Key_W, Qt::AltModifier);
                Key(Qt::Key_Tab);
                QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditOW1"));
                TypeCell(QStringLiteral("-430"));
                lines +=
                    QStringLiteral("B 3 %1 %2 -430\n").arg(kTableOfRow[2][0]).arg(kScores[1][2][0]).toUtf8();
                Key(Qt::Key_W, Qt::AltModifier);
                QCOMPARE(Cell(form, "ScoreEditOW", 1), QStringLiteral("-430"));
            }
            QVERIFY(
                Child<QLabel>(form, "KopTxt")->text().contains(QStringLiteral("( 0 NZ-Scores ontbreken)")));
            Key(Qt::Key_PageDown);
        }
        if (g == 1) {
            dialogs.answerYes();
            AltKey(Qt::Key_B);
            QCOMPARE(dialogs.texts().back(), std::string("Scores bewaren van groep A"));
            Key(Qt::Key_F8);
        }
    }
    dialogs.answerYes();
    AltKey(Qt::Key_O);
    QCOMPARE(dialogs.texts().back(), std::string("Ingevoerde scores bewaren ?"));
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);

    const QString cli = QString::fromStdString(cliFolder);
    QCOMPARE(RunCli(cli, {"scores", "enter", "club_1.dba", "--wijzig-ow"}, lines), 0);
    auto expected = Bytes(cliFolder + "/club_1.sco");
    // The command line cannot turn a table: group B's first table on board 1 as "Draai" leaves it.
    const auto at = [](int row) {
        return 4 +
               17 * static_cast<std::size_t>(velk::ScoreRecordIndex(2, 1, row, kBoards, kPlayersPerGroup));
    };
    const std::size_t ns = at(1);
    const std::size_t ew = at(2);
    std::swap(expected[ns + 12], expected[ew + 12]);
    std::swap(expected[ns + 13], expected[ew + 13]);
    for (const std::size_t i : {ns, ew}) {
        const int flags = (static_cast<unsigned char>(expected[i + 16]) ^ velk::ScoreFlag::Turned) &
                          ~velk::ScoreFlag::Remarkable & ~velk::ScoreFlag::EastWest;
        expected[i + 16] = char(i == ew ? flags | velk::ScoreFlag::EastWest : flags);
    }
    const auto typed = Bytes(guiFolder + "/club_1.sco");
    QCOMPARE(typed.size(), expected.size());
    QVERIFY(typed == expected);

    // Reopened, the form shows what was typed.
    TScoreForm* again = openForm(window);
    QVERIFY(again);
    QCOMPARE(Cell(again, "ScoreEditNZ", 1).trimmed(), QStringLiteral("420"));
    again->close();
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);

    // Computed in the window and on the command line (from the same scores): the same players'
    // results and ranks.
    {
        std::ofstream out(cliFolder + "/club_1.sco", std::ios::binary | std::ios::trunc);
        out.write(expected.data(), static_cast<std::streamsize>(expected.size()));
    }
    ModalAnswers groups("SelectieDlg", [](QWidget* dialog) {
        Child<QComboBox>(dialog, "SelectBox1")->setEditText(QStringLiteral("*"));
        Child<QPushButton>(dialog, "OkBtn")->click();
    });
    dialogs.answerYes();
    Trigger(&window, "CopyMatchPoints");
    QCOMPARE(RunCli(cli, {"compute", "club_1.dba"}), 0);
    QByteArray fromWindow;
    QByteArray fromCli;
    QCOMPARE(RunCli(QString::fromStdString(guiFolder), {"results", "club_1.dba", "--format", "csv"}, {},
                    &fromWindow),
             0);
    QCOMPARE(RunCli(cli, {"results", "club_1.dba", "--format", "csv"}, {}, &fromCli), 0);
    QCOMPARE(fromWindow, fromCli);
    QCOMPARE(int(window.club().CompetitionHead.NeubergMode), int(velk::NeubergOff));
    QCOMPARE(window.club().CompetitionHead.CalcMethod & 1, 0);
    // Group A by hand, Neuberg off, top 2 a board: board 1 gives 2 to players 1, 2, 6 and 8;
    // board 2 gives 1.2 to 1 and 2 (A60%), 0.8 to 3 and 4, and 1 to 5 to 8 (one normal result a
    // side, the arbitral one a tie); boards 3 and 4 give 2 to 2, 4, 5 and 6. Totals 3.2, 7.2,
    // 0.8, 4.8, 5, 7, 1, 3.
    const int ranks[kPlayersPerGroup] = {5, 1, 8, 4, 3, 2, 7, 6};
    const QList<QByteArray> rows = fromCli.split('\n');
    for (int k = 1; k <= kPlayersPerGroup; ++k) {
        const QList<QByteArray> fields = rows[k].split(',');
        QCOMPARE(fields[0], QByteArray("A"));
        QCOMPARE(fields[11].toInt(), ranks[k - 1]);
    }
}

void TestScoreFormE::perTableTheTablesLeadThroughTheRoundsAndEmptyScoresAreReported() {
    MakeCompetition(QString::fromStdString(folder_->path().string()));
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, folder_->file("club_1.dba")));
    TScoreForm* form = openForm(window, "ScoreEntryPerRound");
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Score invoeren per tafel"));
    QCOMPARE(Child<QLabel>(form, "KopTxt")->text(),
             QStringLiteral("Groep  A   Ronde  1   Tafel  1 (Tafel zonder scores)"));
    QCOMPARE(Child<QLabel>(form, "TafelParenTxt")->text(),
             QStringLiteral("SpelerA1 & SpelerA2 - SpelerA3 & SpelerA4"));
    // Boards 1 and 2 at table 1 of round 1.
    QCOMPARE(Child<QLabel>(form, "PaarNr1")->text(), QStringLiteral("1"));
    QCOMPARE(Child<QLabel>(form, "PaarNr2")->text(), QStringLiteral("2"));
    TypeCell(QStringLiteral("420"));
    QCOMPARE(Cell(form, "ScoreEditOW", 1), QStringLiteral("-420"));
    QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditNZ2"));
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    // No round buttons: the last table leads on to round 2.
    QCOMPARE(Child<QLabel>(form, "KopTxt")->text(),
             QStringLiteral("Groep  A   Ronde  2   Tafel  1 (Tafel zonder scores)"));
    QCOMPARE(Child<QLabel>(form, "TafelParenTxt")->text(),
             QStringLiteral("SpelerA1 & SpelerA3 - SpelerA2 & SpelerA4"));

    // Saving: the first empty score of a table that played is reported (board 1 at the other
    // table of round 2, its rows 3 and 4); Opnieuw goes to it.
    const auto before = Bytes(folder_->file("club_1.sco"));
    dialogs.answerYes();
    dialogs.answer(velk::Result::Retry);
    AltKey(Qt::Key_B);
    QCOMPARE(dialogs.texts().back(), std::string("Score is leeg, Spel: 1 Paar: 3"));
    QCOMPARE(dialogs.messages.back().buttons,
             std::uint16_t(velk::Button::Breek | velk::Button::Opnieuw | velk::Button::Negeren));
    QCOMPARE(Child<QLabel>(form, "KopTxt")->text(),
             QStringLiteral("Groep  A   Ronde  2   Tafel  2 (Tafel zonder scores)"));
    QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditNZ1"));
    QVERIFY(Bytes(folder_->file("club_1.sco")) == before);
    // Negeren: the rest pass unreported and the file is written.
    dialogs.answerYes();
    dialogs.answer(velk::Result::Ignore);
    AltKey(Qt::Key_B);
    QCOMPARE(dialogs.texts().back(), std::string("Aantal niet gespeelde spellen :4 in Groep:A"));
    QVERIFY(Bytes(folder_->file("club_1.sco")) != before);
    form->close();
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
}

QTEST_MAIN(TestScoreFormE)
#include "tst_scoreform_e.moc"
