// The sorted engine against the straightforward count on random sessions of every scoring form.
// The count, kept here as the oracle only: every record is compared with every row of its
// comparison range, and the datum sorts its own copy.
#include "core/BuildPaths.h"
#include "core/records/ConfigRecord.h"
#include "scoring/ImpScale.h"
#include "scoring/MatchPointCalculation.h"
#include "scoring/MatchPointRules.h"
#include "scoring/ScoreCode.h"
#include "support/NullDialogs.h"
#include "support/ScoreListBuilder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace velk::test {

struct OracleBoard {
    int top = 0;
    // [row], row 0 unused: match points in tenths, kNoMatchPoints for none, by counting side.
    std::vector<std::array<int, 2>> slots;
};

class MatchPointOracle {
public:
    // `unplayed(board, group)` gives the tables marked unplayed.
    template <typename Unplayed>
    MatchPointOracle(const MatchPointSettings& s, const std::vector<TScoreObj>& scores,
                     const ScoreTables& tables, Unplayed unplayed)
        : s_(s), scores_(scores), tables_(tables) {
        for (int g = 1; g <= s.GroupCount; ++g)
            for (int b = 1; b <= s.BoardCount; ++b)
                unplayed_.push_back(unplayed(b, g));
    }

    const TScoreObj& record(int g, int b, int k) const {
        return scores_[static_cast<std::size_t>(ScoreRecordIndex(g, b, k, s_.BoardCount, s_.PairsPerGroup))];
    }

    OracleBoard board(int group, int b) const {
        OracleBoard out;
        const int first = s_.TopIntegral ? 1 : group;
        const int last = s_.TopIntegral ? s_.GroupCount : group;
        int pairs = 0;
        int tables = 0;
        for (int h = first; h <= last; ++h) {
            pairs += s_.groupPairs(h);
            tables += unplayed_[static_cast<std::size_t>((h - 1) * s_.BoardCount + b - 1)];
        }
        out.top = pairs - 2 - 2 * tables;
        out.slots.assign(static_cast<std::size_t>(s_.groupPairs(group) + 1),
                         {kNoMatchPoints, kNoMatchPoints});
        if (out.top < 0)
            return out;
        const int mode = s_.ScoringMode;
        const bool pairsForm = mode == ModePairs || mode == ModeIndividual;
        std::array<SideCounts, 2> counts{};
        std::array<std::vector<int>, 2> normals;
        for (int h = first; h <= last; ++h)
            for (int k = 1; k <= s_.groupPairs(h); ++k) {
                const TScoreObj& r = record(h, b, k);
                SideCounts& c = counts[static_cast<std::size_t>(CountingSide(r.Flags))];
                const RecordClass cls = ClassOfCode(r.Code);
                if (cls == RecordClass::Normal) {
                    ++c.NormalCount;
                    normals[static_cast<std::size_t>(ComparisonSide(r.Flags))].push_back(r.Score);
                } else if (cls == RecordClass::Fragment && mode == ModePairs) {
                    ++c.FragCount[static_cast<std::size_t>(r.Code - ScoreCode::Fragment1)];
                }
            }
        for (int k = 1; k <= s_.groupPairs(group); ++k) {
            const TScoreObj& r = record(group, b, k);
            const RecordClass cls = ClassOfCode(r.Code);
            const int side = ComparisonSide(r.Flags);
            WorkingValue v;
            if (cls == RecordClass::Normal && pairsForm) {
                v = WorkingValue::Compared(count(group, k, b, first, last, r, false));
            } else if (cls == RecordClass::Normal) {
                const auto d = ButlerDatum(normals[static_cast<std::size_t>(side)], tables_.DatumDrops);
                if (d) {
                    const int imps = ImpsForDifference(r.Score - *d);
                    v = WorkingValue::Compared(mode == ModeButler ? 10 * imps : imps);
                }
            } else if (cls == RecordClass::Fragment && mode == ModePairs) {
                v = WorkingValue::Compared(count(group, k, b, first, last, r, true));
            } else if (cls == RecordClass::FixedPercentage) {
                const bool zero = r.Code == ScoreCode::Absent || r.Code == ScoreCode::ZeroPercentage;
                const int pct = zero ? 0 : r.Score;
                if (pairsForm)
                    v = WorkingValue::Fixed(pct * out.top);
                else if (zero)
                    v = WorkingValue::Fixed(0); // a board not played is worth no IMPs
                else {
                    const int imps = ArbitralImpValue(tables_, pct, mode);
                    v = WorkingValue::Fixed(mode == ModeButler ? imps : 100 * imps);
                }
            } else if (cls == RecordClass::FixedPoints) {
                v = WorkingValue::Fixed(mode == ModeButler ? r.Score : 10 * r.Score);
            }
            if (v.kind == WorkingValue::Kind::Empty)
                continue;
            const int countingSide = CountingSide(r.Flags);
            const SideCounts& c = counts[static_cast<std::size_t>(countingSide)];
            FinishContext context{mode, s_.NeubergMode, out.top,
                                  cls == RecordClass::Fragment
                                      ? c.FragCount[static_cast<std::size_t>(r.Code - ScoreCode::Fragment1)]
                                      : c.NormalCount};
            out.slots[static_cast<std::size_t>(k)][static_cast<std::size_t>(countingSide)] =
                FinishValue(v, context);
        }
        return out;
    }

private:
    // 2 for every comparable result below, 1 for every other one equal.
    int count(int group, int row, int b, int first, int last, const TScoreObj& self, bool fragment) const {
        int raw = 0;
        for (int h = first; h <= last; ++h)
            for (int k = 1; k <= s_.groupPairs(h); ++k) {
                if (h == group && k == row)
                    continue;
                const TScoreObj& o = record(h, b, k);
                const bool comparable =
                    fragment ? o.Code == self.Code : ClassOfCode(o.Code) == RecordClass::Normal;
                if (!comparable || ComparisonSide(o.Flags) != ComparisonSide(self.Flags))
                    continue;
                raw += o.Score < self.Score ? 2 : o.Score == self.Score ? 1 : 0;
            }
        return raw;
    }

    MatchPointSettings s_;
    const std::vector<TScoreObj>& scores_;
    const ScoreTables& tables_;
    std::vector<int> unplayed_;
};

// The tables that lower each board's top, [(g - 1) * BoardCount + b - 1], from the records alone:
// every table that did not play a board, except that with Neuberg on a group with a few such
// boards (fewer than the rounds) keeps the full top.
inline std::vector<int> OracleMarks(const MatchPointSettings& s, const std::vector<TScoreObj>& scores) {
    std::vector<int> marks;
    for (int g = 1; g <= s.GroupCount; ++g) {
        const int pairs = s.groupPairs(g);
        std::vector<int> missing;
        for (int b = 1; b <= s.BoardCount; ++b) {
            int played = 0;
            for (int k = 1; k <= pairs; ++k) {
                const int code =
                    scores[static_cast<std::size_t>(ScoreRecordIndex(g, b, k, s.BoardCount, s.PairsPerGroup))]
                        .Code;
                played += code >= 1 && code <= 14 ? 1 : 0;
            }
            missing.push_back(std::max(0, (pairs - played) / 2));
        }
        const int n =
            static_cast<int>(std::count_if(missing.begin(), missing.end(), [](int t) { return t > 0; }));
        const bool full = s.NeubergMode != NeubergOff && n > 0 && n < s.RoundCount;
        for (const int t : missing)
            marks.push_back(full ? 0 : t);
    }
    return marks;
}

} // namespace velk::test

using namespace velk;

namespace {

const ScoreTables& DataTables() {
    static const ScoreTables tables = [] {
        test::NullDialogs dialogs;
        ErrorCode errorCode;
        return LoadScoreTables(std::filesystem::path(VELK_SOURCE_DIR) / "data", dialogs, errorCode, false);
    }();
    return tables;
}

struct RandomSession {
    std::mt19937& random;
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // Per board one kind of scores: narrow multiples of 10 (many ties, counted), wide multiples
    // of 10 (sorted) or any number.
    int score(int kind) {
        switch (kind) {
        case 0:
            return 10 * pick(-6, 6);
        case 1:
            return 10 * pick(-760, 760);
        default:
            return pick(-2000, 2000);
        }
    }

    void fill(TScoreObj& r, int kind) {
        static constexpr std::uint8_t fragments[] = {ScoreCode::Fragment1, ScoreCode::Fragment2,
                                                     ScoreCode::Fragment3};
        static constexpr std::uint8_t percentages[] = {ScoreCode::Percentage, ScoreCode::PercentageOnce,
                                                       ScoreCode::Absent, ScoreCode::ZeroPercentage};
        static constexpr std::uint8_t points[] = {ScoreCode::Tenths,          ScoreCode::TenthsOnce,
                                                  ScoreCode::TenthsI,         ScoreCode::TenthsIOnce,
                                                  ScoreCode::MatchPointsOnce, ScoreCode::MatchPoints};
        static constexpr std::uint8_t none[] = {ScoreCode::None, ScoreCode::Number, 16, 17, 18};
        r.Flags = static_cast<std::uint8_t>(pick(0, 31));
        r.Direction = (r.Flags & ScoreFlag::EastWest) ? 1 : 0;
        const int p = pick(0, 99);
        if (p < 62) {
            r.Code = pick(0, 1) ? ScoreCode::Bridge : ScoreCode::Normal;
            r.Score = static_cast<std::int16_t>(score(kind));
        } else if (p < 72) {
            r.Code = fragments[pick(0, 2)];
            r.Score = static_cast<std::int16_t>(score(kind));
        } else if (p < 82) {
            r.Code = percentages[pick(0, 3)];
            r.Score = static_cast<std::int16_t>(pick(0, 100));
        } else if (p < 90) {
            r.Code = points[pick(0, 5)];
            r.Score = static_cast<std::int16_t>(pick(-300, 300));
        } else {
            r.Code = none[pick(0, 4)];
            r.Score = static_cast<std::int16_t>(score(kind));
        }
    }
};

// `marks`: the tables marked unplayed when the calculation counted them.
void ExpectSameAsOracle(const MatchPointCalculation& calc, const test::ScoreListBuilder& list,
                        const ScoreTables& tables, int group, const std::string& where,
                        const std::vector<int>& marks) {
    const auto& s = list.settings;
    const test::MatchPointOracle oracle(s, list.scores, tables, [&](int b, int g) {
        return marks[static_cast<std::size_t>((g - 1) * s.BoardCount + b - 1)];
    });
    for (int b = 1; b <= s.BoardCount; ++b) {
        const test::OracleBoard want = oracle.board(group, b);
        ASSERT_EQ(calc.boardTop(b, group), want.top) << where;
        for (int k = 1; k <= s.groupPairs(group); ++k) {
            const auto& slot = want.slots[static_cast<std::size_t>(k)];
            const int mp = slot[0] != kNoMatchPoints ? slot[0] : slot[1] != kNoMatchPoints ? slot[1] : 0;
            const auto index =
                static_cast<std::size_t>(ScoreRecordIndex(group, b, k, s.BoardCount, s.PairsPerGroup));
            ASSERT_EQ(calc.BoardMatchPoints()[index].MatchPoints, want.top < 0 ? 0 : mp)
                << where << " group " << group << " board " << b << " row " << k;
        }
    }
}

} // namespace

TEST(MatchPointProperty, SortedPassAgreesWithTheCountOnRandomSessions) {
    std::mt19937 random(20260613);
    RandomSession gen{random};
    test::NullDialogs dialogs;
    const ScoreTables noTables;
    for (int n = 0; n < 3000; ++n) {
        const int groups = gen.pick(1, 3);
        const int perGroup = gen.pick(2, 14);
        const int boards = gen.pick(1, 4);
        test::ScoreListBuilder list(groups, perGroup, boards, gen.pick(1, perGroup));
        auto& s = list.settings;
        s.ScoringMode = gen.pick(0, 3);
        s.NeubergMode = gen.pick(0, 2);
        s.TopIntegral = gen.pick(0, 1) == 1;
        for (int g = 1; g <= groups; ++g)
            s.GroupPairs[static_cast<std::size_t>(g - 1)] =
                gen.pick(perGroup > 3 ? perGroup - 3 : 0, perGroup);
        for (int b = 1; b <= boards; ++b) {
            const int kind = gen.pick(0, 2);
            for (int g = 1; g <= groups; ++g)
                for (int k = 1; k <= perGroup; ++k)
                    if (gen.pick(0, 9) > 0)
                        gen.fill(list.at(g, b, k), kind);
        }
        const ScoreTables& tables = gen.pick(0, 3) > 0 ? DataTables() : noTables;
        const std::string where = "session " + std::to_string(n);

        MatchPointCalculation calc(s, list.scores, tables, dialogs);
        const bool report = gen.pick(0, 1) == 1;
        for (int g = 1; g <= groups; ++g)
            calc.CountUnplayed(g, 1, boards, report);
        const std::vector<int> marks = test::OracleMarks(s, list.scores);
        for (int g = 1; g <= groups; ++g) {
            calc.ComputeBoards(g, 1, boards);
            ExpectSameAsOracle(calc, list, tables, g, where, marks);
            if (HasFatalFailure())
                return;
            // A record changed between groups: the next group compares with it.
            if (gen.pick(0, 3) == 0)
                gen.fill(calc.mutableRecord(gen.pick(1, groups), gen.pick(1, boards), gen.pick(1, perGroup)),
                         gen.pick(0, 2));
        }
        // "Reken" of one board shows what the count gives.
        const int g = gen.pick(1, groups);
        const int b = gen.pick(1, boards);
        calc.ComputeBoards(g, b, b, MatchPointCalculation::Target::DisplayOnly);
        const test::MatchPointOracle oracle(s, list.scores, tables, [&](int board, int group) {
            return marks[static_cast<std::size_t>((group - 1) * s.BoardCount + board - 1)];
        });
        const auto want = oracle.board(g, b);
        for (int k = 1; k <= s.groupPairs(g); ++k)
            ASSERT_EQ(calc.Display()[static_cast<std::size_t>(k)], want.slots[static_cast<std::size_t>(k)])
                << where << " display row " << k;
    }
}

TEST(MatchPointProperty, LargeTopIntegralFieldAgrees) {
    // 4 groups of 32 pairs, scores counted and sorted, one board with fragments.
    std::mt19937 random(7);
    RandomSession gen{random};
    test::NullDialogs dialogs;
    for (const int mode : {ModePairs, ModeButler}) {
        test::ScoreListBuilder list(4, 32, 3);
        list.settings.TopIntegral = true;
        list.settings.ScoringMode = mode;
        list.settings.NeubergMode = NeubergOneDecimal;
        for (int b = 1; b <= 3; ++b)
            for (int g = 1; g <= 4; ++g)
                for (int k = 1; k <= 32; ++k)
                    gen.fill(list.at(g, b, k), b - 1);
        MatchPointCalculation calc(list.settings, list.scores, DataTables(), dialogs);
        for (int g = 1; g <= 4; ++g) {
            calc.ComputeBoards(g, 1, 3);
            ExpectSameAsOracle(calc, list, DataTables(), g, "large",
                               test::OracleMarks(list.settings, list.scores));
        }
    }
}
