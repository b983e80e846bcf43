#pragma once

#include "core/records/MemberRecord.h"

#include <string>
#include <string_view>

namespace velk {

// The fields of a member, in the order the member dialog walks through them.
enum class MemberField {
    LidID,
    AchterNaam,
    Voorzetsel,
    Voorletters,
    VoorNaam,
    Adres,
    PostCode,
    Plaats,
    Telefoon,
    Mobiel,
    Email,
    GebDatum,
    Sexe,
    Opmerking,
};
inline constexpr int kMemberFieldCount = 14;

// A field as text: the ID as a number, the sex as its letter (empty when unknown).
std::string MemberText(const TKXLedenOBJ& member, MemberField field);

// Stores a text in a field, cut at the field's capacity in characters; the sex takes the first
// character. The ID is not set here: it is a number.
void SetMemberText(TKXLedenOBJ& member, MemberField field, std::string_view text);

} // namespace velk
