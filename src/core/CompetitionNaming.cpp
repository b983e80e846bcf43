#include "core/CompetitionNaming.h"

#include "core/PathText.h"

namespace velk {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Position of the first "." of the file name, or the end of the path when it has none. A dot in
// a folder name does not count: cutting there would move the file to another folder.
std::size_t FirstDotOfFileName(const std::string& path) {
    const std::size_t dot = path.find('.', FileNameStart(path));
    return dot == std::string::npos ? path.size() : dot;
}

} // namespace

int CompetitionNumberFromFileName(const std::string& path, bool isCompetition) {
    if (!isCompetition)
        return 0;
    const std::size_t start = FileNameStart(path);
    const std::size_t dot = FirstDotOfFileName(path);
    if (dot == start)
        return 0;
    const char second = path[dot - 1];
    if (!IsDigit(second))
        return 0;
    const bool firstIsDigit = dot - start >= 2 && IsDigit(path[dot - 2]);
    if (!firstIsDigit)
        return second - '0';
    return (path[dot - 2] - '0') * 10 + (second - '0');
}

std::string FirstCompetitionPath(const std::string& path) {
    const std::size_t start = FileNameStart(path);
    const std::size_t dot = FirstDotOfFileName(path);
    if (dot > start && path[dot - 1] == '1')
        return dot == path.size() ? path + ".dba" : path;
    return path.substr(0, dot) + "_1.dba";
}

std::string NextCompetitionPath(const std::string& path) {
    const std::size_t start = FileNameStart(path);
    const std::size_t dot = FirstDotOfFileName(path);
    std::size_t digits = 0;
    while (digits < 2 && dot - start > digits && IsDigit(path[dot - 1 - digits]))
        ++digits;
    if (digits == 0)
        return FirstCompetitionPath(path);
    std::string next = std::to_string(CompetitionNumberFromFileName(path, true) + 1);
    if (next.size() < digits)
        next.insert(0, digits - next.size(), '0');
    return path.substr(0, dot - digits) + next + path.substr(dot);
}

std::string ScheduleFilePathFor(const std::string& competitionPath) {
    return ChangeFileExt(competitionPath, ".sma");
}

std::string ScoreFilePathFor(const std::string& competitionPath) {
    return ChangeFileExt(competitionPath, ".sco");
}

std::string SlamFilePathFor(const std::string& competitionPath) {
    return ChangeFileExt(competitionPath, ".slm");
}

} // namespace velk
