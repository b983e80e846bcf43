#include "members/SessionScoreImport.h"

#include "core/records/ConfigRecord.h"
#include "support/ClubBuilder.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace velk;
using velk::test::ScriptedDialogs;

namespace {

const std::vector<std::string> kColumns = {"AutoID",
                                           "Lijn",
                                           "Spel",
                                           "Ronde",
                                           "Tafel",
                                           "Paar",
                                           "TegenPaar",
                                           "Richting",
                                           "Contract",
                                           "Resultaat",
                                           "Score",
                                           "MP",
                                           "NormaleScoreOntvangen",
                                           "ArbitraleScoreOntvangen",
                                           "Contrazit"};

// A row as the database gives it: yes/no as "1"/"0", an empty text as no value.
std::vector<std::optional<std::string>> Row(const std::string& line, int board, int pair,
                                            const std::string& side, const std::string& contract,
                                            const std::string& result, const std::string& score, bool normal,
                                            bool arbitral = false, bool turned = false) {
    auto value = [](const std::string& s) {
        return s.empty() ? std::nullopt : std::optional<std::string>(s);
    };
    return {"1",
            line,
            std::to_string(board),
            "1",
            "1",
            std::to_string(pair),
            "2",
            side,
            value(contract),
            value(result),
            value(score),
            "0",
            normal ? "1" : "0",
            arbitral ? "1" : "0",
            turned ? "1" : "0"};
}

TScoreObj Convert(const std::vector<std::optional<std::string>>& row) {
    AccessTable table{kColumns, {row}};
    TScoreObj out;
    EXPECT_TRUE(ConvertSpelRow(table, 0, SpelColumns(table), out));
    return out;
}

} // namespace

TEST(SessionScoreImport, SerialNumbersFromTheFileName) {
    EXPECT_EQ(SessionSerialNumber("/data/c7.ses"), 7);
    EXPECT_EQ(SessionSerialNumber("c12.SES"), 12);
    EXPECT_EQ(SessionSerialNumber("z3.ses"), 3);
    EXPECT_EQ(SessionSerialNumber("sessie08.ses"), 8);
    EXPECT_EQ(SessionSerialNumber("cx.ses"), std::nullopt);
    EXPECT_EQ(SessionSerialNumber("c7.mdb"), std::nullopt);
    const CompetitionSession seven = SplitSessionSerial(7, 3);
    EXPECT_EQ(seven.competition, 3);
    EXPECT_EQ(seven.session, 1);
    const CompetitionSession twelve = SplitSessionSerial(12, 3);
    EXPECT_EQ(twelve.competition, 4);
    EXPECT_EQ(twelve.session, 3);
}

TEST(SessionScoreImport, RowsConvertAsTheOtherProgramWroteThem) {
    const TScoreObj normal = Convert(Row("A", 1, 8, "NZ", "3KX O", "+1", "-570", true));
    EXPECT_EQ(normal.Contract.get(), "3KX O");
    EXPECT_EQ(normal.Result.get(), "+1");
    EXPECT_EQ(normal.Score, -570);
    EXPECT_EQ(normal.Code, 14);
    EXPECT_EQ(normal.Direction, 0);
    EXPECT_EQ(normal.Flags, 0);

    const TScoreObj eastWest = Convert(Row("A", 1, 1, "OW", "4Hxx", "-2", "400", true, false, true));
    EXPECT_EQ(eastWest.Contract.get(), "4HR ");
    EXPECT_EQ(eastWest.Direction, 1);
    EXPECT_EQ(eastWest.Flags, ScoreFlag::EastWest | ScoreFlag::Turned);
    EXPECT_EQ(Convert(Row("A", 1, 1, "NZ", "4Hx Z", "", "0", true)).Contract.get(), "4HD Z");
    EXPECT_EQ(Convert(Row("A", 1, 1, "NZ", "3-A--", "", "0", true)).Contract.get(), "3A==");
    EXPECT_EQ(Convert(Row("A", 1, 1, "NZ", "?", "", "0", true)).Contract.get(), "");
    EXPECT_EQ(Convert(Row("A", 1, 1, "NZ", "1234567", "+12345", "0", true)).Result.get(), "+123");

    const TScoreObj notPlayed = Convert(Row("A", 5, 3, "NZ", "", "", "NG", false));
    EXPECT_EQ(notPlayed.Contract.get(), "NG");
    EXPECT_EQ(notPlayed.Code, 0);
    EXPECT_EQ(notPlayed.Score, 0);
    const TScoreObj sitOut = Convert(Row("A", 20, 3, "NZ", "", "", "WT", false));
    EXPECT_EQ(sitOut.Contract.get(), "ZIT");
    EXPECT_EQ(sitOut.Code, 0);
    const TScoreObj adjusted = Convert(Row("A", 16, 3, "OW", "", "", "AFW", false, true));
    EXPECT_EQ(adjusted.Contract.get(), "AFW");
    EXPECT_EQ(adjusted.Code, 19);
    const TScoreObj sixty = Convert(Row("A", 11, 3, "NZ", "", "", "60%", false, true));
    EXPECT_EQ(sixty.Score, 60);
    EXPECT_EQ(sixty.Code, 1);
    EXPECT_EQ(Convert(Row("A", 11, 4, "OW", "", "", "40%", false, true)).Score, 40);
}

namespace {

// Four pairs, one group, two boards: eight rows, given in playing order (board 2 first).
struct FourPairs {
    ScriptedDialogs dialogs;
    Club club = velk::test::MakeClub(4, 1, 2, 1);
    AccessTable table{kColumns, {}};

    FourPairs() {
        club.CurrentSession = 1;
        club.SessionHead.BoardCount = 2;
        club.SessionHead.FirstBoardNumber = 1;
        club.SessionHead.GroupPairs[0] = 4;
        club.SessionScoreList.assign(1, NewScoreBlock(1, 2, 4));
        club.CompetitionNumber = 1;
        club.CompetitionHead.SessionsPerCompetition = 4;
        for (int board : {2, 1})
            for (int ns : {1, 3}) {
                const int score = 100 * board + ns;
                table.Rows.push_back(Row("A", board, ns, "NZ", "2S Z", "=", std::to_string(score), true));
                table.Rows.push_back(
                    Row("A", board, ns + 1, "OW", "2S Z", "=", std::to_string(-score), true));
            }
    }
    bool run() {
        SessionScoreImport import(club, dialogs);
        return import.takeTable("c1.ses", AccessRead::Ok, table) && import.copyScores();
    }
    const TScoreObj& at(int board, int pair) const {
        return club.SessionScoreList[0]
            .Records[static_cast<std::size_t>(ScoreRecordIndex(1, board, pair, 2, 4))];
    }
};

} // namespace

TEST(SessionScoreImport, EveryRowIsPlacedByItsLineBoardAndPair) {
    FourPairs f;
    ASSERT_TRUE(f.run()) << f.dialogs.texts().back();
    EXPECT_EQ(f.dialogs.texts().front(), " Inlezen Sessie, Comp.=1 Zitting=1 gelukt");
    EXPECT_EQ(f.at(1, 1).Score, 101);
    EXPECT_EQ(f.at(1, 2).Score, -101);
    EXPECT_EQ(f.at(1, 3).Score, 103);
    EXPECT_EQ(f.at(2, 1).Score, 201);
    EXPECT_EQ(f.at(2, 4).Score, -203);
    EXPECT_NE(f.club.CompetitionHead.ConfigFlags & ConfigFlag::UseContracts, 0);
}

TEST(SessionScoreImport, ATableThatDoesNotFitTheSessionChangesNothing) {
    {
        FourPairs f;
        f.table.Rows.pop_back();
        EXPECT_FALSE(f.run());
        EXPECT_EQ(f.dialogs.texts().back(), "Aantal Velk scores 8 Aantal van Kaartix : 7");
        EXPECT_EQ(f.at(2, 1).Code, 0);
    }
    {
        FourPairs f;
        f.table.Rows.push_back(f.table.Rows.front());
        EXPECT_FALSE(f.run());
        EXPECT_EQ(f.dialogs.texts().back(), "Aantal Velk scores 8 Aantal van Kaartix : 9");
    }
    {
        FourPairs f;
        f.table.Rows[7] = f.table.Rows[0];
        EXPECT_FALSE(f.run());
        EXPECT_EQ(f.dialogs.texts().back(), "Dubbele score in de Kaartix-tabel: Lijn A Spel 2 Paar 1");
        EXPECT_EQ(f.at(2, 1).Code, 0);
        EXPECT_EQ(f.club.CompetitionHead.ConfigFlags & ConfigFlag::UseContracts, 0);
    }
    {
        FourPairs f;
        f.table.Rows[7][5] = "5";
        EXPECT_FALSE(f.run());
        EXPECT_EQ(f.dialogs.texts().back(), "Dit paar bestaat niet: Lijn A Spel 1 Paar 5");
    }
}

TEST(SessionScoreImport, TheNumbersInTheNameAreQuestionedAgainstTheOpenCompetition) {
    FourPairs f;
    f.club.CompetitionHead.SessionsPerCompetition = 3;
    SessionScoreImport import(f.club, f.dialogs);
    f.dialogs.answerNo();
    EXPECT_FALSE(import.takeTable("c7.ses", AccessRead::Ok, f.table));
    EXPECT_EQ(f.dialogs.texts(),
              (std::vector<std::string>{" Inlezen Sessie, Comp.=3 Zitting=1 gelukt",
                                        "Competitieindex NIET juist, wilt u deze aanpassen als: 1"}));
    f.dialogs.answerYes();
    f.dialogs.answerYes();
    ASSERT_TRUE(import.takeTable("c8.ses", AccessRead::Ok, f.table));
    EXPECT_EQ(f.dialogs.texts().back(), "ZittingNr  NIET juist, wilt u deze aanpassen als: 1");
    EXPECT_EQ(import.competition(), 1);
    EXPECT_EQ(import.session(), 1);
    EXPECT_FALSE(import.takeTable("c8.ses", AccessRead::NoTable, f.table));
    EXPECT_EQ(f.dialogs.texts().back(), " FoutBijInlezen");
}
