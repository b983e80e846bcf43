#include "core/CompetitionNaming.h"

#include <gtest/gtest.h>

using namespace velk;

TEST(CompetitionNaming, NumberFromTheTwoCharactersBeforeTheFirstDot) {
    EXPECT_EQ(CompetitionNumberFromFileName("club_3.dba", true), 3);
    EXPECT_EQ(CompetitionNumberFromFileName("club12.dba", true), 12);
    EXPECT_EQ(CompetitionNumberFromFileName("club07.dba", true), 7);
    EXPECT_EQ(CompetitionNumberFromFileName("club.dba", true), 0);
    EXPECT_EQ(CompetitionNumberFromFileName("club3a.dba", true), 0);
    EXPECT_EQ(CompetitionNumberFromFileName("club4.2026.dba", true), 4);
    EXPECT_EQ(CompetitionNumberFromFileName("9.dba", true), 9);
    EXPECT_EQ(CompetitionNumberFromFileName(".dba", true), 0);
    EXPECT_EQ(CompetitionNumberFromFileName("C:\\Club 2026\\najaar_2.dba", true), 2);
    EXPECT_EQ(CompetitionNumberFromFileName("/data/v1.5/club.dba", true), 0);
}

TEST(CompetitionNaming, DriveFileHasNumberZero) {
    EXPECT_EQ(CompetitionNumberFromFileName("drive_3.dba", false), 0);
}

TEST(CompetitionNaming, FirstSaveAppendsUnderscoreOne) {
    EXPECT_EQ(FirstCompetitionPath("/data/club.dba"), "/data/club_1.dba");
    EXPECT_EQ(FirstCompetitionPath("/data/club.2026.dba"), "/data/club_1.dba");
    EXPECT_EQ(FirstCompetitionPath("/data/club1.dba"), "/data/club1.dba");
    EXPECT_EQ(FirstCompetitionPath("/data/club01.dba"), "/data/club01.dba");
    EXPECT_EQ(FirstCompetitionPath("/data/club_2.dba"), "/data/club_2_1.dba");
    EXPECT_EQ(FirstCompetitionPath("/data/club"), "/data/club_1.dba");
    // A dot in a folder name is no extension.
    EXPECT_EQ(FirstCompetitionPath("/data/v2.0/club.dba"), "/data/v2.0/club_1.dba");
}

TEST(CompetitionNaming, NextCompetitionIsTheNumberOneUp) {
    EXPECT_EQ(NextCompetitionPath("/data/club2026_1.dba"), "/data/club2026_2.dba");
    EXPECT_EQ(NextCompetitionPath("/data/club2026_9.dba"), "/data/club2026_10.dba");
    EXPECT_EQ(NextCompetitionPath("/data/club07.dba"), "/data/club08.dba");
    EXPECT_EQ(NextCompetitionPath("/data/club09.dba"), "/data/club10.dba");
    EXPECT_EQ(NextCompetitionPath("/data/club0.dba"), "/data/club1.dba");
    EXPECT_EQ(NextCompetitionPath("/data/club4.2026.dba"), "/data/club5.2026.dba");
    EXPECT_EQ(NextCompetitionPath("/da.ta/club1.dba"), "/da.ta/club2.dba");
    EXPECT_EQ(NextCompetitionPath("9.dba"), "10.dba");
    // A name without a number: the first competition of the season.
    EXPECT_EQ(NextCompetitionPath("/data/club.dba"), "/data/club_1.dba");
    // Every proposal carries the number it promises, up to 99.
    for (int n = 1; n < 99; ++n) {
        const std::string path = "/data/club_" + std::to_string(n) + ".dba";
        EXPECT_EQ(CompetitionNumberFromFileName(NextCompetitionPath(path), true), n + 1) << path;
    }
    EXPECT_EQ(CompetitionNumberFromFileName(NextCompetitionPath("/data/club_99.dba"), true), 0);
}

TEST(CompetitionNaming, CompanionFiles) {
    EXPECT_EQ(ScheduleFilePathFor("/d/club_1.dba"), "/d/club_1.sma");
    EXPECT_EQ(ScoreFilePathFor("/d/club_1.dba"), "/d/club_1.sco");
    EXPECT_EQ(SlamFilePathFor("/d/club_1.dba"), "/d/club_1.slm");
}
