// The store passes of the row and column commands on the order file: the
// sort order of a million lines, a scattered deletion, a transposition of
// 65,535 lines, and the rebuilding column passes.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "document/TabrixDoc.h"
#include "view/ColumnPasses.h"
#include "view/RowPasses.h"

namespace {

using namespace tabrix;

using bench::LoadedOrders;

LoadedOrders& Orders() {
    static LoadedOrders loaded;
    return loaded;
}

void BM_SortOrderByCustomer(benchmark::State& state) {
    const CLineStore& lines = Orders().doc.lines();
    for (auto _ : state) benchmark::DoNotOptimize(SortedLineOrder(lines, 0, {4}, state.range(0) != 0).data());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}

void BM_SortOrderByDateAndTime(benchmark::State& state) {
    const CLineStore& lines = Orders().doc.lines();
    for (auto _ : state) benchmark::DoNotOptimize(SortedLineOrder(lines, 0, {2, 3}, false).data());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}

// 1,000 lines spread over a store of 1,000,000.
void BM_EraseScatteredLines(benchmark::State& state) {
    constexpr std::size_t kLines = 1000000;
    std::vector<std::size_t> doomed;
    for (std::size_t i = 0; i < 1000; ++i) doomed.push_back(i * 997 + 13);
    for (auto _ : state) {
        state.PauseTiming();
        CLineStore lines;
        lines.reserve(kLines);
        for (std::size_t i = 0; i < kLines; ++i) lines.push_back("A0000001\t2024/01/02\t12:34\tC0001");
        state.ResumeTiming();
        EraseLines(lines, doomed);
        benchmark::DoNotOptimize(lines.size());
    }
}

// 65,535 order lines of 8 fields become 8 lines of 65,535 fields.
void BM_Transpose65535Lines(benchmark::State& state) {
    const CLineStore& orders = Orders().doc.lines();
    CLineStore lines;
    for (std::size_t i = 0; i < 65535 && i < orders.size(); ++i) lines.push_back(orders[i]);
    NullProgress null;
    for (auto _ : state) {
        ProgressScope progress(null, "", 8);
        CLineStore out;
        benchmark::DoNotOptimize(TransposeLines(lines, 8, out, progress));
    }
    state.SetItemsProcessed(state.iterations() * 65535);
}

// A column pass rebuilds every line of a freshly loaded document.
template <typename Pass>
void RunColumnPass(benchmark::State& state, Pass pass) {
    for (auto _ : state) {
        state.PauseTiming();
        auto loaded = std::make_unique<LoadedOrders>();
        NullProgress null;
        state.ResumeTiming();
        ProgressScope progress(null, "", 0);
        pass(loaded->doc, progress);
        benchmark::DoNotOptimize(loaded->doc.lines().size());
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
}

void BM_DeleteColumn(benchmark::State& state) {
    RunColumnPass(state, [](CTabrixDoc& doc, ProgressScope& progress) { DeleteColumns(doc, {2}, progress); });
}

void BM_SplitDateColumn(benchmark::State& state) {
    RunColumnPass(state, [](CTabrixDoc& doc, ProgressScope& progress) {
        SplitRule rule;
        rule.separator = "/";
        SplitColumn(doc, 2, rule, SplitPassCount(doc, 2, rule, true), progress);
    });
}

void BM_InsertColumn(benchmark::State& state) {
    RunColumnPass(state, [](CTabrixDoc& doc, ProgressScope& progress) { InsertColumns(doc, 3, 1, "", "0", progress); });
}

}  // namespace

BENCHMARK(BM_SortOrderByCustomer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortOrderByDateAndTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EraseScatteredLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Transpose65535Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteColumn)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitDateColumn)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertColumn)->Iterations(3)->Unit(benchmark::kMillisecond);
