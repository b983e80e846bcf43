#include "scoring/StoredMatchPoints.h"

#include "core/FileBytes.h"
#include "core/PathText.h"
#include "core/SafeSave.h"
#include "core/SilentDialogs.h"

#include <algorithm>
#include <span>

namespace velk {

std::string MatchPointFilePath(const std::string& competitionPath, int session) {
    return ChangeFileExt(competitionPath, "") + "_mp" + std::to_string(session) + ".dat";
}

namespace {

std::string DamagedListText(int session, const std::string& path) {
    return "matchpunten van zitting " + std::to_string(session) + " niet te lezen: " + path +
           " is beschadigd";
}

} // namespace

std::optional<std::vector<StoredMatchPoint>> ReadStoredMatchPoints(const std::string& competitionPath,
                                                                   int session, std::string& problem) {
    const std::string path = MatchPointFilePath(competitionPath, session);
    const FileBytes stored = ReadFileBytes(path, kMaxMatchPointListBytes);
    auto list = stored.ok() ? ParseMatchPointList(stored.bytes) : std::nullopt;
    if (!stored.ok())
        problem = "geen matchpunten berekend voor zitting " + std::to_string(session);
    else if (!list)
        problem = DamagedListText(session, path);
    return list;
}

bool SaveStoredMatchPoints(const std::string& competitionPath, int session, const MatchPointCalculation& calc,
                           const std::vector<int>& groups, std::string& note) {
    const std::string path = MatchPointFilePath(competitionPath, session);
    const auto& s = calc.settings();
    const auto isComputed = [&](int g) { return std::find(groups.begin(), groups.end(), g) != groups.end(); };
    std::vector<StoredMatchPoint> kept;
    // Every group computed anew: nothing of the stored list stays.
    if (static_cast<int>(groups.size()) != s.GroupCount) {
        const FileBytes old = ReadFileBytes(path, kMaxMatchPointListBytes);
        if (auto stored = old.ok() ? ParseMatchPointList(old.bytes) : std::nullopt)
            kept = std::move(*stored);
        else if (old.status != FileReadStatus::Missing)
            note = DamagedListText(session, path) + ": alleen de berekende groepen staan in de nieuwe lijst";
    }
    std::erase_if(kept, [&](const StoredMatchPoint& e) { return isComputed(e.Group); });
    const auto computed = static_cast<std::size_t>(s.PairCount) * static_cast<std::size_t>(s.BoardCount);
    MatchPointListWriter list(kept.size() + computed, static_cast<std::size_t>(s.GroupCount) *
                                                          static_cast<std::size_t>(s.BoardCount));
    const auto& matchPoints = calc.BoardMatchPoints();
    auto next = kept.begin();
    for (int g = 1; g <= s.GroupCount; ++g) {
        // The groups stay in order: kept lines of the groups before this one first.
        const auto end = std::find_if(next, kept.end(), [&](const auto& e) { return e.Group > g; });
        list.add(std::span(next, end));
        next = end;
        if (!isComputed(g))
            continue;
        for (int b = 1; b <= s.BoardCount; ++b) {
            list.board(g, b, s.groupPairs(g));
            for (int k = 1; k <= s.groupPairs(g); ++k) {
                const TScoreObj& r = calc.record(g, b, k);
                list.entry(r.Score, r.Direction, r.Code, r.Flags,
                           matchPoints[static_cast<std::size_t>(calc.recordIndex(g, b, k))].MatchPoints);
            }
        }
    }
    list.add(std::span(next, kept.end()));
    return SaveFileAtomically(path, list.take(), {});
}

std::vector<int> BoardTops(const MatchPointSettings& settings, std::vector<TScoreObj> records) {
    SilentDialogs quiet;
    const ScoreTables none;
    MatchPointCalculation calc(settings, records, none, quiet);
    std::vector<int> tops;
    if (!calc.fits())
        return tops;
    tops.reserve(static_cast<std::size_t>(settings.GroupCount * settings.BoardCount));
    for (int g = 1; g <= settings.GroupCount; ++g) {
        calc.countRange(g);
        for (int b = 1; b <= settings.BoardCount; ++b)
            tops.push_back(calc.boardTop(b, g));
    }
    return tops;
}

std::optional<StoredSession> ApplyStoredMatchPoints(const MatchPointSettings& s,
                                                    const std::vector<TScoreObj>& records,
                                                    const std::vector<StoredMatchPoint>& stored) {
    StoredSession out;
    out.records = records;
    const long long needed = 1LL * s.GroupCount * s.BoardCount * s.PairsPerGroup + 1;
    if (s.GroupCount < 1 || s.BoardCount < 1 || s.PairsPerGroup < 1)
        return std::nullopt;
    if (static_cast<long long>(out.records.size()) < needed)
        out.records.resize(static_cast<std::size_t>(needed));
    out.matchPoints.assign(out.records.size(), {});
    for (const StoredMatchPoint& e : stored) {
        if (e.Group < 1 || e.Group > s.GroupCount || e.Board < 1 || e.Board > s.BoardCount || e.Pair < 1 ||
            e.Pair > s.PairsPerGroup)
            return std::nullopt;
        const auto index = static_cast<std::size_t>(
            ScoreRecordIndex(e.Group, e.Board, e.Pair, s.BoardCount, s.PairsPerGroup));
        TScoreObj& r = out.records[index];
        // A score changed since the computation: its contract belongs to the new score.
        if (r.Score != e.Score || r.Code != e.Code) {
            r.Contract = {};
            r.Result = {};
        }
        r.Score = e.Score;
        r.Direction = e.Direction;
        r.Code = e.Code;
        r.Flags = e.Flags;
        out.matchPoints[index].MatchPoints = e.MatchPoints;
        out.computed[static_cast<std::size_t>(e.Group - 1)] = true;
    }
    out.boardTops = BoardTops(s, out.records);
    return out;
}

} // namespace velk
