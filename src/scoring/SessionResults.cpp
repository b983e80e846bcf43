#include "scoring/SessionResults.h"

#include "core/SilentDialogs.h"
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "scoring/ScoreCode.h"
#include "scoring/StoredMatchPoints.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

namespace velk {

namespace {

std::vector<TCalcObj>* SessionRows(Club& club, int session) {
    if (session < 1 || session > club.SessionCount())
        return nullptr;
    auto& rows = club.SessionList[static_cast<std::size_t>(session - 1)].Rows;
    return rows.size() > static_cast<std::size_t>(std::max<int>(club.CompetitionHead.PairCount, 0)) ? &rows
                                                                                                    : nullptr;
}

bool NotPlayedCode(int code) {
    return code == ScoreCode::None || code == ScoreCode::Absent || code == ScoreCode::ZeroPercentage;
}

// Without a schedule: on a board, the only incomplete pair without a record met the sit-out pair.
int InferredOpponent(const MatchPointCalculation& calc, const SitOutDecision& d, int group, int board,
                     int row) {
    int found = 0;
    for (int k = 1; k < static_cast<int>(d.status.size()); ++k) {
        if (k == d.sitOutRow || d.status[static_cast<std::size_t>(k)] != PairStatus::Incomplete)
            continue;
        if (!NotPlayedCode(calc.record(group, board, k).Code))
            continue;
        if (found != 0)
            return 0;
        found = k;
    }
    return found == row ? d.sitOutRow : 0;
}

int ActivePairs(const Club& club, int group) {
    return std::clamp<int>(club.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)], 0,
                           std::max(club.PairsPerGroup, 0));
}

int RowOf(const Club& club, int group, int k) {
    return (group - 1) * club.PairsPerGroup + k;
}

} // namespace

int BoardsPlayedBy(const MatchPointCalculation& calc, int group, int row) {
    int played = 0;
    for (int b = 1; b <= calc.settings().BoardCount; ++b)
        played += !NotPlayedCode(calc.record(group, b, row).Code);
    return played;
}

SitOutDecision CountSitOut(const MatchPointCalculation& calc, int group) {
    const auto& s = calc.settings();
    const int pairs = s.groupPairs(group);
    SitOutDecision d;
    d.boardsPlayed.assign(static_cast<std::size_t>(pairs + 1), 0);
    d.status.assign(static_cast<std::size_t>(pairs + 1), PairStatus::Normal);
    if (!calc.fits())
        return d;
    for (int k = 1; k <= pairs; ++k) {
        const int played = BoardsPlayedBy(calc, group, k);
        d.boardsPlayed[static_cast<std::size_t>(k)] = played;
        if (played == 0) {
            d.status[static_cast<std::size_t>(k)] = PairStatus::SitOutArbitral;
            if (d.sitOutRow == 0)
                d.sitOutRow = k;
        } else if (played < s.BoardCount) {
            d.status[static_cast<std::size_t>(k)] = PairStatus::Incomplete;
            ++d.incompleteCount;
        }
    }
    return d;
}

SitOutDecision DetectSitOut(MatchPointCalculation& calc, int group, Dialogs& dialogs,
                            const OpponentLookup& opponents) {
    const auto& s = calc.settings();
    const int pairs = s.groupPairs(group);
    SitOutDecision d = CountSitOut(calc, group);
    if (!calc.fits())
        return d;
    if (d.incompleteCount == s.RoundCount && d.sitOutRow != 0) {
        const std::string pair = std::to_string(d.sitOutRow);
        if (s.TopIntegral) {
            dialogs.information("Zittafel gedetecteerd voor paar: " + pair +
                                "\rAan paar wordt arbitrale score toegekend!");
            d.granted = true;
        } else {
            d.granted = dialogs.askYesNo("Zittafel gedetecteerd voor paar: " + pair +
                                         "\rArbitrale score toekennen? (zie Help)");
        }
    }
    calc.CountUnplayed(group, 1, s.BoardCount, false);
    for (int k = 1; k <= pairs; ++k) {
        if (d.status[static_cast<std::size_t>(k)] != PairStatus::Incomplete)
            continue;
        for (int b = 1; b <= s.BoardCount; ++b) {
            if (!NotPlayedCode(calc.record(group, b, k).Code))
                continue;
            TScoreObj& r = calc.mutableRecord(group, b, k);
            const BoardOpponent seat = opponents ? opponents(group, b, k) : BoardOpponent{};
            // An empty record has no side yet; the code it gets must count for the pair's side.
            // The code is marked as given: the table may just not have been typed yet, and the
            // entry window must go on counting it as missing.
            const auto give = [&](std::uint8_t code) {
                r.Code = code;
                r.Score = 0;
                if (seat.row > 0) {
                    r.Direction = seat.eastWest ? 1 : 0;
                    r.Flags = seat.eastWest ? std::uint8_t{ScoreFlag::EastWest} : std::uint8_t{0};
                }
                if (code == ScoreCode::None)
                    r.Flags &= static_cast<std::uint8_t>(~ScoreFlag::Given);
                else
                    r.Flags |= ScoreFlag::Given;
            };
            int opponent = 0;
            if (d.sitOutRow != 0)
                opponent = seat.row == kOpponentUnknown ? InferredOpponent(calc, d, group, b, k) : seat.row;
            if (d.sitOutRow != 0 && opponent == d.sitOutRow)
                give(d.granted ? ScoreCode::ZeroPercentage : ScoreCode::None);
            else if (r.Code == ScoreCode::None && calc.missingTables(b, group) > 0)
                give(ScoreCode::Absent);
        }
    }
    if (d.incompleteCount > 0 && d.incompleteCount < s.RoundCount)
        for (int k = 1; k <= pairs; ++k)
            if (d.status[static_cast<std::size_t>(k)] == PairStatus::Incomplete)
                dialogs.information(" Geen punten ingevuld voor paar: " + std::to_string(k) +
                                    " Groep: " + std::string(1, GroupLetter(group)));
    return d;
}

void SumMatchPoints(Club& club, const MatchPointCalculation& calc, int group, const SitOutDecision& sitOut) {
    auto* rows = SessionRows(club, club.CurrentSession);
    if (!rows || !calc.fits())
        return;
    const auto& mp = calc.BoardMatchPoints();
    const int pairs =
        std::min<int>(calc.settings().groupPairs(group), static_cast<int>(sitOut.status.size()) - 1);
    for (int k = 1; k <= pairs; ++k) {
        long long tenths = 0;
        for (int b = 1; b <= calc.settings().BoardCount; ++b) {
            const int v = mp[static_cast<std::size_t>(calc.recordIndex(group, b, k))].MatchPoints;
            if (v != kNoMatchPoints)
                tenths += v;
        }
        TCalcObj& row = (*rows)[static_cast<std::size_t>(RowOf(club, group, k))];
        row.Points = static_cast<float>(static_cast<double>(tenths) / 10.0);
        row.Substitutes = 0;
        std::int8_t status = sitOut.status[static_cast<std::size_t>(k)];
        if (status == PairStatus::SitOutArbitral && !sitOut.granted)
            status = PairStatus::SitOutWithout;
        row.Status = status;
        row.BoardsPlayed = static_cast<std::uint8_t>(sitOut.boardsPlayed[static_cast<std::size_t>(k)]);
    }
}

std::vector<int> PairTops(MatchPointCalculation& calc, int group) {
    const auto& s = calc.settings();
    const int pairs = s.groupPairs(group);
    std::vector<int> tops(static_cast<std::size_t>(pairs + 1), 0);
    if (!calc.fits() || group < 1 || group > s.GroupCount)
        return tops;
    calc.countRange(group);
    for (int b = 1; b <= s.BoardCount; ++b) {
        const int top = std::max(calc.boardTop(b, group), 0);
        for (int k = 1; k <= pairs; ++k)
            if (!NotPlayedCode(calc.record(group, b, k).Code))
                tops[static_cast<std::size_t>(k)] += top;
    }
    return tops;
}

std::optional<std::vector<int>> SessionPairTops(const Club& club, int group) {
    const int session = club.CurrentSession;
    if (session < 1 || session > club.SessionCount())
        return std::nullopt;
    const MatchPointSettings settings = MatchPointSettings::Of(club);
    static const std::vector<TScoreObj> noScores;
    const std::vector<TScoreObj>& loaded =
        session <= static_cast<int>(club.SessionScoreList.size())
            ? club.SessionScoreList[static_cast<std::size_t>(session - 1)].Records
            : noScores;
    // The boards as they were summed, where the session was computed; else as they are now. A
    // copy either way: counting the tables must not touch the scores the windows hold.
    std::vector<TScoreObj> scores;
    std::string problem;
    const auto stored =
        club.ClubFilePath.empty() ? std::nullopt : ReadStoredMatchPoints(club.ClubFilePath, session, problem);
    auto summed = stored ? ApplyStoredMatchPoints(settings, loaded, *stored) : std::nullopt;
    if (summed && summed->has(group))
        scores = std::move(summed->records);
    else
        scores = loaded;
    SilentDialogs quiet;
    const ScoreTables none;
    MatchPointCalculation calc(settings, scores, none, quiet);
    if (!calc.fits() || group < 1 || group > settings.GroupCount)
        return std::nullopt;
    std::vector<int> tops = PairTops(calc, group);
    // Points typed without boards have no tops to divide by.
    if (std::all_of(tops.begin(), tops.end(), [](int t) { return t == 0; }))
        return std::nullopt;
    return tops;
}

double ComputePercentages(Club& club, const ScoreTables& tables, int group,
                          const std::vector<int>* pairTops) {
    auto* rows = SessionRows(club, club.CurrentSession);
    if (!rows || group < 1 || group > std::min<int>(club.CompetitionHead.GroupCount, 16))
        return 0;
    const auto& head = club.CompetitionHead;
    const int mode = head.ScoringMode;
    const int pairs = ActivePairs(club, group);
    // A percentage is the pair's match points over the tops of the boards it played.
    std::optional<std::vector<int>> derived;
    if (mode == ModePairs && !pairTops) {
        derived = SessionPairTops(club, group);
        if (derived)
            pairTops = &*derived;
    }
    if (mode != ModePairs || (pairTops && static_cast<int>(pairTops->size()) <= pairs))
        pairTops = nullptr;
    int pctTop = pairs - 2;
    if (mode == ModeIndividual) {
        pctTop = pairs / 2 - 2;
    } else if (head.CalcMethod & 1) {
        int all = 0;
        for (int g = 1; g <= std::min<int>(head.GroupCount, 16); ++g)
            all += ActivePairs(club, g);
        pctTop = all - 2;
    }
    const int boardCount = club.SessionHead.BoardCount;
    // A pair that played nothing is a missing opponent of the others; a pair that played and
    // scored nothing is a result.
    const auto boardsOf = [&](const TCalcObj& r) {
        return r.BoardsPlayed > 0 ? r.BoardsPlayed : r.Status >= 0 ? boardCount : 0;
    };
    double groupTotal = 0;
    bool missing = false;
    for (int k = 1; k <= pairs; ++k) {
        const TCalcObj& r = (*rows)[static_cast<std::size_t>(RowOf(club, group, k))];
        groupTotal += r.Points;
        if (r.Status != PairStatus::SitOutArbitral &&
            (r.Status == PairStatus::SitOutWithout || (r.Points <= 0 && r.BoardsPlayed == 0)))
            missing = true;
    }
    if (missing)
        pctTop -= 2;

    for (int k = 1; k <= pairs; ++k) {
        TCalcObj& r = (*rows)[static_cast<std::size_t>(RowOf(club, group, k))];
        const int boards = boardsOf(r);
        const double maxPct = r.Substitutes == 1 ? head.MaxPctOneSub : head.MaxPctTwoSubs;
        const bool capped = r.Substitutes == 1 || r.Substitutes == 2;
        double pct = 0;
        if (pairTops) {
            const int top = (*pairTops)[static_cast<std::size_t>(k)];
            if (top > 0)
                pct = r.Points * 100.0 / top;
            if (capped)
                pct = std::min(pct, maxPct);
        } else if (mode == ModePairs || mode == ModeIndividual) {
            if (pctTop > 0 && boards > 0)
                pct = r.Points * 100.0 / pctTop / boards;
            if (capped)
                pct = std::min(pct, maxPct);
        } else {
            pct = r.Points;
            if (capped) {
                // The arbitral value is per board; the total is over the boards played.
                const int value = ArbitralImpValue(tables, static_cast<int>(std::trunc(maxPct)), mode);
                const double perBoard = mode == ModeButler ? value / 10.0 : value;
                pct = std::min(pct, perBoard * boards);
            }
        }
        r.Percentage = static_cast<float>(pct);
    }
    return groupTotal;
}

namespace {

void RankSession(Club& club, int session, int group) {
    auto* rows = SessionRows(club, session);
    if (!rows)
        return;
    const auto& head = club.CompetitionHead;
    const int pairCount = head.PairCount;
    int first = 1;
    int last = pairCount;
    if (!(head.CalcMethod & 1)) {
        first = (group - 1) * club.PairsPerGroup + 1;
        last = std::min(pairCount, group * club.PairsPerGroup);
    }
    if (first > last)
        return;
    const int twoLines = session == club.CurrentSession
                             ? club.SessionHead.TwoLines
                             : club.SessionList[static_cast<std::size_t>(session - 1)].TwoLines;
    for (int i = first; i <= last; ++i) {
        float total = 0;
        for (int z = 1; z <= session; ++z)
            if (const auto* earlier = SessionRows(club, z)) {
                const TCalcObj& r = (*earlier)[static_cast<std::size_t>(i)];
                total += r.Percentage + r.Correction;
            }
        (*rows)[static_cast<std::size_t>(i)].CompetitionTotal = total;
    }
    // Rank = 1 + the pairs of the same line with a strictly higher value: counted in the sorted
    // values of each line, not pair against pair (a field of 512 pairs is ranked once per group).
    const int lines = twoLines == 1 ? 2 : 1;
    std::array<std::vector<float>, 2> own;
    std::array<std::vector<float>, 2> competition;
    for (int j = first; j <= last; ++j) {
        const TCalcObj& o = (*rows)[static_cast<std::size_t>(j)];
        const auto line = static_cast<std::size_t>((j - first) % lines);
        own[line].push_back(o.Percentage + o.Correction);
        competition[line].push_back(o.CompetitionTotal);
    }
    for (std::size_t line = 0; line < 2; ++line) {
        std::sort(own[line].begin(), own[line].end());
        std::sort(competition[line].begin(), competition[line].end());
    }
    const auto higher = [](const std::vector<float>& sorted, float value) {
        return static_cast<int>(sorted.end() - std::upper_bound(sorted.begin(), sorted.end(), value));
    };
    for (int i = first; i <= last; ++i) {
        TCalcObj& r = (*rows)[static_cast<std::size_t>(i)];
        const auto line = static_cast<std::size_t>((i - first) % lines);
        const int rank = 1 + higher(own[line], r.Percentage + r.Correction);
        const int competitionRank = 1 + higher(competition[line], r.CompetitionTotal);
        r.SessionRank = static_cast<std::int16_t>(rank);
        r.CompetitionRank = static_cast<std::int16_t>(competitionRank);
        if (static_cast<std::size_t>(i) < club.PairList.size())
            club.PairList[static_cast<std::size_t>(i)].Rang = r.CompetitionRank;
    }
}

} // namespace

void ComputeRanks(Club& club, int session, int group) {
    for (int z = std::max(session, 1); z <= club.SessionCount(); ++z)
        RankSession(club, z, group);
}

} // namespace velk
