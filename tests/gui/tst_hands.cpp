// The hands of a dealt session in the windows: the score entry window's panel on F9 and on its
// button, and the result window's list "Spelverdeling" from the menu.
#include "gui/club/TClubWindow.h"
#include "gui/reports/TResultForm.h"
#include "gui/scoring/TScoreForm.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScoreEntryTyping.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

using velk::test::Click;
using velk::test::Key;
using velk::test::ModalAnswers;
using velk::test::RunCli;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;
using velk::test::TypeAndEnter;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 10, 22, 0, 0});

// Board 1: each seat a suit, North spades; board 2 the same turned a seat on. The long West hand
// pushes North and South 30 columns in. Every declarer
// takes all tricks or none, which the solver finds at once.
constexpr const char* kHands =
    "[Board \"1\"]\n"
    "[Deal \"N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\"]\n\n"
    "[Board \"2\"]\n"
    "[Deal \"N:.AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 AKQJT98765432...\"]\n";

QStringList Lines(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

} // namespace

class TestHands : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_ = std::make_unique<velk::test::TempFolder>("hands");
        QCOMPARE(RunCli(QString::fromStdString(folder_->path().string()), {"demo", "d"}), 0);
        dba_ = folder_->file("d/demo_1.dba");
    }

    void theScoreWindowShowsTheBoardsHandsOnF9AndItsButton() {
        std::ofstream(folder_->file("d/demo_1_hands1.pbn"), std::ios::binary) << kHands;
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        TScoreForm* form = openForm(window);
        QVERIFY(form);
        auto* panel = velk::test::Child<QPlainTextEdit>(form, "SpelverdelingTxt");
        QVERIFY(!panel->isVisible());

        Key(Qt::Key_F9);
        QVERIFY(panel->isVisible());
        QStringList lines = Lines(panel->toPlainText());
        QCOMPARE(lines.value(0), QStringLiteral("Spel 1   Gever: Noord   Kwetsbaar: niemand"));
        QCOMPARE(lines.value(2),
                 QStringLiteral("                              ♠ A H V B 10 9 8 7 6 5 4 3 2"));
        QVERIFY(lines.contains(QStringLiteral("   N   0 13  0 13  0")));
        QVERIFY(lines.contains(QStringLiteral("Par: 1510 (NZ)  7♠ NZ")));
        // The focus stays in the cells, and the analysis is stored beside the competition.
        QCOMPARE(QApplication::focusWidget()->metaObject()->className(), "QLineEdit");
        std::ifstream stored(folder_->file("d/demo_1_hands1.pbn"));
        QVERIFY(std::string(std::istreambuf_iterator<char>(stored), {}).find("DoubleDummyTricks") !=
                std::string::npos);

        // The next board: North the hearts now, East dealer with North-South vulnerable.
        Key(Qt::Key_PageDown);
        lines = Lines(panel->toPlainText());
        QCOMPARE(lines.value(0), QStringLiteral("Spel 2   Gever: Oost   Kwetsbaar: NZ"));
        QCOMPARE(lines.value(3),
                 QStringLiteral("                              ♥ A H V B 10 9 8 7 6 5 4 3 2"));
        Key(Qt::Key_PageDown);
        QCOMPARE(panel->toPlainText(), QStringLiteral("Geen spelverdeling voor spel 3\n"));

        // The button hides it and shows it again.
        Click(form, "SpelverdelingBtn");
        QVERIFY(!panel->isVisible());
        Click(form, "SpelverdelingBtn");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->toPlainText(), QStringLiteral("Geen spelverdeling voor spel 3\n"));
        form->close();
        QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    }

    void aSessionWithoutHandsSaysSo() {
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        TScoreForm* form = openForm(window);
        QVERIFY(form);
        auto* panel = velk::test::Child<QPlainTextEdit>(form, "SpelverdelingTxt");
        Click(form, "SpelverdelingBtn");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->toPlainText(), QStringLiteral("Geen spelverdelingen voor deze zitting\n"));
        QVERIFY(!std::filesystem::exists(folder_->file("d/demo_1_hands1.pbn")));
        form->close();
        QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    }

    void theResultWindowListsTheHandsWithTheTravellers() {
        std::ofstream(folder_->file("d/demo_1_hands1.pbn"), std::ios::binary) << kHands;
        ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(folder_->file("work"));
        QVERIFY(velk::test::OpenInWindow(window, dba_));
        QVERIFY(window.action("OutputHands")->isEnabled());
        {
            ModalAnswers choose("SelectieDlg", [](QWidget* d) {
                TypeAndEnter(d, "SelectBox1", "A");
                TypeAndEnter(d, "SelectBox2", "A");
                TypeAndEnter(d, "SelectBox3", "1");
                TypeAndEnter(d, "SelectBox4", "2");
                Click(d, "OkBtn");
            });
            Trigger(&window, "OutputHands");
        }
        TResultForm* result = window.resultForm();
        QVERIFY(result->isVisible());
        QCOMPARE(result->kind(), 44);
        const QStringList lines = Lines(result->memo()->toPlainText());
        QVERIFY(lines.contains(QStringLiteral("Spel 1   Gever: Noord   Kwetsbaar: niemand")));
        QVERIFY(lines.contains(QStringLiteral("Par: 1510 (NZ)  7♠ NZ")));
        QVERIFY(lines.contains(QStringLiteral("Spel 2   Gever: Oost   Kwetsbaar: NZ")));
        QVERIFY(!lines.contains(QStringLiteral("Spel 3   Gever: Zuid   Kwetsbaar: OW")));
        QCOMPARE(lines.count(QStringLiteral("  NZ  OW | Contract | Slagen | Score NZ | M.P. NZ | M.P. OW |")),
                 2);
        QVERIFY(dialogs.texts().empty());
    }

private:
    TScoreForm* openForm(TClubWindow& window) {
        if (!velk::test::OpenInWindow(window, dba_))
            return nullptr;
        Trigger(&window, "ScoreEntryPerBoard");
        auto* form = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
        if (!form)
            return nullptr;
        QApplication::setActiveWindow(form);
        return QTest::qWaitForWindowActive(form) ? form : nullptr;
    }

    std::unique_ptr<velk::test::TempFolder> folder_;
    std::string dba_;
};

QTEST_MAIN(TestHands)
#include "tst_hands.moc"
