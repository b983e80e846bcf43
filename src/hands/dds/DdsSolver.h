#pragma once

#include "hands/DoubleDummy.h"

namespace velk {

// The double-dummy solver of libdds: the tables of a whole set through CalcAllTablesPBN (at most
// 40 deals a call), the par of each board through DealerParBin.
class DdsSolver final : public DoubleDummySolver {
public:
    DdsSolver();
    bool solve(const std::vector<Deal>& deals, std::vector<TricksTable>& tables,
               std::string& problem) override;
    bool par(const TricksTable& table, int dealer, int vulnerability, ParResult& result,
             std::string& problem) override;
};

} // namespace velk
