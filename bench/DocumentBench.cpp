// Loading and saving a whole document: the order file read into the line
// store, and the store written back (to the page cache only, and through to
// the disk with the flush that makes a save safe).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "document/TabrixDoc.h"

namespace {

using namespace tabrix;

using LoadedDocument = bench::LoadedOrders;

void BM_LoadDocument(benchmark::State& state) {
    const std::string path = bench::OrdersPath();
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    for (auto _ : state) {
        LoadedDocument loaded;
        benchmark::DoNotOptimize(loaded.doc.lines().size());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void SaveTo(benchmark::State& state, const std::string& folder) {
    static LoadedDocument loaded;
    const std::string target = folder + "/tabrix-bench-save.csv";
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(bench::OrdersPath()));
    for (auto _ : state) {
        const bool ok = loaded.doc.StoreLines(target, loaded.doc.m_CtrlFile.m_cDelim, false);
        if (!ok) state.SkipWithError("save failed");
    }
    std::filesystem::remove(target);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_SaveDocumentToMemoryFolder(benchmark::State& state) { SaveTo(state, "/dev/shm"); }
void BM_SaveDocumentToDisk(benchmark::State& state) {
    SaveTo(state, std::filesystem::temp_directory_path().string());
}

}  // namespace

BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocumentToMemoryFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDocumentToDisk)->Unit(benchmark::kMillisecond);
