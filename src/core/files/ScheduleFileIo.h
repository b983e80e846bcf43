#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velk {

// No schedule file comes near this; a larger file is not read at all.
constexpr std::size_t kMaxScheduleFileBytes = 16u << 20;

// The whole file, or nothing when it is missing, unreadable or too large.
std::optional<std::vector<std::uint8_t>> ReadScheduleFileBytes(const std::string& path);

bool ScheduleFileExists(const std::string& path);

} // namespace velk
