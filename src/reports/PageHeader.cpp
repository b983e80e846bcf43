#include "reports/PageHeader.h"

#include "core/Dialogs.h"
#include "core/TextEncoding.h"
#include "core/TextHelpers.h"

#include <cctype>

namespace velk {

namespace {

std::optional<int> Digits(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

int Length(std::string_view text) {
    return static_cast<int>(Utf8Length(text));
}

} // namespace

std::optional<Season> SeasonOf(std::string_view sessionDate) {
    const std::string_view date = Trim(sessionDate);
    const std::size_t firstDash = date.find('-');
    if (date.size() < 4 || firstDash == std::string_view::npos)
        return std::nullopt;
    const std::optional<int> year = Digits(date.substr(date.size() - 4));
    const std::size_t yearAt = date.size() - 4;
    if (!year || yearAt < firstDash + 2 || date[yearAt - 1] != '-')
        return std::nullopt;
    const std::optional<int> month = Digits(date.substr(firstDash + 1, yearAt - 1 - (firstDash + 1)));
    if (!month || *month < 1 || *month > 12)
        return std::nullopt;
    if (*month <= 7)
        return Season{*year - 1, *year};
    return Season{*year, *year + 1};
}

std::string SeasonText(const std::optional<Season>& season) {
    std::string text = kSeasonText;
    if (season)
        text += std::to_string(season->firstYear) + "-" + std::to_string(season->secondYear);
    else
        text += "-";
    return text;
}

std::string ClubLine(std::string_view clubName, const std::optional<Season>& season) {
    return std::string(kClubLineStart) + std::string(clubName) + "     " + SeasonText(season);
}

std::string TitleLine(std::string_view title, int clubLineLength, std::string_view sessionDate) {
    return std::string(title) + Repeat(" ", clubLineLength - Length(title) - 18) +
           "Datum : " + std::string(sessionDate);
}

int MinimumReportWidth(std::string_view clubName) {
    return Length(kClubLineStart) + Length(clubName) + Length(kSeasonText) + 15;
}

int WriteClubAndTitle(ReportSink& sink, const ReportHeading& heading, std::string_view title,
                      Dialogs& dialogs) {
    const std::optional<Season> season = SeasonOf(heading.sessionDate);
    if (!season)
        dialogs.error(kDateUnreadable);
    std::string clubLine = ClubLine(heading.clubName, season);
    const int length = Length(clubLine);
    if (heading.pairList)
        clubLine = PadRight(heading.clubName, length);
    sink.boldOn();
    if (heading.printHead)
        sink.line(clubLine);
    sink.line(TitleLine(title, length, heading.sessionDate));
    return length;
}

} // namespace velk
