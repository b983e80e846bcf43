// "Gegevens bewerken" from the pair grid, and the grid's own edits: the same checks, the same
// messages, and only what they accept reaches the file.
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using velk::test::Child;
using velk::test::CompetitionOnDisk;
using velk::test::FocusName;
using velk::test::ModalAnswers;
using velk::test::OpenInWindow;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

const std::string kGroupRefused = "Groep : is geen geldig Karakter\n\r corrigeer (zonodig) invoer";
const std::string kGrpNrRefused = "GroepNummer  is geen geldige waarde\n\r corrigeer (zonodig) invoer";
const std::string kNameRefused = "Namen  is geen geldige waarde\n\r corrigeer (zonodig) invoer";
const QString kLongName =
    QStringLiteral("Jansen - Pietersen - van den Berg - de Vries - Bakker - Smit xx"); // 62

enum Column { ColClubNr = 1, ColGroep = 2, ColGrpNr = 3, ColNaam = 4 };

// Pair record `pair` of a competition file of 16 pairs as its 58 bytes are on disk: Indx, ClubNr,
// Groep, GrpNr, the name with its length byte in 49 bytes, Rang.
std::vector<std::uint8_t> RecordOnDisk(const std::vector<std::uint8_t>& file, int pair) {
    const std::size_t at = 445 + 32 + static_cast<std::size_t>(pair) * 58;
    return {file.begin() + static_cast<std::ptrdiff_t>(at),
            file.begin() + static_cast<std::ptrdiff_t>(at + 58)};
}
std::vector<std::uint8_t> Record(int indx, int clubNr, char groep, int grpNr, const std::string& name) {
    std::vector<std::uint8_t> r = {std::uint8_t(indx),  0, std::uint8_t(clubNr),     0, std::uint8_t(groep),
                                   std::uint8_t(grpNr), 0, std::uint8_t(name.size())};
    r.insert(r.end(), name.begin(), name.end());
    r.resize(58, 0);
    return r;
}

void SelectAllAndType(QWidget* dialog, const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

class TestPairDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<CompetitionOnDisk> disk_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TClubWindow> window_;
    std::string path_;

    // The competition of 16 pairs in groups A and B open in the main window, which has the focus.
    TClubWindow& open() {
        disk_ = std::make_unique<CompetitionOnDisk>(16, 2, 8);
        path_ = disk_->familyNames().write();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        window_ = std::make_unique<TClubWindow>(*dialogs_, kClock);
        if (!OpenInWindow(*window_, path_))
            qFatal("cannot open %s", path_.c_str());
        // Active after the session choice, so that keys reach the grid's focus.
        velk::test::ShowActive(window_.get());
        return *window_;
    }

    // Saves and returns the file's bytes.
    std::vector<std::uint8_t> save() {
        Trigger(window_.get(), "Save");
        if (dialogs_->texts().back() != "Wegschrijven van " + path_ + " gelukt")
            qFatal("not saved: %s", dialogs_->texts().back().c_str());
        return ReadBytes(path_);
    }

    // Types `text` into cell (row, column) as a user does: the first key starts the cell's editor.
    void typeInCell(int row, int column, const QString& text) {
        PairGrid* grid = window_->grid();
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QTest::keyClicks(grid, text.left(1));
        QVERIFY(grid->isEditing());
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

private slots:
    void cleanup() {
        window_.reset();
        dialogs_.reset();
        disk_.reset();
    }

    void doubleClickOpensTheDialogWhichRefusesWhatDoesNotFit() {
        TClubWindow& window = open();
        ScriptedDialogs& dialogs = *dialogs_;
        PairGrid* grid = window.grid();
        const QString name3 = grid->item(2, ColNaam)->text();
        ModalAnswers answers("NewPaarDlg", [&](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Gegevens bewerken"));
            QCOMPARE(Child<QLabel>(d, "HeadLabel")->text(),
                     QStringLiteral(" Wijzigen van de velden van een Clubpaar : "));
            QCOMPARE(Child<QLineEdit>(d, "ClubIndex")->text(), QStringLiteral("3"));
            QCOMPARE(Child<QLineEdit>(d, "ClubNoEdit")->text(), QStringLiteral("3"));
            QCOMPARE(Child<QLineEdit>(d, "GroepEdit")->text(), QStringLiteral("A"));
            QCOMPARE(Child<QLineEdit>(d, "GrpNoEdit")->text(), QStringLiteral("3"));
            QCOMPARE(Child<QLineEdit>(d, "NamenEdit")->text(), name3);
            QCOMPARE(Child<QLineEdit>(d, "RangEdit")->text(), QStringLiteral("0"));
            QCOMPARE(FocusName(), QStringLiteral("ClubNoEdit"));

            // Tab checks a field and moves on; a refused one keeps the focus.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(FocusName(), QStringLiteral("GroepEdit"));
            SelectAllAndType(d, "GroepEdit", QStringLiteral("Z"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(dialogs.texts(), std::vector<std::string>{kGroupRefused});
            QCOMPARE(FocusName(), QStringLiteral("GroepEdit"));
            SelectAllAndType(d, "GroepEdit", QStringLiteral("b"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(Child<QLineEdit>(d, "GroepEdit")->text(), QStringLiteral("B"));
            QCOMPARE(FocusName(), QStringLiteral("GrpNoEdit"));

            // Enter presses "Voeg in", which checks every field in order: the first refused one
            // keeps the focus and the dialog stays.
            SelectAllAndType(d, "GrpNoEdit", QStringLiteral("99"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(dialogs.texts().back(), kGrpNrRefused);
            QCOMPARE(FocusName(), QStringLiteral("GrpNoEdit"));
            QVERIFY(d->isVisible());
            // Group B holds 9 pairs with this one: 9 is its number.
            SelectAllAndType(d, "GrpNoEdit", QStringLiteral("9"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(FocusName(), QStringLiteral("NamenEdit"));
            SelectAllAndType(d, "NamenEdit", kLongName);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(dialogs.texts().back(), kNameRefused);
            QCOMPARE(FocusName(), QStringLiteral("NamenEdit"));
            QCOMPARE(dialogs.messages.size(), std::size_t(3));
            SelectAllAndType(d, "NamenEdit", QStringLiteral("Jansen - Pietersen"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        const QRect cell = grid->visualItemRect(grid->item(2, ColNaam));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(answers.done());
        QVERIFY(!grid->isEditing());

        QCOMPARE(dialogs.messages.size(), std::size_t(3));
        QCOMPARE(grid->item(2, ColGroep)->text(), QStringLiteral("B"));
        QCOMPARE(grid->item(2, ColGrpNr)->text(), QStringLiteral("9"));
        QCOMPARE(grid->item(2, ColNaam)->text(), QStringLiteral("Jansen - Pietersen"));
        const auto before = ReadBytes(path_);
        const auto after = save();
        QCOMPARE(RecordOnDisk(after, 3), Record(3, 3, 'B', 9, "Jansen - Pietersen"));
        for (int pair : {2, 4, 11})
            QCOMPARE(RecordOnDisk(after, pair), RecordOnDisk(before, pair));
    }

    void enterOnARowOpensTheDialogAndSchrapKeepsThePair() {
        TClubWindow& window = open();
        PairGrid* grid = window.grid();
        const QString name5 = grid->item(4, ColNaam)->text();
        ModalAnswers answers("NewPaarDlg", [&](QWidget* d) {
            QCOMPARE(Child<QLineEdit>(d, "ClubIndex")->text(), QStringLiteral("5"));
            // Tab goes through the four fields and the buttons, past what is only shown.
            QStringList order{FocusName()};
            for (int i = 0; i < 6; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                order << FocusName();
            }
            QCOMPARE(order, QStringList({"ClubNoEdit", "GroepEdit", "GrpNoEdit", "NamenEdit", "InvoegKnop",
                                         "StopKnop", "ClubNoEdit"}));
            SelectAllAndType(d, "NamenEdit", QStringLiteral("Bakker - Smit"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        grid->setFocus();
        grid->selectPair(5);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(answers.done());
        QVERIFY(dialogs_->messages.empty());
        QCOMPARE(grid->item(4, ColNaam)->text(), name5);
        QCOMPARE(QString::fromStdString(window.club().PairList[5].Naam.get()), name5);
    }

    void gridEditsGoThroughTheSameChecks() {
        TClubWindow& window = open();
        ScriptedDialogs& dialogs = *dialogs_;
        PairGrid* grid = window.grid();
        const QString name4 = grid->item(3, ColNaam)->text();

        // A refused cell keeps what it had, and what was typed is offered again to be corrected.
        typeInCell(3, ColGroep, QStringLiteral("Z"));
        QTRY_COMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.texts().back(), kGroupRefused);
        QCOMPARE(grid->item(3, ColGroep)->text(), QStringLiteral("A"));
        QVERIFY(grid->isEditing());
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), QStringLiteral("Z"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("b"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(grid->item(3, ColGroep)->text(), QStringLiteral("B"));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));

        typeInCell(3, ColGrpNr, QStringLiteral("99"));
        QTRY_COMPARE(dialogs.messages.size(), std::size_t(2));
        QCOMPARE(dialogs.texts().back(), kGrpNrRefused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // gives up the edit
        QTRY_VERIFY(!grid->isEditing());
        QCOMPARE(grid->item(3, ColGrpNr)->text(), QStringLiteral("4"));
        // In group B, which holds 9 pairs with this one, its number follows the 8 there.
        typeInCell(3, ColGrpNr, QStringLiteral("9"));
        QTRY_COMPARE(grid->item(3, ColGrpNr)->text(), QStringLiteral("9"));

        typeInCell(3, ColNaam, kLongName);
        QTRY_COMPARE(dialogs.messages.size(), std::size_t(3));
        QCOMPARE(dialogs.texts().back(), kNameRefused);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!grid->isEditing());
        QCOMPARE(grid->item(3, ColNaam)->text(), name4);

        // Only what was accepted reaches the file.
        QCOMPARE(dialogs.messages.size(), std::size_t(3));
        const auto after = save();
        QCOMPARE(RecordOnDisk(after, 4), Record(4, 4, 'B', 9, name4.toStdString()));
    }
};

QTEST_MAIN(TestPairDialog)
#include "tst_pairdialog.moc"
