// The members file reader on any bytes: whatever it reads whole is written back byte for byte.
#include "core/files/MembersFile.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<velk::TKXLedenOBJ> members;
    if (velk::ParseMembersFile({data, size}, members) != velk::MembersParse::Ok)
        return 0;
    const auto bytes = velk::SerializeMembersFile(members);
    if (bytes.size() != size || !std::equal(bytes.begin(), bytes.end(), data))
        std::abort();
    return 0;
}
