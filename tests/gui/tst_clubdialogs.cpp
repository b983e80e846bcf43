#include "gui/club/QtWizardHost.h"
#include "gui/club/TActivePairsDlg.h"
#include "gui/club/TConfigDial.h"
#include "gui/club/TNewDlg.h"
#include "gui/club/TPaarkeuzeDlg.h"
#include "gui/club/TZitKopieDlg.h"
#include "gui/club/TZittingDlg.h"
#include "support/ClubBuilder.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using velk::test::Child;
using velk::test::Click;
using velk::test::FocusName;
using velk::test::MakeClub;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::ShowActive;
using velk::test::TypeAndEnter;

namespace {

const std::string kCorrectInput = "\n\r corrigeer (zonodig) invoer";

} // namespace

class TestClubDialogs : public QObject {
    Q_OBJECT

private slots:
    // ---- TConfigDial ------------------------------------------------------------------------

    void configOddPairsKeepsFocusThenValidMovesOn() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        dialogs.answerNo(); // "Toch afsluiten "
        TConfigDial dialog(club, dialogs, false);
        ShowActive(&dialog);

        TypeAndEnter(Child<QLineEdit>(&dialog, "Edit2"), QStringLiteral("41"));
        QCOMPARE(dialogs.texts(), (std::vector<std::string>{
                                      "Aantal paren moet even zijn 41 is geen geldige waarde" + kCorrectInput,
                                      "Toch afsluiten "}));
        QCOMPARE(FocusName(), QStringLiteral("Edit2"));
        QCOMPARE(dialog.model().draft().Head.PairCount, 40);

        TypeAndEnter(Child<QLineEdit>(&dialog, "Edit2"), QStringLiteral("48"));
        QCOMPARE(FocusName(), QStringLiteral("Edit3"));
        QCOMPARE(dialog.model().draft().Head.PairCount, 48);
        QCOMPARE(dialogs.messages.size(), std::size_t{2});
        // The competition itself changes only when the dialog is committed.
        QCOMPARE(club.CompetitionHead.PairCount, 40);
    }

    void configDriveSkipsCompetitionFields() {
        velk::Club club = MakeClub(20, 1, 10, 1, false);
        ScriptedDialogs dialogs;
        TConfigDial dialog(club, dialogs, false);
        ShowActive(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Zitting gegevens"));
        QCOMPARE(Child<QLabel>(&dialog, "Label1")->text(), QStringLiteral("Drive/Zitting naam "));
        QVERIFY(!Child<QLineEdit>(&dialog, "Edit4")->isVisible());
        QVERIFY(!Child<QLineEdit>(&dialog, "Edit5")->isVisible());
        QVERIFY(!Child<QPushButton>(&dialog, "PromDegrBtn")->isVisible());

        TypeAndEnter(Child<QLineEdit>(&dialog, "Edit3"), QStringLiteral("1"));
        QCOMPARE(FocusName(), QStringLiteral("Edit6"));
    }

    void configEnkelRelabelsPairs() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        TConfigDial dialog(club, dialogs, false);
        ShowActive(&dialog);
        QCOMPARE(Child<QLabel>(&dialog, "Label2")->text(), QStringLiteral("Aantal Paren: "));
        QCOMPARE(Child<QRadioButton>(&dialog, "TellingBox2")->text(), QStringLiteral("Cross Imp"));
        Click(&dialog, "TellingBox3");
        QCOMPARE(Child<QLabel>(&dialog, "Label2")->text(), QStringLiteral("Aantal Spelers"));
        Click(&dialog, "TellingBox0");
        QCOMPARE(Child<QLabel>(&dialog, "Label2")->text(), QStringLiteral("Aantal Paren: "));
    }

    void configOkStoresTheHead() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        TConfigDial dialog(club, dialogs, false);
        ShowActive(&dialog);
        Child<QLineEdit>(&dialog, "Edit1")->setText(QStringLiteral("Dinsdagavond"));
        Child<QLineEdit>(&dialog, "Edit7")->setText(QStringLiteral("57,5"));
        Click(&dialog, "BerekenBox1");
        Click(&dialog, "OkConfigBtn");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.model().commit());
        QCOMPARE(club.ConfigRecord.Head.CompetitionName.get(), std::string("Dinsdagavond"));
        QCOMPARE(club.ConfigRecord.Head.MaxPctOneSub, 57.5);
        QCOMPARE(club.ConfigRecord.Head.CalcMethod, 1);
        QVERIFY(dialogs.messages.empty());
    }

    void configOkFocusesTheFirstBadField() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        TConfigDial dialog(club, dialogs, false);
        ShowActive(&dialog);
        Child<QLineEdit>(&dialog, "Edit8")->setText(QStringLiteral("80"));
        Click(&dialog, "OkConfigBtn");
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialogs.texts().back(), "Aantal te groot 80 is geen geldige waarde" + kCorrectInput);
        QCOMPARE(FocusName(), QStringLiteral("Edit8"));
    }

    void configPromDegrWithThreeGroupsNeverShowsC() {
        velk::Club club = MakeClub(36, 3);
        ScriptedDialogs dialogs;
        TConfigDial dialog(club, dialogs, false);
        ShowActive(&dialog);
        QVERIFY(!Child<QGroupBox>(&dialog, "PromDegrBox")->isVisible());
        Click(&dialog, "PromDegrBtn");
        QVERIFY(Child<QGroupBox>(&dialog, "PromDegrBox")->isVisible());
        QVERIFY(!Child<QPushButton>(&dialog, "PromDegrBtn")->isVisible());
        auto* letter = Child<QLabel>(&dialog, "GroepKeus");
        auto* degradations = Child<QSpinBox>(&dialog, "PromDegrEdit");
        QCOMPARE(letter->text(), QStringLiteral("A"));
        QCOMPARE(degradations->maximum(), 6);
        QCOMPARE(Child<QSpinBox>(&dialog, "BonusEdit")->maximum(), 9);
        degradations->setValue(2);
        for (int i = 0; i < 4; ++i) {
            Click(&dialog, "NextBtn");
            QCOMPARE(letter->text(), QStringLiteral("B"));
        }
        degradations->setValue(3);
        Click(&dialog, "OkPromBtn");
        QVERIFY(!Child<QGroupBox>(&dialog, "PromDegrBox")->isVisible());
        QVERIFY(Child<QPushButton>(&dialog, "PromDegrBtn")->isVisible());
        QCOMPARE(FocusName(), QStringLiteral("OkConfigBtn"));
        const velk::TConfigObj& draft = dialog.model().draft();
        QCOMPARE(draft.Degradations[0], 2);
        QCOMPARE(draft.Degradations[1], 3);
        QCOMPARE(draft.Degradations[2], 0);
        QVERIFY(dialogs.messages.empty());
        Click(&dialog, "OkConfigBtn");
        QVERIFY(dialog.model().commit());
        QCOMPARE(club.ConfigRecord.Degradations[0], 2);
        QCOMPARE(club.ConfigRecord.Degradations[1], 3);
        QCOMPARE(club.ConfigRecord.PromotionsUp[2], 3);
    }

    void editCompetitionDataCancelLeavesTheFileAsItWas() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        ModalAnswers answer([](QWidget* d) {
            TypeAndEnter(Child<QLineEdit>(d, "Edit2"), QStringLiteral("48"));
            Click(d, "PromDegrBtn");
            Child<QSpinBox>(d, "PromDegrEdit")->setValue(3);
            Click(d, "NextBtn");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QVERIFY(!EditCompetitionData(nullptr, club, dialogs, false));
        QCOMPARE(club.CompetitionHead.PairCount, 40);
        QCOMPARE(club.ConfigRecord.Degradations[0], 0);
        QCOMPARE(club.PairList.size(), std::size_t{41});
    }

    void editCompetitionDataSavesUnderANewPathAfterEnter() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        ModalAnswers answer([](QWidget* d) {
            TypeAndEnter(Child<QLineEdit>(d, "Edit2"), QStringLiteral("48"));
            Click(d, "OkConfigBtn");
        });
        std::vector<velk::ConfigSaving> saves;
        QVERIFY(EditCompetitionData(nullptr, club, dialogs, false,
                                    [&](velk::ConfigSaving s) { saves.push_back(s); }));
        QCOMPARE(saves, std::vector<velk::ConfigSaving>{velk::ConfigSaving::WriteUnderChosenPath});
        QCOMPARE(club.PairList.size(), std::size_t{49});
        QCOMPARE(dialogs.texts().front().substr(0, 29), std::string("Aantal paren veranderd in: 48"));
    }

    // ---- TZittingDlg ------------------------------------------------------------------------

    void newSessionRejectsBoardsThatDoNotDivide() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        TZittingDlg dialog(club, dialogs);
        QVERIFY(dialog.open(velk::SessionDialogModel::NewSession));
        QCOMPARE(club.SessionCount(), 2);
        ShowActive(&dialog);
        QCOMPARE(Child<QLabel>(&dialog, "ZittingLabel")->text(), QStringLiteral("Nieuwe zitting"));
        QCOMPARE(Child<QComboBox>(&dialog, "ZitSelectBox")->currentText(), QStringLiteral("Zitting :2"));
        QCOMPARE(FocusName(), QStringLiteral("Spellenbox"));

        TypeAndEnter(Child<QComboBox>(&dialog, "Spellenbox"), QStringLiteral("26"));
        QCOMPARE(FocusName(), QStringLiteral("Rondenbox"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(FocusName(), QStringLiteral("Spelgroepbox"));
        TypeAndEnter(Child<QComboBox>(&dialog, "Spelgroepbox"), QStringLiteral("6"));
        QCOMPARE(FocusName(), QStringLiteral("Spelnummerbox"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(FocusName(), QStringLiteral("Spellengtebox"));
        QVERIFY(dialogs.messages.empty());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialogs.texts(),
                 std::vector<std::string>{"Aantal foutief \rAantal Spellen per spelgroep foutief: 4  is geen "
                                          "geldige waarde" +
                                          kCorrectInput});
        QCOMPARE(dialogs.beeps, 1);
        QCOMPARE(FocusName(), QStringLiteral("Spellengtebox"));
        QCOMPARE(club.SessionHead.BoardCount, 26);
    }

    void newSessionDateAndActivePairsButton() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        TZittingDlg dialog(club, dialogs);
        QVERIFY(dialog.open(velk::SessionDialogModel::NewSession));
        auto* picker = Child<QDateEdit>(&dialog, "DatumPicker");
        QCOMPARE(picker->date(), QDate(2026, 12, 8));
        QCOMPARE(picker->maximumDate(), QDate(2027, 12, 31));
        QCOMPARE(picker->displayFormat(), QStringLiteral("dd-MM-yyyy"));
        QVERIFY(picker->calendarPopup());
        QCOMPARE(Child<QPushButton>(&dialog, "ParenActiefBtn")->text(), QStringLiteral("Paren&Selectie"));
        picker->setDate(QDate(2027, 1, 5));
        QCOMPARE(dialog.model().date, std::string("05-01-2027"));
    }

    void cancelledNewSessionGoesAgain() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        ModalAnswers answer([](QWidget* d) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d, Qt::Key_Escape);
        });
        bool accepted = true;
        QCOMPARE(OpenSessionDialog(nullptr, club, dialogs, velk::SessionDialogModel::NewSession, {}, {},
                                   &accepted),
                 0);
        QVERIFY(!accepted);
        QCOMPARE(club.SessionCount(), 1);
        QCOMPARE(club.CurrentSession, 1);
    }

    void acceptedNewSessionSavesAndAsksToOpen() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        dialogs.answerYes(); // "Zitting openen ?"
        int saves = 0;
        ModalAnswers answer([](QWidget* d) { Click(d, "OKZitBtn"); });
        bool accepted = false;
        QCOMPARE(OpenSessionDialog(
                     nullptr, club, dialogs, velk::SessionDialogModel::NewSession,
                     [&] { return ++saves > 0; }, {}, &accepted),
                 1);
        QVERIFY(accepted);
        QCOMPARE(saves, 1);
        QCOMPARE(club.SessionCount(), 2);
        QCOMPARE(dialogs.texts(), std::vector<std::string>{"Zitting openen ?"});
    }

    void chooseModeLoadsTheTypedSession() {
        velk::Club club = MakeClub(40, 4, 0, 3);
        ScriptedDialogs dialogs;
        TZittingDlg dialog(club, dialogs);
        QVERIFY(dialog.open(velk::SessionDialogModel::ChooseSession));
        ShowActive(&dialog);
        auto* box = Child<QComboBox>(&dialog, "ZitSelectBox");
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->currentText(), QStringLiteral("Zitting: 1"));
        QCOMPARE(Child<QLabel>(&dialog, "ZittingLabel")->text(), QStringLiteral("Kies Zitting"));
        QCOMPARE(Child<QPushButton>(&dialog, "OKZitBtn")->text(), QStringLiteral("Kiezen"));
        QVERIFY(!Child<QWidget>(&dialog, "ZitKeuzePanel")->isVisible());
        QCOMPARE(FocusName(), QStringLiteral("ZitSelectBox"));

        TypeAndEnter(box, QStringLiteral("Zitting: 5"));
        QCOMPARE(dialogs.texts(),
                 std::vector<std::string>{
                     "Zitting niet te openen;\rgebruik \"Nieuwe Zitting\"voor nieuwe zitting"});
        QCOMPARE(FocusName(), QStringLiteral("ZitSelectBox"));

        TypeAndEnter(box, QStringLiteral("Zitting: 2"));
        QCOMPARE(club.CurrentSession, 2);
        QVERIFY(Child<QWidget>(&dialog, "ZitKeuzePanel")->isVisible());
        QCOMPARE(Child<QPushButton>(&dialog, "OKZitBtn")->text(), QStringLiteral("OK"));
        QCOMPARE(FocusName(), QStringLiteral("Spellenbox"));
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
    }

    void sessionDialogStandsBelowTheParentTop() {
        QWidget owner;
        owner.setGeometry(100, 120, 700, 500);
        owner.show();
        velk::Club club = MakeClub(40, 4, 0, 2);
        ScriptedDialogs dialogs;
        TZittingDlg dialog(club, dialogs, {}, &owner);
        QVERIFY(dialog.open(velk::SessionDialogModel::ChooseSession));
        dialog.show();
        QCOMPARE(dialog.pos().y(), owner.frameGeometry().top() + 150);
    }

    // ---- Active pairs, session picker, new file choice, wizard step --------------------------

    void activePairsPerGroup() {
        velk::Club club = MakeClub(40, 4);
        ScriptedDialogs dialogs;
        dialogs.answerYes(); // "Zijn alle groepen "gedaan" "
        TActivePairsDlg dialog(club, dialogs);
        ShowActive(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Actieve Paren en Tafels"));
        auto* pairs = Child<QSpinBox>(&dialog, "GroepParen");
        QCOMPARE(Child<QLabel>(&dialog, "GroepLabel")->text(), QStringLiteral("A"));
        QCOMPARE(pairs->value(), 10);
        pairs->setValue(8);
        Click(&dialog, "GroepPlusBtn");
        QCOMPARE(Child<QLabel>(&dialog, "GroepLabel")->text(), QStringLiteral("B"));
        Child<QSpinBox>(&dialog, "GroepTafels")->setValue(4);
        Click(&dialog, "OkBtn");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialogs.texts(), std::vector<std::string>{"Zijn alle groepen \"gedaan\" "});
        QCOMPARE(club.SessionList[0].GroupPairs[0], 8);
        QCOMPARE(club.SessionList[0].GroupTables[1], 4);

        velk::Club single = MakeClub(20, 1);
        TActivePairsDlg one(single, dialogs);
        QVERIFY(Child<QPushButton>(&one, "GroepPlusBtn")->isHidden());
        QVERIFY(Child<QPushButton>(&one, "GroepMinBtn")->isHidden());
    }

    void sessionPickerResults() {
        velk::Club club = MakeClub(40, 4, 0, 3);
        ScriptedDialogs dialogs;
        ModalAnswers answer([](QWidget* d) {
            TypeAndEnter(Child<QComboBox>(d, "SelZitBox1"), QStringLiteral("* alle"));
            QCOMPARE(FocusName(), QStringLiteral("OkBtn"));
            Click(d, "OkBtn");
        });
        QCOMPARE(ChooseSession(nullptr, club, dialogs, QStringLiteral("Kies Ziting")), 0);

        ModalAnswers answer2([](QWidget* d) {
            TypeAndEnter(Child<QComboBox>(d, "SelZitBox1"), QStringLiteral("4"));
            QCOMPARE(FocusName(), QStringLiteral("SelZitBox1"));
            TypeAndEnter(Child<QComboBox>(d, "SelZitBox1"), QStringLiteral("3"));
            Click(d, "OkBtn");
        });
        QCOMPARE(ChooseSession(nullptr, club, dialogs, QStringLiteral("Kies Ziting")), 3);
        QCOMPARE(dialogs.texts(),
                 std::vector<std::string>{"Zitting 4 is geen geldige waarde" + kCorrectInput});

        ModalAnswers answer3([](QWidget* d) { Click(d, "SchrapBtn"); });
        QCOMPARE(ChooseSession(nullptr, club, dialogs, QStringLiteral("Kies Ziting")), -1);
    }

    void newFileChoice() {
        TNewDlg drive;
        QCOMPARE(drive.windowTitle(), QStringLiteral("Keuze Competitie of Drive"));
        ModalAnswers answer([](QWidget* d) {
            Click(d, "DriveRadio");
            Click(d, "OKBtn");
        });
        QCOMPARE(drive.choose(), 1);

        TNewDlg closed;
        ModalAnswers answer2([](QWidget* d) {
            Click(d, "DriveRadio");
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(closed.choose(), 0);
    }

    void wizardStepNameChoice() {
        TPaarkeuzeDlg step;
        QCOMPARE(step.windowTitle(), QStringLiteral("CompetitieGegevens Stap1"));
        QCOMPARE(Child<QPlainTextEdit>(&step, "Memo1")->height(), 320);
        const velk::WizardStepText names{"Competitiegegevens Stap: 2", "Verder", "Kies de namen", false,
                                         true};
        ModalAnswers answer([](QWidget* d) {
            QVERIFY(Child<QPushButton>(d, "VerderBtn")->isHidden());
            QVERIFY(Child<QPushButton>(d, "LedenBtn")->isHidden());
            Click(d, "LedenNaamRadio");
            QVERIFY(Child<QPushButton>(d, "VerderBtn")->isVisible());
            Click(d, "VerderBtn");
        });
        bool useMemberNames = false;
        QVERIFY(step.runStep(names, useMemberNames));
        QVERIFY(useMemberNames);
        QCOMPARE(step.windowTitle(), QStringLiteral("Competitiegegevens Stap: 2"));

        // The choice starts afresh in every step with names.
        ModalAnswers answer2([](QWidget* d) {
            QVERIFY(Child<QPushButton>(d, "VerderBtn")->isHidden());
            Click(d, "PaarNaamRadio");
            Click(d, "VerderBtn");
        });
        QVERIFY(step.runStep(names, useMemberNames));
        QVERIFY(!useMemberNames);
    }

    void wizardStepMembersButtonStops() {
        TPaarkeuzeDlg step;
        int membersOpened = 0;
        step.onMembers = [&] { ++membersOpened; };
        const velk::WizardStepText first{"Drive/Zittinggegevens Stap: 1", "Doorgaan", "Drive/Zitting", true,
                                         false};
        ModalAnswers answer([](QWidget* d) {
            QCOMPARE(Child<QPushButton>(d, "VerderBtn")->text(), QStringLiteral("Doorgaan"));
            Click(d, "LedenBtn");
        });
        bool useMemberNames = false;
        QVERIFY(!step.runStep(first, useMemberNames));
        QCOMPARE(membersOpened, 1);
    }

    void wizardHostShowsTheRealWindows() {
        velk::Club club = MakeClub(40, 4, 0, 2);
        ScriptedDialogs dialogs;
        QtWizardHost host(nullptr, club, dialogs);
        QVERIFY(!host.readSchedule()); // no hook: nothing more to read

        ModalAnswers answer([](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Competitiegegevens Stap: 2"));
            QVERIFY(Child<QPlainTextEdit>(d, "Memo1")
                        ->toPlainText()
                        .startsWith(QStringLiteral(
                            "U heeft het aantal Paren Groepen en Competities gekozen en de nodige ")));
            Click(d, "LedenNaamRadio");
            Click(d, "VerderBtn");
        });
        bool useMemberNames = false;
        QVERIFY(host.showStep(2, useMemberNames));
        QVERIFY(useMemberNames);

        int membersOpened = 0;
        host.onOpenMembers = [&] { ++membersOpened; };
        ModalAnswers answer2([](QWidget* d) { Click(d, "LedenBtn"); });
        QVERIFY(!host.showStep(11, useMemberNames));
        QCOMPARE(membersOpened, 1);

        ModalAnswers answer3([](QWidget* d) {
            TypeAndEnter(Child<QComboBox>(d, "ZitSelectBox"), QStringLiteral("Zitting: 2"));
            Click(d, "OKZitBtn");
        });
        QVERIFY(host.chooseSession());
        QCOMPARE(club.CurrentSession, 2);

        ModalAnswers answer4([](QWidget* d) { Click(d, "OkConfigBtn"); });
        QVERIFY(host.editCompetitionData());
        QVERIFY(dialogs.messages.empty());
    }
};

QTEST_MAIN(TestClubDialogs)
#include "tst_clubdialogs.moc"
