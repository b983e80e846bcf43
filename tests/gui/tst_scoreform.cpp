#include "core/BuildPaths.h"
#include "core/CompetitionNaming.h"
#include "core/files/ScoreFile.h"
#include "core/records/ConfigRecord.h"
#include "gui/club/TClubWindow.h"
#include "gui/reports/TResultForm.h"
#include "gui/scoring/TScoreForm.h"
#include "scoring/BoardOpponents.h"
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
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

using velk::test::AltKey;
using velk::test::Bytes;
using velk::test::Cell;
using velk::test::Focus;
using velk::test::Key;
using velk::test::RunCli;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;
using velk::test::TypeCell;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});
constexpr int kBoards = 10;
constexpr int kPairsPerGroup = 6;

// Two groups of `pairs` pairs in their first session: five rounds of two boards of the schedule
// `schedule` (the three-table Howell unless told).
// `options` go to the new competition.
void MakeCompetition(const QString& folder, int boards, int pairs = 6,
                     const char* schedule = "5r-6p-howell-3t-shared.ws0", const QStringList& options = {}) {
    const QString path = QStringLiteral(VELK_SOURCE_DIR "/Schemas/") + QLatin1String(schedule);
    QCOMPARE(RunCli(folder, QStringList{"new", "club.dba", "--pairs", QString::number(2 * pairs), "--groups",
                                        "2", "--tables", QString::number(pairs), "--contracts"} +
                                options),
             0);
    QCOMPARE(
        RunCli(folder, {"session", "club_1.dba", "set", "--session", "1", "--boards", QString::number(boards),
                        "--rounds", "5", "--boardgroups", QString::number(boards / 2), "--length", "2"}),
        0);
    QCOMPARE(RunCli(folder, {"schedule", "read", "club_1.dba", "--groups", "*", path}), 0);
}

QString Header(QWidget* form) {
    return velk::test::Child<QLabel>(form, "KopTxt")->text();
}

// The North-South pairs of a board, in the order the form goes through them.
std::vector<int> NorthSouthPairs(const velk::Club& club, int group, int board) {
    std::vector<int> pairs;
    for (int p = 1; p <= kPairsPerGroup; ++p)
        if (const auto seat = velk::FindBoardSeat(club, group, board, p); seat && seat->NorthSouth)
            pairs.push_back(p);
    return pairs;
}

// A score for each table: plain part scores and games, the same in both groups.
QString ScoreFor(int group, int board, int table) {
    static const char* const scores[] = {"420", "400",  "-50", "110", "-100",
                                         "140", "-420", "50",  "300", "-200"};
    return QString::fromLatin1(scores[(board * 3 + table + group) % 10]);
}

// Closes the form and waits until it is gone.
void CloseForm(TClubWindow& window, TScoreForm* form) {
    form->close();
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
}

} // namespace

class TestScoreForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void aWholeSessionTypedIsTheSessionEnteredWithTheCommandLine();
    void boardsWrapAndPairsWithoutBoardsShowNotPlayed();
    void complementsAndShortNotation();
    void impossibleScoresAndTheCountList();
    void theCountListListsTheWindowsGroup();
    void perTableTheRowsAreTheBoardsOfTheRound();
    void aForgottenTableStaysMissingAfterSavingAndComputing();
    void wholeMatchPointsAreRounded();
    void enterOnATurnedTableKeepsItTurned();
    void aContractOfEastWestIsTypedOnTheNorthSouthRow();
    void okAnsweredNeeNamesTheScoresThatWouldBeLost();
    void theBackupIsTheFileBeforeTheLastSave();

private:
    // Opens the competition of `folder` in `window` and the score entry per board on it.
    TScoreForm* openForm(TClubWindow& window, ScriptedDialogs& dialogs, const std::string& folder);
    // The same on the ten-board competition, made in the test's folder.
    TScoreForm* openTenBoards(TClubWindow& window, ScriptedDialogs& dialogs);

    std::unique_ptr<velk::test::TempFolder> folder_;
};

void TestScoreForm::init() {
    folder_ = std::make_unique<velk::test::TempFolder>();
}

TScoreForm* TestScoreForm::openForm(TClubWindow& window, ScriptedDialogs& dialogs,
                                    const std::string& folder) {
    if (!velk::test::OpenInWindow(window, folder + "/club_1.dba"))
        return nullptr;
    Trigger(&window, "ScoreEntryPerBoard");
    auto* form = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
    if (!form) {
        for (const auto& t : dialogs.texts())
            qWarning("%s", t.c_str());
        const velk::Club& c = window.club();
        qWarning("session %d schedules %zu tables %d rounds %d entries %zu groups %d", c.CurrentSession,
                 c.SessionScheduleList.size(), c.TablesPerGroup, int(c.SessionHead.RoundCount),
                 c.SessionScheduleList.empty() ? 0 : c.SessionScheduleList[0].Entries.size(),
                 c.SessionScheduleList.empty() ? 0 : int(c.SessionScheduleList[0].GroupCount));
        return nullptr;
    }
    QApplication::setActiveWindow(form);
    if (!QTest::qWaitForWindowActive(form))
        return nullptr;
    return form;
}

TScoreForm* TestScoreForm::openTenBoards(TClubWindow& window, ScriptedDialogs& dialogs) {
    MakeCompetition(QString::fromStdString(folder_->path().string()), kBoards);
    return openForm(window, dialogs, folder_->path().string());
}

void TestScoreForm::aWholeSessionTypedIsTheSessionEnteredWithTheCommandLine() {
    const std::string guiFolder = folder_->file("gui");
    const std::string cliFolder = folder_->file("cli");
    std::filesystem::create_directories(guiFolder);
    std::filesystem::create_directories(cliFolder);
    MakeCompetition(QString::fromStdString(guiFolder), kBoards);
    MakeCompetition(QString::fromStdString(cliFolder), kBoards);

    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openForm(window, dialogs, guiFolder);
    QVERIFY(form);
    QVERIFY(!window.action("ScoreEntryPerBoard")->isEnabled());
    QCOMPARE(form->windowTitle(), QStringLiteral("Scores invoeren per spel"));
    const velk::Club& club = window.club();

    QByteArray lines;
    auto line = [&](int group, int board, int pair, const QString& what) {
        lines += QStringLiteral("%1 %2 %3 %4\n")
                     .arg(QChar('A' + group - 1))
                     .arg(board)
                     .arg(pair)
                     .arg(what)
                     .toUtf8();
    };
    int turnedPair = 0;
    int changedPair = 0;
    for (int g = 1; g <= 2; ++g) {
        QCOMPARE(form->entry().group, g);
        for (int b = 1; b <= kBoards; ++b) {
            QCOMPARE(form->entry().board, b);
            const auto pairs = NorthSouthPairs(club, g, b);
            QCOMPARE(pairs.size(), std::size_t{3});
            const bool contracts = g == 1 && b == 3;
            if (contracts) {
                dialogs.answerYes();
                Key(Qt::Key_F5);
                QCOMPARE(dialogs.texts().back(), std::string("Wilt u Contracten invoeren ?"));
                QCOMPARE(form->windowTitle(), QStringLiteral("Biedingen invoeren per spel"));
            }
            for (std::size_t t = 0; t < pairs.size(); ++t) {
                // The screenshot for the README: in the middle of a board, the last table to go.
                if (const QByteArray target = qgetenv("VELK_SCREENSHOT");
                    !target.isEmpty() && g == 1 && b == 2 && t == 2) {
                    QTest::qWait(100);
                    QVERIFY(form->grab().save(QString::fromLocal8Bit(target)));
                }
                QCOMPARE(Focus()->objectName(),
                         QStringLiteral("%1%2").arg(contracts ? "ContrEditNZ" : "ScoreEditNZ").arg(pairs[t]));
                static const char* const bids[3][2] = {{"4S", "C"}, {"3SA", "+1"}, {"4HX", "-2"}};
                if (contracts) {
                    // The result key moves the input on to the result cell.
                    TypeCell(QString::fromLatin1(bids[t][0]) + QString::fromLatin1(bids[t][1]));
                    line(g, b, pairs[t], QString::fromLatin1(bids[t][0]) + QLatin1Char(' ') + bids[t][1]);
                } else {
                    const QString score =
                        g == 1 && b == 5 && t == 0 ? QStringLiteral("A60%") : ScoreFor(g, b, int(t));
                    TypeCell(score);
                    line(g, b, pairs[t], score);
                }
            }
            if (contracts) {
                QCOMPARE(Cell(form, "ScoreEditNZ", pairs[1]), QStringLiteral(" 430"));
                QCOMPARE(Cell(form, "ResultEdit", pairs[2]), QStringLiteral("-2"));
                dialogs.answerYes();
                Key(Qt::Key_F5);
                QCOMPARE(dialogs.texts().back(), std::string("Wilt u Scores invoeren ?"));
            }
            if (g == 2 && b == 2) {
                // "Draai" on the first table: the focus is back on its North-South score.
                Key(Qt::Key_D, Qt::ControlModifier);
                QCOMPARE(velk::test::Child<QLabel>(form, "PromptTxt")->text(),
                         QStringLiteral("Selecteer NZ score (draaiscore) en druk Enter"));
                Key(Qt::Key_Return);
                turnedPair = pairs[0];
            }
            if (g == 2 && b == 4) {
                // "Wijzig OW": the first table's East-West pair gets a score of its own.
                changedPair = velk::OpponentRow(club, g, b, pairs[0]);
                Key(Qt::Key_W, Qt::AltModifier);
                const QString wanted = QStringLiteral("ScoreEditOW%1").arg(changedPair);
                for (int i = 0; i < kPairsPerGroup && Focus()->objectName() != wanted; ++i)
                    Key(Qt::Key_Down);
                QCOMPARE(Focus()->objectName(), wanted);
                TypeCell(QStringLiteral("-400"));
                line(g, b, changedPair, QStringLiteral("-400"));
                Key(Qt::Key_W, Qt::AltModifier);
            }
            if (g == 1 && b == 1) {
                // "Reken": -100, 140 and -420 against a top of 4.
                AltKey(Qt::Key_R);

                const bool oneDecimal = club.CompetitionHead.NeubergMode == velk::NeubergOneDecimal;
                const int tops[3] = {20, 40, 0}; // -100, 140, -420
                for (int t = 0; t < 3; ++t)
                    QCOMPARE(
                        velk::test::Child<QLabel>(form, qPrintable(QStringLiteral("MPNZ%1").arg(pairs[t])))
                            ->text(),
                        QString::fromStdString(velk::MatchPointColumnText(tops[t], oneDecimal)));
            }
            QVERIFY(Header(form).contains(QStringLiteral("( 0 NZ-Scores ontbreken)")));
            Key(Qt::Key_PageDown);
        }
        if (g == 1) {
            dialogs.answerYes();
            AltKey(Qt::Key_B);
            QCOMPARE(dialogs.texts().back(), std::string("Scores bewaren van groep A"));
            Key(Qt::Key_F8);
        }
    }
    QVERIFY(turnedPair != 0 && changedPair != 0);
    dialogs.answerYes();
    AltKey(Qt::Key_O);
    QCOMPARE(dialogs.texts().back(), std::string("Ingevoerde scores bewaren ?"));
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    QVERIFY(window.action("ScoreEntryPerBoard")->isEnabled());

    QCOMPARE(
        RunCli(QString::fromStdString(cliFolder), {"scores", "enter", "club_1.dba", "--wijzig-ow"}, lines),
        0);
    auto expected = Bytes(cliFolder + "/club_1.sco");
    // The command line cannot turn a board: the turned table as the form must leave it.
    const auto at = [](int board, int pair) {
        return 4 +
               17 * static_cast<std::size_t>(velk::ScoreRecordIndex(2, board, pair, kBoards, kPairsPerGroup));
    };
    const int opponent = velk::OpponentRow(club, 2, 2, turnedPair);
    const std::size_t ns = at(2, turnedPair);
    const std::size_t ew = at(2, opponent);
    const auto turned = [&](std::size_t at, bool eastWest) {
        int flags = (static_cast<unsigned char>(expected[at + 16]) ^ velk::ScoreFlag::Turned) &
                    ~velk::ScoreFlag::Remarkable & ~velk::ScoreFlag::EastWest;
        expected[at + 16] = char(eastWest ? flags | velk::ScoreFlag::EastWest : flags);
    };
    QCOMPARE(int(expected[ns + 16]) & velk::ScoreFlag::EastWest, 0);
    QCOMPARE(int(expected[ew + 16]) & velk::ScoreFlag::EastWest, int(velk::ScoreFlag::EastWest));
    std::swap(expected[ns + 12], expected[ew + 12]);
    std::swap(expected[ns + 13], expected[ew + 13]);
    turned(ns, false);
    turned(ew, true);

    const auto typed = Bytes(guiFolder + "/club_1.sco");
    QCOMPARE(typed.size(), expected.size());
    QVERIFY(typed == expected);
    QVERIFY(std::filesystem::exists(guiFolder + "/club_1.~sc"));

    // Reopened, the form shows what was typed.
    // The scores the window wrote count as saved; closed without saving, they are read back.
    QVERIFY(!window.clubFile().hasUnsavedChanges());
    dialogs.answerNo();
    QVERIFY(window.closeWithSave());
    QCOMPARE(dialogs.texts().back(), std::string("Bestand bewaren "));
    TScoreForm* again = openForm(window, dialogs, guiFolder);
    QVERIFY(again);
    const auto pairs = NorthSouthPairs(window.club(), 1, 1);
    QVERIFY(Cell(again, "ScoreEditNZ", pairs[0]).trimmed().startsWith(ScoreFor(1, 1, 0)));
    CloseForm(window, again);

    // Computed in the window and on the command line from the same scores: the same results.
    {
        std::ofstream out(cliFolder + "/club_1.sco", std::ios::binary | std::ios::trunc);
        out.write(expected.data(), static_cast<std::streamsize>(expected.size()));
    }
    velk::test::ModalAnswers groups("SelectieDlg", [](QWidget* dialog) {
        velk::test::Child<QComboBox>(dialog, "SelectBox1")->setEditText(QStringLiteral("*"));
        velk::test::Child<QPushButton>(dialog, "OkBtn")->click();
    });
    dialogs.answerYes();
    Trigger(&window, "CopyMatchPoints");
    const auto texts = dialogs.texts();
    QVERIFY(std::find(texts.begin(), texts.end(),
                      "Weet U zeker dat u MatchPunten wilt kopieren en procenten berekenen ?") !=
            texts.end());
    QCOMPARE(RunCli(QString::fromStdString(cliFolder), {"compute", "club_1.dba"}), 0);
    QByteArray fromWindow;
    QByteArray fromCli;
    const QStringList results = {"results", "club_1.dba", "--format", "csv"};
    QCOMPARE(RunCli(QString::fromStdString(guiFolder), results, {}, &fromWindow), 0);
    QCOMPARE(RunCli(QString::fromStdString(cliFolder), results, {}, &fromCli), 0);
    QCOMPARE(fromWindow, fromCli);
    // Twelve pairs with their ranks, six a group.
    QCOMPARE(fromCli.count('\n'), 13);
}

void TestScoreForm::boardsWrapAndPairsWithoutBoardsShowNotPlayed() {
    // The six-table Mitchell in five rounds: each board is played at five tables of six.
    MakeCompetition(QString::fromStdString(folder_->path().string()), 12, 12, "5r-12p-mitchell-6t.ws0");
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openForm(window, dialogs, folder_->path().string());
    QVERIFY(form);
    QCOMPARE(Header(form), QStringLiteral("Groep A   Spel  1    ( 5 NZ-Scores ontbreken)"));
    Key(Qt::Key_PageUp);
    QCOMPARE(Header(form), QStringLiteral("Groep A   Spel 12    ( 5 NZ-Scores ontbreken)"));
    int idle = 0;
    for (int p = 1; p <= 12; ++p)
        if (!velk::FindBoardSeat(window.club(), 1, 12, p))
            idle = p;
    QVERIFY(idle != 0);
    QCOMPARE(velk::test::Child<QLabel>(form, qPrintable(QStringLiteral("PaarTxt%1").arg(idle)))->text(),
             QStringLiteral("  Niet gespeeld !"));
    QVERIFY(!form->findChild<QLineEdit*>(QStringLiteral("ScoreEditNZ%1").arg(idle))->isEnabled());
    Key(Qt::Key_PageDown);
    QCOMPARE(Header(form), QStringLiteral("Groep A   Spel  1    ( 5 NZ-Scores ontbreken)"));
    Key(Qt::Key_F7);
    QCOMPARE(Header(form), QStringLiteral("Groep B   Spel  1    ( 5 NZ-Scores ontbreken)"));
    CloseForm(window, form);
}

void TestScoreForm::complementsAndShortNotation() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openTenBoards(window, dialogs);
    QVERIFY(form);
    const auto pairs = NorthSouthPairs(window.club(), 1, 1); // board 1 of group A
    const int opponent = velk::OpponentRow(window.club(), 1, 1, pairs[0]);
    TypeCell(QStringLiteral("420"));
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QStringLiteral("-420"));
    Key(Qt::Key_Up);
    TypeCell(QStringLiteral("a60%"));
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[0]), QStringLiteral("A60%"));
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QStringLiteral("A40%"));
    // Closing unsaved asks; Yes keeps the form, No throws the scores away.
    dialogs.answerYes();
    form->close();
    QVERIFY(form->isVisible());
    dialogs.answerNo();
    CloseForm(window, form);
    QCOMPARE(dialogs.texts().back(), std::string("Score-Bestand nog redden\r gebruik dan <Ok>"));
    QCOMPARE(window.club().SessionScoreList[0].Records[1].Code, std::uint8_t{0});

    window.club().ConfigRecord.OptionFlags |= velk::OptionFlag::ShortNotation;
    form = nullptr;
    Trigger(&window, "ScoreEntryPerBoard");
    form = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
    QVERIFY(form);
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(velk::test::Child<QLabel>(form, "Notatietxt")->text(),
             QStringLiteral("Verkorte notatie gebruikt"));
    TypeCell(QStringLiteral("42"));
    QCOMPARE(form->entry().record(1, pairs[0]).Score, std::int16_t{420});
    QCOMPARE(form->entry().record(1, opponent).Score, std::int16_t{-420});
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[0]), QStringLiteral("  42"));
    dialogs.answerNo();
    CloseForm(window, form);
}

void TestScoreForm::impossibleScoresAndTheCountList() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openTenBoards(window, dialogs);
    QVERIFY(form);
    const auto pairs = NorthSouthPairs(window.club(), 1, 1); // board 1 of group A
    AltKey(Qt::Key_T);
    QCOMPARE(dialogs.texts().back(), std::string("Geen spellen gespeeld in Groep: A"));
    TypeCell(QStringLiteral("425"));
    QCOMPARE(dialogs.texts().back(), std::string("Score bestaat NIET 425"));
    QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditNZ%1").arg(pairs[0]));
    // A key no score has is refused with its message and kept out of the cell.
    QTest::keyClicks(Focus(), QStringLiteral("x"));
    QCOMPARE(dialogs.texts().back(), std::string("Foutieve Score 425x"));
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[0]), QStringLiteral("425"));
    // Leaving the board with the error standing asks; No stays.
    dialogs.answerNo();
    Key(Qt::Key_PageDown);
    QCOMPARE(form->entry().board, 1);
    qobject_cast<QLineEdit*>(Focus())->selectAll();
    Key(Qt::Key_Backspace);
    TypeCell(QStringLiteral("-50"));
    AltKey(Qt::Key_T);
    // The count list goes through the result window, which wants the board computed first.
    QCOMPARE(dialogs.texts().back(), std::string("Er zijn geen MatchPoints berekend"));
    dialogs.answerNo();
    AltKey(Qt::Key_C);
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
}

void TestScoreForm::theCountListListsTheWindowsGroup() {
    // The demo: two groups of eight pairs, scored and computed.
    const QString folder = QString::fromStdString(folder_->path().string());
    QCOMPARE(RunCli(folder, {"demo", "demo"}), 0);
    QByteArray groupB;
    QCOMPARE(RunCli(folder, {"report", "demo/demo_1.dba", "--kind", "38", "--groups", "B"}, {}, &groupB), 0);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    window.setReportFolder(folder_->file("data"));
    QVERIFY(velk::test::OpenInWindow(window, folder_->file("demo/demo_1.dba")));
    Trigger(&window, "ScoreEntryPerBoard");
    auto* form = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
    QVERIFY(form);
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    Key(Qt::Key_F8);
    QCOMPARE(form->entry().group, 2);

    AltKey(Qt::Key_T);
    TResultForm* result = window.resultForm();
    QVERIFY(result && result->isVisible());
    QVERIFY(!form->isVisible());
    QCOMPARE(result->kind(), 38);
    const QString memo = result->memo()->toPlainText();
    QVERIFY(memo.contains(QStringLiteral("G r o e p : B    Zitting : 1")));
    QVERIFY(!memo.contains(QStringLiteral("G r o e p : A")));
    // The same list as the command line's count list of group B.
    QCOMPARE(memo + QLatin1Char('\n'), QString::fromUtf8(groupB));
    QVERIFY(dialogs.messages.empty());

    // Page Up and Page Down keep to the group listed.
    QCOMPARE(result->groupCounter(), 2);
    QTest::keyClick(result->memo(), Qt::Key_PageUp);
    QCOMPARE(result->groupCounter(), 2);
    QTest::keyClick(result->memo(), Qt::Key_PageDown);
    QCOMPARE(result->groupCounter(), 2);
    // "&Andere" closes it and the score entry window comes back on its group.
    velk::test::Click(result, "OtherBitBtn");
    QVERIFY(!result->isVisible());
    QTRY_VERIFY(form->isVisible());
    QCOMPARE(form->entry().group, 2);
    QVERIFY(Header(form).startsWith(QStringLiteral("Groep B")));

    // Asked again from group A, the list is group A's.
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    Key(Qt::Key_F7);
    QCOMPARE(form->entry().group, 1);
    AltKey(Qt::Key_T);
    QVERIFY(result->isVisible());
    QVERIFY(result->memo()->toPlainText().contains(QStringLiteral("G r o e p : A    Zitting : 1")));
    QVERIFY(!result->memo()->toPlainText().contains(QStringLiteral("G r o e p : B")));
    QCOMPARE(result->groupCounter(), 1);
    QTest::keyClick(result->memo(), Qt::Key_PageDown);
    QCOMPARE(result->groupCounter(), 1);
    result->close();
    QTRY_VERIFY(form->isVisible());
    CloseForm(window, form);
}

void TestScoreForm::perTableTheRowsAreTheBoardsOfTheRound() {
    MakeCompetition(QString::fromStdString(folder_->path().string()), kBoards);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, folder_->file("club_1.dba")));
    Trigger(&window, "ScoreEntryPerRound");
    auto* form = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
    QVERIFY(form);
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(form->windowTitle(), QStringLiteral("Scores invoeren per tafel"));
    QCOMPARE(Header(form), QStringLiteral("Groep  A   Ronde  1   Tafel  1 (Tafel zonder scores)"));
    QVERIFY(velk::test::Child<QWidget>(form, "RndplusBtn")->isVisible());
    QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditNZ1"));
    TypeCell(QStringLiteral("420"));
    QCOMPARE(Cell(form, "ScoreEditOW", 1), QStringLiteral("-420"));
    QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditNZ2"));
    QCOMPARE(Header(form), QStringLiteral("Groep  A   Ronde  1   Tafel  1"));
    const velk::EntryRow first = form->entry().rows().front();
    QCOMPARE(form->entry().record(first.Board, first.OpponentRow).Score, std::int16_t{-420});
    Key(Qt::Key_PageDown);
    QCOMPARE(Header(form), QStringLiteral("Groep  A   Ronde  1   Tafel  2 (Tafel zonder scores)"));
    dialogs.answerNo();
    CloseForm(window, form);
}

void TestScoreForm::aForgottenTableStaysMissingAfterSavingAndComputing() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openTenBoards(window, dialogs);
    QVERIFY(form);
    // Group A typed board by board, but for the last table of board 1.
    const auto board1 = NorthSouthPairs(window.club(), 1, 1);
    const int forgotten = board1.back();
    const int opponent = velk::OpponentRow(window.club(), 1, 1, forgotten);
    for (int b = 1; b <= kBoards; ++b) {
        const auto pairs = NorthSouthPairs(window.club(), 1, b);
        for (std::size_t t = 0; t < pairs.size(); ++t)
            if (b != 1 || pairs[t] != forgotten)
                TypeCell(ScoreFor(1, b, int(t)));
        Key(Qt::Key_PageDown);
    }
    QCOMPARE(form->entry().board, 1);
    const QString oneMissing = QStringLiteral("Groep A   Spel  1    ( 1 NZ-Score ontbreekt) ");
    QCOMPARE(Header(form), oneMissing);

    // "Bewaar": the unplayed board is reported and asked about; the table stays empty.
    dialogs.answerYes();
    dialogs.answerNo();
    AltKey(Qt::Key_B);
    QCOMPARE(dialogs.texts().back(), std::string("Arbitrale score voor dit spel: 1?"));
    QCOMPARE(Header(form), oneMissing);
    QCOMPARE(Cell(form, "ScoreEditNZ", forgotten), QString());
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QString());
    QCOMPARE(form->entry().record(1, forgotten).Code, std::uint8_t{0});
    CloseForm(window, form);

    // "Verwerken" on the half-entered evening gives the table the code 'O' ...
    {
        velk::test::ModalAnswers groups("SelectieDlg", [](QWidget* dialog) {
            velk::test::Child<QComboBox>(dialog, "SelectBox1")->setEditText(QStringLiteral("A"));
            velk::test::Child<QPushButton>(dialog, "OkBtn")->click();
        });
        dialogs.answerYes();
        dialogs.answerNo();
        Trigger(&window, "CopyMatchPoints");
    }
    const auto texts = dialogs.texts();
    const std::vector<std::string> computing = {
        "Weet U zeker dat u MatchPunten wilt kopieren en procenten berekenen ?",
        " Geen punten ingevuld voor paar: " + std::to_string(std::min(forgotten, opponent)) + " Groep: A",
        " Geen punten ingevuld voor paar: " + std::to_string(std::max(forgotten, opponent)) + " Groep: A",
        "Aantal niet gespeelde spellen :1 in Groep: A",
        "Ongespeeld spel: 1 in Groep: A",
        "Arbitrale score voor dit spel: 1?",
        "Wegschrijven van " + folder_->file("club_1.dba") + " gelukt"};
    QVERIFY(texts.size() > computing.size());
    QVERIFY(std::vector<std::string>(texts.end() - std::ptrdiff_t(computing.size()), texts.end()) ==
            computing);
    const auto& records = window.club().SessionScoreList[0].Records;
    const auto at = [&](int pair) {
        return records[static_cast<std::size_t>(velk::ScoreRecordIndex(1, 1, pair, kBoards, kPairsPerGroup))];
    };
    QCOMPARE(at(forgotten).Code, std::uint8_t{'O' - 64});
    QCOMPARE(at(opponent).Code, std::uint8_t{'O' - 64});

    // ... which the window, opened again, shows as not played and still counts as missing.
    form = openForm(window, dialogs, folder_->path().string());
    QVERIFY(form);
    QCOMPARE(Header(form), oneMissing);
    QCOMPARE(Cell(form, "ScoreEditNZ", forgotten), QStringLiteral("n.g."));
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QStringLiteral("n.g."));
    const QString cell = QStringLiteral("ScoreEditNZ%1").arg(forgotten);
    for (int i = 0; i < kPairsPerGroup && Focus()->objectName() != cell; ++i)
        Key(Qt::Key_Down);
    QCOMPARE(Focus()->objectName(), cell);
    // Enter on the mark goes on without a message and keeps it.
    const std::size_t said = dialogs.texts().size();
    Key(Qt::Key_Return);
    QCOMPARE(dialogs.texts().size(), said);
    QCOMPARE(Cell(form, "ScoreEditNZ", forgotten), QStringLiteral("n.g."));
    Key(Qt::Key_Up);
    QCOMPARE(Focus()->objectName(), cell);
    TypeCell(QStringLiteral("-100"));
    QCOMPARE(Header(form), QStringLiteral("Groep A   Spel  1    ( 0 NZ-Scores ontbreken)"));
    QCOMPARE(Cell(form, "ScoreEditNZ", forgotten), QStringLiteral("-100"));
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QStringLiteral(" 100"));
    dialogs.answerNo();
    CloseForm(window, form);
}

void TestScoreForm::wholeMatchPointsAreRounded() {
    // "Ja, 0 dec.": Neuberg, match points shown whole.
    MakeCompetition(QString::fromStdString(folder_->path().string()), kBoards, kPairsPerGroup,
                    "5r-6p-howell-3t-shared.ws0", {"--neuberg", "0"});
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openForm(window, dialogs, folder_->path().string());
    QVERIFY(form);
    QCOMPARE(window.club().CompetitionHead.NeubergMode, std::uint16_t{velk::NeubergNoDecimals});
    const auto pairs = NorthSouthPairs(window.club(), 1, 1);
    // Two results and an arbitral 60 % on a top of 4: Neuberg gives 420 and -400 65 % of the top,
    // 2.6 match points, and 400 and -420 55 %, 2.2; the 60 % is 2.4 and the 40 % 1.6.
    TypeCell(QStringLiteral("420"));
    TypeCell(QStringLiteral("400"));
    TypeCell(QStringLiteral("A60%"));
    AltKey(Qt::Key_R);
    const auto mp = [&](const char* column, int pair) {
        return velk::test::Child<QLabel>(form, qPrintable(QStringLiteral("%1%2").arg(column).arg(pair)))
            ->text();
    };
    const auto against = [&](int pair) { return velk::OpponentRow(window.club(), 1, 1, pair); };
    QCOMPARE(mp("MPNZ", pairs[0]), QStringLiteral("     3"));
    QCOMPARE(mp("MPNZ", pairs[1]), QStringLiteral("     2"));
    QCOMPARE(mp("MPNZ", pairs[2]), QStringLiteral("     2"));
    QCOMPARE(mp("MPOW", against(pairs[0])), QStringLiteral("     2"));
    QCOMPARE(mp("MPOW", against(pairs[1])), QStringLiteral("     3"));
    QCOMPARE(mp("MPOW", against(pairs[2])), QStringLiteral("     2"));
    dialogs.answerNo();
    CloseForm(window, form);
}

namespace {
// The 17 bytes of a score record: no contract or result, `score`, the seat, code 'N', `flags`.
std::vector<char> BridgeRecord(int score, bool eastWest, int flags) {
    std::vector<char> bytes(17, 0);
    bytes[12] = char(score & 0xff);
    bytes[13] = char((score >> 8) & 0xff);
    bytes[14] = char(eastWest ? 1 : 0);
    bytes[15] = char('N' - 64);
    bytes[16] = char(flags);
    return bytes;
}

std::vector<char> RecordOnDisk(const std::vector<char>& file, int group, int board, int pair) {
    const auto at = 4 + 17 * static_cast<std::size_t>(
                                 velk::ScoreRecordIndex(group, board, pair, kBoards, kPairsPerGroup));
    if (file.size() < at + 17)
        return {};
    return {file.begin() + std::ptrdiff_t(at), file.begin() + std::ptrdiff_t(at + 17)};
}
} // namespace

void TestScoreForm::enterOnATurnedTableKeepsItTurned() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openTenBoards(window, dialogs);
    QVERIFY(form);
    const auto pairs = NorthSouthPairs(window.club(), 1, 1);
    const int opponent = velk::OpponentRow(window.club(), 1, 1, pairs[0]);
    TypeCell(QStringLiteral("420"));
    Key(Qt::Key_Up);
    Key(Qt::Key_D, Qt::ControlModifier);
    Key(Qt::Key_Return);
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[0]), QStringLiteral("-420"));
    QCOMPARE(Focus()->objectName(), QStringLiteral("ScoreEditNZ%1").arg(pairs[0]));
    // Enter on the turned score takes it as it stands: the table stays turned.
    Key(Qt::Key_Return);
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[0]), QStringLiteral("-420"));
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QStringLiteral(" 420"));
    QCOMPARE(form->entry().record(1, pairs[0]).Flags, std::uint8_t{velk::ScoreFlag::Turned});
    QCOMPARE(form->entry().record(1, opponent).Flags,
             std::uint8_t{velk::ScoreFlag::Turned | velk::ScoreFlag::EastWest});
    // A score typed over it is the turned side's score too.
    Key(Qt::Key_Up);
    TypeCell(QStringLiteral("-450"));
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QStringLiteral(" 450"));

    // A contract entered again on a turned table: its score goes to the other side, as Draai put it.
    const int second = pairs[1];
    const int secondOpponent = velk::OpponentRow(window.club(), 1, 1, second);
    dialogs.answerYes();
    Key(Qt::Key_F5);
    QCOMPARE(Focus()->objectName(), QStringLiteral("ContrEditNZ%1").arg(second));
    TypeCell(QStringLiteral("3SA+1"));
    QCOMPARE(Cell(form, "ScoreEditNZ", second), QStringLiteral(" 430"));
    Key(Qt::Key_Up);
    Key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(velk::test::Child<QLabel>(form, "PromptTxt")->text(),
             QStringLiteral("Selecteer DraaiBod en druk Enter"));
    Key(Qt::Key_Return);
    QCOMPARE(Cell(form, "ScoreEditNZ", second), QStringLiteral("-430"));
    QCOMPARE(Focus()->objectName(), QStringLiteral("ContrEditNZ%1").arg(second));
    Key(Qt::Key_Return);
    QCOMPARE(Cell(form, "ScoreEditNZ", second), QStringLiteral("-430"));
    QCOMPARE(Cell(form, "ScoreEditOW", secondOpponent), QStringLiteral(" 430"));

    dialogs.answerYes();
    AltKey(Qt::Key_O);
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    const auto file = Bytes(folder_->file("club_1.sco"));
    QVERIFY(RecordOnDisk(file, 1, 1, pairs[0]) == BridgeRecord(-450, false, velk::ScoreFlag::Turned));
    QVERIFY(RecordOnDisk(file, 1, 1, opponent) ==
            BridgeRecord(450, true, velk::ScoreFlag::Turned | velk::ScoreFlag::EastWest));
    std::vector<char> declarer = BridgeRecord(-430, false, velk::ScoreFlag::Turned);
    const char contract[] = {3, '3', 'S', 'A', 0, 0, 0, 2, '+', '1'};
    std::copy(std::begin(contract), std::end(contract), declarer.begin());
    QVERIFY(RecordOnDisk(file, 1, 1, second) == declarer);
    QVERIFY(RecordOnDisk(file, 1, 1, secondOpponent) ==
            BridgeRecord(430, true, velk::ScoreFlag::Turned | velk::ScoreFlag::EastWest));
}

void TestScoreForm::aContractOfEastWestIsTypedOnTheNorthSouthRow() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openTenBoards(window, dialogs);
    QVERIFY(form);
    const auto pairs = NorthSouthPairs(window.club(), 1, 1);
    const int opponent = velk::OpponentRow(window.club(), 1, 1, pairs[0]);
    dialogs.answerYes();
    Key(Qt::Key_F5);
    QCOMPARE(Focus()->objectName(), QStringLiteral("ContrEditNZ%1").arg(pairs[0]));
    // Without "Wijzig OW" the North-South row's OW bid cell takes the contract East-West made:
    // 4H+1 by East-West on board 1, nobody vulnerable, is 450 to them.
    Key(Qt::Key_Tab);
    QCOMPARE(Focus()->objectName(), QStringLiteral("ContrEditOW%1").arg(pairs[0]));
    TypeCell(QStringLiteral("4H+1"));
    QVERIFY(!form->entry().changeEastWest);
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[0]), QStringLiteral("-450"));
    QCOMPARE(Cell(form, "ContrEditOW", pairs[0]), QStringLiteral("4H"));
    QCOMPARE(Cell(form, "ResultEdit", pairs[0]), QStringLiteral("+1"));
    QCOMPARE(Cell(form, "ContrEditNZ", pairs[0]), QString());
    QCOMPARE(Cell(form, "ContrEditOW", opponent), QStringLiteral("4H"));
    QCOMPARE(Cell(form, "ScoreEditOW", opponent), QStringLiteral(" 450"));
    // The next table starts in its own North-South bid cell.
    QCOMPARE(Focus()->objectName(), QStringLiteral("ContrEditNZ%1").arg(pairs[1]));
    // Its score cells stay closed: East-West's score is theirs only with "Wijzig OW".
    QVERIFY(!form->findChild<QLineEdit*>(QStringLiteral("ScoreEditOW%1").arg(pairs[1]))->isEnabled());
    TypeCell(QStringLiteral("3SAC"));
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[1]), QStringLiteral(" 400"));

    dialogs.answerYes();
    AltKey(Qt::Key_O);
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    const auto file = Bytes(folder_->file("club_1.sco"));
    std::vector<char> declarer = BridgeRecord(450, true, velk::ScoreFlag::EastWest);
    const char contract[] = {2, '4', 'H', 0, 0, 0, 0, 2, '+', '1'};
    std::copy(std::begin(contract), std::end(contract), declarer.begin());
    QVERIFY(RecordOnDisk(file, 1, 1, opponent) == declarer);
    QVERIFY(RecordOnDisk(file, 1, 1, pairs[0]) == BridgeRecord(-450, false, 0));
}

void TestScoreForm::okAnsweredNeeNamesTheScoresThatWouldBeLost() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openTenBoards(window, dialogs);
    QVERIFY(form);
    const auto before = Bytes(folder_->file("club_1.sco"));
    QVERIFY(!before.empty());
    const auto pairs = NorthSouthPairs(window.club(), 1, 1);
    TypeCell(QStringLiteral("420"));
    Key(Qt::Key_PageDown);
    Key(Qt::Key_PageDown);
    TypeCell(QStringLiteral("-50"));
    Key(Qt::Key_F8);
    QVERIFY(Header(form).startsWith(QStringLiteral("Groep B   Spel  3")));
    TypeCell(QStringLiteral("110"));

    // Nee to saving, then Nee to losing them: the window stays with every score in it.
    dialogs.answerNo();
    dialogs.answerNo();
    AltKey(Qt::Key_O);
    const std::string lost = "Niet bewaarde scores: groep A spel 1, 3; groep B spel 3\r"
                             "Deze gaan verloren, toch sluiten ?";
    QCOMPARE(dialogs.texts().back(), lost);
    QCOMPARE(int(dialogs.messages.back().buttons), velk::Button::JaNee | velk::Button::DefaultNee);
    QVERIFY(form->isVisible());
    Key(Qt::Key_F7);
    Key(Qt::Key_PageUp);
    Key(Qt::Key_PageUp);
    QCOMPARE(Cell(form, "ScoreEditNZ", pairs[0]), QStringLiteral(" 420"));
    QVERIFY(Bytes(folder_->file("club_1.sco")) == before);

    // Ja to losing them: the window closes, the file on disk is as it was.
    dialogs.answerNo();
    dialogs.answerYes();
    AltKey(Qt::Key_O);
    QCOMPARE(dialogs.texts().back(), lost);
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    QVERIFY(Bytes(folder_->file("club_1.sco")) == before);
    QCOMPARE(window.club()
                 .SessionScoreList[0]
                 .Records[static_cast<std::size_t>(
                     velk::ScoreRecordIndex(1, 1, pairs[0], kBoards, kPairsPerGroup))]
                 .Code,
             std::uint8_t{0});

    // Nothing typed since the last save: Nee closes without a second question.
    Trigger(&window, "ScoreEntryPerBoard");
    form = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
    QVERIFY(form);
    QApplication::setActiveWindow(form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    const std::size_t said = dialogs.texts().size();
    dialogs.answerNo();
    AltKey(Qt::Key_O);
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    QCOMPARE(dialogs.texts().size(), said + 1);
}

void TestScoreForm::theBackupIsTheFileBeforeTheLastSave() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    TScoreForm* form = openTenBoards(window, dialogs);
    QVERIFY(form);
    const std::string file = folder_->file("club_1.sco");
    const std::string backup = folder_->file("club_1.~sc");
    const auto pairs = NorthSouthPairs(window.club(), 1, 1);
    const auto recordOf = [&](const std::vector<char>& bytes, int pair) {
        return RecordOnDisk(bytes, 1, 1, pair);
    };

    // "Bewaar", then "OK": two saves in one sitting of the window.
    TypeCell(QStringLiteral("420"));
    dialogs.answerYes();
    AltKey(Qt::Key_B);
    QCOMPARE(dialogs.texts().back(), std::string("Aantal niet gespeelde spellen :10 in Groep: A"));
    const auto firstSave = Bytes(file);
    QVERIFY(recordOf(firstSave, pairs[0]) == BridgeRecord(420, false, 0));
    TypeCell(QStringLiteral("-50"));
    dialogs.answerYes();
    AltKey(Qt::Key_O);
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);

    const auto secondSave = Bytes(file);
    QVERIFY(recordOf(secondSave, pairs[1]) == BridgeRecord(-50, false, 0));
    // The backup is the file as the first save left it, to go back one save.
    QVERIFY(Bytes(backup) == firstSave);
}

QTEST_MAIN(TestScoreForm)
#include "tst_scoreform.moc"
