#pragma once

#include "core/records/MemberRecord.h"
#include "members/AccessTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace velk {

// The table of the other club program's members database.
inline constexpr const char* kMembersTable = "Leden";

// The members of a "Leden" table, its columns taken by name. Texts are cut at their field's
// capacity in characters. False, with `problem` saying why, when a column is missing or an ID does
// not fit the register's 16-bit number; `out` is untouched then.
bool MembersFromLedenTable(const AccessTable& table, std::vector<TKXLedenOBJ>& out, std::string& problem);

// The members of a "Ledenxx.csv" export, given its bytes (Windows-1252 unless they are valid
// UTF-8): line 0 is the heading; every following line up to an empty last line has as many fields
// as line 3, each field's value after its ":". False on a format fault; `out` is untouched then.
bool MembersFromCsv(std::string_view bytes, std::vector<TKXLedenOBJ>& out, std::string& heading);

// The text list: one line per member, its fields separated by ", ". A line break in a field becomes
// a blank, so that every member stays on one line.
std::string MembersTextList(const std::vector<TKXLedenOBJ>& members);

} // namespace velk
