#include "core/FileBytes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace velk {

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    namespace fs = std::filesystem;
    FileBytes result;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!fs::exists(st)) {
        result.status = FileReadStatus::Missing;
        return result;
    }
    if (!fs::is_regular_file(st))
        return result;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return result;
    if (size > maxBytes) {
        result.status = FileReadStatus::TooLarge;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result;
    result.bytes.resize(static_cast<std::size_t>(size));
    if (size > 0)
        in.read(reinterpret_cast<char*>(result.bytes.data()), static_cast<std::streamsize>(size));
    // The file may have changed between the size check and the read; only what was read counts.
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return result;
    result.status = FileReadStatus::Ok;
    return result;
}

FilePieces::FilePieces(const std::string& path, std::size_t maxBytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_regular_file(fs::status(path, ec)))
        return;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > maxBytes)
        return;
    // Unbuffered: a few bytes asked for are a few bytes read, not a buffer full.
    in_.rdbuf()->pubsetbuf(nullptr, 0);
    in_.open(path, std::ios::binary);
    size_ = size;
    ok_ = in_.is_open();
}

bool FilePieces::read(std::uint64_t offset, std::uint8_t* out, std::size_t n) {
    if (!ok_ || offset > size_ || n > size_ - offset)
        return false;
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(n));
    return static_cast<std::size_t>(in_.gcount()) == n;
}

} // namespace velk
