#include "core/files/LeadFile.h"

#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace velk;
using test::ReadText;
using test::WriteText;

namespace {

struct LeadFileFixture : ::testing::Test {
    test::TempFolder folder{"leads"};
    LeadFile file{folder.file("club_1_uitkomst2.txt")};
    std::vector<KeptLead> leads;
    std::string problem;
};

} // namespace

TEST(LeadFileTest, LivesBesideTheCompetitionNamedAfterItAndTheSession) {
    EXPECT_EQ(LeadFile::PathFor("/clubs/club2026_1.dba", 3), "/clubs/club2026_1_uitkomst3.txt");
    EXPECT_EQ(LeadFile::PathFor("club_1.dba", 12), "club_1_uitkomst12.txt");
}

TEST(LeadFileTest, CardsInEnglishOrDutchLettersBecomeOneSpelling) {
    EXPECT_EQ(NormalLeadCard("SA"), "SA");
    EXPECT_EQ(NormalLeadCard("H10"), "H10");
    EXPECT_EQ(NormalLeadCard("HT"), "H10");
    // Ruiten and klaveren; heer, vrouw and boer.
    EXPECT_EQ(NormalLeadCard("RV"), "DQ");
    EXPECT_EQ(NormalLeadCard("KH"), "CK");
    EXPECT_EQ(NormalLeadCard("KK"), "CK");
    EXPECT_EQ(NormalLeadCard("SB"), "SJ");
    EXPECT_EQ(NormalLeadCard("D2"), "D2");
    for (const char* bad : {"", "S", "S1", "S11", "X5", "sa", "SA ", "H100", "NA", "S0", "10S"})
        EXPECT_FALSE(NormalLeadCard(bad)) << bad;
}

TEST(LeadFileTest, LeadsAreSetReplacedAndClearedInOneOrder) {
    std::vector<KeptLead> leads;
    SetLeadAt(leads, {'B', 1, 2, "SA"});
    SetLeadAt(leads, {'A', 12, 1, "H10"});
    SetLeadAt(leads, {'A', 3, 4, "DK"});
    SetLeadAt(leads, {'A', 3, 2, "C2"});
    SetLeadAt(leads, {'A', 3, 4, "DQ"}); // a correction
    SetLeadAt(leads, {'B', 7, 7, ""});   // nothing to clear
    EXPECT_EQ(LeadFileText(leads), "velk-uitkomst 1\nA 3 2 C2\nA 3 4 DQ\nA 12 1 H10\nB 1 2 SA\n");
    EXPECT_EQ(LeadAt(leads, 'A', 3, 4), "DQ");
    EXPECT_EQ(LeadAt(leads, 'A', 3, 3), "");
    SetLeadAt(leads, {'A', 3, 2, ""});
    EXPECT_EQ(LeadFileText(leads), "velk-uitkomst 1\nA 3 4 DQ\nA 12 1 H10\nB 1 2 SA\n");
}

TEST_F(LeadFileFixture, WritesAHeaderAndOneLinePerTableAndBoardAndReadsThemBack) {
    // A file that is not there keeps no leads.
    ASSERT_TRUE(file.read(leads, problem));
    EXPECT_TRUE(leads.empty());

    const std::vector<KeptLead> kept{{'A', 1, 1, "SA"}, {'A', 1, 3, "H10"}, {'P', 999, 999, "C2"}};
    ASSERT_TRUE(file.save(kept));
    EXPECT_EQ(ReadText(file.path()), "velk-uitkomst 1\nA 1 1 SA\nA 1 3 H10\nP 999 999 C2\n");
    ASSERT_TRUE(file.read(leads, problem)) << problem;
    EXPECT_EQ(leads, kept);

    // A second save keeps the first as the backup; a session without leads is the header alone.
    ASSERT_TRUE(file.save({}));
    EXPECT_EQ(ReadText(folder.file("club_1_uitkomst2.~uk")),
              "velk-uitkomst 1\nA 1 1 SA\nA 1 3 H10\nP 999 999 C2\n");
    EXPECT_EQ(ReadText(file.path()), "velk-uitkomst 1\n");
    ASSERT_TRUE(file.read(leads, problem));
    EXPECT_TRUE(leads.empty());
}

TEST_F(LeadFileFixture, ADamagedFileIsSaidInDutchAndGivesNoLeadsAtAll) {
    const std::string good = "velk-uitkomst 1\nA 1 1 SA\n";
    for (const std::string& text :
         {std::string(), std::string("velk-uitkomst 2\n"), std::string("velk-uitkomst 1"),
          good + "A 2 1 SA",                           // cut off
          good + "A 2 1 SA\r\n",                       // another line break
          good + "A 2 1  SA\n",                        // two spaces
          good + "A 2 1 SA extra\n",                   // a fifth field
          good + "A 2 1\n",                            // no card
          good + "Q 2 1 SA\n",                         // no such group
          good + "a 2 1 SA\n",                         //
          good + "A 02 1 SA\n",                        // a leading zero
          good + "A 0 1 SA\n",                         //
          good + "A 1000 1 SA\n",                      //
          good + "A 2 -1 SA\n",                        //
          good + "A 2 1 SK\nA 2 1 SK\n",               // a table's board twice
          good.substr(0, 16) + "A 2 1 SA\nA 1 1 SA\n", // out of order
          good + "A 2 1 RV\n",                         // Dutch letters are the phone's, not the file's
          good + "A 2 1 S\xe2\x99\xa0\n",              //
          good + std::string("A 2 1 S\0A\n", 10)}) {
        WriteText(file.path(), text);
        leads = {{'A', 9, 9, "SA"}};
        problem.clear();
        EXPECT_FALSE(file.read(leads, problem)) << text;
        EXPECT_TRUE(leads.empty()) << text;
        EXPECT_EQ(problem, "Uitkomstenbestand niet correct: " + file.path()) << text;
    }
    // Larger than any evening makes: not even read.
    WriteText(file.path(), good + std::string(1u << 20, 'A'));
    EXPECT_FALSE(file.read(leads, problem));
    EXPECT_EQ(problem, "Uitkomstenbestand niet te lezen: " + file.path());
    // A folder where the file should be.
    std::filesystem::remove(file.path());
    std::filesystem::create_directory(file.path());
    EXPECT_FALSE(file.read(leads, problem));
    EXPECT_EQ(problem, "Uitkomstenbestand niet te lezen: " + file.path());
}
