#include "reports/YearTotalsReport.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/TextHelpers.h"
#include "reports/ReportFields.h"
#include "reports/SeasonColumns.h"
#include "reports/SeasonFiles.h"

#include <algorithm>
#include <stdexcept>

namespace velk {

namespace {

// One competition of the total: its number, the date of its last session and the result rows of
// that session, with the group bonus added, ranked and in club-number order.
struct Competition {
    int number = 0;
    std::string date;
    std::vector<TCalcObj> rows;
};

// Every pair of the open session's selected groups with no percentage means no results yet.
bool GroupsHaveResults(ReportContext& context) {
    const Club& club = context.club;
    if (club.CurrentSession < 1 || club.CurrentSession > club.SessionCount())
        return false;
    const auto& rows = club.SessionList[static_cast<std::size_t>(club.CurrentSession - 1)].Rows;
    for (int g = context.groups.SelFirstGroup; g <= context.groups.SelLastGroup; ++g) {
        int counted = 0;
        for (int k = 1; k <= club.PairsPerGroup; ++k) {
            const std::size_t i = static_cast<std::size_t>((g - 1) * club.PairsPerGroup + k);
            if (i < rows.size() && (rows[i].Percentage != 0 || rows[i].Correction != 0))
                ++counted;
        }
        if (counted == 0) {
            ShowError(context.dialogs, context.club.ErrorCode, std::string(1, GroupLetter(g)),
                      ErrorMessage::NoPercentagesComputed);
            return false;
        }
    }
    return true;
}

Competition Prepare(const SeasonCompetition& file, int number, bool eachGroup) {
    Competition c;
    c.number = number;
    const std::size_t count = static_cast<std::size_t>(file.pairCount());
    if (file.sessions.empty()) {
        for (std::size_t i = 1; i <= count && i < file.pairs.size(); ++i)
            c.rows.push_back(TCalcObj::NewRow(file.pairs[i].ClubNr));
    } else {
        const TZitCalcObj& last = file.sessions.back();
        c.date = last.SessionDate.get();
        c.rows.assign(last.Rows.begin() + 1, last.Rows.end());
    }
    // The group bonus: the group's points for every session the pair played.
    const bool competition = !file.pairs.empty() && file.pairs[0].Groep != kDriveKind;
    if (competition && eachGroup) {
        const int perGroup = std::max(file.pairsPerGroup(), 1);
        for (std::size_t i = 0; i < c.rows.size(); ++i) {
            const std::size_t group = std::min<std::size_t>(i / static_cast<std::size_t>(perGroup), 15);
            int bonus = 0;
            for (const TZitCalcObj& s : file.sessions)
                if (i + 1 < s.Rows.size() && s.Rows[i + 1].Percentage > 0)
                    bonus += file.config.GroupBonus[group];
            c.rows[i].CompetitionTotal += static_cast<float>(bonus);
        }
    }
    for (TCalcObj& row : c.rows)
        row.CompetitionRank =
            static_cast<std::int16_t>(1 + std::count_if(c.rows.begin(), c.rows.end(), [&](const TCalcObj& o) {
                                          return o.CompetitionTotal > row.CompetitionTotal;
                                      }));
    std::stable_sort(c.rows.begin(), c.rows.end(),
                     [](const TCalcObj& a, const TCalcObj& b) { return a.ClubNr < b.ClubNr; });
    return c;
}

// The competitions 1..last read from disk; nothing when the report must stop (its message shown).
std::optional<std::vector<Competition>> ReadSeason(ReportContext& context, int last) {
    Club& club = context.club;
    Dialogs& dialogs = context.dialogs;
    const bool eachGroup = club.CompetitionHead.CalcMethod == CalcEachGroup;
    auto read = [&](const std::string& path, int number) -> std::optional<Competition> {
        const FileBytes bytes = ReadFileBytes(path, kMaxCompetitionFileBytes);
        SeasonCompetition file;
        const SeasonReadResult result = ParseSeasonCompetition(bytes.bytes, file);
        if (result.status == SeasonRead::TooManySessions) {
            dialogs.error(kTooManySeasonSessions);
            return std::nullopt;
        }
        if (result.status == SeasonRead::BadRecord) {
            ShowError(dialogs, club.ErrorCode, kRecordOutOfRange + std::to_string(result.session),
                      ErrorMessage::DataFileFault);
            return std::nullopt;
        }
        if (!file.hasSlamBonus)
            dialogs.error(kBefore2013 + FileNameOf(path));
        return Prepare(file, number, eachGroup);
    };
    auto openFileOnly = [&]() -> std::optional<std::vector<Competition>> {
        if (!SeasonFileExists(club.ClubFilePath)) {
            ShowFileError(dialogs, club.ErrorCode, club.ClubFileName, FileError::ReadFailed,
                          Hint::CorrectInput);
            return std::nullopt;
        }
        auto only = read(club.ClubFilePath, std::max(club.CompetitionNumber, 1));
        if (!only)
            return std::nullopt;
        return std::vector<Competition>{*only};
    };
    if (club.CompetitionNumber == 0)
        return openFileOnly();
    const std::string base = SeasonBase(club.ClubFilePath);
    const std::string extension = SeasonExtension(club.ClubFilePath);
    std::vector<Competition> season;
    for (int n = 1; n <= last; ++n) {
        const std::string path = base + std::to_string(n) + extension;
        if (!SeasonFileExists(path)) {
            dialogs.error(kNoCompetitionFile + FileNameOf(path));
            if (dialogs.askYesNo(kOneOffDrive) || club.CompetitionHead.CalcMethod == CalcTopIntegral)
                return openFileOnly();
            ShowFileError(dialogs, club.ErrorCode, club.ClubFileName, FileError::ReadFailed,
                          Hint::CorrectInput);
            return std::nullopt;
        }
        auto competition = read(path, n);
        if (!competition)
            return std::nullopt;
        season.push_back(std::move(*competition));
    }
    return season;
}

} // namespace

void WriteYearTotals(ReportContext& context, ReportSink& sink) {
    Club& club = context.club;
    const int last = club.CompetitionNumber == 0 ? 1 : std::clamp<int>(context.range.RangeLast, 1, 100);
    int first = std::clamp<int>(context.range.RangeFirst, 1, last);
    if (!GroupsHaveResults(context)) {
        context.cancelled = true;
        return;
    }
    std::optional<std::vector<Competition>> read;
    try {
        read = ReadSeason(context, last);
    } catch (const std::exception&) {
        // A file system that fails under the reading (a removed stick) ends the list.
        context.dialogs.error(kSelectionFaulty);
    }
    if (!read) {
        context.cancelled = true;
        return;
    }
    // A one-off file, or a season given up for the open file alone, is one column.
    std::vector<Competition> columns;
    if (read->size() == 1)
        columns = *read;
    else
        columns.assign(read->begin() + (first - 1), read->end());

    // One row per pair of the last competition: its results in every column and their sum.
    std::vector<SeasonRow> rows;
    for (const TCalcObj& own : columns.back().rows) {
        SeasonRow row;
        row.clubNumber = own.ClubNr;
        for (const Competition& c : columns) {
            const auto found = std::find_if(c.rows.begin(), c.rows.end(),
                                            [&](const TCalcObj& r) { return r.ClubNr == own.ClubNr; });
            if (found == c.rows.end()) {
                context.dialogs.error(kClubIndexChanged + std::to_string(own.ClubNr) + ", Competitie " +
                                      std::to_string(c.number));
                row.cells.push_back({0, 0});
                continue;
            }
            row.cells.push_back({found->CompetitionTotal, found->CompetitionRank});
            row.total += found->CompetitionTotal;
        }
        rows.push_back(std::move(row));
    }
    RankSeasonRows(rows);
    const bool byPlace = context.kind == ReportKind::YearTotalsByPlace;
    if (byPlace)
        std::stable_sort(rows.begin(), rows.end(),
                         [](const SeasonRow& a, const SeasonRow& b) { return a.total > b.total; });

    SeasonHeading heading;
    for (const Competition& c : columns) {
        heading.numbers.push_back(c.number);
        heading.dates.push_back(c.date);
    }
    heading.competitionLine = club.CompetitionNumber > 0;
    WriteSeasonHeader(context, sink, heading);
    // Every club number with a pair is listed, by place as by number: a pair that did not play
    // stands at the end, it does not cut off the pairs after it.
    for (const SeasonRow& row : rows)
        sink.line(SeasonRowText(context, row, club.PairList));
    sink.endBlock();
}

} // namespace velk
