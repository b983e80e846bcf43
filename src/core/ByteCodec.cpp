#include "core/ByteCodec.h"

#include <bit>
#include <cstring>

namespace velk {

bool ByteReader::take(std::size_t n) {
    if (!ok_ || n > bytes_.size() - pos_) {
        ok_ = false;
        return false;
    }
    return true;
}

std::uint8_t ByteReader::u8() {
    if (!take(1))
        return 0;
    return bytes_[pos_++];
}

std::uint16_t ByteReader::u16() {
    if (!take(2))
        return 0;
    const std::uint16_t v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

std::uint32_t ByteReader::u32() {
    if (!take(4))
        return 0;
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | bytes_[pos_ + k];
    pos_ += 4;
    return v;
}

float ByteReader::f32() {
    return std::bit_cast<float>(u32());
}

double ByteReader::f64() {
    const std::uint64_t lo = u32();
    const std::uint64_t hi = u32();
    return std::bit_cast<double>(lo | (hi << 32));
}

void ByteReader::bytes(std::uint8_t* out, std::size_t n) {
    if (!take(n)) {
        std::memset(out, 0, n);
        return;
    }
    if (n > 0)
        std::memcpy(out, bytes_.data() + pos_, n);
    pos_ += n;
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

void ByteWriter::u16(std::uint16_t v) {
    out_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::u32(std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        out_.push_back(static_cast<std::uint8_t>((v >> (8 * k)) & 0xFF));
}

void ByteWriter::f32(float v) {
    u32(std::bit_cast<std::uint32_t>(v));
}

void ByteWriter::f64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    u32(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    u32(static_cast<std::uint32_t>(bits >> 32));
}

} // namespace velk
