#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/MemberRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velk {

// Backup extension of a members file.
inline constexpr const char* kMembersBackupExtension = ".~le";

// The most members a file can count (its count is a signed 16-bit number).
inline constexpr std::size_t kMaxMembers = 32767;

enum class MembersParse {
    Ok,
    Short,    // the count or a record runs past the end
    BadCount, // a negative count
    Trailing, // bytes after the last record
    Empty,    // a count of 0
};

// The members in a members file's bytes; shows nothing. `out` is untouched unless the result is Ok.
MembersParse ParseMembersFile(std::span<const std::uint8_t> bytes, std::vector<TKXLedenOBJ>& out);

// Reads a members file into `out`. A missing file gives "Geen Leden bestand " + path, a count of 0
// its own message, any other fault names the file; `out` is untouched unless the read is whole.
bool ReadMembersFile(const std::string& path, std::vector<TKXLedenOBJ>& out, Dialogs& dialogs,
                     ErrorCode& errorCode);

// The count and the records; at most kMaxMembers are counted.
std::vector<std::uint8_t> SerializeMembersFile(const std::vector<TKXLedenOBJ>& members);

// Writes the file so that the previous one survives under ".~le" until the new one is complete.
// Refuses a list longer than the file can count. Shows nothing.
bool WriteMembersFile(const std::string& path, const std::vector<TKXLedenOBJ>& members);

} // namespace velk
