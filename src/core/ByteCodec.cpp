#include "core/ByteCodec.h"

#include <bit>
#include <cstring>

namespace velk {

double ByteReader::f64() {
    const std::uint64_t lo = u32();
    const std::uint64_t hi = u32();
    return std::bit_cast<double>(lo | (hi << 32));
}

std::vector<std::uint8_t> ByteReader::bytes(std::size_t n) {
    if (!take(n))
        return {};
    std::vector<std::uint8_t> v(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
    pos_ += n;
    return v;
}

void ByteReader::skip(std::size_t n) {
    if (take(n))
        pos_ += n;
}

void ByteWriter::f64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    u32(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    u32(static_cast<std::uint32_t>(bits >> 32));
}

} // namespace velk
