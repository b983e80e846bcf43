// The match points of a full session: 512 pairs, 48 boards, scores from a fixed seed.
#include "core/SilentDialogs.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/ScoreCode.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace velk;

struct BigSession {
    MatchPointSettings settings;
    std::vector<TScoreObj> scores;

    explicit BigSession(bool topIntegral) {
        settings.GroupCount = 16;
        settings.PairsPerGroup = 32;
        settings.PairCount = 512;
        settings.BoardCount = 48;
        settings.RoundCount = 16;
        settings.NeubergMode = NeubergOneDecimal;
        settings.TopIntegral = topIntegral;
        settings.GroupPairs.fill(32);
        scores.resize(512 * 48 + 1);
        std::mt19937 random(2026);
        for (int g = 1; g <= 16; ++g)
            for (int b = 1; b <= 48; ++b)
                for (int t = 1; t <= 16; ++t) {
                    const int score = 10 * static_cast<int>(random() % 120) - 400;
                    auto& ns = scores[static_cast<std::size_t>(ScoreRecordIndex(g, b, t, 48, 32))];
                    auto& ew = scores[static_cast<std::size_t>(ScoreRecordIndex(g, b, t + 16, 48, 32))];
                    ns.Score = static_cast<std::int16_t>(score);
                    ns.Code = ScoreCode::Bridge;
                    ew.Score = static_cast<std::int16_t>(-score);
                    ew.Code = ScoreCode::Bridge;
                    ew.Flags = ScoreFlag::EastWest;
                    ew.Direction = 1;
                }
    }
};

void ComputeAllGroups(benchmark::State& state) {
    BigSession session(state.range(0) != 0);
    const ScoreTables tables;
    SilentDialogs dialogs;
    for (auto _ : state) {
        MatchPointCalculation calc(session.settings, session.scores, tables, dialogs);
        for (int g = 1; g <= 16; ++g)
            calc.ComputeBoards(g, 1, 48);
        benchmark::DoNotOptimize(calc.BoardMatchPoints().data());
    }
}
BENCHMARK(ComputeAllGroups)->Arg(0)->Arg(1)->ArgNames({"topintegraal"})->Unit(benchmark::kMillisecond);

} // namespace
