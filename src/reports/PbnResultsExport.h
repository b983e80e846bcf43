#pragma once

#include "club/Club.h"
#include "hands/HandRecord.h"
#include "scoring/MatchPointCalculation.h"

#include <string>
#include <vector>

namespace velk {

// The current session's boards as PBN 2.1 games for other programs: per group (a Section tag
// when there are several) and board its deal and analysis from the hand record, and a ScoreTable
// of every table's result with the match points (or IMPs) as the computation stored them.
struct PbnResultsInput {
    const Club& club;
    const HandRecord& hands;
    const std::vector<TScoreObj>& scores;
    const std::vector<TMatchPObj>& matchPoints;
};

std::string PbnResultsDocument(const PbnResultsInput& input);

} // namespace velk
