// velk-cli members: the members register without its window.
#include "cli/ArgParser.h"
#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "cli/UsageTexts.h"
#include "core/Clock.h"
#include "core/FileBytes.h"
#include "members/MemberImport.h"
#include "members/MembersImport.h"
#include "members/MembersRegister.h"
#include "members/access/AccessReader.h"

#include <cctype>
#include <filesystem>
#include <iostream>
#include <map>

namespace velk::cli {
namespace {

constexpr std::size_t kMaxExportBytes = 16u * 1024 * 1024;

void Usage() {
    std::cerr << UsageOf("members");
}

int Show(const std::string& path) {
    CliDialogs dialogs;
    MembersRegister members(dialogs);
    if (!members.open(path))
        return 1;
    std::cout << MembersTextList(members.Members);
    return 0;
}

int Sort(const std::string& path, const ArgParser& args) {
    const std::map<std::string, MemberSortKey> keys = {{"id", MemberSortKey::Id},
                                                       {"achternaam", MemberSortKey::AchterNaam},
                                                       {"voornaam", MemberSortKey::VoorNaam}};
    const auto key = keys.find(args.value("key").value_or(""));
    if (key == keys.end()) {
        Usage();
        return 2;
    }
    CliDialogs dialogs;
    MembersRegister members(dialogs);
    if (!members.open(path))
        return 1;
    members.sort(key->second);
    std::cout << MembersTextList(members.Members);
    // A list in ID order is shown, not saved, as the register window refuses to save it.
    if (members.notSortedByName())
        return 0;
    return members.save() ? 0 : 1;
}

int Import(const std::string& source, const std::string& target, const ArgParser& args) {
    CliDialogs dialogs(args.answerYes());
    SystemClock clock;
    MembersImport import(dialogs, clock);
    std::string extension = std::filesystem::path(source).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".csv") {
        const FileBytes file = ReadFileBytes(source, kMaxExportBytes);
        if (!file.ok()) {
            dialogs.error(" File bestaat niet");
            return 1;
        }
        if (!import.takeExport(source, std::string(file.bytes.begin(), file.bytes.end())))
            return 1;
    } else {
        AccessTable table;
        const AccessRead status = ReadAccessTable(source, kMembersTable, table);
        if (!import.takeDatabase(source, status, std::move(table)))
            return 1;
    }
    std::error_code ec;
    if (std::filesystem::exists(target, ec) && !dialogs.askYesNo(target + " bestaat al\rOverschrijven?"))
        return 1;
    return import.copyTo(target) ? 0 : 1;
}

} // namespace

int RunMembers(const Args& raw) {
    const ArgParser args(raw, {"key"});
    const auto& pos = args.positional();
    if (pos.empty() || !args.unknown({"yes", "no"}).empty()) {
        Usage();
        return 2;
    }
    if (pos[0] == "show" && pos.size() == 2)
        return Show(pos[1]);
    if (pos[0] == "sort" && pos.size() == 2)
        return Sort(pos[1], args);
    if (pos[0] == "import" && pos.size() == 3)
        return Import(pos[1], pos[2], args);
    Usage();
    return 2;
}

} // namespace velk::cli
