#include "reports/PairListReport.h"

#include "core/TextHelpers.h"
#include "reports/PageHeader.h"

namespace velk {

void WritePairList(ReportContext& context, ReportSink& sink) {
    context.width = 40;
    const Club& club = context.club;
    const bool numbers = context.dialogs.askYesNo(kAskClubNumbers);
    sink.beginBlock();
    WriteClubAndTitle(sink, context.heading, ReportTitle(context.kind), context.dialogs);
    sink.line(context.style.single(context.width));
    sink.boldOff();
    if (context.heading.printHead)
        sink.line(context.style.doubled(context.width));
    const int pairs = static_cast<int>(club.PairList.size()) - 1;
    for (int p = 1; p <= pairs; ++p) {
        const TParenObj& pair = club.PairList[static_cast<std::size_t>(p)];
        std::string line;
        if (numbers)
            line = PadLeft(std::to_string(pair.ClubNr) + "  ", 4);
        sink.line(line + pair.Naam.get());
        if (club.PairsPerGroup > 0 && p % club.PairsPerGroup == 0)
            sink.emptyLine();
    }
    sink.endBlock();
}

} // namespace velk
