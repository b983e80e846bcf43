// Every window of the program readable and on the screen: captions, labels, button texts and
// column titles whole, and the window inside a 1280x800 screen. ctest runs this twice, at the
// default scale and at 125 %.
#include "club/NewFileWizard.h"
#include "core/BuildPaths.h"
#include "gui/TBerichtForm.h"
#include "gui/TInputTextDlg.h"
#include "gui/club/TActivePairsDlg.h"
#include "gui/club/TClubWindow.h"
#include "gui/club/TNewDlg.h"
#include "gui/club/TNewPaarDlg.h"
#include "gui/club/TPaarkeuzeDlg.h"
#include "gui/club/TSortLidDlg.h"
#include "gui/club/TZitKopieDlg.h"
#include "gui/help/HelpWindow.h"
#include "gui/members/TKXLedenDlg.h"
#include "gui/members/TLedenForm.h"
#include "gui/options/TPrinterSetupDlg.h"
#include "gui/reports/TResultForm.h"
#include "gui/schedules/TNewChangeDlg.h"
#include "gui/schedules/TSchemaDlg.h"
#include "gui/schedules/TSchemaForm.h"
#include "gui/schedules/TVernummerDlg.h"
#include "gui/scoring/TFormCalculator.h"
#include "gui/scoring/TScoreForm.h"
#include "gui/scoring/TSlemDlg.h"
#include "gui/selection/TGroepenDlg.h"
#include "gui/selection/TParenDlg.h"
#include "gui/selection/TSelectieDlg.h"
#include "members/MembersRegister.h"
#include "support/ClubBuilder.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScoreEntryTyping.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"
#include "support/WindowFit.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using velk::test::Click;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// The frame and texts of `window` once it is up; every fault is added to `faults`.
void Inspect(QWidget* window, QStringList& faults) {
    if (!window->isVisible())
        window->show();
    if (!QTest::qWaitForWindowExposed(window)) {
        faults << window->objectName() + QStringLiteral(" not shown");
        return;
    }
    QCoreApplication::processEvents();
    faults << velk::test::CutTexts(window);
    if (const QString off = velk::test::OffScreen(window); !off.isEmpty())
        faults << off;
}

// Inspects the modal window that comes up next and closes it.
velk::test::Answer InspectAndClose(QStringList& faults) {
    return [&faults](QWidget* window) {
        Inspect(window, faults);
        window->close();
    };
}

void Report(const QStringList& faults) {
    for (const QString& fault : faults)
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(),
             qPrintable(QStringLiteral("%1 texts or windows do not fit").arg(faults.size())));
}

} // namespace

class TestWindowsFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Only what is on the screen counts here: questions on the way are answered Cancel.
        ScriptedDialogs::unexpectedHandler() = [](const std::string&) {};
        QCOMPARE(QGuiApplication::primaryScreen()->size() *
                     QGuiApplication::primaryScreen()->devicePixelRatio(),
                 QSize(1280, 800));
        folder_ = std::make_unique<velk::test::TempFolder>();
        const QString folder = QString::fromStdString(folder_->path().string());
        QCOMPARE(velk::test::RunCli(folder, {"demo", "demo"}), 0);
        // Two groups of six pairs with contracts, all columns of the score window shown, and long
        // names.
        const QString schedule = QStringLiteral(VELK_SOURCE_DIR "/Schemas/5r-6p-howell-3t-shared.ws0");
        QCOMPARE(velk::test::RunCli(folder, {"new", "club.dba", "--pairs", "12", "--groups", "2", "--tables",
                                             "6", "--contracts"}),
                 0);
        QCOMPARE(velk::test::RunCli(folder, {"session", "club_1.dba", "set", "--session", "1", "--boards",
                                             "10", "--rounds", "5", "--boardgroups", "5", "--length", "2"}),
                 0);
        QCOMPARE(velk::test::RunCli(folder, {"schedule", "read", "club_1.dba", "--groups", "*", schedule}),
                 0);
        static const char* const names[] = {"Jansen - De Vries", "Van den Berg - Verhoeven",
                                            "Hendriksen - Van der Meulen", "Bakker - Vermeulen"};
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(velk::test::RunCli(folder, {"pairs", "edit", "club_1.dba", "--row", QString::number(row),
                                                 "--name", QString::fromLatin1(names[row % 4])}),
                     0);
    }

    void theMainWindowAndWhatItsMenusOpen() {
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(folder_->file("data"));
        window.show();
        QVERIFY(velk::test::OpenInWindow(window, folder_->file("demo/demo_1.dba")));
        QStringList faults;
        Inspect(&window, faults);
        for (const char* item :
             {"ClubData", "ChooseSession", "OpenPoints", "Correct", "EditSchedule", "OptionsPersonal",
              "OptionsPrint", "OptionsSlamBonus", "OptionsSettings", "CopyGroupScores", "Calculator"}) {
            ModalAnswers inspect(velk::test::Modal::Any(), InspectAndClose(faults));
            Trigger(&window, item);
            QTRY_VERIFY(inspect.done());
        }
        {
            ModalAnswers selection("SelectieDlg", [&faults](QWidget* d) {
                Inspect(d, faults);
                Click(d, "OkBtn");
            });
            Trigger(&window, "SorteeropRangorde2");
        }
        auto* result = window.findChild<TResultForm*>();
        QVERIFY(result);
        Inspect(result, faults);
        result->close();
        Report(faults);
    }

    void theScoreWindowPerBoardAndPerRound() {
        QStringList faults;
        for (const char* item : {"ScoreEntryPerBoard", "ScoreEntryPerRound"}) {
            ScriptedDialogs dialogs;
            TClubWindow window(dialogs, kClock);
            window.show();
            // In the screen's middle, so that a wider window has room on both sides.
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            window.move(screen.center().x() - window.frameGeometry().width() / 2, window.y());
            QVERIFY(velk::test::OpenInWindow(window, folder_->file("club_1.dba")));
            Trigger(&window, item);
            auto* form = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
            QVERIFY(form);
            Inspect(form, faults);
            const QRect main = window.frameGeometry();
            const QRect own = form->frameGeometry();
            if (qAbs(own.center().x() - main.center().x()) > 2)
                faults << QStringLiteral("%1 not centred on the main window").arg(item);
            // The long names stand in the window: per board in the rows, per round above them.
            const char* names = item == QLatin1String("ScoreEntryPerBoard") ? "PaarTxt1" : "TafelParenTxt";
            QVERIFY(velk::test::Child<QLabel>(form, names)->text().contains(QLatin1String(" - ")));
            // Every row of the board without scrolling; the user may still make it larger, and
            // lower down to a row or two.
            const auto* rows = form->findChild<QScrollArea*>();
            QCOMPARE(rows->verticalScrollBar()->maximum(), 0);
            QVERIFY(form->maximumWidth() > form->width() && form->maximumHeight() > form->height());
            QVERIFY(form->minimumHeight() < form->height());
        }
        Report(faults);
    }

    void theDialogsOfTheMenus() {
        velk::Club club = velk::test::MakeClub(40, 4);
        ScriptedDialogs dialogs;
        QWidget main;
        main.setObjectName(QStringLiteral("Main"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        main.setGeometry(screen.left() + 40, screen.top() + 40, 780, screen.height() - 120);
        main.show();
        QStringList faults;
        auto inspect = [&](QWidget* w) {
            Inspect(w, faults);
            w->hide();
        };
        for (int step : {1, 2, 3, 4, 5, 11, 12, 13, 14, 15}) {
            TPaarkeuzeDlg wizard(&main);
            wizard.setStep(velk::StepText(step));
            inspect(&wizard);
        }
        TSelectieDlg selection(club, dialogs, &main);
        for (int kind : {2, 22, 31})
            selection.setUpFor(kind), inspect(&selection);
        TParenDlg pairs(club, dialogs, &main);
        for (int kind : {5, 11, 20})
            pairs.setUpFor(kind), inspect(&pairs);
        TGroepenDlg copy(club, dialogs, &main);
        copy.setUp();
        inspect(&copy);
        TSchemaDlg schedule(club, dialogs, 1, &main);
        inspect(&schedule);
        TNewChangeDlg change(&main);
        inspect(&change);
        TVernummerDlg renumber(club, dialogs, &main);
        inspect(&renumber);
        TNewDlg newFile(&main);
        inspect(&newFile);
        TNewPaarDlg pair(club, dialogs, &main);
        inspect(&pair);
        TSortLidDlg sort(&main);
        inspect(&sort);
        TActivePairsDlg active(club, dialogs, &main);
        inspect(&active);
        TZitKopieDlg sessionCopy(club, dialogs, QStringLiteral("Kopieer zitting"), &main);
        inspect(&sessionCopy);
        TSlemDlg slam(&main);
        inspect(&slam);
        TFormCalculator calculator(dialogs, &main);
        inspect(&calculator);
        TKXLedenDlg kaartix(dialogs, &main);
        inspect(&kaartix);
        TPrinterSetupDlg printer({QStringLiteral("Kantoor"), QStringLiteral("PDF")}, 0, &main);
        inspect(&printer);
        TInputTextDlg input(QStringLiteral("Zoeken"), QStringLiteral("Naam van het paar"), {}, 20, &main);
        inspect(&input);
        TBerichtForm message(QStringLiteral("Bestand bestaat al\nbestand: club_1.dba overschrijven?"),
                             velk::MessageKind::Confirmation, velk::Button::JaNee, 0, {}, &main);
        inspect(&message);
        velk::MembersRegister members(dialogs);
        TLedenForm register_(members, dialogs, kClock, &main);
        {
            // A new register opens the member dialog on its first row.
            ModalAnswers member("NewLidDlg", InspectAndClose(faults));
            register_.NieuwSpdBtnClick();
        }
        inspect(&register_);
        velk::Club scheduled = velk::test::MakeClub(8, 1);
        TSchemaForm editor(scheduled, dialogs, &main);
        editor.NewSchedule(3, {8, 4, 7, 7}, 0);
        inspect(&editor);
        Report(faults);
    }

    void theHelpWindowOnASmallScreen() {
        QWidget main;
        main.setObjectName(QStringLiteral("Main"));
        main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(20, 20, -400, -20));
        main.show();
        HelpWindow help(QStringLiteral(VELK_SOURCE_DIR "/help"), &main);
        help.showContext(251);
        QStringList faults;
        Inspect(&help, faults);
        Report(faults);
    }

private:
    std::unique_ptr<velk::test::TempFolder> folder_;
};

QTEST_MAIN(TestWindowsFit)
#include "tst_windows_fit.moc"
