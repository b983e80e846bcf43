#include "core/files/CompetitionFile.h"
#include "gui/club/TClubWindow.h"
#include "scoring/StoredMatchPoints.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <map>

using velk::test::Child;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;

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
    void copiesMatchPointsIntoTheCompetitionAndSaves();
    void cancelledSelectionCopiesNothing();
    void copiesTheScoresOfAGroupToAnother();

private:
    // Two groups of 8 pairs; group A scored, group B scored too unless `onlyA`.
    void writeCompetition(bool onlyA);
    void openWindow(TClubWindow& window);

    std::unique_ptr<velk::test::CompetitionOnDisk> competition_;
    std::string path_;
};

void TestScoreCopies::writeCompetition(bool onlyA) {
    competition_ = std::make_unique<velk::test::CompetitionOnDisk>(16, 2, 8, 1);
    velk::Club& club = competition_->club;
    club.CompetitionHead.NeubergMode = velk::NeubergOff;
    club.ConfigRecord.Head.NeubergMode = velk::NeubergOff;
    competition_->sessionBoards(1, 3, 3, 1);
    velk::test::ScoreListBuilder list(2, 8, 3, 3);
    for (int g = 1; g <= (onlyA ? 1 : 2); ++g)
        for (int b = 1; b <= 3; ++b)
            for (int t = 1; t <= 4; ++t)
                list.table(g, b, t, t + 4, kScores[b - 1][t - 1]);
    competition_->scores(1, 3, list.scores);
    path_ = competition_->write("club_1.dba");
}

void TestScoreCopies::openWindow(TClubWindow& window) {
    QVERIFY(velk::test::OpenInWindow(window, path_));
}

void TestScoreCopies::copiesMatchPointsIntoTheCompetitionAndSaves() {
    writeCompetition(false);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(!window.action("CopyMatchPoints")->isEnabled());
    openWindow(window);
    QAction* copy = window.action("CopyMatchPoints");
    QVERIFY(copy->isEnabled());
    QCOMPARE(copy->text(), QStringLiteral("&Verwerken M.P.in Competitie"));

    dialogs.messages.clear();
    ModalAnswers groups("SelectieDlg", [](QWidget* dialog) {
        Child<QComboBox>(dialog, "SelectBox1")->setEditText(QStringLiteral("*"));
        Child<QPushButton>(dialog, "OkBtn")->click();
    });
    dialogs.answerYes();
    Trigger(&window, "CopyMatchPoints");
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
    // Beside the file, the match points the results were summed from, which every list reads.
    std::string problem;
    const auto stored = velk::ReadStoredMatchPoints(path_, 1, problem);
    QVERIFY2(stored.has_value(), problem.c_str());
    QCOMPARE(stored->size(), std::size_t{2 * 3 * 8});
    std::map<std::pair<int, int>, long long> tenths;
    for (const velk::StoredMatchPoint& e : *stored)
        tenths[{e.Group, e.Pair}] += e.MatchPoints;
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= 8; ++k)
            QCOMPARE(static_cast<float>(tenths[{g, k}]) / 10.0f, kResults[k].points);
}

void TestScoreCopies::cancelledSelectionCopiesNothing() {
    writeCompetition(false);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    openWindow(window);
    const auto before = velk::test::FileBytes(QString::fromStdString(path_));
    dialogs.messages.clear();
    ModalAnswers groups("SelectieDlg",
                        [](QWidget* dialog) { Child<QPushButton>(dialog, "SchrapBtn")->click(); });
    Trigger(&window, "CopyMatchPoints");
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
    ModalAnswers groups("GroepenDlg", [](QWidget* dialog) {
        Child<QComboBox>(dialog, "GroepBox1")->setEditText(QStringLiteral("A"));
        Child<QComboBox>(dialog, "GroepBox2")->setEditText(QStringLiteral("B"));
        Child<QPushButton>(dialog, "OkBtn")->click();
    });
    dialogs.answerYes();
    Trigger(&window, "CopyGroupScores");
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{
                                  "Wilt u MatchPunten kopieren van groep A naar B",
                                  "Scores van groep A\rgekopieeerd naar B\ren opgeslagen in de scorelijst"}));
    // The copy is on disk: a second window opening the file finds it.
    ScriptedDialogs again;
    TClubWindow reopened(again, kClock);
    openWindow(reopened);
    QVERIFY(reopened.club().SessionScoreList.front().Records ==
            window.club().SessionScoreList.front().Records);
    const auto& records = reopened.club().SessionScoreList.front().Records;
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
