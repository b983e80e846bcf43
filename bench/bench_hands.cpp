// The analysis of a fresh 48-board session as `velk-cli hands show` does it (read the hand
// record, solve what is not analysed, par per board, store the record), against the solver's
// own CalcAllTablesPBN on the same deals: the program should add next to nothing.
#include "hands/DealText.h"
#include "hands/Dealing.h"
#include "hands/HandRecordFile.h"
#include "hands/dds/DdsSolver.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <dds/dll.h>
#include <filesystem>
#include <memory>

namespace {

using namespace velk;

std::vector<NumberedDeal> Fresh48() {
    SeededRandom random(48);
    return *DealBoards(1, 48, random);
}

void HandsShow(benchmark::State& state) {
    const auto deals = Fresh48();
    const std::string path = (std::filesystem::temp_directory_path() / "velk_bench_hands1.pbn").string();
    HandRecord fresh;
    for (const NumberedDeal& d : deals)
        fresh.boards.push_back({d.board, d.deal, std::nullopt});
    DdsSolver solver;
    for (auto _ : state) {
        state.PauseTiming();
        SaveHandRecord(path, fresh);
        state.ResumeTiming();
        HandRecord record;
        std::string problem;
        if (ReadHandRecord(path, record, problem) != HandRecordRead::Ok ||
            AnalyseMissing(record, solver, problem) != 48 || !SaveHandRecord(path, record))
            state.SkipWithError(problem.c_str());
    }
    std::filesystem::remove(path);
}

void CalcAllTablesDirect(benchmark::State& state) {
    const auto deals = Fresh48();
    DdsSolver threadsOnce; // SetMaxThreads(0), as the program has it
    auto in = std::make_unique<ddTableDealsPBN>();
    auto out = std::make_unique<ddTablesRes>();
    auto par = std::make_unique<allParResults>();
    int filter[DDS_STRAINS] = {0, 0, 0, 0, 0};
    for (auto _ : state)
        for (std::size_t start = 0; start < deals.size(); start += MAXNOOFTABLES) {
            const std::size_t n = std::min<std::size_t>(MAXNOOFTABLES, deals.size() - start);
            in->noOfTables = static_cast<int>(n);
            for (std::size_t i = 0; i < n; ++i)
                std::strcpy(in->deals[i].cards, PbnDealText(deals[start + i].deal).c_str());
            if (CalcAllTablesPBN(in.get(), -1, filter, out.get(), par.get()) != RETURN_NO_FAULT)
                state.SkipWithError("CalcAllTablesPBN");
            benchmark::DoNotOptimize(out->results[0].resTable[0][0]);
        }
}

} // namespace

BENCHMARK(CalcAllTablesDirect)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(HandsShow)->Unit(benchmark::kMillisecond)->MinTime(3);
