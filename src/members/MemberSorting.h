#pragma once

#include "core/records/MemberRecord.h"

#include <string>
#include <vector>

namespace velk {

enum class MemberSortKey { Id, AchterNaam, VoorNaam };

// Sorts the members: by ID (16-bit compare); by surname then first name, or first name then
// surname, each on its first 24 characters in byte order. Empty names sort after filled ones.
// Members that compare equal keep their order.
void SortMembers(std::vector<TKXLedenOBJ>& members, MemberSortKey key);

// "surname [prefix ]first name": how a member appears in the pair lists.
std::string MemberDisplayName(const TKXLedenOBJ& member);

} // namespace velk
