#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "core/files/LeadFile.h"
#include "hands/DoubleDummy.h"
#include "reports/PairPagesReport.h"

#include <string>
#include <vector>

namespace velk {

// The results site of a session: an index with the rankings, a page per board (the traveller and,
// when the session has them, the hands), a page per pair and a season page. UTF-8, one stylesheet
// of its own, no script: a web host or a USB stick serves it as it is.
struct SiteFile {
    std::string name; // a plain file name in the site's folder
    std::string content;
};

inline constexpr const char* kSiteIndex = "index.html";

struct ResultsSiteInput {
    PairPagesInput session;              // the stored records and match points, the hands when there are
    std::vector<int> groups;             // the groups with stored match points, ascending
    std::vector<std::string> yearTotals; // the year totals list as text; empty when not to be had
    std::vector<KeptLead> leads;         // the cards led, as the phones entered them; often none
};

std::string SiteBoardFileName(int number);
std::string SitePairFileName(int group, int number);

std::vector<SiteFile> ResultsSitePages(const ResultsSiteInput& input);

// Writes the site of the current session into `folder` (made when missing), each file by way of a
// temporary file; the travellers show the leads the tables entered. Refuses a session without stored match
// points ("Er zijn geen MatchPoints berekend") and a folder that is a file; a file not written is said. True
// when all were written.
bool PublishResultsSite(Club& club, Dialogs& dialogs, const std::string& folder, DoubleDummySolver* solver);

} // namespace velk
