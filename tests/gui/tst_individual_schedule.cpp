#include "gui/schedules/TNewChangeDlg.h"
#include "gui/schedules/TSchemaForm.h"
#include "gui/schedules/TSchemaFormE.h"
#include "support/ModalAnswers.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using velk::test::Cell;
using velk::test::Child;
using velk::test::FileBytes;
using velk::test::HeaderText;
using velk::test::Modal;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::TypeCell;

namespace {

// 8 players at 2 tables in 2 rounds with 4 board groups: N, Z, O, W and board group per table.
const char* const kSchedule[2][2][5] = {{{"1", "2", "3", "4", "A"}, {"5", "6", "7", "8", "B"}},
                                        {{"1", "5", "2", "6", "C"}, {"3", "7", "4", "8", "D"}}};

// The view-1 columns N, Z, O, W and SpelGrp.
constexpr int kFirstSeat = 2;

void TypeRound(QTableWidget* grid, int round) {
    for (int t = 0; t < 2; ++t)
        for (int c = 0; c < 5; ++c)
            TypeCell(grid, t, kFirstSeat + c, QString::fromLatin1(kSchedule[round][t][c]));
}

} // namespace

class TestIndividualSchedule : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("8spelers.ws0"));
    }

    void perRoundEntryChecksCellsAndSaves();
    void wholeViewEditsBothLinesOfACell();
    void closeBoxAsksAndYesKeepsTheEditorOpen();
    void newChangeDialogOpensTheIndividualEditorPerTable();

private:
    void writeSchedule();

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
    velk::Club club_;
};

void TestIndividualSchedule::writeSchedule() {
    ScriptedDialogs dialogs;
    TSchemaFormE form(club_, dialogs);
    form.NewSchedule(1, {8, 2, 2, 4}, 0);
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    TypeRound(grid, 0);
    QTest::keyClick(grid, Qt::Key_PageDown);
    TypeRound(grid, 1);
    dialogs.answerYes();
    dialogs.files.push_back(path_.toStdString());
    Child<QPushButton>(&form, "SluitBtn")->click();
    QVERIFY(!form.isVisible());
}

void TestIndividualSchedule::perRoundEntryChecksCellsAndSaves() {
    ScriptedDialogs dialogs;
    TSchemaFormE form(club_, dialogs);
    form.NewSchedule(1, {8, 2, 2, 4}, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema Invoeren per Ronde "));
    QCOMPARE(Child<QLabel>(&form, "SpelersLabel")->text(), QStringLiteral("8        Spelers"));
    QCOMPARE(Child<QLabel>(&form, "TafelsLabel")->text(), QStringLiteral("2        Tafels"));
    QCOMPARE(Child<QLabel>(&form, "RondenLabel")->text(), QStringLiteral("2        Ronden"));
    QCOMPARE(Child<QLabel>(&form, "SpelgrpLabel")->text(), QStringLiteral("4        Spelgrpn"));
    QCOMPARE(Child<QLabel>(&form, "SchematypeLabel")->text(), QStringLiteral("Schematype:  Multiplex"));
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    QCOMPARE(HeaderText(grid), QStringLiteral("Tafel,TafelLab,N,Z,O,W,SpelGrp,Lenen"));
    auto* position = Child<QLabel>(&form, "PositieLabel");

    // Player 5 at both tables of round 1: the step is refused on the North cell of table 2.
    TypeRound(grid, 0);
    TypeCell(grid, 0, kFirstSeat + 3, QStringLiteral("5"));
    Child<QPushButton>(&form, "NextBitBtn")->click();
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{"5 : speelt al op andere tafel"}));
    QCOMPARE(position->text(), QStringLiteral("Ronde 1"));
    QCOMPARE(grid->currentRow(), 1);
    QCOMPARE(grid->currentColumn(), kFirstSeat);
    TypeCell(grid, 0, kFirstSeat + 3, QStringLiteral("4"));
    TypeCell(grid, 1, kFirstSeat + 4, QStringLiteral("b"));
    QCOMPARE(Cell(grid, 1, kFirstSeat + 4), QStringLiteral("B"));

    // Page Up on round 1 shows the last round.
    QTest::keyClick(grid, Qt::Key_PageUp);
    QCOMPARE(position->text(), QStringLiteral("Ronde 2"));
    TypeRound(grid, 1);
    QCOMPARE(Cell(grid, 1, kFirstSeat + 5), QString());
    QTest::keyClick(grid, Qt::Key_PageDown);
    QCOMPARE(position->text(), QStringLiteral("Ronde 1"));
    QCOMPARE(Cell(grid, 1, kFirstSeat), QStringLiteral("5"));

    dialogs.messages.clear();
    dialogs.answerYes();
    dialogs.files.push_back(path_.toStdString());
    Child<QPushButton>(&form, "SluitBtn")->click();
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Schema opslaan in map Schema`s",
                                       "Bridge Schema bestand\rRedSchema, Bewaren van\r8spelers.ws0"}));
    QVERIFY(!form.isVisible());
    // clang-format off
    const std::vector<std::uint8_t> expected = {
        2, 8, 0, 0, 0, 2, 0, 0, 0, 4,   // rounds, players, 0, tables, 0, board groups
        1, 1, 0, 2, 0, 3, 0, 4, 0, 'A', // round 1, table 1: N, Z, O, W, group
        2, 5, 0, 6, 0, 7, 0, 8, 0, 'B',
        1, 1, 0, 5, 0, 2, 0, 6, 0, 'C', // round 2
        2, 3, 0, 7, 0, 4, 0, 8, 0, 'D'};
    // clang-format on
    QCOMPARE(FileBytes(path_), expected);
    QCOMPARE(club_.BaseScheduleFile, path_.toStdString());
}

void TestIndividualSchedule::wholeViewEditsBothLinesOfACell() {
    writeSchedule();
    ScriptedDialogs dialogs;
    TSchemaFormE form(club_, dialogs);
    dialogs.files.push_back(path_.toStdString());
    QVERIFY(form.ChangeSchedule(6));
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema wijzigen per Ronde & Tafel"));
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Tafel2 "));
    QCOMPARE(Cell(grid, 0, 1), QStringLiteral("1 -  3 :A\n2 -  4 :A"));

    auto* n = Child<QLineEdit>(&form, "NEdit");
    auto* w = Child<QLineEdit>(&form, "WEdit");
    auto* group = Child<QLineEdit>(&form, "SPEdit");
    QVERIFY(!n->isEnabled());
    grid->setCurrentCell(1, 2);
    QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(n->isEnabled());
    QCOMPARE(n->text(), QStringLiteral("3"));
    QCOMPARE(Child<QLineEdit>(&form, "OEdit")->text(), QStringLiteral("4"));
    QCOMPARE(Child<QLineEdit>(&form, "ZEdit")->text(), QStringLiteral("7"));
    QCOMPARE(w->text(), QStringLiteral("8"));
    w->setText(QStringLiteral("9"));
    QTest::keyClick(group, Qt::Key_Return);
    QCOMPARE(dialogs.messages.back().text.rfind("W Speler bestaat niet ", 0), 0u);
    QCOMPARE(dialogs.beeps, 1);
    w->setText(QStringLiteral("8"));
    QTest::keyClick(group, Qt::Key_Return);
    QVERIFY(!n->isEnabled());
    QCOMPARE(Cell(grid, 1, 2), QStringLiteral("3 -  4 :D\n7 -  8 :D"));

    dialogs.messages.clear();
    dialogs.answerNo();
    Child<QPushButton>(&form, "SluitBtn")->click();
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{"Schema opslaan in map Schema`s"}));
    QVERIFY(!form.isVisible());
}

void TestIndividualSchedule::closeBoxAsksAndYesKeepsTheEditorOpen() {
    ScriptedDialogs dialogs;
    TSchemaFormE form(club_, dialogs);
    form.NewSchedule(2, {8, 2, 2, 4}, 0);
    velk::test::CheckCloseBoxAsks(form, dialogs);
}

void TestIndividualSchedule::newChangeDialogOpensTheIndividualEditorPerTable() {
    writeSchedule();
    ScriptedDialogs dialogs;
    TSchemaForm pairs(club_, dialogs);
    TSchemaFormE form(club_, dialogs);
    dialogs.files.push_back(path_.toStdString());
    ModalAnswers choice("NewChangeDlg", [](QWidget* modal) {
        Child<QRadioButton>(modal, "SpelersSchema")->setChecked(true);
        Child<QRadioButton>(modal, "NewChangeScheme4")->setChecked(true);
        Child<QPushButton>(modal, "OKBtn")->click();
    });
    EditSchedule(nullptr, club_, dialogs, pairs, form);
    QVERIFY(form.isVisible());
    QVERIFY(!pairs.isVisible());
    // No competition is open, so the choice is the program's form.
    QVERIFY(club_.IsIndividual);
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema wijzigen per Tafel "));
    QCOMPARE(dialogs.fileChoices.back().filter, std::string("Schema bestand (*.*)|*.*"));
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    QCOMPARE(HeaderText(grid), QStringLiteral("Ronde,N,Z,O,W,SpelGrp,Lenen"));
    QCOMPARE(Child<QLabel>(&form, "PositieLabel")->text(), QStringLiteral("Tafel 1"));
    QCOMPARE(Cell(grid, 1, 1), QStringLiteral("1"));
    QCOMPARE(Cell(grid, 1, 2), QStringLiteral("5"));
    QCOMPARE(Cell(grid, 1, 6), QStringLiteral(" L C"));
    Child<QPushButton>(&form, "SchrapBtn")->click();
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestIndividualSchedule)
#include "tst_individual_schedule.moc"
