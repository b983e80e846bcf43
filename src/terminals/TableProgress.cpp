#include "terminals/TableProgress.h"

#include <algorithm>

namespace velk::terminals {

std::vector<TableProgress> ProgressOf(TableTerminals& terminals, int roundCount) {
    std::vector<TableProgress> list;
    for (const TerminalTable& t : terminals.tables()) {
        TableProgress p;
        p.label = t.label;
        p.pin = t.pin;
        p.round = terminals.currentRound(t);
        p.done = p.round > roundCount;
        p.entered = terminals.boardsEntered(t, p.total);
        list.push_back(p);
    }
    for (TableProgress& p : list) {
        const auto ahead = std::count_if(list.begin(), list.end(),
                                         [&](const TableProgress& other) { return other.round > p.round; });
        p.behind = ahead > 0 && 2 * static_cast<std::size_t>(ahead) >= list.size();
    }
    return list;
}

std::string BehindText(const std::vector<TableProgress>& tables) {
    std::string text;
    for (const TableProgress& p : tables)
        if (p.behind)
            text += (text.empty() ? "Achter: " : ", ") + p.label + " (ronde " + std::to_string(p.round) + ")";
    return text;
}

std::string RoundText(const TableProgress& table) {
    return table.done ? "klaar" : std::to_string(table.round);
}

} // namespace velk::terminals
