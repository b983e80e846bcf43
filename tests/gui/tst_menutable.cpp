// The main window's menu table: every row becomes its action in its menu, items not yet built
// are disabled and say so, and the tool buttons follow the menu items they repeat.
#include "gui/club/TClubWindow.h"
#include "reports/ReportWriters.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>
#include <memory>

using velk::test::MenuTitled;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// Every item has its window in this release; only a list of the result window can still wait for
// its writer.
bool WaitsForItsWriter(const MenuEntry& entry) {
    return entry.report != 0 && !velk::HasReportWriter(static_cast<velk::ReportKind>(entry.report));
}

// Each button and the menu item it repeats.
const char* const kMirrors[][2] = {{"OpenSpdBtn", "Open"},
                                   {"SaveSpdBtn", "Save"},
                                   {"SaveAsSpdBtn", "SaveAs"},
                                   {"PrintSpdBtn", "PrintClubList"},
                                   {"SearchSpdBtn", "Search"},
                                   {"SortSpdBtn", "SortPairs"},
                                   {"NewSessionSpdBtn", "NewSession"},
                                   {"OpenSessionSpdBtn", "OpenPoints"},
                                   {"ChooseSessionSpdBtn", "ChooseSession"},
                                   {"CorrectSpdBtn", "Correct"},
                                   {"DeleteSessionSpdBtn", "DeleteSession"}};

} // namespace

class TestMenuTable : public QObject {
    Q_OBJECT

private slots:
    void everyRowIsItsActionInItsMenuOrOnTheToolBar() {
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        QToolBar* tools = velk::test::Child<QToolBar>(&window, "ToolBar");
        int items = 0;
        int buttons = 0;
        for (const MenuEntry& entry : TClubWindow::menuTable()) {
            if (!entry.name)
                continue;
            QAction* a = window.action(QString::fromLatin1(entry.name));
            QCOMPARE(a->objectName(), QString::fromLatin1(entry.name));
            QCOMPARE(a->text(), QString::fromUtf8(entry.caption));
            if (entry.kind == MenuEntry::Kind::Button) {
                QVERIFY2(tools->actions().contains(a), entry.name);
                ++buttons;
                continue;
            }
            QMenu* menu = MenuTitled(window.menuBar()->actions(), QString::fromUtf8(entry.menu));
            QVERIFY2(menu, entry.menu);
            if (entry.submenu)
                menu = MenuTitled(menu->actions(), QString::fromUtf8(entry.submenu));
            QVERIFY2(menu && menu->actions().contains(a), entry.name);
            ++items;
        }
        QCOMPARE(items, 85); // with "Spelverdeling", "Publiceren als website…" and "Tafels (telefoon)…"
        QCOMPARE(buttons, 14);
        QCOMPARE(window.menuBar()->actions().size(), 10);
        QCOMPARE(window.menuBar()->actions().front()->text(), QStringLiteral("&Bestand"));
        QCOMPARE(window.menuBar()->actions().back()->text(), QStringLiteral("&Help"));
    }

    void onlyListsWithoutTheirWritersAreDisabledAndSaySo() {
        writeCompetition(1);
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        for (int situation = 0; situation < 2; ++situation) {
            if (situation == 1)
                openFile(window);
            // No item is left "not yet built": what is not a list waiting for its writer says
            // nothing of the kind.
            for (const MenuEntry& entry : TClubWindow::menuTable()) {
                if (!entry.name || WaitsForItsWriter(entry))
                    continue;
                QVERIFY2(IsBuilt(entry), entry.name);
                QAction* a = window.action(QString::fromLatin1(entry.name));
                QVERIFY2(!a->statusTip().contains(QStringLiteral("iet beschikbaar in deze versie")),
                         entry.name);
            }
        }
        QCOMPARE(window.action("OpenPoints")->statusTip(), QStringLiteral("Punten en invallers"));
        // Every list item is on exactly when its writer is there, and says so when not.
        for (const MenuEntry& entry : TClubWindow::menuTable()) {
            if (entry.report == 0)
                continue;
            const bool written = velk::HasReportWriter(static_cast<velk::ReportKind>(entry.report));
            QAction* a = window.action(QString::fromLatin1(entry.name));
            QVERIFY2(a->isEnabled() == written, entry.name);
            QVERIFY2(a->statusTip().contains(QStringLiteral("iet beschikbaar in deze versie")) == !written,
                     entry.name);
        }
        QVERIFY(window.action("Sor1")->isEnabled());
        QCOMPARE(window.action("OutputPairs")->statusTip(), QStringLiteral("Lijst van de paren"));
        // The per-pair pages are built: on, with their own hint and no note.
        QVERIFY(window.action("MPAlleParen")->isEnabled());
        QCOMPARE(window.action("MPAlleParen")->statusTip(),
                 QStringLiteral("Kopieert Matchpunten oor ALLE paren naar HTML bestand"));
        // The totals submenu follows the calculation method.
        QMenu* output = MenuTitled(window.menuBar()->actions(), QStringLiteral("&Uitvoer"));
        QVERIFY(output);
        QVERIFY(MenuTitled(output->actions(), QStringLiteral("&Totalen van Competities")));
        // What is built keeps its own hint.
        QCOMPARE(window.action("Save")->statusTip(), QStringLiteral("Bewaar het Bridgebestand"));
        QCOMPARE(window.action("SaveSpdBtn")->statusTip(), QStringLiteral("Bewaren"));
    }

    void buttonsFollowTheMenuItemsTheyRepeat() {
        for (const int sessions : {1, 6}) {
            writeCompetition(sessions);
            velk::test::ScriptedDialogs dialogs;
            TClubWindow window(dialogs, kClock);
            compareMirrors(window);
            openFile(window);
            compareMirrors(window);
            // Six of six sessions: no new session, the next competition instead.
            QCOMPARE(window.action("NewSessionSpdBtn")->isEnabled(), sessions == 1);
            QCOMPARE(window.action("NextCompetition")->isEnabled(), sessions == 6);
            dialogs.answerNo();
            QVERIFY(window.closeWithSave());
            compareMirrors(window);
        }
    }

    void theWizardKeepsNewAndOpenAway() {
        velk::test::ScriptedDialogs dialogs;
        velk::test::TempFolder folder;
        dialogs.files.push_back(folder.file("w.dba"));
        dialogs.files.push_back(std::nullopt);
        TClubWindow window(dialogs, kClock);
        bool seen = false;
        velk::test::ModalAnswers firstStep([&](QWidget* modal) {
            seen = true;
            QVERIFY(!window.action("NewCompetition")->isEnabled());
            QVERIFY(!window.action("OpenSpdBtn")->isEnabled());
            QVERIFY(window.action("Save")->isEnabled());
            QVERIFY(!window.action("NewSession")->isEnabled());
            QCOMPARE(window.action("ChooseSession")->text(), QStringLiteral("&Select data"));
            compareMirrors(window);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        velk::test::Trigger(&window, "NewCompetition");
        QVERIFY(seen);
    }

private:
    void writeCompetition(int sessions) {
        competition_ = std::make_unique<velk::test::CompetitionOnDisk>(16, 2, 8, sessions);
        path_ = competition_->write("club_1.dba");
    }
    void openFile(TClubWindow& window) { QVERIFY(velk::test::OpenInWindow(window, path_)); }
    static void compareMirrors(TClubWindow& window) {
        for (const auto& pair : kMirrors)
            QVERIFY2(window.action(pair[0])->isEnabled() == window.action(pair[1])->isEnabled(), pair[0]);
    }

    std::unique_ptr<velk::test::CompetitionOnDisk> competition_;
    std::string path_;
};

QTEST_MAIN(TestMenuTable)
#include "tst_menutable.moc"
