#include "scoring/MatchPointRules.h"

#include "core/records/ConfigRecord.h"
#include "scoring/ScoreCode.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace velk {

namespace {
// Floor division, so that negative values round the same way as positive ones.
int FloorDiv10(int v) {
    return v >= 0 ? v / 10 : -((-v + 9) / 10);
}
} // namespace

namespace {
// In 32 bits where the value fits: a 64-bit division costs about twice as much.
long long DivideTruncating(long long value, int divisor) {
    if (value >= INT_MIN && value <= INT_MAX)
        return static_cast<int>(value) / divisor;
    return value / divisor;
}
} // namespace

int RoundToTenths(int hundredths, bool neuberg, int top) {
    const int add = !neuberg ? 5 : hundredths > 50 * top ? 4 : 6;
    return FloorDiv10(hundredths + add);
}

int FinishValue(const WorkingValue& value, const FinishContext& c) {
    if (value.kind == WorkingValue::Kind::Empty)
        return kNoMatchPoints;
    // Butler values are tenths of an IMP already.
    if (c.scoringMode == ModeButler)
        return value.value;
    const bool neuberg = c.neubergMode != NeubergOff;
    if (value.kind == WorkingValue::Kind::Fixed)
        return RoundToTenths(value.value, neuberg, c.top);

    return FinishCompared(value.value, c);
}

namespace {

// A side has as many results as the board has tables in play: top / 2 + 1. Counting them instead
// would score a board above its top where fixed results and unplayed tables meet, and would make
// Neuberg's factor depend on whether a table not yet entered has been coded absent.
int CappedTotal(const FinishContext& c) {
    return std::max(c.own, c.top / 2 + 1);
}

// The common case: Neuberg's factor, (v + 1) x total / own, with no fragment table to look in.
bool FinishesByFactor(const FinishContext& c, int total) {
    return c.scoringMode != ModeCrossImp && c.neubergMode != NeubergOff && c.own >= 3 &&
           !(c.own == 3 && total - 3 > 6);
}

} // namespace

int FinishCompared(int v, const FinishContext& c) {
    const bool neuberg = c.neubergMode != NeubergOff;
    const int own = c.own;
    const int total = CappedTotal(c);
    long long h = 0;
    if (FinishesByFactor(c, total))
        h = DivideTruncating((v + 1LL) * total * 100, own) - 100;
    else if (c.scoringMode == ModeCrossImp || own <= 0)
        h = 100LL * v; // IMPs against a datum need no scaling for missing results
    else if (!neuberg)
        h = 100LL * (v + total - own); // every result of another class counts as a tie
    else if (own >= total)
        // Nothing missing: the tables for few results would lift a full side above its top.
        h = 100LL * std::clamp(v, 0, std::max(c.top, 0));
    else if (own == 1)
        h = 60LL * c.top;
    else if (own == 2)
        h = 1LL * Frag2[static_cast<std::size_t>(std::clamp(v, 0, 2))] * c.top;
    else
        h = 1LL * Frag3[static_cast<std::size_t>(std::clamp(v, 0, 4))] * c.top;
    return RoundToTenths(static_cast<int>(h), neuberg, c.top);
}

void FinishComparedRun(const FinishContext& c, int count, int* out) {
    const int own = c.own;
    const int total = CappedTotal(c);
    if (!FinishesByFactor(c, total)) {
        for (int v = 0; v < count; ++v)
            out[v] = FinishCompared(v, c);
        return;
    }
    // (v + 1) x total x 100 / own, never negative here, for v = 0, 1, ...: each step adds the same.
    const long long step = 100LL * total;
    const long long stepQuotient = step / own;
    const long long stepRemainder = step % own;
    long long quotient = stepQuotient;
    long long remainder = stepRemainder;
    for (int v = 0; v < count; ++v) {
        out[v] = RoundToTenths(static_cast<int>(quotient - 100), true, c.top);
        quotient += stepQuotient;
        remainder += stepRemainder;
        if (remainder >= own) {
            ++quotient;
            remainder -= own;
        }
    }
}

std::optional<int>
ButlerDatum(std::vector<int> scores,
            const std::optional<std::array<std::int8_t, ScoreTables::DatumDropCount>>& drops) {
    std::sort(scores.begin(), scores.end());
    return ButlerDatumOfSorted(scores, drops);
}

std::optional<int>
ButlerDatumOfSorted(const std::vector<int>& scores,
                    const std::optional<std::array<std::int8_t, ScoreTables::DatumDropCount>>& drops) {
    const int k = static_cast<int>(scores.size());
    if (k == 0)
        return std::nullopt;
    // More results than the table knows take its last byte.
    const int m =
        drops ? (*drops)[static_cast<std::size_t>(std::min(k, int(ScoreTables::DatumDropCount)) - 1)] : 0;
    int o = std::abs(m) / 2;
    if (2 * o >= k)
        o = (k - 1) / 2;
    long long sum = 0;
    for (int i = o; i < k - o; ++i)
        sum += scores[static_cast<std::size_t>(i)];
    int divisor = k - 2 * o;
    if (m < 0) {
        for (int i = 0; i < o; ++i)
            sum += (scores[static_cast<std::size_t>(i)] + scores[static_cast<std::size_t>(k - 1 - i)]) / 2;
        divisor = k - o;
    }
    const double average = static_cast<double>(sum) / divisor;
    const long long shifted = static_cast<long long>(average > 0 ? average + 4.99 : average - 4.99);
    return static_cast<int>(shifted / 10 * 10);
}

int ArbitralImpValue(const ScoreTables& tables, int percentage, int scoringMode) {
    if (!tables.ArbitralScores)
        return 0;
    const auto& record = (*tables.ArbitralScores)[static_cast<std::size_t>(std::clamp(percentage, 0, 100))];
    return scoringMode == ModeButler ? record.Butler : record.CrossImp;
}

} // namespace velk
