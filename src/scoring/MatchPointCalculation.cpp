#include "scoring/MatchPointCalculation.h"

#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "scoring/ImpScale.h"
#include "scoring/ScoreCode.h"

#include <algorithm>
#include <string>

namespace velk {

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
      unplayed_(static_cast<std::size_t>(std::max(0, settings.GroupCount * settings.BoardCount)), 0),
      missing_(unplayed_.size(), 0),
      unplayedInRange_(static_cast<std::size_t>(std::max(0, settings.BoardCount)), 0) {
    for (int h = 1; h <= settings.GroupCount; ++h)
        rangePairs_ += settings.groupPairs(h);
}

bool MatchPointCalculation::fits() const {
    const auto& s = settings_;
    if (s.GroupCount < 1 || s.BoardCount < 1 || s.BoardCount > 48 || s.PairsPerGroup < 1)
        return false;
    const long long needed = 1LL * s.GroupCount * s.BoardCount * s.PairsPerGroup + 1;
    return static_cast<long long>(scores_.size()) >= needed;
}

TScoreObj& MatchPointCalculation::mutableRecord(int group, int board, int row) {
    ++version_;
    const auto index = static_cast<std::size_t>(recordIndex(group, board, row));
    if (handedOut_.size() < scores_.size())
        handedOut_.resize(scores_.size());
    if (!handedOut_[index]) {
        handedOut_[index] = true;
        originals_.emplace_back(index, scores_[index]);
    }
    return scores_[index];
}

bool MatchPointCalculation::recordsChanged() const {
    return std::any_of(originals_.begin(), originals_.end(),
                       [&](const auto& original) { return scores_[original.first] != original.second; });
}

int MatchPointCalculation::unplayed(int board, int group) const {
    return unplayed_[static_cast<std::size_t>((group - 1) * settings_.BoardCount + board - 1)];
}

int MatchPointCalculation::missingTables(int board, int group) const {
    return missing_[static_cast<std::size_t>((group - 1) * settings_.BoardCount + board - 1)];
}

int MatchPointCalculation::boardTop(int board, int group) const {
    if (!settings_.TopIntegral)
        return settings_.groupPairs(group) - 2 - 2 * unplayed(board, group);
    return rangePairs_ - 2 - 2 * unplayedInRange_[static_cast<std::size_t>(board - 1)];
}

void MatchPointCalculation::setUnplayed(int group, int board, int tables) {
    int& stored = unplayed_[static_cast<std::size_t>((group - 1) * settings_.BoardCount + board - 1)];
    unplayedInRange_[static_cast<std::size_t>(board - 1)] += tables - stored;
    stored = tables;
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
        const TScoreObj* rows = &record(group, b, 1);
        for (int k = 0; k < pairs; ++k) {
            const int code = rows[k].Code;
            played += code >= 1 && code <= 14;
        }
        const int tables = std::max(0, (pairs - played) / 2);
        missing_[static_cast<std::size_t>((group - 1) * settings_.BoardCount + b - 1)] = tables;
        setUnplayed(group, b, tables);
        expected -= tables;
        if (tables > 0)
            boards.push_back(b);
    }
    counted_[static_cast<std::size_t>(group - 1)] = true;
    const int n = static_cast<int>(boards.size());
    // A few boards missed at a table are factored up to the full top, so the pairs who played them
    // get their share of it; a sit-out round, where every board misses a table, lowers the top.
    const bool factoredUp = settings_.NeubergMode != NeubergOff && n > 0 && n < settings_.RoundCount;
    if (factoredUp)
        for (const int b : boards)
            setUnplayed(group, b, 0);
    if (!report || n == 0)
        return n;
    const std::string letter(1, GroupLetter(group));
    dialogs_.information("Aantal niet gespeelde spellen :" + std::to_string(n) + " in Groep: " + letter);
    if (sitOutGranted || n >= settings_.RoundCount)
        return n;
    for (const int b : boards) {
        dialogs_.information("Ongespeeld spel: " + std::to_string(b) + " in Groep: " + letter);
        if (!factoredUp)
            continue;
        // The answer decides only for the table that did not play: the average, or nothing.
        if (dialogs_.askYesNo("Arbitrale score voor dit spel: " + std::to_string(b) + "?"))
            for (int k = 1; k <= pairs; ++k)
                if (record(group, b, k).Code == ScoreCode::Absent) {
                    TScoreObj& r = mutableRecord(group, b, k);
                    r.Code = ScoreCode::Percentage;
                    r.Score = kArbitralPercentage;
                    // The arbitral score is the user's answer, no longer a table still to type.
                    r.Flags &= static_cast<std::uint8_t>(~ScoreFlag::Given);
                }
    }
    return n;
}

void MatchPointCalculation::countRange(int group) {
    if (!fits() || group < 1 || group > settings_.GroupCount)
        return;
    for (int h = settings_.firstGroupOfRange(group); h <= settings_.lastGroupOfRange(group); ++h)
        ensureCounted(h);
}

void MatchPointCalculation::ensureCounted(int group) {
    if (!counted_[static_cast<std::size_t>(group - 1)])
        CountUnplayed(group, 1, settings_.BoardCount, false);
}

void MatchPointCalculation::compare(int group, int board, BoardComparison& out) {
    // Room for every row of the range, so that gathering writes without checking.
    int rangeRows = 0;
    for (int h = settings_.firstGroupOfRange(group); h <= settings_.lastGroupOfRange(group); ++h)
        rangeRows += settings_.groupPairs(h);
    std::array<int*, 2> next{};
    for (std::size_t side = 0; side < 2; ++side) {
        collected_[side].resize(static_cast<std::size_t>(rangeRows));
        next[side] = collected_[side].data();
    }
    // Fragments are rare: their sets grow as they come.
    for (std::size_t i = 2; i < collected_.size(); ++i)
        collected_[i].clear();
    out.counts = {};
    const bool pairsMode = settings_.ScoringMode == ModePairs;
    out.finishedTop = -1;
    for (int h = settings_.firstGroupOfRange(group); h <= settings_.lastGroupOfRange(group); ++h) {
        // The rows of a board follow each other in the list.
        const TScoreObj* rows = &record(h, board, 1);
        const int n = settings_.groupPairs(h);
        for (int k = 0; k < n; ++k) {
            const TScoreObj& r = rows[k];
            SideCounts& c = out.counts[static_cast<std::size_t>(CountingSide(r.Flags))];
            const auto side = static_cast<std::size_t>(ComparisonSide(r.Flags));
            switch (ClassOfCode(r.Code)) {
            case RecordClass::Normal:
                ++c.NormalCount;
                *next[side]++ = r.Score;
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
            case RecordClass::None:
                break;
            }
        }
    }
    for (std::size_t side = 0; side < 2; ++side)
        collected_[side].resize(static_cast<std::size_t>(next[side] - collected_[side].data()));
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
        // A board a pair could not play is worth nothing to it in IMPs, not the 0 % penalty.
        if (zero)
            return WorkingValue::Fixed(0);
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

int MatchPointCalculation::finishOther(const TScoreObj& r, RecordClass cls, const SideCounts& c,
                                       FinishContext& context, const BoardComparison& comparison) {
    const WorkingValue v = workingValue(r, context.top, comparison);
    if (v.kind == WorkingValue::Kind::Empty)
        return kNoMatchPoints;
    context.own = cls == RecordClass::Fragment
                      ? c.FragCount[static_cast<std::size_t>(r.Code - ScoreCode::Fragment1)]
                      : c.NormalCount;
    return FinishValue(v, context);
}

bool MatchPointCalculation::ComputeBoards(int group, int firstBoard, int lastBoard, Target target) {
    if (!fits() || group < 1 || group > settings_.GroupCount)
        return true;
    firstBoard = std::max(firstBoard, 1);
    lastBoard = std::min(lastBoard, settings_.BoardCount);
    countRange(group);
    const int pairs = settings_.groupPairs(group);
    const std::string letter(1, GroupLetter(group));
    if (target == Target::Store) {
        // Boards nobody played yet: one question for the group, going on by default, so that Enter
        // on a half-entered evening neither loses the group nor takes a dialog per board.
        std::vector<int> empty;
        for (int b = firstBoard; b <= lastBoard; ++b)
            if (boardTop(b, group) < 0)
                empty.push_back(b);
        if (!empty.empty()) {
            const std::string boards = empty.size() == 1 ? "spel:" + std::to_string(empty.front())
                                                         : std::to_string(empty.size()) + " spellen";
            if (dialogs_.askYesNoDefaultNo("Geen Scores gevonden voor " + boards + ",  van groep:" + letter +
                                           "\rBerekening afbreken?"))
                return false;
        }
    }

    for (int b = firstBoard; b <= lastBoard; ++b) {
        if (target == Target::Store) {
            const auto first = boardMatchPoints_.begin() + recordIndex(group, b, 1);
            std::fill(first, first + settings_.PairsPerGroup, TMatchPObj{});
        }
        display_.assign(static_cast<std::size_t>(pairs + 1), {kNoMatchPoints, kNoMatchPoints});
        const int top = boardTop(b, group);
        if (top < 0) {
            if (target == Target::DisplayOnly)
                dialogs_.information("Geen Scores gevonden voor spel:" + std::to_string(b) +
                                     ",  van groep:" + letter);
            continue;
        }

        BoardComparison& comparison = this->comparison(group, b, target);
        FinishContext context;
        context.scoringMode = settings_.ScoringMode;
        context.neubergMode = settings_.NeubergMode;
        context.top = top;
        // Each raw score a side can have is finished once, before the rows: with "Topintegraal"
        // for all groups, otherwise for the rows of the group that share it.
        const bool memo = settings_.ScoringMode == ModePairs || settings_.ScoringMode == ModeIndividual;
        if (memo && comparison.finishedTop != top) {
            const int raws = 2 * std::max(comparison.normal[0].size(), comparison.normal[1].size());
            for (std::size_t side = 0; side < 2; ++side) {
                context.own = comparison.counts[side].NormalCount;
                comparison.finished[side].resize(static_cast<std::size_t>(raws));
                FinishComparedRun(context, raws, comparison.finished[side].data());
            }
            comparison.finishedTop = top;
        }
        // The rows of a board follow each other in the list.
        const auto first = static_cast<std::size_t>(recordIndex(group, b, 0));
        const TScoreObj* rows = &scores_[first];
        // Taken out of the containers once, so that the stores of the loop reload none of them.
        const std::array<ScoreRanking::Counted, 2> counted = {comparison.normal[0].counted(),
                                                              comparison.normal[1].counted()};
        const std::array<int*, 2> finishedOf = {comparison.finished[0].data(), comparison.finished[1].data()};
        std::array<int, 2>* display = display_.data();
        TMatchPObj* stored = target == Target::Store ? &boardMatchPoints_[first] : nullptr;
        for (int k = 1; k <= pairs; ++k) {
            const TScoreObj& r = rows[k];
            const RecordClass cls = ClassOfCode(r.Code);
            if (cls == RecordClass::None)
                continue;
            const int side = CountingSide(r.Flags);
            const SideCounts& c = comparison.counts[static_cast<std::size_t>(side)];
            int mp = 0;
            if (memo && cls == RecordClass::Normal) {
                // The common case, without a working value: a normal result of a pairs form.
                const auto compared = static_cast<std::size_t>(ComparisonSide(r.Flags));
                // Scores are 16 bits, so the difference fits; below the base it wraps out of range.
                const auto& view = counted[compared];
                const auto d = static_cast<unsigned>(r.Score - view.base);
                const unsigned q = d / 10;
                const int raw = q < view.buckets && d == 10 * q
                                    ? view.raw[q]
                                    : comparison.normal[compared].rawScore(r.Score);
                mp = finishedOf[static_cast<std::size_t>(side)][static_cast<std::size_t>(raw)];
            } else {
                mp = finishOther(r, cls, c, context, comparison);
                if (mp == kNoMatchPoints)
                    continue;
            }
            display[k][static_cast<std::size_t>(side)] = mp;
            if (stored)
                stored[k].MatchPoints = mp;
        }
    }
    return true;
}

} // namespace velk
