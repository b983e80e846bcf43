#include "core/ByteCodec.h"

#include "core/ShortString.h"
#include "core/TextEncoding.h"

#include <gtest/gtest.h>

using namespace velk;

TEST(ByteCodec, LittleEndianRoundTrip) {
    ByteWriter w;
    w.i16(-2);
    w.u16(0x1234);
    w.i32(-100000);
    w.f32(7.5f);
    w.f64(55.0);
    const auto& d = w.data();
    ASSERT_EQ(d.size(), 2u + 2 + 4 + 4 + 8);
    EXPECT_EQ(d[0], 0xFE);
    EXPECT_EQ(d[1], 0xFF);
    EXPECT_EQ(d[2], 0x34);
    EXPECT_EQ(d[3], 0x12);
    // 55.0 as an IEEE double is 0x404B800000000000.
    EXPECT_EQ(d[19], 0x40);
    EXPECT_EQ(d[18], 0x4B);
    EXPECT_EQ(d[17], 0x80);

    ByteReader r(d);
    EXPECT_EQ(r.i16(), -2);
    EXPECT_EQ(r.u16(), 0x1234);
    EXPECT_EQ(r.i32(), -100000);
    EXPECT_EQ(r.f32(), 7.5f);
    EXPECT_EQ(r.f64(), 55.0);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd());
}

TEST(ByteCodec, ShortReadFailsAndStaysFailed) {
    const std::vector<std::uint8_t> d = {1, 2, 3};
    ByteReader r(d);
    EXPECT_EQ(r.u16(), 0x0201);
    EXPECT_EQ(r.u16(), 0);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.u8(), 0); // the byte that is left is not read after a failure
    std::uint8_t buf[4] = {9, 9, 9, 9};
    r.bytes(buf, 4);
    EXPECT_EQ(buf[0], 0);
    EXPECT_EQ(r.remaining(), 0u);
}

TEST(TextEncoding, Windows1252BothWays) {
    // é, the euro sign and a curly quote are single bytes on file.
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C";
    const std::string cp = Utf8ToCp1252(utf8);
    EXPECT_EQ(cp, std::string("Caf\xE9 \x80 \x93"));
    EXPECT_EQ(Cp1252ToUtf8(cp), utf8);
    EXPECT_EQ(Utf8ToCp1252("\xE2\x99\xA0"), "?"); // a spade cannot be held
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");         // a cut-off sequence
    EXPECT_EQ(Utf8Length("\xC3\xA9\xC3\xA9x"), 3u);
    EXPECT_EQ(Utf8Left("\xC3\xA9\xC3\xA9x", 1), "\xC3\xA9");
}

TEST(ShortString, CutAtCapacityAndKeepsRawBytes) {
    ShortString<4> s("abcdef");
    EXPECT_EQ(s.get(), "abcd");
    EXPECT_EQ(s.raw()[0], 4);

    // Bytes after the text survive a read and write, and a length beyond the capacity is clamped.
    const std::vector<std::uint8_t> raw = {9, 'x', 'y', 'z', 'w'};
    ByteReader r(raw);
    ShortString<4> t;
    t.readFrom(r);
    EXPECT_EQ(t.get(), "xyzw");
    ByteWriter w;
    t.writeTo(w);
    EXPECT_EQ(w.data(), raw);
}
