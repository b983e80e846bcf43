#include "reports/ReportRun.h"

#include "core/ErrorHelpers.h"
#include "core/HelpContext.h"
#include "core/Messages.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"
#include "core/records/PairRecord.h"
#include "reports/HtmlReport.h"
#include "reports/ReportFiles.h"
#include "reports/ReportWriters.h"
#include "reports/SlamTotalsReport.h"

#include <algorithm>

namespace velk {

namespace {

bool Between(int kind, int first, int last) {
    return kind >= first && kind <= last;
}

} // namespace

ReportQuestion QuestionOf(ReportKind kind) {
    const int k = static_cast<int>(kind);
    if (Between(k, 1, 4) || k == 15 || k == 16 || k == 18 || Between(k, 21, 29) || Between(k, 31, 35) ||
        k == 37 || k == 44)
        return ReportQuestion::Groups;
    if (k == 5 || k == 6 || Between(k, 11, 14) || k == 20)
        return ReportQuestion::Range;
    return ReportQuestion::None;
}

int HelpContextOf(ReportKind kind) {
    const int k = static_cast<int>(kind);
    if (k == 1 || k == 2)
        return HelpContext::PointsList;
    if (k == 3 || k == 4)
        return HelpContext::PercentagesList;
    if (k == 5 || k == 6)
        return HelpContext::YearTotalsList;
    if (k == 7)
        return HelpContext::PairListReport;
    if (Between(k, 11, 16))
        return HelpContext::ScheduleLists;
    if (k == 20)
        return HelpContext::SlamTotalsList;
    if (Between(k, 21, 29))
        return HelpContext::ScoreLists;
    if (Between(k, 31, 34) || Between(k, 36, 38))
        return HelpContext::MatchPointLists;
    if (k == 35)
        return HelpContext::FrequencyList;
    if (k == 44)
        return HelpContext::MatchPointLists;
    return HelpContext::ResultWindow;
}

std::optional<ReportKind> OtherKindOf(ReportKind kind) {
    switch (kind) {
    case ReportKind::PointsByRank:
        return ReportKind::PointsByNumber;
    case ReportKind::PercentagesByRank:
        return ReportKind::PercentagesByNumber;
    case ReportKind::ScoresPerBoardAllGroups:
        return ReportKind::ScoresPerBoard;
    case ReportKind::GroupCountList:
        return std::nullopt;
    default:
        return kind;
    }
}

GroupSelection OneGroupSelection(int group) {
    GroupSelection selection;
    selection.SelGroupChar = GroupLetter(group);
    selection.SelFirstGroup = static_cast<std::int16_t>(group);
    selection.SelLastGroup = static_cast<std::int16_t>(group);
    return selection;
}

ReportSources ReportSources::Default() {
    ReportSources sources;
    sources.matchPointsComputed = [](const Club& club) {
        if (club.CurrentSession < 1 || club.CurrentSession > club.SessionCount())
            return false;
        const auto& rows = club.SessionList[static_cast<std::size_t>(club.CurrentSession - 1)].Rows;
        return std::any_of(rows.begin() + (rows.empty() ? 0 : 1), rows.end(),
                           [](const TCalcObj& r) { return r.Points != 0 || r.SessionRank != 0; });
    };
    sources.scoresLoaded = [](Club& club) {
        return club.CurrentSession >= 1 &&
               club.CurrentSession <= static_cast<int>(club.SessionScoreList.size()) &&
               !club.SessionScoreList[static_cast<std::size_t>(club.CurrentSession - 1)].Records.empty();
    };
    return sources;
}

ReportRun::ReportRun(Club& club, Dialogs& dialogs, ReportSelections& selections)
    : club_(club), dialogs_(dialogs), selections_(selections), sources_(ReportSources::Default()) {}

std::filesystem::path ReportRun::workFile() const {
    return (workFolder_.empty() ? WorkFolder() : workFolder_) / kWorkFileName;
}

std::string ReportRun::title() const {
    return ReportTitle(kind_, club_.CompetitionHead.CalcMethod == CalcTopIntegral);
}

std::string ReportRun::htmlPage() const {
    const std::string title = HtmlTitleOf(this->title());
    if (kind_ != ReportKind::SlamTotals || !context_)
        return HtmlPage(document_, title);
    // The table reads the competitions again; the run keeps its own context as it was.
    ReportContext context = *context_;
    return HtmlHead(title) + "\n" + SlamTotalsHtml(context) + kHtmlTail + "\n";
}

bool ReportRun::checksPass(ReportKind kind) {
    const int k = static_cast<int>(kind);
    if (club_.CurrentSession < 1 && k <= 6) {
        ShowError(dialogs_, club_.ErrorCode, "", ErrorMessage::NoSessionOpen);
        return false;
    }
    const int mode = club_.CompetitionHead.ScoringMode;
    if ((mode == ModeButler || mode == ModeCrossImp) && (k == 3 || k == 4)) {
        ShowError(dialogs_, club_.ErrorCode, " berekening", ErrorMessage::NoPercentagesForImps);
        return false;
    }
    return true;
}

bool ReportRun::select(ReportContext& context) {
    const int k = static_cast<int>(context.kind);
    switch (QuestionOf(context.kind)) {
    case ReportQuestion::Groups:
        if (Between(k, 1, 4) && club_.IsCompetition && club_.CompetitionNumber == 0)
            ShowError(dialogs_, club_.ErrorCode, club_.ClubFileName, ErrorMessage::NoCompetitionIndex);
        return selections_.chooseGroups(context.kind, context.groups);
    case ReportQuestion::Range:
        return selections_.chooseRange(context.kind, context.range);
    case ReportQuestion::None:
        return true;
    }
    return true;
}

ReportOutcome ReportRun::open(ReportKind kind, const std::optional<GroupSelection>& groups) {
    kind_ = kind;
    warnings_.clear();
    workFileFailed_ = false;
    deliveredWhole_ = false;
    const int k = static_cast<int>(kind);
    if (!checksPass(kind))
        return ReportOutcome::Stopped;
    // A kind without a writer is said so before anything is asked.
    if (!HasReportWriter(kind))
        return ReportOutcome::NotAvailable;
    ReportContext context(club_, dialogs_, kind);
    if (groups)
        context.groups = *groups;
    if (!select(context))
        return ReportOutcome::Stopped;
    // "*" for the list per board is the list of every group.
    if (kind == ReportKind::ScoresPerBoard && context.groups.SelGroupChar == '*') {
        kind_ = ReportKind::ScoresPerBoardAllGroups;
        context.kind = kind_;
    }
    if ((Between(k, 31, 35) || k == 37 || k == 38 || k == 44) && !sources_.matchPointsComputed(club_)) {
        ShowError(dialogs_, club_.ErrorCode, "", ErrorMessage::NoMatchPoints);
        return ReportOutcome::Stopped;
    }
    if (Between(k, 20, 29) && !sources_.scoresLoaded(club_))
        return ReportOutcome::Stopped;

    context.opener = opener_;
    context.solver = solver_;
    context.handOffFolder = (handOffFolder_.empty() ? workFile().parent_path() : handOffFolder_).string();

    ReportDocument document;
    WriteReport(context, document);
    if (context.cancelled)
        return ReportOutcome::Stopped;
    if (context.delivered) {
        deliveredWhole_ = *context.delivered;
        return ReportOutcome::Delivered;
    }
    document_ = std::move(document);
    warnings_ = context.warnings;
    context_.emplace(context);

    const std::string text = document_.plainText();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    std::error_code ec;
    std::filesystem::create_directories(workFile().parent_path(), ec);
    workFileFailed_ = !SaveFileAtomically(workFile().string(), {bytes, text.size()}, ".~ui");
    return ReportOutcome::Shown;
}

} // namespace velk
