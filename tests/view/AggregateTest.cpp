// "集計": the parameters' checks, the layouts of both modes with the count
// bounds, case folding and the totals row, the result window's sort, copy
// and file output, and the column total, through the passes and the view.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

#include "ViewFixture.h"
#include "document/LineStore.h"
#include "document/workbook/WorkbookReader.h"
#include "schema/DecimalNumber.h"
#include "text/SjisChar.h"
#include "view/Aggregation.h"

namespace tabrix {
namespace {

using test::ViewFixture;

const FixedClock kClock({2024, 5, 6, 9, 8, 7});

std::string Text(const CSummaryDlg& result, char delimiter = ',') {
    std::string out;
    result.writeText(delimiter, [&](std::string_view bytes) {
        out += bytes;
        return true;
    });
    return out;
}

CSummaryDlg Aggregate(const std::vector<std::string>& rows, int width, const std::function<void(CSumParamDlg&)>& set,
                      IProgress& progress, const LinePasses& test = {}) {
    CLineStore store;
    for (const std::string& row : rows) store.push_back(row);
    CSumParamDlg params;
    params.m_nCalc[0] = 2;
    set(params);
    return AggregateLines({store, 0, width, test}, params, progress, kClock);
}

TEST(SumParamDialog, ChecksColumnsInFieldOrder) {
    const struct {
        std::function<void(CSumParamDlg&)> set;
        std::string message;
    } cases[] = {
        {[](CSumParamDlg&) {}, ""},
        {[](CSumParamDlg& d) { d.m_nKey[0] = 0; }, "集計対象列１は、1以上5以下で入力して下さい。"},
        {[](CSumParamDlg& d) { d.m_nKey[1] = 0; }, "集計対象列２は、1以上5以下で入力して下さい。"},
        {[](CSumParamDlg& d) { d.m_nKey[3] = 6; d.m_nCalc[0] = 0; }, "集計対象列４は、1以上5以下で入力して下さい。"},
        {[](CSumParamDlg& d) { d.m_nCalc[0] = -1; }, "計算対象列１は、1以上5以下で入力して下さい。"},
        {[](CSumParamDlg& d) { d.m_nCalc[5] = 9; }, "計算対象列６は、1以上5以下で入力して下さい。"},
        {[](CSumParamDlg& d) { d.m_nKey[1] = d.m_nKey[2] = d.m_nKey[3] = 5; d.m_nCalc.fill(5); }, ""},
        // "列総合計" looks at key column 1 only: the other fields are disabled.
        {[](CSumParamDlg& d) { d.m_nMode = CSumParamDlg::ColumnTotal; d.m_nCalc[0] = 0; }, ""},
        {[](CSumParamDlg& d) { d.m_nMode = CSumParamDlg::ColumnTotal; d.m_nKey[0] = 6; }, "集計対象列１は、1以上5以下で入力して下さい。"},
    };
    for (const auto& c : cases) {
        CSumParamDlg dlg;
        dlg.m_nMaxCols = 5;
        c.set(dlg);
        EXPECT_EQ(dlg.validate(), c.message);
    }
    CSumParamDlg dlg;
    EXPECT_TRUE(dlg.valuesEnabled() && !dlg.dataEnabled() && dlg.decimalsEnabled(0) && !dlg.decimalsEnabled(1));
    dlg.m_nOutput = CSumParamDlg::Data;
    EXPECT_TRUE(!dlg.valuesEnabled() && dlg.dataEnabled() && !dlg.separatorEnabled());
    dlg.m_nMode = CSumParamDlg::ColumnTotal;
    EXPECT_TRUE(!dlg.aggregateEnabled() && !dlg.dataEnabled());
}

TEST(Aggregation, LayoutsOfBothModes) {
    const std::vector<std::string> folding = {"abc\t1", "ABC\t2", "ア\t3", "ヂ\t4", "Abc\t5"};
    const std::vector<std::string> groups = {"a\t1\tx", "b\t2\ty", "A\t3\tz", "c\t4\tw", "a\t5\tv"};
    const struct {
        std::string name;
        std::vector<std::string> rows;
        std::function<void(CSumParamDlg&)> set;
        std::string expected;
    } cases[] = {
        {"case folds on ASCII letters only, not on trail bytes", folding, [](CSumParamDlg&) {},
         "キー列(1),キーの個数,列(2)の合計\r\nABC,3,8\r\nア,1,3\r\nヂ,1,4\r\n★総計★,5,15\r\n"},
        {"a key sorting between two case variants parts them", {"AB\t1", "AB_\t1", "ab\t1"}, [](CSumParamDlg&) {},
         "キー列(1),キーの個数,列(2)の合計\r\nAB,1,1\r\nAB_,1,1\r\nab,1,1\r\n★総計★,3,3\r\n"},
        {"each calculation column sums its own values", {"1\ta\tx\tx\t10\t100", "2\ta\tx\tx\t20\t200"},
         [](CSumParamDlg& d) { d.m_nKey[0] = 2; d.m_nCalc = {1, 5, 6, -1, -1, -1}; },
         "キー列(2),キーの個数,列(1)の合計,列(5)の合計,列(6)の合計\r\na,2,3,30,300\r\n★総計★,2,3,30,300\r\n"},
        {"negative values: the largest maximum, the mean of averages", {"a\t-1", "b\t-5", "a\t-3"},
         [](CSumParamDlg& d) { d.m_bAggregate.fill(true); d.m_bDecimals[1] = true; },
         "キー列(1),キーの個数,列(2)の合計,列(2)の平均,列(2)の最大,列(2)の最小\r\n"
         "a,2,-4,-2.00,-1,-3\r\nb,1,-5,-5.00,-5,-5\r\n★総計★,3,-9,-3.50,-1,-5\r\n"},
        {"numeric text is converted, other text read to its leading number, halves rounded away from zero",
         {"a\t\"1,234\"", "a\t\\1,000", "a\t12abc", "a\t", "b\t2.5", "b\t1e3"},
         [](CSumParamDlg& d) { d.m_bAggregate = {true, true, false, true}; },
         "キー列(1),キーの個数,列(2)の合計,列(2)の平均,列(2)の最小\r\na,4,2246,562,0\r\nb,2,4,2,1\r\n★総計★,6,2250,282,0\r\n"},
        {"several keys give a cell each", {"x\tp\t1", "x\tq\t2", "x\tp\t3"},
         [](CSumParamDlg& d) { d.m_nKey[1] = 2; d.m_nCalc[0] = 3; },
         "キー列(1),キー列(2),キーの個数,列(3)の合計\r\nx,p,2,4\r\nx,q,1,2\r\n★総計★,,3,6\r\n"},
        {"no totals row without count and aggregates", folding,
         [](CSumParamDlg& d) { d.m_bKeyCount = false; d.m_bAggregate.fill(false); }, "キー列(1)\r\nABC\r\nア\r\nヂ\r\n"},
        {"no totals row when switched off", {"a\t1"}, [](CSumParamDlg& d) { d.m_bTotalRow = false; },
         "キー列(1),キーの個数,列(2)の合計\r\na,1,1\r\n"},
        {"data: a row per calculation column, values in store order", groups,
         [](CSumParamDlg& d) { d.m_nOutput = CSumParamDlg::Data; d.m_nCalc[1] = 3; },
         "キー列(1),キーの個数,値(1),値(2),値(3)\r\nA,3,1,3,5\r\n,,x,z,v\r\nb,1,2,,\r\n,,y,,\r\nc,1,4,,\r\n,,w,,\r\n"},
        {"data: minimum 1 hides single lines; one cell, keys on every row, quote prefix", groups,
         [](CSumParamDlg& d) {
             d.m_nOutput = CSumParamDlg::Data;
             d.m_nCalc[1] = 3;
             d.m_nMinCount = 1;
             d.m_bKeyEveryRow = d.m_bOneCell = d.m_bQuotePrefix = true;
         },
         "キー列(1),キーの個数,値(1),値(2),値(3)\r\nA,3,'1/3/5,,\r\nA,3,'x/z/v,,\r\n"},
        {"data: maximum 2 hides groups of two lines or more", groups,
         [](CSumParamDlg& d) { d.m_nOutput = CSumParamDlg::Data; d.m_nMaxCount = 2; d.m_bKeyCount = false; },
         "キー列(1),値(1)\r\nb,2\r\nc,4\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NullProgress progress;
        EXPECT_EQ(Text(Aggregate(c.rows, 6, c.set, progress)), c.expected);
    }
}

TEST(Aggregation, EmptyResultHasNoTotalsRowAndTheTitleCountsRecords) {
    test::RecordingProgress progress;
    const auto none = [](const std::vector<std::string>&) { return false; };
    const CSummaryDlg empty = Aggregate({"a\t1", "b\t2"}, 2, [](CSumParamDlg& d) { d.m_bAggregate.fill(true); }, progress, none);
    EXPECT_EQ(Text(empty), "キー列(1),キーの個数,列(2)の合計,列(2)の平均,列(2)の最大,列(2)の最小\r\n");
    EXPECT_FALSE(empty.m_bTotalRow);
    EXPECT_EQ(empty.m_strTitle, "集計結果　【対象：0行】　09:08:07->09:08:07");
    EXPECT_EQ(progress.captions, (std::vector<std::string>{"データ変換", "ソート中", "データ集計"}));
    EXPECT_EQ(progress.open, 0);

    progress.captions.clear();
    const CSummaryDlg some = Aggregate({"a\t1", "b\t2", "a\t3"}, 2, [](CSumParamDlg& d) {
        d.m_nOutput = CSumParamDlg::Data;
        d.m_nMinCount = 5;
    }, progress);
    EXPECT_EQ(some.m_strTitle, "集計結果　【対象：3行】　09:08:07->09:08:07");
    EXPECT_EQ(progress.captions, (std::vector<std::string>{"データ変換", "ソート中", "データ集計", "非表示削除"}));
    EXPECT_EQ(some.rowCount(), 0u);
}

// The hash aggregation against the Part's own way: sort every record by its
// key, then walk the runs equal to their first key but for ASCII case.
TEST(Aggregation, SameGroupsAsSortingEveryRecord) {
    const std::vector<std::string> pieces = {"a", "A", "b", "B", "_", "ア", "ヂ", "\x83", "\x81\x40"};
    std::mt19937 random(11);
    auto fold = [](const std::string& key) {
        std::string folded;
        for (std::size_t p = 0; p < key.size(); p = NextChar(key, p))
            folded += NextChar(key, p) - p == 2 ? key.substr(p, 2) : std::string(1, static_cast<char>(std::toupper(key[p])));
        return folded;
    };
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> rows;
        std::vector<std::pair<std::string, int>> records;
        for (int i = 0; i < 150; ++i) {
            std::string key;
            for (unsigned n = random() % 3; n > 0; --n) key += pieces[random() % pieces.size()];
            const int value = static_cast<int>(random() % 101) - 50;
            rows.push_back(key + "\t" + std::to_string(value));
            records.emplace_back(key, value);
        }
        std::stable_sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::string expected = "キー列(1),キーの個数,列(2)の合計,列(2)の最大,列(2)の最小\r\n";
        for (std::size_t i = 0; i < records.size();) {
            const std::string first = records[i].first;
            int count = 0, sum = 0, max = records[i].second, min = max;
            for (; i < records.size() && fold(records[i].first) == fold(first); ++i, ++count) {
                sum += records[i].second;
                max = std::max(max, records[i].second);
                min = std::min(min, records[i].second);
            }
            std::string key = first;
            AppendOutputField(key = "", first, ',');
            expected += key + "," + std::to_string(count) + "," + std::to_string(sum) + "," + std::to_string(max) + "," +
                        std::to_string(min) + "\r\n";
        }
        NullProgress progress;
        const CSummaryDlg result = Aggregate(rows, 2, [](CSumParamDlg& d) {
            d.m_bAggregate = {true, false, true, true};
            d.m_bTotalRow = false;
        }, progress);
        ASSERT_EQ(Text(result), expected) << round;
    }
}

TEST(SummaryWindow, SortKeepsTheTotalsRowLastAndCopiesTheSelection) {
    NullProgress progress;
    CSummaryDlg result = Aggregate({"b\t10", "a\t9", "c\t100", "a\t2"}, 2, [](CSumParamDlg&) {}, progress);
    auto column = [&](int col) {
        std::string texts;
        for (std::size_t row = 0; row < result.rowCount(); ++row) texts += std::string(result.text(row, col)) + " ";
        return texts;
    };
    result.sortByColumn(2);
    EXPECT_EQ(column(0), "b a c ★総計★ ");  // 10, 11, 100: numbers, not text
    result.sortByColumn(2);
    EXPECT_EQ(column(0), "c a b ★総計★ ");
    result.sortByColumn(0);
    EXPECT_EQ(column(0), "a b c ★総計★ ");
    result.sortByColumn(1);  // equal counts keep their order
    EXPECT_EQ(column(0), "b c a ★総計★ ");
    const GridRange range{0, 0, 1, 2};
    EXPECT_EQ(result.copyText(range, [](std::size_t row, int col) { return row == 0 || col != 1; }), "b\t1\t10\r\nc\t\t100");
}

TEST(SummaryWindow, FileOutputInEachFormatWithItsMessages) {
    ViewFixture f;
    NullProgress progress;
    const CSummaryDlg result = Aggregate({"a,b\t1", "c\t2"}, 2, [](CSumParamDlg&) {}, progress);
    auto choose = [&](const std::string& name, int format, int filter = 0) {
        f.ui.fileDialogs.push_back([=](FileDialogRequest& request) {
            request.fileName = name;
            request.filterIndex = filter;
            request.choices.at(0).selected = format;
            return true;
        });
        return result.OnFileOutput(f.ui);
    };
    EXPECT_TRUE(choose(f.path("r"), CSummaryDlg::Csv));
    const FileDialogRequest& asked = f.ui.fileRequests.back();
    EXPECT_EQ(asked.title, "差異結果ファイル出力");
    EXPECT_EQ(asked.choices.at(0).label, "ファイル形式");
    EXPECT_EQ(asked.choices.at(0).entries, (std::vector<std::string>{"CSV形式", "TAB形式", "EXCEL形式"}));
    EXPECT_EQ(f.ui.lastMessage(), f.path("r.txt") + "にＣＳＶ形式で3件保存しました。");
    EXPECT_EQ(test::ReadBytes(f.dir / "r.txt"), "キー列(1),キーの個数,列(2)の合計\r\n\"a,b\",1,1\r\nc,1,2\r\n★総計★,2,3\r\n");
    EXPECT_TRUE(choose(f.path("r.dat"), CSummaryDlg::Tab));
    EXPECT_EQ(f.ui.lastMessage(), f.path("r.dat") + "にＴＡＢ形式で3件保存しました。");
    EXPECT_EQ(test::ReadBytes(f.dir / "r.dat"), "キー列(1)\tキーの個数\t列(2)の合計\r\na,b\t1\t1\r\nc\t1\t2\r\n★総計★\t2\t3\r\n");
    EXPECT_FALSE(choose(f.path("none/r.csv"), CSummaryDlg::Csv));
    EXPECT_EQ(f.ui.lastMessage(), f.path("none/r.csv") + " ファイルに書き込み出来ません。");
    EXPECT_FALSE(choose(f.path("r.csv"), CSummaryDlg::Excel));
    EXPECT_EQ(f.ui.lastMessage(), "EXCEL形式の場合は拡張子を「xls」にして下さい。");
    EXPECT_FALSE(choose(f.path("r.XLS"), CSummaryDlg::Excel));
    EXPECT_EQ(f.ui.lastMessage(), "EXCEL形式の場合は拡張子を「xls」にして下さい。");
    for (const std::string name : {"r.xlsx", "r.xls"}) {
        EXPECT_TRUE(choose(f.path(name), CSummaryDlg::Excel));
        EXPECT_EQ(f.ui.lastMessage(), f.path(name) + "にＥＸＣＥＬ形式で3件保存しました。");
        std::string message, sheet;
        const auto reader = OpenWorkbookFile(f.path(name), message);
        ASSERT_TRUE(reader) << message;
        reader->readRows(0, 1, 10, [&](int, std::span<const std::string> cells, const CellAlterations&) {
            for (const std::string& cell : cells) sheet += cell + "|";
            sheet += "\n";
            return true;
        });
        EXPECT_EQ(sheet, "キー列(1)|キーの個数|列(2)の合計|\na,b|1|1|\nc|1|2|\n★総計★|2|3|\n") << name;
    }
    EXPECT_FALSE(choose(f.path("none/r.xlsx"), CSummaryDlg::Excel));
    EXPECT_EQ(f.ui.lastMessage(), f.path("none/r.xlsx") + " ファイルに書き込み出来ません。");

    CSummaryDlg wide;
    for (int col = 0; col < 257; ++col) wide.m_table.addColumn("c", false);
    f.ui.answers.push_back(MsgResult::No);
    EXPECT_FALSE(wide.WriteFile(f.path("w.xlsx"), CSummaryDlg::Excel, f.ui));
    EXPECT_EQ(f.ui.lastMessage(), "列数がEXCEL上限値(256)以上有ります。256列迄を表示しますか？");
    EXPECT_FALSE(std::filesystem::exists(f.dir / "w.xlsx"));
}

TEST(AggregateCommand, AsksBeforeALargeResultAndKeepsItsParameters) {
    ViewFixture f;
    f.fill(20000, 2);
    CTabrixView& view = f.show();
    view.setClock(kClock);
    EXPECT_TRUE(f.state(CommandId::Aggregate).enabled);
    f.ui.dialogs.push_back([](CDialogModel& d) {
        auto& params = dynamic_cast<CSumParamDlg&>(d);
        params.m_nCalc[0] = 2;
        params.m_bAggregate.fill(true);
        return true;
    });
    f.ui.dialogs.push_back([](CDialogModel&) { return true; });  // the result window, never reached
    f.ui.answers.push_back(MsgResult::No);
    view.runCommand(CommandId::Aggregate);
    EXPECT_EQ(f.ui.lastMessage(), "表示データが（20002行 6列）有ります。表示しますか？\n");
    EXPECT_EQ(f.ui.dialogs.size(), 1u);
    f.ui.dialogs.clear();

    // Cancel keeps the parameters of the last use.
    f.ui.dialogs.push_back([](CDialogModel& d) {
        dynamic_cast<CSumParamDlg&>(d).m_nCalc[0] = 1;
        return false;
    });
    view.runCommand(CommandId::Aggregate);
    EXPECT_EQ(view.sumParams().m_nCalc[0], 2);
    EXPECT_TRUE(view.sumParams().m_bAggregate[3]);
}

TEST(AggregateCommand, ColumnTotalOverTheFilteredLines) {
    ViewFixture f;
    f.rows(2, {"k\tv", "a\t1", "a\t2.25", "b\tx", "b\t-0.9", "a\t1,234,567", "a\t-", "a\t,"});
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show();
    view.setClock(kClock);
    std::vector<CColTotalDlg> shown;
    auto totalOf = [&](int col) {
        f.ui.dialogs.push_back([=](CDialogModel& d) {
            auto& params = dynamic_cast<CSumParamDlg&>(d);
            params.m_nMode = CSumParamDlg::ColumnTotal;
            params.m_nKey[0] = col;
            return true;
        });
        f.ui.dialogs.push_back([&](CDialogModel& d) {
            shown.push_back(dynamic_cast<CColTotalDlg&>(d));
            return true;
        });
        view.OnAggregate();
        return shown.back();
    };
    CColTotalDlg total = totalOf(2);
    EXPECT_EQ(total.m_strCaption, "列総計結果　09:08:07->09:08:07");
    EXPECT_EQ(total.m_nCol, 2);
    EXPECT_EQ(total.m_nCount, 4);
    EXPECT_EQ(total.m_strTotal, "1,234,569");  // 1 + 2.25 - 0.9 + 1234567
    view.filterConditions().m_Sel[0].m_bEnable = true;
    view.filterConditions().m_Sel[0].m_strSearch = "b";
    view.ApplyFilter();
    total = totalOf(2);
    EXPECT_EQ(total.m_nCount, 1);
    EXPECT_EQ(total.m_strTotal, "-1");
    EXPECT_EQ(totalOf(1).m_nCount, 0);
}

}  // namespace
}  // namespace tabrix
