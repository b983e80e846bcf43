#include "core/ErrorHelpers.h"
#include "gui/club/TSortLidDlg.h"
#include "gui/selection/TGroepenDlg.h"
#include "gui/selection/TSelectieDlg.h"
#include "support/ClubBuilder.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using velk::test::MakeSelectionClub;
using velk::test::ModalAnswers;
using velk::test::TypeAndEnter;

namespace {

QComboBox* Box(QWidget* dialog, const char* name) {
    return dialog->findChild<QComboBox*>(QString::fromLatin1(name));
}

const std::string kInvalidValue = velk::FileErrorText("", 5, 8);

} // namespace

class TestSelection : public QObject {
    Q_OBJECT

private slots:
    void sessionsChosenByTyping() {
        velk::Club club = MakeSelectionClub(4);
        velk::test::ScriptedDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        dlg.setUpFor(1);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Groep(en) & Zitting Keuze"));
        QCOMPARE(dlg.findChild<QLabel*>("Groepenlabel")->text(), QStringLiteral("Groep: A . . D"));
        QCOMPARE(dlg.findChild<QLabel*>("ZittngPaarlabel")->text(), QStringLiteral("Avond: 1 . . 3"));
        QCOMPARE(Box(&dlg, "SelectBox1")->count(), 5);

        TypeAndEnter(&dlg, "SelectBox1", "*");
        QVERIFY(!Box(&dlg, "SelectBox2")->isEnabled());
        QCOMPARE(dlg.focusWidget(), Box(&dlg, "SelectBox3"));

        TypeAndEnter(&dlg, "SelectBox3", "0");
        QCOMPARE(dialogs.texts(), std::vector<std::string>{kInvalidValue});
        QCOMPARE(dlg.focusWidget(), Box(&dlg, "SelectBox3"));

        TypeAndEnter(&dlg, "SelectBox3", "*");
        QCOMPARE(dlg.focusWidget(), dlg.findChild<QPushButton*>("OkBtn"));
        QTest::mouseClick(dlg.findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.selection().SelFirstGroup, 1);
        QCOMPARE(dlg.selection().SelLastGroup, 4);
        QCOMPARE(dlg.selection().SelFirstSession, 1);
        QCOMPARE(dlg.selection().SelLastSession, 3);
    }

    void lastGroupShowsTheClampedLetter() {
        velk::Club club = MakeSelectionClub(4);
        velk::test::ScriptedDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        dlg.setUpFor(24);
        dlg.show();
        QVERIFY(Box(&dlg, "SelectBox3")->isHidden());
        TypeAndEnter(&dlg, "SelectBox1", "b");
        QCOMPARE(dlg.focusWidget(), Box(&dlg, "SelectBox2"));
        QCOMPARE(Box(&dlg, "SelectBox2")->currentText(), QStringLiteral("b"));
        TypeAndEnter(&dlg, "SelectBox2", "F");
        QCOMPARE(Box(&dlg, "SelectBox2")->currentText(), QStringLiteral("D"));
        QCOMPARE(dlg.selection().SelLastGroup, 4);
        QCOMPARE(dlg.focusWidget(), dlg.findChild<QPushButton*>("OkBtn"));
    }

    void modalBoardChoiceClampsTheLastBoard() {
        velk::Club club = MakeSelectionClub(2);
        velk::test::ScriptedDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        ModalAnswers answer([](QWidget* d) {
            TypeAndEnter(d, "SelectBox3", "3");
            TypeAndEnter(d, "SelectBox4", "30");
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        });
        QVERIFY(dlg.ChooseGroups(22));
        QCOMPARE(dlg.selection().SelFirstItem, 3);
        QCOMPARE(dlg.selection().SelLastItem, 24);
        QVERIFY(dialogs.messages.empty());
    }

    void enterInTheLastBoxPressesOk() {
        velk::Club club = MakeSelectionClub(4);
        velk::test::ScriptedDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        // "Groep Keuze": the first box hands on to the last, whose Enter closes the choice.
        ModalAnswers answer([](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Groep Keuze"));
            QCOMPARE(d->focusWidget(), Box(d, "SelectBox1"));
            velk::test::KeyHere(Qt::Key_A, Qt::ControlModifier);
            velk::test::TypeHere(QStringLiteral("b"));
            velk::test::KeyHere(Qt::Key_Return);
            QVERIFY(d->isVisible());
            velk::test::KeyHere(Qt::Key_Return);
        });
        QVERIFY(dlg.ChooseGroups(30));
        QCOMPARE(dlg.selection().SelFirstGroup, 2);
        QCOMPARE(dlg.selection().SelLastGroup, 2);

        // All groups: the last box is skipped and the one Enter chooses.
        ModalAnswers all([](QWidget*) {
            velk::test::KeyHere(Qt::Key_A, Qt::ControlModifier);
            velk::test::TypeHere(QStringLiteral("*"));
            velk::test::KeyHere(Qt::Key_Return);
        });
        QVERIFY(dlg.ChooseGroups(40));
        QCOMPARE(dlg.selection().SelFirstGroup, 1);
        QCOMPARE(dlg.selection().SelLastGroup, 4);

        // A refused letter keeps the dialog open on its box.
        ModalAnswers refused([](QWidget* d) {
            velk::test::KeyHere(Qt::Key_A, Qt::ControlModifier);
            velk::test::TypeHere(QStringLiteral("7"));
            velk::test::KeyHere(Qt::Key_Return);
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), Box(d, "SelectBox1"));
            velk::test::KeyHere(Qt::Key_Escape);
        });
        QVERIFY(!dlg.ChooseGroups(30));
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
    }

    void escapeInALaterBoxCancels() {
        velk::Club club = MakeSelectionClub(4);
        velk::test::ScriptedDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        ModalAnswers answer([](QWidget* d) {
            TypeAndEnter(d, "SelectBox1", "C");
            QTest::keyClick(Box(d, "SelectBox2"), Qt::Key_Escape);
        });
        QVERIFY(!dlg.ChooseGroups(1));
        QCOMPARE(dlg.selection().SelGroupChar, ' ');
    }

    void topIntegralHidesTheGroupBoxes() {
        velk::Club club = MakeSelectionClub(4);
        club.CompetitionHead.CalcMethod = velk::CalcTopIntegral;
        velk::test::ScriptedDialogs dialogs;
        TSelectieDlg dlg(club, dialogs);
        dlg.setUpFor(3);
        dlg.show();
        QVERIFY(Box(&dlg, "SelectBox1")->isHidden());
        QVERIFY(Box(&dlg, "SelectBox2")->isHidden());
        QCOMPARE(dlg.findChild<QLabel*>("Groepenlabel")->text(),
                 QStringLiteral(" Alle Groepen Topintgeraal"));
        QCOMPARE(dlg.focusWidget(), Box(&dlg, "SelectBox3"));
    }

    void copyDialogClosesOnAGroupThatDoesNotExist() {
        velk::Club club = MakeSelectionClub(3);
        velk::test::ScriptedDialogs dialogs;
        TGroepenDlg dlg(club, dialogs);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Kopieer Matchpunten van groep naar groep"));
        ModalAnswers answer([](QWidget* d) { TypeAndEnter(d, "GroepBox1", "d"); });
        QVERIFY(!dlg.ChooseCopyGroups());
        QCOMPARE(dialogs.texts(), std::vector<std::string>{"Groep bestaat niet :  kies lagere Groep "});
        QCOMPARE(dialogs.beeps, 1);
    }

    void copyDialogToEveryOtherGroup() {
        velk::Club club = MakeSelectionClub(3);
        velk::test::ScriptedDialogs dialogs;
        TGroepenDlg dlg(club, dialogs);
        ModalAnswers answer([](QWidget* d) {
            QCOMPARE(Box(d, "GroepBox2")->currentText(), QStringLiteral("  B"));
            TypeAndEnter(d, "GroepBox1", "c");
            QCOMPARE(d->focusWidget(), d->findChild<QPushButton*>("OkBtn"));
            Box(d, "GroepBox2")->setCurrentIndex(0);
            QTest::mouseClick(d->findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        });
        QVERIFY(dlg.ChooseCopyGroups());
        QCOMPARE(dlg.CopySourceGroup(), 'C');
        QCOMPARE(dlg.CopyTargetGroup(), '*');
        QCOMPARE(dlg.targetGroups(), (std::vector<int>{1, 2}));
    }

    void sortDialogReturnsTheChoiceAndOpensOnTheDefaults() {
        TSortLidDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Sorteren van Paren"));
        ModalAnswers answer([](QWidget* d) {
            for (auto* radio : d->findChildren<QRadioButton*>())
                if (radio->text() == QStringLiteral("Naam") || radio->text() == QStringLiteral("Club"))
                    QTest::mouseClick(radio, Qt::LeftButton);
            QTest::mouseClick(d->findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        });
        QVERIFY(dlg.SortDialog());
        QVERIFY(dlg.choice().key == velk::SortKey::Naam);
        QVERIFY(dlg.choice().scope == velk::SortScope::Club);
        QVERIFY(velk::NeedSortFirstAfter(dlg.choice()));

        ModalAnswers answer2(
            [](QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>("SchrapBtn"), Qt::LeftButton); });
        QVERIFY(!dlg.SortDialog());
        QVERIFY(dlg.choice().key == velk::SortKey::GrpNr);
        QVERIFY(dlg.choice().scope == velk::SortScope::Groep);
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
