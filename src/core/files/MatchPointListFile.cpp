#include "core/files/MatchPointListFile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace velk {

namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'V', 'M', 'P', '1'};
constexpr std::size_t kRunHeadSize = 4;

} // namespace

MatchPointListWriter::MatchPointListWriter(std::size_t entries, std::size_t runs) {
    out_.resize(kMagic.size() + runs * kRunHeadSize + entries * kMatchPointEntrySize);
    std::memcpy(room(kMagic.size()), kMagic.data(), kMagic.size());
}

void MatchPointListWriter::grow(std::size_t n) {
    out_.resize(std::max(used_ + n, 2 * out_.size()));
}

std::vector<std::uint8_t> MatchPointListWriter::take() {
    out_.resize(used_);
    used_ = 0;
    return std::move(out_);
}

void MatchPointListWriter::board(int group, int board, int pairs) {
    std::uint8_t* p = room(kRunHeadSize);
    p[0] = static_cast<std::uint8_t>(group);
    p[1] = static_cast<std::uint8_t>(board);
    StoreU16(p + 2, static_cast<std::uint16_t>(pairs));
}

void MatchPointListWriter::add(std::span<const StoredMatchPoint> entries) {
    for (std::size_t i = 0; i < entries.size();) {
        std::size_t end = i + 1;
        while (end < entries.size() && entries[end].Group == entries[i].Group &&
               entries[end].Board == entries[i].Board)
            ++end;
        board(entries[i].Group, entries[i].Board, static_cast<int>(end - i));
        for (; i < end; ++i) {
            const StoredMatchPoint& e = entries[i];
            entry(e.Score, e.Direction, e.Code, e.Flags, e.MatchPoints);
        }
    }
}

std::optional<std::vector<StoredMatchPoint>> ParseMatchPointList(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin()))
        return std::nullopt;
    ByteReader in(bytes.subspan(kMagic.size()));
    std::vector<StoredMatchPoint> entries;
    int lastGroup = 0;
    int lastBoard = 0;
    while (!in.atEnd()) {
        if (in.remaining() < kRunHeadSize)
            return std::nullopt;
        const int group = in.u8();
        const int board = in.u8();
        const int pairs = in.u16();
        const bool inOrder = group > lastGroup || (group == lastGroup && board > lastBoard);
        if (group < 1 || group > kMatchPointListMaxGroups || board < 1 || pairs < 1 ||
            pairs > kMatchPointListMaxPairs || !inOrder ||
            in.remaining() < static_cast<std::size_t>(pairs) * kMatchPointEntrySize)
            return std::nullopt;
        lastGroup = group;
        lastBoard = board;
        for (int k = 1; k <= pairs; ++k) {
            StoredMatchPoint& e = entries.emplace_back();
            e.Group = group;
            e.Board = board;
            e.Pair = k;
            e.Score = in.i16();
            e.Direction = in.u8();
            e.Code = in.u8();
            e.Flags = in.u8();
            e.MatchPoints = in.i32();
        }
    }
    return entries;
}

} // namespace velk
