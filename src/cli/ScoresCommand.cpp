// velk-cli scores: score entry from standard input, as the score entry form stores it.
#include "cli/ArgParser.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/ScoreLines.h"
#include "cli/UsageTexts.h"
#include "core/ProgramFolder.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "members/SessionScoreImport.h"
#include "members/access/AccessReader.h"
#include "scoring/ScoreEntry.h"
#include "scoring/ScoreEntryCalculation.h"
#include "scoring/ScoreEntryE.h"
#include "scoring/ScoreFormat.h"

#include <cctype>
#include <cstdio>
#include <iostream>
#include <sstream>

namespace velk::cli {
namespace {

void Usage() {
    std::cerr << UsageOf("scores");
}

// "A", "b" or "2".
int GroupOf(const std::string& word, int groupCount) {
    int g = 0;
    if (word.size() == 1 && std::isalpha(static_cast<unsigned char>(word[0])))
        g = std::toupper(static_cast<unsigned char>(word[0])) - 'A' + 1;
    else
        try {
            std::size_t used = 0;
            g = std::stoi(word, &used);
            if (used != word.size())
                g = 0;
        } catch (...) {
            g = 0;
        }
    return g >= 1 && g <= groupCount ? g : 0;
}

int NumberOf(const std::string& word) {
    try {
        std::size_t used = 0;
        const int n = std::stoi(word, &used);
        return used == word.size() ? n : 0;
    } catch (...) {
        return 0;
    }
}

// One input line; false (with its message) when it was refused. Pairs: GROUP BOARD PAIR SCORE
// or GROUP BOARD PAIR CONTRACT RESULT; "Enkel": GROUP BOARD TABLE NZSCORE [OWSCORE], the table
// within the group and the East-West score only with --wijzig-ow.
bool EnterLine(ScoreEntry& entry, const Club& club, const std::string& line, int lineNumber) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    const auto where = "regel " + std::to_string(lineNumber) + ": ";
    auto* individual = dynamic_cast<ScoreEntryE*>(&entry);
    if (words.size() != 4 && words.size() != 5) {
        std::cerr << where
                  << (individual ? "verwacht GROEP SPEL TAFEL NZSCORE [OWSCORE]\n"
                                 : "verwacht GROEP SPEL PAAR SCORE [RESULTAAT]\n");
        return false;
    }
    const int group = GroupOf(words[0], club.CompetitionHead.GroupCount);
    if (group == 0) {
        std::cerr << where << "groep bestaat niet: " << words[0] << '\n';
        return false;
    }
    // Boards are given by their number; the records count them from the session's first board.
    const int board = NumberOf(words[1]) - FirstBoardOf(club.SessionHead) + 1;
    if (board < 1 || board > club.SessionHead.BoardCount) {
        std::cerr << where << "spel bestaat niet: " << words[1] << '\n';
        return false;
    }
    const int pairOrTable = NumberOf(words[2]);
    if (!entry.selectGroup(group))
        return false;
    bool ok = false;
    if (individual)
        // The East-West score after it is one of "Wijzig OW".
        ok = individual->acceptScoreAtTable(board, pairOrTable, words[3]) &&
             (words.size() == 4 || individual->acceptScoreAtTable(board, pairOrTable, words[4], true));
    else
        ok = words.size() == 5 ? entry.acceptContractFor(board, pairOrTable, words[3], words[4])
                               : entry.acceptScoreFor(board, pairOrTable, words[3]);
    if (!ok)
        std::cerr << where << line << '\n';
    entry.lastError = 0; // each line stands on its own
    return ok;
}

int Show(ScoreEntry& entry, const Club& club) {
    for (int g = 1; g <= club.CompetitionHead.GroupCount; ++g) {
        if (!entry.selectGroup(g))
            continue;
        for (int b = 1; b <= club.SessionHead.BoardCount; ++b)
            for (int p = 1; p <= club.PairsPerGroup; ++p) {
                const TScoreObj& r = entry.record(b, p);
                if (r.Code == 0 && r.Contract.get().empty())
                    continue;
                char text[128];
                std::snprintf(text, sizeof text, "%c %d %d %s %s %d %d %d %d %s", GroupLetter(g),
                              entry.boardNumber(b), p,
                              r.Contract.get().empty() ? "-" : r.Contract.get().c_str(),
                              r.Result.get().empty() ? "-" : r.Result.get().c_str(), r.Score, r.Direction,
                              r.Code, r.Flags, FormatScore(r).c_str());
                std::cout << text << '\n';
            }
    }
    return 0;
}

// The results of a session file of the other club program, into the open session.
int Import(OpenCompetition& competition, const std::string& source) {
    AccessTable table;
    const AccessRead status = ReadAccessTable(source, kSessionTable, table);
    SessionScoreImport import(competition.club, competition.dialogs);
    if (!import.takeTable(source, status, std::move(table)) || !import.copyScores())
        return 1;
    if (!competition.Save())
        return 1;
    std::cout << import.table().Rows.size() << " scores overgenomen in zitting " << import.session() << '\n';
    return 0;
}

} // namespace

int RunScores(const Args& raw) {
    const ArgParser args(raw, {"session"});
    const auto& pos = args.positional();
    const bool import = pos.size() == 3 && pos[0] == "import";
    if ((pos.size() != 2 && !import) || (pos[0] != "enter" && pos[0] != "show" && !import) ||
        !args.unknown({"yes", "no", "wijzig-ow"}).empty()) {
        Usage();
        return 2;
    }
    int session = 0;
    if (args.value("session") && !args.intValue("session", session))
        return 2;
    OpenCompetition competition(args.answerYes());
    if (pos[0] == "show")
        competition.readOnly();
    if (!competition.Open(pos[1], session))
        return 1;
    if (import)
        return Import(competition, pos[2]);
    if (pos[0] == "enter")
        return EnterScoreLines(competition, std::cin, args.has("wijzig-ow"));
    Club& club = competition.club;
    ErrorCode tableError;
    const ScoreTables tables = LoadScoreTables(DataFolder(), competition.dialogs, tableError);
    ScoreEntry entry(club, tables, competition.dialogs);
    if (!entry.open(ScoreEntry::Mode::PerBoard))
        return 1;
    return Show(entry, club);
}

int EnterScoreLines(OpenCompetition& competition, std::istream& in, bool changeEastWest) {
    Club& club = competition.club;
    ErrorCode tableError;
    const ScoreTables tables = LoadScoreTables(DataFolder(), competition.dialogs, tableError);
    SessionScoreEntry made = MakeSessionScoreEntry(club, tables, competition.dialogs);
    ScoreEntry& entry = *made.entry;
    if (!entry.open(ScoreEntry::Mode::PerBoard))
        return 1;
    if (changeEastWest)
        entry.startChangeEastWest();
    int entered = 0;
    int refused = 0;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#')
            continue;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (EnterLine(entry, club, line, lineNumber))
            ++entered;
        else
            ++refused;
    }
    // All or nothing: a script that made a mistake gets its file back as it was.
    if (refused > 0) {
        std::cerr << "Scorelijst niet bewaard: " << refused << " regel(s) geweigerd\n";
        return 1;
    }
    // Saved as "OK" in the window saves: every group stored, then the score file.
    if (!entry.saveAll(false)) {
        std::cerr << "Scorelijst niet bewaard\n";
        return 1;
    }
    std::cout << entered << " scores ingevoerd\n";
    return 0;
}

} // namespace velk::cli
