#pragma once

#include "core/records/Deal.h"

#include <string>
#include <vector>

namespace velk {

// The deals of a PBN, .dup or .dlm file, chosen by its extension (either case). False with the
// reason in Dutch: an unknown extension, a file that cannot be read, or one the reader refuses.
bool ReadDealFile(const std::string& path, std::vector<NumberedDeal>& boards, std::string& problem);

} // namespace velk
