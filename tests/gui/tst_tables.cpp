#include "core/BuildPaths.h"
#include "gui/club/TClubWindow.h"
#include "gui/scoring/TScoreForm.h"
#include "gui/terminals/TTafelsForm.h"
#include "gui/terminals/TableService.h"
#include "scoring/StoredMatchPoints.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScoreEntryTyping.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <arpa/inet.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using velk::test::AltKey;
using velk::test::Bytes;
using velk::test::Cell;
using velk::test::Child;
using velk::test::Click;
using velk::test::Focus;
using velk::test::Key;
using velk::test::RunCli;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;
using velk::test::TypeCell;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 9, 20, 0, 0});

// Two groups of six pairs, the three-table Howell: five rounds of two boards, ten boards a table.
void MakeCompetition(const QString& folder) {
    const QString schedule = QStringLiteral(VELK_SOURCE_DIR "/Schemas/5r-6p-howell-3t-shared.ws0");
    QCOMPARE(
        RunCli(folder, {"new", "club.dba", "--pairs", "12", "--groups", "2", "--tables", "6", "--contracts"}),
        0);
    QCOMPARE(RunCli(folder, {"session", "club_1.dba", "set", "--session", "1", "--boards", "10", "--rounds",
                             "5", "--boardgroups", "5", "--length", "2"}),
             0);
    QCOMPARE(RunCli(folder, {"schedule", "read", "club_1.dba", "--groups", "*", schedule}), 0);
}

struct Reply {
    int status = 0;
    std::string body;
};

// A phone's request, from a thread of its own while this one spins the event loop that answers
// it; bounded in time, to 127.0.0.1 only.
Reply Ask(int port, const std::string& method, const std::string& path, const std::string& pin,
          const std::string& body = {}, bool spin = true) {
    auto reply = std::async(std::launch::async, [=] {
        httplib::Client client("127.0.0.1", port);
        client.set_connection_timeout(2, 0);
        client.set_read_timeout(15, 0);
        client.set_write_timeout(5, 0);
        const httplib::Headers headers{{"X-Velk-Pin", pin}};
        const auto res = method == "GET" ? client.Get(path.c_str(), headers)
                                         : client.Put(path.c_str(), headers, body, "application/json");
        return res ? Reply{res->status, res->body} : Reply{};
    });
    for (int i = 0; i < 2000 && reply.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready;
         ++i)
        if (spin)
            QTest::qWait(10);
        else
            reply.wait_for(std::chrono::milliseconds(10));
    if (reply.wait_for(std::chrono::seconds(20)) != std::future_status::ready)
        return {};
    Reply got = reply.get();
    if (got.status != 200)
        qWarning("%s %s: %d %s", method.c_str(), path.c_str(), got.status, got.body.c_str());
    return got;
}

QString ListCell(QTableWidget* list, const QString& label, int column) {
    for (int r = 0; r < list->rowCount(); ++r)
        if (list->item(r, 0)->text() == label)
            return list->item(r, column)->text();
    return {};
}

enum Column { LabelColumn, PinColumn, RoundColumn, BoardsColumn, BehindColumn };

} // namespace

class TestTables : public QObject {
    Q_OBJECT

private slots:
    void init();
    void aPhonesEntryShowsInTheScoreWindowOutlivesItsDiscardAndReachesTheFile();
    void theTablesBehindAreListedAndTheWindowsSaveEmptiesTheJournal();
    void aRequestTheWindowCannotAnswerInTimeOrAtStopGets503();
    void aJournalLeftByACrashIsPutBackOnOpening();
    void aTakenPortOrASessionWithoutScheduleIsRefusedAndServingHoldsTheSession();
    void theTableCardsCarryTheServersPinsAndTheLiveResultsAreServed();
    void withHttpsTheServerAnswersWithTheClubsCertificateOnly();

private:
    // Opens the competition and the tables window, and starts the server on 127.0.0.1.
    TTafelsForm* startTables(TClubWindow& window,
                             std::chrono::milliseconds wait = std::chrono::milliseconds(5000));
    // Starts the server of the competition open in `window` from its tables window.
    TTafelsForm* startServer(TClubWindow& window,
                             std::chrono::milliseconds wait = std::chrono::milliseconds(5000));
    std::string pin(const QString& label) const;
    std::string path(const char* name) const { return folder_->file(name); }

    std::unique_ptr<velk::test::TempFolder> folder_;
    TTafelsForm* form_ = nullptr;
};

void TestTables::init() {
    folder_ = std::make_unique<velk::test::TempFolder>();
    MakeCompetition(QString::fromStdString(folder_->path().string()));
}

TTafelsForm* TestTables::startTables(TClubWindow& window, std::chrono::milliseconds wait) {
    if (!velk::test::OpenInWindow(window, path("club_1.dba")))
        return nullptr;
    return startServer(window, wait);
}

TTafelsForm* TestTables::startServer(TClubWindow& window, std::chrono::milliseconds wait) {
    Trigger(&window, "Tafels");
    form_ = window.findChild<TTafelsForm*>(QStringLiteral("TafelsForm"));
    if (!form_ || !window.tableService())
        return nullptr;
    window.tableService()->setBindAddress("127.0.0.1");
    window.tableService()->setRequestWait(wait);
    auto* port = Child<QSpinBox>(form_, "Poort");
    if (port->value() != 8080)
        return nullptr;
    // Any free port: the test must not meet another server on 8080.
    port->setFocus();
    QTest::keyClick(port, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(port, QStringLiteral("0"));
    Click(form_, "Starten");
    return window.tableService()->running() ? form_ : nullptr;
}

std::string TestTables::pin(const QString& label) const {
    return ListCell(Child<QTableWidget>(form_, "TafelLijst"), label, PinColumn).toStdString();
}

void TestTables::aPhonesEntryShowsInTheScoreWindowOutlivesItsDiscardAndReachesTheFile() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(startTables(window));
    TableService& service = *window.tableService();
    const int port = service.port();
    QCOMPARE(Child<QLabel>(form_, "Adres")->text(),
             QStringLiteral("Adres voor de telefoons: http://127.0.0.1:%1/").arg(port));
    auto* list = Child<QTableWidget>(form_, "TafelLijst");
    QCOMPARE(list->rowCount(), 6);
    QCOMPARE(list->item(0, LabelColumn)->text(), QStringLiteral("A1"));
    QCOMPARE(list->item(5, LabelColumn)->text(), QStringLiteral("B3"));
    QCOMPARE(pin("A1").size(), std::size_t{6});
    // F1 opens the window's help page.
    QTest::keyClick(list, Qt::Key_F1);
    QCOMPARE(dialogs.helpRequests.back(), 259);
    QCOMPARE(ListCell(list, "A1", BoardsColumn), QStringLiteral("0 van 10"));
    // While the server works on the session no other session can be chosen.
    Trigger(&window, "ChooseSession");
    QCOMPARE(dialogs.texts().back(), std::string("Sluit eerst alle vensters,\rGebruik menu optie \"Beeld\", "
                                                 "Sluit: Tafels (telefoon), eerst Stoppen"));

    // The table of group A that plays boards 1 and 2 in the first round.
    QString table;
    int northSouth = 0;
    for (const char* label : {"A1", "A2", "A3"}) {
        const Reply r = Ask(port, "GET", std::string("/api/v1/tables/") + label + "/rounds/1", pin(label));
        QCOMPARE(r.status, 200);
        if (r.body.find("\"boards\":[1,2]") != std::string::npos) {
            table = QString::fromLatin1(label);
            northSouth = std::stoi(r.body.substr(r.body.find("\"ns\":") + 5));
        }
    }
    QVERIFY(!table.isEmpty() && northSouth > 0);
    const std::string boards = "/api/v1/tables/" + table.toStdString() + "/boards/";
    const std::vector<char> fileBefore = Bytes(path("club_1.sco"));
    QVERIFY(!fileBefore.empty());

    // The score window types 420 for that table on board 1 and keeps it unsaved.
    Trigger(&window, "ScoreEntryPerBoard");
    auto* scores = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
    QVERIFY(scores);
    QApplication::setActiveWindow(scores);
    QVERIFY(QTest::qWaitForWindowActive(scores));
    const QString cell = QStringLiteral("ScoreEditNZ%1").arg(northSouth);
    for (int i = 0; i < 6 && Focus()->objectName() != cell; ++i)
        Key(Qt::Key_Down);
    QCOMPARE(Focus()->objectName(), cell);
    TypeCell(QStringLiteral("420"));
    QVERIFY(scores->entry().dirty);

    // The phone cannot put its own score over what the window typed.
    Reply r = Ask(port, "PUT", boards + "1", pin(table), R"({"score": 110})");
    QCOMPARE(r.status, 409);
    QCOMPARE(QString::fromStdString(r.body), QStringLiteral(R"({"error":"Spel 1 is al ingevoerd: 420"})"));
    // Board 2, North-South vulnerable: 4 spades doubled one down by North is -200.
    r = Ask(port, "PUT", boards + "2", pin(table), R"({"contract": "4SX", "declarer": "N", "result": "-1"})");
    QCOMPARE(r.status, 200);
    QCOMPARE(r.body, std::string(R"({"ns":-200,"ew":200})"));
    QCOMPARE(ListCell(list, table, BoardsColumn), QStringLiteral("2 van 10"));
    QCOMPARE(ListCell(list, table, RoundColumn), QStringLiteral("2"));

    // Nothing reaches the file behind the window's back while it holds typing of its own.
    QVERIFY(service.save());
    QVERIFY(Bytes(path("club_1.sco")) == fileBefore);
    QVERIFY(std::filesystem::file_size(path("club_1_journal1.jsonl")) > 0);

    // The window shows board 2 with the phone's entry.
    Key(Qt::Key_PageDown);
    QCOMPARE(scores->entry().board, 2);
    QCOMPARE(Cell(scores, "ScoreEditNZ", northSouth).trimmed(), QStringLiteral("-200"));

    // Closing without saving throws the window's 420 away, not the phone's entry.
    dialogs.answerNo();
    scores->close();
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    QCOMPARE(dialogs.texts().back(), std::string("Score-Bestand nog redden\r gebruik dan <Ok>"));
    QCOMPARE(ListCell(list, table, BoardsColumn), QStringLiteral("1 van 10"));
    QCOMPARE(ListCell(list, table, RoundColumn), QStringLiteral("1"));

    // Stopping saves: the file is what velk-cli makes of the same contract typed in.
    Click(form_, "Stoppen");
    QVERIFY(!service.running());
    QCOMPARE(Child<QLabel>(form_, "Adres")->text(), QStringLiteral("De tafelserver is gestopt"));
    QCOMPARE(std::filesystem::file_size(path("club_1_journal1.jsonl")), std::uintmax_t{0});
    const std::string oracle = folder_->file("cli");
    std::filesystem::create_directories(oracle);
    MakeCompetition(QString::fromStdString(oracle));
    QCOMPARE(RunCli(QString::fromStdString(oracle), {"scores", "enter", "club_1.dba"},
                    QStringLiteral("A 2 %1 4SX -1\n").arg(northSouth).toUtf8()),
             0);
    QVERIFY(Bytes(path("club_1.sco")) == Bytes(oracle + "/club_1.sco"));
}

void TestTables::theTablesBehindAreListedAndTheWindowsSaveEmptiesTheJournal() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(startTables(window));
    const int port = window.tableService()->port();
    auto* status = window.findChild<QLabel*>(QStringLiteral("StatusTables"));
    QVERIFY(status);
    QCOMPARE(status->text(), QString());

    // Four of the six tables play their first round, an arbitral score on each board.
    QByteArray lines;
    auto playRound = [&](const char* label) {
        const Reply round =
            Ask(port, "GET", std::string("/api/v1/tables/") + label + "/rounds/1", pin(label));
        QCOMPARE(round.status, 200);
        const int ns = std::stoi(round.body.substr(round.body.find("\"ns\":") + 5));
        const int first = std::stoi(round.body.substr(round.body.find("\"boards\":[") + 10));
        for (const int board : {first, first + 1}) {
            const Reply r =
                Ask(port, "PUT", std::string("/api/v1/tables/") + label + "/boards/" + std::to_string(board),
                    pin(label), R"({"score": "A60%"})");
            QCOMPARE(r.status, 200);
            lines += QStringLiteral("%1 %2 %3 A60%\n").arg(QChar(label[0])).arg(board).arg(ns).toUtf8();
        }
    };
    for (const char* label : {"A1", "A2", "B1"})
        playRound(label);
    // Three of six ahead is half: the other three are behind.
    QCOMPARE(status->text(), QStringLiteral("Achter: A3 (ronde 1), B2 (ronde 1), B3 (ronde 1)"));
    playRound("B2");
    QCOMPARE(status->text(), QStringLiteral("Achter: A3 (ronde 1), B3 (ronde 1)"));
    auto* list = Child<QTableWidget>(form_, "TafelLijst");
    if (const QByteArray target = qgetenv("VELK_SCREENSHOT"); !target.isEmpty()) {
        QTest::qWait(100);
        QVERIFY(form_->grab().save(QString::fromLocal8Bit(target)));
    }
    QCOMPARE(ListCell(list, "A3", BehindColumn), QStringLiteral("achter"));
    QCOMPARE(ListCell(list, "A1", BehindColumn), QString());
    QCOMPARE(ListCell(list, "A1", BoardsColumn), QStringLiteral("2 van 10"));
    QVERIFY(std::filesystem::file_size(path("club_1_journal1.jsonl")) > 0);

    // "Verwerken" takes the phones' entries while the server runs: the stored match points are
    // velk-cli's from the same scores.
    {
        velk::test::ModalAnswers groups("SelectieDlg", [](QWidget* dialog) {
            Child<QComboBox>(dialog, "SelectBox1")->setEditText(QStringLiteral("*"));
            Child<QPushButton>(dialog, "OkBtn")->click();
        });
        // Half an evening: go on, and twice not "Berekening afbreken?", as velk-cli answers.
        dialogs.answerYes();
        dialogs.answerNo();
        dialogs.answerNo();
        Trigger(&window, "CopyMatchPoints");
        QVERIFY(groups.done());
    }
    QCOMPARE(dialogs.answers.size(), std::size_t{0});
    QVERIFY(window.tableService()->running());
    const std::vector<char> matchPoints = Bytes(velk::MatchPointFilePath(path("club_1.dba"), 1));
    QVERIFY(!matchPoints.empty());

    // "OK" in the score window writes the phones' entries too: the journal has done its work.
    Trigger(&window, "ScoreEntryPerBoard");
    auto* scores = window.findChild<TScoreForm*>(QStringLiteral("ScoreForm"));
    QVERIFY(scores);
    QApplication::setActiveWindow(scores);
    QVERIFY(QTest::qWaitForWindowActive(scores));
    dialogs.answerYes();
    AltKey(Qt::Key_O);
    QTRY_VERIFY(window.findChild<TScoreForm*>() == nullptr);
    const auto& asked = dialogs.texts();
    QVERIFY(std::find(asked.begin(), asked.end(), "Ingevoerde scores bewaren ?") != asked.end());
    QCOMPARE(std::filesystem::file_size(path("club_1_journal1.jsonl")), std::uintmax_t{0});

    Click(form_, "Stoppen");
    QCOMPARE(status->text(), QString());
    // The eight arbitral scores in the file, as velk-cli gives them.
    const std::string oracle = folder_->file("cli");
    std::filesystem::create_directories(oracle);
    MakeCompetition(QString::fromStdString(oracle));
    QCOMPARE(RunCli(QString::fromStdString(oracle), {"scores", "enter", "club_1.dba"}, lines), 0);
    QCOMPARE(RunCli(QString::fromStdString(oracle), {"compute", "club_1.dba", "--yes"}), 0);
    QVERIFY(matchPoints == Bytes(velk::MatchPointFilePath(oracle + "/club_1.dba", 1)));
    QVERIFY(Bytes(path("club_1.sco")) == Bytes(oracle + "/club_1.sco"));
}

void TestTables::aRequestTheWindowCannotAnswerInTimeOrAtStopGets503() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(startTables(window, std::chrono::milliseconds(200)));
    TableService* service = window.tableService();
    const int port = service->port();

    // The GUI thread does not turn round in time: the phone hears "busy" and the entry is dropped.
    Reply r = Ask(port, "PUT", "/api/v1/tables/A1/boards/1", pin("A1"), R"({"score": 420})", false);
    QCOMPARE(r.status, 503);
    QCOMPARE(r.body, std::string(R"({"error":"Server bezig; probeer het opnieuw"})"));
    QCoreApplication::processEvents();
    QCOMPARE(ListCell(Child<QTableWidget>(form_, "TafelLijst"), "A1", BoardsColumn),
             QStringLiteral("0 van 10"));

    // Stopping while a phone waits for the GUI thread: the phone hears "busy", nothing hangs.
    Click(form_, "Stoppen");
    service->setRequestWait(std::chrono::milliseconds(20000));
    Click(form_, "Starten");
    QVERIFY(service->running());
    const int again = service->port();
    const std::string a1 = pin("A1");
    auto reply = std::async(std::launch::async, [&] {
        httplib::Client client("127.0.0.1", again);
        client.set_connection_timeout(2, 0);
        client.set_read_timeout(30, 0);
        const auto res = client.Get("/api/v1/tables/A1/rounds/1", httplib::Headers{{"X-Velk-Pin", a1}});
        return res ? Reply{res->status, res->body} : Reply{};
    });
    for (int i = 0; i < 200 && service->pendingRequests() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    QCOMPARE(service->pendingRequests(), 1);
    Click(form_, "Stoppen");
    QVERIFY(!service->running());
    QCOMPARE(reply.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    r = reply.get();
    QCOMPARE(r.status, 503);
    QCoreApplication::processEvents();
}

void TestTables::aJournalLeftByACrashIsPutBackOnOpening() {
    // What a server that died mid-evening left: two entries the phones were told were kept.
    {
        std::ofstream journal(path("club_1_journal1.jsonl"), std::ios::binary);
        journal << R"({"table":"A1","board":1,"entry":{"score":"420"}})" << '\n'
                << R"({"table":"B1","board":1,"entry":{"contract":"3SA","declarer":"O","result":"+1"}})"
                << '\n'
                << R"({"table":"B1","board":2,"entry":{"score":"1)"; // cut short: never confirmed
    }
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path("club_1.dba")));
    QCOMPARE(dialogs.texts().back(), std::string("2 invoer(en) van de tafels uit het journaal hersteld"));
    QCOMPARE(std::filesystem::file_size(path("club_1_journal1.jsonl")), std::uintmax_t{0});

    // The same two entries typed through velk-cli, at the pairs that sit North-South there.
    QVERIFY(startServer(window));
    auto seats = [&](const char* label) {
        const Reply r = Ask(window.tableService()->port(), "GET",
                            std::string("/api/v1/tables/") + label + "/rounds/1", pin(label));
        const int ns = std::stoi(r.body.substr(r.body.find("\"ns\":") + 5));
        const int ew = std::stoi(r.body.substr(r.body.find("\"ew\":") + 5));
        return std::pair{ns, ew};
    };
    const auto a1 = seats("A1");
    const auto b1 = seats("B1");
    Click(form_, "Stoppen");
    const std::string oracle = folder_->file("cli");
    std::filesystem::create_directories(oracle);
    MakeCompetition(QString::fromStdString(oracle));
    QCOMPARE(RunCli(QString::fromStdString(oracle), {"scores", "enter", "club_1.dba"},
                    QStringLiteral("A 1 %1 420\nB 1 %2 3SA +1\n").arg(a1.first).arg(b1.second).toUtf8()),
             0);
    QVERIFY(Bytes(path("club_1.sco")) == Bytes(oracle + "/club_1.sco"));
}

void TestTables::aTakenPortOrASessionWithoutScheduleIsRefusedAndServingHoldsTheSession() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(startTables(window));
    // What would replace the session's schedule or scores waits until the server stops.
    for (const char* name : {"ReadSchedule", "RenumberSchedule", "DeleteSession", "ImportScores"}) {
        QVERIFY2(!window.action(name)->isEnabled(), name);
        QCOMPARE(window.action(name)->statusTip(),
                 QStringLiteral("Niet beschikbaar zolang de tafelserver draait"));
    }
    Click(form_, "Stoppen");
    for (const char* name : {"ReadSchedule", "RenumberSchedule", "DeleteSession", "ImportScores"})
        QVERIFY2(window.action(name)->isEnabled(), name);

    // A port another program listens on.
    const int taken = ::socket(AF_INET, SOCK_STREAM, 0);
    QVERIFY(taken >= 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof at;
    QVERIFY(::bind(taken, reinterpret_cast<sockaddr*>(&at), sizeof at) == 0 && ::listen(taken, 1) == 0 &&
            ::getsockname(taken, reinterpret_cast<sockaddr*>(&at), &size) == 0);
    const int port = ntohs(at.sin_port);
    auto* portBox = Child<QSpinBox>(form_, "Poort");
    portBox->setFocus();
    QTest::keyClick(portBox, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(portBox, QString::number(port));
    Click(form_, "Starten");
    ::close(taken);
    QVERIFY(!window.tableService()->running());
    QCOMPARE(dialogs.texts().back(), "Tafelserver kan niet starten op poort " + std::to_string(port));
    QCOMPARE(Child<QLabel>(form_, "Adres")->text(), QStringLiteral("De tafelserver is gestopt"));
    dialogs.answerNo();
    QVERIFY(window.closeWithSave());

    // A session without a schedule has no tables to serve.
    const std::string bare = folder_->file("bare");
    std::filesystem::create_directories(bare);
    QCOMPARE(RunCli(QString::fromStdString(bare),
                    {"new", "club.dba", "--pairs", "12", "--groups", "2", "--tables", "6"}),
             0);
    QVERIFY(velk::test::OpenInWindow(window, bare + "/club_1.dba"));
    Trigger(&window, "Tafels");
    Click(form_, "Starten");
    QVERIFY(!window.tableService()->running());
    // The score window's own words for it.
    QCOMPARE(dialogs.texts().back(), std::string("Tafelserver kan niet starten:\rSchemaNaam:  Groep:1"));
}

void TestTables::theTableCardsCarryTheServersPinsAndTheLiveResultsAreServed() {
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(startTables(window));
    const int port = window.tableService()->port();
    const std::string cards = path("kaarten.pdf");
    dialogs.files.push_back(cards);
    Click(form_, "Tafelkaarten");
    QCOMPARE(dialogs.fileChoices.back().title, std::string("Tafelkaarten"));
    QCOMPARE(dialogs.texts().back(), "Tafelkaarten geschreven in " + cards);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QString::fromStdString(cards), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(words.contains(QStringLiteral("http://127.0.0.1:%1/").arg(port)), qPrintable(words));
    for (const char* label : {"A1", "A2", "A3", "B1", "B2", "B3"}) {
        QVERIFY(words.contains(QStringLiteral("Tafel %1").arg(QLatin1String(label))));
        QVERIFY2(words.contains(QString::fromStdString(pin(QLatin1String(label)))), label);
    }

    // The results site is answered on the program's own thread too; no board is complete yet.
    const Reply page = Ask(port, "GET", "/uitslag/index.html", "");
    QCOMPARE(page.status, 200);
    QVERIFY(page.body.find("Nog geen uitslag") != std::string::npos);
    QCOMPARE(Ask(port, "GET", "/uitslag/../club_1.dba", "").status, 404);
    Click(form_, "Stoppen");
}

void TestTables::withHttpsTheServerAnswersWithTheClubsCertificateOnly() {
    // Two self-signed certificates for 127.0.0.1, made here.
    for (const char* name : {"club", "other"}) {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes",
                       "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                       "-keyout", QString::fromStdString(path(name)) + "-key.pem", "-out",
                       QString::fromStdString(path(name)) + "-cert.pem"});
        QVERIFY(openssl.waitForFinished(30000));
        QCOMPARE(openssl.exitCode(), 0);
    }
    ScriptedDialogs dialogs;
    TClubWindow window(dialogs, kClock);
    QVERIFY(velk::test::OpenInWindow(window, path("club_1.dba")));
    Trigger(&window, "Tafels");
    form_ = window.findChild<TTafelsForm*>(QStringLiteral("TafelsForm"));
    QVERIFY(form_);
    Child<QCheckBox>(form_, "Https")->setChecked(true);

    // A key of another certificate starts nothing.
    dialogs.files = {path("club-cert.pem"), path("other-key.pem")};
    QVERIFY(!startServer(window));
    QCOMPARE(dialogs.fileChoices.at(0).title, std::string("Certificaat van de club"));
    QCOMPARE(dialogs.texts().back(),
             "Tafelserver kan niet starten:\rSleutel niet te lezen of past niet bij het "
             "certificaat: " +
                 path("other-key.pem"));

    // The port is 0 already, the bind address 127.0.0.1.
    dialogs.files = {path("club-cert.pem"), path("club-key.pem")};
    Click(form_, "Starten");
    QVERIFY(window.tableService()->running());
    const int port = window.tableService()->port();
    QCOMPARE(Child<QLabel>(form_, "Adres")->text(),
             QStringLiteral("Adres voor de telefoons: https://127.0.0.1:%1/").arg(port));
    auto tables = std::async(std::launch::async, [&] {
        httplib::SSLClient client("127.0.0.1", port);
        client.set_ca_cert_path(path("club-cert.pem").c_str());
        client.enable_server_certificate_verification(true);
        client.set_connection_timeout(2, 0);
        client.set_read_timeout(15, 0);
        const auto res = client.Get("/api/v1/tables");
        return res ? res->status : 0;
    });
    QTRY_VERIFY_WITH_TIMEOUT(tables.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready,
                             20000);
    QCOMPARE(tables.get(), 200);
    // Plain HTTP gets no answer from it.
    QCOMPARE(Ask(port, "GET", "/api/v1/tables", "", {}, true).status, 0);
    Click(form_, "Stoppen");
}

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
