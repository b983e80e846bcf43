#include "club/Sessions.h"
#include "core/CompetitionNaming.h"
#include "core/files/CompetitionFile.h"
#include "core/files/ScoreFile.h"
#include "gui/club/TClubWindow.h"
#include "support/ClubBuilder.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using velk::test::Canceller;
using velk::test::Child;
using velk::test::ScriptedDialogs;
using velk::test::WhenModal;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// Three boards at four tables, pairs 1..4 North-South against 5..8: top 6, 18 points at most.
constexpr int kScores[3][4] = {{420, 400, 400, -50}, {100, 110, 120, 130}, {-600, -600, -600, -600}};
// What each pair of such a group gets: points, percentage, rank.
struct Expected {
    float points;
    float percentage;
    int rank;
};
constexpr Expected kResults[9] = {{},
                                  {9, 50.0f, 3},
                                  {8, 44.444f, 7},
                                  {10, 55.556f, 1},
                                  {9, 50.0f, 3},
                                  {9, 50.0f, 3},
                                  {10, 55.556f, 1},
                                  {8, 44.444f, 7},
                                  {9, 50.0f, 3}};

} // namespace

class TestScoreCopies : public QObject {
    Q_OBJECT

private slots:
    void init();
    void copiesMatchPointsIntoTheCompetitionAndSaves();
    void cancelledSelectionCopiesNothing();
    void copiesTheScoresOfAGroupToAnother();

private:
    // Two groups of 8 pairs; group A scored, group B scored too unless `onlyA`.
    void writeCompetition(bool onlyA);
    void openWindow(TClubWindow& window);

    std::unique_ptr<QTemporaryDir> dir_;
    std::string path_;
};

void TestScoreCopies::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath(QStringLiteral("club_1.dba")).toStdString();
}

void TestScoreCopies::writeCompetition(bool onlyA) {
    velk::Club club = velk::test::MakeClub(16, 2, 8, 1);
    club.CompetitionHead.NeubergMode = velk::NeubergOff;
    club.ConfigRecord.Head.NeubergMode = velk::NeubergOff;
    club.CurrentSession = 1;
    club.SessionHead = club.SessionList.front();
    club.SessionHead.BoardCount = 3;
    club.SessionHead.RoundCount = 3;
    club.SessionHead.BoardGroupCount = 3;
    club.SessionHead.BoardsPerRound = 1;
    velk::StoreSession(club, 1);
    velk::test::ScoreListBuilder list(2, 8, 3, 3);
    for (int g = 1; g <= (onlyA ? 1 : 2); ++g)
        for (int b = 1; b <= 3; ++b)
            for (int t = 1; t <= 4; ++t)
                list.table(g, b, t, t + 4, kScores[b - 1][t - 1]);
    ScriptedDialogs dialogs;
    velk::ErrorCode error;
    QVERIFY(
        velk::WriteCompetitionFile(path_, club, club.CompetitionHead, "club_1.dba", 2026, dialogs, error));
    velk::TZitScoreObj block = velk::NewScoreBlock(1, 3, 16);
    block.Records = list.scores;
    QVERIFY(velk::WriteScoreFile(velk::ScoreFilePathFor(path_), {block}, 16, false, dialogs, error));
}

void TestScoreCopies::openWindow(TClubWindow& window) {
    Canceller sessionChoice("ZittingDlg");
    QVERIFY(window.openFile(QString::fromStdString(path_)));
}

void TestScoreCopies::copiesMatchPointsIntoTheCompetitionAndSaves() {
    writeCompetition(false);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(!window.action("CopyMatchPoints")->isEnabled());
    openWindow(window);
    QAction* copy = window.action("CopyMatchPoints");
    QVERIFY(copy->isEnabled());
    QCOMPARE(copy->text(), QStringLiteral("Verwerken M.P.in Competitie"));

    dialogs.messages.clear();
    WhenModal("SelectieDlg", [](QWidget* dialog) {
        Child<QComboBox>(dialog, "SelectBox1")->setEditText(QStringLiteral("*"));
        Child<QPushButton>(dialog, "OkBtn")->click();
    });
    dialogs.answerYes();
    copy->trigger();
    QCOMPARE(QString::fromStdString(dialogs.texts().front()),
             QStringLiteral("Weet U zeker dat u MatchPunten wilt kopieren en procenten berekenen ?"));

    // Both groups in memory and in the saved file.
    ScriptedDialogs quiet;
    velk::CompetitionFileData saved;
    velk::ErrorCode error;
    QVERIFY(velk::ReadCompetitionFile(path_, saved, quiet, error));
    const auto& rows = window.club().SessionList.front().Rows;
    const auto& savedRows = saved.SessionList.front().Rows;
    for (int g = 0; g < 2; ++g)
        for (int k = 1; k <= 8; ++k) {
            const auto i = static_cast<std::size_t>(g * 8 + k);
            QCOMPARE(rows[i].Points, kResults[k].points);
            QVERIFY(qAbs(rows[i].Percentage - kResults[k].percentage) < 0.001f);
            QCOMPARE(int(rows[i].SessionRank), kResults[k].rank);
            QCOMPARE(int(window.club().PairList[i].Rang), kResults[k].rank);
            QCOMPARE(savedRows[i].Percentage, rows[i].Percentage);
            QCOMPARE(int(savedRows[i].CompetitionRank), kResults[k].rank);
            QCOMPARE(int(saved.PairList[i].Rang), kResults[k].rank);
        }
}

void TestScoreCopies::cancelledSelectionCopiesNothing() {
    writeCompetition(false);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    openWindow(window);
    const auto before = velk::test::FileBytes(QString::fromStdString(path_));
    dialogs.messages.clear();
    WhenModal("SelectieDlg", [](QWidget* dialog) { Child<QPushButton>(dialog, "SchrapBtn")->click(); });
    window.action("CopyMatchPoints")->trigger();
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(window.club().SessionList.front().Rows[1].Points, 0.0f);
    QVERIFY(velk::test::FileBytes(QString::fromStdString(path_)) == before);
}

void TestScoreCopies::copiesTheScoresOfAGroupToAnother() {
    writeCompetition(true);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    openWindow(window);
    QAction* copy = window.action("CopyGroupScores");
    QVERIFY(copy->isEnabled());
    dialogs.messages.clear();
    WhenModal("GroepenDlg", [](QWidget* dialog) {
        Child<QComboBox>(dialog, "GroepBox1")->setEditText(QStringLiteral("A"));
        Child<QComboBox>(dialog, "GroepBox2")->setEditText(QStringLiteral("B"));
        Child<QPushButton>(dialog, "OkBtn")->click();
    });
    dialogs.answerYes();
    copy->trigger();
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Wilt u MatchPunten kopieren van groep A naar B",
                                       "Scores van groep A\rgekopieeerd naar B\rScores zijn nog niet "
                                       "opgeslagen;\rGebruik menu: Scores Invoeren "}));
    const auto& records = window.club().SessionScoreList.front().Records;
    for (int b = 1; b <= 3; ++b)
        for (int k = 1; k <= 8; ++k) {
            const auto a = static_cast<std::size_t>(velk::ScoreRecordIndex(1, b, k, 3, 8));
            const auto bRecord = static_cast<std::size_t>(velk::ScoreRecordIndex(2, b, k, 3, 8));
            QVERIFY(records[bRecord] == records[a]);
            QVERIFY(records[a].Code != 0);
        }
}

QTEST_MAIN(TestScoreCopies)
#include "tst_score_copies.moc"
