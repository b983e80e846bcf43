// The per-pair pages from the main window: "M.P.'n alle paren" through its dialogs to the files on
// disk, and "M.P.'n per paar" answered Ja, handed to a stand-in for the word processor. The demo
// session made by velk-cli is the oracle: its results and the pages velk-cli pages writes.
#include "gui/QtDialogs.h"
#include "gui/club/TClubWindow.h"
#include "gui/reports/TResultForm.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/RecordingOpener.h"
#include "support/ScoreEntryTyping.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <memory>

using velk::test::Child;
using velk::test::Click;
using velk::test::Clicking;
using velk::test::ModalAnswers;
using velk::test::TypeAndEnter;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 15, 22, 0, 0});

// Real message windows, answered in the test; the file choices from a queue, as the platform's
// file dialog cannot be driven offscreen.
class FileQueueDialogs : public QtDialogs {
public:
    std::deque<std::optional<std::string>> files;
    std::vector<velk::FileChoice> choices;
    std::optional<std::string> openFileName(const velk::FileChoice& choice) override { return next(choice); }
    std::optional<std::string> saveFileName(const velk::FileChoice& choice) override { return next(choice); }

private:
    std::optional<std::string> next(const velk::FileChoice& choice) {
        choices.push_back(choice);
        if (files.empty()) {
            QTest::qFail("unexpected file choice", __FILE__, __LINE__);
            return std::nullopt;
        }
        auto file = files.front();
        files.pop_front();
        return file;
    }
};

QByteArray Bytes(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Keeps the text of the message window and answers it with the button `button`.
velk::test::Answer ReadAndPress(std::shared_ptr<QString> shown, const char* button) {
    return [shown, button](QWidget* message) {
        *shown = Child<QLabel>(message, "Message")->text();
        Click(message, button);
    };
}

// One pair of `velk-cli results --format csv`.
struct ResultRow {
    QString name;
    double points = 0;
    double total = 0;
};

} // namespace

class TestPairPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        folder_ = QString::fromStdString(work_.path().string());
        QCOMPARE(velk::test::RunCli(folder_, {"demo", "d"}), 0);
        QCOMPARE(velk::test::RunCli(folder_, {"pages", "d/demo_1.dba", "--groups", "*", "cli"}), 0);
        QByteArray csv;
        QCOMPARE(velk::test::RunCli(folder_, {"results", "d/demo_1.dba", "--format", "csv"}, {}, &csv), 0);
        const QList<QByteArray> lines = csv.trimmed().split('\n');
        const QList<QByteArray> head = lines.front().split(',');
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> cells = lines[i].split(',');
            auto cell = [&](const char* column) { return cells[head.indexOf(column)]; };
            results_[QString::fromLatin1(cell("group") + cell("grpnr"))] = {
                QString::fromUtf8(cell("name")), cell("points").toDouble(),
                cell("percentage").toDouble() + cell("correction").toDouble()};
        }
        QCOMPARE(results_.size(), 16);
        demo_ = work_.path() / "d" / "demo_1.dba";
    }

    void theListPerBoardOfEveryGroupIsSavedAsTheCommandLineWritesIt() {
        FileQueueDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(work_.file("data"));
        QVERIFY(velk::test::OpenInWindow(window, demo_.string()));
        // "*" for the list per board is the list of every group.
        {
            ModalAnswers answers("SelectieDlg", [](QWidget* d) {
                TypeAndEnter(d, "SelectBox1", "*");
                Click(d, "OkBtn");
            });
            velk::test::Trigger(&window, "spellen1");
        }
        QTRY_VERIFY(window.resultForm()->isVisible());
        QCOMPARE(window.resultForm()->kind(), 22);
        // "Bewaar" as HTML writes the bytes velk-cli report writes.
        const std::filesystem::path saved = work_.path() / "spellen-alle.htm";
        dialogs.files = {saved.string()};
        {
            ModalAnswers answers("BerichtForm", Clicking("Ja"));
            answers.then("BerichtForm", Clicking("OK"));
            window.resultForm()->SaveBitBtnClick();
        }
        QCOMPARE(velk::test::RunCli(folder_, {"report", "d/demo_1.dba", "--kind", "21", "--groups", "*",
                                              "--format", "html", "--output", "cli-spellen-alle.htm"}),
                 0);
        const QByteArray expected = Bytes(work_.path() / "cli-spellen-alle.htm");
        QVERIFY(expected.contains("Overzicht per S P E L, alle groepen"));
        QCOMPARE(Bytes(saved), expected);
        window.resultForm()->close();
    }

    void allPairsPagesFromTheMenu() {
        FileQueueDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(work_.file("data"));
        QVERIFY(velk::test::OpenInWindow(window, demo_.string()));
        QAction* item = window.action("MPAlleParen");
        QVERIFY(item->isEnabled());
        QCOMPARE(item->statusTip(), QStringLiteral("Kopieert Matchpunten oor ALLE paren naar HTML bestand"));
        const std::filesystem::path web = work_.path() / "web";
        std::filesystem::create_directories(web);
        dialogs.files = {(web / "MPPaarA1.htm").string(), (web / "pagina.htm").string()};
        auto shown = std::make_shared<QString>();
        {
            ModalAnswers answers("SelectieDlg", [](QWidget* d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("Groep Keuze"));
                // Enter takes the choice of all groups on to "O&k" and presses it.
                TypeAndEnter(d, "SelectBox1", "*");
                QVERIFY(!d->isVisible());
            });
            answers.then("BerichtForm", ReadAndPress(shown, "OK"));
            velk::test::Trigger(&window, "MPAlleParen");
        }
        QCOMPARE(*shown, QStringLiteral("Bewaren Matchpunten is gelukt voor alle paren van Groep : At/mB\n"
                                        " tevens Paarnamen.htm bewaard"));
        // One save choice per group, proposed beside the competition.
        QCOMPARE(dialogs.choices.size(), std::size_t{2});
        QCOMPARE(dialogs.choices[0].initialPath, (demo_.parent_path() / "MPPaarA1.htm").string());
        QCOMPARE(dialogs.choices[1].initialPath, (demo_.parent_path() / "MPPaarB1.htm").string());
        QCOMPARE(dialogs.choices[1].title, std::string("Velk bestand"));
        QCOMPARE(dialogs.choices[1].filter, std::string("MPPaar bestand (*.htm)|*.HTM"));
        // Nothing to list: the window stays closed and the other lists can be chosen.
        QVERIFY(!window.resultForm()->isVisible());
        QVERIFY(window.action("Sor1")->isEnabled());

        // The same files, byte for byte, as velk-cli pages writes from the stored match points.
        const QStringList written =
            QDir(QString::fromStdString(web.string())).entryList(QDir::Files, QDir::Name);
        QCOMPARE(written, QDir(folder_ + QStringLiteral("/cli")).entryList(QDir::Files, QDir::Name));
        QCOMPARE(written.size(), 17);
        for (const QString& name : written)
            QVERIFY2(Bytes(web / name.toStdString()) == Bytes(work_.path() / "cli" / name.toStdString()),
                     qPrintable(name));

        // Each page read back: the pair's name, the board cells adding up to its points, and the
        // closing total and percentage as velk-cli results gives them.
        const QRegularExpression heading(QStringLiteral("<b> Paar (\\d+): ([^<]*)</b>"));
        const QRegularExpression cell(QStringLiteral("width=\"45\">(-?\\d+\\.\\d)</TD>"));
        const QRegularExpression closing(
            QStringLiteral("Punten Procenten  :</TD><TD width=\"206\">(-?[\\d.]+)&nbsp;&nbsp;&nbsp;&nbsp;"
                           "&nbsp;&nbsp([\\d.]+) % </TD></TR>"));
        for (const QString& key : results_.keys()) {
            const QString page = QString::fromLatin1(Bytes(web / ("MPPaar" + key.toStdString() + ".htm")));
            const ResultRow& expected = results_[key];
            const auto head = heading.match(page);
            QVERIFY2(head.hasMatch(), qPrintable(key));
            QCOMPARE(head.captured(1), key.mid(1));
            QCOMPARE(head.captured(2), expected.name);
            double sum = 0;
            for (auto it = cell.globalMatch(page); it.hasNext();)
                sum += it.next().captured(1).toDouble();
            QVERIFY2(qAbs(sum - expected.points) < 0.051, qPrintable(key));
            const auto end = closing.match(page);
            QVERIFY2(end.hasMatch(), qPrintable(key));
            QCOMPARE(end.captured(1), QString::number(expected.points, 'f', 1));
            QCOMPARE(end.captured(2), QString::number(expected.total, 'f', 2));
        }
    }

    void theListOfAPairAsHtmlGoesToTheWordProcessor() {
        FileQueueDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        const std::filesystem::path data = work_.path() / "handoff";
        window.setReportFolder(data.string());
        velk::test::RecordingOpener opener;
        window.setDocumentOpener(&opener);
        QVERIFY(velk::test::OpenInWindow(window, demo_.string()));
        const std::string page = (data / "MPPaarB3.htm").string();

        auto shown = std::make_shared<QString>();
        auto chooseB3 = [](QWidget* d) {
            TypeAndEnter(d, "SelectBox1", "B");
            TypeAndEnter(d, "SelectBox3", "3");
            Click(d, "OkBtn");
        };
        dialogs.files = {page};
        {
            ModalAnswers answers("SelectieDlg", chooseB3);
            answers.then("BerichtForm", ReadAndPress(shown, "Ja"));
            velk::test::Trigger(&window, "MPPerPaar");
        }
        QCOMPARE(*shown, QStringLiteral("Tonen als HTML bestand ?"));
        QCOMPARE(opener.calls, std::vector<std::string>{"writer " + page});
        QCOMPARE(dialogs.choices.back().initialPath, page);
        QCOMPARE(dialogs.choices.back().title, std::string("Velk bestand"));
        QCOMPARE(Bytes(page), Bytes(work_.path() / "cli" / "MPPaarB3.htm"));
        QVERIFY(!window.resultForm()->isVisible());

        // Writer missing, the desktop refuses too: said, and the program goes on.
        opener.writerStarts = false;
        opener.desktopOpens = false;
        opener.calls.clear();
        dialogs.files = {page};
        auto failed = std::make_shared<QString>();
        {
            ModalAnswers answers("SelectieDlg", chooseB3);
            answers.then("BerichtForm", ReadAndPress(shown, "Ja"));
            answers.then("BerichtForm", ReadAndPress(failed, "OK"));
            velk::test::Trigger(&window, "MPPerPaar");
        }
        QCOMPARE(*failed, QStringLiteral("Opstarten van Word mislukt "));
        QCOMPARE(opener.calls, (std::vector<std::string>{"writer " + page, "desktop " + page}));

        // A page chosen in the open dialog that is not there.
        opener.calls.clear();
        dialogs.files = {(data / "MPPaarB9.htm").string()};
        {
            ModalAnswers answers("SelectieDlg", chooseB3);
            answers.then("BerichtForm", ReadAndPress(shown, "Ja"));
            answers.then("BerichtForm", ReadAndPress(failed, "OK"));
            velk::test::Trigger(&window, "MPPerPaar");
        }
        QCOMPARE(*failed, QStringLiteral("Bewerken in Word (Word2003?) mislukt"));
        QVERIFY(opener.calls.empty());
        QVERIFY(window.action("MPPerPaar")->isEnabled());
    }

private:
    velk::test::TempFolder work_{"pairpages"};
    QString folder_;
    std::filesystem::path demo_;
    QMap<QString, ResultRow> results_;
};

QTEST_MAIN(TestPairPages)
#include "tst_pairpages.moc"
