// Field validation throughput: the data check runs ValidateValue on every
// field of every line, so a million-line file means millions of calls.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "schema/Validate.h"
#include "text/FormatBits.h"

namespace {

using namespace tabrix;

CColCtrl Column(int type, FormatBits format) {
    CColCtrl col;
    col.m_nType = type;
    col.m_nFormat1 = format;
    col.m_nFormat2 = format;
    return col;
}

void RunValidation(benchmark::State& state, CColCtrl col, const std::vector<std::string>& values) {
    const ValidationContext context{DefaultEraTable(), SystemClock()};
    std::string value;
    for (auto _ : state) {
        for (const std::string& v : values) {
            value = v;
            benchmark::DoNotOptimize(ValidateValue(col, value, context));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(values.size()));
}

void BM_ValidateText(benchmark::State& state) {
    CColCtrl col = Column(kTypeText, 0x201F);
    col.m_nLength = 40;
    RunValidation(state, col, {"ヤマダ タロウ", "東京都千代田区丸の内1-1", "ABC-123", "", "株式会社テスト"});
}

void BM_ValidateNumber(benchmark::State& state) {
    CColCtrl col = Column(kTypeNumber, kFmtNum2);
    col.m_nLength = 10;
    col.m_nPoint = 2;
    col.m_strMinNum = "0";
    col.m_strMaxNum = "9999999";
    RunValidation(state, col, {"123", "0001234.5", "42.00", "", "9999999"});
}

void BM_ValidateDate(benchmark::State& state) {
    RunValidation(state, Column(kTypeDate, kFmtDate2), {"20240105", "2024/01/05", "H36.01.05", "", "1999/12/31"});
}

void BM_ValidateTime(benchmark::State& state) {
    CColCtrl col = Column(kTypeTime, kFmtTime2);
    col.m_nRound = 1;
    col.m_nBaseMin = 5;
    RunValidation(state, col, {"0930", "09:31", "23:58", "", "12時00分"});
}

BENCHMARK(BM_ValidateText);
BENCHMARK(BM_ValidateNumber);
BENCHMARK(BM_ValidateDate);
BENCHMARK(BM_ValidateTime);

}  // namespace
