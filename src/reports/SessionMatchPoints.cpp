#include "reports/SessionMatchPoints.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/TextEncoding.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "reports/PageHeader.h"
#include "reports/ReportFields.h"
#include "scoring/BoardOpponents.h"
#include "scoring/ScoreCode.h"
#include "scoring/SessionResults.h"

#include <algorithm>

namespace velk {

SessionMatchPoints::SessionMatchPoints(const Club& club, Dialogs& dialogs, Records source)
    : club_(club), settings_(MatchPointSettings::Of(club)) {
    const int session = club.CurrentSession;
    if (session < 1 || session > static_cast<int>(club.SessionScoreList.size()))
        return;
    const auto& records = club.SessionScoreList[static_cast<std::size_t>(session - 1)].Records;
    std::string problem;
    const auto list = club.ClubFilePath.empty() || source == Records::Entered
                          ? std::nullopt
                          : ReadStoredMatchPoints(club.ClubFilePath, session, problem);
    auto stored = list ? ApplyStoredMatchPoints(settings_, records, *list) : std::nullopt;
    if (stored) {
        stored_ = std::move(*stored);
    } else {
        stored_.records = records;
        stored_.matchPoints.assign(records.size(), {});
        stored_.boardTops = BoardTops(settings_, records);
    }
    auto calc = std::make_unique<MatchPointCalculation>(settings_, stored_.records, tables_, dialogs);
    if (!calc->fits())
        return;
    calc_ = std::move(calc);
    // The tables as they were when the match points were summed: the same tops.
    for (int g = 1; g <= settings_.GroupCount; ++g)
        pairTops_.push_back(PairTops(*calc_, g));
}

const TCalcObj* SessionMatchPoints::row(int group, int row) const {
    const int session = club_.CurrentSession;
    if (session < 1 || session > club_.SessionCount() || row < 1 || row > settings_.PairsPerGroup ||
        group < 1)
        return nullptr;
    const auto& rows = club_.SessionList[static_cast<std::size_t>(session - 1)].Rows;
    const auto index = static_cast<std::size_t>((group - 1) * settings_.PairsPerGroup + row);
    return index < rows.size() ? &rows[index] : nullptr;
}

bool SessionMatchPoints::hasResults(int group) const {
    for (int k = 1; k <= groupPairs(group); ++k)
        if (const TCalcObj* r = row(group, k); r && r->Points != 0)
            return true;
    return false;
}

bool SessionMatchPoints::hasScores(int group, int row) const {
    if (!calc_ || row < 1 || row > groupPairs(group))
        return false;
    for (int b = 1; b <= settings_.BoardCount; ++b)
        if (record(group, b, row).Code != 0)
            return true;
    return false;
}

int SessionMatchPoints::tenths(int group, int board, int row) const {
    return calc_ ? stored_.matchPoints[static_cast<std::size_t>(calc_->recordIndex(group, board, row))]
                       .MatchPoints
                 : 0;
}

const TScoreObj& SessionMatchPoints::record(int group, int board, int row) const {
    return calc_->record(group, board, row);
}

bool SessionMatchPoints::played(int group, int board, int row) const {
    const int code = record(group, board, row).Code;
    return code != ScoreCode::None && code != ScoreCode::Absent && code != ScoreCode::ZeroPercentage;
}

int SessionMatchPoints::boardsPlayed(int group, int row) const {
    return calc_ ? BoardsPlayedBy(*calc_, group, row) : 0;
}

int SessionMatchPoints::pairTop(int group, int row) const {
    if (group < 1 || group > static_cast<int>(pairTops_.size()))
        return 0;
    const auto& tops = pairTops_[static_cast<std::size_t>(group - 1)];
    return row >= 1 && row < static_cast<int>(tops.size()) ? tops[static_cast<std::size_t>(row)] : 0;
}

int SessionMatchPoints::opponentRow(int group, int board, int row) const {
    if (const int scheduled = OpponentRow(club_, group, board, row); scheduled > 0)
        return scheduled;
    // Without a schedule the other side of a table holds the complement; equal results at
    // several tables pair off in the order of the rows.
    const TScoreObj& own = record(group, board, row);
    const auto opposite = [&own](const TScoreObj& other) {
        if (other.Direction == own.Direction || other.Code != own.Code || own.Code == 0)
            return false;
        if (own.Code == ScoreCode::Percentage || own.Code == ScoreCode::PercentageOnce)
            return own.Score + other.Score == 100;
        return own.Score == -other.Score;
    };
    int before = 0;
    for (int k = 1; k < row; ++k) {
        const TScoreObj& other = record(group, board, k);
        before += other.Direction == own.Direction && other.Code == own.Code && other.Score == own.Score;
    }
    for (int k = 1; k <= groupPairs(group); ++k)
        if (k != row && opposite(record(group, board, k)) && before-- == 0)
            return k;
    return 0;
}

int SessionMatchPoints::groupPairs(int group) const {
    return group >= 1 && group <= settings_.GroupCount ? settings_.groupPairs(group) : 0;
}

int SessionMatchPoints::top(int group) const {
    if (settings_.ScoringMode == ModeIndividual)
        return groupPairs(group) / 2 - 2;
    if (!settings_.TopIntegral)
        return groupPairs(group) - 2;
    int all = 0;
    for (int g = 1; g <= settings_.GroupCount; ++g)
        all += settings_.groupPairs(g);
    return all - 2;
}

int SessionMatchPoints::boardTop(int board, int group) const {
    return calc_ ? calc_->boardTop(board, group) : top(group);
}

std::string SessionMatchPoints::pairName(int group, int row) const {
    const auto index = static_cast<std::size_t>((group - 1) * settings_.PairsPerGroup + row);
    return group >= 1 && row >= 1 && index < club_.PairList.size() ? club_.PairList[index].Naam.get()
                                                                   : std::string();
}

int SessionMatchPoints::boardNumber(int board) const {
    return FirstBoardOf(club_.SessionHead) + board - 1;
}

GroupRange ChosenGroups(const ReportContext& context) {
    return {std::max<int>(context.groups.SelFirstGroup, 1),
            std::min<int>({context.groups.SelLastGroup, context.club.CompetitionHead.GroupCount, 16})};
}

void ReportNoMatchPoints(ReportContext& context) {
    ShowError(context.dialogs, context.club.ErrorCode, "", ErrorMessage::NoMatchPoints);
    context.cancelled = true;
}

void ReportNoResults(ReportContext& context, int group) {
    ShowError(context.dialogs, context.club.ErrorCode, std::string(1, GroupLetter(group)),
              ErrorMessage::NoPointsEntered);
}

bool ShowsPercentages(const Club& club) {
    const int mode = club.CompetitionHead.ScoringMode;
    return mode == ModePairs || mode == ModeIndividual;
}

void WriteMatchPointHeading(ReportContext& context, ReportSink& sink, const SessionMatchPoints& mp, int group,
                            bool first, bool allGroups) {
    const ReportHeading& heading = context.heading;
    const auto clubLength =
        static_cast<int>(Utf8Length(ClubLine(heading.clubName, SeasonOf(heading.sessionDate))));
    if (first && heading.printHead)
        WriteClubAndTitle(sink, heading, ReportTitle(context.kind), context.dialogs);
    else
        sink.boldOn();
    const std::string session = std::to_string(context.club.CurrentSession);
    sink.line(allGroups ? "  Zitting : " + session
                        : "G r o e p : " + std::string(1, GroupLetter(group)) + "    Zitting : " + session);
    sink.boldOff();
    sink.line(std::string(static_cast<std::size_t>(std::max(clubLength, 0)), ' '));
    if (ShowsPercentages(context.club))
        sink.line("TopPnt per Spel =" + IntField(mp.top(group), 3));
}

} // namespace velk

namespace velk {

void ForEachListedGroup(ReportContext& context, ReportSink& sink, SessionMatchPoints& mp,
                        const std::function<bool(int group)>& table) {
    const GroupRange groups = ChosenGroups(context);
    bool first = true;
    for (int g = groups.first; g <= groups.last; ++g) {
        if (!mp.hasResults(g)) {
            ReportNoResults(context, g);
            continue;
        }
        if (!mp.computed(g)) {
            ShowError(context.dialogs, context.club.ErrorCode, "", ErrorMessage::NoMatchPoints);
            continue;
        }
        sink.beginBlock();
        WriteMatchPointHeading(context, sink, mp, g, first);
        first = false;
        bool goOn = true;
        if (mp.top(g) < 1)
            context.dialogs.warning("Geen scores");
        else
            goOn = table(g);
        sink.endBlock();
        if (!goOn)
            return;
    }
}

} // namespace velk
