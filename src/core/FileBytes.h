#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velk {

// Why a whole-file read gave no bytes.
enum class FileReadStatus { Ok, Missing, Unreadable, TooLarge };

struct FileBytes {
    FileReadStatus status = FileReadStatus::Unreadable;
    std::vector<std::uint8_t> bytes;

    bool ok() const { return status == FileReadStatus::Ok; }
};

// Reads a whole regular file into memory. A file larger than maxBytes is not read at all, so a
// hostile file cannot make the program allocate without bound.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes);

} // namespace velk
