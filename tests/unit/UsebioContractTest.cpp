#include "reports/UsebioExport.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

// The Dutch strains (K, R, H, S, SA) in the notation USEBIO readers parse (C, D, H, S, NT).
TEST(UsebioContractTest, DutchStrainsInUsebioNotation) {
    EXPECT_EQ(UsebioContract("3SA"), "3NT");
    EXPECT_EQ(UsebioContract("5K"), "5C");
    EXPECT_EQ(UsebioContract("2r"), "2D");
    EXPECT_EQ(UsebioContract("4HX"), "4HX");
    EXPECT_EQ(UsebioContract(" 6SXX "), "6SXX");
    EXPECT_EQ(UsebioContract("PAS"), "PASS");
    EXPECT_EQ(UsebioContract("8H"), "");
    EXPECT_EQ(UsebioContract("4Q"), "");
    EXPECT_EQ(UsebioContract("4HXXX"), "");
    EXPECT_EQ(UsebioContract(""), "");
}

} // namespace
} // namespace velk
