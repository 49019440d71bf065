// Record codec throughput on the order file against a plain newline scan of
// the same buffer, so the two figures of one run can be compared directly.
// Data: $TABRIX_BENCH_DATA, else bench/data/orders.csv (tabrix_gen_orders
// writes it); without either, 100,000 generated lines in memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "OrdersData.h"
#include "text/Record.h"

namespace {

std::string LoadData() {
    const char* env = std::getenv("TABRIX_BENCH_DATA");
    const std::string path = env && *env ? env : "bench/data/orders.csv";
    std::ifstream file(path, std::ios::binary);
    if (file) {
        std::ostringstream content;
        content << file.rdbuf();
        std::fprintf(stderr, "data: %s\n", path.c_str());
        return std::move(content).str();
    }
    std::fprintf(stderr, "data: %s not found, using 100000 generated lines\n", path.c_str());
    return tabrix::bench::GenerateOrders(100000);
}

const std::string& Data() {
    static const std::string data = LoadData();
    return data;
}

void BM_MemchrNewlineScan(benchmark::State& state) {
    const std::string& data = Data();
    const char* const end = data.data() + data.size();
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const char* p = data.data(); (p = static_cast<const char*>(std::memchr(p, '\n', end - p))); ++p) ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

void BM_CountFieldsNormaliseLines(benchmark::State& state) {
    const std::string& data = Data();
    const char* const end = data.data() + data.size();
    std::string line;
    for (auto _ : state) {
        long long fields = 0;
        for (const char* p = data.data(); p < end;) {
            const char* newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* lineEnd = newline ? newline : end;
            const char* contentEnd = lineEnd > p && lineEnd[-1] == '\r' ? lineEnd - 1 : lineEnd;
            line.assign(p, contentEnd);
            std::size_t length = line.size();
            fields += tabrix::CountFields(line.data(), length, ',', true, true);
            benchmark::DoNotOptimize(line.data());
            p = newline ? newline + 1 : end;
        }
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}

}  // namespace

// Both names start with CountFields so that one filter runs the pair.
BENCHMARK(BM_MemchrNewlineScan)->Name("CountFields_MemchrNewlineScan")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountFieldsNormaliseLines)->Name("CountFields_NormaliseLines")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
