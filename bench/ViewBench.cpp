// The grid view over the order file: the whole-document data check (every
// field of every line validated, keys checked for duplicates) for 100,000 and
// 1,000,000 lines, and the redisplay of the first and the last page of a
// 1,000,000-line store, which must cost the same.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "document/TabrixDoc.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace {

using namespace tabrix;

// Eight columns: text classes, a time, a date, a number with limits,
// permitted values and a duplicate-checked key.
constexpr const char* kOrdersCtrl =
    "[FILE]\r\nDELIM=CSV\r\nQUOTE=TRUE\r\nKEYCOL=1\r\nDUPCHECK=TRUE\r\n"
    "[COL]\r\nTITLE=受注番号\r\nTYPE=文字\r\nFORMAT1=英字,数字\r\nLENGTH=8\r\nOBLIGATE=TRUE\r\n"
    "[COL]\r\nTITLE=受注日\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nFORMAT2=DATE2\r\nOBLIGATE=TRUE\r\n"
    "[COL]\r\nTITLE=時刻\r\nTYPE=時刻\r\nFORMAT1=TIME2\r\nROUND=2\r\nBASEMIN=5\r\n"
    "[COL]\r\nTITLE=得意先CD\r\nTYPE=文字\r\nFORMAT1=英字,数字\r\nLENGTH=5\r\n"
    "[COL]\r\nTITLE=得意先カナ\r\nTYPE=文字\r\nFORMAT1=半カ,半捨カ,半ス,記号\r\nLENGTH=40\r\n"
    "[COL]\r\nTITLE=商品名\r\nTYPE=文字\r\nFORMAT1=全角,記号\r\nLENGTH=80\r\nOBLIGATE=TRUE\r\n"
    "[COL]\r\nTITLE=数量\r\nTYPE=数字\r\nFORMAT1=NUM1\r\nALLLEN=3\r\nMINNUM=1\r\nMAXNUM=999\r\n"
    "[COL]\r\nTITLE=状態\r\nTYPE=文字\r\nFORMAT1=全角\r\nPERMISSION=受付,出荷,完了\r\n";

// A folder of order files of the given sizes with the control file beside them.
std::string BenchFolder() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tabrix-bench-view";
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string OrdersCtrl(std::size_t lines) {
    const std::string folder = BenchFolder();
    const std::string name = "orders-" + std::to_string(lines) + ".csv";
    const std::string data = folder + "/" + name;
    if (!std::filesystem::exists(data)) {
        std::ofstream out(data, std::ios::binary);
        out << bench::GenerateOrders(lines);
    }
    const std::string ctrl = folder + "/orders-" + std::to_string(lines) + ".ctrl";
    std::ofstream(ctrl, std::ios::binary) << "FILE=" << name << "\r\n" << kOrdersCtrl;
    return ctrl;
}

// A document opened under its control file and shown in a MemoryGrid.
struct ShownOrders {
    Settings settings;
    bench::SilentUi ui;
    AppContext app{settings, ui, "", ""};
    CTabrixDoc doc{app};
    MemoryGrid grid;
    std::unique_ptr<CTabrixView> view;

    explicit ShownOrders(std::size_t lines) {
        settings.OpenDlg = 0;
        settings.DefDir = BenchFolder();
        if (!doc.OnOpenDocument(OrdersCtrl(lines))) return;
        view = std::make_unique<CTabrixView>(doc, app, grid);
        view->OnInitialUpdate();
    }
};

void BM_RunDataCheck(benchmark::State& state) {
    const auto lines = static_cast<std::size_t>(state.range(0));
    std::size_t findings = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Every run checks the file as loaded, not the values the last run normalised.
        auto orders = std::make_unique<ShownOrders>(lines);
        if (!orders->view) {
            state.SkipWithError("the order file did not open");
            return;
        }
        state.ResumeTiming();
        orders->view->RunDataCheck();
        findings = orders->view->errorList().records().size();
        state.PauseTiming();
        orders.reset();
        state.ResumeTiming();
    }
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(lines) * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

ShownOrders& MillionOrders() {
    static ShownOrders orders(1000000);
    return orders;
}

void ShowPageOf(benchmark::State& state, bool last) {
    ShownOrders& orders = MillionOrders();
    if (!orders.view) {
        state.SkipWithError("the order file did not open");
        return;
    }
    CTabrixView& view = *orders.view;
    view.m_nPage = last ? view.m_nPageCount : 1;
    for (auto _ : state) benchmark::DoNotOptimize(view.ShowPage());
    state.counters["page"] = view.m_nPage;
}

void BM_ShowPageFirst(benchmark::State& state) { ShowPageOf(state, false); }
void BM_ShowPageLast(benchmark::State& state) { ShowPageOf(state, true); }

}  // namespace

BENCHMARK(BM_RunDataCheck)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ShowPageFirst)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowPageLast)->Unit(benchmark::kMicrosecond);
