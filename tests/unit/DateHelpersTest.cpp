#include "core/DateHelpers.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;

namespace {
const FixedClock kMarch2026(DateTime{2026, 3, 7, 19, 30, 0});
}

TEST(DateHelpers, TodayTextHasTwoDigitDayAndMonth) {
    EXPECT_EQ(TodayText(kMarch2026), "07-03-2026");
    EXPECT_EQ(TodayText(FixedClock(DateTime{1999, 12, 31})), "31-12-1999");
}

TEST(DateHelpers, ParseDate) {
    const DateTime today = kMarch2026.now();
    EXPECT_EQ(ParseDate("7-3-2026", today), (Date{7, 3, 2026}));
    EXPECT_EQ(ParseDate(" 29-02-2024 ", today), (Date{29, 2, 2024}));
    EXPECT_EQ(ParseDate("12-03", today), (Date{12, 3, 2026}));
    EXPECT_EQ(ParseDate("12-03-26", today), (Date{12, 3, 2026}));
    EXPECT_EQ(ParseDate("12-03-80", today), (Date{12, 3, 1980}));
    for (const char* bad : {"29-02-2025", "31-04-2026", "0-1-2026", "1-13-2026", "", "12", "12/03/2026",
                            "12-03-202", "123-1-2026", "1-1-2026-1", "a-b-cdef", "-3-2026"})
        EXPECT_FALSE(ParseDate(bad, today)) << bad;
    EXPECT_EQ(FormatDate(Date{1, 2, 2026}), "01-02-2026");
}

TEST(DateHelpers, CompleteDateInsertsSeparators) {
    test::ScriptedDialogs dialogs;
    ErrorCode error;
    EXPECT_EQ(CompleteDate("1203", kMarch2026, dialogs, error), "12-03-2026");
    EXPECT_EQ(CompleteDate("5", kMarch2026, dialogs, error), "5-03-2026");
    EXPECT_EQ(CompleteDate("15", kMarch2026, dialogs, error), "15-03-2026");
    EXPECT_EQ(CompleteDate("120325", kMarch2026, dialogs, error), "12-03-25");
    EXPECT_EQ(CompleteDate("12032025", kMarch2026, dialogs, error), "12-03-2025");
    EXPECT_EQ(CompleteDate("7-3-2026", kMarch2026, dialogs, error), "7-3-2026");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(error.ok());
}

TEST(DateHelpers, CompleteDateReportsNoDate) {
    test::ScriptedDialogs dialogs;
    ErrorCode error;
    EXPECT_FALSE(CompleteDate("3102", kMarch2026, dialogs, error));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "3102 is geen geldige datum\n\r corrigeer (zonodig) invoer");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(error.value(), 4);
    // The 31st does not exist in a 30-day current month either.
    EXPECT_FALSE(CompleteDate("31", FixedClock(DateTime{2026, 4, 1}), dialogs, error));
    EXPECT_FALSE(CompleteDate("123", kMarch2026, dialogs, error));
    EXPECT_FALSE(CompleteDate("", kMarch2026, dialogs, error));
    EXPECT_EQ(dialogs.messages.size(), 4u);
}
