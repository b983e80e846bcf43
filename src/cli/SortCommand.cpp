// velk-cli sort: sorts the pair list as the sort dialog does and saves the file.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "club/PairSorting.h"
#include "selection/SelectionText.h"

#include <cstdio>
#include <iostream>
#include <map>

namespace velk::cli {
namespace {

void Usage() {
    std::cerr << UsageOf("sort");
}

template <typename T>
bool Choose(const ArgParser& args, const char* name, const std::map<std::string, T>& names, T& out) {
    const auto v = args.value(name);
    if (!v)
        return true;
    const auto it = names.find(*v);
    if (it == names.end()) {
        std::cerr << "--" << name << ": onbekend: " << *v << '\n';
        return false;
    }
    out = it->second;
    return true;
}

void PrintPairs(const Club& club) {
    char line[96];
    for (std::size_t i = 1; i < club.PairList.size(); ++i) {
        const TParenObj& p = club.PairList[i];
        std::snprintf(line, sizeof line, "  %3d  %c  %2d  %3d  ", p.ClubNr, static_cast<char>(p.Groep),
                      p.GrpNr, p.Rang);
        std::cout << line << p.Naam.get() << '\n';
    }
}

} // namespace

int RunSort(const Args& raw) {
    const ArgParser args(raw, {"key", "scope", "group"});
    const auto& pos = args.positional();
    if (pos.size() != 1 || !args.unknown({"yes", "no"}).empty()) {
        Usage();
        return 2;
    }
    SortChoice choice;
    const std::map<std::string, SortKey> keys = {{"clubnr", SortKey::ClubNr},
                                                 {"grpnr", SortKey::GrpNr},
                                                 {"naam", SortKey::Naam},
                                                 {"plaats", SortKey::Plaats}};
    const std::map<std::string, SortScope> scopes = {{"groep", SortScope::Groep}, {"club", SortScope::Club}};
    if (!Choose(args, "key", keys, choice.key) || !Choose(args, "scope", scopes, choice.scope)) {
        Usage();
        return 2;
    }

    OpenCompetition open(args.answerYes());
    if (!open.Open(pos[0]))
        return 1;
    Club& club = open.club;
    int group = 0;
    if (const auto letter = args.value("group")) {
        group = GroupOrdinal(FirstCharacterUpper(*letter));
        if (group < 1 || group > club.CompetitionHead.GroupCount) {
            std::cerr << "--group: groep bestaat niet: " << *letter << '\n';
            return 2;
        }
    }

    SortPairs(club, group, choice.key, choice.scope, false);
    PrintPairs(club);
    // Every other part finds a group's pairs by list position, so only the group order is saved.
    open.file.NeedSortFirst = NeedSortFirstAfter(choice);
    return open.file.save(false, false) ? 0 : 1;
}

} // namespace velk::cli
