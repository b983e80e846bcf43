#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
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

// A regular file read piece by piece at the offsets asked for, each piece straight from the file,
// so a reader that needs part of a large file leaves the rest on disk.
class FilePieces {
public:
    // Not ok() when the file is missing, not a regular file, unreadable or larger than maxBytes.
    FilePieces(const std::string& path, std::size_t maxBytes);

    bool ok() const { return ok_; }
    std::uint64_t size() const { return size_; }
    // Exactly n bytes at `offset`; false when they are not all there.
    bool read(std::uint64_t offset, std::uint8_t* out, std::size_t n);

private:
    std::ifstream in_;
    std::uint64_t size_ = 0;
    bool ok_ = false;
};

} // namespace velk
