// The undo journal on the 1,000,000-line order file: a column delete (the
// store rebuilt and swapped) and a full-column replacement (every line set)
// with the journal recording and without one, the undo of each, and a
// command that changes nothing. The journal's memory after the replacement
// is the counter "journal_bytes".
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "document/TabrixDoc.h"
#include "view/ColumnPasses.h"

namespace {

using namespace tabrix;

struct Orders {
    Settings settings;
    bench::SilentUi ui;
    AppContext app{settings, ui, "", ""};
    CTabrixDoc doc{app};

    Orders(std::size_t lines, bool journal) {
        const std::string text = bench::GenerateOrders(lines);
        std::size_t start = 0;
        int width = 0;
        std::vector<std::pair<std::string, int>> rows;
        while (start < text.size()) {
            std::size_t end = text.find("\r\n", start);
            std::string row = text.substr(start, end - start);
            int fields = 1;
            for (char& c : row)
                if (c == ',') c = '\t', ++fields;
            width = std::max(width, fields);
            rows.emplace_back(std::move(row), fields);
            start = end + 2;
        }
        // Aligned, as an opened file is: every row of the full width.
        for (auto& [row, fields] : rows) doc.lines().push_back(row.append(static_cast<std::size_t>(width - fields), '\t'));
        doc.m_CtrlFile.m_nMaxCols = width;
        if (!journal) doc.lines().setJournal(nullptr);
    }
};

enum class Command { Delete, Replace, Nothing };

void RunCommand(Orders& orders, Command command) {
    ProgressScope progress(orders.ui.progress(), "", static_cast<std::int64_t>(orders.doc.lines().size()));
    CUndoJournal& journal = orders.doc.undoJournal();
    journal.begin("x");
    switch (command) {
        case Command::Delete: DeleteColumns(orders.doc, {3}, progress); break;
        case Command::Replace: {
            ReplaceRule rule;
            rule.with = "ﾃｽﾄ";
            rule.unconditional = true;
            ReplaceInColumns(orders.doc, {5}, rule, 0, {}, progress);
            break;
        }
        case Command::Nothing: {
            ReplaceRule rule;
            rule.find = "no such text";
            rule.with = "x";
            ReplaceInColumns(orders.doc, {5}, rule, 0, {}, progress);
            break;
        }
    }
    journal.end();
}

// range(0): the command; range(1): 1 with the journal, 0 without; range(2): 1 to time the undo.
void BM_Journal(benchmark::State& state) {
    const auto command = static_cast<Command>(state.range(0));
    const bool journal = state.range(1) != 0;
    const bool undo = state.range(2) != 0;
    double held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto orders = std::make_unique<Orders>(1000000, journal);
        if (undo) RunCommand(*orders, command);
        state.ResumeTiming();
        if (undo)
            benchmark::DoNotOptimize(orders->doc.undoJournal().undo());
        else
            RunCommand(*orders, command);
        state.PauseTiming();
        held = static_cast<double>(orders->doc.undoJournal().bytes());
        state.counters["doc_bytes"] = static_cast<double>(orders->doc.lines().liveBytes());
        orders.reset();
        state.ResumeTiming();
    }
    state.counters["journal_bytes"] = held;
}
BENCHMARK(BM_Journal)
    ->ArgNames({"cmd", "journal", "undo"})
    ->Args({0, 0, 0})
    ->Args({0, 1, 0})
    ->Args({0, 1, 1})
    ->Args({1, 0, 0})
    ->Args({1, 1, 0})
    ->Args({1, 1, 1})
    ->Args({2, 0, 0})
    ->Args({2, 1, 0})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
