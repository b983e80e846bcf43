// velk-cli hands export: the session's hand record for the dealing machines or on paper.
#include "cli/ArgParser.h"
#include "cli/SessionHands.h"
#include "cli/UsageTexts.h"
#include "core/SafeSave.h"
#include "core/files/DlmFile.h"
#include "core/files/DupFile.h"
#include "hands/PbnHandRecord.h"
#include "hands/pdf/HandRecordPdf.h"

#include <iostream>

namespace velk::cli {

int RunHandsExport(const ArgParser& args) {
    const std::string format = args.value("format").value_or("");
    if (format != "pbn" && format != "dup" && format != "dlm" && format != "pdf") {
        std::cerr << "--format: pbn, dup, dlm of pdf\n";
        return 2;
    }
    OpenCompetition open(false, CompanionFiles::None);
    SessionHands hands;
    if (const int status = OpenForHands(open, args, &hands))
        return status;
    std::vector<NumberedDeal> deals;
    for (const HandBoard& b : hands.record.boards)
        deals.push_back({b.board, b.deal});
    // On paper the analysis is printed too: what is not analysed yet is analysed first.
    if (format == "pdf" && !hands.AnalyseAndStore())
        return 1;
    std::vector<std::uint8_t> bytes;
    if (format == "pdf") {
        bytes = HandRecordPdf(hands.record);
    } else if (format == "dup") {
        bytes = DupFileBytes(deals);
    } else if (format == "dlm") {
        bytes = DlmFileBytes(deals);
    } else {
        const std::string text = PbnHandRecordText(hands.record);
        bytes.assign(text.begin(), text.end());
    }
    const std::string& output = args.positional()[1];
    if (!SaveFileAtomically(output, bytes, {})) {
        std::cerr << "niet geschreven: " << output << '\n';
        return 1;
    }
    return 0;
}

} // namespace velk::cli
