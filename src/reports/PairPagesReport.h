#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "hands/HandRecord.h"
#include "scoring/MatchPointCalculation.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// The per-pair web pages of the current session ("M.P.'n alle paren"): one page per pair that
// played, with its boards round by round, their scores and match points and after each round the
// running total and percentage of the tops of the boards played so far, and a script with the pair names for
// the club's site. Every page is ISO-8859-1.
struct PairPagesInput {
    const Club& club;
    const std::vector<TScoreObj>& scores;       // the current session's score records
    const std::vector<TMatchPObj>& matchPoints; // per record, in tenths, as computed
    const std::vector<int>& boardTops;          // per group and board, as BoardTops gives them
    // The session's hand record, when it has one: each board links to its hands in the hands page
    // written beside the pages.
    const HandRecord* hands = nullptr;
};

// "MPPaar" + group letter + pair number + ".htm".
std::string PairPageFileName(int group, int number);
inline constexpr const char* kPairNamesFileName = "ParenNamen.htm";

// A contract as the page shows it: the strain after the level as a suit symbol, diamonds and
// hearts in red; "SA" stays.
std::string PairPageContract(const std::string& contract);

// Whether pair row `row` of `group` has a score in the session.
bool PairPlayed(const PairPagesInput& input, int group, int row);

// The page of pair row `row` of `group`, as bytes for the file.
std::string PairPage(const PairPagesInput& input, int group, int row);

// The pair-name script of groups first..last, as bytes for the file.
std::string PairNamesScript(const Club& club, int firstGroup, int lastGroup);

// The file dialog of a pair page, proposing `path`.
FileChoice PairPageFileChoice(const std::string& path);

// The proposed file of the first page of a group, in the save dialog that chooses the folder.
FileChoice PairPagesFileChoice(int group, const std::string& folder);

// Writes the pages of groups first..last: each group's pages go to the folder `folderFor`
// answers for it (nothing: the group is skipped), the name script to the last folder. A pair
// without scores is reported and gets no page; with hands the hands page goes beside the pages; a page that
// cannot be written is reported and the others are written. True when every page of a pair that played and
// the script were written.
bool WriteAllPairPages(const PairPagesInput& input, int firstGroup, int lastGroup,
                       const std::function<std::optional<std::string>(int group)>& folderFor,
                       Dialogs& dialogs);

} // namespace velk
