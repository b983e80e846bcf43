#include "reports/PairPagesHtml.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "hands/SessionHandRecord.h"
#include "reports/PairPageHandOff.h"
#include "reports/PairPagesReport.h"

#include <filesystem>

namespace velk {

bool ShowPairPagesAsHtml(ReportContext& context, SessionMatchPoints& mp, int group, int pair) {
    if (!context.opener)
        return false;
    if (!mp.computed(group)) {
        ReportNoMatchPoints(context);
        return true;
    }
    context.delivered = HandOffPairPage({context.club, mp.scores(), mp.boardMatchPoints(), mp.boardTops()},
                                        group, pair, context.handOffFolder, context.dialogs, *context.opener);
    return true;
}

void WritePairPagesReport(ReportContext& context, ReportSink&) {
    SessionMatchPoints mp(context.club, context.dialogs);
    if (!mp.available()) {
        ReportNoMatchPoints(context);
        return;
    }
    const GroupRange groups = ChosenGroups(context);
    if (groups.last < groups.first) {
        context.cancelled = true;
        return;
    }
    const std::string folder = std::filesystem::path(context.club.ClubFilePath).parent_path().string();
    // The pages show the match points the results were summed from.
    auto folderFor = [&](int group) -> std::optional<std::string> {
        if (!mp.hasResults(group)) {
            ReportNoResults(context, group);
            return std::nullopt;
        }
        if (!mp.computed(group)) {
            ShowError(context.dialogs, context.club.ErrorCode, "", ErrorMessage::NoMatchPoints);
            return std::nullopt;
        }
        const std::optional<std::string> chosen =
            context.dialogs.saveFileName(PairPagesFileChoice(group, folder));
        if (!chosen)
            return std::nullopt;
        return std::filesystem::path(*chosen).parent_path().string();
    };
    // Each board links to its hands when the session has them.
    const SessionHandRecord hands =
        LoadSessionHands(context.club.ClubFilePath, context.club.CurrentSession, context.solver);
    context.delivered = WriteAllPairPages({context.club, mp.scores(), mp.boardMatchPoints(), mp.boardTops(),
                                           hands.hasBoards() ? &hands.record : nullptr},
                                          groups.first, groups.last, folderFor, context.dialogs);
}

} // namespace velk
