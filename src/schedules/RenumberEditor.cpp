#include "schedules/RenumberEditor.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/PathText.h"
#include "core/files/RenumberFile.h"
#include "schedules/SchedulesFolder.h"

#include <algorithm>
#include <cstdio>

namespace velk {

namespace {

constexpr int kMinimumGridColumns = 49;

std::string TwoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

} // namespace

std::string RenumberScheduleLine(const Club& club) {
    const TZitSchemaObj* schedule = club.CurrentSchedule();
    return "Schema: " + (schedule ? schedule->BaseScheduleNames[0].get() : std::string());
}

int RenumberGridColumns(int pairs) {
    // Wider than 49 when the chosen pairs need it: the pairs box offers up to 64.
    return std::max(kMinimumGridColumns, pairs + 1);
}

std::string RenumberColumnHeader(int column) {
    return column == 0 ? std::string(" Paren") : " " + TwoDigits(column);
}

std::string RenumberRowLabel(const Club& club, int session) {
    return session >= 1 && session <= club.SessionCount() ? "Zit " + TwoDigits(session) : std::string();
}

void RenumberEditor::start(int pairs) {
    pairs_ = std::clamp(pairs, 0, TReNumOBj::MaxPairs);
    opened_ = false;
}

std::optional<std::vector<std::vector<int>>> RenumberEditor::openTable(Club& club, Dialogs& dialogs) {
    const auto folder = SchedulesFolder(dialogs);
    if (!folder)
        return std::nullopt;
    FileChoice choice;
    choice.title = "Vernummer tabel openen";
    choice.filter = "Vernummer bestand (*.*)|*.*";
    choice.initialPath = *folder + "/*" + std::to_string(pairs_) + "*.*";
    const auto path = dialogs.openFileName(choice);
    if (!path)
        return std::nullopt;
    dialogs.information("Bridge Vernummeren bestand\r Openen van\r" + FileNameOf(*path));
    const int sessionsPerCompetition = club.CompetitionHead.SessionsPerCompetition;
    const int groupPairs = club.SessionHead.GroupPairs[0];
    auto list = ReadRenumberFile(*path, sessionsPerCompetition, pairs_, groupPairs, dialogs, club.ErrorCode);
    if (!list)
        return std::nullopt;
    renumberList_ = std::move(*list);
    renumberFile_ = *path;
    opened_ = true;

    // A table with more sessions or pairs than the grid has is loaded whole, shown as far as it fits.
    const int sessions = std::min(static_cast<int>(renumberList_.size()) - 1, sessionsPerCompetition);
    const int shownPairs = std::clamp(groupPairs, 0, pairs_);
    std::vector<std::vector<int>> rows;
    for (int z = 1; z <= sessions; ++z) {
        const TReNumOBj& row = renumberList_[static_cast<std::size_t>(z)];
        rows.emplace_back(row.Pairs.begin(), row.Pairs.begin() + shownPairs);
    }
    return rows;
}

bool RenumberEditor::saveTable(const std::vector<std::vector<int>>& gridRows,
                               const SessionChoice& chooseCount, Club& club, Dialogs& dialogs) {
    if (!dialogs.askYesNo("Vernummertabel bewaren ?"))
        return true;
    const int chosen = chooseCount();
    if (chosen < 0)
        return false;
    // "*" keeps every row of the grid.
    const int sessions = chosen == 0 ? club.CompetitionHead.SessionsPerCompetition : chosen;
    auto list = BuildRenumberList(gridRows, sessions, pairs_, dialogs);
    if (!list)
        return false;
    const auto folder = SchedulesFolder(dialogs);
    if (!folder)
        return false;
    FileChoice choice;
    choice.title = "Vernummer tabel bewaren";
    choice.filter = "Vernummer file (*.vnm*)|*.VNM*|Special file (*.*)|*.*";
    choice.defaultExtension = "vnm";
    choice.initialPath = *folder + "/*.*";
    const auto path = dialogs.saveFileName(choice);
    if (!path)
        return false;
    dialogs.information("Bridge Vernummeren bestand\r Bewaren van\r" + FileNameOf(*path));
    if (!WriteRenumberFile(*path, *list)) {
        // The grid stays on screen, so the user can try another place.
        ShowFileError(dialogs, club.ErrorCode, FileNameOf(*path), FileError::WriteFailed, Hint::TryAgain);
        return false;
    }
    renumberList_ = std::move(*list);
    renumberFile_ = *path;
    return true;
}

bool RenumberEditor::makeSchedule(const CountsChoice& askCounts, const SessionChoice& chooseSession,
                                  ScheduleEditor& editor, Club& club, Dialogs& dialogs) {
    if (!opened_)
        return false;
    int scheduleType = 0;
    const auto counts = askCounts(&scheduleType);
    if (!counts)
        return false;
    editor.adopt(WorkSchedule::Empty(*counts));
    editor.scheduleType = scheduleType;
    const int session = chooseSession();
    if (session < 0)
        return true;
    // Row 0 is the table's header and rows past its end do not exist: neither can be applied.
    if (session == 0 || session >= static_cast<int>(renumberList_.size())) {
        dialogs.error("Zitting " + (session == 0 ? std::string("*") : std::to_string(session)) +
                      " staat niet in de vernummertabel");
        return false;
    }
    const TZitSchemaObj noSchedule;
    const TZitSchemaObj& source =
        club.SessionScheduleList.empty() ? noSchedule : club.SessionScheduleList.front();
    editor.adopt(RenumberSchedule(source, renumberList_, session, *counts, dialogs));
    if (const auto path = editor.saveAs(dialogs, club.ErrorCode)) {
        club.BaseScheduleFile = *path;
        dialogs.information("Bridge Schema bestand opgeslagen: " + FileNameOf(*path));
    }
    return true;
}

} // namespace velk
