#include "scoring/MatchPointCalculation.h"

#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "scoring/ImpScale.h"
#include "scoring/ScoreCode.h"

#include <algorithm>
#include <climits>
#include <string>

namespace velk {

namespace {
constexpr int kNotFinished = INT_MIN;
}

MatchPointSettings MatchPointSettings::Of(const Club& club) {
    MatchPointSettings s;
    const auto& h = club.CompetitionHead;
    s.ScoringMode = h.ScoringMode;
    s.NeubergMode = h.NeubergMode;
    s.TopIntegral = (h.CalcMethod & 1) != 0;
    s.PairCount = h.PairCount;
    s.GroupCount = std::clamp<int>(h.GroupCount, 0, 16);
    s.PairsPerGroup = club.PairsPerGroup;
    s.BoardCount = club.SessionHead.BoardCount;
    s.RoundCount = club.SessionHead.RoundCount;
    for (std::size_t g = 0; g < s.GroupPairs.size(); ++g) {
        s.GroupPairs[g] = std::clamp<int>(club.SessionHead.GroupPairs[g], 0, std::max(0, s.PairsPerGroup));
        // An individual competition scores the sides of its tables: half its players.
        if (s.ScoringMode == ModeIndividual)
            s.GroupPairs[g] /= 2;
    }
    return s;
}

MatchPointCalculation::MatchPointCalculation(const MatchPointSettings& settings,
                                             std::vector<TScoreObj>& scores, const ScoreTables& tables,
                                             Dialogs& dialogs)
    : settings_(settings), scores_(scores), tables_(tables), dialogs_(dialogs),
      boardMatchPoints_(scores.size()),
      unplayed_(static_cast<std::size_t>(std::max(0, settings.GroupCount * settings.BoardCount)), 0) {}

bool MatchPointCalculation::fits() const {
    const auto& s = settings_;
    if (s.GroupCount < 1 || s.BoardCount < 1 || s.BoardCount > 48 || s.PairsPerGroup < 1)
        return false;
    const long long needed = 1LL * s.GroupCount * s.BoardCount * s.PairsPerGroup + 1;
    return static_cast<long long>(scores_.size()) >= needed;
}

int MatchPointCalculation::recordIndex(int group, int board, int row) const {
    return ScoreRecordIndex(group, board, row, settings_.BoardCount, settings_.PairsPerGroup);
}

const TScoreObj& MatchPointCalculation::record(int group, int board, int row) const {
    return scores_[static_cast<std::size_t>(recordIndex(group, board, row))];
}

TScoreObj& MatchPointCalculation::mutableRecord(int group, int board, int row) {
    ++version_;
    return scores_[static_cast<std::size_t>(recordIndex(group, board, row))];
}

int MatchPointCalculation::unplayed(int board, int group) const {
    return unplayed_[static_cast<std::size_t>((group - 1) * settings_.BoardCount + board - 1)];
}

int MatchPointCalculation::boardTop(int board, int group) const {
    int pairs = 0;
    int tables = 0;
    for (int h = settings_.firstGroupOfRange(group); h <= settings_.lastGroupOfRange(group); ++h) {
        pairs += settings_.groupPairs(h);
        tables += unplayed(board, h);
    }
    return pairs - 2 - 2 * tables;
}

int MatchPointCalculation::CountUnplayed(int group, int firstBoard, int lastBoard, bool report,
                                         bool sitOutGranted) {
    if (!fits() || group < 1 || group > settings_.GroupCount)
        return 0;
    const int pairs = settings_.groupPairs(group);
    int& expected = expected_[static_cast<std::size_t>(group - 1)];
    expected = pairs * settings_.BoardCount / 2;
    firstBoard = std::max(firstBoard, 1);
    lastBoard = std::min(lastBoard, settings_.BoardCount);
    std::vector<int> boards;
    for (int b = firstBoard; b <= lastBoard; ++b) {
        int played = 0;
        for (int k = 1; k <= pairs; ++k) {
            const int code = record(group, b, k).Code;
            played += code >= 1 && code <= 14;
        }
        const int tables = std::max(0, (pairs - played) / 2);
        unplayed_[static_cast<std::size_t>((group - 1) * settings_.BoardCount + b - 1)] = tables;
        expected -= tables;
        if (tables > 0)
            boards.push_back(b);
    }
    counted_[static_cast<std::size_t>(group - 1)] = true;
    const int n = static_cast<int>(boards.size());
    if (!report || n == 0)
        return n;
    const std::string letter(1, GroupLetter(group));
    dialogs_.information("Aantal niet gespeelde spellen :" + std::to_string(n) + " in Groep: " + letter);
    if (sitOutGranted || n >= settings_.RoundCount)
        return n;
    for (const int b : boards) {
        dialogs_.information("Ongespeeld spel: " + std::to_string(b) + " in Groep: " + letter);
        if (settings_.NeubergMode == NeubergOff)
            continue;
        // Either answer keeps the full top, so Neuberg gives the pairs who played the board their
        // share of it; "Ja" gives the pairs who could not play it the average as arbitral score.
        if (dialogs_.askYesNo("Arbitrale score voor dit spel: " + std::to_string(b) + "?"))
            for (int k = 1; k <= pairs; ++k)
                if (record(group, b, k).Code == ScoreCode::Absent) {
                    TScoreObj& r = mutableRecord(group, b, k);
                    r.Code = ScoreCode::Percentage;
                    r.Score = kArbitralPercentage;
                }
        unplayed_[static_cast<std::size_t>((group - 1) * settings_.BoardCount + b - 1)] = 0;
    }
    return n;
}

void MatchPointCalculation::ensureCounted(int group) {
    if (!counted_[static_cast<std::size_t>(group - 1)])
        CountUnplayed(group, 1, settings_.BoardCount, false);
}

void MatchPointCalculation::compare(int group, int board, BoardComparison& out) {
    for (auto& v : collected_)
        v.clear();
    out.counts = {};
    const bool pairsMode = settings_.ScoringMode == ModePairs;
    for (int h = settings_.firstGroupOfRange(group); h <= settings_.lastGroupOfRange(group); ++h)
        for (int k = 1; k <= settings_.groupPairs(h); ++k) {
            const TScoreObj& r = record(h, board, k);
            SideCounts& c = out.counts[static_cast<std::size_t>(CountingSide(r.Flags))];
            const auto side = static_cast<std::size_t>(ComparisonSide(r.Flags));
            switch (ClassOfCode(r.Code)) {
            case RecordClass::Normal:
                ++c.NormalCount;
                collected_[side].push_back(r.Score);
                break;
            case RecordClass::Fragment: {
                const auto f = static_cast<std::size_t>(r.Code - ScoreCode::Fragment1);
                if (pairsMode)
                    ++c.FragCount[f];
                collected_[2 + 3 * side + f].push_back(r.Score);
                break;
            }
            case RecordClass::FixedPercentage:
            case RecordClass::FixedPoints:
                ++c.FixedCount;
                break;
            case RecordClass::None:
                break;
            }
        }
    const bool imps = settings_.ScoringMode == ModeButler || settings_.ScoringMode == ModeCrossImp;
    for (std::size_t side = 0; side < 2; ++side) {
        out.normal[side].assign(collected_[side], imps);
        for (std::size_t f = 0; f < 3; ++f)
            out.fragments[side][f].assign(collected_[2 + 3 * side + f], false);
        out.datum[side] =
            imps ? ButlerDatumOfSorted(out.normal[side].sorted(), tables_.DatumDrops) : std::nullopt;
    }
}

BoardComparison& MatchPointCalculation::comparison(int group, int board, Target target) {
    if (!settings_.TopIntegral || target == Target::DisplayOnly) {
        compare(group, board, scratch_);
        return scratch_;
    }
    const auto b = static_cast<std::size_t>(board - 1);
    if (cache_.size() != static_cast<std::size_t>(settings_.BoardCount)) {
        cache_.assign(static_cast<std::size_t>(settings_.BoardCount), {});
        cacheVersion_.assign(cache_.size(), 0);
    }
    if (cacheVersion_[b] != version_ + 1) {
        compare(group, board, cache_[b]);
        cache_[b].finishedTop = -1;
        cacheVersion_[b] = version_ + 1;
    }
    return cache_[b];
}

WorkingValue MatchPointCalculation::workingValue(const TScoreObj& r, int top, const BoardComparison& c) {
    const int mode = settings_.ScoringMode;
    const bool pairsForm = mode == ModePairs || mode == ModeIndividual;
    const auto side = static_cast<std::size_t>(ComparisonSide(r.Flags));
    switch (ClassOfCode(r.Code)) {
    case RecordClass::Normal: {
        if (pairsForm)
            return WorkingValue::Compared(c.normal[side].rawScore(r.Score));
        const auto& d = c.datum[side];
        if (!d)
            return {};
        const int imps = ImpsForDifference(r.Score - *d);
        return WorkingValue::Compared(mode == ModeButler ? 10 * imps : imps);
    }
    case RecordClass::Fragment:
        if (mode != ModePairs) {
            dialogs_.information("Gebruik Arbitrale Score");
            return {};
        }
        return WorkingValue::Compared(
            c.fragments[side][static_cast<std::size_t>(r.Code - ScoreCode::Fragment1)].rawScore(r.Score));
    case RecordClass::FixedPercentage: {
        const bool zero = r.Code == ScoreCode::Absent || r.Code == ScoreCode::ZeroPercentage;
        const int percentage = zero ? 0 : r.Score;
        if (pairsForm)
            return WorkingValue::Fixed(percentage * top);
        const int imps = ArbitralImpValue(tables_, percentage, mode);
        return WorkingValue::Fixed(mode == ModeButler ? imps : 100 * imps);
    }
    case RecordClass::FixedPoints:
        // The value is in tenths; in "Butler" that is tenths of an IMP.
        return WorkingValue::Fixed(mode == ModeButler ? r.Score : 10 * r.Score);
    case RecordClass::None:
        break;
    }
    return {};
}

bool MatchPointCalculation::ComputeBoards(int group, int firstBoard, int lastBoard, Target target) {
    if (!fits() || group < 1 || group > settings_.GroupCount)
        return true;
    firstBoard = std::max(firstBoard, 1);
    lastBoard = std::min(lastBoard, settings_.BoardCount);
    for (int h = settings_.firstGroupOfRange(group); h <= settings_.lastGroupOfRange(group); ++h)
        ensureCounted(h);
    const int pairs = settings_.groupPairs(group);

    for (int b = firstBoard; b <= lastBoard; ++b) {
        if (target == Target::Store) {
            const auto first = boardMatchPoints_.begin() + recordIndex(group, b, 1);
            std::fill(first, first + settings_.PairsPerGroup, TMatchPObj{});
        }
        display_.assign(static_cast<std::size_t>(pairs + 1), {kNoMatchPoints, kNoMatchPoints});
        const int top = boardTop(b, group);
        if (top < 0) {
            if (dialogs_.askYesNo("Geen Scores gevonden voor spel:" + std::to_string(b) + ",  van groep:" +
                                  std::string(1, GroupLetter(group)) + "\rBerekening afbreken?"))
                return false;
            continue;
        }

        BoardComparison& comparison = this->comparison(group, b, target);
        // Shared rows finish each raw score once (a division each) for all groups.
        const bool memo = &comparison != &scratch_ &&
                          (settings_.ScoringMode == ModePairs || settings_.ScoringMode == ModeIndividual);
        if (memo && comparison.finishedTop != top) {
            const int raws = 2 * std::max(comparison.normal[0].size(), comparison.normal[1].size());
            for (auto& f : comparison.finished)
                f.assign(static_cast<std::size_t>(raws), kNotFinished);
            comparison.finishedTop = top;
        }
        // The rows of a board follow each other in the list.
        const auto first = static_cast<std::size_t>(recordIndex(group, b, 0));
        FinishContext context;
        context.scoringMode = settings_.ScoringMode;
        context.neubergMode = settings_.NeubergMode;
        context.top = top;
        for (int k = 1; k <= pairs; ++k) {
            const TScoreObj& r = scores_[first + static_cast<std::size_t>(k)];
            const WorkingValue v = workingValue(r, top, comparison);
            if (v.kind == WorkingValue::Kind::Empty)
                continue;
            const int side = CountingSide(r.Flags);
            const SideCounts& c = comparison.counts[static_cast<std::size_t>(side)];
            const RecordClass cls = ClassOfCode(r.Code);
            context.own = cls == RecordClass::Fragment
                              ? c.FragCount[static_cast<std::size_t>(r.Code - ScoreCode::Fragment1)]
                              : c.NormalCount;
            context.total = c.TotalCount();
            int* finished =
                memo && cls == RecordClass::Normal
                    ? &comparison.finished[static_cast<std::size_t>(side)][static_cast<std::size_t>(v.value)]
                    : nullptr;
            if (finished && *finished == kNotFinished)
                *finished = FinishValue(v, context);
            const int mp = finished ? *finished : FinishValue(v, context);
            display_[static_cast<std::size_t>(k)][static_cast<std::size_t>(side)] = mp;
            if (target == Target::Store)
                boardMatchPoints_[first + static_cast<std::size_t>(k)].MatchPoints = mp;
        }
    }
    return true;
}

} // namespace velk
