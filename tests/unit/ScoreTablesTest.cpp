#include "scoring/ScoreTables.h"

#include "core/ProgramFolder.h"
#include "scoring/ImpScale.h"
#include "support/ScriptedDialogs.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace velk;
namespace fs = std::filesystem;

TEST(ScoreTables, LoadFromTheDataFolder) {
    test::ScriptedDialogs dialogs;
    ErrorCode errorCode;
    const ScoreTables tables = LoadScoreTables(DataFolder(), dialogs, errorCode);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(errorCode.ok());
    ASSERT_TRUE(tables.ScoreClasses && tables.ArbitralScores && tables.DatumDrops);
    EXPECT_EQ(tables.ContractScorsTable.size(), 35u);
    // Average plus is worth three IMPs, average minus minus three.
    EXPECT_EQ((*tables.ArbitralScores)[60], (ArbitralValue{30, 3}));
    EXPECT_EQ((*tables.ArbitralScores)[40], (ArbitralValue{-30, -3}));
    EXPECT_EQ((*tables.ArbitralScores)[50], (ArbitralValue{0, 0}));
    EXPECT_EQ((*tables.ArbitralScores)[55], (ArbitralValue{15, 2}));
    EXPECT_EQ((*tables.ArbitralScores)[100], (ArbitralValue{150, 15}));
    // A tenth of the results, at least one, leaves the datum at each end from five results on.
    const auto& drops = *tables.DatumDrops;
    EXPECT_EQ(drops[4 - 1], 0);
    EXPECT_EQ(drops[5 - 1], 2);
    EXPECT_EQ(drops[19 - 1], 2);
    EXPECT_EQ(drops[20 - 1], 4);
    EXPECT_EQ(drops[250 - 1], 50);
    // Only classes where "normal" implies "possible" occur.
    for (std::uint8_t c : *tables.ScoreClasses)
        EXPECT_TRUE(c == 0 || c == 2 || c == 3 || c == 8 || c == 10 || c == 11 || c == 12 || c == 14 ||
                    c == 15)
            << int(c);
}

TEST(ScoreTables, MissingAndDamagedTables) {
    const fs::path folder = fs::temp_directory_path() / "velk-tables-test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    {
        std::ofstream(folder / "Scores.dab", std::ios::binary) << std::string(519, '\1'); // one byte short
        std::ofstream contracts(folder / "ContractScors.dab", std::ios::binary);
        std::ifstream full(DataFolder() / "ContractScors.dab", std::ios::binary);
        std::string bytes(23 * 10 + 5, '\0');
        full.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        contracts << bytes;
    }
    test::ScriptedDialogs dialogs;
    ErrorCode errorCode;
    const ScoreTables tables = LoadScoreTables(folder, dialogs, errorCode);
    EXPECT_FALSE(tables.ScoreClasses);
    EXPECT_FALSE(tables.ArbitralScores);
    EXPECT_FALSE(tables.DatumDrops);
    EXPECT_EQ(tables.ContractScorsTable.size(), 10u); // a short table keeps its whole records
    EXPECT_EQ(tables.ContractScorsTable[9].Name.get(), "2SA");
    EXPECT_EQ(dialogs.texts(),
              (std::vector<std::string>{
                  "Bridge Scores: Scores.dab inlezen NIET gelukt\n\r controleer bestand",
                  "Bestand bestaat niet : Arbitrale Score Conversie: ArbScors.dab",
                  "Bestand bestaat niet : Aantallen Score file: BasiScrs.dab\r voor Average Scoreberekening",
              }));
    EXPECT_EQ(errorCode.value(), 7);

    fs::remove(folder / "ContractScors.dab");
    dialogs.messages.clear();
    LoadScoreTables(folder, dialogs, errorCode);
    EXPECT_EQ(dialogs.texts().back(), "Bestand bestaat niet :  ContractScors.dab");
    dialogs.messages.clear();
    LoadScoreTables(folder, dialogs, errorCode, false);
    EXPECT_EQ(dialogs.messages.size(), 3u);
    fs::remove_all(folder);
}

TEST(ImpScale, Thresholds) {
    EXPECT_EQ(ImpsForDifference(0), 0);
    EXPECT_EQ(ImpsForDifference(10), 0);
    EXPECT_EQ(ImpsForDifference(20), 1);
    EXPECT_EQ(ImpsForDifference(40), 1);
    EXPECT_EQ(ImpsForDifference(50), 2);
    EXPECT_EQ(ImpsForDifference(420), 9);
    EXPECT_EQ(ImpsForDifference(430), 10);
    EXPECT_EQ(ImpsForDifference(2240), 19);
    EXPECT_EQ(ImpsForDifference(2250), 20);
    EXPECT_EQ(ImpsForDifference(3990), 23);
    EXPECT_EQ(ImpsForDifference(4000), 24);
    EXPECT_EQ(ImpsForDifference(20000), 24);
    EXPECT_EQ(ImpsForDifference(-620), -12);
}
