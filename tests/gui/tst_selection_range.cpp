// The selection dialogs as the user meets them: a box typed into without Enter, then "O&k". A range
// that would choose nothing is refused with a real message window and the dialog stays open.
#include "gui/QtDialogs.h"
#include "gui/club/TClubWindow.h"
#include "gui/selection/TGroepenDlg.h"
#include "gui/selection/TSelectieDlg.h"
#include "support/ClubBuilder.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <memory>

using velk::test::Child;
using velk::test::Click;
using velk::test::ModalAnswers;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// Replaces the text of a box by typing, without Enter.
void Type(QWidget* dialog, const char* box, const QString& text) {
    QComboBox* combo = Child<QComboBox>(dialog, box);
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo, Qt::Key_Backspace);
    QTest::keyClicks(combo, text);
}

// Answers the message window with "OK", keeping its text in `shown`.
velk::test::Answer ReadAndConfirm(std::shared_ptr<QString> shown) {
    return [shown](QWidget* message) {
        *shown = Child<QLabel>(message, "Message")->text();
        Click(message, "OK");
    };
}

} // namespace

class TestSelectionRange : public QObject {
    Q_OBJECT

private slots:
    void okRefusesTheReversedGroupRangeOfATypedFirstGroup() {
        velk::Club club = velk::test::MakeClub(40, 4);
        QtDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        auto shown = std::make_shared<QString>();
        bool stayedOnTheLastGroup = false;
        {
            ModalAnswers answers("SelectieDlg", [&](QWidget* d) {
                Type(d, "SelectBox1", QStringLiteral("B"));
                Click(d, "OkBtn");
                stayedOnTheLastGroup =
                    d->isVisible() && d->focusWidget() == Child<QComboBox>(d, "SelectBox2");
                Type(d, "SelectBox2", QStringLiteral("c"));
                Click(d, "OkBtn");
            });
            answers.then("BerichtForm", ReadAndConfirm(shown));
            QVERIFY(dlg.ChooseGroups(30));
        }
        QCOMPARE(*shown, QStringLiteral(
                             "Laatste groep A ligt voor eerste groep B\nKies een laatste groep van B t/m D"));
        QVERIFY(stayedOnTheLastGroup);
        QCOMPARE(dlg.selection().SelFirstGroup, 2);
        QCOMPARE(dlg.selection().SelLastGroup, 3);
    }

    void okRefusesAFirstBoardAfterTheLastBoard() {
        velk::Club club = velk::test::MakeClub(40, 4);
        club.SessionHead.BoardCount = 24;
        club.SessionHead.BoardsPerRound = 4;
        QtDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        auto shown = std::make_shared<QString>();
        bool stayedOnTheLastBoard = false;
        {
            ModalAnswers answers("SelectieDlg", [&](QWidget* d) {
                Type(d, "SelectBox3", QStringLiteral("9"));
                Click(d, "OkBtn");
                stayedOnTheLastBoard =
                    d->isVisible() && d->focusWidget() == Child<QComboBox>(d, "SelectBox4");
                Click(d, "SchrapBtn");
            });
            answers.then("BerichtForm", ReadAndConfirm(shown));
            QVERIFY(!dlg.ChooseGroups(22));
        }
        QCOMPARE(*shown, QStringLiteral(
                             "Laatste spel 4 ligt voor eerste spel 9\nKies een laatste spel van 9 t/m 24"));
        QVERIFY(stayedOnTheLastBoard);
    }

    void copyDialogRefusesTheSourceAsItsOwnTarget() {
        velk::Club club = velk::test::MakeClub(30, 3);
        QtDialogs dialogs;
        TGroepenDlg dlg(club, dialogs);
        auto shown = std::make_shared<QString>();
        bool stayedOnTheTarget = false;
        {
            ModalAnswers answers("GroepenDlg", [&](QWidget* d) {
                // The target box opens at B.
                Type(d, "GroepBox1", QStringLiteral("b"));
                Click(d, "OkBtn");
                stayedOnTheTarget = d->isVisible() && d->focusWidget() == Child<QComboBox>(d, "GroepBox2");
                Type(d, "GroepBox2", QStringLiteral("a"));
                Click(d, "OkBtn");
            });
            answers.then("BerichtForm", ReadAndConfirm(shown));
            QVERIFY(dlg.ChooseCopyGroups());
        }
        QCOMPARE(*shown, QStringLiteral("Doelgroep B is de brongroep zelf\nKies een andere doelgroep"));
        QVERIFY(stayedOnTheTarget);
        QCOMPARE(dlg.sourceGroup(), 2);
        QCOMPARE(dlg.targetGroups(), std::vector<int>{1});
    }

    // Through the main window's own item: the refused range computes and saves nothing.
    void matchPointsOfAReversedRangeAreNeitherComputedNorSaved() {
        velk::test::CompetitionOnDisk disk(16, 2, 8, 1);
        disk.sessionBoards(1, 3, 3, 1).scores(1, 3, {});
        const std::string path = disk.write();
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        QVERIFY(velk::test::OpenInWindow(window, path));
        const auto before = velk::test::FileBytes(QString::fromStdString(path));
        dialogs.messages.clear();
        bool stayedOpen = false;
        {
            ModalAnswers answers("SelectieDlg", [&](QWidget* d) {
                Type(d, "SelectBox1", QStringLiteral("B"));
                Click(d, "OkBtn");
                stayedOpen = d->isVisible();
                Click(d, "SchrapBtn");
            });
            velk::test::Trigger(&window, "CopyMatchPoints");
        }
        QVERIFY(stayedOpen);
        QCOMPARE(dialogs.texts(),
                 std::vector<std::string>{
                     "Laatste groep A ligt voor eerste groep B\rKies een laatste groep van B t/m B"});
        QVERIFY(velk::test::FileBytes(QString::fromStdString(path)) == before);
    }
};

QTEST_MAIN(TestSelectionRange)
#include "tst_selection_range.moc"
