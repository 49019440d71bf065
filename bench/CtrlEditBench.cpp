// The control file editor: opening "制御ファイル設定" and "項目設定" over a
// schema whose code column translates through the national postal-code file
// (about 120,000 records in its table), closed by Cancel and by OK; and a
// virtual column replayed on the order file's line store at OK, to set beside
// reopening the file (BM_LoadDocument).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "BenchSupport.h"
#include "app/AppContext.h"
#include "document/TabrixDoc.h"
#include "schema/CtrlColDlg.h"
#include "schema/MakeCtrlDlg.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace {

using namespace tabrix;

// $TABRIX_KEN_ALL, else the shared copy; empty when there is none.
std::string KenAllPath() {
    if (const char* env = std::getenv("TABRIX_KEN_ALL"); env && *env) return env;
    const std::filesystem::path shared = "/work/shared/data/KEN_ALL.CSV";
    return std::filesystem::exists(shared) ? shared.string() : std::string();
}

// A document under a control file whose first column is a postal code
// translated into the prefecture, city and town of the three virtual ones.
struct PostalDocument {
    Settings settings;
    bench::SilentUi ui;
    AppContext app{settings, ui, "", ""};
    CTabrixDoc doc{app};
    bool ok = false;

    PostalDocument() {
        const std::string kenAll = KenAllPath();
        if (kenAll.empty()) return;
        const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tabrix-bench-ctrl";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "codes.csv", std::ios::binary) << "\"0600000\"\r\n\"0640941\"\r\n";
        std::ofstream(folder / "codes.ctrl", std::ios::binary)
            << "[FILE]\r\nFILE=codes.csv\r\nDELIM=CSV\r\nOPENDLG=NOT\r\n"
            << "[COL]\r\nTITLE=〒\r\nTRAN=TRUE\r\nTRAN_FILE=" << kenAll
            << "\r\nTRAN_KEYPOS=3\r\nTRAN_NAMEPOS=7,8,9\r\nTRAN_COL=2,3,4\r\n"
            << "[COL]\r\nTITLE=県\r\nFILECOL=FALSE\r\n[COL]\r\nTITLE=市\r\nFILECOL=FALSE\r\n"
            << "[COL]\r\nTITLE=町\r\nFILECOL=FALSE\r\n";
        settings.OpenDlg = 0;
        settings.DefDir = folder.string();
        ok = doc.OnOpenDocument((folder / "codes.ctrl").string()) &&
             doc.m_CtrlFile.m_Cols.front()->m_Tran.m_Table.size() > 100000;
    }
};

// Refuses every question: OK closes without saving.
class NoUi : public SilentUserInterface {
public:
    MsgResult messageBox(std::string_view, MsgIcon, MsgButtons buttons) override {
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
    }
};

void OpenEditor(benchmark::State& state, bool ok) {
    static PostalDocument postal;
    if (!postal.ok) {
        state.SkipWithError("KEN_ALL.CSV not found (set TABRIX_KEN_ALL)");
        return;
    }
    NoUi ui;
    for (auto _ : state) {
        CMakeCtrlDlg dlg(postal.doc, postal.app);
        dlg.open(ui);
        {
            CCtrlColDlg columns(dlg.session(), postal.app, postal.settings.DefDir);
            benchmark::DoNotOptimize(columns.m_Tran.m_strFile.size());
        }
        if (ok)
            dlg.onOk(ui);
        else
            dlg.onCancel();
    }
    state.counters["table"] = static_cast<double>(postal.doc.m_CtrlFile.m_Cols.front()->m_Tran.m_Table.size());
}

void BM_CtrlEditorOpenAndCancel(benchmark::State& state) { OpenEditor(state, false); }
void BM_CtrlEditorOpenAndOk(benchmark::State& state) { OpenEditor(state, true); }

// One virtual column inserted into every line of the order file, as OK
// replays it; the column is taken out again outside the timing.
void BM_ReplayVirtualColumn(benchmark::State& state) {
    Settings settings;
    bench::SilentUi ui;
    AppContext app{settings, ui, "", ""};
    CTabrixDoc doc{app};
    settings.OpenDlg = 0;
    if (!doc.OnOpenDocument(bench::OrdersPath())) {
        state.SkipWithError("the order file could not be opened");
        return;
    }
    MemoryGrid grid;
    CTabrixView view(doc, app, grid);
    const int width = doc.columnCount();
    for (auto _ : state) {
        view.ReplayColumnEdits({{ColumnEdit::Insert, 3}}, width);
        state.PauseTiming();
        view.ReplayColumnEdits({{ColumnEdit::Delete, 3}}, width + 1);
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(doc.lines().size());
}

}  // namespace

BENCHMARK(BM_CtrlEditorOpenAndCancel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CtrlEditorOpenAndOk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayVirtualColumn)->Unit(benchmark::kMillisecond);
