#include "core/TextHelpers.h"

#include "core/NumberHelpers.h"

#include <gtest/gtest.h>

using namespace velk;

TEST(TextHelpers, PaddingCountsCharacters) {
    EXPECT_EQ(PadLeft("7", 3), "  7");
    EXPECT_EQ(PadRight("ab", 4, "."), "ab..");
    EXPECT_EQ(PadLeft("lang", 2), "lang");
    // "é" is two bytes but one character.
    EXPECT_EQ(PadRight("café", 6), "café  ");
    EXPECT_EQ(PadLeft("x", 4, "─"), "───x");
    EXPECT_EQ(Repeat("═", 3), "═══");
    EXPECT_EQ(Repeat("-", 0), "");
    EXPECT_EQ(Repeat("-", -2), "");
}

TEST(TextHelpers, TruncateAndUpTo) {
    EXPECT_EQ(Truncate("Hoofdklasse", 5), "Hoofd");
    EXPECT_EQ(Truncate("één", 2), "éé");
    EXPECT_EQ(Truncate("kort", 10), "kort");
    EXPECT_EQ(Truncate("kort", 0), "");
    EXPECT_EQ(UpTo("Club2026.dba", '.'), "Club2026");
    EXPECT_EQ(UpTo("geen punt", '.'), "geen punt");
    EXPECT_EQ(UpTo(".verborgen", '.'), ".verborgen");
    EXPECT_EQ(Trim(" \t 7,5 \n"), "7,5");
}

TEST(TextHelpers, MinMaxAndPositions) {
    EXPECT_EQ(Min(3, -4), -4);
    EXPECT_EQ(Max(3, -4), 3);
    EXPECT_EQ(GroupBase(1, 12), 0);
    EXPECT_EQ(GroupBase(3, 12), 24);
    // Group 2, round 3 of a session of 7 rounds with 6 tables per group.
    EXPECT_EQ(ScheduleIndex(3, 2, 7, 6, true), ((2 - 1) * 7 + 3 - 1) * 6);
    EXPECT_EQ(ScheduleIndex(3, 2, 7, 6, false), 0);
}

TEST(TextHelpers, VisibleRows) {
    EXPECT_EQ(VisibleRows(1280, 0), 64);
    EXPECT_EQ(VisibleRows(1200, 0), 32);
    EXPECT_EQ(VisibleRows(1024, 0), 32);
    EXPECT_EQ(VisibleRows(1000, 0), 24);
    EXPECT_EQ(VisibleRows(1280, 14), 14);
    EXPECT_EQ(VisibleRows(800, 40), 24);
}
