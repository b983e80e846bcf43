#include "hands/HandRecord.h"

#include "hands/BoardFacts.h"
#include "scoring/Vulnerability.h"

namespace velk {

const HandBoard* HandRecord::find(int board) const {
    for (const HandBoard& b : boards)
        if (b.board == board)
            return &b;
    return nullptr;
}

int AnalyseMissing(HandRecord& record, DoubleDummySolver& solver, std::string& problem) {
    std::vector<std::size_t> missing;
    std::vector<Deal> deals;
    for (std::size_t i = 0; i < record.boards.size(); ++i)
        if (!record.boards[i].analysis) {
            missing.push_back(i);
            deals.push_back(record.boards[i].deal);
        }
    if (missing.empty())
        return 0;
    std::vector<TricksTable> tables;
    if (!solver.solve(deals, tables, problem))
        return -1;
    if (tables.size() != deals.size()) {
        problem = "de dubbel-dummy-analyse gaf te weinig uitkomsten";
        return -1;
    }
    std::vector<BoardAnalysis> found(missing.size());
    for (std::size_t k = 0; k < missing.size(); ++k) {
        const int board = record.boards[missing[k]].board;
        found[k].tricks = tables[k];
        if (!solver.par(tables[k], BoardDealer(board), BoardVulnerability(board), found[k].par, problem))
            return -1;
    }
    for (std::size_t k = 0; k < missing.size(); ++k)
        record.boards[missing[k]].analysis = found[k];
    return static_cast<int>(missing.size());
}

} // namespace velk
