#include "scoring/ScoreComplement.h"

#include "scoring/ScoreCode.h"

#include <optional>

namespace velk {

namespace {
// The opponents' value for a code, or nullopt when the code gives them nothing.
std::optional<int> ComplementValue(const TScoreObj& own, const TScoreObj& opponent, int groupPairs) {
    const int v = own.Score;
    const bool opponentEmpty = opponent.Code == ScoreCode::None;
    const int matchPointTop = groupPairs * 10 - 20; // the top of a board, in tenths
    switch (own.Code) {
    case ScoreCode::None:
        return v == 0 ? std::optional<int>(0) : std::nullopt;
    case ScoreCode::Percentage:
        return v >= 0 && v <= 100 ? std::optional<int>(100 - v) : std::nullopt;
    case ScoreCode::PercentageOnce:
        return opponentEmpty ? std::optional<int>(100 - v) : std::nullopt;
    case ScoreCode::Tenths:
    case ScoreCode::Fragment1:
    case ScoreCode::Fragment2:
    case ScoreCode::Fragment3:
    case ScoreCode::TenthsI:
    case ScoreCode::Bridge:
        return -v;
    case ScoreCode::TenthsOnce:
    case ScoreCode::TenthsIOnce:
        return opponentEmpty ? std::optional<int>(-v) : std::nullopt;
    case ScoreCode::MatchPointsOnce:
        return opponentEmpty ? std::optional<int>(matchPointTop - v) : std::nullopt;
    case ScoreCode::MatchPoints:
        return matchPointTop - v;
    default: // E, K, O, S and codes without meaning
        return std::nullopt;
    }
}
} // namespace

bool ComplementScore(const TScoreObj& own, TScoreObj& opponent, int groupPairs) {
    if (opponent.Flags & ScoreFlag::NotComplement)
        return false;
    const auto value = ComplementValue(own, opponent, groupPairs);
    if (!value)
        return false;
    opponent.Score = static_cast<std::int16_t>(*value);
    opponent.Code = own.Code;
    // The opponents sit the other way: their record counts for the other side.
    opponent.Flags = static_cast<std::uint8_t>(own.Flags ^ ScoreFlag::EastWest);
    return true;
}

} // namespace velk
