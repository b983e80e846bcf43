#include "club/CompetitionData.h"
#include "core/files/CompetitionFile.h"
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <fstream>

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 8, 20, 15, 0});

// Answers every modal window that opens, as a club administrator walking the wizard would.
class Answerer : public QObject {
public:
    explicit Answerer(bool cancelSessionDialog = false) : cancelSession_(cancelSessionDialog) {
        connect(&timer_, &QTimer::timeout, this, &Answerer::answer);
        timer_.start(20);
    }
    QStringList seen;

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const QString name = modal->objectName();
        if (seen.isEmpty() || seen.last() != name || name == QLatin1String("PaarkeuzeDlg"))
            seen << name;
        if (name == QLatin1String("PaarkeuzeDlg")) {
            if (auto* radio = modal->findChild<QRadioButton*>("PaarNaamRadio"); radio && radio->isVisible())
                radio->click();
            click(modal, "VerderBtn");
        } else if (name == QLatin1String("ConfigDial")) {
            set(modal, "Edit1", "BC De Troef");
            set(modal, "Edit2", "16");
            set(modal, "Edit3", "2");
            set(modal, "Edit6", "8");
            click(modal, "OkConfigBtn");
        } else if (name == QLatin1String("SelectieDlg")) {
            click(modal, "OkBtn");
        } else if (name == QLatin1String("ZittingDlg")) {
            if (cancelSession_)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                click(modal, "OKZitBtn");
        }
    }
    static void set(QWidget* w, const char* name, const char* text) {
        if (auto* edit = w->findChild<QLineEdit*>(name))
            edit->setText(QString::fromUtf8(text));
    }
    static void click(QWidget* w, const char* name) {
        if (auto* b = w->findChild<QPushButton*>(name); b && b->isVisible() && b->isEnabled())
            b->click();
    }
    QTimer timer_;
    bool cancelSession_;
};

std::int16_t I16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}
std::string Short(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(reinterpret_cast<const char*>(&b[at + 1]), b[at]);
}

// A competition on disk, written by the file routines.
std::string WriteCompetition(const velk::test::TempFolder& folder, const std::string& name, int pairs,
                             int groups) {
    velk::Club club = velk::test::MakeClub(pairs, groups, pairs / 2, 1);
    club.CompetitionHead.CompetitionName.set("BC Velk");
    velk::StoreHead(club);
    static const char* const families[] = {
        "Jansen", "de Vries", "Bakker", "Visser",   "Smit",     "Meijer", "de Boer", "Mulder", "de Groot",
        "Bos",    "Vos",      "Peters", "Hendriks", "van Dijk", "Dekker", "Brouwer", "de Wit", "Dijkstra"};
    for (int i = 1; i <= pairs; ++i)
        club.PairList[static_cast<std::size_t>(i)].Naam.set(std::string(families[i % 18]) + " - " +
                                                            families[(i * 7 + 3) % 18]);
    velk::test::ScriptedDialogs dialogs;
    velk::ErrorCode error;
    const std::string path = folder.file(name);
    velk::WriteCompetitionFile(path, club, club.CompetitionHead, name, 2026, dialogs, error);
    return path;
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
        Answerer answerer;
        window.action("NewCompetition")->trigger();

        QCOMPARE(window.fileState(), TClubWindow::FileState::Open);
        QCOMPARE(answerer.seen.count(QStringLiteral("PaarkeuzeDlg")), 5);
        QVERIFY(answerer.seen.contains(QStringLiteral("ConfigDial")));
        QVERIFY(answerer.seen.contains(QStringLiteral("ZittingDlg")));
        QVERIFY(answerer.seen.contains(QStringLiteral("SelectieDlg")));
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
        velk::test::TempFolder folder;
        const std::string path = WriteCompetition(folder, "club_1.dba", 16, 2);
        velk::test::ScriptedDialogs dialogs;
        {
            TClubWindow window(dialogs, kClock);
            Answerer answerer(true);
            QVERIFY(window.openFile(QString::fromStdString(path)));
            QVERIFY(answerer.seen.contains(QStringLiteral("ZittingDlg")));
            QCOMPARE(window.grid()->item(2, 4)->text(), QStringLiteral("Visser - de Boer"));
            window.grid()->item(2, 4)->setText(QStringLiteral("Jansen - Pietersen"));
            window.action("Save")->trigger();
            QCOMPARE(dialogs.texts().back(), "Wegschrijven van " + path + " gelukt");
        }
        TClubWindow reopened(dialogs, kClock);
        Answerer answerer(true);
        QVERIFY(reopened.openFile(QString::fromStdString(path)));
        QCOMPARE(reopened.grid()->item(2, 4)->text(), QStringLiteral("Jansen - Pietersen"));
        QCOMPARE(reopened.club().PairList[3].Naam.get(), std::string("Jansen - Pietersen"));
    }

    void duplicateClubNumberStopsTheSave() {
        velk::test::TempFolder folder;
        const std::string path = WriteCompetition(folder, "club_1.dba", 8, 1);
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        Answerer answerer(true);
        QVERIFY(window.openFile(QString::fromStdString(path)));
        const auto before = velk::test::ReadBytes(path);
        window.grid()->item(5, 1)->setText(QStringLiteral("2"));
        window.action("Save")->trigger();
        QVERIFY(QString::fromStdString(dialogs.texts().back())
                    .startsWith(QStringLiteral("Clubnummer in duplo  :")));
        QCOMPARE(window.grid()->currentRow(), 5);
        QCOMPARE(velk::test::ReadBytes(path), before);
        // One group: no group paging buttons.
        QVERIFY(!window.findChild<QPushButton*>("GroepPlus")->isVisible());
        QVERIFY(!window.findChild<QPushButton*>("GroepMin")->isVisible());
    }

    void pageDownMovesOneGroup() {
        velk::test::TempFolder folder;
        const std::string path = WriteCompetition(folder, "club_1.dba", 40, 4);
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.show();
        Answerer answerer(true);
        QVERIFY(window.openFile(QString::fromStdString(path)));
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
