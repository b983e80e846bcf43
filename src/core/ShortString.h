#pragma once

#include "core/ByteCodec.h"
#include "core/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace velk {

// A Windows-1252 text of at most N characters stored as one length byte and exactly N bytes.
// The raw bytes are kept as read, so a record written back is byte-for-byte what was read, even
// where the bytes after the text are not zero.
template <std::size_t N> class ShortString {
public:
    static constexpr std::size_t Size = N + 1;
    static constexpr std::size_t Capacity = N;

    ShortString() { raw_.fill(0); }
    ShortString(std::string_view utf8) { set(utf8); }

    // The text as UTF-8; a length byte larger than the capacity is read as the capacity.
    std::string get() const {
        const std::size_t len = raw_[0] > N ? N : raw_[0];
        return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(raw_.data() + 1), len));
    }
    // Stores a UTF-8 text cut at the capacity; the unused bytes become zero.
    void set(std::string_view utf8) {
        raw_.fill(0);
        std::string bytes = Utf8ToCp1252(utf8);
        if (bytes.size() > N)
            bytes.resize(N);
        raw_[0] = static_cast<std::uint8_t>(bytes.size());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            raw_[i + 1] = static_cast<std::uint8_t>(bytes[i]);
    }

    void readFrom(ByteReader& in) { in.bytes(raw_.data(), raw_.size()); }
    // The Size raw bytes at p, as readFrom() takes them.
    void assignRaw(const std::uint8_t* p) { std::memcpy(raw_.data(), p, Size); }
    void writeTo(ByteWriter& out) const { out.bytes(raw_.data(), raw_.size()); }

    const std::array<std::uint8_t, N + 1>& raw() const { return raw_; }
    bool operator==(const ShortString&) const = default;

private:
    std::array<std::uint8_t, N + 1> raw_;
};

} // namespace velk
