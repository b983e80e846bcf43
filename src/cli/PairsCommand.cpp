// velk-cli pairs compose: pair names made from two members each, as "Selecteer Paren" makes them;
// velk-cli pairs edit: one pair's fields, as "Gegevens bewerken" takes them.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "club/PairEdit.h"
#include "members/MembersRegister.h"
#include "members/PairComposition.h"

#include <array>
#include <iostream>
#include <sstream>

namespace velk::cli {
namespace {

void Usage() {
    std::cerr << UsageOf("pairs");
}

int MemberWithId(const MembersRegister& members, const std::string& word) {
    try {
        std::size_t used = 0;
        const int id = std::stoi(word, &used);
        if (used != word.size())
            return -1;
        for (std::size_t i = 0; i < members.Members.size(); ++i)
            if (members.Members[i].LidID == id)
                return static_cast<int>(i);
    } catch (...) {
    }
    return -1;
}

// One "ROW ID1 ID2" line; false (with its message) when it was refused.
bool ComposeLine(PairComposition& compose, const MembersRegister& members, const std::string& line,
                 int number, const CliDialogs& dialogs) {
    std::istringstream in(line);
    std::string rowWord, first, second, rest;
    const auto where = "regel " + std::to_string(number) + ": ";
    if (!(in >> rowWord >> first >> second) || (in >> rest)) {
        std::cerr << where << "verwacht RIJ ID1 ID2\n";
        return false;
    }
    int row = 0;
    try {
        row = std::stoi(rowWord);
    } catch (...) {
    }
    if (row < 1 || row > static_cast<int>(compose.rows().size())) {
        std::cerr << where << "rij bestaat niet: " << rowWord << '\n';
        return false;
    }
    const int player1 = MemberWithId(members, first);
    const int player2 = MemberWithId(members, second);
    if (player1 < 0 || player2 < 0) {
        std::cerr << where << "lid bestaat niet: " << (player1 < 0 ? first : second) << '\n';
        return false;
    }
    compose.choosePlayer1(player1);
    compose.choosePlayer2(player2);
    const int errorsBefore = dialogs.errorCount();
    compose.makePair(row - 1);
    const auto& r = compose.rows()[static_cast<std::size_t>(row - 1)];
    const bool placed = r.player1 == player1 && r.player2 == player2 && dialogs.errorCount() == errorsBefore;
    if (!placed)
        std::cerr << where << line << '\n';
    return placed;
}

int RunEdit(const Args& raw) {
    const ArgParser args(raw, {"row", "clubnr", "group", "grpnr", "name"});
    const auto& pos = args.positional();
    // The options of the fields, in the order the dialog checks them.
    const std::array<const char*, kPairFieldCount> options = {"clubnr", "group", "grpnr", "name"};
    bool anyField = false;
    for (const char* option : options)
        anyField = anyField || args.value(option).has_value();
    int row = 0;
    if (pos.size() != 2 || !args.value("row") || !anyField || !args.unknown({"yes", "no"}).empty() ||
        !args.intValue("row", row)) {
        Usage();
        return 2;
    }
    OpenCompetition competition(args.answerYes(), CompanionFiles::None);
    if (!competition.Open(pos[1]))
        return 1;
    PairEdit edit(competition.club, competition.dialogs);
    if (!edit.open(row)) {
        std::cerr << "rij bestaat niet: " << row << '\n';
        return 1;
    }
    // As "&Voeg in": every field is checked, the ones not given as the pair has them.
    for (int i = 0; i < kPairFieldCount; ++i) {
        const auto field = static_cast<PairField>(i);
        if (!edit.enter(field, args.value(options[static_cast<std::size_t>(i)]).value_or(edit.text(field))))
            return 1;
    }
    if (!edit.commit() || competition.file.duplicateCheck() > 0 ||
        !competition.file.writeTo(competition.club.ClubFilePath, false))
        return 1;
    const TParenObj& p = edit.draft();
    std::cout << "Indx " << row << "  ClubNr " << p.ClubNr << "  Groep " << edit.text(PairField::Groep)
              << "  GrpNr " << p.GrpNr << "  Naam " << p.Naam.get() << '\n';
    return 0;
}

int RunCompose(const Args& raw) {
    const ArgParser args(raw, {});
    const auto& pos = args.positional();
    if (pos.size() != 3 || pos[0] != "compose" || !args.unknown({"yes", "no"}).empty()) {
        Usage();
        return 2;
    }
    // Copying is what the command is for: its question is answered Ja.
    OpenCompetition competition(true);
    if (!competition.Open(pos[1]))
        return 1;
    MembersRegister members(competition.dialogs);
    if (!members.open(pos[2]))
        return 1;
    PairComposition compose(competition.club, members, competition.dialogs);
    if (!compose.open())
        return 1;
    int refused = 0;
    int composed = 0;
    int number = 0;
    for (std::string line; std::getline(std::cin, line);) {
        ++number;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        if (ComposeLine(compose, members, line, number, competition.dialogs))
            ++composed;
        else
            ++refused;
    }
    // All or nothing: the pair list is left as it was when a line was refused.
    if (refused > 0) {
        std::cerr << "Parenbestand niet bewaard: " << refused << " regel(s) geweigerd\n";
        return 1;
    }
    if (!compose.copyToPairList() && composed > 0) {
        std::cerr << "Paren niet gekopieerd: alleen in de eerste zitting van een competitie\n";
        return 1;
    }
    if (!competition.Save())
        return 1;
    for (std::size_t i = 0; i < compose.rows().size(); ++i)
        std::cout << (i + 1) << "  " << compose.groupText(static_cast<int>(i))
                  << compose.numberText(static_cast<int>(i)) << "  " << compose.rows()[i].name << '\n';
    return 0;
}

} // namespace

int RunPairs(const Args& raw) {
    if (!raw.empty() && raw[0] == "edit")
        return RunEdit(raw);
    return RunCompose(raw);
}

} // namespace velk::cli
