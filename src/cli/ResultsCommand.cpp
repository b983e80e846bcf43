// velk-cli results: the pairs' results of a session as CSV.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "core/records/PairRecord.h"

#include <algorithm>
#include <cstdio>
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

std::string Fixed2(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return buffer;
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
    std::cout << "group,grpnr,clubnr,name,points,substitutes,percentage,correction,total,status,boards,rank,"
                 "comprank\n";
    for (std::size_t i = 1; i < club.PairList.size() && i < rows.size(); ++i) {
        const TParenObj& p = club.PairList[i];
        const TCalcObj& r = rows[i];
        const int group = club.PairsPerGroup > 0 ? static_cast<int>(i - 1) / club.PairsPerGroup + 1 : 1;
        std::cout << GroupLetter(group) << ',' << p.GrpNr << ',' << p.ClubNr << ',' << CsvField(p.Naam.get())
                  << ',' << Fixed2(r.Points) << ',' << r.Substitutes << ',' << Fixed2(r.Percentage) << ','
                  << Fixed2(r.Correction) << ',' << Fixed2(r.CompetitionTotal) << ',' << int(r.Status) << ','
                  << int(r.BoardsPlayed) << ',' << r.SessionRank << ',' << r.CompetitionRank << '\n';
    }
    return 0;
}

} // namespace velk::cli
