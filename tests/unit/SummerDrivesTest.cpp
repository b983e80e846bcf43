#include "core/files/CompetitionFile.h"
#include "reports/ReportDocument.h"
#include "reports/SummerDrivesReport.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace velk {
namespace {

struct Entry {
    int clubNumber;
    const char* name;
    float percentage;
};

Club Drive(const std::string& fileName, const std::vector<Entry>& entries) {
    Club club = test::MakeClub(4, 1, 2, 1, false);
    club.ConfigRecord.Head.CompetitionName.set("BC Test");
    club.CompetitionHead = club.ConfigRecord.Head;
    club.ConfigRecord.OptionFlags |= OptionFlag::PrintPageHead;
    club.PairList[0] = MakeHeaderRecord(2026, fileName, false);
    club.SessionList[0].SessionDate.set("14-07-2027");
    for (std::size_t i = 1; i <= 4; ++i) {
        club.PairList[i].ClubNr = static_cast<std::int16_t>(entries[i - 1].clubNumber);
        club.PairList[i].Naam.set(entries[i - 1].name);
        TCalcObj& row = club.SessionList[0].Rows[i];
        row.ClubNr = club.PairList[i].ClubNr;
        row.Percentage = row.CompetitionTotal = entries[i - 1].percentage;
    }
    return club;
}

// Drive 2 has pair 5 in place of pair 4.
struct Drives {
    test::TempFolder folder{"drives"};
    test::ScriptedDialogs dialogs;
    Club open;

    Drives() {
        const Club first = Drive("zomer1.dba", {{1, "Jansen - de Vries", 60},
                                                {2, "Bakker - Visser", 40},
                                                {3, "Smit - Meijer", 55},
                                                {4, "de Boer - Mulder", 45}});
        const Club second = Drive("zomer2.dba", {{1, "Jansen - de Vries", 50},
                                                 {2, "Bakker - Visser", 62},
                                                 {3, "Smit - Meijer", 48},
                                                 {5, "de Groot - Bos", 40}});
        for (const Club* c : {&first, &second})
            test::WriteBytes(
                folder.file(c->PairList[0].Naam.get()),
                SerializeCompetitionFile(*c, c->CompetitionHead, c->PairList[0].Naam.get(), 2026));
        open = second;
        open.ClubFilePath = folder.file("zomer2.dba");
        open.ClubFileName = "zomer2.dba";
        open.CompetitionNumber = 0;
        open.CurrentSession = 1;
        open.SessionHead = open.SessionList[0];
    }

    std::vector<std::string> run(bool& cancelled, int& width) {
        ReportContext context(open, dialogs, ReportKind::SummerDrives);
        ReportDocument document;
        WriteSummerDrives(context, document);
        cancelled = context.cancelled;
        width = context.width;
        return document.textLines();
    }
};

TEST(SummerDrivesTest, TwoDrivesByPlace) {
    Drives drives;
    drives.dialogs.answerYes();
    drives.dialogs.inputs.push_back("2");
    bool cancelled = true;
    int width = 0;
    const auto lines = drives.run(cancelled, width);
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(width, 76); // 52 + 2 x 12
    // Ranks by the drive's session percentage; a pair that missed a drive has 0.00 and rank 0 there.
    const std::vector<std::string> expected = {
        "B R I D G E C L U B : BC Test       SEIZOEN  2026-2027",
        "T O T A A L per Z O M E R op plaats Datum : 14-07-2027",
        "",
        "ZomerDrive: " + std::string(31, ' ') + " 1          " + " 2          ",
        std::string(76, '='),
        "   1   Jansen - de Vries                 60.00   1   50.00   2   110.00   1",
        "   3   Smit - Meijer                     55.00   2   48.00   3   103.00   2",
        "   2   Bakker - Visser                   40.00   4   62.00   1   102.00   3",
        "   4   de Boer - Mulder                  45.00   3    0.00   0    45.00   4",
        "   5   de Groot - Bos                     0.00   0   40.00   4    40.00   5",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(drives.dialogs.texts(), std::vector<std::string>{"Zijn er afzondelijk zomerdrives gespeeld ?"});
}

TEST(SummerDrivesTest, NoDrivesOrAMissingOne) {
    {
        Drives drives;
        drives.dialogs.answerNo();
        bool cancelled = false;
        int width = 0;
        EXPECT_TRUE(drives.run(cancelled, width).empty());
        EXPECT_TRUE(cancelled);
    }
    Drives drives;
    drives.dialogs.answerYes();
    drives.dialogs.inputs.push_back("3");
    bool cancelled = false;
    int width = 0;
    EXPECT_TRUE(drives.run(cancelled, width).empty());
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(drives.dialogs.texts(),
              (std::vector<std::string>{"Zijn er afzondelijk zomerdrives gespeeld ?",
                                        "Geen Zomerdrive bestand zomer3.dba",
                                        "zomer2.dba inlezen NIET gelukt\n\r corrigeer (zonodig) invoer"}));
}

} // namespace
} // namespace velk
