#include "club/SessionSchedules.h"
#include "core/files/BaseScheduleFile.h"
#include "gui/club/TClubWindow.h"
#include "gui/schedules/TSchemaForm.h"
#include "gui/schedules/TVernummerDlg.h"
#include "schedules/ReadScheduleIntoSession.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScheduleFixtures.h"
#include "support/ScheduleGridTesting.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using velk::test::Answer;
using velk::test::Cell;
using velk::test::Child;
using velk::test::ModalAnswers;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;
using velk::test::TypeCell;

namespace {

// The answer to the counts dialog ("VernummerDlg").
Answer ChoosingPairs(const QString& pairs) {
    return [pairs](QWidget* dialog) {
        Child<QComboBox>(dialog, "parenbox")->setEditText(pairs);
        Child<QPushButton>(dialog, "VolgendeBtn")->click();
    };
}

// The answer to the session choice ("ZitKopieDlg").
Answer ChoosingSession(const QString& text) {
    return [text](QWidget* dialog) {
        Child<QComboBox>(dialog, "SelZitBox1")->setEditText(text);
        Child<QPushButton>(dialog, "OkBtn")->click();
    };
}

QString Header(QTableWidget* grid, int column) {
    const QTableWidgetItem* item = grid->horizontalHeaderItem(column);
    return item ? item->text() : QString();
}

// The base schedule of session 1: 10 pairs at 5 tables, 3 rounds, 3 board groups.
int BaseNS(int, int t) {
    return t;
}
int BaseEW(int r, int t) {
    return (t + r - 2) % 5 + 6;
}
char BaseLetter(int r, int t) {
    return static_cast<char>('A' + (t + r) % 3);
}

// Rows of a renumbering table as the file holds them: 512 little-endian i16 each.
std::vector<std::uint8_t> TableBytes(const std::vector<std::vector<int>>& rows) {
    std::vector<std::uint8_t> bytes;
    for (const auto& row : rows) {
        for (int i = 0; i < 512; ++i) {
            const int v = i < static_cast<int>(row.size()) ? row[static_cast<std::size_t>(i)] : 0;
            bytes.push_back(static_cast<std::uint8_t>(v & 0xff));
            bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
        }
    }
    return bytes;
}

const std::vector<int> kSwapped = {2, 1, 4, 3, 6, 5, 8, 7, 10, 9};
const std::vector<int> kRotated = {3, 4, 5, 6, 7, 8, 9, 10, 1, 2};

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

} // namespace

class TestRenumbering : public QObject {
    Q_OBJECT

private slots:
    void init();

    void refusesWithOneSessionPerCompetition();
    void countsDialogAndMissingBaseSchedule();
    void opensTheViewAndATable();
    void savesTheTableFromTheGrid();
    void makesARenumberedSchedule();
    void renumberingCountsAndSessionFromTheKeyboard();
    void menuItemOpensTheRenumbering();

private:
    std::string file(const char* name) const {
        return dir_->filePath(QString::fromLatin1(name)).toStdString();
    }
    // Opens the view for 10 pairs; the form is shown.
    void openView(TSchemaForm& form, ScriptedDialogs& dialogs);

    std::unique_ptr<QTemporaryDir> dir_;
    velk::Club club_;
};

void TestRenumbering::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    club_ = velk::test::MakeScheduleClub(1, 10, 5, 3, 2);
    club_.ClubFilePath = file("club.dba");
    ScriptedDialogs dialogs;
    QVERIFY(velk::LoadSessionSchedules(club_, club_.ClubFilePath, dialogs));
    velk::WorkSchedule base = velk::WorkSchedule::Empty({10, 5, 3, 3});
    for (int r = 1; r <= 3; ++r)
        for (int t = 1; t <= 5; ++t)
            base.at(r, t) = {static_cast<std::int16_t>(t), static_cast<std::int16_t>(BaseNS(r, t)),
                             static_cast<std::int16_t>(BaseEW(r, t)),
                             static_cast<std::uint8_t>(BaseLetter(r, t))};
    QVERIFY(velk::WriteBaseSchedule(file("3r-10p.ws0"), base));
    QVERIFY(velk::ReadScheduleIntoGroups(club_, 1, 1, file("3r-10p.ws0"), 12, dialogs));
    QCOMPARE(club_.CurrentSchedule()->BaseScheduleNames[0].get(), std::string("3r-10p.ws0"));
}

void TestRenumbering::openView(TSchemaForm& form, ScriptedDialogs& dialogs) {
    ModalAnswers counts("VernummerDlg", ChoosingPairs(QStringLiteral("10")));
    QVERIFY(form.ChangeSchedule(7));
    QVERIFY(form.isVisible());
    QVERIFY(dialogs.messages.empty());
}

void TestRenumbering::refusesWithOneSessionPerCompetition() {
    club_.CompetitionHead.SessionsPerCompetition = 1;
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    QVERIFY(!form.ChangeSchedule(7));
    QVERIFY(!form.isVisible());
    QCOMPARE(dialogs.texts(), std::vector<std::string>{"Voor één zitting geen vernummeren nogelijk"});
}

void TestRenumbering::countsDialogAndMissingBaseSchedule() {
    ScriptedDialogs dialogs;
    {
        TVernummerDlg dialog(club_, dialogs);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Schema gegevens"));
        QCOMPARE(Child<QLabel>(&dialog, "SchemaLabel")->text(), QStringLiteral("Schema: 3r-10p.ws0"));
        auto* pairs = Child<QComboBox>(&dialog, "parenbox");
        QCOMPARE(pairs->count(), 31);
        QCOMPARE(pairs->itemText(0), QStringLiteral("4"));
        QCOMPARE(pairs->itemText(1), QStringLiteral("6"));
        QCOMPARE(pairs->itemText(30), QStringLiteral("64"));
        auto* type = Child<QComboBox>(&dialog, "Schmtypebox");
        QCOMPARE(type->count(), 5);
        QCOMPARE(type->itemText(4), QStringLiteral("Schvn"));

        QTest::keyClick(pairs->lineEdit(), Qt::Key_Return);
        QCOMPARE(dialogs.messages.back().text.find("\r Gebruik Tab toets ! ") != std::string::npos, true);
        QTest::keyClick(pairs->lineEdit(), Qt::Key_Tab);
        QCOMPARE(dialogs.messages.back().text.rfind("Aantal foutief \rAantal Paren = 0  ", 0), 0u);
        QCOMPARE(dialogs.beeps, 1);
        // Only the first two characters count: "120" is 12.
        pairs->setEditText(QStringLiteral("120"));
        type->setEditText(QStringLiteral("Howll"));
        dialog.VolgendeBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.pairs(), 12);
        QCOMPARE(dialog.scheduleType(), 2);
    }
    {
        TVernummerDlg dialog(club_, dialogs);
        QTest::keyClick(Child<QComboBox>(&dialog, "parenbox")->lineEdit(), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // Session 1 without a base schedule: the counts are asked, then the refusal.
    club_.CurrentSchedule()->BaseScheduleNames[0].set("");
    dialogs.messages.clear();
    TSchemaForm form(club_, dialogs);
    ModalAnswers counts("VernummerDlg", ChoosingPairs(QStringLiteral("10")));
    QVERIFY(!form.ChangeSchedule(7));
    QVERIFY(!form.isVisible());
    QCOMPARE(dialogs.texts(), std::vector<std::string>{"U heeft nog geen Basis schema gelezen"});
}

void TestRenumbering::opensTheViewAndATable() {
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    openView(form, dialogs);
    QCOMPARE(form.windowTitle(), QStringLiteral("Schema Vernummeren"));
    QVERIFY(!Child<QTableWidget>(&form, "SchemaGrid")->isVisible());
    auto* grid = Child<QTableWidget>(&form, "Vernummergrid");
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->rowCount(), 12);
    QCOMPARE(grid->columnCount(), 49);
    QCOMPARE(Header(grid, 0), QStringLiteral(" Paren"));
    QCOMPARE(Header(grid, 1), QStringLiteral(" 01"));
    QCOMPARE(Header(grid, 10), QStringLiteral(" 10"));
    QCOMPARE(Header(grid, 11), QString());
    QCOMPARE(grid->columnWidth(0), 60);
    QCOMPARE(grid->columnWidth(5), 25);
    QCOMPARE(Cell(grid, 0, 0), QStringLiteral("Zit 01"));
    QCOMPARE(Cell(grid, 1, 0), QStringLiteral("Zit 02"));
    QCOMPARE(Cell(grid, 2, 0), QString());
    QCOMPARE(Child<QLabel>(&form, "SchemaLabel")->text(), QStringLiteral("Schema: 3r-10p.ws0"));
    QCOMPARE(Child<QLabel>(&form, "ParenLabel")->text(), QStringLiteral("10 Paren"));
    QVERIFY(!Child<QPushButton>(&form, "NextBitBtn")->isVisible());
    auto* open = Child<QPushButton>(&form, "OpenTabelBtn");
    auto* make = Child<QPushButton>(&form, "MaakSchemaBtn");
    QCOMPARE(open->toolTip(), QStringLiteral("Vernummer tabel openen"));
    QCOMPARE(Child<QPushButton>(&form, "RedTabelBtn")->toolTip(), QStringLiteral("Vernummer tabel bewaren"));
    QCOMPARE(make->toolTip(), QStringLiteral("Schema vernumneren"));
    QVERIFY(!make->isEnabled());

    // A table for 12 pairs with zeros in two rows: both reported, and the table is still shown.
    std::vector<int> withZero = kRotated;
    withZero[6] = 0;
    std::vector<int> alsoZero = kSwapped;
    alsoZero[2] = 0;
    velk::test::WriteContents(file("fout.vnm"), TableBytes({{2, 12}, withZero, alsoZero}));
    dialogs.files.push_back(file("fout.vnm"));
    open->click();
    QCOMPARE(dialogs.fileChoices.back().filter, std::string("Vernummer bestand (*.*)|*.*"));
    QVERIFY(
        QString::fromStdString(dialogs.fileChoices.back().initialPath).endsWith(QStringLiteral("/*10*.*")));
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Bridge Vernummeren bestand\r Openen van\rfout.vnm",
                                       "VernummerTabel niet Correct :\rOngeldig aantal: Paren \r"
                                       "Met Aantal:Zittingen  Paren \r"
                                       "Ingevoerd:          2        12   \r"
                                       "Moetzijn :         12        10   ",
                                       "Kies juiste aantal paren in Zitting menu ",
                                       "Gelezen tabel foutief\rZitting: 1 Paar=0: 7"}));
    QCOMPARE(Cell(grid, 0, 1), QStringLiteral("3"));
    QCOMPARE(Cell(grid, 0, 7), QString());
    QCOMPARE(Cell(grid, 1, 10), QStringLiteral("9"));
    QCOMPARE(Cell(grid, 2, 1), QString());
    QVERIFY(make->isEnabled());

    // The grid takes pair numbers only.
    TypeCell(grid, 0, 7, QStringLiteral("x9"));
    QCOMPARE(Cell(grid, 0, 7), QStringLiteral("9"));

    // A second table replaces the first one whole: session 2 of the first is gone.
    velk::test::WriteContents(file("een.vnm"), TableBytes({{1, 10}, kSwapped}));
    dialogs.files.push_back(file("een.vnm"));
    dialogs.messages.clear();
    open->click();
    QCOMPARE(dialogs.texts(), std::vector<std::string>{"Bridge Vernummeren bestand\r Openen van\reen.vnm"});
    QCOMPARE(Cell(grid, 0, 1), QStringLiteral("2"));
    QCOMPARE(Cell(grid, 1, 10), QString());

    // The editor's own "O&k" does nothing here; "&Schrap" closes.
    Child<QPushButton>(&form, "SluitBtn3")->click();
    QVERIFY(form.isVisible());
    Child<QPushButton>(&form, "HelpBitBtn")->click();
    QCOMPARE(dialogs.helpRequests.back(), 245);
    Child<QPushButton>(&form, "SchrapBtn3")->click();
    QVERIFY(!form.isVisible());
}

void TestRenumbering::savesTheTableFromTheGrid() {
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    openView(form, dialogs);
    auto* grid = Child<QTableWidget>(&form, "Vernummergrid");
    auto* save = Child<QPushButton>(&form, "RedTabelBtn");
    for (int p = 1; p <= 10; ++p) {
        TypeCell(grid, 0, p, QString::number(kSwapped[static_cast<std::size_t>(p - 1)]));
        TypeCell(grid, 1, p, QString::number(kRotated[static_cast<std::size_t>(p - 1)]));
    }
    TypeCell(grid, 1, 4, QStringLiteral("5"));

    // Pair 5 twice in session 2: nothing saved and the view stays.
    dialogs.answerYes();
    {
        ModalAnswers session("ZitKopieDlg", ChoosingSession(QStringLiteral("2")));
        save->click();
    }
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Vernummertabel bewaren ?", "Paar: 5 komt vaker voor"}));
    QVERIFY(dialogs.fileChoices.empty());
    QVERIFY(form.isVisible());

    TypeCell(grid, 1, 4, QStringLiteral("6"));
    dialogs.messages.clear();
    dialogs.answerYes();
    dialogs.files.push_back(file("tien.vnm"));
    {
        ModalAnswers session("ZitKopieDlg", ChoosingSession(QStringLiteral("2")));
        save->click();
    }
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Vernummertabel bewaren ?",
                                       "Bridge Vernummeren bestand\r Bewaren van\rtien.vnm"}));
    QCOMPARE(dialogs.fileChoices.back().filter,
             std::string("Vernummer file (*.vnm*)|*.VNM*|Special file (*.*)|*.*"));
    QVERIFY(!form.isVisible());
    QCOMPARE(velk::test::FileContents(file("tien.vnm")), TableBytes({{2, 10}, kSwapped, kRotated}));

    // No to the question closes the view without saving.
    dialogs.messages.clear();
    openView(form, dialogs);
    dialogs.answerNo();
    save->click();
    QCOMPARE(dialogs.texts(), std::vector<std::string>{"Vernummertabel bewaren ?"});
    QVERIFY(!form.isVisible());
}

void TestRenumbering::makesARenumberedSchedule() {
    velk::test::WriteContents(file("tabel.vnm"), TableBytes({{2, 10}, kSwapped, kRotated}));
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    openView(form, dialogs);
    dialogs.files.push_back(file("tabel.vnm"));
    Child<QPushButton>(&form, "OpenTabelBtn")->click();
    dialogs.messages.clear();

    ModalAnswers answers("SchemaDlg", [](QWidget* dialog) {
        QCOMPARE(dialog->toolTip(), QStringLiteral("Schema lezen van schijf/diskette"));
        Child<QComboBox>(dialog, "parenbox")->setEditText(QStringLiteral("10"));
        Child<QComboBox>(dialog, "tafelsbox")->setEditText(QStringLiteral("5"));
        Child<QComboBox>(dialog, "rondenbox")->setEditText(QStringLiteral("3"));
        Child<QComboBox>(dialog, "spelgrpnbox")->setEditText(QStringLiteral("3"));
        Child<QPushButton>(dialog, "VolgendeBtn")->click();
    });
    answers.then("ZitKopieDlg", ChoosingSession(QStringLiteral("2")));
    dialogs.files.push_back(file("3r-10p-z2.ws0"));
    Child<QPushButton>(&form, "MaakSchemaBtn")->click();
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Bridge Schema bestand\rRedSchema, Bewaren van\r3r-10p-z2.ws0",
                                       "Bridge Schema bestand opgeslagen: 3r-10p-z2.ws0"}));
    QVERIFY(!form.isVisible());

    // Session 2's row applied to every entry of session 1's schedule.
    std::vector<std::uint8_t> expected = {3, 10, 5, 3};
    for (int r = 1; r <= 3; ++r)
        for (int t = 1; t <= 5; ++t) {
            expected.push_back(static_cast<std::uint8_t>(t));
            expected.push_back(
                static_cast<std::uint8_t>(kRotated[static_cast<std::size_t>(BaseNS(r, t) - 1)]));
            expected.push_back(
                static_cast<std::uint8_t>(kRotated[static_cast<std::size_t>(BaseEW(r, t) - 1)]));
            expected.push_back(static_cast<std::uint8_t>(BaseLetter(r, t)));
        }
    QCOMPARE(velk::test::FileContents(file("3r-10p-z2.ws0")), expected);
    QCOMPARE(club_.BaseScheduleFile, file("3r-10p-z2.ws0"));
}

void TestRenumbering::renumberingCountsAndSessionFromTheKeyboard() {
    using velk::test::KeyHere;
    using velk::test::TypeHere;
    velk::test::WriteContents(file("tabel.vnm"), TableBytes({{2, 10}, kSwapped, kRotated}));
    ScriptedDialogs dialogs;
    TSchemaForm form(club_, dialogs);
    // "10", Tab past the type, Enter on "Volgende".
    ModalAnswers counts("VernummerDlg", [](QWidget*) {
        TypeHere(QStringLiteral("10"));
        KeyHere(Qt::Key_Tab);
        QVERIFY(velk::test::FocusIsOn(QApplication::focusWidget(), QStringLiteral("Schmtypebox")));
        KeyHere(Qt::Key_Tab);
        KeyHere(Qt::Key_Return);
    });
    QVERIFY(form.ChangeSchedule(7));
    QVERIFY(counts.done());
    QVERIFY(dialogs.messages.empty());

    // The view's grid keeps Tab for its cells: its buttons are clicked.
    dialogs.files.push_back(file("tabel.vnm"));
    Child<QPushButton>(&form, "OpenTabelBtn")->click();
    QCOMPARE(Cell(Child<QTableWidget>(&form, "Vernummergrid"), 1, 1), QStringLiteral("3"));
    dialogs.messages.clear();

    // The new schedule's counts, each confirmed with Tab; the session with Enter twice.
    ModalAnswers answers("SchemaDlg", [](QWidget*) {
        for (const char* count : {"10", "5", "3", "3"}) {
            TypeHere(QString::fromLatin1(count));
            KeyHere(Qt::Key_Tab);
        }
        QVERIFY(velk::test::TabTo("VolgendeBtn"));
        KeyHere(Qt::Key_Return);
    });
    answers.then("ZitKopieDlg", [](QWidget*) {
        KeyHere(Qt::Key_A, Qt::ControlModifier);
        TypeHere(QStringLiteral("2"));
        KeyHere(Qt::Key_Return);
        QCOMPARE(velk::test::FocusName(), QStringLiteral("OkBtn"));
        KeyHere(Qt::Key_Return);
    });
    dialogs.files.push_back(file("3r-10p-z2.ws0"));
    Child<QPushButton>(&form, "MaakSchemaBtn")->click();
    QVERIFY(answers.done());
    QCOMPARE(dialogs.texts(),
             (std::vector<std::string>{"Bridge Schema bestand\rRedSchema, Bewaren van\r3r-10p-z2.ws0",
                                       "Bridge Schema bestand opgeslagen: 3r-10p-z2.ws0"}));

    // Session 2's row (the rotation) applied to every entry of session 1's schedule.
    const auto written = velk::test::FileContents(file("3r-10p-z2.ws0"));
    QCOMPARE(written.size(), std::size_t{4 + 4 * 15});
    QCOMPARE((std::vector<std::uint8_t>(written.begin(), written.begin() + 4)),
             (std::vector<std::uint8_t>{3, 10, 5, 3}));
    // Round 1, table 1 played NZ 1 - OW 6: now 3 - 8; round 3, table 5: NZ 5 - OW 7, now 7 - 9.
    QCOMPARE((std::vector<std::uint8_t>(written.begin() + 4, written.begin() + 8)),
             (std::vector<std::uint8_t>{1, 3, 8, static_cast<std::uint8_t>(BaseLetter(1, 1))}));
    QCOMPARE((std::vector<std::uint8_t>(written.end() - 4, written.end())),
             (std::vector<std::uint8_t>{5, 7, 9, static_cast<std::uint8_t>(BaseLetter(3, 5))}));
}

void TestRenumbering::menuItemOpensTheRenumbering() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(!window.action("RenumberSchedule")->isEnabled());

    velk::test::CompetitionOnDisk competition(10, 1, 5, 1);
    QVERIFY(velk::test::OpenInWindow(window, competition.write("club_1.dba")));
    QAction* renumber = window.action("RenumberSchedule");
    QVERIFY(renumber->isEnabled());
    QCOMPARE(renumber->text(), QStringLiteral("Schema Vernummeren"));
    bool asked = false;
    ModalAnswers counts("VernummerDlg", [&asked](QWidget* dialog) {
        asked = true;
        QTest::keyClick(Child<QComboBox>(dialog, "parenbox")->lineEdit(), Qt::Key_Escape);
    });
    Trigger(&window, "RenumberSchedule");
    QVERIFY(asked);
}

QTEST_MAIN(TestRenumbering)
#include "tst_renumbering.moc"
