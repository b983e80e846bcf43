#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using velk::test::Child;
using velk::test::Click;
using velk::test::Clicking;
using velk::test::ModalAnswers;
using velk::test::OpenInWindow;
using velk::test::Pressing;
using velk::test::Trigger;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 8, 20, 15, 0});

// The wizard's steps as a club administrator walks them: every step goes on with pair names.
void NextStep(QWidget* step) {
    if (auto* names = step->findChild<QRadioButton*>("PaarNaamRadio"); names && names->isVisible())
        Click(names);
    Click(step, "VerderBtn");
}

// The session choice: "Kiezen" takes the session shown, then "OK" closes.
void TakeTheSession(QWidget* dialog) {
    Click(dialog, "OKZitBtn");
    QCOMPARE(Child<QPushButton>(dialog, "OKZitBtn")->text(), QStringLiteral("OK"));
    Click(dialog, "OKZitBtn");
}

void CompetitionData(QWidget* dialog) {
    Child<QLineEdit>(dialog, "Edit1")->setText(QStringLiteral("BC De Troef"));
    Child<QLineEdit>(dialog, "Edit2")->setText(QStringLiteral("16"));
    Child<QLineEdit>(dialog, "Edit3")->setText(QStringLiteral("2"));
    Child<QLineEdit>(dialog, "Edit6")->setText(QStringLiteral("8"));
    Click(dialog, "OkConfigBtn");
}

std::int16_t I16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}
std::string Short(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(&b[at + 1]), b[at]);
}

// Written as "club_1.dba" of the competition "BC Velk", each pair with a name of its own.
std::string WriteNamed(velk::test::CompetitionOnDisk& competition) {
    return competition.competitionName("BC Velk").familyNames().write("club_1.dba");
}

} // namespace

class TestClubWindow : public QObject {
    Q_OBJECT

private slots:
    void wizardMakesACompetitionFile() {
        velk::test::TempFolder folder;
        velk::test::ScriptedDialogs dialogs;
        dialogs.files.push_back(folder.file("troef2026.dba"));
        dialogs.files.push_back(std::nullopt); // no base schedule chosen: the reading ends
        TClubWindow window(dialogs, kClock);
        window.show();
        ModalAnswers answerer("PaarkeuzeDlg", NextStep);
        answerer.then("ConfigDial", CompetitionData)
            .then("PaarkeuzeDlg", NextStep)
            .then("PaarkeuzeDlg", NextStep)
            .then("ZittingDlg", TakeTheSession)
            .then("PaarkeuzeDlg", NextStep)
            .then("PaarkeuzeDlg", NextStep)
            .then("SelectieDlg", Clicking("OkBtn"))
            .then("OptiesForm", Clicking("OkBtn")); // the last step opens the options
        Trigger(&window, "NewCompetition");

        QCOMPARE(window.fileState(), TClubWindow::FileState::Open);
        QCOMPARE(answerer.seen().count(QStringLiteral("PaarkeuzeDlg")), 5);
        QVERIFY(answerer.seen().contains(QStringLiteral("ConfigDial")));
        QVERIFY(answerer.seen().contains(QStringLiteral("ZittingDlg")));
        QVERIFY(answerer.seen().contains(QStringLiteral("SelectieDlg")));
        QCOMPARE(answerer.seen().back(), QStringLiteral("OptiesForm"));
        QCOMPARE(dialogs.fileChoices.back().filter, std::string("Schema bestand (*.*)|*.*"));
        QVERIFY(QFileInfo::exists(QString::fromStdString(folder.file("troef2026_1.sma"))));
        QCOMPARE(window.grid()->rowCount(), 16);
        QCOMPARE(window.findChild<QLabel*>("StatusFile")->text(), QStringLiteral("Bestand: troef2026_1.dba"));
        QVERIFY(!window.action("NewCompetition")->isEnabled());
        QVERIFY(window.action("Save")->isEnabled());

        // The saved file, read straight from the layout.
        const auto bytes = velk::test::ReadBytes(folder.file("troef2026_1.dba"));
        QCOMPARE(bytes.size(), std::size_t(445 + 32 + 17 * 58 + 2 + 113 + 17 * 26));
        QCOMPARE(Short(bytes, 0), std::string("BC De Troef"));
        QCOMPARE(I16(bytes, 33), std::int16_t(16));
        QCOMPARE(I16(bytes, 35), std::int16_t(2));
        QCOMPARE(I16(bytes, 39), std::int16_t(8));
        const std::size_t pairs = 445 + 32;
        QCOMPARE(I16(bytes, pairs), std::int16_t(2026));
        QCOMPARE(bytes[pairs + 4], std::uint8_t('C'));
        QCOMPARE(Short(bytes, pairs + 7), std::string("troef2026_1.dba"));
        QCOMPARE(Short(bytes, pairs + 16 * 58 + 7), std::string("PaarB8"));
        const std::size_t sessions = pairs + 17 * 58;
        QCOMPARE(I16(bytes, sessions), std::int16_t(1));
        QCOMPARE(I16(bytes, sessions + 2 + 2), std::int16_t(1)); // session number
        QCOMPARE(Short(bytes, sessions + 2 + 16), std::string("08-12-2026"));
    }

    void openEditNameSaveReopen() {
        velk::test::CompetitionOnDisk competition(16, 2, 8);
        const std::string path = WriteNamed(competition);
        velk::test::ScriptedDialogs dialogs;
        {
            TClubWindow window(dialogs, kClock);
            ModalAnswers answerer("ZittingDlg", Pressing(Qt::Key_Escape));
            QVERIFY(window.openFile(QString::fromStdString(path)));
            QVERIFY(answerer.seen().contains(QStringLiteral("ZittingDlg")));
            QCOMPARE(window.grid()->item(2, 4)->text(), QStringLiteral("Visser - de Boer"));
            window.grid()->item(2, 4)->setText(QStringLiteral("Jansen - Pietersen"));
            Trigger(&window, "Save");
            QCOMPARE(dialogs.texts().back(), "Wegschrijven van " + path + " gelukt");
        }
        TClubWindow reopened(dialogs, kClock);
        QVERIFY(OpenInWindow(reopened, path));
        QCOMPARE(reopened.grid()->item(2, 4)->text(), QStringLiteral("Jansen - Pietersen"));
        QCOMPARE(reopened.club().PairList[3].Naam.get(), std::string("Jansen - Pietersen"));
    }

    void duplicateClubNumberStopsTheSave() {
        velk::test::CompetitionOnDisk competition(8, 1, 4);
        const std::string path = WriteNamed(competition);
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        QVERIFY(OpenInWindow(window, path));
        const auto before = velk::test::ReadBytes(path);
        window.grid()->item(5, 1)->setText(QStringLiteral("2"));
        Trigger(&window, "Save");
        QVERIFY(QString::fromStdString(dialogs.texts().back())
                    .startsWith(QStringLiteral("Clubnummer in duplo  :")));
        QCOMPARE(window.grid()->currentRow(), 5);
        QCOMPARE(velk::test::ReadBytes(path), before);
        // One group: no group paging buttons.
        QVERIFY(!window.findChild<QPushButton*>("GroepPlus")->isVisible());
        QVERIFY(!window.findChild<QPushButton*>("GroepMin")->isVisible());
    }

    void pageDownMovesOneGroup() {
        velk::test::CompetitionOnDisk competition(40, 4, 20);
        const std::string path = WriteNamed(competition);
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.show();
        QVERIFY(OpenInWindow(window, path));
        QVERIFY(window.findChild<QPushButton*>("GroepPlus")->isVisible());
        window.grid()->setFocus();
        QTest::keyClick(window.grid(), Qt::Key_PageDown);
        QTest::keyClick(window.grid(), Qt::Key_PageDown);
        QCOMPARE(window.currentGroup(), 3);
        QCOMPARE(window.grid()->currentRow(), 20);
        QTest::keyClick(window.grid(), Qt::Key_PageUp);
        QCOMPARE(window.currentGroup(), 2);

        // The screenshot for the README: a four-group competition with its grid and menus.
        if (const QByteArray target = qgetenv("VELK_SCREENSHOT"); !target.isEmpty()) {
            window.resize(900, 640);
            window.grid()->selectPair(1);
            QTest::qWait(100);
            QVERIFY(window.grab().save(QString::fromLocal8Bit(target)));
        }
    }
};

QTEST_MAIN(TestClubWindow)
#include "tst_clubwindow.moc"
