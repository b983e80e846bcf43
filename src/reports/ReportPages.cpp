#include "reports/ReportPages.h"

#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"

#include <algorithm>

namespace velk {

int LinesOnPage(const PageLayout& layout) {
    const int room = layout.pageHeight - layout.topMargin - layout.bottomMargin;
    return std::max(1, room / std::max(1, layout.lineHeight));
}

std::vector<PrintedPage> LayPages(const ReportDocument& report, const PageLayout& layout,
                                  const std::vector<std::string>& ownerLines) {
    const int perPage = LinesOnPage(layout);
    std::vector<PrintedPage> pages(1);
    bool bold = false;
    auto put = [&](const std::string& text) {
        if (static_cast<int>(pages.back().size()) >= perPage)
            pages.emplace_back();
        pages.back().push_back({text, bold});
    };
    for (const ReportLine& entry : report.lines()) {
        switch (entry.kind) {
        case ReportLineKind::Text:
            put(entry.text);
            break;
        case ReportLineKind::BoldOn:
            bold = true;
            break;
        case ReportLineKind::BoldOff:
            bold = false;
            break;
        case ReportLineKind::NewPage:
            if (pages.back().size() > 10)
                pages.emplace_back();
            break;
        case ReportLineKind::BeginBlock:
        case ReportLineKind::EndBlock:
            break;
        }
    }
    bold = false;
    for (const std::string& line : ownerLines)
        put(line);
    return pages;
}

std::vector<std::string> OwnerLines(const TConfigObj& config) {
    const auto& d = config.PersonalData;
    const std::string place = d[2].get() + " " + d[3].get();
    return {d[0].get(), d[1].get(), std::string(Trim(place)), d[4].get()};
}

bool PrintsLandscape(bool reportAsks, int reportWidth, bool optionLandscape) {
    return reportAsks || reportWidth > 100 || optionLandscape;
}

} // namespace velk
