#pragma once

#include "core/records/ScoreRecord.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreCode.h"

#include <vector>

namespace velk::test {

// A blank score list for `groups` groups of `perGroup` pairs and `boards` boards, with the
// settings that number it; records are filled by pair row.
struct ScoreListBuilder {
    MatchPointSettings settings;
    std::vector<TScoreObj> scores;

    ScoreListBuilder(int groups, int perGroup, int boards, int rounds = 0) {
        settings.GroupCount = groups;
        settings.PairsPerGroup = perGroup;
        settings.PairCount = groups * perGroup;
        settings.BoardCount = boards;
        settings.RoundCount = rounds > 0 ? rounds : perGroup - 1;
        settings.NeubergMode = 0;
        for (int g = 0; g < groups; ++g)
            settings.GroupPairs[static_cast<std::size_t>(g)] = perGroup;
        scores.assign(static_cast<std::size_t>(groups * perGroup * boards + 1), TScoreObj{});
    }

    TScoreObj& at(int group, int board, int row) {
        return scores[static_cast<std::size_t>(
            ScoreRecordIndex(group, board, row, settings.BoardCount, settings.PairsPerGroup))];
    }
    // One record: North-South unless `eastWest`.
    void set(int group, int board, int row, int score, bool eastWest, std::uint8_t code = ScoreCode::Bridge) {
        TScoreObj& r = at(group, board, row);
        r.Score = static_cast<std::int16_t>(score);
        r.Code = code;
        r.Direction = eastWest ? 1 : 0;
        r.Flags = eastWest ? ScoreFlag::EastWest : 0;
    }
    // A table: `ns` scores `score`, `ew` the complement.
    void table(int group, int board, int ns, int ew, int score) {
        set(group, board, ns, score, false);
        set(group, board, ew, -score, true);
    }
};

} // namespace velk::test
