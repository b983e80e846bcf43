// The result window from the main window's menu: the group choice, the memo, the outputs.
#include "gui/club/TClubWindow.h"
#include "gui/reports/TResultForm.h"
#include "gui/selection/TParenDlg.h"
#include "reports/ReportWriters.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

using velk::test::Click;
using velk::test::ModalAnswers;
using velk::test::TypeAndEnter;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 15, 22, 0, 0});

// Two groups of 8 pairs; session 1 on 15-12-2026 with points 10 x the number and ranks in reverse.
std::string WriteResults(velk::test::CompetitionOnDisk& disk) {
    velk::Club& club = disk.club;
    club.CompetitionHead.NeubergMode = velk::NeubergOff; // whole points
    disk.competitionName("De Troef").familyNames();
    velk::TZitCalcObj& z = club.SessionList[0];
    z.SessionDate.set("15-12-2026");
    for (int p = 1; p <= 16; ++p) {
        velk::TCalcObj& r = z.Rows[static_cast<std::size_t>(p)];
        const int number = (p - 1) % 8 + 1;
        r.Points = static_cast<float>(10 * number);
        r.SessionRank = static_cast<std::int16_t>(9 - number);
        r.CompetitionRank = r.SessionRank;
    }
    club.CurrentSession = 1;
    return disk.write();
}

QString Memo(TClubWindow& window) {
    return window.resultForm()->memo()->toPlainText();
}

// Opens the file and chooses group B alone in the selection dialog of the menu item `item`.
void ListGroupB(TClubWindow& window, const char* item) {
    ModalAnswers choose("SelectieDlg", [](QWidget* d) {
        TypeAndEnter(d, "SelectBox1", "B");
        TypeAndEnter(d, "SelectBox2", "B");
        Click(d, "OkBtn");
    });
    velk::test::Trigger(&window, item);
}

} // namespace

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void init() {
        disk_ = std::make_unique<velk::test::CompetitionOnDisk>(16, 2);
        path_ = WriteResults(*disk_);
    }

    void theMenuItemListsTheChosenGroup() {
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(work_.path().string());
        QVERIFY(velk::test::OpenInWindow(window, path_));
        QVERIFY(window.action("Sor1")->isEnabled());
        ListGroupB(window, "Sor1");
        QVERIFY(window.resultForm()->isVisible());
        QCOMPARE(window.resultForm()->windowTitle(), QStringLiteral("Resultaten"));
        const QString memo = Memo(window);
        const QStringList lines = memo.split(QLatin1Char('\n'));
        QCOMPARE(lines[1], QStringLiteral("P U N T E N van P A R E N  op ClubNr.Datum : 15-12-2026"));
        QVERIFY(memo.contains(QStringLiteral("Groep : B")));
        QVERIFY(!memo.contains(QStringLiteral("Groep : A")));
        // Pair 1 of group B (list position 9) with 10 points and rank 8.
        const QString name = QString::fromStdString(disk_->club.PairList[9].Naam.get());
        QCOMPARE(lines[8],
                 QStringLiteral("  1  ") + name.leftJustified(33) + QStringLiteral("   10   0       10  8"));
        // The other lists wait while it is shown; the work file holds the same text.
        QVERIFY(!window.action("SorteeropRangorde1")->isEnabled());
        QFile work(QString::fromStdString((work_.path() / "UitTekst").string()));
        QVERIFY(work.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(work.readAll()), memo + QLatin1Char('\n'));

        // The screenshot for the README.
        if (const QByteArray target = qgetenv("VELK_SCREENSHOT"); !target.isEmpty()) {
            QTest::qWait(100);
            QVERIFY(window.resultForm()->grab().save(QString::fromLocal8Bit(target)));
        }

        // Help on the points list; the print preview shows the pages and closes.
        Click(window.resultForm(), "HelpBitBtn");
        QCOMPARE(dialogs.helpRequests, std::vector<int>{261});
        {
            bool previewed = false;
            ModalAnswers preview("PrintPreview", [&](QWidget* d) {
                previewed = true;
                d->close();
            });
            Click(window.resultForm(), "PreviewBtn");
            QVERIFY(previewed);
        }

        // Page Down steps through the groups, no further than the last.
        QTest::keyClick(window.resultForm()->memo(), Qt::Key_PageDown);
        QTest::keyClick(window.resultForm()->memo(), Qt::Key_PageDown);
        QCOMPARE(window.resultForm()->groupCounter(), 2);
        Click(window.resultForm(), "OkbitBtn6");
        QVERIFY(!window.resultForm()->isVisible());
        QVERIFY(window.action("SorteeropRangorde1")->isEnabled());
    }

    void otherAsksAgainWithTheListByNumber() {
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(work_.path().string());
        QVERIFY(velk::test::OpenInWindow(window, path_));
        ListGroupB(window, "SorteeropRangorde1");
        QCOMPARE(window.resultForm()->kind(), 2);
        // By rank: pair 8 of group B has rank 1.
        QVERIFY(Memo(window).split(QLatin1Char('\n'))[8].startsWith(QStringLiteral("  8  ")));
        {
            ModalAnswers again("SelectieDlg", [](QWidget* d) { Click(d, "OkBtn"); });
            Click(window.resultForm(), "OtherBitBtn");
            QTRY_VERIFY(window.resultForm()->isVisible());
        }
        QCOMPARE(window.resultForm()->kind(), 1);
        QVERIFY(Memo(window).contains(QStringLiteral("Groep : A")));
    }

    void savedAsHtmlTextAndPdf() {
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(work_.path().string());
        QVERIFY(velk::test::OpenInWindow(window, path_));
        ListGroupB(window, "Sor1");
        TResultForm* form = window.resultForm();
        const QStringList lines = Memo(window).split(QLatin1Char('\n'));

        const std::string html = work_.file("uitslag.htm");
        dialogs.answerYes();
        dialogs.files.push_back(html);
        form->SaveBitBtnClick();
        QCOMPARE(QString::fromStdString(dialogs.messages.back().text),
                 QStringLiteral("Bewaren overzicht(en)als HTM-bestand is gelukt: ") +
                     QString::fromStdString(html));
        QFile page(QString::fromStdString(html));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray bytes = page.readAll();
        QVERIFY(bytes.startsWith("<!DOCTYPE HTML PUBLIC"));
        QVERIFY(bytes.contains("<TITLE>V.L.KP U N T E N van P A R E N  op ClubNr.</TITLE>"));
        QVERIFY(bytes.contains(("<PRE>\n" + lines[0] + "\n").toLatin1()));

        const std::string text = work_.file("uitslag.txt");
        dialogs.answerNo();
        dialogs.files.push_back(text);
        form->SaveBitBtnClick();
        QCOMPARE(dialogs.fileChoices.back().filter,
                 std::string("Text files (*.txt)|*.TXT|PDF files (*.pdf)|*.PDF"));
        QFile saved(QString::fromStdString(text));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(saved.readAll()), lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));

        // The PDF holds the printed pages; its text read back has the same lines.
        const std::string pdf = work_.file("uitslag.pdf");
        dialogs.answerNo();
        dialogs.files.push_back(pdf);
        form->SaveBitBtnClick();
        QCOMPARE(QString::fromStdString(dialogs.messages.back().text),
                 QStringLiteral("Bewaren overzicht(en) als PDF-bestand is gelukt: ") +
                     QString::fromStdString(pdf));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils, scripts/setup) is not installed");
        QProcess reader;
        reader.start(QStringLiteral("pdftotext"),
                     {QStringLiteral("-layout"), QString::fromStdString(pdf), "-"});
        QVERIFY(reader.waitForFinished(30000));
        // pdftotext keeps the words of each line in order, not every run of blanks.
        auto words = [](const QString& text) {
            QStringList out;
            for (const QString& line : text.split(QLatin1Char('\n')))
                if (!line.simplified().isEmpty())
                    out << line.simplified();
            return out;
        };
        const QString read = QString::fromUtf8(reader.readAllStandardOutput());
        if (words(read) != words(lines.join(QLatin1Char('\n'))))
            qWarning("read back from the PDF:\n%s", qPrintable(read));
        QCOMPARE(words(read), words(lines.join(QLatin1Char('\n'))));
    }

    void pairListAndKindsNotYetThere() {
        velk::test::ScriptedDialogs dialogs;
        TClubWindow window(dialogs, kClock);
        window.setReportFolder(work_.path().string());
        QVERIFY(velk::test::OpenInWindow(window, path_));
        dialogs.answerNo(); // "Namen voorzien van Clubnummer?"
        velk::test::Trigger(&window, "OutputPairs");
        QVERIFY(window.resultForm()->isVisible());
        QVERIFY(Memo(window).contains(QString::fromStdString(disk_->club.PairList[16].Naam.get())));
        Click(window.resultForm(), "OkbitBtn6");
        // An item whose list is not written yet stays off and says why.
        for (const char* name :
             {"GidsBriefjes", "spellen1", "Tellijsten", "Sortopclubnum", "ScoreTableList"}) {
            const MenuEntry& entry = MenuEntryNamed(name);
            const bool written = velk::HasReportWriter(static_cast<velk::ReportKind>(entry.report));
            QCOMPARE(window.action(name)->isEnabled(), written);
            QCOMPARE(
                window.action(name)->statusTip().contains(QStringLiteral("niet beschikbaar in deze versie")),
                !written);
        }
    }

    void theRangeDialogForwardsToItsModel() {
        velk::Club club = velk::test::MakeClub(16, 2, 8, 3);
        club.CurrentSession = 2;
        club.SessionHead.RoundCount = 7;
        velk::test::ScriptedDialogs dialogs;
        TParenDlg dialog(club, dialogs);
        ModalAnswers answer([](QWidget* d) {
            QCOMPARE(velk::test::Child<QLabel>(d, "RangeLabel")->text(), QStringLiteral("Ronde 1...7"));
            QCOMPARE(velk::test::Child<QLineEdit>(d, "AvondEdit")->text(), QStringLiteral("2"));
            TypeAndEnter(d, "BeginEdit", "3");
            TypeAndEnter(d, "EindEdit", "*");
            TypeAndEnter(d, "AvondEdit", "x");
            // Refused: the focus stays in the session field.
            QCOMPARE(velk::test::FocusName(), QStringLiteral("AvondEdit"));
            TypeAndEnter(d, "AvondEdit", "1");
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        });
        QVERIFY(dialog.ChooseRange(13));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ronde & Zitting Keuze"));
        QCOMPARE(dialog.selection().RangeFirst, 3);
        QCOMPARE(dialog.selection().RangeLast, 7);
        QCOMPARE(dialog.selection().RangeSession, 1);
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QVERIFY(dialogs.messages[0].text.starts_with("Avond  is geen geldige waarde"));
    }

private:
    velk::test::TempFolder work_{"results-work"};
    std::unique_ptr<velk::test::CompetitionOnDisk> disk_;
    std::string path_;
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
