#include "reports/ReferenceTablesReport.h"

#include "core/ProgramFolder.h"
#include "reports/ListHead.h"
#include "reports/ReportFields.h"
#include "scoring/ScoreTables.h"

namespace velk {

namespace {

std::string VulnerableStatus(std::uint8_t c) {
    if (!(c & ScoreClass::PossibleVulnerable))
        return "     -     ";
    return (c & ScoreClass::NormalVulnerable) ? "  normaal  " : "  verdacht ";
}

std::string NotVulnerableStatus(std::uint8_t c) {
    const bool wide = (c & ScoreClass::PossibleVulnerable) != 0;
    if (!(c & ScoreClass::PossibleNotVulnerable)) {
        if (c == 12)
            return "    -     ";
        return wide ? "     -    " : "    -     ";
    }
    if (c & ScoreClass::NormalNotVulnerable)
        return wide ? "  normaal  " : "  normaal";
    return wide ? "  verdacht " : "  verdacht";
}

void WriteAllScores(ReportSink& sink, const ScoreTables& tables) {
    sink.line(" L I J S T  van alle mogelijke  S C O R E S");
    sink.line(" Score Kwetsbaar   Score NIET Kwetsbaar");
    const auto& classes = *tables.ScoreClasses;
    for (std::size_t k = 0; k < classes.size(); ++k) {
        const std::uint8_t c = classes[k];
        if (c == 0)
            continue;
        // The byte before the first describes 10 points.
        const int score = static_cast<int>(k + 1) * 10;
        sink.line(IntField(score, 6) + VulnerableStatus(c) + " " + IntField(score, 6) +
                  NotVulnerableStatus(c));
    }
}

void WriteArbitralScores(ReportContext& context, ReportSink& sink, const ScoreTables& tables) {
    sink.line("ARBITRALE  SCORES voor BUTLER");
    sink.emptyLine();
    sink.line("       %    Imp.    CImp.");
    sink.line(context.style.single(25));
    const auto& values = *tables.ArbitralScores;
    for (std::size_t n = 0; n < values.size(); ++n)
        // Butler holds tenths of an IMP, cross-IMP whole IMPs, as the calculation reads them.
        sink.line("     " + IntField(static_cast<long long>(n), 3) + "   " +
                  FixedField(values[n].Butler / 10.0, 4, 1) + "   " + FixedField(values[n].CrossImp, 4, 1));
    sink.line("Arbitrale Score Conversie: ArbScors.dab");
}

void WriteContractScores(ReportSink& sink, const ScoreTables& tables) {
    sink.line("LIJST  van alle C O N T R A C T E N  en hun  S C O R E S");
    sink.line("NK = Niet Kwetsbaar;  K = Kwetsbaar");
    sink.line("Contract    NK   NK Doubl. NK Redoubl.   K       K Doubl. K Redoubl.");
    for (const TContrScrOBJ& record : tables.ContractScorsTable) {
        std::string line = TextField(record.Name.get(), 5);
        for (const std::int16_t score : record.Scores)
            line += IntField(score, 9);
        sink.line(line);
    }
}

} // namespace

void WriteReferenceTable(ReportContext& context, ReportSink& sink) {
    context.width = ListWidth(context, 70);
    ErrorCode errorCode;
    const bool contracts = context.kind == ReportKind::ContractScores;
    // A table that cannot be read has been reported by the loading; nothing is shown then.
    const ScoreTables tables = LoadScoreTables(DataFolder(), context.dialogs, errorCode, contracts);
    const bool present = context.kind == ReportKind::AllScores ? tables.ScoreClasses.has_value()
                         : context.kind == ReportKind::ArbitralScoreTable
                             ? tables.ArbitralScores.has_value()
                             : !tables.ContractScorsTable.empty();
    if (!present) {
        context.cancelled = true;
        return;
    }
    // The tables need no session: each carries its own heading instead of the page head.
    sink.beginBlock();
    switch (context.kind) {
    case ReportKind::AllScores:
        WriteAllScores(sink, tables);
        break;
    case ReportKind::ArbitralScoreTable:
        WriteArbitralScores(context, sink, tables);
        break;
    default:
        WriteContractScores(sink, tables);
        break;
    }
    sink.endBlock();
}

} // namespace velk
