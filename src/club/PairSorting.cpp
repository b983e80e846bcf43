#include "club/PairSorting.h"

#include "core/NumberHelpers.h"
#include "core/records/PairRecord.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace velk {

namespace {

// The name key is searched for a capital in this many characters and is this long.
constexpr std::size_t kNameSearch = 11;
constexpr std::size_t kNameKeyLength = 12;

std::string NameBytes(const TParenObj& pair) {
    const auto& raw = pair.Naam.raw();
    const std::size_t len = std::min<std::size_t>(raw[0], raw.size() - 1);
    return std::string(raw.begin() + 1, raw.begin() + 1 + static_cast<std::ptrdiff_t>(len));
}

// The name from its first capital letter, compared as Windows-1252 bytes.
std::string NameKey(const TParenObj& pair) {
    const std::string bytes = NameBytes(pair);
    std::size_t start = kNameSearch;
    for (std::size_t i = 0; i < std::min(kNameSearch, bytes.size()); ++i) {
        if (bytes[i] >= 'A' && bytes[i] <= 'Z') {
            start = i;
            break;
        }
    }
    return start < bytes.size() ? bytes.substr(start, kNameKeyLength) : std::string();
}

int NumericKey(const TParenObj& pair, SortKey key) {
    switch (key) {
    case SortKey::ClubNr:
        return pair.ClubNr;
    case SortKey::GrpNr:
        return pair.GrpNr;
    case SortKey::Plaats:
        return pair.Rang;
    case SortKey::Naam:
        break;
    }
    return 0;
}

// Whether `later` must move up past `earlier`. Across the whole club, numbers and ranks are compared
// within the group letter first, so the groups stay in letter order. The letter is compared on its
// own rather than as 128 x letter + value, which would mix groups once a number reaches 128.
bool MovesUp(const TParenObj& later, const TParenObj& earlier, SortKey key, SortScope scope) {
    // A pair without a name never moves up past another pair.
    if (later.Naam.raw()[0] == 0)
        return false;
    if (key == SortKey::Naam)
        return NameKey(earlier) > NameKey(later);
    if (scope == SortScope::Club && (key == SortKey::GrpNr || key == SortKey::Plaats)) {
        return std::pair(later.Groep, NumericKey(later, key)) <
               std::pair(earlier.Groep, NumericKey(earlier, key));
    }
    return NumericKey(later, key) < NumericKey(earlier, key);
}

void BubbleSort(Club& club, int r1, int r2, SortKey key, SortScope scope, bool moveRows) {
    auto& pairs = club.PairList;
    r1 = std::max(r1, 1);
    r2 = std::min(r2, static_cast<int>(pairs.size()) - 1);
    for (int i = r1 + 1; i <= r2; ++i) {
        for (int h = r2; h >= i; --h) {
            const auto upper = static_cast<std::size_t>(h - 1);
            const auto lower = static_cast<std::size_t>(h);
            if (!MovesUp(pairs[lower], pairs[upper], key, scope))
                continue;
            std::swap(pairs[upper], pairs[lower]);
            if (!moveRows)
                continue;
            for (auto& session : club.SessionList)
                if (lower < session.Rows.size())
                    std::swap(session.Rows[upper], session.Rows[lower]);
        }
    }
}

int FirstPosition(const Club& club, int group) {
    return GroupBase(group, club.PairsPerGroup) + 1;
}

int LastPosition(const Club& club, int group) {
    return group * club.PairsPerGroup;
}

TParenObj* PairAt(Club& club, int position) {
    if (position < 1 || position >= static_cast<int>(club.PairList.size()))
        return nullptr;
    return &club.PairList[static_cast<std::size_t>(position)];
}

void Renumber(Club& club, int position, int group, int grpNr) {
    if (TParenObj* pair = PairAt(club, position)) {
        pair->Groep = static_cast<std::uint8_t>(GroupLetter(group));
        pair->GrpNr = static_cast<std::int16_t>(grpNr);
    }
}

} // namespace

bool NeedSortFirstAfter(const SortChoice& choice) {
    return choice.scope == SortScope::Club || choice.key != SortKey::GrpNr;
}

void SortPairs(Club& club, int group, SortKey key, SortScope scope, bool regroupMode) {
    const bool moveRows = !regroupMode;
    const int groupCount = club.CompetitionHead.GroupCount;
    if (group == 0 && scope == SortScope::Club) {
        BubbleSort(club, 1, club.CompetitionHead.PairCount, key, scope, moveRows);
        return;
    }
    if (club.PairsPerGroup <= 0)
        return;
    const int first = group == 0 ? 1 : group;
    const int last = group == 0 ? groupCount : group;
    for (int g = std::max(first, 1); g <= std::min(last, groupCount); ++g)
        BubbleSort(club, FirstPosition(club, g), LastPosition(club, g), key, scope, moveRows);
}

void RegroupForNextCompetition(Club& club) {
    const int groupCount = std::min<int>(club.CompetitionHead.GroupCount, 16);
    const int perGroup = club.PairsPerGroup;
    if (groupCount <= 1 || perGroup <= 0)
        return;

    // Pairs that played, per group; they are the first ones of their group.
    std::array<int, 17> played{};
    for (int g = 1; g <= groupCount; ++g)
        played[g] = std::clamp<int>(club.SessionHead.GroupPairs[g - 1], 0, perGroup);

    for (int g = 1; g <= groupCount; ++g)
        BubbleSort(club, FirstPosition(club, g), FirstPosition(club, g) + played[g] - 1, SortKey::Plaats,
                   SortScope::Groep, false);

    // Each group is numbered by its own size, so groups of unequal size neither leave pairs
    // unnumbered nor number pairs of the group after. The pairs that went up in the previous step
    // are skipped; that count is the degradation just applied (PromotionsUp is kept equal to it).
    int wentUp = 0;
    for (int i = 1; i < groupCount; ++i) {
        const int n = played[i];
        const int next = played[i + 1];
        const int down = std::clamp<int>(club.ConfigRecord.Degradations[static_cast<std::size_t>(i - 1)], 0,
                                         std::min(n, next));
        const int base = FirstPosition(club, i) - 1;
        for (int j = wentUp + 1; j <= n; ++j) {
            if (j > n - down)
                Renumber(club, base + j, i + 1, j - (n - down));
            else
                Renumber(club, base + j, i, j);
        }
        for (int k = 1; k <= next; ++k) {
            if (k <= down)
                Renumber(club, base + perGroup + k, i, k + n - down);
            else
                Renumber(club, base + perGroup + k, i + 1, k);
        }
        wentUp = down;
    }
    // Pairs that did not play keep the numbers after those that did.
    for (int g = 1; g <= groupCount; ++g)
        for (int j = played[g] + 1; j <= perGroup; ++j)
            Renumber(club, FirstPosition(club, g) - 1 + j, g, j);

    SortPairs(club, 0, SortKey::GrpNr, SortScope::Club, true);
}

bool MovePairRow(Club& club, int from, int to) {
    const int last = static_cast<int>(club.PairList.size()) - 1;
    if (from < 1 || to < 1 || from > last || to > last || from == to)
        return false;
    auto move = [&](auto& list) {
        if (std::max(from, to) >= static_cast<int>(list.size()))
            return;
        auto item = list[static_cast<std::size_t>(from)];
        list.erase(list.begin() + from);
        list.insert(list.begin() + to, item);
    };
    move(club.PairList);
    for (auto& session : club.SessionList)
        move(session.Rows);
    for (int i = 1; i <= last; ++i)
        club.PairList[static_cast<std::size_t>(i)].Indx = static_cast<std::int16_t>(i);
    return true;
}

} // namespace velk
