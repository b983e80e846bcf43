#include "gui/schedules/TNewChangeDlg.h"
#include "gui/schedules/TSchemaDlg.h"
#include "gui/schedules/TSchemaForm.h"
#include "gui/schedules/TSchemaFormE.h"
#include "support/ModalAnswers.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using velk::test::Cell;
using velk::test::Child;
using velk::test::FileBytes;
using velk::test::Modal;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::TypeCell;

namespace {

// Per round: table, NZ, OW and board group of both tables. Round 2 shares group C between the
// tables, so nobody meets the same boards twice.
struct Entry {
    const char* NS;
    const char* EW;
    const char* Group;
};
const Entry kSchedule[3][2] = {{{"1", "2", "A"}, {"3", "4", "B"}},
                               {{"1", "3", "C"}, {"2", "4", "C"}},
                               {{"1", "4", "D"}, {"2", "3", "D"}}};

} // namespace

class TestSchedules : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("4paren.ws0"));
    }

    void perRoundEntryChecksEveryCellAndSaves();
    void reopenedPerTableShowsRowsAndBorrowHints();
    void reopenedWholeViewEditsACell();
    void closeBoxAsksAndYesKeepsTheEditorOpen();
    void countsAreConfirmedWithTabAndChecked();
    void newChangeDialogOpensTheChosenView();

private:
    void writeSchedule();

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
    velk::Club club_;
};

void TestSchedules::writeSchedule() {
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    form.NewSchedule(1, {4, 2, 3, 4}, 2);
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    for (int r = 0; r < 3; ++r) {
        for (int t = 0; t < 2; ++t) {
            TypeCell(grid, t, 2, QString::fromLatin1(kSchedule[r][t].NS));
            TypeCell(grid, t, 3, QString::fromLatin1(kSchedule[r][t].EW));
            TypeCell(grid, t, 4, QString::fromLatin1(kSchedule[r][t].Group));
        }
        if (r < 2)
            QTest::keyClick(grid, Qt::Key_PageDown);
    }
    dialogs.answerYes();
    dialogs.files.push_back(path_.toStdString());
    Child<QPushButton>(&form, "SluitBtn3")->click();
    QVERIFY(!form.isVisible());
}

void TestSchedules::perRoundEntryChecksEveryCellAndSaves() {
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    form.NewSchedule(1, {4, 2, 3, 4}, 2);
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema invoeren per Ronde "));
    QCOMPARE(Child<QLabel>(&form, "SchemaLabel")->text(), QStringLiteral("Nieuw schema "));
    QCOMPARE(Child<QLabel>(&form, "ParenLabel")->text(), QStringLiteral("4 Paren"));
    QCOMPARE(Child<QLabel>(&form, "SpelgrpLabel")->text(), QStringLiteral("4 SpelGrpn"));
    QCOMPARE(Child<QLabel>(&form, "SchematypeLabel")->text(), QStringLiteral("Schematype:  Howell"));
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    auto* position = Child<QLabel>(&form, "PositieLabel");
    auto* next = Child<QPushButton>(&form, "NextBitBtn");
    QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("TflLabel"));

    // Each step refused: the message, and round 1 still shown.
    auto refused = [&](const std::string& message, int row, int column) {
        const std::size_t before = dialogs.messages.size();
        next->click();
        QCOMPARE(dialogs.messages.size(), before + 1);
        QCOMPARE(dialogs.messages.back().text, message);
        QCOMPARE(position->text(), QStringLiteral("Ronde 1"));
        QCOMPARE(grid->currentRow(), row);
        QCOMPARE(grid->currentColumn(), column);
    };
    refused(" Paar(NZ) of Paar(OW) = 0", 0, 2);
    TypeCell(grid, 0, 2, QStringLiteral("1"));
    refused("1 : de spelgroep(en) zijn \"leeg\" ", 0, 4);
    TypeCell(grid, 0, 3, QStringLiteral("1"));
    refused("1 : speelt met zich zelf ?", 0, 2);
    TypeCell(grid, 0, 3, QStringLiteral("2"));
    TypeCell(grid, 0, 4, QStringLiteral("e"));
    QCOMPARE(Cell(grid, 0, 4), QStringLiteral("E"));
    refused("E : deze spelgroep wordt niet gebruikt", 0, 4);
    TypeCell(grid, 0, 4, QStringLiteral("A"));
    TypeCell(grid, 1, 2, QStringLiteral("9"));
    TypeCell(grid, 1, 3, QStringLiteral("4"));
    TypeCell(grid, 1, 4, QStringLiteral("B"));
    refused("9 : index is te groot voor dit paar", 1, 2);
    TypeCell(grid, 1, 2, QStringLiteral("1"));
    refused("1 : speelt al op andere tafel", 1, 2);
    TypeCell(grid, 1, 2, QStringLiteral("3"));
    TypeCell(grid, 1, 1, QStringLiteral("1"));
    refused("1 : tafelnummer(s) niet correct", 1, 1);
    TypeCell(grid, 1, 1, QStringLiteral("2"));

    // Page Up on round 1 goes round to the last round; Page Down from there back to round 1.
    // A round with board groups and no pairs yet may be left.
    QTest::keyClick(grid, Qt::Key_PageUp);
    QCOMPARE(position->text(), QStringLiteral("Ronde 3"));
    TypeCell(grid, 0, 4, QStringLiteral("D"));
    TypeCell(grid, 1, 4, QStringLiteral("D"));
    QTest::keyClick(grid, Qt::Key_PageDown);
    QCOMPARE(position->text(), QStringLiteral("Ronde 1"));
    QCOMPARE(Cell(grid, 1, 2), QStringLiteral("3"));
    dialogs.messages.clear();

    for (int r = 1; r < 3; ++r) {
        next->click();
        QCOMPARE(position->text(), QStringLiteral("Ronde %1").arg(r + 1));
        for (int t = 0; t < 2; ++t) {
            TypeCell(grid, t, 2, QString::fromLatin1(kSchedule[r][t].NS));
            TypeCell(grid, t, 3, QString::fromLatin1(kSchedule[r][t].EW));
            TypeCell(grid, t, 4, QString::fromLatin1(kSchedule[r][t].Group));
        }
    }
    QVERIFY(dialogs.messages.empty());
    dialogs.answerYes();
    dialogs.files.push_back(path_.toStdString());
    Child<QPushButton>(&form, "SluitBtn3")->click();
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Schema opslaan in map Schema`s",
                                       "Bridge Schema bestand\rRedSchema, Bewaren van\r4paren.ws0"}));
    QCOMPARE(dialogs.fileChoices.back().filter,
             std::string("Schema file (*.ws0)|*.WS0|Special file (*.*)|*.*"));
    QVERIFY(!form.isVisible());
    const std::vector<std::uint8_t> expected = {3, 4,   2, 4, 1, 1,   2, 'A', 2, 3,   4, 'B', 1, 1,
                                                3, 'C', 2, 2, 4, 'C', 1, 1,   4, 'D', 2, 2,   3, 'D'};
    QCOMPARE(FileBytes(path_), expected);
    QCOMPARE(club_.BaseScheduleFile, path_.toStdString());
}

void TestSchedules::reopenedPerTableShowsRowsAndBorrowHints() {
    writeSchedule();
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    dialogs.files.push_back(path_.toStdString());
    QVERIFY(form.ChangeSchedule(5));
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Bridge Schema bestand\rLees Schema, Openen van\r4paren.ws0"}));
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema wijzigen per Tafel "));
    QCOMPARE(Child<QLabel>(&form, "SchemaLabel")->text(), QStringLiteral("Schema: 4paren.ws0"));
    QCOMPARE(Child<QPushButton>(&form, "NextBitBtn")->text(), QStringLiteral("Tafel +"));
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), QStringLiteral("SpelGroep"));
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(Cell(grid, 1, 2), QStringLiteral("3"));
    QCOMPARE(Cell(grid, 2, 3), QStringLiteral("D"));
    QCOMPARE(Cell(grid, 0, 4), QString());
    QCOMPARE(Cell(grid, 1, 4), QStringLiteral(" L C"));

    // The same group again at this table is refused.
    TypeCell(grid, 2, 3, QStringLiteral("A"));
    Child<QPushButton>(&form, "NextBitBtn")->click();
    QCOMPARE(dialogs.messages.back().text, std::string("1 : speelt al op andere tafel"));
    TypeCell(grid, 2, 3, QStringLiteral("D"));
    QTest::keyClick(grid, Qt::Key_PageDown);
    QCOMPARE(Child<QLabel>(&form, "PositieLabel")->text(), QStringLiteral("Tafel 2"));
    QCOMPARE(Cell(grid, 0, 1), QStringLiteral("3"));
    Child<QPushButton>(&form, "SchrapBtn3")->click();
    QVERIFY(!form.isVisible());
}

void TestSchedules::reopenedWholeViewEditsACell() {
    writeSchedule();
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    dialogs.files.push_back(path_.toStdString());
    QVERIFY(form.ChangeSchedule(6));
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema wijzigen per Ronde & Tafel"));
    auto* grid = Child<QTableWidget>(&form, "SchemaGrid");
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Tafel2 "));
    QCOMPARE(Cell(grid, 0, 1), QStringLiteral(" 1 -  2 :A"));
    QCOMPARE(Cell(grid, 2, 2), QStringLiteral(" 2 -  3 :D"));

    auto* ns = Child<QLineEdit>(&form, "NZEdit");
    auto* ew = Child<QLineEdit>(&form, "OWEdit");
    auto* group = Child<QLineEdit>(&form, "SPEdit");
    QVERIFY(!ns->isEnabled());
    grid->setCurrentCell(1, 2);
    QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(ns->isEnabled());
    QCOMPARE(ns->text(), QStringLiteral("2"));
    QCOMPARE(ew->text(), QStringLiteral("4"));
    QCOMPARE(group->text(), QStringLiteral("C"));
    ew->clear();
    QTest::keyClick(group, Qt::Key_Return);
    QCOMPARE(dialogs.messages.back().text.rfind("OW Paar niet ingevuld ", 0), 0u);
    QCOMPARE(dialogs.beeps, 1);
    QTest::keyClicks(ew, QStringLiteral("4"));
    group->setText(QStringLiteral("d"));
    QTest::keyClick(group, Qt::Key_Return);
    QVERIFY(!ns->isEnabled());
    QCOMPARE(Cell(grid, 1, 2), QStringLiteral(" 2 -  4 :D"));

    // D again at table 2 is refused by the cell check.
    dialogs.messages.clear();
    Child<QPushButton>(&form, "SluitBtn3")->click();
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{"2 : speelt al op andere tafel"}));
    QCOMPARE(grid->currentColumn(), 2);
    QVERIFY(form.isVisible());

    // A at table 2: pair 2 meets group A at two tables, which the whole check refuses.
    grid->setCurrentCell(1, 2);
    QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
    group->setText(QStringLiteral("A"));
    QTest::keyClick(group, Qt::Key_Return);
    dialogs.messages.clear();
    dialogs.answerYes();
    Child<QPushButton>(&form, "SluitBtn3")->click();
    QVERIFY(dialogs.messages.size() >= 3);
    QCOMPARE(dialogs.messages[0].text, std::string("2 : speelt in een verkeerde groep: 1"));
    QCOMPARE(dialogs.messages[dialogs.messages.size() - 2].text,
             std::string(" Schema niet correct, wordt niet bewaard"));
    QCOMPARE(dialogs.messages.back().text, std::string("Doorgaan met Schema inlezen ?"));
    QVERIFY(form.isVisible());

    // Back to C: the schedule passes and the user does not save it.
    grid->setCurrentCell(1, 2);
    QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);
    group->setText(QStringLiteral("C"));
    QTest::keyClick(group, Qt::Key_Return);
    dialogs.messages.clear();
    dialogs.answerNo();
    Child<QPushButton>(&form, "SluitBtn3")->click();
    QCOMPARE(dialogs.texts(), (std::vector<std::string>{"Schema opslaan in map Schema`s"}));
    QVERIFY(!form.isVisible());
}

void TestSchedules::closeBoxAsksAndYesKeepsTheEditorOpen() {
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    form.NewSchedule(1, {4, 2, 3, 4}, 0);
    velk::test::CheckCloseBoxAsks(form, dialogs);
}

void TestSchedules::countsAreConfirmedWithTabAndChecked() {
    ScriptedDialogs dialogs;
    velk::Club club;
    TSchemaDlg dialog(club, dialogs, 1);
    QCOMPARE(dialog.toolTip(), QStringLiteral("Indeling per zittingronde"));
    auto* pairs = Child<QComboBox>(&dialog, "parenbox");
    auto* tables = Child<QComboBox>(&dialog, "tafelsbox");
    auto* rounds = Child<QComboBox>(&dialog, "rondenbox");
    auto* groups = Child<QComboBox>(&dialog, "spelgrpnbox");
    QCOMPARE(Child<QComboBox>(&dialog, "Schmtypebox")->currentText(), QStringLiteral("Free"));

    QTest::keyClick(pairs->lineEdit(), Qt::Key_Return);
    QVERIFY(dialogs.messages.back().text.find("\r Gebruik Tab toets ! ") != std::string::npos);
    QTest::keyClick(pairs->lineEdit(), Qt::Key_Tab);
    QCOMPARE(dialogs.messages.back().text.rfind("Aantal foutief \rAantal Paren = 0  ", 0), 0u);
    QCOMPARE(dialogs.beeps, 1);
    QTest::keyClicks(pairs->lineEdit(), QStringLiteral("8"));
    tables->setEditText(QStringLiteral("300"));
    rounds->setEditText(QStringLiteral("17"));
    dialog.VolgendeBtnClick();
    QCOMPARE(dialogs.messages.back().text.rfind("Aantal foutief \rAantal Tafels te veel: 300 ", 0), 0u);
    tables->setEditText(QStringLiteral("4"));
    dialog.VolgendeBtnClick();
    QCOMPARE(dialogs.messages.back().text.rfind("Aantal foutief \rAantal Ronden te groot: 17 ", 0), 0u);
    rounds->setEditText(QStringLiteral("7"));
    groups->setEditText(QStringLiteral("7"));

    // 24 boards are fewer than 7 rounds of 4: the user is asked, and No keeps the dialog open.
    club.CurrentSession = 1;
    club.SessionHead.BoardCount = 24;
    club.SessionHead.BoardsPerRound = 4;
    dialogs.answerNo();
    dialog.VolgendeBtnClick();
    QCOMPARE(dialogs.messages.back().text,
             std::string("Aantalspellen is kleiner dan aantal rondes x spellen_per_tafel; Doorgaan ?"));
    QCOMPARE(dialog.result(), 0);
    dialogs.answerYes();
    Child<QComboBox>(&dialog, "Schmtypebox")->setEditText(QStringLiteral("Mitch"));
    dialog.VolgendeBtnClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.counts(), (velk::ScheduleCounts{8, 4, 7, 7}));
    QCOMPARE(dialog.scheduleType(), 3);
}

void TestSchedules::newChangeDialogOpensTheChosenView() {
    writeSchedule();
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    TSchemaFormE individual(club_, dialogs);
    dialogs.files.push_back(path_.toStdString());
    ModalAnswers choice(Modal::Titled(QStringLiteral("Schema Invoeren / Wijzigen")), [](QWidget* modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Schema Invoeren / Wijzigen"));
        QVERIFY(Child<QRadioButton>(modal, "ParenSchema")->isChecked());
        Child<QRadioButton>(modal, "NewChangeScheme4")->setChecked(true);
        Child<QPushButton>(modal, "OKBtn")->click();
    });
    EditSchedule(nullptr, club_, dialogs, form, individual);
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema wijzigen per Tafel "));
    QCOMPARE(dialogs.fileChoices.back().filter, std::string("Schema bestand (*.*)|*.*"));
    Child<QPushButton>(&form, "SchrapBtn3")->click();
}

QTEST_MAIN(TestSchedules)
#include "tst_schedules.moc"
