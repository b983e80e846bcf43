#pragma once

#include "club/Club.h"
#include "core/records/ScoreRecord.h"
#include "reports/ResultsSite.h"
#include "scoring/ScoreTables.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace velk::terminals {

// The results site of the session being played, for the phones and the club's screen while the
// evening runs: the pages the published site has, computed as "Verwerken" would from the boards
// every table has entered, and never stored. A board still being played is left out, so no one
// sees its results before playing it. Not thread-safe; the server calls it under its lock.
class LiveResultsSite {
public:
    using Clock = std::chrono::steady_clock;
    // New entries show after at most this long: each rebuild computes the whole session again.
    static constexpr std::chrono::seconds kRefresh{3};

    // `leads`, when given, are the tables' cards led as the server keeps them.
    LiveResultsSite(const Club& club, const ScoreTables& tables,
                    const std::vector<KeptLead>* leads = nullptr);

    // The page of that exact name ("" for the index), as the site stands at `now`; nothing when
    // the site has no such page.
    std::optional<SiteFile> page(const std::string& name, Clock::time_point now);

    // The boards every table that plays them has entered, per group: [group - 1][board - 1].
    std::vector<std::vector<bool>> completeBoards() const;

private:
    void rebuild();

    const Club& club_;
    const ScoreTables& tables_;
    const std::vector<KeptLead>* leads_;
    std::vector<TScoreObj> builtFrom_;
    std::vector<KeptLead> builtLeads_;
    std::vector<SiteFile> pages_;
    std::optional<Clock::time_point> builtAt_;
};

// "text/css" for the stylesheet, HTML for the rest.
const char* SiteContentType(const std::string& name);

} // namespace velk::terminals
