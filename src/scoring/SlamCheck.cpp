#include "scoring/SlamCheck.h"

#include "core/PathText.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "core/records/ScoreRecord.h"
#include "core/records/SlamRecord.h"
#include "schedules/ScheduleLookup.h"
#include "scoring/ScoreCode.h"
#include "scoring/Vulnerability.h"

#include <algorithm>
#include <cstdio>

namespace velk {

std::string SlamCandidate::line() const {
    char text[160];
    const std::string letter(1, GroupLetter(group));
    const std::string vulnerability(VulnerabilityText(board));
    std::snprintf(text, sizeof text, "Groep:%s   Spel:%2d;  Paar:%3d, %2s;    Score: %5d   %18s",
                  letter.c_str(), board, pair, eastWest ? "OW" : "NZ", score, vulnerability.c_str());
    return text;
}

std::string SlamCandidate::caption() const {
    return hit.grand ? "Groot Slem" : "Klein Slem";
}

std::string SlamCandidate::countText() const {
    char text[64];
    std::snprintf(text, sizeof text, "Sommatie van het aantal Slems : %2d", slamTotal);
    return text;
}

namespace {

// Records worth looking at: scores and the codes from 'K' on, not the match-point code 'M'.
bool MayBeSlam(const TScoreObj& r) {
    return r.Code > 10 && r.Code != ScoreCode::MatchPoints;
}

} // namespace

bool CheckSlams(Club& club, Dialogs& dialogs, const SlamAnswer& answer,
                const std::function<bool()>& saveSlams) {
    const int session = club.CurrentSession;
    const int pairs = club.CompetitionHead.PairCount;
    const int perGroup = club.PairsPerGroup;
    const int boards = club.SessionHead.BoardCount;
    const auto index = static_cast<std::size_t>(session - 1);
    // The check starts only on the session's own score block: the counts are not cleared before.
    if (session < 1 || index >= club.SessionScoreList.size() ||
        club.SessionScoreList[index].SessionIndex != session || perGroup < 1 || boards < 1 ||
        static_cast<long long>(club.SessionScoreList[index].Records.size()) <
            1LL * std::min<int>(club.CompetitionHead.GroupCount, 16) * boards * perGroup + 1) {
        dialogs.warning("Scorelijst niet aanwezig");
        return false;
    }
    if (club.SessionSlamList.size() < static_cast<std::size_t>(club.SessionCount()))
        for (int z = static_cast<int>(club.SessionSlamList.size()) + 1; z <= club.SessionCount(); ++z)
            club.SessionSlamList.push_back(NewSlamBlock(z, pairs));
    TZitSlemObj& slams = club.SessionSlamList[index];
    slams.Records.resize(static_cast<std::size_t>(std::max(pairs, 0) + 1));
    for (TSLemObj& r : slams.Records)
        r.SlamCounts.fill(0);
    slams.SessionIndex = static_cast<std::int16_t>(session);
    slams.SlamTotal = 0;

    const auto& records = club.SessionScoreList[index].Records;
    const int firstBoard = FirstBoardOf(club.SessionHead);
    for (int g = 1; g <= std::min<int>(club.CompetitionHead.GroupCount, 16); ++g) {
        // Without its schedule a group has no sides to tell a slam by; the others are still checked.
        if (!GroupInSchedule(club, g)) {
            dialogs.error("SlemNaam: " + FileNameOf(club.SlamFilePath));
            continue;
        }
        const int active =
            std::clamp<int>(club.SessionHead.GroupPairs[static_cast<std::size_t>(g - 1)], 0, perGroup);
        for (int b = 1; b <= boards; ++b)
            for (int k = 1; k <= active; ++k) {
                const TScoreObj& r =
                    records[static_cast<std::size_t>(ScoreRecordIndex(g, b, k, boards, perGroup))];
                if (!MayBeSlam(r))
                    continue;
                const int number = b + firstBoard - 1;
                const bool eastWest = (r.Flags & ScoreFlag::EastWest) != 0;
                // Only the declaring side's positive score can be in the table.
                bool vulnerable = IsVulnerable(number, eastWest ? EastWest : NorthSouth);
                if (r.Flags & ScoreFlag::Doubtful)
                    vulnerable = !vulnerable;
                const auto hit = FindSlamScore(r.Score, vulnerable);
                const int row = (g - 1) * perGroup + k;
                if (!hit || row > pairs)
                    continue;
                ++slams.SlamTotal;
                SlamCandidate candidate{g, number, k, row, eastWest, r.Score, *hit, slams.SlamTotal};
                const auto strain = answer ? answer(candidate) : std::nullopt;
                if (strain && *strain >= 0 && *strain <= 2)
                    ++slams.Records[static_cast<std::size_t>(row)]
                          .SlamCounts[static_cast<std::size_t>(*strain + (hit->grand ? 3 : 0))];
                else
                    --slams.SlamTotal;
            }
    }
    // The message dialog breaks lines at "\r".
    if (slams.SlamTotal == 0)
        dialogs.information("Geen Slem-Contracten\rin deze zitting");
    if (saveSlams && !saveSlams()) {
        dialogs.error("Slemlijst niet bewaard");
        return false;
    }
    return true;
}

} // namespace velk
