// The "&Databeheer" items that take members and scores over from the other club program.
#include "core/DateHelpers.h"
#include "core/FileBytes.h"
#include "gui/club/TClubWindow.h"
#include "gui/members/TKXLedenDlg.h"
#include "gui/members/TKXScrDlg.h"
#include "gui/members/TLedenForm.h"
#include "members/MemberImport.h"
#include "members/MembersImport.h"
#include "members/SessionScoreImport.h"
#include "members/access/AccessReader.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

constexpr std::size_t kMaxExportBytes = 16u * 1024 * 1024;
const QString kFolderKey = QStringLiteral("Kaartix/DataMap");

// The other program's data folder: a machine-level setting, remembered between runs.
QString KaartixFolder() {
    return QSettings().value(kFolderKey).toString();
}

bool KaartixFolderExists() {
    const QString folder = KaartixFolder();
    return !folder.isEmpty() && QDir(folder).exists();
}

// A database chosen elsewhere makes its folder the other program's folder from now on.
void RememberFolderOf(const std::string& path) {
    QSettings().setValue(kFolderKey, QFileInfo(QString::fromStdString(path)).absolutePath());
}

} // namespace

void TClubWindow::onImportMembers() {
    TKXLedenDlg source(dialogs_, this);
    const int choice = source.Choose();
    if (choice == 0)
        return;
    velk::MembersImport import(dialogs_, clock_);
    if (choice == 1) {
        dialogs_.information(
            "De Datamap met een Ledenxx.csv bestand zal zich bevinden\r in een map van Kaartix of "
            "anders welke map u zelf heeft gekozen in C:\\*");
        const auto path =
            dialogs_.openFileName({"Open", "CSV files (*.csv)|*.csv", "csv", QDir::homePath().toStdString()});
        if (!path)
            return;
        const velk::FileBytes file = velk::ReadFileBytes(*path, kMaxExportBytes);
        if (!file.ok() || !import.takeExport(*path, std::string(file.bytes.begin(), file.bytes.end())))
            return;
        // The register gets a members file name of its own; the export stays as it is.
        TLedenForm* form = membersForm();
        members_.adopt(import.members(), velk::MembersSource::KaartixList, form->proposedFileName(), *path);
        form->ShowRegister();
        return;
    }
    std::string start = QDir::homePath().toStdString();
    if (choice == 2) {
        if (!KaartixFolderExists()) {
            dialogs_.information(
                "Het \"Kaartix\" programma bevindt zich niet op de computer\r of in een andere map "
                "van deze computer, gebruik optie 2 of 3");
            return;
        }
        start = KaartixFolder().toStdString();
    } else {
        dialogs_.information(
            "De Datamap met een Members.mdb bestand kan zich bevinden\r in een Backup map van "
            "Kaartix of in een submap vaan C:\\gebruikers");
    }
    const auto path = dialogs_.openFileName({"Open", "MDB files (*.mdb)|*.mdb", "mdb", start});
    if (!path)
        return;
    velk::AccessTable table;
    const velk::AccessRead status = velk::ReadAccessTable(*path, velk::kMembersTable, table);
    if (!import.takeDatabase(*path, status, table))
        return;
    if (choice == 3)
        RememberFolderOf(*path);
    TKXScrDlg window(this);
    const QString heading =
        QStringLiteral("Ledentabel ") + QString::fromStdString(club_.CompetitionHead.CompetitionName.get());
    window.ShowTable(import.table(), heading, false, [&] {
        const std::string proposed = (QFileInfo(QString::fromStdString(club_.ClubFilePath)).absolutePath() +
                                      QStringLiteral("/vlkleden_08.dat"))
                                         .toStdString();
        const auto target =
            dialogs_.saveFileName({"Bewaren..als", "Leden files (*.dat)|*.DAT", "dat", proposed});
        return target && import.copyTo(*target);
    });
}

void TClubWindow::onImportScores() {
    if (!KaartixFolderExists() &&
        !dialogs_.askYesNo(
            "Het \"Kaartix\" programma bevindt zich niet op deze computerwilt u toch doorgaan?"))
        return;
    const std::string start =
        KaartixFolderExists() ? KaartixFolder().toStdString() : QDir::homePath().toStdString();
    const auto path = dialogs_.openFileName({"Open", "MDB files (*.ses)|*.SES", "ses", start});
    if (!path)
        return;
    if (!QFileInfo::exists(QString::fromStdString(*path))) {
        dialogs_.error(" File bestaat niet");
        return;
    }
    velk::AccessTable table;
    const velk::AccessRead status = velk::ReadAccessTable(*path, velk::kSessionTable, table);
    velk::SessionScoreImport import(club_, dialogs_);
    if (!import.takeTable(*path, status, table))
        return;
    if (!KaartixFolderExists())
        RememberFolderOf(*path);
    copyGridToRecords();
    TKXScrDlg window(this);
    const QString heading =
        QStringLiteral(" \"Kaartix\" Scores Zitting : ") + QString::number(club_.CurrentSession);
    window.ShowTable(import.table(), heading, true, [&] { return import.copyScores() && saveFile(); });
}
