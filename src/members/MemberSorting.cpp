#include "members/MemberSorting.h"

#include <algorithm>
#include <utility>

namespace velk {

namespace {

constexpr std::size_t kSortLength = 24;

// The first 24 bytes of the text as stored; an empty text gets a key above every filled one.
template <std::size_t N> std::pair<bool, std::string> NameKey(const ShortString<N>& text) {
    const auto& raw = text.raw();
    const std::size_t len = std::min<std::size_t>({raw[0], N, kSortLength});
    return {len == 0, std::string(reinterpret_cast<const char*>(raw.data() + 1), len)};
}

} // namespace

void SortMembers(std::vector<TKXLedenOBJ>& members, MemberSortKey key) {
    auto byKey = [key](const TKXLedenOBJ& a, const TKXLedenOBJ& b) {
        switch (key) {
        case MemberSortKey::Id:
            return a.LidID < b.LidID;
        case MemberSortKey::AchterNaam:
            return std::make_pair(NameKey(a.AchterNaam), NameKey(a.VoorNaam)) <
                   std::make_pair(NameKey(b.AchterNaam), NameKey(b.VoorNaam));
        case MemberSortKey::VoorNaam:
            break;
        }
        return std::make_pair(NameKey(a.VoorNaam), NameKey(a.AchterNaam)) <
               std::make_pair(NameKey(b.VoorNaam), NameKey(b.AchterNaam));
    };
    std::stable_sort(members.begin(), members.end(), byKey);
}

std::string MemberDisplayName(const TKXLedenOBJ& member) {
    std::string name = member.AchterNaam.get() + " ";
    const std::string prefix = member.Voorzetsel.get();
    if (!prefix.empty())
        name += prefix + " ";
    return name + member.VoorNaam.get();
}

} // namespace velk
