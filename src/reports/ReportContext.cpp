#include "reports/ReportContext.h"

namespace velk {

ReportContext::ReportContext(Club& club, Dialogs& dialogs, ReportKind kind)
    : club(club), dialogs(dialogs), kind(kind), style(ReportStyle::Of(club.ConfigRecord)) {
    heading.clubName = club.ConfigRecord.Head.CompetitionName.get();
    heading.sessionDate = club.SessionHead.SessionDate.get();
    heading.printHead = (club.ConfigRecord.OptionFlags & OptionFlag::PrintPageHead) != 0;
    heading.pairList = kind == ReportKind::PairList;
}

} // namespace velk
