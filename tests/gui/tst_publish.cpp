// "Publiceren als website…" from the main window: the folder chosen in the save dialog receives
// the same site velk-cli publish writes, and the index is handed to the desktop's browser; a session
// without match points is refused with the program's message and nothing is written.
#include "gui/club/TClubWindow.h"
#include "support/CompetitionOnDisk.h"
#include "support/RecordingOpener.h"
#include "support/ScoreEntryTyping.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QFile>
#include <QtTest>
#include <filesystem>

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 15, 22, 0, 0});

QByteArray Bytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPublish : public QObject {
    Q_OBJECT

private slots:
    void theSiteIsWrittenAndOpened() {
        const QString folder = QString::fromStdString(work_.path().string());
        QCOMPARE(velk::test::RunCli(folder, {"demo", "d"}), 0);
        QCOMPARE(velk::test::RunCli(folder, {"publish", "d/demo_1.dba", "cli"}), 0);
        velk::test::ScriptedDialogs dialogs;
        velk::test::RecordingOpener opener;
        TClubWindow window(dialogs, kClock);
        window.setDocumentOpener(&opener);
        QVERIFY(velk::test::OpenInWindow(window, (work_.path() / "d" / "demo_1.dba").string()));
        QAction* item = window.action("PublishSite");
        QVERIFY(item->isEnabled());
        QCOMPARE(item->text(), QStringLiteral("Publiceren als website…"));

        // Cancelled: nothing is written.
        dialogs.files = {std::nullopt};
        velk::test::Trigger(&window, "PublishSite");
        QVERIFY(!std::filesystem::exists(work_.path() / "gui"));
        QVERIFY(opener.calls.empty());

        const std::filesystem::path index = work_.path() / "gui" / "index.html";
        dialogs.files = {index.string()};
        velk::test::Trigger(&window, "PublishSite");
        QCOMPARE(dialogs.fileChoices.back().initialPath,
                 (work_.path() / "d" / "website" / "index.html").string());
        QCOMPARE(opener.calls, std::vector<std::string>{"desktop " + index.string()});
        QVERIFY(dialogs.messages.empty());
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(work_.path() / "cli")) {
            const auto name = entry.path().filename();
            QVERIFY2(Bytes(work_.path() / "gui" / name) == Bytes(entry.path()), name.string().c_str());
            ++files;
        }
        // The index, the stylesheet, 14 boards, 16 pairs and the season.
        QCOMPARE(files, 33);
    }

    void aSessionWithoutMatchPointsIsRefused() {
        const QString folder = QString::fromStdString(work_.path().string());
        // A new competition whose first session has its boards but no scores yet.
        QCOMPARE(velk::test::RunCli(folder, {"new", "club.dba", "--name", "BC", "--pairs", "16", "--groups",
                                             "2", "--tables", "8"}),
                 0);
        QCOMPARE(velk::test::RunCli(folder, {"session", "club_1.dba", "set", "--session", "1", "--boards",
                                             "14", "--rounds", "7", "--boardgroups", "7", "--length", "2"}),
                 0);
        velk::test::ScriptedDialogs dialogs;
        velk::test::RecordingOpener opener;
        TClubWindow window(dialogs, kClock);
        window.setDocumentOpener(&opener);
        QVERIFY(velk::test::OpenInWindow(window, (work_.path() / "club_1.dba").string()));
        dialogs.messages.clear();
        dialogs.files = {(work_.path() / "none" / "index.html").string()};
        velk::test::Trigger(&window, "PublishSite");
        QCOMPARE(dialogs.files.size(), std::size_t(0));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].text, std::string("Er zijn geen MatchPoints berekend"));
        QVERIFY(!std::filesystem::exists(work_.path() / "none"));
        QVERIFY(opener.calls.empty());
    }

private:
    velk::test::TempFolder work_;
};

QTEST_MAIN(TestPublish)
#include "tst_publish.moc"
