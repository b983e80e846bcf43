// The main window keeps the competition whole: cancelled operations leave it as it was, only the
// file asked for is written, a change is never lost without a question and every message says what
// really happened.
#include "club/CompetitionData.h"
#include "core/files/CompetitionFile.h"
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "gui/schedules/TSchemaForm.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <memory>

using velk::test::Canceller;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 8, 20, 15, 0});

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// A competition on disk with `sessions` sessions, each pair's result rows telling them apart.
std::string WriteCompetition(const TempFolder& folder, const std::string& name, int pairs, int groups,
                             int sessions = 1) {
    velk::Club club = velk::test::MakeClub(pairs, groups, pairs / 2, sessions);
    club.CompetitionHead.CompetitionName.set("BC Velk");
    velk::StoreHead(club);
    for (int i = 1; i <= pairs; ++i) {
        auto& pair = club.PairList[static_cast<std::size_t>(i)];
        pair.Naam.set("Paar nummer " + std::to_string(i));
        pair.Rang = static_cast<std::int16_t>((i - 1) % club.PairsPerGroup + 1);
        for (auto& session : club.SessionList)
            session.Rows[static_cast<std::size_t>(i)].Points = 10.0f * static_cast<float>(i);
    }
    ScriptedDialogs dialogs;
    velk::ErrorCode error;
    const std::string path = folder.file(name);
    velk::WriteCompetitionFile(path, club, club.CompetitionHead, name, 2026, dialogs, error);
    return path;
}

bool Said(const ScriptedDialogs& dialogs, const std::string& text) {
    const auto texts = dialogs.texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The items of the "Beel&d" menu.
QStringList ViewMenuItems(TClubWindow& window) {
    QStringList items;
    for (QAction* top : window.menuBar()->actions())
        if (top->text() == QStringLiteral("Beel&d"))
            for (QAction* item : top->menu()->actions())
                items << item->text();
    return items;
}

QAction* ViewMenuItem(TClubWindow& window, const QString& text) {
    for (QAction* top : window.menuBar()->actions())
        if (top->text() == QStringLiteral("Beel&d"))
            for (QAction* item : top->menu()->actions())
                if (item->text() == text)
                    return item;
    return nullptr;
}

// Walks the new-file wizard, stopping at step `stopAt` (0: never).
class WizardAnswerer : public QObject {
public:
    explicit WizardAnswerer(int stopAt) : stopAt_(stopAt) {
        connect(&timer_, &QTimer::timeout, this, &WizardAnswerer::answer);
        timer_.start(20);
    }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const QString name = modal->objectName();
        if (name == QLatin1String("PaarkeuzeDlg")) {
            if (auto* radio = modal->findChild<QRadioButton*>("PaarNaamRadio"); radio && radio->isVisible())
                radio->click();
            // A step counts once its button was pressed.
            if (click(modal, step_ + 1 == stopAt_ ? "StopBtn" : "VerderBtn"))
                ++step_;
        } else if (name == QLatin1String("ConfigDial")) {
            set(modal, "Edit1", "BC De Troef");
            set(modal, "Edit2", "16");
            set(modal, "Edit3", "2");
            set(modal, "Edit6", "8");
            click(modal, "OkConfigBtn");
        } else if (name == QLatin1String("SelectieDlg")) {
            click(modal, "OkBtn");
        } else if (name == QLatin1String("ZittingDlg")) {
            click(modal, "OKZitBtn");
        }
    }
    static void set(QWidget* w, const char* name, const char* text) {
        if (auto* edit = w->findChild<QLineEdit*>(name))
            edit->setText(QString::fromUtf8(text));
    }
    static bool click(QWidget* w, const char* name) {
        auto* b = w->findChild<QPushButton*>(name);
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        b->click();
        return true;
    }
    QTimer timer_;
    int stopAt_;
    int step_ = 0;
};

// Remembers what the main window showed when the schedule file was asked for.
class WatchingDialogs : public ScriptedDialogs {
public:
    TClubWindow* window = nullptr;
    QStringList statusAtOpen;
    std::optional<std::string> openFileName(const velk::FileChoice& c) override {
        if (window)
            statusAtOpen << window->findChild<QLabel*>("StatusFile")->text();
        return ScriptedDialogs::openFileName(c);
    }
};

} // namespace

class TestClubWindowChanges : public QObject {
    Q_OBJECT

    // Opens a competition of `pairs` pairs in `groups` groups written as "club_1.dba"; the session
    // dialog that follows the open is cancelled.
    TClubWindow& open(int pairs, int groups, int sessions = 1) {
        window_.reset();
        folder_ = std::make_unique<TempFolder>();
        path_ = WriteCompetition(*folder_, "club_1.dba", pairs, groups, sessions);
        dialogs_ = std::make_unique<ScriptedDialogs>();
        window_ = std::make_unique<TClubWindow>(*dialogs_, kClock);
        Canceller cancelSessionDialog("ZittingDlg");
        opened_ = window_->openFile(QString::fromStdString(path_));
        return *window_;
    }
    std::unique_ptr<TempFolder> folder_;
    std::string path_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TClubWindow> window_;
    bool opened_ = false;

private slots:
    void cleanup() {
        window_.reset();
        dialogs_.reset();
        folder_.reset();
    }

    void nextCompetitionAnsweredNoLeavesTheListAsItWas() {
        for (const bool cancelDialog : {false, true}) {
            TClubWindow& window = open(20, 2, 6);
            QVERIFY(opened_);
            ScriptedDialogs& dialogs = *dialogs_;
            const std::string path = path_;
            window.club().ConfigRecord.Degradations[0] = 2;
            window.club().ConfigRecord.PromotionsUp[1] = 2;
            const auto pairs = window.club().PairList;
            const auto original = ReadBytes(path);
            if (cancelDialog) {
                dialogs.answerYes();
                dialogs.files.push_back(std::nullopt);
            } else {
                dialogs.answerNo();
            }
            QVERIFY(window.action("NextCompetition")->isEnabled());
            window.action("NextCompetition")->trigger();
            QCOMPARE(dialogs.texts().back(), std::string("Bridge Club is opnieuw ingedeeld\rBestand bewaren "
                                                         "met nieuwe naam "));
            QVERIFY(window.club().PairList == pairs);
            QCOMPARE(window.grid()->item(8, 4)->text(), QStringLiteral("Paar nummer 9"));
            QCOMPARE(window.grid()->item(8, 2)->text(), QStringLiteral("A"));
            // The results stay with their pairs: saving gives back the file as it was read.
            window.club().ConfigRecord.Degradations[0] = 0;
            window.club().ConfigRecord.PromotionsUp[1] = 0;
            window.action("Save")->trigger();
            QCOMPARE(dialogs.texts().back(), "Wegschrijven van " + path + " gelukt");
            QVERIFY(ReadBytes(path) == original);
        }
    }

    void cancelWithoutEditKeepsEveryPair() {
        TClubWindow& window = open(8, 1);
        QVERIFY(opened_);
        auto* cancel = velk::test::Child<QToolButton>(&window, "CANCEL");
        auto* edit = velk::test::Child<QToolButton>(&window, "EDIT");

        // No edit started: nothing to undo.
        window.grid()->selectPair(3);
        cancel->click();
        QCOMPARE(window.club().PairList[3].Naam.get(), std::string("Paar nummer 3"));
        QCOMPARE(window.club().PairList[3].ClubNr, std::int16_t(3));
        QCOMPARE(window.grid()->item(2, 4)->text(), QStringLiteral("Paar nummer 3"));

        // An edit of pair 2 goes back on pair 2 only; pair 5, typed in afterwards, keeps its name.
        window.grid()->selectPair(2);
        edit->click();
        window.grid()->item(1, 4)->setText(QStringLiteral("Jansen - Smit"));
        window.grid()->selectPair(5);
        window.grid()->item(4, 4)->setText(QStringLiteral("de Vries - Bos"));
        cancel->click();
        QCOMPARE(window.club().PairList[2].Naam.get(), std::string("Paar nummer 2"));
        QCOMPARE(window.club().PairList[5].Naam.get(), std::string("de Vries - Bos"));
        QCOMPARE(window.club().PairList[5].ClubNr, std::int16_t(5));
        QCOMPARE(window.grid()->item(4, 4)->text(), QStringLiteral("de Vries - Bos"));
        QCOMPARE(window.grid()->currentPair(), 2);

        // The edit is over: a second cancel changes nothing.
        window.grid()->selectPair(5);
        cancel->click();
        QCOMPARE(window.club().PairList[5].Naam.get(), std::string("de Vries - Bos"));
    }

    void exportWritesOnlyTheCopy() {
        TClubWindow& window = open(8, 1);
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        const std::string path = path_;
        const auto original = ReadBytes(path);
        const std::string backup = folder_->file("club_1.~db");
        QVERIFY(!Exists(backup));
        const std::string copy = folder_->file("stick_1.dba");
        dialogs.answerYes();
        dialogs.files.push_back(copy);
        window.action("Export")->trigger();
        QCOMPARE(dialogs.texts().back(), std::string("velk, Alle bestanden bewaard"));
        QVERIFY(ReadBytes(copy).size() == original.size());
        QVERIFY(ReadBytes(path) == original);
        QVERIFY(!Exists(backup));
        QCOMPARE(window.club().ClubFilePath, path);
        QCOMPARE(window.findChild<QLabel*>("StatusFile")->text(), QStringLiteral("Bestand: club_1.dba"));
    }

    void importAsksToSaveTheChangesFirst() {
        TempFolder stick;
        TempFolder home;
        const std::string source = WriteCompetition(stick, "troef_2.dba", 8, 1);
        const QString oldCurrent = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(home.path().string()));
        TClubWindow& window = open(8, 1);
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        const std::string path = path_;
        window.grid()->item(2, 4)->setText(QStringLiteral("Jansen - Smit"));
        dialogs.answerYes(); // import
        dialogs.files.push_back(source);
        dialogs.answerYes(); // save the open file first
        window.action("Import")->trigger();
        QDir::setCurrent(oldCurrent);
        QVERIFY(Said(dialogs, "Bestand bewaren "));
        QVERIFY(Said(dialogs, "Wegschrijven van " + path + " gelukt"));
        QCOMPARE(window.club().ClubFileName, std::string("troef_2.dba"));

        velk::Club reread;
        ScriptedDialogs quiet;
        velk::ClubFile reader(reread, quiet, kClock);
        QVERIFY(reader.open(path));
        QCOMPARE(reread.PairList[3].Naam.get(), std::string("Jansen - Smit"));
    }

    void quittingAfterAMenuChangeAsksToSave() {
        TClubWindow& window = open(8, 1);
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        window.show();
        // Nothing changed: the window closes without a question.
        QVERIFY(window.close());
        QVERIFY(!Said(dialogs, "Bestand nog redden\r gebruik dan <Sluit>"));

        window.show();
        window.grid()->selectPair(4);
        dialogs.answerYes(); // remove pair 4
        dialogs.answerNo();  // not saved yet
        window.action("DeletePair")->trigger();
        QCOMPARE(window.club().CompetitionHead.PairCount, std::int16_t(7));
        dialogs.answerYes(); // keep the window to save first
        QVERIFY(!window.close());
        QCOMPARE(dialogs.texts().back(), std::string("Bestand nog redden\r gebruik dan <Sluit>"));
        QVERIFY(window.isVisible());

        // Saved: no question any more.
        dialogs.answerYes(); // the odd pair count
        window.action("Save")->trigger();
        const std::size_t asked = dialogs.messages.size();
        QVERIFY(window.close());
        QCOMPARE(dialogs.messages.size(), asked);
    }

    void aFailedSaveAfterDeletingASessionIsSaid() {
        TClubWindow& window = open(7, 1);
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        const std::string path = path_;
        const auto original = ReadBytes(path);
        dialogs.answerYes(); // delete session 1
        dialogs.answerNo();  // the odd pair count: not written
        window.action("DeleteSession")->trigger();
        QCOMPARE(window.club().SessionCount(), 0);
        QCOMPARE(dialogs.texts().back(),
                 std::string("Zitting 1 is alleen in het geheugen verwijderd: het bestand is niet bewaard.\r"
                             "Bewaar het bestand, anders staat de zitting er bij het openen weer in."));
        QVERIFY(!Said(dialogs, "Zitting verwijderd, Nr: 1"));
        QVERIFY(ReadBytes(path) == original);
    }

    void anOpenScheduleWindowBlocksTheSessionDialogAndIsInTheViewMenu() {
        TClubWindow& window = open(16, 2);
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        window.show();
        // The schedule editor of the main window, opened without the choice of a new schedule.
        velk::test::WhenModal("NewChangeDlg", [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        window.action("EditSchedule")->trigger();
        auto* form = window.findChild<TSchemaForm*>();
        QVERIFY(form);
        QVERIFY(!ViewMenuItems(window).contains(QStringLiteral("Schemavenster")));
        form->NewSchedule(1, {4, 2, 3, 4}, 2);
        QVERIFY(form->isVisible());
        QCOMPARE(ViewMenuItems(window).count(QStringLiteral("Schemavenster")), 1);

        const std::size_t before = dialogs.messages.size();
        window.action("ChooseSession")->trigger();
        QCOMPARE(dialogs.messages.size(), before + 1);
        QCOMPARE(
            dialogs.texts().back(),
            std::string("Sluit eerst alle vensters,\rGebruik menu optie \"Beeld\", Sluit: Schemavenster"));

        // The menu item brings the window forward.
        window.activateWindow();
        ViewMenuItem(window, QStringLiteral("Schemavenster"))->trigger();
        QTRY_VERIFY(form->isActiveWindow());

        // Closed, it leaves the menu and the session dialog opens again.
        velk::test::Child<QPushButton>(form, "SchrapBtn3")->click();
        QVERIFY(!form->isVisible());
        QVERIFY(!ViewMenuItems(window).contains(QStringLiteral("Schemavenster")));
        bool shown = false;
        velk::test::WhenModal("ZittingDlg", [&shown](QWidget* modal) {
            shown = true;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        window.action("ChooseSession")->trigger();
        QVERIFY(shown);
    }

    void saveAfterAStoppedWizardNamesTheFirstCompetition() {
        TempFolder folder;
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.show();
        {
            WizardAnswerer answerer(4);
            window.action("NewCompetition")->trigger();
        }
        QCOMPARE(QString::fromStdString(dialogs.texts().back()),
                 QStringLiteral("Nieuwe Competitie afgebroken, bridgebestand niet bewaard"));
        QCOMPARE(window.fileState(), TClubWindow::FileState::Open);
        dialogs.files.push_back(folder.file("bc2026.dba"));
        window.action("Save")->trigger();
        QCOMPARE(dialogs.texts().back(), "Wegschrijven van " + folder.file("bc2026_1.dba") + " gelukt");
        QVERIFY(!Exists(folder.file("bc2026.dba")));
        QCOMPARE(window.club().CompetitionNumber, 1);
        QVERIFY(
            window.findChild<QLabel*>("CompetitieLabel")->text().startsWith(QStringLiteral(" Compet: 1 ")));
        QCOMPARE(window.findChild<QLabel*>("StatusFile")->text(), QStringLiteral("Bestand: bc2026_1.dba"));
    }

    void theStatusBarFollowsTheWizardsSave() {
        TempFolder folder;
        WatchingDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        dialogs.window = &window;
        window.show();
        dialogs.files.push_back(folder.file("troef2026.dba"));
        dialogs.files.push_back(std::nullopt); // no base schedule chosen
        {
            WizardAnswerer answerer(0);
            window.action("NewCompetition")->trigger();
        }
        // The schedule is asked for after the save: the status bar names the saved file by then.
        QCOMPARE(dialogs.statusAtOpen, QStringList{QStringLiteral("Bestand: troef2026_1.dba")});
    }
};

QTEST_MAIN(TestClubWindowChanges)
#include "tst_clubwindowchanges.moc"
