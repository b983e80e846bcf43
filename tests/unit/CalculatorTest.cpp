// The Help menu's calculator, key by key.
#include "scoring/Calculator.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

std::string Keys(Calculator& c, const std::string& keys) {
    for (const char k : keys)
        EXPECT_TRUE(c.press(k)) << k;
    return c.display();
}

} // namespace

TEST(Calculator, OperationsApplyInTheOrderTyped) {
    ScriptedDialogs dialogs;
    Calculator c(dialogs);
    EXPECT_EQ(c.display(), "0");
    EXPECT_EQ(Keys(c, "12+7"), "7");
    EXPECT_EQ(Keys(c, "x"), "19");
    EXPECT_EQ(Keys(c, "3="), "57");
    EXPECT_EQ(Keys(c, "C2.5x4="), "10");
    EXPECT_EQ(Keys(c, "C1/3="), "0.33333333333333");
    EXPECT_EQ(Keys(c, "C5N"), "-5");
    EXPECT_EQ(Keys(c, "-2="), "-7");
    EXPECT_EQ(Keys(c, "C7-+2="), "9");
    EXPECT_EQ(Keys(c, "C0.1+0.2="), "0.3");
    EXPECT_FALSE(c.press('?'));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Calculator, ErrorsAreSaidAndClear) {
    ScriptedDialogs dialogs;
    Calculator c(dialogs);
    EXPECT_EQ(Keys(c, "1/0="), "0");
    EXPECT_EQ(Keys(c, "1234567890123456"), "0");
    EXPECT_EQ(Keys(c, "C999999999999999x10="), "0");
    EXPECT_EQ(dialogs.texts(), (std::vector<std::string>{"Division by Zero Error!", "Number too Large",
                                                         "Overflow Error in the resulting number"}));
}
