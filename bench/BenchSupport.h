// What the document benchmarks share: a silent user interface and the path
// of the order file (generated on first use when it is missing).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "OrdersData.h"
#include "app/AppContext.h"
#include "app/UserInterface.h"
#include "document/TabrixDoc.h"

namespace tabrix::bench {

using SilentUi = SilentUserInterface;

// $TABRIX_BENCH_DATA, else bench/data/orders.csv, else a generated file of
// 100,000 lines in the temporary folder.
inline std::string OrdersPath() {
    const char* env = std::getenv("TABRIX_BENCH_DATA");
    std::string path = env && *env ? env : "bench/data/orders.csv";
    if (std::filesystem::exists(path)) return path;
    path = (std::filesystem::temp_directory_path() / "tabrix-bench-orders.csv").string();
    if (!std::filesystem::exists(path)) {
        std::ofstream out(path, std::ios::binary);
        out << GenerateOrders(100000);
    }
    std::fprintf(stderr, "data: bench/data/orders.csv not found, using %s\n", path.c_str());
    return path;
}

// The order file opened as the editor opens it, without the file-read dialog.
struct LoadedOrders {
    Settings settings;
    SilentUi ui;
    AppContext app{settings, ui, "", ""};
    CTabrixDoc doc{app};
    LoadedOrders() {
        settings.OpenDlg = 0;
        doc.OnOpenDocument(OrdersPath());
    }
};

}  // namespace tabrix::bench
