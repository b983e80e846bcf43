#include "core/NumberHelpers.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;

TEST(ReadNumber, CommaOnAPointSystemIsChanged) {
    test::ScriptedDialogs dialogs;
    ErrorCode error;
    EXPECT_DOUBLE_EQ(ReadNumber("7,5", 0, true, dialogs, error, '.'), 7.5);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Decimaalteken in 7,5 gewijzigd");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_TRUE(error.ok());

    // Without tellChange the change is silent.
    EXPECT_DOUBLE_EQ(ReadNumber("7.5", 0, false, dialogs, error), 7.5);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST(ReadNumber, PlainNumbersEmptyAndRounding) {
    test::ScriptedDialogs dialogs;
    ErrorCode error;
    EXPECT_DOUBLE_EQ(ReadNumber("55,25", 0, true, dialogs, error), 55.25);
    EXPECT_DOUBLE_EQ(ReadNumber(" -12 ", 0, true, dialogs, error), -12);
    EXPECT_DOUBLE_EQ(ReadNumber("", 2, true, dialogs, error), 0);
    EXPECT_DOUBLE_EQ(ReadNumber("1,5e2", 0, true, dialogs, error), 150);
    EXPECT_DOUBLE_EQ(ReadNumber("2,675", 2, true, dialogs, error), 2.68);
    EXPECT_DOUBLE_EQ(ReadNumber("-2,675", 2, true, dialogs, error), -2.68);
    EXPECT_DOUBLE_EQ(ReadNumber("62,4449", 1, true, dialogs, error), 62.4);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(error.ok());
}

TEST(ReadNumber, NoNumberIsReportedAndGivesZero) {
    test::ScriptedDialogs dialogs;
    ErrorCode error;
    for (const char* bad : {"abc", "1,2,3", "1.234,5", "12x", ",", "-", "1e", "inf"})
        EXPECT_DOUBLE_EQ(ReadNumber(bad, 0, true, dialogs, error), 0) << bad;
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].text, "Foutief getal, probeer opnieuw: abc");
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(error.value(), 39);
}

TEST(FixedText, DecimalsAndSignificantDigits) {
    EXPECT_EQ(FixedText(52.125, 2), "52,13");
    EXPECT_EQ(FixedText(7.5, 0), "8");
    EXPECT_EQ(FixedText(-7.5, 1), "-7,5");
    EXPECT_EQ(FixedText(0.05, 1), "0,1");
    EXPECT_EQ(FixedText(9.96, 1), "10,0");
    EXPECT_EQ(FixedText(0, 2), "0,00");
    EXPECT_EQ(FixedText(-0.001, 2), "0,00");
    EXPECT_EQ(FixedText(100, 3, '.'), "100.000");
    // Twelve significant digits: the rest is zero.
    EXPECT_EQ(FixedText(1234567890.123456, 4), "1234567890,1200");
    EXPECT_EQ(FixedText(1.0 / 3.0, 14), "0,33333333333300");
}

TEST(NumberHelpers, WholeNumbersFromBoxes) {
    EXPECT_EQ(velk::ParseWholeNumber(" 24 "), 24);
    EXPECT_EQ(velk::ParseWholeNumber("-3"), -3);
    EXPECT_FALSE(velk::ParseWholeNumber(""));
    EXPECT_FALSE(velk::ParseWholeNumber("2x"));
    EXPECT_FALSE(velk::ParseWholeNumber("4,5"));
    EXPECT_FALSE(velk::ParseWholeNumber("99999999999"));
}
