// The aggregation pass over the order store: customer code as the key and
// the quantity with all four aggregates (about 10,000 groups), the order
// number as the key (a million groups), and the column total of the quantity.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "OrdersData.h"
#include "document/LineStore.h"
#include "text/Record.h"
#include "view/Aggregation.h"

namespace {

using namespace tabrix;

// The order lines as the editor stores them: quotes resolved, fields joined by TAB.
const CLineStore& OrderStore(std::size_t lines) {
    static std::size_t made = 0;
    static std::unique_ptr<CLineStore> store;
    if (made != lines) {
        store = std::make_unique<CLineStore>();
        store->reserve(lines);
        bench::OrdersGenerator generator;
        std::string line;
        for (std::size_t i = 0; i < lines; ++i) {
            line.clear();
            generator.appendLine(line);
            line.resize(line.size() - 2);  // CR LF
            CountFields(line, ',', true, true);
            store->push_back(line);
        }
        made = lines;
    }
    return *store;
}

void RunAggregate(benchmark::State& state, int keyCol) {
    const CLineStore& store = OrderStore(static_cast<std::size_t>(state.range(0)));
    CSumParamDlg params;
    params.m_nKey[0] = keyCol;
    params.m_nCalc[0] = 7;
    params.m_bAggregate.fill(true);
    NullProgress progress;
    std::size_t rows = 0;
    for (auto _ : state) {
        const CSummaryDlg result = AggregateLines({store, 0, 8, {}}, params, progress, SystemClock());
        rows = result.rowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["groups"] = static_cast<double>(rows);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_AggregateByCustomer(benchmark::State& state) { RunAggregate(state, 4); }
void BM_AggregateByOrderNumber(benchmark::State& state) { RunAggregate(state, 1); }

void BM_ColumnTotal(benchmark::State& state) {
    const CLineStore& store = OrderStore(static_cast<std::size_t>(state.range(0)));
    NullProgress progress;
    for (auto _ : state) benchmark::DoNotOptimize(TotalColumn({store, 0, 8, {}}, 7, progress).sum);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_AggregateByCustomer)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AggregateByOrderNumber)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnTotal)->Arg(1000000)->Unit(benchmark::kMillisecond);
