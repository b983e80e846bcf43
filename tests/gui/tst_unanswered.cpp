// The test kit itself: a question the test did not answer, asked inside a modal window, fails the
// test with its text and is answered Cancel, so the window goes on and closes normally instead of
// an exception unwinding through Qt. Run with the expectation that it fails (tests/CMakeLists.txt).
#include "core/files/MembersFile.h"
#include "gui/club/TClubWindow.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QTableWidget>
#include <QtTest>

using velk::test::Child;
using velk::test::Click;
using velk::test::ModalAnswers;
using velk::test::Trigger;

class TestUnanswered : public QObject {
    Q_OBJECT

private slots:
    void aQuestionInsideAModalWindow() {
        velk::test::TempFolder folder;
        const std::string path = folder.file("Leden.dat");
        velk::TKXLedenOBJ member;
        member.LidID = 1;
        member.AchterNaam.set("Jansen");
        QVERIFY(velk::WriteMembersFile(path, {member}));
        velk::test::ScriptedDialogs dialogs;
        const velk::FixedClock clock(velk::DateTime{2026, 12, 9, 20, 0, 0});
        TClubWindow window(dialogs, clock);
        dialogs.files.push_back(path);
        ModalAnswers answers("LedenForm", [&](QWidget* form) {
            auto* grid = Child<QTableWidget>(form, "LedenGrid");
            // "Wilt u deze speler verwijderen" with no answer queued: Cancel, the member stays.
            Click(form, "NavDelete");
            qInfo("went on: %s", grid->rowCount() == 1 ? "yes" : "no");
            Click(form, "SluitBitBtn");
        });
        Trigger(&window, "MembersOpen");
    }
};

QTEST_MAIN(TestUnanswered)
#include "tst_unanswered.moc"
