#include "reports/SummerDrivesReport.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/TextHelpers.h"
#include "reports/SeasonColumns.h"
#include "reports/SeasonFiles.h"

#include <algorithm>
#include <map>

namespace velk {

namespace {

inline constexpr const char* kDrivesPlayed = "Zijn er afzondelijk zomerdrives gespeeld ?";
inline constexpr const char* kNoDriveFile = "Geen Zomerdrive bestand ";

// How many drives to add up, asked in the form of the program's other number questions.
std::optional<int> AskDriveCount(ReportContext& context) {
    std::string value = std::to_string(std::max(context.club.CompetitionNumber, 1));
    if (!context.dialogs.inputText("ZomerDrives", "Aantal gespeelde zomerdrives (1-100) :", value, 3))
        return std::nullopt;
    const std::string_view text = Trim(value);
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || count > 100) {
            count = 0;
            break;
        }
        count = count * 10 + (c - '0');
    }
    if (count < 1 || count > 100) {
        ShowError(context.dialogs, context.club.ErrorCode, std::string(text), ErrorMessage::InvalidNumber);
        return std::nullopt;
    }
    return count;
}

// One drive: per club number the result of its session and the rank by session percentage.
using DriveColumn = std::map<int, SeasonCell>;

} // namespace

void WriteSummerDrives(ReportContext& context, ReportSink& sink) {
    Club& club = context.club;
    Dialogs& dialogs = context.dialogs;
    context.cancelled = true;
    if (!dialogs.askYesNo(kDrivesPlayed))
        return;
    const std::optional<int> count = AskDriveCount(context);
    if (!count)
        return;
    const std::string base = DriveBase(club.ClubFilePath);
    const std::string extension = SeasonExtension(club.ClubFilePath);
    std::vector<TParenObj> pairs(1); // record 0 is no pair
    std::vector<DriveColumn> drives;
    SeasonHeading heading;
    heading.drives = true;
    for (int n = 1; n <= *count; ++n) {
        const std::string path = base + std::to_string(n) + extension;
        if (!SeasonFileExists(path)) {
            dialogs.error(kNoDriveFile + FileNameOf(path));
            ShowFileError(dialogs, club.ErrorCode, club.ClubFileName, FileError::ReadFailed,
                          Hint::CorrectInput);
            return;
        }
        SeasonCompetition drive;
        const SeasonReadResult read =
            ParseSeasonCompetition(ReadFileBytes(path, kMaxCompetitionFileBytes).bytes, drive);
        if (read.status != SeasonRead::Ok) {
            ShowError(dialogs, club.ErrorCode, kRecordOutOfRange + std::to_string(read.session),
                      ErrorMessage::DataFileFault);
            return;
        }
        for (std::size_t i = 1; i < drive.pairs.size(); ++i)
            if (std::none_of(pairs.begin() + 1, pairs.end(),
                             [&](const TParenObj& p) { return p.ClubNr == drive.pairs[i].ClubNr; }))
                pairs.push_back(drive.pairs[i]);
        DriveColumn column;
        if (!drive.sessions.empty()) {
            const auto& rows = drive.sessions.front().Rows;
            for (std::size_t i = 1; i < rows.size(); ++i) {
                const int rank =
                    1 + static_cast<int>(std::count_if(rows.begin() + 1, rows.end(), [&](const TCalcObj& o) {
                        return o.Percentage > rows[i].Percentage;
                    }));
                column[rows[i].ClubNr] = {rows[i].CompetitionTotal, rank};
            }
        }
        drives.push_back(std::move(column));
        heading.numbers.push_back(n);
    }
    std::vector<int> clubNumbers;
    for (std::size_t i = 1; i < pairs.size(); ++i)
        clubNumbers.push_back(pairs[i].ClubNr);
    std::sort(clubNumbers.begin(), clubNumbers.end());
    std::vector<SeasonRow> rows;
    for (const int clubNumber : clubNumbers) {
        SeasonRow row;
        row.clubNumber = clubNumber;
        for (const DriveColumn& drive : drives) {
            const auto found = drive.find(clubNumber);
            row.cells.push_back(found == drive.end() ? SeasonCell{} : found->second);
            row.total += row.cells.back().result;
        }
        rows.push_back(std::move(row));
    }
    RankSeasonRows(rows);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const SeasonRow& a, const SeasonRow& b) { return a.total > b.total; });
    context.cancelled = false;
    WriteSeasonHeader(context, sink, heading);
    for (const SeasonRow& row : rows) {
        sink.line(SeasonRowText(context, row, pairs));
        if (row.total == 0)
            break;
    }
    sink.endBlock();
}

} // namespace velk
