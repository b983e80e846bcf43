#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace velk {

// Little-endian values at a place in a record read or put together whole.
inline void StoreU16(std::uint8_t* p, std::uint16_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &v, 2);
    } else {
        p[0] = static_cast<std::uint8_t>(v & 0xFF);
        p[1] = static_cast<std::uint8_t>(v >> 8);
    }
}
inline void StoreU32(std::uint8_t* p, std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &v, 4);
    } else {
        for (int k = 0; k < 4; ++k)
            p[k] = static_cast<std::uint8_t>((v >> (8 * k)) & 0xFF);
    }
}
inline std::uint16_t LoadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t LoadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Reads little-endian values from a byte buffer. A read past the end never touches memory outside
// the buffer: it yields zero and marks the reader failed, and every later read fails too.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return ok_ ? bytes_.size() - pos_ : 0; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    // The small reads are inline: a record reads a dozen fields, and a file holds many thousands.
    std::uint8_t u8() { return take(1) ? bytes_[pos_++] : 0; }
    std::int8_t i8() { return static_cast<std::int8_t>(u8()); }
    std::uint16_t u16() {
        const std::uint8_t* p = next(2);
        return p ? LoadU16(p) : 0;
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32() {
        const std::uint8_t* p = next(4);
        return p ? LoadU32(p) : 0;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32() { return std::bit_cast<float>(u32()); }
    double f64();
    // Copies exactly n bytes (zeros and failure when fewer are left).
    void bytes(std::uint8_t* out, std::size_t n) {
        if (!take(n)) {
            std::memset(out, 0, n);
            return;
        }
        if (n > 0)
            std::memcpy(out, bytes_.data() + pos_, n);
        pos_ += n;
    }
    std::vector<std::uint8_t> bytes(std::size_t n);
    void skip(std::size_t n);
    // The next n bytes in place, for a record read whole; null (and failure) when fewer are left.
    const std::uint8_t* next(std::size_t n) {
        if (!take(n))
            return nullptr;
        const std::uint8_t* p = bytes_.data() + pos_;
        pos_ += n;
        return p;
    }

private:
    bool take(std::size_t n) {
        if (!ok_ || n > bytes_.size() - pos_) {
            ok_ = false;
            return false;
        }
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Appends little-endian values to a growing byte buffer.
class ByteWriter {
public:
    // Room for `n` bytes in all, so a writer that knows its size grows the buffer once.
    void reserve(std::size_t n) { out_.reserve(n); }

    void u8(std::uint8_t v) { out_.push_back(v); }
    void i8(std::int8_t v) { u8(static_cast<std::uint8_t>(v)); }
    void u16(std::uint16_t v) { StoreU16(grow(2), v); }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v) { StoreU32(grow(4), v); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void f64(double v);
    void bytes(const std::uint8_t* data, std::size_t n) { out_.insert(out_.end(), data, data + n); }
    void bytes(std::span<const std::uint8_t> data) { bytes(data.data(), data.size()); }
    void zeros(std::size_t n) { out_.insert(out_.end(), n, 0); }

    std::size_t size() const { return out_.size(); }
    const std::vector<std::uint8_t>& data() const { return out_; }
    std::vector<std::uint8_t> take() { return std::move(out_); }

private:
    // The next n bytes of the buffer, to be filled: one check of the room for a whole value.
    std::uint8_t* grow(std::size_t n) {
        const std::size_t at = out_.size();
        out_.resize(at + n);
        return out_.data() + at;
    }

    std::vector<std::uint8_t> out_;
};

} // namespace velk
