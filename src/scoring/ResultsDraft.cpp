#include "scoring/ResultsDraft.h"

#include <algorithm>

namespace velk {

bool ResultsDraft::open() {
    const int pairs = club_.CompetitionHead.PairCount;
    open_ = club_.CurrentSession >= 1 && club_.CurrentSession <= club_.SessionCount() && pairs > 0 &&
            static_cast<int>(club_.PairList.size()) > pairs &&
            static_cast<int>(
                club_.SessionList[static_cast<std::size_t>(club_.CurrentSession - 1)].Rows.size()) > pairs;
    group_ = 1;
    if (open_)
        takeCopy();
    return open_;
}

void ResultsDraft::takeCopy() {
    savedRows_.clear();
    for (const TZitCalcObj& session : club_.SessionList)
        savedRows_.push_back(session.Rows);
    savedPairs_ = club_.PairList;
}

int ResultsDraft::groupCount() const {
    return std::clamp<int>(club_.CompetitionHead.GroupCount, 1, 16);
}

int ResultsDraft::firstRow() const {
    return (group_ - 1) * club_.PairsPerGroup + 1;
}

int ResultsDraft::shownRows() const {
    const int pairs = club_.CompetitionHead.PairCount;
    return std::clamp(pairs - firstRow() + 1, 0, std::max(club_.PairsPerGroup, 0));
}

bool ResultsDraft::stepGroup(int delta, bool editing, Dialogs& dialogs) {
    if (editing) {
        dialogs.warning("Editor mode is actief, druk Enter");
        return false;
    }
    const int next = std::clamp(group_ + delta, 1, groupCount());
    if (next == group_)
        return false;
    group_ = next;
    return true;
}

void ResultsDraft::showGroup(int group) {
    group_ = std::clamp(group, 1, groupCount());
}

bool ResultsDraft::validRow(int r) const {
    return open_ && r >= 1 && r <= club_.CompetitionHead.PairCount;
}

TCalcObj& ResultsDraft::row(int r) {
    return club_.SessionList[static_cast<std::size_t>(club_.CurrentSession - 1)]
        .Rows[static_cast<std::size_t>(r)];
}

const TCalcObj& ResultsDraft::row(int r) const {
    return club_.SessionList[static_cast<std::size_t>(club_.CurrentSession - 1)]
        .Rows[static_cast<std::size_t>(r)];
}

const TParenObj& ResultsDraft::pair(int r) const {
    return club_.PairList[static_cast<std::size_t>(r)];
}

bool ResultsDraft::changed() const {
    if (savedRows_.size() != club_.SessionList.size())
        return true;
    for (std::size_t z = 0; z < savedRows_.size(); ++z)
        if (savedRows_[z] != club_.SessionList[z].Rows)
            return true;
    return false;
}

bool ResultsDraft::totalsChanged() const {
    const auto z = static_cast<std::size_t>(club_.CurrentSession - 1);
    if (!open_ || z >= savedRows_.size())
        return false;
    const auto& now = club_.SessionList[z].Rows;
    const auto& before = savedRows_[z];
    if (now.size() != before.size())
        return true;
    for (std::size_t i = 1; i < now.size(); ++i)
        if (now[i].Percentage + now[i].Correction != before[i].Percentage + before[i].Correction)
            return true;
    return false;
}

void ResultsDraft::restore() {
    if (!open_)
        return;
    for (std::size_t z = 0; z < savedRows_.size() && z < club_.SessionList.size(); ++z)
        club_.SessionList[z].Rows = savedRows_[z];
    club_.PairList = savedPairs_;
}

bool ResultsDraft::lastOfCompetition() const {
    return club_.CurrentSession == club_.CompetitionHead.SessionsPerCompetition;
}

std::string ResultsDraft::pairCellText(int r, int column) const {
    if (!validRow(r))
        return {};
    const TParenObj& p = pair(r);
    switch (column) {
    case 0:
        return std::string(1, GroupLetter((r - 1) / std::max(club_.PairsPerGroup, 1) + 1));
    case 1:
        return std::to_string(p.GrpNr);
    case 2:
        return p.Naam.get();
    default:
        return {};
    }
}

bool ResultsDraft::keepOpenOnClose(Dialogs& dialogs) {
    return dialogs.askYesNo("Bestand nog redden\r gebruik dan <Ok>");
}

bool ResultsDraft::askSave(Dialogs& dialogs, const std::function<bool()>& save) const {
    if (!dialogs.askYesNo("Velk\rBewaren van " + club_.ClubFileName))
        return false;
    return save ? save() : false;
}

} // namespace velk
