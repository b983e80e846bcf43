// velk-cli results: the pairs' results of a session as CSV.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "core/records/PairRecord.h"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace velk::cli {

namespace {

// A CSV field, quoted when it holds a separator or a quote.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

// Appends the value with two decimals, as "%.2f" writes it, and a comma.
void AppendFixed2(std::string& out, double v) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2).ptr;
    out.append(buffer, static_cast<std::size_t>(end - buffer));
    out += ',';
}

void AppendNumber(std::string& out, long v, char after = ',') {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    out.append(buffer, static_cast<std::size_t>(end - buffer));
    out += after;
}

} // namespace

int RunResults(const Args& raw) {
    const ArgParser args(raw, {"session", "format"});
    if (args.positional().size() != 1 || !args.unknown({"yes", "no"}).empty() ||
        args.value("format").value_or("") != "csv") {
        std::cerr << UsageOf("results");
        return 2;
    }
    // The table is held in the competition file; its companions are not read.
    OpenCompetition open(false, CompanionFiles::None);
    open.readOnly();
    if (const int status = open.OpenNamed(args))
        return status;
    const Club& club = open.club;
    const auto& rows = club.SessionList[static_cast<std::size_t>(club.CurrentSession - 1)].Rows;
    // A computed session ranks its pairs; a table of zeros would pass for a result.
    const bool computed =
        std::any_of(rows.begin() + (rows.empty() ? 0 : 1), rows.end(), [](const TCalcObj& r) {
            return r.SessionRank != 0 || r.Percentage != 0 || r.Points != 0;
        });
    if (!computed) {
        std::cerr << "zitting " << club.CurrentSession
                  << " is nog niet verwerkt: gebruik eerst velk-cli compute " << args.positional()[0]
                  << " --session " << club.CurrentSession << '\n';
        return 1;
    }
    // The whole table is made first and written at once.
    std::string out =
        "group,grpnr,clubnr,name,points,substitutes,percentage,correction,total,status,boards,rank,"
        "comprank\n";
    out.reserve(rows.size() * 96);
    for (std::size_t i = 1; i < club.PairList.size() && i < rows.size(); ++i) {
        const TParenObj& p = club.PairList[i];
        const TCalcObj& r = rows[i];
        const int group = club.PairsPerGroup > 0 ? static_cast<int>(i - 1) / club.PairsPerGroup + 1 : 1;
        out += GroupLetter(group);
        out += ',';
        AppendNumber(out, p.GrpNr);
        AppendNumber(out, p.ClubNr);
        out += CsvField(p.Naam.get());
        out += ',';
        AppendFixed2(out, r.Points);
        AppendNumber(out, r.Substitutes);
        AppendFixed2(out, r.Percentage);
        AppendFixed2(out, r.Correction);
        AppendFixed2(out, r.CompetitionTotal);
        AppendNumber(out, int(r.Status));
        AppendNumber(out, int(r.BoardsPlayed));
        AppendNumber(out, r.SessionRank);
        AppendNumber(out, r.CompetitionRank, '\n');
    }
    std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
    return std::cout.good() ? 0 : 1;
}

} // namespace velk::cli
