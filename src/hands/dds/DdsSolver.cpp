#include "hands/dds/DdsSolver.h"

#include "hands/DealText.h"
#include "scoring/Vulnerability.h"

#include <algorithm>
#include <cstring>
#include <dds/dll.h>
#include <memory>
#include <mutex>

namespace velk {

namespace {

std::string DdsProblem(int code) {
    char text[80] = {};
    ErrorMessage(code, text);
    return "de dubbel-dummy-analyse mislukte (DDS " + std::to_string(code) + ": " + text + ")";
}

// DDS numbers vulnerability 0 none, 1 both, 2 North-South, 3 East-West.
int DdsVulnerability(int vulnerability) {
    switch (vulnerability) {
    case BothVulnerable:
        return 1;
    case NorthSouthVulnerable:
        return 2;
    case EastWestVulnerable:
        return 3;
    default:
        return 0;
    }
}

// DDS numbers the par contract's strain 0 no trump, 1 spades ... 4 clubs.
int StrainOfDenomination(int denom) {
    return denom == 0 ? NoTrump : denom - 1;
}

} // namespace

DdsSolver::DdsSolver() {
    static std::once_flag threads;
    std::call_once(threads, [] { SetMaxThreads(0); });
}

bool DdsSolver::solve(const std::vector<Deal>& deals, std::vector<TricksTable>& tables,
                      std::string& problem) {
    tables.clear();
    // Large structures: on the heap rather than the stack.
    auto in = std::make_unique<ddTableDealsPBN>();
    auto out = std::make_unique<ddTablesRes>();
    auto parUnused = std::make_unique<allParResults>();
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    for (std::size_t start = 0; start < deals.size(); start += MAXNOOFTABLES) {
        const std::size_t n = std::min<std::size_t>(MAXNOOFTABLES, deals.size() - start);
        std::memset(in.get(), 0, sizeof *in);
        std::memset(out.get(), 0, sizeof *out);
        in->noOfTables = static_cast<int>(n);
        for (std::size_t i = 0; i < n; ++i) {
            const std::string text = PbnDealText(deals[start + i]);
            std::snprintf(in->deals[i].cards, sizeof in->deals[i].cards, "%s", text.c_str());
        }
        const int code = CalcAllTablesPBN(in.get(), -1, filter, out.get(), parUnused.get());
        if (code != RETURN_NO_FAULT) {
            problem = DdsProblem(code);
            tables.clear();
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) {
            TricksTable table;
            for (int strain = 0; strain < kStrainCount; ++strain)
                for (int seat = 0; seat < 4; ++seat)
                    table.tricks[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)] =
                        out->results[i].resTable[strain][seat];
            tables.push_back(table);
        }
    }
    return true;
}

bool DdsSolver::par(const TricksTable& table, int dealer, int vulnerability, ParResult& result,
                    std::string& problem) {
    ddTableResults in{};
    for (int strain = 0; strain < kStrainCount; ++strain)
        for (int seat = 0; seat < 4; ++seat)
            in.resTable[strain][seat] = table.at(seat, strain);
    parResultsMaster out{};
    const int code = DealerParBin(&in, &out, dealer, DdsVulnerability(vulnerability));
    if (code != RETURN_NO_FAULT) {
        problem = DdsProblem(code);
        return false;
    }
    result.score = out.score;
    result.contracts.clear();
    for (int i = 0; i < std::clamp(out.number, 0, 10); ++i) {
        const contractType& c = out.contracts[i];
        result.contracts.push_back(
            {c.level, StrainOfDenomination(c.denom), c.seats, c.overTricks, c.underTricks});
    }
    return true;
}

} // namespace velk
