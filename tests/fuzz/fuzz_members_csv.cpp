// The members export reader on any bytes: a list it takes has its members numbered by line, every
// text valid UTF-8 within its field, and survives a members file written and read back.
#include "core/TextEncoding.h"
#include "core/files/MembersFile.h"
#include "members/MemberFields.h"
#include "members/MemberImport.h"

#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<velk::TKXLedenOBJ> members;
    std::string heading;
    if (!velk::MembersFromCsv({reinterpret_cast<const char*>(data), size}, members, heading))
        return 0;
    if (members.empty() || !velk::IsValidUtf8(heading))
        std::abort();
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i].LidID != static_cast<std::int16_t>(i + 1))
            std::abort();
        for (int f = 0; f < velk::kMemberFieldCount; ++f)
            if (!velk::IsValidUtf8(velk::MemberText(members[i], static_cast<velk::MemberField>(f))))
                std::abort();
    }
    std::vector<velk::TKXLedenOBJ> again;
    if (velk::ParseMembersFile(velk::SerializeMembersFile(members), again) != velk::MembersParse::Ok ||
        again != members)
        std::abort();
    return 0;
}
