// The main window's dialogs with the keyboard alone: a new schedule's counts confirmed with Tab,
// Enter in the group choice, the match-point item's mnemonic and Escape in the search panel.
#include "gui/club/TClubWindow.h"
#include "gui/schedules/TSchemaForm.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QtTest>
#include <map>

using velk::test::Child;
using velk::test::FocusIsOn;
using velk::test::FocusName;
using velk::test::KeyHere;
using velk::test::Modal;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;
using velk::test::TypeHere;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// The letter after the single "&" of a caption, 0 for none.
QChar Mnemonic(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void newScheduleCountsWithTabAndEnter();
    void countsAreRefusedOnTabAndEnterStaysRefused();
    void matchPointItemHasItsOwnMnemonic();
    void escapeClosesTheSearchPanel();
};

void TestKeyboard::newScheduleCountsWithTabAndEnter() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    ModalAnswers answers(Modal::Titled(QStringLiteral("Schema Invoeren / Wijzigen")),
                         [](QWidget*) { KeyHere(Qt::Key_Return); });
    answers.then("SchemaDlg", [](QWidget* d) {
        QVERIFY(FocusIsOn(QApplication::focusWidget(), QStringLiteral("parenbox")));
        // Each count typed and confirmed with Tab: the next one goes to the next box.
        TypeHere(QStringLiteral("16"));
        KeyHere(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("tafelsbox"));
        TypeHere(QStringLiteral("8"));
        KeyHere(Qt::Key_Tab);
        TypeHere(QStringLiteral("7"));
        KeyHere(Qt::Key_Tab);
        TypeHere(QStringLiteral("7"));
        KeyHere(Qt::Key_Tab);
        QVERIFY(FocusIsOn(QApplication::focusWidget(), QStringLiteral("Schmtypebox")));
        // Tab selected the shown type: typing replaces it.
        TypeHere(QStringLiteral("Howll"));
        KeyHere(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("VolgendeBtn"));
        QCOMPARE(Child<QComboBox>(d, "parenbox")->currentText(), QStringLiteral("16"));
        QCOMPARE(Child<QComboBox>(d, "tafelsbox")->currentText(), QStringLiteral("8"));
        KeyHere(Qt::Key_Return);
    });
    Trigger(&window, "EditSchedule");
    QVERIFY(answers.done());
    QVERIFY(dialogs.messages.empty());

    auto* form = window.findChild<TSchemaForm*>();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QCOMPARE(form->editor().schedule().counts(), (velk::ScheduleCounts{16, 8, 7, 7}));
    QCOMPARE(form->editor().scheduleType, 2);
    QCOMPARE(Child<QLabel>(form, "ParenLabel")->text(), QStringLiteral("16 Paren"));
    QCOMPARE(Child<QLabel>(form, "SchematypeLabel")->text(), QStringLiteral("Schematype:  Howell"));
    dialogs.answerNo(); // "Bestand nog redden? gebruik dan <Ok>"
    form->close();
}

void TestKeyboard::countsAreRefusedOnTabAndEnterStaysRefused() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    ModalAnswers answers(Modal::Titled(QStringLiteral("Schema Invoeren / Wijzigen")),
                         [](QWidget*) { KeyHere(Qt::Key_Return); });
    answers.then("SchemaDlg", [&dialogs](QWidget* d) {
        // Tab on a wrong count keeps the focus there; Enter in a box is still answered with the
        // hint, and Enter on "Volgende" checks every box.
        TypeHere(QStringLiteral("16"));
        KeyHere(Qt::Key_Tab);
        TypeHere(QStringLiteral("300"));
        KeyHere(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("tafelsbox"));
        QCOMPARE(dialogs.messages.back().text.rfind("Aantal foutief \rAantal Tafels te veel: 300 ", 0), 0u);
        KeyHere(Qt::Key_Return);
        QVERIFY(dialogs.messages.back().text.find("\r Gebruik Tab toets ! ") != std::string::npos);
        QVERIFY(d->isVisible());
        // Shift+Tab goes back unchecked, round to "Volgende".
        for (int i = 0; i < 8 && FocusName() != QStringLiteral("VolgendeBtn"); ++i)
            KeyHere(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusName(), QStringLiteral("VolgendeBtn"));
        KeyHere(Qt::Key_Return);
        QVERIFY(d->isVisible());
        QVERIFY(FocusIsOn(QApplication::focusWidget(), QStringLiteral("tafelsbox")));
        KeyHere(Qt::Key_Escape);
    });
    Trigger(&window, "EditSchedule");
    QVERIFY(answers.done());
    auto* form = window.findChild<TSchemaForm*>();
    QVERIFY(!form || !form->isVisible());
}

void TestKeyboard::matchPointItemHasItsOwnMnemonic() {
    // A session with scores, so that the item asks for its groups.
    velk::test::CompetitionOnDisk competition(16, 2, 8, 1);
    competition.sessionBoards(1, 3, 3, 1);
    velk::test::ScoreListBuilder list(2, 8, 3, 3);
    for (int t = 1; t <= 4; ++t)
        list.table(1, 1, t, t + 4, 100 * t);
    competition.scores(1, 3, list.scores);
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, competition.write()));

    QMenu* scores = velk::test::MenuTitled(window.menuBar()->actions(), QStringLiteral("S&cores"));
    QVERIFY(scores);
    QAction* copy = window.action("CopyMatchPoints");
    QCOMPARE(copy->text(), QStringLiteral("&Verwerken M.P.in Competitie"));
    std::map<QChar, QString> taken;
    for (QAction* a : scores->actions()) {
        const QChar letter = Mnemonic(a->text());
        if (letter.isNull())
            continue;
        QVERIFY2(taken.emplace(letter, a->text()).second,
                 qPrintable(QStringLiteral("%1 and %2 share their key").arg(taken[letter], a->text())));
    }

    // V in the open menu chooses it: the group choice comes up.
    dialogs.messages.clear();
    ModalAnswers groups("SelectieDlg", [](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Groep Keuze"));
        KeyHere(Qt::Key_Escape);
    });
    scores->popup(window.geometry().topLeft());
    QVERIFY(QTest::qWaitForWindowExposed(scores));
    QTest::keyClick(scores, Qt::Key_V);
    QVERIFY(groups.done());
}

void TestKeyboard::escapeClosesTheSearchPanel() {
    velk::test::CompetitionOnDisk competition(16, 2, 8, 1);
    competition.familyNames();
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, competition.write()));
    velk::test::ShowActive(&window);
    auto* panel = Child<QWidget>(&window, "SearchPanel");

    Trigger(&window, "Search");
    QVERIFY(panel->isVisible());
    QCOMPARE(FocusName(), QStringLiteral("SearchEdit"));
    TypeHere(QStringLiteral("bakker"));
    KeyHere(Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(qobject_cast<QTableView*>(QApplication::focusWidget()));

    // From the column choice too.
    Trigger(&window, "Search");
    KeyHere(Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(panel->isAncestorOf(QApplication::focusWidget()));
    QVERIFY(FocusName() != QStringLiteral("SearchEdit"));
    KeyHere(Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(qobject_cast<QTableView*>(QApplication::focusWidget()));
    QVERIFY(dialogs.messages.empty());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
