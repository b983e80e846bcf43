// The selection dialogs as the user meets them: a box typed into without Enter, then "O&k". A range
// that would choose nothing is refused with a real message window and the dialog stays open.
#include "core/CompetitionNaming.h"
#include "core/files/CompetitionFile.h"
#include "core/files/ScoreFile.h"
#include "gui/QtDialogs.h"
#include "gui/club/TClubWindow.h"
#include "gui/selection/TGroepenDlg.h"
#include "gui/selection/TSelectieDlg.h"
#include "support/ClubBuilder.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using velk::test::Child;
using velk::test::WhenModal;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

void Type(QWidget* dialog, const char* box, const QString& text) {
    QComboBox* combo = Child<QComboBox>(dialog, box);
    combo->clearEditText();
    QTest::keyClicks(combo, text);
}

void ClickOk(QWidget* dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "OkBtn"), Qt::LeftButton);
}

// Clicks "O&k" and answers the message window it must bring up; returns the message's text.
QString ClickOkAndAnswerTheMessage(QWidget* dialog) {
    auto shown = std::make_shared<QString>();
    WhenModal("BerichtForm", [shown](QWidget* message) {
        *shown = Child<QLabel>(message, "Message")->text();
        QTest::mouseClick(Child<QPushButton>(message, "OK"), Qt::LeftButton);
    });
    ClickOk(dialog);
    return *shown;
}

} // namespace

class TestSelectionRange : public QObject {
    Q_OBJECT

private slots:
    void okRefusesTheReversedGroupRangeOfATypedFirstGroup() {
        velk::Club club = velk::test::MakeClub(40, 4);
        QtDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        bool checked = false;
        WhenModal("SelectieDlg", [&](QWidget* d) {
            Type(d, "SelectBox1", QStringLiteral("B"));
            QCOMPARE(ClickOkAndAnswerTheMessage(d),
                     QStringLiteral(
                         "Laatste groep A ligt voor eerste groep B\nKies een laatste groep van B t/m D"));
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), Child<QComboBox>(d, "SelectBox2"));
            Type(d, "SelectBox2", QStringLiteral("c"));
            ClickOk(d);
            checked = true;
        });
        QVERIFY(dlg.ChooseGroups(30));
        QVERIFY(checked);
        QCOMPARE(dlg.selection().SelFirstGroup, 2);
        QCOMPARE(dlg.selection().SelLastGroup, 3);
    }

    void okRefusesAFirstBoardAfterTheLastBoard() {
        velk::Club club = velk::test::MakeClub(40, 4);
        club.SessionHead.BoardCount = 24;
        club.SessionHead.BoardsPerRound = 4;
        QtDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        WhenModal("SelectieDlg", [](QWidget* d) {
            Type(d, "SelectBox3", QStringLiteral("9"));
            QCOMPARE(
                ClickOkAndAnswerTheMessage(d),
                QStringLiteral("Laatste spel 4 ligt voor eerste spel 9\nKies een laatste spel van 9 t/m 24"));
            QCOMPARE(d->focusWidget(), Child<QComboBox>(d, "SelectBox4"));
            QTest::mouseClick(Child<QPushButton>(d, "SchrapBtn"), Qt::LeftButton);
        });
        QVERIFY(!dlg.ChooseGroups(22));
    }

    void copyDialogRefusesTheSourceAsItsOwnTarget() {
        velk::Club club = velk::test::MakeClub(30, 3);
        QtDialogs dialogs;
        TGroepenDlg dlg(club, dialogs);
        WhenModal("GroepenDlg", [](QWidget* d) {
            // The target box opens at B.
            Type(d, "GroepBox1", QStringLiteral("b"));
            QCOMPARE(ClickOkAndAnswerTheMessage(d),
                     QStringLiteral("Doelgroep B is de brongroep zelf\nKies een andere doelgroep"));
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), Child<QComboBox>(d, "GroepBox2"));
            Type(d, "GroepBox2", QStringLiteral("a"));
            ClickOk(d);
        });
        QVERIFY(dlg.ChooseCopyGroups());
        QCOMPARE(dlg.sourceGroup(), 2);
        QCOMPARE(dlg.targetGroups(), std::vector<int>{1});
    }

    // Through the main window's own item: the refused range computes and saves nothing.
    void matchPointsOfAReversedRangeAreNeitherComputedNorSaved() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("club_1.dba")).toStdString();
        {
            velk::Club club = velk::test::MakeClub(16, 2, 8, 1);
            velk::test::ScriptedDialogs quiet;
            velk::ErrorCode error;
            QVERIFY(velk::WriteCompetitionFile(path, club, club.CompetitionHead, "club_1.dba", 2026, quiet,
                                               error));
            QVERIFY(velk::WriteScoreFile(velk::ScoreFilePathFor(path), {velk::NewScoreBlock(1, 3, 16)}, 16,
                                         false, quiet, error));
        }
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        {
            velk::test::Canceller sessionChoice("ZittingDlg");
            QVERIFY(window.openFile(QString::fromStdString(path)));
        }
        const auto before = velk::test::FileBytes(QString::fromStdString(path));
        dialogs.messages.clear();
        bool stayedOpen = false;
        WhenModal("SelectieDlg", [&](QWidget* d) {
            Type(d, "SelectBox1", QStringLiteral("B"));
            ClickOk(d);
            stayedOpen = d->isVisible();
            QTest::mouseClick(Child<QPushButton>(d, "SchrapBtn"), Qt::LeftButton);
        });
        window.action("CopyMatchPoints")->trigger();
        QVERIFY(stayedOpen);
        QCOMPARE(dialogs.texts(),
                 std::vector<std::string>{
                     "Laatste groep A ligt voor eerste groep B\rKies een laatste groep van B t/m B"});
        QVERIFY(velk::test::FileBytes(QString::fromStdString(path)) == before);
    }
};

QTEST_MAIN(TestSelectionRange)
#include "tst_selection_range.moc"
