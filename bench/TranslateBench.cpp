// The translation screen over the national postal-code file (124,825
// records): one search for a code, by equality and by wildcard, and for a
// town name that only the last records hold. Each search must take at most
// 50 ms. The file is found as the tests find it, or named by TABRIX_KEN_ALL.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "schema/TranTable.h"
#include "view/TranDlg.h"

namespace {

using namespace tabrix;

std::string KenAll() {
    if (const char* env = std::getenv("TABRIX_KEN_ALL"); env && *env) return env;
    return "/work/shared/data/KEN_ALL.CSV";
}

// Key "0600000" style codes in field 3; prefecture, city and town as the names.
const CTranCtrl& PostalTable() {
    static const CTranCtrl table = [] {
        CTranCtrl tran;
        tran.m_strFile = KenAll();
        tran.m_nKeyPos = 3;
        tran.m_NamePos = {7, 8, 9};
        Settings settings;
        bench::SilentUi ui;
        AppContext app{settings, ui, "", ""};
        LoadTranTable(tran, app);
        return tran;
    }();
    return table;
}

void Search(benchmark::State& state, int col, const std::string& text) {
    const CTranCtrl& tran = PostalTable();
    if (tran.m_Table.size() != 124825) {
        state.SkipWithError("KEN_ALL.CSV not found (set TABRIX_KEN_ALL)");
        return;
    }
    CTranDlg dlg(tran, "", "〒", {}, 100);
    for (auto _ : state) {
        dlg.showPage(1);
        benchmark::DoNotOptimize(dlg.search({col}, text));
        benchmark::DoNotOptimize(dlg.page());
    }
}

void BM_TranScreenSearchCodeExact(benchmark::State& state) { Search(state, 0, "\"9071801\""); }
void BM_TranScreenSearchCodeWildcard(benchmark::State& state) { Search(state, 0, "\"90718?1\""); }
void BM_TranScreenSearchTownWildcard(benchmark::State& state) { Search(state, 3, "\"*与那国*\""); }
void BM_TranScreenSearchTownMissing(benchmark::State& state) { Search(state, 3, "*no such town*"); }

BENCHMARK(BM_TranScreenSearchCodeExact)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranScreenSearchCodeWildcard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranScreenSearchTownWildcard)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranScreenSearchTownMissing)->Unit(benchmark::kMillisecond);

}  // namespace
