#include "terminals/LiveResultsSite.h"

#include "core/SilentDialogs.h"
#include "reports/SiteHtml.h"
#include "reports/SiteStyleSheet.h"
#include "schedules/ScheduleLookup.h"
#include "scoring/BoardOpponents.h"
#include "scoring/CopyMatchPoints.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreEntry.h"
#include "scoring/StoredMatchPoints.h"

#include <algorithm>

namespace velk::terminals {

namespace {

constexpr const char* kStyleSheet = "site.css";
constexpr const char* kYearTotalsLater = "De jaartotalen volgen na het verwerken van deze zitting.";

const std::vector<TScoreObj>* SessionRecords(const Club& club) {
    const int session = club.CurrentSession;
    if (session < 1 || session > static_cast<int>(club.SessionScoreList.size()))
        return nullptr;
    return &club.SessionScoreList[static_cast<std::size_t>(session - 1)].Records;
}

std::vector<SiteFile> NoResultsYet(const Club& club) {
    const std::string subtitle =
        "Zitting " + std::to_string(club.CurrentSession) + ", " + club.SessionHead.SessionDate.get();
    return {
        {kStyleSheet, kSiteStyleSheet},
        {kSiteIndex,
         SitePage(club.ConfigRecord.Head.CompetitionName.get().empty()
                      ? std::string("Uitslag")
                      : club.ConfigRecord.Head.CompetitionName.get(),
                  subtitle, "<p>Nog geen uitslag: er is nog geen spel door alle tafels gespeeld.</p>\n")}};
}

} // namespace

const char* SiteContentType(const std::string& name) {
    return name == kStyleSheet ? "text/css; charset=utf-8" : "text/html; charset=utf-8";
}

LiveResultsSite::LiveResultsSite(const Club& club, const ScoreTables& tables,
                                 const std::vector<KeptLead>* leads)
    : club_(club), tables_(tables), leads_(leads) {}

std::vector<std::vector<bool>> LiveResultsSite::completeBoards() const {
    const std::vector<TScoreObj>* records = SessionRecords(club_);
    const int boards = club_.SessionHead.BoardCount;
    const int groups = club_.CompetitionHead.GroupCount;
    std::vector<std::vector<bool>> complete;
    for (int g = 1; g <= groups && g <= 16; ++g) {
        std::vector<int> tables(static_cast<std::size_t>(std::max(boards, 0)), 0);
        std::vector<int> entered(tables.size(), 0);
        const int base = (g - 1) * club_.PairsPerGroup;
        for (int r = 1; r <= club_.SessionHead.RoundCount; ++r)
            for (int t = 1; t <= club_.TablesPerGroup; ++t) {
                const TSchemaObj* e = ScheduleEntry(club_, g, r, t);
                if (e == nullptr)
                    continue;
                const int ns = e->NS - base;
                const int ew = e->EW - base;
                if (ns < 1 || ns > club_.PairsPerGroup || ew < 1 || ew > club_.PairsPerGroup)
                    continue; // a sit-out plays no boards
                for (int b = 1; b <= boards; ++b) {
                    if (BoardGroupOfBoard(club_, b) != e->Letter)
                        continue;
                    const auto i =
                        static_cast<std::size_t>(ScoreRecordIndex(g, b, ns, boards, club_.PairsPerGroup));
                    ++tables[static_cast<std::size_t>(b - 1)];
                    if (records && i < records->size() && !AwaitsScore((*records)[i]))
                        ++entered[static_cast<std::size_t>(b - 1)];
                }
            }
        std::vector<bool> done(tables.size());
        for (std::size_t b = 0; b < tables.size(); ++b)
            done[b] = tables[b] > 0 && entered[b] == tables[b];
        complete.push_back(std::move(done));
    }
    return complete;
}

std::optional<SiteFile> LiveResultsSite::page(const std::string& name, Clock::time_point now) {
    const std::string wanted = name.empty() ? kSiteIndex : name;
    // Only names the site made are served: nothing a request names reaches the disk.
    const std::vector<TScoreObj>* records = SessionRecords(club_);
    const bool changed = !records || *records != builtFrom_ || (leads_ && *leads_ != builtLeads_);
    if (!builtAt_ || (changed && now - *builtAt_ >= kRefresh)) {
        if (records)
            builtFrom_ = *records;
        if (leads_)
            builtLeads_ = *leads_;
        rebuild();
        builtAt_ = now;
    }
    for (const SiteFile& f : pages_)
        if (f.name == wanted)
            return f;
    return std::nullopt;
}

void LiveResultsSite::rebuild() {
    pages_ = NoResultsYet(club_);
    if (SessionRecords(club_) == nullptr)
        return;
    const auto complete = completeBoards();
    const bool any = std::any_of(complete.begin(), complete.end(), [](const std::vector<bool>& group) {
        return std::find(group.begin(), group.end(), true) != group.end();
    });
    if (!any)
        return;

    // "Verwerken" on a copy: the open competition keeps its results as they were stored.
    Club copy = club_;
    const MatchPointSettings settings = MatchPointSettings::Of(copy);
    auto& records = copy.SessionScoreList[static_cast<std::size_t>(copy.CurrentSession - 1)].Records;
    for (int g = 1; g <= static_cast<int>(complete.size()); ++g)
        for (int b = 1; b <= settings.BoardCount; ++b) {
            if (complete[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(b - 1)])
                continue;
            for (int k = 1; k <= settings.PairsPerGroup; ++k) {
                const auto i = static_cast<std::size_t>(
                    ScoreRecordIndex(g, b, k, settings.BoardCount, settings.PairsPerGroup));
                if (i < records.size())
                    records[i] = TScoreObj{};
            }
        }
    SilentDialogs silent;
    MatchPointCalculation calc(settings, records, tables_, silent);
    if (!calc.fits())
        return;
    std::vector<int> groups;
    CopyMatchPointsOptions options;
    options.askFirst = false;
    options.opponents = ScheduleOpponents(copy);
    options.save = [&groups](const std::vector<int>& copied) {
        groups = copied;
        return true;
    };
    if (!CopyMatchPoints(copy, calc, tables_, silent, 1, settings.GroupCount, options) || groups.empty())
        return;
    std::vector<TMatchPObj> matchPoints = calc.BoardMatchPoints();
    matchPoints.resize(records.size());
    const std::vector<int> tops = BoardTops(settings, records);
    // The year totals are read from the season's files, which hold tonight only after "Verwerken".
    const ResultsSiteInput input{
        {copy, records, matchPoints, tops, nullptr}, groups, {kYearTotalsLater}, builtLeads_};
    pages_ = ResultsSitePages(input);
}

} // namespace velk::terminals
