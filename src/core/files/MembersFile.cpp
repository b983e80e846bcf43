#include "core/files/MembersFile.h"

#include "core/ErrorHelpers.h"
#include "core/FileBytes.h"
#include "core/Messages.h"
#include "core/SafeSave.h"

namespace velk {

namespace {
constexpr std::size_t kMaxMembersFileBytes = 2 + kMaxMembers * TKXLedenOBJ::Size;
} // namespace

MembersParse ParseMembersFile(std::span<const std::uint8_t> bytes, std::vector<TKXLedenOBJ>& out) {
    ByteReader in(bytes);
    const std::int16_t count = in.i16();
    if (!in.ok())
        return MembersParse::Short;
    if (count < 0)
        return MembersParse::BadCount;
    if (count == 0)
        return in.atEnd() ? MembersParse::Empty : MembersParse::Trailing;
    const std::size_t wanted = static_cast<std::size_t>(count) * TKXLedenOBJ::Size;
    if (wanted > in.remaining())
        return MembersParse::Short;
    if (wanted < in.remaining())
        return MembersParse::Trailing;
    std::vector<TKXLedenOBJ> members(static_cast<std::size_t>(count));
    for (auto& member : members)
        member.ReadFrom(in);
    out = std::move(members);
    return MembersParse::Ok;
}

bool ReadMembersFile(const std::string& path, std::vector<TKXLedenOBJ>& out, Dialogs& dialogs,
                     ErrorCode& errorCode) {
    const FileBytes file = ReadFileBytes(path, kMaxMembersFileBytes);
    if (file.status == FileReadStatus::Missing) {
        dialogs.error("Geen Leden bestand " + path);
        errorCode.report(FileError::FileMissing);
        return false;
    }
    if (!file.ok()) {
        ShowFileError(dialogs, errorCode, path, FileError::ReadFailed, Hint::CheckFile);
        return false;
    }
    switch (ParseMembersFile(file.bytes, out)) {
    case MembersParse::Ok:
        return true;
    case MembersParse::Empty:
        ShowFileError(dialogs, errorCode, path, FileError::MemberCountZero, Hint::CheckFile);
        return false;
    default:
        ShowFileError(dialogs, errorCode, path, FileError::ReadFailed, Hint::CheckFile);
        return false;
    }
}

std::vector<std::uint8_t> SerializeMembersFile(const std::vector<TKXLedenOBJ>& members) {
    ByteWriter w;
    const std::size_t count = std::min(members.size(), kMaxMembers);
    w.i16(static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        members[i].WriteTo(w);
    return w.take();
}

bool WriteMembersFile(const std::string& path, const std::vector<TKXLedenOBJ>& members) {
    if (members.size() > kMaxMembers)
        return false;
    return SaveFileAtomically(path, SerializeMembersFile(members), kMembersBackupExtension);
}

} // namespace velk
