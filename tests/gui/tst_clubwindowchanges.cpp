// The main window keeps the competition whole: cancelled operations leave it as it was, only the
// file asked for is written, a change is never lost without a question and every message says what
// really happened.
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "gui/schedules/TSchemaForm.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <memory>

using velk::test::Child;
using velk::test::Click;
using velk::test::Clicking;
using velk::test::CompetitionOnDisk;
using velk::test::ModalAnswers;
using velk::test::OpenInWindow;
using velk::test::Pressing;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::TempFolder;
using velk::test::Trigger;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 8, 20, 15, 0});

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// Names, ranks in list order and result rows that tell the pairs apart.
void MarkPairs(velk::Club& club) {
    for (std::size_t i = 1; i < club.PairList.size(); ++i) {
        auto& pair = club.PairList[i];
        pair.Naam.set("Paar nummer " + std::to_string(i));
        pair.Rang = static_cast<std::int16_t>((static_cast<int>(i) - 1) % club.PairsPerGroup + 1);
        for (auto& session : club.SessionList)
            session.Rows[i].Points = 10.0f * static_cast<float>(i);
    }
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

void NextStep(QWidget* step) {
    if (auto* names = step->findChild<QRadioButton*>("PaarNaamRadio"); names && names->isVisible())
        Click(names);
    Click(step, "VerderBtn");
}

void CompetitionData(QWidget* dialog) {
    // Name, pairs, groups and tables.
    const std::pair<const char*, const char*> fields[] = {
        {"Edit1", "BC De Troef"}, {"Edit2", "16"}, {"Edit3", "2"}, {"Edit6", "8"}};
    for (const auto& [name, text] : fields)
        Child<QLineEdit>(dialog, name)->setText(QString::fromUtf8(text));
    Click(dialog, "OkConfigBtn");
}

// "Kiezen" takes the session shown, then "OK" closes.
void TakeTheSession(QWidget* dialog) {
    Click(dialog, "OKZitBtn");
    Click(dialog, "OKZitBtn");
}

// The wizard's first four steps, the last of them answered by `fourth`.
void AnswerWizardUpToStep4(ModalAnswers& answers, velk::test::Answer fourth) {
    answers.then("ConfigDial", CompetitionData)
        .then("PaarkeuzeDlg", NextStep)
        .then("PaarkeuzeDlg", NextStep)
        .then("ZittingDlg", TakeTheSession)
        .then("PaarkeuzeDlg", std::move(fourth));
}

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
        disk_ = std::make_unique<CompetitionOnDisk>(pairs, groups, 0, sessions);
        MarkPairs(disk_->club);
        path_ = disk_->write("club_1.dba");
        dialogs_ = std::make_unique<ScriptedDialogs>();
        window_ = std::make_unique<TClubWindow>(*dialogs_, kClock);
        opened_ = OpenInWindow(*window_, path_);
        return *window_;
    }
    std::unique_ptr<CompetitionOnDisk> disk_;
    std::string path_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<TClubWindow> window_;
    bool opened_ = false;

private slots:
    void cleanup() {
        window_.reset();
        dialogs_.reset();
        disk_.reset();
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
            Trigger(&window, "NextCompetition");
            QCOMPARE(dialogs.texts().back(), std::string("Bridge Club is opnieuw ingedeeld\rBestand bewaren "
                                                         "met nieuwe naam "));
            QVERIFY(window.club().PairList == pairs);
            QCOMPARE(window.grid()->item(8, 4)->text(), QStringLiteral("Paar nummer 9"));
            QCOMPARE(window.grid()->item(8, 2)->text(), QStringLiteral("A"));
            // The results stay with their pairs: saving gives back the file as it was read.
            window.club().ConfigRecord.Degradations[0] = 0;
            window.club().ConfigRecord.PromotionsUp[1] = 0;
            Trigger(&window, "Save");
            QCOMPARE(dialogs.texts().back(), "Wegschrijven van " + path + " gelukt");
            QVERIFY(ReadBytes(path) == original);
        }
    }

    void cancelWithoutEditKeepsEveryPair() {
        TClubWindow& window = open(8, 1);
        QVERIFY(opened_);
        auto* cancel = Child<QToolButton>(&window, "CANCEL");
        auto* edit = Child<QToolButton>(&window, "EDIT");

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
        const std::string backup = disk_->file("club_1.~db");
        QVERIFY(!Exists(backup));
        const std::string copy = disk_->file("stick_1.dba");
        dialogs.answerYes();
        dialogs.files.push_back(copy);
        Trigger(&window, "Export");
        QCOMPARE(dialogs.texts().back(), std::string("velk, Alle bestanden bewaard"));
        QVERIFY(ReadBytes(copy).size() == original.size());
        QVERIFY(ReadBytes(path) == original);
        QVERIFY(!Exists(backup));
        QCOMPARE(window.club().ClubFilePath, path);
        QCOMPARE(window.findChild<QLabel*>("StatusFile")->text(), QStringLiteral("Bestand: club_1.dba"));
    }

    void importAsksToSaveTheChangesFirst() {
        TempFolder home;
        CompetitionOnDisk other(8, 1);
        const std::string source = other.write("troef_2.dba");
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
        Trigger(&window, "Import");
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
        Trigger(&window, "DeletePair");
        QCOMPARE(window.club().CompetitionHead.PairCount, std::int16_t(7));
        dialogs.answerYes(); // keep the window to save first
        QVERIFY(!window.close());
        QCOMPARE(dialogs.texts().back(), std::string("Bestand nog redden\r gebruik dan <Sluit>"));
        QVERIFY(window.isVisible());

        // Saved: no question any more.
        dialogs.answerYes(); // the odd pair count
        Trigger(&window, "Save");
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
        Trigger(&window, "DeleteSession");
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
        {
            ModalAnswers choice("NewChangeDlg", Pressing(Qt::Key_Escape));
            Trigger(&window, "EditSchedule");
        }
        auto* form = window.findChild<TSchemaForm*>();
        QVERIFY(form);
        QVERIFY(!ViewMenuItems(window).contains(QStringLiteral("Schemavenster")));
        form->NewSchedule(1, {4, 2, 3, 4}, 2);
        QVERIFY(form->isVisible());
        QCOMPARE(ViewMenuItems(window).count(QStringLiteral("Schemavenster")), 1);

        const std::size_t before = dialogs.messages.size();
        Trigger(&window, "ChooseSession");
        QCOMPARE(dialogs.messages.size(), before + 1);
        QCOMPARE(
            dialogs.texts().back(),
            std::string("Sluit eerst alle vensters,\rGebruik menu optie \"Beeld\", Sluit: Schemavenster"));

        // The menu item brings the window forward.
        window.activateWindow();
        ViewMenuItem(window, QStringLiteral("Schemavenster"))->trigger();
        QTRY_VERIFY(form->isActiveWindow());

        // Closed, it leaves the menu and the session dialog opens again.
        Child<QPushButton>(form, "SchrapBtn3")->click();
        QVERIFY(!form->isVisible());
        QVERIFY(!ViewMenuItems(window).contains(QStringLiteral("Schemavenster")));
        ModalAnswers sessionDialog("ZittingDlg", Pressing(Qt::Key_Escape));
        Trigger(&window, "ChooseSession");
        QVERIFY(sessionDialog.done());
    }

    void everyChildWindowIsInTheViewMenuWhileItIsOpen() {
        TClubWindow& window = open(16, 2);
        QVERIFY(opened_);
        window.show();
        // The modal windows are listed while they are up and leave the menu when they close.
        const std::pair<const char*, const char*> windows[] = {
            {"OptionsSettings", "OptiesForm"}, {"Correct", "CorrectForm"}, {"OpenPoints", "InvoerForm"}};
        const QString names[] = {QStringLiteral("Optievenster"), QStringLiteral("Correctievenster"),
                                 QStringLiteral("Puntenvenster")};
        for (int i = 0; i < 3; ++i) {
            QStringList seen;
            {
                ModalAnswers answer(windows[i].second, [&](QWidget* form) {
                    seen = ViewMenuItems(window);
                    form->close();
                });
                if (i > 0)
                    dialogs_->answerNo(); // "Bestand nog redden\r gebruik dan <Ok>": close unsaved
                Trigger(&window, windows[i].first);
            }
            QVERIFY2(seen.contains(names[i]), qPrintable(names[i]));
            QVERIFY(!ViewMenuItems(window).contains(names[i]));
        }
        // The result window too, with its own item.
        dialogs_->answerNo(); // "Namen voorzien van Clubnummer?"
        Trigger(&window, "OutputPairs");
        QTRY_VERIFY(ViewMenuItems(window).contains(QStringLiteral("Uitvoervenster")));
    }

    void aGreyedItemSaysWhyOnTheStatusBar() {
        TClubWindow& window = open(16, 2);
        QVERIFY(opened_);
        window.show();
        QAction* scoresPerBoard = window.action(QStringLiteral("spellen1"));
        const QString hint = scoresPerBoard->statusTip();
        dialogs_->answerNo(); // "Namen voorzien van Clubnummer?"
        Trigger(&window, "OutputPairs");
        QTRY_VERIFY(!scoresPerBoard->isEnabled());
        const QString why = QStringLiteral("Niet beschikbaar zolang het uitslagvenster open is");
        QCOMPARE(scoresPerBoard->statusTip(), why);
        // The mouse on the greyed item in its menu puts the reason on the status bar.
        QMenu* menu = nullptr;
        for (QMenu* m : window.findChildren<QMenu*>())
            if (m->actions().contains(scoresPerBoard))
                menu = m;
        QVERIFY(menu);
        menu->popup(window.geometry().center());
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseMove(menu, menu->actionGeometry(scoresPerBoard).center());
        auto* panel = window.findChild<QLabel*>(QStringLiteral("StatusHint"));
        QTRY_COMPARE(panel->text(), why);
        menu->hide();
        // Closed, the item is available again with its own hint.
        auto* results = window.findChild<QDialog*>(QStringLiteral("ResultForm"));
        QVERIFY(results);
        results->close();
        QTRY_VERIFY(scoresPerBoard->isEnabled());
        QCOMPARE(scoresPerBoard->statusTip(), hint);
    }

    void theClubNumberColumnCarriesAWarning() {
        TClubWindow& window = open(16, 2);
        QVERIFY(opened_);
        window.show();
        auto* grid = window.findChild<PairGrid*>();
        auto* label = window.findChild<QLabel*>(QStringLiteral("PasOpLabel"));
        QVERIFY(grid && label);
        QCOMPARE(label->text(), QStringLiteral("Pas op ClubNr."));
        grid->setCurrentCell(0, PairGrid::ClubNrColumn);
        QVERIFY(label->isVisibleTo(&window));
        grid->setCurrentCell(0, PairGrid::ClubNrColumn + 3);
        QVERIFY(!label->isVisibleTo(&window));
    }

    void saveAfterAStoppedWizardNamesTheFirstCompetition() {
        TempFolder folder;
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.show();
        {
            ModalAnswers answers("PaarkeuzeDlg", NextStep);
            AnswerWizardUpToStep4(answers, Clicking("StopBtn"));
            Trigger(&window, "NewCompetition");
        }
        QCOMPARE(QString::fromStdString(dialogs.texts().back()),
                 QStringLiteral("Nieuwe Competitie afgebroken, bridgebestand niet bewaard"));
        QCOMPARE(window.fileState(), TClubWindow::FileState::Open);
        dialogs.files.push_back(folder.file("bc2026.dba"));
        Trigger(&window, "Save");
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
            ModalAnswers answers("PaarkeuzeDlg", NextStep);
            AnswerWizardUpToStep4(answers, NextStep);
            answers.then("PaarkeuzeDlg", NextStep)
                .then("SelectieDlg", Clicking("OkBtn"))
                .then("OptiesForm", Clicking("OkBtn")); // the last step opens the options
            Trigger(&window, "NewCompetition");
        }
        // The schedule is asked for after the save: the status bar names the saved file by then.
        QCOMPARE(dialogs.statusAtOpen, QStringList{QStringLiteral("Bestand: troef2026_1.dba")});
    }
};

QTEST_MAIN(TestClubWindowChanges)
#include "tst_clubwindowchanges.moc"
