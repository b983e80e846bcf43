// The "&Help" menu of the main window and F1 in the windows it opens, through the program's own
// help wiring: the help window shows the page, the tab and the focus that were asked for.
#include "core/ProgramFolder.h"
#include "core/files/MembersFile.h"
#include "gui/QtDialogs.h"
#include "gui/club/TClubWindow.h"
#include "gui/help/ProgramHelp.h"
#include "gui/reports/TResultForm.h"
#include "gui/schedules/TSchemaForm.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <functional>
#include <memory>

using velk::test::Child;
using velk::test::Click;
using velk::test::ModalAnswers;
using velk::test::Trigger;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

QString HelpFolder() {
    return QString::fromStdString((velk::ProgramFolder() / "help").string());
}

// The program's dialogs with the messages and questions answered from a script; the help
// requests go where the program sends them.
class AnsweredQtDialogs : public QtDialogs {
public:
    velk::test::ScriptedDialogs script;

    int messageBox(const std::string& text, velk::MessageKind kind, std::uint16_t buttons,
                   int helpContext) override {
        return script.messageBox(text, kind, buttons, helpContext);
    }
    bool inputText(const std::string& caption, const std::string& prompt, std::string& value,
                   int width) override {
        return script.inputText(caption, prompt, value, width);
    }
    std::optional<std::string> openFileName(const velk::FileChoice& choice) override {
        return script.openFileName(choice);
    }
    std::optional<std::string> saveFileName(const velk::FileChoice& choice) override {
        return script.saveFileName(choice);
    }
};

// The main window with the help as the program sets it up, on a competition of 16 pairs in two
// groups whose first session has percentages.
struct Program {
    AnsweredQtDialogs dialogs;
    TClubWindow window{dialogs, kClock};
    ProgramHelp help{dialogs, window, HelpFolder()};
    velk::test::CompetitionOnDisk competition{16, 2, 8, 1};

    bool open() {
        for (int i = 1; i <= 16; ++i)
            competition.club.SessionList[0].Rows[static_cast<std::size_t>(i)].Percentage = 40.0f + i;
        dialogs.setParentWidget(&window);
        return velk::test::OpenInWindow(window, competition.write("club_1.dba"));
    }
    HelpWindow& helpWindow() { return help.window(); }
    QString tabShown() {
        auto* tabs = Child<QTabWidget>(&helpWindow(), "HelpTabs");
        return tabs->tabText(tabs->currentIndex());
    }
};

// F1 in the focus field of `window`: the file the help window shows, the help window closed again.
QString PageOfF1(HelpWindow& help, QWidget* window) {
    help.hide();
    velk::test::Press(window, Qt::Key_F1);
    const QString shown = help.isVisible() ? help.shownFile() : QString();
    help.close();
    return shown;
}

// The same for a click on the window's Help button.
QString PageOfHelpButton(HelpWindow& help, QWidget* window, const char* button) {
    help.hide();
    Click(window, button);
    const QString shown = help.isVisible() ? help.shownFile() : QString();
    help.close();
    return shown;
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT

private slots:
    void theHelpMenuOpensItsPages() {
        Program p;
        HelpWindow& help = p.helpWindow();
        for (const char* name : {"HelpUse", "HelpContents", "HelpSearch", "HelpVelk"})
            QVERIFY2(p.window.action(name)->isEnabled(), name);

        // Searching first: the contents stand beside the search field, which has the focus.
        Trigger(&p.window, "HelpSearch");
        QVERIFY(help.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QCOMPARE(p.tabShown(), QStringLiteral("&Zoeken"));
        auto* search = Child<QLineEdit>(&help, "SearchEdit");
        QVERIFY(search->hasFocus());
        QCOMPARE(help.shownFile(), QStringLiteral("index.html"));
        QTest::keyClicks(search, QStringLiteral("zoekveld"));
        QTest::keyClick(search, Qt::Key_Return);
        auto* results = Child<QListWidget>(&help, "ResultList");
        QVERIFY(results->count() >= 1);
        QCOMPARE(results->item(0)->text(), QStringLiteral("Werken met de help"));

        Trigger(&p.window, "HelpUse");
        QCOMPARE(help.shownFile(), QStringLiteral("100.html"));
        QCOMPARE(help.shownTitle(), QStringLiteral("Werken met de help"));
        QCOMPARE(p.tabShown(), QStringLiteral("&Inhoud"));
        QCOMPARE(Child<QListWidget>(&help, "ContentsList")->currentItem()->text(),
                 QStringLiteral("Werken met de help"));

        Trigger(&p.window, "HelpContents");
        QCOMPARE(help.shownFile(), QStringLiteral("index.html"));
        QCOMPARE(help.shownTitle(), QStringLiteral("Velk Help — Inhoud"));
        QCOMPARE(p.tabShown(), QStringLiteral("&Inhoud"));

        // A second search keeps the page and selects the words typed before.
        Trigger(&p.window, "HelpSearch");
        QCOMPARE(help.shownFile(), QStringLiteral("index.html"));
        QCOMPARE(search->selectedText(), QStringLiteral("zoekveld"));

        Trigger(&p.window, "HelpVelk");
        QCOMPARE(help.shownFile(), QStringLiteral("130.html"));
        QCOMPARE(help.shownTitle(), QStringLiteral("Gebruik van Velk: het hoofdvenster"));
        QCOMPARE(p.tabShown(), QStringLiteral("&Inhoud"));

        // F1 in the main window itself shows the same page.
        help.close();
        velk::test::ShowActive(&p.window);
        QCOMPARE(PageOfF1(help, &p.window), QStringLiteral("130.html"));
    }

    // Each window answers F1 with its own page, as its Help button does, never with the page of
    // the main window it was opened from.
    void f1InEveryWindowOpensItsOwnPage() {
        Program p;
        QVERIFY(p.open());
        velk::test::ShowActive(&p.window);
        HelpWindow& help = p.helpWindow();

        // The options: the page follows the tab in front.
        const char* const optionItems[] = {"OptionsPersonal", "OptionsPrint", "OptionsSlamBonus",
                                           "OptionsSettings"};
        const char* const optionPages[] = {"282.html", "283.html", "285.html", "284.html"};
        for (int page = 0; page < 4; ++page) {
            ModalAnswers options("OptiesForm", [&](QWidget* form) {
                QCOMPARE(PageOfF1(help, form), QString::fromLatin1(optionPages[page]));
                // Another tab, clicked: its own page.
                auto* tabs = Child<QTabWidget>(form, "PageControl");
                const int other = (page + 1) % 4;
                tabs->setCurrentIndex(other);
                QCOMPARE(PageOfF1(help, form), QString::fromLatin1(optionPages[other]));
                Click(form, "CancelBtn");
            });
            Trigger(&p.window, optionItems[page]);
            QVERIFY(options.done());
        }

        // The points window: the page of the column the cursor is in.
        ModalAnswers points("InvoerForm", [&](QWidget* form) {
            auto* grid = Child<QTableWidget>(form, "InvoerGrid");
            grid->setFocus();
            const std::pair<int, const char*> columns[] = {{3, "431.html"}, {4, "432.html"}, {3, "431.html"}};
            for (const auto& [column, page] : columns) {
                grid->setCurrentCell(0, column);
                QCOMPARE(PageOfF1(help, form), QString::fromLatin1(page));
            }
            Click(form, "SchrapBtn2");
        });
        Trigger(&p.window, "OpenPoints");
        QVERIFY(points.done());

        // Windows with a Help button: F1 shows what the button shows.
        struct WithButton {
            const char* item;
            const char* form;
            const char* button;
            const char* close;
            const char* page;
        };
        const WithButton withButtons[] = {
            {"Correct", "CorrectForm", "HelpBtn", "SchrapBtn", "233.html"},
            {"ImportMembers", "KXLedenDlg", "KxHelptBtn", "KXStopBtn", "362.html"},
            {"ComposePairs", "SelectParenForm", "HelpBtn", "SluitBtn", "353.html"}};
        // The pair composition first asks for the members file.
        const std::string members = p.competition.file("Leden.dat");
        QVERIFY(velk::WriteMembersFile(members, {velk::TKXLedenOBJ{}}));
        p.dialogs.script.files.push_back(members);
        p.dialogs.script.answerNo(); // "Wilt u alsnog de Paar Combinaties redden, klik Kopiëren..."
        for (const WithButton& w : withButtons) {
            ModalAnswers answer(w.form, [&](QWidget* form) {
                QCOMPARE(PageOfF1(help, form), QString::fromLatin1(w.page));
                QCOMPARE(PageOfHelpButton(help, form, w.button), QString::fromLatin1(w.page));
                Click(form, w.close);
            });
            Trigger(&p.window, w.item);
            QVERIFY2(answer.done(), w.form);
        }

        // The schedule window (not modal): the page of the view it shows, as its Help button.
        const char* const schedulePages[] = {"2411.html", "2412.html", "2413.html"};
        for (int view = 1; view <= 3; ++view) {
            {
                ModalAnswers choice("NewChangeDlg", velk::test::Pressing(Qt::Key_Escape));
                Trigger(&p.window, "EditSchedule");
            }
            auto* form = p.window.findChild<TSchemaForm*>();
            QVERIFY(form);
            form->NewSchedule(view, {4, 2, 3, 4}, 2);
            velk::test::ShowActive(form);
            Child<QTableWidget>(form, "SchemaGrid")->setFocus();
            const QString page = QString::fromLatin1(schedulePages[view - 1]);
            QCOMPARE(PageOfF1(help, form), page);
            QCOMPARE(PageOfHelpButton(help, form, "HelpBitBtn"), page);
            Click(form, "SchrapBtn3");
            QVERIFY(!form->isVisible());
        }

        // The result window is not modal: it stays up beside the main window.
        p.dialogs.script.answerNo(); // "Namen voorzien van Clubnummer?"
        Trigger(&p.window, "OutputPairs");
        QWidget* result = p.window.resultForm();
        QVERIFY(result->isVisible());
        velk::test::ShowActive(result);
        Child<QPlainTextEdit>(result, "UitvMemo")->setFocus();
        QCOMPARE(PageOfF1(help, result), QStringLiteral("267.html"));
        QCOMPARE(PageOfHelpButton(help, result, "HelpBitBtn"), QStringLiteral("267.html"));
        Click(result, "OkbitBtn6");
        // Every answer given was asked for.
        QVERIFY(p.dialogs.script.answers.empty());
        QVERIFY(p.dialogs.script.files.empty());
    }
};

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
