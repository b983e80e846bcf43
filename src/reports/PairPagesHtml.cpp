#include "reports/PairPagesHtml.h"

namespace velk {

bool ShowPairPagesAsHtml(ReportContext&, int, int) {
    return false;
}

} // namespace velk
