// The percentage correction: totals kept within 0 ... 100, and the ranks and competition totals
// that follow from the corrections.
#include "scoring/PercentageCorrection.h"

#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::MakeClub;
using velk::test::ScriptedDialogs;

namespace {

struct Correction {
    Club club;
    ScriptedDialogs dialogs;
    PercentageCorrection form{club, dialogs};

    explicit Correction(int sessions = 1) : club(MakeClub(4, 1, 0, sessions)) {}
    TCalcObj& row(int session, int n) {
        return club.SessionList[static_cast<std::size_t>(session - 1)].Rows[static_cast<std::size_t>(n)];
    }
    void percentages(int session, std::initializer_list<float> values) {
        int n = 1;
        for (const float v : values)
            row(session, n++).Percentage = v;
    }
};

const std::string kRange = "Waarde niet in bereik van 0.0 tot 100.0";

} // namespace

TEST(PercentageCorrection, TotalsOutsideZeroToHundredRefused) {
    Correction c;
    c.percentages(1, {3, 97, 95, 3});
    ASSERT_TRUE(c.form.open());
    EXPECT_FALSE(c.form.readRow(1, "-5"));
    EXPECT_FALSE(c.form.readRow(2, "5"));
    EXPECT_EQ(c.dialogs.texts(), (std::vector<std::string>{kRange, kRange}));
    EXPECT_FLOAT_EQ(c.row(1, 1).Correction, 0.0f);
    EXPECT_FLOAT_EQ(c.row(1, 2).Correction, 0.0f);
    // The bounds themselves are totals.
    EXPECT_TRUE(c.form.readRow(3, "5"));
    EXPECT_TRUE(c.form.readRow(4, "-3"));
    EXPECT_FLOAT_EQ(c.row(1, 3).Correction, 5.0f);
    EXPECT_EQ(c.form.cellText(3, PercentageCorrection::TotalColumn), "100.00");
    EXPECT_EQ(c.form.cellText(4, PercentageCorrection::TotalColumn), "0.00");
    EXPECT_TRUE(c.form.readRow(1, "1,5"));
    EXPECT_EQ(c.form.cellText(1, PercentageCorrection::CorrectionColumn), "1.50");
    EXPECT_EQ(c.form.cellText(1, PercentageCorrection::TotalColumn), "4.50");
    EXPECT_EQ(c.dialogs.messages.size(), 2u);
}

TEST(PercentageCorrection, TheBoundsHoldForThePercentageAsShown) {
    // 187.49 points of a top of 240 (78.1208 %) stands as 78.12; 187.5 (78.125 %) as 78.13; and
    // 2.996 % as 3.00.
    Correction c;
    c.percentages(1, {187.49f / 2.4f, 78.125f, 2.996f, 2.996f});
    ASSERT_TRUE(c.form.open());
    ASSERT_EQ(c.form.cellText(1, PercentageCorrection::PercentageColumn), "78.12");
    ASSERT_EQ(c.form.cellText(2, PercentageCorrection::PercentageColumn), "78.13");
    ASSERT_EQ(c.form.cellText(3, PercentageCorrection::PercentageColumn), "3.00");
    // 78.12 + 21.88 is 100.00.
    EXPECT_TRUE(c.form.readRow(1, "21.88"));
    EXPECT_FLOAT_EQ(c.row(1, 1).Correction, 21.88f);
    EXPECT_FLOAT_EQ(c.row(1, 1).Percentage, 187.49f / 2.4f); // the stored value stays
    EXPECT_EQ(c.form.cellText(1, PercentageCorrection::TotalColumn), "100.00");
    // 78.13 + 21.88 is 100.01; 78.13 + 21.87 is 100.00.
    EXPECT_FALSE(c.form.readRow(2, "21.88"));
    EXPECT_FLOAT_EQ(c.row(1, 2).Correction, 0.0f);
    EXPECT_TRUE(c.form.readRow(2, "21.87"));
    // 3.00 - 3.00 is 0.00; 3.00 - 3.01 is below 0.
    EXPECT_TRUE(c.form.readRow(3, "-3"));
    EXPECT_FLOAT_EQ(c.row(1, 3).Correction, -3.0f);
    EXPECT_FALSE(c.form.readRow(4, "-3,01"));
    EXPECT_EQ(c.dialogs.texts(), (std::vector<std::string>{kRange, kRange}));
}

TEST(PercentageCorrection, RanksAndTotalsFollowTheCorrection) {
    // Session 1: 50, 52, 54, 44; pair 1 gets +5 (55). Session 2: 60, 40, 50, 50.
    Correction c(2);
    c.percentages(1, {50, 52, 54, 44});
    c.percentages(2, {60, 40, 50, 50});
    LoadSession(c.club, 1);
    ASSERT_EQ(c.club.CurrentSession, 1);
    ASSERT_TRUE(c.form.open());
    EXPECT_EQ(c.form.caption(), "Corrigeren van procentwaarden (Z = 1)");
    ASSERT_TRUE(c.form.readRow(1, "5"));
    const auto totals = c.form.compute();
    EXPECT_NEAR(totals.percentages, 200.0, 1e-4);
    EXPECT_NEAR(totals.corrections, 5.0, 1e-4);
    EXPECT_EQ(c.row(1, 1).SessionRank, 1);
    EXPECT_EQ(c.row(1, 3).SessionRank, 2);
    EXPECT_EQ(c.row(1, 2).SessionRank, 3);
    EXPECT_NEAR(c.row(1, 1).CompetitionTotal, 55.0, 1e-4);
    // The later session's totals include the corrected one: 115, 92, 104, 94.
    EXPECT_NEAR(c.row(2, 1).CompetitionTotal, 115.0, 1e-4);
    EXPECT_NEAR(c.row(2, 2).CompetitionTotal, 92.0, 1e-4);
    EXPECT_EQ(c.row(2, 1).CompetitionRank, 1);
    EXPECT_EQ(c.row(2, 3).CompetitionRank, 2);
    EXPECT_EQ(c.row(2, 4).CompetitionRank, 3);
    EXPECT_EQ(c.row(2, 2).CompetitionRank, 4);
    EXPECT_EQ(int(c.club.PairList[2].Rang), 4);
}

TEST(PercentageCorrection, OkAsksToSaveWhenATotalChanged) {
    Correction c;
    c.percentages(1, {50, 50, 50, 50});
    c.club.PairList[3].ClubNr = 77;
    ASSERT_TRUE(c.form.open());
    // Unchanged and not the last session: nothing asked, nothing saved.
    int saves = 0;
    PercentageCorrection::OkOptions options;
    options.save = [&] { return ++saves > 0; };
    EXPECT_FALSE(c.form.ok(options));
    EXPECT_TRUE(c.dialogs.messages.empty());
    ASSERT_TRUE(c.form.readRow(3, "-2"));
    c.dialogs.answerYes();
    EXPECT_TRUE(c.form.ok(options));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(c.dialogs.texts(), (std::vector<std::string>{"Velk\rBewaren van test_1.dba"}));
    EXPECT_EQ(c.row(1, 3).ClubNr, 77);
    EXPECT_EQ(c.row(1, 3).SessionRank, 4);
    // Schrap after a change goes back to the copy taken at the save.
    ASSERT_TRUE(c.form.readRow(1, "3"));
    c.form.cancel();
    EXPECT_FLOAT_EQ(c.row(1, 1).Correction, 0.0f);
    EXPECT_FLOAT_EQ(c.row(1, 3).Correction, -2.0f);
}
