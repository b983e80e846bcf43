#include "members/PairComposition.h"

#include "members/MemberSorting.h"

namespace velk {

namespace {
constexpr const char* kSeparator = " & ";
} // namespace

bool PairComposition::open() {
    const int pairs = club_.CompetitionHead.PairCount;
    if (pairs < 1 || static_cast<int>(club_.PairList.size()) != pairs + 1) {
        dialogs_.information("Open of maak eerst een bridgebestand");
        return false;
    }
    if (members_.Used.size() != members_.Members.size())
        members_.clearUsed();
    rows_.assign(static_cast<std::size_t>(pairs), Row{});
    for (int i = 0; i < pairs; ++i)
        rows_[static_cast<std::size_t>(i)].name = club_.PairList[static_cast<std::size_t>(i) + 1].Naam.get();
    player1_ = player2_ = -1;
    player1Name_.clear();
    player2Name_.clear();
    namesCopied_ = false;
    return true;
}

std::string PairComposition::groupText(int row) const {
    const TParenObj& p = club_.PairList[static_cast<std::size_t>(row) + 1];
    return p.Groep ? std::string(1, static_cast<char>(p.Groep)) : std::string();
}

std::string PairComposition::numberText(int row) const {
    return std::to_string(club_.PairList[static_cast<std::size_t>(row) + 1].GrpNr);
}

std::string PairComposition::plainName(int row) const {
    return "Paar" + groupText(row) + numberText(row);
}

std::vector<std::string> PairComposition::memberNames() const {
    std::vector<std::string> names;
    for (const TKXLedenOBJ& m : members_.Members)
        names.push_back(MemberDisplayName(m));
    return names;
}

bool PairComposition::validMember(int member) const {
    return member >= 0 && static_cast<std::size_t>(member) < members_.Members.size();
}

bool PairComposition::used(int member) const {
    return validMember(member) && static_cast<std::size_t>(member) < members_.Used.size() &&
           members_.Used[static_cast<std::size_t>(member)];
}

void PairComposition::choosePlayer1(int member) {
    if (!validMember(member))
        return;
    player1_ = member;
    player1Name_ = MemberDisplayName(members_.Members[static_cast<std::size_t>(member)]);
}

void PairComposition::choosePlayer2(int member) {
    if (!validMember(member))
        return;
    player2_ = member;
    player2Name_ = MemberDisplayName(members_.Members[static_cast<std::size_t>(member)]);
}

std::string PairComposition::pairName() const {
    return player1Name_ + kSeparator + player2Name_;
}

int PairComposition::makePair(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size() || player1_ < 0 || player2_ < 0)
        return row;
    // One member cannot be both players of a pair.
    if (player1_ == player2_) {
        dialogs_.information("Speler2 komt alvoor!");
        return row;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (static_cast<int>(i) == row)
            continue;
        const std::string& name = rows_[i].name;
        const auto at = name.find(kSeparator);
        if (name.find('&') == std::string::npos || at == std::string::npos)
            continue;
        const std::string first = name.substr(0, at);
        const std::string second = name.substr(at + 3);
        if (first == player1Name_ || second == player1Name_) {
            dialogs_.information("Speler1 komt alvoor!");
            return row;
        }
        if (first == player2Name_ || second == player2Name_) {
            dialogs_.information("Speler2 komt alvoor!");
            return row;
        }
    }
    Row& r = rows_[static_cast<std::size_t>(row)];
    r.name = pairName();
    r.player1 = player1_;
    r.player2 = player2_;
    members_.Used[static_cast<std::size_t>(player1_)] = true;
    members_.Used[static_cast<std::size_t>(player2_)] = true;
    if (static_cast<std::size_t>(row) + 1 >= rows_.size()) {
        dialogs_.information("Aantal toegestane paren oveschreden");
        return row;
    }
    return row + 1;
}

void PairComposition::enterName(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < rows_.size() && player1_ >= 0 && player2_ >= 0)
        rows_[static_cast<std::size_t>(row)].name = pairName();
}

void PairComposition::deleteName(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return;
    Row& r = rows_[static_cast<std::size_t>(row)];
    for (const int member : {r.player1, r.player2})
        if (validMember(member) && static_cast<std::size_t>(member) < members_.Used.size())
            members_.Used[static_cast<std::size_t>(member)] = false;
    r = Row{plainName(row), -1, -1};
}

bool PairComposition::copyToPairList() {
    if (!dialogs_.askYesNo("Paren kopiëren naar Parenbestand: \rAlleen voor de eerste zitting van een "
                           "Bridge-Competitie \reen bridgedrive of een éénmalige zitting !"))
        return false;
    namesCopied_ = true;
    const bool firstSession = club_.CompetitionHead.SessionsPerCompetition == 1 ||
                              (club_.CurrentSession == 1 && club_.SessionHead.CompetitionNr < 2);
    if (!firstSession)
        return false;
    bool changed = false;
    for (std::size_t i = 0; i < rows_.size() && i + 1 < club_.PairList.size(); ++i) {
        TParenObj& pair = club_.PairList[i + 1];
        const std::string before = pair.Naam.get();
        pair.Naam.set(rows_[i].name);
        changed = changed || pair.Naam.get() != before;
    }
    return changed;
}

void PairComposition::resetMarks() {
    members_.clearUsed();
}

bool PairComposition::close() {
    if (namesCopied_) {
        if (dialogs_.askYesNo("Wilt u de Paar Combinaties redden ?"))
            members_.save();
        return true;
    }
    return !dialogs_.askYesNo("Wilt u alsnog de Paar Combinaties redden, klik Kopiëren...");
}

} // namespace velk
