#include "core/files/BaseScheduleFile.h"
#include "schedules/ScheduleCells.h"
#include "schedules/WholeScheduleCheck.h"
#include "support/ScriptedDialogs.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

std::vector<std::string> LibraryFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(VELK_SOURCE_DIR) + "/Schemas"))
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
        ExpectSoundMovement(*s, path.find("howell") != std::string::npos);
    }
}
