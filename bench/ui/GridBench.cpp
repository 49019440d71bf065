// The grid control on a page of 10,000 rows by 10 columns: filling it the way
// the view shows a page (drawing suspended, then resumed), sizing every column
// to its content, sorting on a title click and copying the whole page.
// Run on the offscreen platform unless another one is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/DesktopApp.h"
#include "ui/GridCtrl.h"

namespace {

using namespace tabrix;

constexpr int kRows = 10000;
constexpr int kCols = 10;

// Field texts of business records: codes, names, amounts and dates.
std::vector<std::string> PageTexts(int salt) {
    static const char* const names[] = {"株式会社テスト商事", "ﾃｽﾄ", "東京都千代田区", "山田　太郎", "ABC-123"};
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(kRows) * kCols);
    for (int row = 1; row <= kRows; ++row)
        for (int col = 1; col <= kCols; ++col) {
            char number[32];
            std::snprintf(number, sizeof number, "%d", (row * 7919 + col * 104729 + salt) % 1000000);
            texts.push_back(col % 3 == 0 ? std::string(names[(row + col) % 5]) + number : std::string(number));
        }
    return texts;
}

void Fill(CGridCtrl& grid, const std::vector<std::string>& texts) {
    grid.setRedraw(false);
    grid.setRowCount(kRows + 1);
    std::size_t next = 0;
    char number[16];
    for (int row = 1; row <= kRows; ++row) {
        std::snprintf(number, sizeof number, "%06d", row);
        grid.setItemText(row, 0, number);
        for (int col = 1; col <= kCols; ++col) grid.setItemText(row, col, texts[next++]);
    }
    grid.setRedraw(true);
    QCoreApplication::processEvents();  // the visible part is drawn
}

struct ShownGrid {
    CGridCtrl grid;
    ShownGrid() {
        grid.setColumnCount(kCols + 1);
        grid.resize(1000, 700);
        grid.show();
        QCoreApplication::processEvents();
    }
};

void BM_GridFillNewPage(benchmark::State& state) {
    const std::vector<std::string> texts = PageTexts(0);
    ShownGrid shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.grid.setRowCount(1);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        Fill(shown.grid, texts);
    }
}
BENCHMARK(BM_GridFillNewPage)->Unit(benchmark::kMillisecond);

void BM_GridRefillPage(benchmark::State& state) {
    const std::vector<std::string> first = PageTexts(0);
    const std::vector<std::string> second = PageTexts(1);
    ShownGrid shown;
    Fill(shown.grid, first);
    bool flip = false;
    for (auto _ : state) {
        Fill(shown.grid, flip ? first : second);
        flip = !flip;
    }
}
BENCHMARK(BM_GridRefillPage)->Unit(benchmark::kMillisecond);

void BM_GridAutoSize(benchmark::State& state) {
    ShownGrid shown;
    Fill(shown.grid, PageTexts(0));
    for (auto _ : state) shown.grid.autoSize();
}
BENCHMARK(BM_GridAutoSize)->Unit(benchmark::kMillisecond);

void BM_GridSortOnTitleClick(benchmark::State& state) {
    ShownGrid shown;
    Fill(shown.grid, PageTexts(0));
    shown.grid.setSortOnTitleClick(true);
    for (auto _ : state) shown.grid.sortByTitle(3);
}
BENCHMARK(BM_GridSortOnTitleClick)->Unit(benchmark::kMillisecond);

void BM_GridCopyPage(benchmark::State& state) {
    ShownGrid shown;
    Fill(shown.grid, PageTexts(0));
    shown.grid.selectAllCells();
    for (auto _ : state) benchmark::DoNotOptimize(shown.grid.copySelection().size());
}
BENCHMARK(BM_GridCopyPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    PrepareApplication(qapp);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
