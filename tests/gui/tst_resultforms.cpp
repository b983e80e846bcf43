// The points, correction, slam and calculator windows, opened from their menu items in the main
// window, typed into as a user does, and checked in the files they save.
#include "core/files/CompetitionFile.h"
#include "core/files/SlamFile.h"
#include "gui/club/TClubWindow.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScoreListBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

using velk::test::Child;
using velk::test::Click;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// Types `text` into a cell as a user does: F2 opens the editor, Enter closes it.
void TypeCell(QTableWidget* grid, int row, int column, const QString& text) {
    grid->setFocus();
    grid->setCurrentCell(row, column);
    QCOMPARE(grid->currentRow(), row);
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits the editor's text from the event loop.
    QCoreApplication::processEvents();
    QCOMPARE(grid->item(row, column)->text(), text);
}

velk::CompetitionFileData Saved(const std::string& path) {
    ScriptedDialogs quiet;
    velk::CompetitionFileData data;
    velk::ErrorCode error;
    if (!velk::ReadCompetitionFile(path, data, quiet, error))
        qWarning("cannot read %s", path.c_str());
    return data;
}

} // namespace

class TestResultForms : public QObject {
    Q_OBJECT

private slots:
    void pointsTypedAreCappedRankedAndSaved();
    void newSessionOpensThePointsWindowOnJa();
    void pageKeysShowTheGroupsAndCloseAsksFirst();
    void tabAndArrowsStayInTheEditableColumns();
    void correctionOutsideTheRangeIsRefused();
    void slamCheckCountsIntoTheSlamFile();
    void calculatorFromTheHelpMenu();
};

void TestResultForms::pointsTypedAreCappedRankedAndSaved() {
    // One group of 12 pairs, 24 boards: top 10, 240 points at most; 120 points is 50 %.
    velk::test::CompetitionOnDisk competition(12, 1, 6, 1);
    competition.sessionBoards(1, 24, 6, 4);
    for (int i = 1; i <= 12; ++i)
        competition.club.SessionList[0].Rows[static_cast<std::size_t>(i)].Points = 120;
    const std::string path = competition.write();
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path));
    dialogs.messages.clear();
    dialogs.answerYes(); // "Bereken (opnieuw) alle Matchpunten en Procenten"
    dialogs.answerYes(); // "Velk\rBewaren van club_1.dba"
    ModalAnswers form("InvoerForm", [&](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Invoeren punten en invallers (C = 1, Z = 1)"));
        auto* grid = Child<QTableWidget>(d, "InvoerGrid");
        QCOMPARE(grid->rowCount(), 12);
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("120.00"));
        TypeCell(grid, 0, 3, QStringLiteral("241"));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentRow(), 0);
        TypeCell(grid, 0, 3, QStringLiteral("148,8"));
        TypeCell(grid, 0, 4, QStringLiteral("2"));
        TypeCell(grid, 1, 3, QStringLiteral("148,8"));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentRow(), 2);
        Click(d, "RekenBtn2");
        QCOMPARE(Child<QLabel>(d, "TotaalLabel")->text(), QStringLiteral("Totaal: 1497.60"));
        QCOMPARE(grid->item(1, 5)->text(), QStringLiteral("1"));
        Click(d, "SluitBtn2");
    });
    Trigger(&window, "OpenPoints");
    QVERIFY(form.done());
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{"Waarde niet in bereik van 0 tot 240",
                                                        "Bereken (opnieuw) alle Matchpunten en Procenten",
                                                        "Velk\rBewaren van club_1.dba"}));
    // Pair 1 played 62 % with two substitutes: the competition allows 45 %.
    const auto saved = Saved(path);
    const auto& rows = saved.SessionList.front().Rows;
    QCOMPARE(rows[1].Points, 148.8f);
    QCOMPARE(int(rows[1].Substitutes), 2);
    QVERIFY(qAbs(rows[1].Percentage - 45.0f) < 1e-4f);
    QVERIFY(qAbs(rows[2].Percentage - 62.0f) < 1e-4f);
    QVERIFY(qAbs(rows[3].Percentage - 50.0f) < 1e-4f);
    QCOMPARE(int(rows[2].SessionRank), 1);
    QCOMPARE(int(rows[3].SessionRank), 2);
    QCOMPARE(int(rows[1].SessionRank), 12);
    QCOMPARE(int(saved.PairList[1].Rang), 12);
}

void TestResultForms::newSessionOpensThePointsWindowOnJa() {
    velk::test::CompetitionOnDisk competition(8, 1, 4, 1);
    const std::string path = competition.write();
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path));
    dialogs.messages.clear();
    for (int i = 0; i < 4; ++i)
        dialogs.answerYes();
    ModalAnswers answers("ZittingDlg", [](QWidget* d) { Click(d, "OKZitBtn"); });
    answers.then("InvoerForm", [](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Invoeren punten en invallers (C = 1, Z = 2)"));
        Click(d, "SchrapBtn2");
    });
    Trigger(&window, "NewSession");
    QVERIFY(answers.done());
    const auto texts = dialogs.texts();
    QVERIFY(std::find(texts.begin(), texts.end(), "Zitting openen ?") != texts.end());
    QCOMPARE(window.club().CurrentSession, 2);
}

void TestResultForms::pageKeysShowTheGroupsAndCloseAsksFirst() {
    velk::test::CompetitionOnDisk competition(16, 2, 8, 1);
    const std::string path = competition.write();
    const auto before = velk::test::FileBytes(QString::fromStdString(path));
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path));
    dialogs.messages.clear();
    dialogs.answerYes(); // "Bestand nog redden\r gebruik dan <Ok>": stay
    dialogs.answerNo();  // the second time: close without saving
    ModalAnswers form("InvoerForm", [&](QWidget* d) {
        auto* grid = Child<QTableWidget>(d, "InvoerGrid");
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("A"));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_PageDown);
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("B"));
        TypeCell(grid, 2, 3, QStringLiteral("30"));
        QTest::keyClick(grid, Qt::Key_PageUp);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("A"));
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(d->isVisible());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    Trigger(&window, "OpenPoints");
    QVERIFY(form.done());
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{"Bestand nog redden\r gebruik dan <Ok>",
                                                        "Bestand nog redden\r gebruik dan <Ok>"}));
    // Closed without "Ok": the typed points are gone and nothing was written.
    QCOMPARE(window.club().SessionList.front().Rows[11].Points, 0.0f);
    QVERIFY(velk::test::FileBytes(QString::fromStdString(path)) == before);
}

void TestResultForms::tabAndArrowsStayInTheEditableColumns() {
    velk::test::CompetitionOnDisk competition(12, 1, 6, 1);
    competition.sessionBoards(1, 24, 6, 4);
    const std::string path = competition.write();
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path));
    dialogs.messages.clear();
    ModalAnswers form("InvoerForm", [&](QWidget* d) {
        auto* grid = Child<QTableWidget>(d, "InvoerGrid");
        grid->setFocus();
        const auto at = [grid] { return QPoint(grid->currentColumn(), grid->currentRow()); };
        QCOMPARE(at(), QPoint(3, 0));
        // Left stops at the points; Right goes on to the rank and from there wraps to the points.
        // Tab goes the same way round the row, Shift+Tab back, and the focus stays in the grid.
        const struct {
            Qt::Key key;
            int column;
        } steps[] = {{Qt::Key_Left, 3},    {Qt::Key_Right, 4}, {Qt::Key_Right, 5}, {Qt::Key_Right, 3},
                     {Qt::Key_Left, 3},    {Qt::Key_Tab, 4},   {Qt::Key_Tab, 5},   {Qt::Key_Tab, 3},
                     {Qt::Key_Backtab, 5}, {Qt::Key_Left, 4}};
        for (const auto& step : steps) {
            QTest::keyClick(grid, step.key, step.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(at(), QPoint(step.column, 0));
            QCOMPARE(QApplication::focusWidget(), grid);
        }

        // Tab in an open cell takes its text and reads the row back: out of range, the cursor
        // stays on the points.
        grid->setCurrentCell(0, 3);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("241"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(at(), QPoint(3, 0));
        QCOMPARE(dialogs.texts(), std::vector<std::string>{"Waarde niet in bereik van 0 tot 240"});
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("150"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(at(), QPoint(4, 0));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("150"));
        if (auto* open = qobject_cast<QLineEdit*>(QApplication::focusWidget()); open && open != editor)
            QTest::keyClick(open, Qt::Key_Escape);
        QCOMPARE(dialogs.messages.size(), std::size_t{1});

        // Up and Down keep to the group's rows.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(grid->currentRow(), 0);
        grid->setCurrentCell(11, 3);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentRow(), 11);
        Click(d, "SchrapBtn2");
    });
    Trigger(&window, "OpenPoints");
    QVERIFY(form.done());
}

void TestResultForms::correctionOutsideTheRangeIsRefused() {
    velk::test::CompetitionOnDisk competition(4, 1, 2, 1);
    const float percentages[] = {0, 3, 97, 50, 50};
    for (int i = 1; i <= 4; ++i)
        competition.club.SessionList[0].Rows[static_cast<std::size_t>(i)].Percentage = percentages[i];
    const std::string path = competition.write();
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path));
    QVERIFY(window.action("CorrectSpdBtn")->isEnabled());
    dialogs.messages.clear();
    dialogs.answerYes(); // "Velk\rBewaren van club_1.dba"
    ModalAnswers form("CorrectForm", [&](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Corrigeren van procentwaarden (Z = 1)"));
        auto* grid = Child<QTableWidget>(d, "CorrectGrid");
        // A click on the names goes to the correction.
        grid->setCurrentCell(1, 2);
        QCOMPARE(grid->currentColumn(), 4);
        TypeCell(grid, 0, 4, QStringLiteral("-5"));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentRow(), 0);
        TypeCell(grid, 0, 4, QStringLiteral("2"));
        TypeCell(grid, 1, 4, QStringLiteral("5"));
        Click(d, "RekenBtn");
        QCOMPARE(grid->currentRow(), 1);
        TypeCell(grid, 1, 4, QStringLiteral("-7"));
        TypeCell(grid, 3, 4, QStringLiteral("1,5"));
        Click(d, "RekenBtn");
        QCOMPARE(grid->item(0, 5)->text(), QStringLiteral("5.00"));
        QCOMPARE(Child<QLabel>(d, "TotaalLabel")->text(), QStringLiteral("Totaal: 200.00   -3.50"));
        Click(d, "OkBtn");
    });
    Trigger(&window, "Correct");
    QVERIFY(form.done());
    const std::string range = "Waarde niet in bereik van 0.0 tot 100.0";
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{range, range, "Velk\rBewaren van club_1.dba"}));
    const auto saved = Saved(path);
    const auto& rows = saved.SessionList.front().Rows;
    QCOMPARE(rows[1].Correction, 2.0f);
    QCOMPARE(rows[2].Correction, -7.0f);
    QCOMPARE(rows[4].Correction, 1.5f);
    // 5, 90, 50, 51.5.
    QCOMPARE(int(rows[2].SessionRank), 1);
    QCOMPARE(int(rows[4].SessionRank), 2);
    QCOMPARE(int(rows[1].SessionRank), 4);
    QVERIFY(qAbs(rows[2].CompetitionTotal - 90.0f) < 1e-4f);
}

void TestResultForms::slamCheckCountsIntoTheSlamFile() {
    // 8 pairs, 2 boards: on board 1 (nobody vulnerable) pair 3 North-South scored 990 against
    // pair 7; on board 2 pair 6 East-West scored 1440 against pair 2.
    velk::test::CompetitionOnDisk competition(8, 1, 4, 1);
    competition.sessionBoards(1, 2, 2, 1);
    // The check reads the groups of the session's schedule.
    competition.meet(1, 1, 1, 1, 3, 7).meet(1, 1, 2, 1, 2, 6);
    velk::test::ScoreListBuilder list(1, 8, 2, 2);
    list.table(1, 1, 3, 7, 990);
    list.table(1, 2, 2, 6, -1440);
    competition.scores(1, 2, list.scores);
    const std::string path = competition.write();
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path));
    dialogs.messages.clear();
    ModalAnswers slams("SlemDlg", [](QWidget* d) {
        QCOMPARE(d->windowTitle(), QString::fromUtf8("Contrôle Slem contracten"));
        QCOMPARE(Child<QLabel>(d, "SlemKopText")->text(),
                 QStringLiteral("Groep:A   Spel: 1;  Paar:  3, NZ;    Score:   990    Niemand Kwetsbaar"));
        QCOMPARE(Child<QGroupBox>(d, "SlemRadioGroep")->title(), QStringLiteral("Klein Slem"));
        QVERIFY(Child<QAbstractButton>(d, "SlemRadio2")->isChecked());
        QVERIFY(Child<QLabel>(d, "SlemDubLabel")->isVisible());
        QCOMPARE(Child<QLabel>(d, "SlemSomLabel")->text(),
                 QStringLiteral("Sommatie van het aantal Slems :  1"));
        Click(d, "SlemOKBtn");
    });
    // 1440 on board 2 (North-South vulnerable) by East-West, who are not: 7 of a minor, taken as
    // a major slam by the user.
    slams.then("SlemDlg", [](QWidget* d) {
        QCOMPARE(Child<QLabel>(d, "SlemKopText")->text(),
                 QStringLiteral("Groep:A   Spel: 2;  Paar:  6, OW;    Score:  1440    NZ Kwetsbaar     "));
        QCOMPARE(Child<QGroupBox>(d, "SlemRadioGroep")->title(), QStringLiteral("Groot Slem"));
        QVERIFY(Child<QAbstractButton>(d, "SlemRadio0")->isChecked());
        QVERIFY(!Child<QLabel>(d, "SlemDubLabel")->isVisible());
        Click(d, "SlemRadio1");
        Click(d, "SlemOKBtn");
    });
    Trigger(&window, "SlamCheck");
    QVERIFY(slams.done());
    QVERIFY(dialogs.messages.empty());
    // The slam file: head (session 1, 2 slams), then 9 records of six counters and six spare
    // bytes; pair 3 one small slam in no trump (counter 2), pair 6 one grand slam in a major (4).
    std::vector<std::uint8_t> expected = {1, 0, 2, 0};
    for (int record = 0; record <= 8; ++record) {
        std::uint8_t counters[18] = {};
        if (record == 3)
            counters[2 * 2] = 1;
        if (record == 6)
            counters[2 * 4] = 1;
        expected.insert(expected.end(), counters, counters + 18);
    }
    const std::string slamPath = competition.file("club_1.SLM");
    QCOMPARE(velk::test::FileBytes(QString::fromStdString(slamPath)), expected);
}

void TestResultForms::calculatorFromTheHelpMenu() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    ModalAnswers calculator("FormCalculator", [](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Calculator"));
        auto* display = Child<QLineEdit>(d, "Display");
        for (const char* name : {"Btn1", "Btn2", "BtnPlus", "Btn7", "BtnEquals"})
            Click(d, name);
        QCOMPARE(display->text(), QStringLiteral("19"));
        QTest::keyClicks(d, "x3");
        QTest::keyClick(d, Qt::Key_Return);
        QCOMPARE(display->text(), QStringLiteral("57"));
        QTest::keyClicks(d, "/0=");
        QCOMPARE(display->text(), QStringLiteral("0"));
        Click(d, "BtnOK");
    });
    Trigger(&window, "Calculator");
    QVERIFY(calculator.done());
    QCOMPARE(dialogs.texts(), std::vector<std::string>{"Division by Zero Error!"});
}

QTEST_MAIN(TestResultForms)
#include "tst_resultforms.moc"
