#include "scoring/CopyMatchPoints.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "scoring/IndividualResults.h"

#include <algorithm>
#include <string>

namespace velk {

namespace {

std::string Letter(int group) {
    return std::string(1, GroupLetter(group));
}
} // namespace

bool IsStandardPairOrder(const Club& club) {
    const int perGroup = club.PairsPerGroup;
    const int pairs = club.CompetitionHead.PairCount;
    if (perGroup < 1 || static_cast<int>(club.PairList.size()) < pairs + 1)
        return false;
    for (int i = 1; i <= pairs; ++i) {
        const TParenObj& p = club.PairList[static_cast<std::size_t>(i)];
        const int group = (i - 1) / perGroup + 1;
        if (club.CompetitionHead.GroupCount > 1 && p.Groep != static_cast<std::uint8_t>(GroupLetter(group)))
            return false;
        if ((i - 1) % perGroup != 0 && club.PairList[static_cast<std::size_t>(i - 1)].GrpNr >= p.GrpNr)
            return false;
    }
    return true;
}

std::optional<SitOutDecision> ComputeGroupBoards(MatchPointCalculation& calc, int group, Dialogs& dialogs,
                                                 const OpponentLookup& opponents) {
    const int boards = calc.settings().BoardCount;
    SitOutDecision sitOut = DetectSitOut(calc, group, dialogs, opponents);
    calc.CountUnplayed(group, 1, boards, true, sitOut.granted);
    // An arbitral score given to a board a pair missed makes it a board the pair played.
    for (std::size_t k = 1; k < sitOut.boardsPlayed.size(); ++k) {
        sitOut.boardsPlayed[k] = BoardsPlayedBy(calc, group, static_cast<int>(k));
        if (sitOut.status[k] == PairStatus::Incomplete && sitOut.boardsPlayed[k] == boards)
            sitOut.status[k] = PairStatus::Normal;
    }
    if (calc.expectedResults(group) <= 0) {
        dialogs.warning("Geen spel gespeeld in deze groep, Kopie wordt gestopt");
        return std::nullopt;
    }
    // A group the user stopped keeps the results it had.
    if (!calc.ComputeBoards(group, 1, boards))
        return std::nullopt;
    return sitOut;
}

bool ComputeIndividualBoards(MatchPointCalculation& calc, int group, Dialogs& dialogs) {
    const int boards = calc.settings().BoardCount;
    calc.CountUnplayed(group, 1, boards, true);
    if (calc.expectedResults(group) <= 0) {
        dialogs.warning("Geen spel gespeeld in deze groep, Kopie wordt gestopt");
        return false;
    }
    return calc.ComputeBoards(group, 1, boards);
}

bool CopyMatchPoints(Club& club, MatchPointCalculation& calc, const ScoreTables& tables, Dialogs& dialogs,
                     int firstGroup, int lastGroup, const CopyMatchPointsOptions& options) {
    if (club.CurrentSession < 1 || club.CurrentSession > club.SessionCount() || !calc.fits()) {
        ShowError(dialogs, club.ErrorCode, "", ErrorMessage::NoMatchPoints);
        return false;
    }
    if (!IsStandardPairOrder(club)) {
        dialogs.warning("Kopieren van Matchpointen alleen voor standaard sortering (Op GroepNr, per Groep)");
        return false;
    }
    firstGroup = std::max(firstGroup, 1);
    lastGroup = std::min(lastGroup, calc.settings().GroupCount);
    // A range that chooses no group computes nothing, so nothing is saved or reported as done.
    if (firstGroup > lastGroup)
        return false;
    if (options.askFirst &&
        !dialogs.askYesNo("Weet U zeker dat u MatchPunten wilt kopieren en procenten berekenen ?"))
        return false;
    // "Topintegraal" ranks the whole field at once: once after the last group is enough.
    const bool oneRanking = club.CompetitionHead.CalcMethod & 1;
    int rankedLast = 0;
    std::vector<int> copied;
    for (int g = firstGroup; g <= lastGroup; ++g) {
        if (calc.settings().ScoringMode == ModeIndividual) {
            // The rows are the sides of tables, not players: no pair sits out, a player does.
            if (!ComputeIndividualBoards(calc, g, dialogs))
                continue;
            SumIndividualMatchPoints(club, calc, g);
            ComputePercentages(club, tables, g);
            ComputeRanks(club, club.CurrentSession, g);
            copied.push_back(g);
            continue;
        }
        const auto sitOut = ComputeGroupBoards(calc, g, dialogs, options.opponents);
        if (!sitOut)
            continue;
        SumMatchPoints(club, calc, g, *sitOut);
        const std::vector<int> tops = PairTops(calc, g);
        ComputePercentages(club, tables, g, &tops);
        copied.push_back(g);
        if (oneRanking)
            rankedLast = g;
        else
            ComputeRanks(club, club.CurrentSession, g);
    }
    if (rankedLast)
        ComputeRanks(club, club.CurrentSession, rankedLast);
    // Nothing copied, nothing to save: the stored results stay as they were.
    if (copied.empty())
        return false;
    return options.save ? options.save(copied) : true;
}

bool CopyGroupScores(const Club& club, std::vector<TScoreObj>& scores, Dialogs& dialogs, int from, int to) {
    const int groups = std::min<int>(club.CompetitionHead.GroupCount, 16);
    const int perGroup = club.PairsPerGroup;
    const int boards = club.SessionHead.BoardCount;
    if (from < 1 || from > groups || to < 1 || to > groups || from == to || perGroup < 1 || boards < 1 ||
        static_cast<long long>(scores.size()) < 1LL * groups * boards * perGroup + 1)
        return false;
    if (!dialogs.askYesNo("Wilt u MatchPunten kopieren van groep " + Letter(from) + " naar " + Letter(to)))
        return false;
    const int pairs =
        std::clamp<int>(club.SessionHead.GroupPairs[static_cast<std::size_t>(from - 1)], 0, perGroup);
    for (int b = 1; b <= boards; ++b)
        for (int k = 1; k <= pairs; ++k)
            scores[static_cast<std::size_t>(ScoreRecordIndex(to, b, k, boards, perGroup))] =
                scores[static_cast<std::size_t>(ScoreRecordIndex(from, b, k, boards, perGroup))];
    return true;
}

std::string CopiedGroupScoresText(int from, int to, bool saved) {
    return "Scores van groep " + Letter(from) + "\rgekopieeerd naar " + Letter(to) +
           (saved ? "\ren opgeslagen in de scorelijst" : "\rmaar NIET opgeslagen; bewaar opnieuw");
}

} // namespace velk
