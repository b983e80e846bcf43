// What the user refuses or declines changes nothing: a refused competition data dialog keeps the
// head, the pairs and their results; a declined "Bewaren &als..." keeps the file's name and
// competition number; "&Volgende Competitie" proposes the real next name and refuses one that
// carries no competition number.
#include "core/files/CompetitionFile.h"
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "support/CompetitionOnDisk.h"
#include "support/ModalAnswers.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetTesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <algorithm>
#include <filesystem>
#include <memory>

using velk::test::Click;
using velk::test::CompetitionOnDisk;
using velk::test::ModalAnswers;
using velk::test::OpenInWindow;
using velk::test::ReadBytes;
using velk::test::ScriptedDialogs;
using velk::test::Trigger;
using velk::test::TypeAndEnter;

namespace {

const velk::FixedClock kClock(velk::DateTime{2026, 12, 8, 20, 15, 0});

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// Names and result rows that tell the pairs apart.
void MarkPairs(velk::Club& club) {
    for (std::size_t i = 1; i < club.PairList.size(); ++i) {
        club.PairList[i].Naam.set("Paar nummer " + std::to_string(i));
        for (auto& session : club.SessionList)
            session.Rows[i].Points = 10.0f * static_cast<float>(i);
    }
}

// The save dialog accepted as it comes up, with Enter: the proposed name is the chosen one.
class AcceptingProposals : public ScriptedDialogs {
public:
    std::optional<std::string> saveFileName(const velk::FileChoice& choice) override {
        fileChoices.push_back(choice);
        return choice.initialPath;
    }
};

velk::CompetitionFileData ReadBack(const std::string& path) {
    velk::CompetitionFileData data;
    ScriptedDialogs dialogs;
    velk::ErrorCode error;
    if (!velk::ReadCompetitionFile(path, data, dialogs, error))
        QTest::qFail(qPrintable(QStringLiteral("cannot read %1").arg(QString::fromStdString(path))), __FILE__,
                     __LINE__);
    return data;
}

} // namespace

class TestRefusedChanges : public QObject {
    Q_OBJECT

    // Opens a competition of `pairs` pairs in `groups` groups written as `name`; the session dialog
    // that follows the open is cancelled.
    TClubWindow& open(int pairs, int groups, int sessions = 1, const std::string& name = "club_1.dba",
                      std::unique_ptr<ScriptedDialogs> dialogs = std::make_unique<ScriptedDialogs>()) {
        window_.reset();
        disk_ = std::make_unique<CompetitionOnDisk>(pairs, groups, 0, sessions);
        MarkPairs(disk_->club);
        path_ = disk_->write(name);
        dialogs_ = std::move(dialogs);
        window_ = std::make_unique<TClubWindow>(*dialogs_, kClock);
        opened_ = OpenInWindow(*window_, path_);
        return *window_;
    }
    QString statusFile() const { return window_->findChild<QLabel*>("StatusFile")->text(); }
    QString competitionLine() const { return window_->findChild<QLabel*>("CompetitieLabel")->text(); }

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

    // 24 pairs to 26 and 66 tables (33 a group): the dialog is refused after OK. The head, the
    // pairs and the result rows stay as they were, so nothing is lost when the user goes on.
    void refusedCompetitionDataKeepsHeadPairsAndResults() {
        TClubWindow& window = open(24, 2);
        QVERIFY(opened_);
        velk::Club& club = window.club();
        const velk::CompetitionHead head = club.CompetitionHead;
        const auto config = club.ConfigRecord;
        const auto pairs = club.PairList;
        const auto sessions = club.SessionList;
        const auto original = ReadBytes(path_);
        {
            ModalAnswers answer("ConfigDial", [](QWidget* d) {
                TypeAndEnter(d, "Edit2", QStringLiteral("26"));
                TypeAndEnter(d, "Edit6", QStringLiteral("66"));
                Click(d, "OkConfigBtn");
            });
            Trigger(&window, "ClubData");
        }
        QCOMPARE(dialogs_->texts().back(), std::string("Aantal Tafels per groep is te groot club_1.dba"));
        QCOMPARE(club.CompetitionHead.PairCount, head.PairCount);
        QCOMPARE(club.CompetitionHead.TableCount, head.TableCount);
        QVERIFY(club.CompetitionHead == head);
        QVERIFY(club.ConfigRecord == config);
        QCOMPARE(club.PairsPerGroup, 12);
        QCOMPARE(club.TablesPerGroup, 6);
        QVERIFY(club.PairList == pairs);
        QVERIFY(club.SessionList == sessions);
        QVERIFY(competitionLine().contains(QStringLiteral("Paren: 24  Tafels:  12")));
        QVERIFY(ReadBytes(path_) == original);

        // The dialog opens on the old values; OK without a change removes nobody.
        {
            ModalAnswers answer("ConfigDial", [](QWidget* d) {
                QCOMPARE(velk::test::Child<QLineEdit>(d, "Edit2")->text(), QStringLiteral("24"));
                QCOMPARE(velk::test::Child<QLineEdit>(d, "Edit6")->text(), QStringLiteral("12"));
                Click(d, "OkConfigBtn");
            });
            Trigger(&window, "ClubData");
        }
        QVERIFY(club.PairList == pairs);
        QCOMPARE(club.PairList[5].ClubNr, std::int16_t(5));

        // Saving works and gives back the file as it was read.
        Trigger(&window, "Save");
        QCOMPARE(dialogs_->texts().back(), "Wegschrijven van " + path_ + " gelukt");
        QVERIFY(ReadBytes(path_) == original);
    }

    // "Bewaren &als..." under c_9.dba, "Nee" to the odd pair count: nothing is written and the
    // file keeps its name, its competition number and its sessions' numbers; a second try writes
    // it and only then the new name holds.
    void declinedSaveAsKeepsTheName() {
        TClubWindow& window = open(24, 2, 2);
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        velk::Club& club = window.club();
        window.grid()->selectPair(5);
        dialogs.answerYes(); // Weet u zeker dat u paar: 5 wilt verwijderen
        dialogs.answerNo();  // Aantal paren veranderd in: 23 ... bewaren?
        Trigger(&window, "DeletePair");
        QCOMPARE(club.CompetitionHead.PairCount, std::int16_t(23));
        const auto original = ReadBytes(path_);
        const std::string other = disk_->file("c_9.dba");

        dialogs.files.push_back(other);
        dialogs.answerNo(); // Aantal paren is NIET even, toch doorgaan?
        Trigger(&window, "SaveAs");
        QCOMPARE(dialogs.texts().back(), std::string("Aantal paren is NIET even, toch doorgaan?"));
        QVERIFY(!Exists(other));
        QVERIFY(ReadBytes(path_) == original);
        QCOMPARE(statusFile(), QStringLiteral("Bestand: club_1.dba"));
        QVERIFY(competitionLine().startsWith(QStringLiteral(" Compet: 1 ")));
        QCOMPARE(club.ClubFilePath, path_);
        QCOMPARE(club.CompetitionNumber, 1);
        QCOMPARE(club.SessionHead.CompetitionNr, std::int16_t(1));
        for (const auto& session : club.SessionList)
            QCOMPARE(session.CompetitionNr, std::int16_t(1));

        // "Bewaren &als..." is still there for the file on disk.
        dialogs.files.push_back(other);
        dialogs.answerYes();
        Trigger(&window, "SaveAs");
        QVERIFY(std::find(dialogs.texts().begin(), dialogs.texts().end(),
                          "Wegschrijven van " + other + " gelukt") != dialogs.texts().end());
        QCOMPARE(statusFile(), QStringLiteral("Bestand: c_9.dba"));
        QVERIFY(competitionLine().startsWith(QStringLiteral(" Compet: 9 ")));
        const velk::CompetitionFileData written = ReadBack(other);
        QCOMPARE(written.ConfigRecord.Head.PairCount, std::int16_t(23));
        QCOMPARE(written.SessionList.size(), std::size_t{2});
        for (const auto& session : written.SessionList)
            QCOMPARE(session.CompetitionNr, std::int16_t(9));
        QVERIFY(ReadBytes(path_) == original);
    }

    // Enter in the save dialog of "&Volgende Competitie" takes the proposal: the next number.
    void nextCompetitionProposesTheNextNumber() {
        TClubWindow& window = open(20, 2, 6, "club2026_1.dba", std::make_unique<AcceptingProposals>());
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        const std::string next = disk_->file("club2026_2.dba");
        dialogs.answerYes(); // Bridge Club is opnieuw ingedeeld, bewaren met nieuwe naam
        dialogs.answerYes(); // Nieuwe bestand openen
        Trigger(&window, "NextCompetition");
        QVERIFY(!Exists(disk_->file("club2026_?.dba")));
        QVERIFY(Exists(next));
        QCOMPARE(QString::fromStdString(dialogs.fileChoices.back().initialPath),
                 QString::fromStdString(next));
        QCOMPARE(statusFile(), QStringLiteral("Bestand: club2026_2.dba"));
        QVERIFY(competitionLine().startsWith(QStringLiteral(" Compet: 2 ")));
        const velk::CompetitionFileData written = ReadBack(next);
        QCOMPARE(written.SessionList.size(), std::size_t{1});
        QCOMPARE(written.SessionList[0].CompetitionNr, std::int16_t(2));
    }

    // A name the numbering cannot read is refused and the proposal offered again; giving up leaves
    // the competition as it was and writes nothing.
    void nextCompetitionRefusesANameWithoutNumber() {
        TClubWindow& window = open(20, 2, 6, "club2026_9.dba");
        QVERIFY(opened_);
        ScriptedDialogs& dialogs = *dialogs_;
        velk::Club& club = window.club();
        const auto pairs = club.PairList;
        const auto original = ReadBytes(path_);
        const std::string unreadable = disk_->file("club2026_x.dba");
        dialogs.answerYes(); // Bridge Club is opnieuw ingedeeld, bewaren met nieuwe naam
        dialogs.files.push_back(unreadable);
        dialogs.files.push_back(std::nullopt);
        Trigger(&window, "NextCompetition");
        QVERIFY(std::find(dialogs.texts().begin(), dialogs.texts().end(),
                          "Bestand zonder Competitie-Index : club2026_x.dba") != dialogs.texts().end());
        QCOMPARE(dialogs.fileChoices.size(), std::size_t{2});
        QCOMPARE(dialogs.fileChoices[0].initialPath, disk_->file("club2026_10.dba"));
        QCOMPARE(dialogs.fileChoices[1].initialPath, disk_->file("club2026_10.dba"));
        QVERIFY(!Exists(unreadable));
        QVERIFY(!Exists(disk_->file("club2026_10.dba")));
        QVERIFY(ReadBytes(path_) == original);
        QCOMPARE(statusFile(), QStringLiteral("Bestand: club2026_9.dba"));
        QVERIFY(competitionLine().startsWith(QStringLiteral(" Compet: 9 ")));
        QVERIFY(club.PairList == pairs);
        QCOMPARE(club.SessionCount(), 6);
    }
};

QTEST_MAIN(TestRefusedChanges)
#include "tst_refusedchanges.moc"
