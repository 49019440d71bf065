// The column commands that rewrite fields, run through the view over the
// order file: one conversion pass over one column, half-width to full-width
// over all eight columns (every row grows), the calculation over two columns,
// the autofill and the column sort. The counters show how many chunk bytes
// the store holds per live byte afterwards: a pass that widens the rows must
// leave no garbage behind, however often it runs.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "document/TabrixDoc.h"
#include "view/CalcDialogs.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace {

using namespace tabrix;

// The order file shown in a grid, with every dialog answered by a function.
struct Orders : SilentUserInterface {
    Settings settings;
    AppContext app{settings, *this, "", ""};
    CTabrixDoc doc{app};
    MemoryGrid grid;
    std::unique_ptr<CTabrixView> view;
    std::function<void(CDialogModel&)> answer;

    Orders() {
        settings.OpenDlg = 0;
        if (!doc.OnOpenDocument(bench::OrdersPath())) return;
        view = std::make_unique<CTabrixView>(doc, app, grid);
        view->OnInitialUpdate();
    }
    bool runModal(CDialogModel& dialog) override {
        if (answer) answer(dialog);
        return static_cast<bool>(answer);
    }
    // Selects columns first .. last of the page and runs the command.
    void run(CommandId id, int first, int last) {
        grid.setSelectedRange({1, first, 1, last});
        view->runCommand(id);
    }
};

void Report(benchmark::State& state, const Orders& orders) {
    const CLineStore& lines = orders.doc.lines();
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["chunk/live"] = static_cast<double>(lines.chunkBytes()) / static_cast<double>(lines.liveBytes());
}

// Lower and upper case in turn, so that every pass changes the order numbers of column 1.
void BM_ConvertCaseOneColumn(benchmark::State& state) {
    Orders orders;
    if (!orders.view) return state.SkipWithError("the order file did not open");
    bool lower = true;
    for (auto _ : state) {
        orders.run(lower ? CommandId::ConvLower : CommandId::ConvUpper, 1, 1);
        lower = !lower;
    }
    Report(state, orders);
}

// Every row grows, then shrinks back, in turn: the store holds no garbage of either.
void BM_HalfToFullAllColumns(benchmark::State& state) {
    Orders orders;
    if (!orders.view) return state.SkipWithError("the order file did not open");
    bool widen = true;
    for (auto _ : state) {
        orders.run(widen ? CommandId::ConvHalfToFull : CommandId::ConvFullToHalf, 1, 8);
        widen = !widen;
    }
    Report(state, orders);
}

void BM_CalculateTwoColumns(benchmark::State& state) {
    Orders orders;
    if (!orders.view) return state.SkipWithError("the order file did not open");
    orders.answer = [](CDialogModel& d) { dynamic_cast<CCalCol&>(d).m_nPlace = 0; };
    for (auto _ : state) orders.run(CommandId::ColCalc, 7, 8);
    Report(state, orders);
}

void BM_AutoFill(benchmark::State& state) {
    Orders orders;
    if (!orders.view) return state.SkipWithError("the order file did not open");
    orders.answer = [](CDialogModel& d) { dynamic_cast<CAutoFillDlg&>(d).m_nBase = 7; };
    for (auto _ : state) orders.run(CommandId::ColAutoFill, 7, 7);
    Report(state, orders);
}

void BM_ColumnSort(benchmark::State& state) {
    Orders orders;
    if (!orders.view) return state.SkipWithError("the order file did not open");
    int run = 0;
    orders.answer = [&run](CDialogModel& d) { dynamic_cast<CColSort&>(d).m_nKeyCol = ++run % 2 ? 4 : 1; };
    for (auto _ : state) orders.run(CommandId::ColSort, 7, 7);
    Report(state, orders);
}

}  // namespace

BENCHMARK(BM_ConvertCaseOneColumn)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HalfToFullAllColumns)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_CalculateTwoColumns)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AutoFill)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColumnSort)->Unit(benchmark::kMillisecond)->UseRealTime();
