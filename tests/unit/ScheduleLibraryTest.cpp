#include "core/BuildPaths.h"
#include "core/files/BaseScheduleFile.h"
#include "schedules/ScheduleCells.h"
#include "schedules/WholeScheduleCheck.h"
#include "support/ScriptedDialogs.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

std::vector<std::string> LibraryFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VELK_SOURCE_DIR) + "/Schemas"))
        if (entry.path().extension() == ".ws0")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

void ExpectSoundMovement(const WorkSchedule& s, bool howell) {
    const ScheduleCounts c = s.counts();
    std::set<std::pair<int, int>> meetings;
    std::set<std::pair<int, int>> pairGroups;
    for (int r = 1; r <= c.Rounds; ++r) {
        std::set<int> seated;
        for (int t = 1; t <= c.Tables; ++t) {
            const TWSObj& e = s.at(r, t);
            ASSERT_TRUE(e.NS >= 1 && e.NS <= c.Pairs && e.EW >= 1 && e.EW <= c.Pairs);
            EXPECT_TRUE(seated.insert(e.NS).second && seated.insert(e.EW).second) << "round " << r;
            EXPECT_TRUE(meetings.insert({std::min(e.NS, e.EW), std::max(e.NS, e.EW)}).second);
            const int g = BoardGroupValue(e.Letter);
            ASSERT_TRUE(g >= 1 && g <= c.BoardGroups);
            EXPECT_TRUE(pairGroups.insert({e.NS, g}).second && pairGroups.insert({e.EW, g}).second);
        }
        EXPECT_EQ(static_cast<int>(seated.size()), c.Pairs);
    }
    if (howell) {
        EXPECT_EQ(static_cast<int>(meetings.size()), c.Pairs * (c.Pairs - 1) / 2);
    }
}

} // namespace

TEST(ScheduleLibrary, EveryShippedScheduleIsCorrect) {
    const auto files = LibraryFiles();
    ASSERT_GE(files.size(), 5u);
    for (const auto& path : files) {
        SCOPED_TRACE(path);
        ScriptedDialogs dialogs;
        ErrorCode error;
        const auto s = ReadBaseSchedule(path, dialogs, error);
        ASSERT_TRUE(s.has_value());
        const ScheduleCounts c = s->counts();
        for (int r = 1; r <= c.Rounds; ++r) {
            std::vector<ScheduleRow> rows;
            for (int t = 1; t <= c.Tables; ++t)
                rows.push_back(RowOf(s->at(r, t)));
            EXPECT_FALSE(CheckRoundView(rows, c, dialogs).has_value());
        }
        for (int view = 1; view <= 3; ++view)
            EXPECT_TRUE(CheckWholeSchedule(*s, view, 0, dialogs).Passed);
        EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
        // Part Howells meet only as many pairs as they have rounds.
        ExpectSoundMovement(*s, path.find("howell") != std::string::npos && c.Rounds == c.Pairs - 1);
    }
}

namespace {

struct Parsed {
    int rounds = 0, pairs = 0, kindTables = 0;
    std::string kind;
    bool shared = false;
};

// "7r-8p-howell-4t.ws0" or "5r-6p-howell-3t-shared.ws0".
Parsed ParseName(const std::string& name) {
    Parsed p;
    char kind[16] = {};
    char rest[16] = {};
    EXPECT_GE(
        std::sscanf(name.c_str(), "%dr-%dp-%15[a-z]-%dt%15s", &p.rounds, &p.pairs, kind, &p.kindTables, rest),
        4)
        << name;
    p.kind = kind;
    p.shared = std::string(rest) == "-shared.ws0";
    EXPECT_TRUE(p.shared || std::string(rest) == ".ws0") << name;
    return p;
}

// The balance column of Schemas/README.md, by file name.
std::map<std::string, std::string> ReadmeBalance() {
    std::ifstream in(std::string(VELK_SOURCE_DIR) + "/Schemas/README.md");
    std::map<std::string, std::string> balance;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| `", 0) != 0)
            continue;
        std::vector<std::string> cells;
        std::stringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');)
            cells.push_back(cell.substr(1, cell.size() - 2));
        balance[cells.front().substr(1, cells.front().size() - 2)] = cells.back();
    }
    return balance;
}

} // namespace

// Every size the library promises, each property counted from the file itself.
TEST(ScheduleLibrary, MovementsOfEverySizeHaveTheirProperties) {
    const auto balance = ReadmeBalance();
    std::set<int> completeHowells, partHowells, mitchells;
    for (const auto& path : LibraryFiles()) {
        const std::string name = std::filesystem::path(path).filename().string();
        SCOPED_TRACE(name);
        const Parsed p = ParseName(name);
        ScriptedDialogs dialogs;
        ErrorCode error;
        const auto s = ReadBaseSchedule(path, dialogs, error);
        ASSERT_TRUE(s.has_value());
        const ScheduleCounts c = s->counts();
        EXPECT_EQ(c.Rounds, p.rounds);
        EXPECT_EQ(c.Pairs, p.pairs);
        EXPECT_EQ(c.Tables, p.kindTables);
        EXPECT_EQ(c.Pairs, 2 * c.Tables);
        ASSERT_TRUE(balance.count(name)) << "not in Schemas/README.md";

        std::map<std::pair<int, int>, int> meet;        // two pairs -> times met
        std::map<std::pair<int, int>, int> playedGroup; // pair, group -> times
        std::map<std::pair<int, int>, int> groupSide;   // pair, group -> 1 NS, 2 EW
        int sharedRounds = 0;
        for (int r = 1; r <= c.Rounds; ++r) {
            std::map<int, int> tablesOfGroup;
            for (int t = 1; t <= c.Tables; ++t) {
                const TWSObj& e = s->at(r, t);
                const int g = BoardGroupValue(e.Letter);
                ++meet[{std::min(e.NS, e.EW), std::max(e.NS, e.EW)}];
                ++playedGroup[{e.NS, g}];
                ++playedGroup[{e.EW, g}];
                groupSide[{e.NS, g}] = 1;
                groupSide[{e.EW, g}] = 2;
                ++tablesOfGroup[g];
            }
            int most = 0;
            for (const auto& [g, n] : tablesOfGroup)
                most = std::max(most, n);
            sharedRounds += most > 1;
        }
        for (const auto& [key, n] : meet)
            EXPECT_EQ(n, 1) << key.first << " meets " << key.second;
        for (const auto& [key, n] : playedGroup)
            EXPECT_EQ(n, 1) << "pair " << key.first << " group " << key.second;
        if (p.kind == "howell") {
            // Every pair plays every board group once.
            EXPECT_EQ(c.BoardGroups, c.Rounds);
            EXPECT_EQ(static_cast<int>(playedGroup.size()), c.Pairs * c.BoardGroups);
            EXPECT_EQ(p.shared, sharedRounds > 0);
            if (c.Rounds == c.Pairs - 1) {
                EXPECT_EQ(static_cast<int>(meet.size()), c.Pairs * (c.Pairs - 1) / 2);
                completeHowells.insert(c.Pairs);
            } else {
                EXPECT_GE(c.Rounds, 7);
                EXPECT_LE(c.Rounds, 9);
                partHowells.insert(c.Pairs);
            }
            // Comparisons: two pairs on the same side of a board group.
            std::map<std::pair<int, int>, int> compared;
            for (int a = 1; a <= c.Pairs; ++a)
                for (int b = a + 1; b <= c.Pairs; ++b) {
                    int n = 0;
                    for (int g = 1; g <= c.BoardGroups; ++g)
                        n += groupSide[{a, g}] == groupSide[{b, g}];
                    compared[{a, b}] = n;
                }
            int low = 1 << 20, high = 0;
            for (const auto& [key, n] : compared) {
                low = std::min(low, n);
                high = std::max(high, n);
            }
            EXPECT_EQ(balance.at(name).substr(0, balance.at(name).find(' ')),
                      std::to_string(low) + "-" + std::to_string(high));
        } else {
            ASSERT_EQ(p.kind, "mitchell");
            EXPECT_EQ(sharedRounds, 0);
            EXPECT_FALSE(p.shared);
            EXPECT_EQ(c.BoardGroups, c.Tables);
            EXPECT_EQ(c.Rounds, c.Tables % 2 ? c.Tables : c.Tables - 1);
            for (int r = 1; r <= c.Rounds; ++r)
                for (int t = 1; t <= c.Tables; ++t) {
                    const TWSObj& e = s->at(r, t);
                    EXPECT_EQ(e.NS, t); // North-South stays
                    EXPECT_GT(e.EW, c.Tables);
                    if (r > 1) {
                        // East-West moves up a table (two at the skip): it comes from the table
                        // below; the boards move down: they come from the table above.
                        const int up = c.Tables % 2 == 0 && r == c.Tables / 2 + 1 ? 2 : 1;
                        EXPECT_EQ(s->at(r - 1, (t - 1 - up + 2 * c.Tables) % c.Tables + 1).EW, e.EW);
                        EXPECT_EQ(s->at(r - 1, t % c.Tables + 1).Letter, e.Letter);
                    }
                }
            // Every East-West pair meets every North-South pair the rounds allow.
            EXPECT_EQ(static_cast<int>(meet.size()), c.Tables * c.Rounds);
            mitchells.insert(c.Tables);
        }
    }
    EXPECT_EQ(completeHowells, (std::set<int>{4, 6, 8, 10, 12, 14, 16}));
    EXPECT_EQ(partHowells, (std::set<int>{10, 12, 14, 16}));
    std::set<int> allTables;
    for (int t = 3; t <= 16; ++t)
        allTables.insert(t);
    EXPECT_EQ(mitchells, allTables);
}
