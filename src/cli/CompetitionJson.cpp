#include "cli/CompetitionJson.h"

#include "cli/JsonWriter.h"
#include "core/TextEncoding.h"

namespace velk::cli {
namespace {

template <typename T, std::size_t N> void WriteNumbers(JsonWriter& json, const std::array<T, N>& numbers) {
    json.beginInlineArray();
    for (const T n : numbers)
        json.value(static_cast<int>(n));
    json.endArray();
}

void WriteHead(JsonWriter& json, const CompetitionHead& head) {
    json.key("CompetitionName").value(head.CompetitionName.get());
    json.key("PairCount").value(head.PairCount);
    json.key("GroupCount").value(head.GroupCount);
    json.key("SessionsPerCompetition").value(head.SessionsPerCompetition);
    json.key("TableCount").value(head.TableCount);
    json.key("MaxPctOneSub").value(head.MaxPctOneSub);
    json.key("MaxPctTwoSubs").value(head.MaxPctTwoSubs);
    json.key("ScoringMode").value(head.ScoringMode);
    json.key("NeubergMode").value(head.NeubergMode);
    json.key("CalcMethod").value(head.CalcMethod);
    json.key("ConfigFlags").value(head.ConfigFlags);
    json.key("CompetitionsPerSeason").value(head.CompetitionsPerSeason);
}

void WriteConfig(JsonWriter& json, const TConfigObj& config) {
    json.beginObject();
    WriteHead(json, config.Head);
    json.key("ScreenFontName").value(config.ScreenFontName.get());
    json.key("FontSizes").value(config.FontSizes);
    json.key("LeftMargin").value(config.LeftMargin);
    json.key("TopMargin").value(config.TopMargin);
    json.key("BottomMargin").value(config.BottomMargin);
    json.key("LineHeight").value(config.LineHeight);
    json.key("LinesPerPage").value(config.LinesPerPage);
    json.key("PrinterIndex").value(config.PrinterIndex);
    json.key("PersonalData").beginArray();
    for (const auto& line : config.PersonalData)
        json.value(line.get());
    json.endArray();
    json.key("Reserved279").hex(config.Reserved279);
    json.key("PrinterFontName").value(config.PrinterFontName.get());
    json.key("OptionFlags").value(config.OptionFlags);
    const auto reserved347 = static_cast<std::uint16_t>(config.Reserved347);
    const std::array<std::uint8_t, 2> reserved347Bytes = {static_cast<std::uint8_t>(reserved347 & 0xFF),
                                                          static_cast<std::uint8_t>(reserved347 >> 8)};
    json.key("Reserved347").hex(reserved347Bytes);
    json.key("PromotionsUp");
    WriteNumbers(json, config.PromotionsUp);
    json.key("Degradations");
    WriteNumbers(json, config.Degradations);
    json.key("GroupBonus");
    WriteNumbers(json, config.GroupBonus);
    json.endObject();
}

void WritePair(JsonWriter& json, const TParenObj& pair) {
    json.beginObject();
    json.key("Indx").value(pair.Indx);
    json.key("ClubNr").value(pair.ClubNr);
    json.key("Groep").value(Cp1252ToUtf8(std::string(1, static_cast<char>(pair.Groep))));
    json.key("GrpNr").value(pair.GrpNr);
    json.key("Naam").value(pair.Naam.get());
    json.key("Rang").value(pair.Rang);
    json.endObject();
}

void WriteRow(JsonWriter& json, const TCalcObj& row) {
    json.beginObject();
    json.key("ClubNr").value(row.ClubNr);
    json.key("Substitutes").value(row.Substitutes);
    json.key("Points").value(row.Points);
    json.key("Percentage").value(row.Percentage);
    json.key("Correction").value(row.Correction);
    json.key("CompetitionTotal").value(row.CompetitionTotal);
    json.key("Status").value(row.Status);
    json.key("BoardsPlayed").value(row.BoardsPlayed);
    json.key("SessionRank").value(row.SessionRank);
    json.key("CompetitionRank").value(row.CompetitionRank);
    json.endObject();
}

void WriteSession(JsonWriter& json, const TZitCalcObj& session) {
    json.beginObject();
    json.key("CompetitionNr").value(session.CompetitionNr);
    json.key("SessionNr").value(session.SessionNr);
    json.key("BoardCount").value(session.BoardCount);
    json.key("RoundCount").value(session.RoundCount);
    json.key("BoardGroupCount").value(session.BoardGroupCount);
    json.key("FirstBoardNumber").value(session.FirstBoardNumber);
    json.key("BoardsPerRound").value(session.BoardsPerRound);
    json.key("TablesPerGroup").value(session.TablesPerGroup);
    json.key("PairsPerGroup").value(session.PairsPerGroup);
    json.key("SessionDate").value(session.SessionDate.get());
    json.key("GroupPairs");
    WriteNumbers(json, session.GroupPairs);
    json.key("TwoLines").value(session.TwoLines);
    json.key("Options").hex(session.Options);
    json.key("GroupTables");
    WriteNumbers(json, session.GroupTables);
    json.key("Rows").beginArray();
    for (const auto& row : session.Rows)
        WriteRow(json, row);
    json.endArray();
    json.endObject();
}

} // namespace

std::string CompetitionFileJson(const CompetitionFileData& data, const std::string& path) {
    JsonWriter json;
    json.beginObject();
    json.key("File").value(path);
    json.key("IsCompetition").value(data.IsCompetition);
    json.key("ConfigRecord");
    WriteConfig(json, data.ConfigRecord);
    json.key("SlamBonusTable");
    WriteNumbers(json, data.SlamBonusTable.Values);
    json.key("PairList").beginArray();
    for (const auto& pair : data.PairList)
        WritePair(json, pair);
    json.endArray();
    json.key("SessionCount").value(data.SessionCount());
    json.key("SessionList").beginArray();
    for (const auto& session : data.SessionList)
        WriteSession(json, session);
    json.endArray();
    json.endObject();
    return json.str();
}

} // namespace velk::cli
