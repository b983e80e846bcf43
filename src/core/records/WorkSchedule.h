#pragma once

#include "core/records/ScheduleRecords.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace velk {

// An entry of the pairs editor's working schedule. Header item: tables, pairs, rounds and the
// letter 64 + board groups.
struct TWSObj {
    std::int16_t Table = 0;
    std::int16_t NS = 0;
    std::int16_t EW = 0;
    std::uint8_t Letter = kBlankLetter;
    bool operator==(const TWSObj&) const = default;
};

// An entry of the individual editor. Header item: tables in the table slot, players in N, rounds
// in O, Z and W 0, letter 64 + board groups.
struct TWSObj1 {
    std::int16_t Table = 0;
    std::int16_t N = 0;
    std::int16_t Z = 0;
    std::int16_t O = 0;
    std::int16_t W = 0;
    std::uint8_t Letter = kBlankLetter;
    bool operator==(const TWSObj1&) const = default;
};

// The counts of a base schedule; Pairs holds players in an individual schedule.
struct ScheduleCounts {
    int Pairs = 0;
    int Tables = 0;
    int Rounds = 0;
    int BoardGroups = 0;
    bool operator==(const ScheduleCounts&) const = default;
};

// A base schedule being edited: item 0 the header, then round-major entries; round r, table t is
// item (r - 1) x tables + t.
template <typename Item> struct BasicWorkSchedule {
    std::vector<Item> Items;

    static constexpr bool Individual = std::is_same_v<Item, TWSObj1>;

    // Header plus rounds x tables entries with table numbers 1..tables, no pairs, blank letter.
    static BasicWorkSchedule Empty(const ScheduleCounts& c) {
        BasicWorkSchedule s;
        s.Items.push_back(MakeHeader(c));
        for (int r = 1; r <= c.Rounds; ++r)
            for (int t = 1; t <= c.Tables; ++t) {
                Item e;
                e.Table = static_cast<std::int16_t>(t);
                s.Items.push_back(e);
            }
        return s;
    }

    ScheduleCounts counts() const {
        if (Items.empty())
            return {};
        const Item& h = Items.front();
        if constexpr (Individual)
            return {h.N, h.Table, h.O, h.Letter - 64};
        else
            return {h.NS, h.Table, h.EW, h.Letter - 64};
    }
    int tables() const { return counts().Tables; }
    int rounds() const { return counts().Rounds; }

    // True when the list holds exactly the entries its header promises.
    bool isComplete() const {
        const ScheduleCounts c = counts();
        return !Items.empty() && c.Rounds >= 0 && c.Tables >= 0 &&
               Items.size() == 1 + static_cast<std::size_t>(c.Rounds) * static_cast<std::size_t>(c.Tables);
    }
    std::size_t index(int round, int table) const {
        return static_cast<std::size_t>((round - 1) * tables() + table);
    }
    Item& at(int round, int table) { return Items.at(index(round, table)); }
    const Item& at(int round, int table) const { return Items.at(index(round, table)); }

    static Item MakeHeader(const ScheduleCounts& c) {
        Item h;
        h.Table = static_cast<std::int16_t>(c.Tables);
        if constexpr (Individual) {
            h.N = static_cast<std::int16_t>(c.Pairs);
            h.O = static_cast<std::int16_t>(c.Rounds);
        } else {
            h.NS = static_cast<std::int16_t>(c.Pairs);
            h.EW = static_cast<std::int16_t>(c.Rounds);
        }
        h.Letter = static_cast<std::uint8_t>(64 + c.BoardGroups);
        return h;
    }

    bool operator==(const BasicWorkSchedule&) const = default;
};

using WorkSchedule = BasicWorkSchedule<TWSObj>;
using WorkSchedule1 = BasicWorkSchedule<TWSObj1>;

// The ordinal of a board group cell: letters A..Z count 1..26 (lower case too), a digit counts
// its value; 0 for anything else, including a blank.
int BoardGroupValue(std::uint8_t letter);

} // namespace velk
