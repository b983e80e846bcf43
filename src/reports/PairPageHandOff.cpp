#include "reports/PairPageHandOff.h"

#include "core/SafeSave.h"

#include <filesystem>

namespace velk {

bool HandOffPairPage(const PairPagesInput& input, int group, int row, const std::string& dataFolder,
                     Dialogs& dialogs, DocumentOpener& opener) {
    const Club& club = input.club;
    const TParenObj& pair = club.PairList[static_cast<std::size_t>((group - 1) * club.PairsPerGroup + row)];
    const std::string path =
        (std::filesystem::path(dataFolder) / PairPageFileName(group, pair.GrpNr)).string();
    std::error_code error;
    std::filesystem::create_directories(dataFolder, error);
    const std::string page = PairPage(input, group, row);
    if (!SaveFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(page.data()), page.size()),
                            {})) {
        dialogs.error(kWordEditFailed);
        return false;
    }
    const std::optional<std::string> chosen = dialogs.openFileName(PairPageFileChoice(path));
    if (!chosen)
        return false;
    if (!std::filesystem::is_regular_file(*chosen, error)) {
        dialogs.error(kWordEditFailed);
        return false;
    }
    if (opener.openInWordProcessor(*chosen) || opener.openWithDesktop(*chosen))
        return true;
    dialogs.error(kWordStartFailed);
    return false;
}

} // namespace velk
