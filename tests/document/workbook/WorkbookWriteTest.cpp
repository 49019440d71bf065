// Writing workbooks, checked by independent readers: openpyxl reads every
// .xlsx and xlrd every .xls we write, and their cell values must be what was
// written. Also the questions and limits of the writer and its failures.
#include <charconv>
#include <filesystem>
#include <gtest/gtest.h>

#include "document/workbook/Biff8Writer.h"
#include "document/workbook/CellNumber.h"
#include "document/workbook/ExcelOutput.h"
#include "document/workbook/WorkbookReader.h"
#include "support/FileSizeLimit.h"
#include "support/RunProcess.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace tabrix {
namespace {

// Prints every row of the first sheet: cells joined by TAB, each "s:TEXT",
// "n:%.17g" or empty. openpyxl leaves the _xHHHH_ escapes of inline strings
// as they stand (it decodes them only in shared strings), so they are
// decoded here as every other reader does.
constexpr const char* kOracle = R"(
import sys
path = sys.argv[1]
def cell(kind, value):
    if value is None or value == '':
        return ''
    if kind == 'n':
        return 'n:%.17g' % float(value)
    return 's:' + value.replace('\\', '\\\\').replace('\t', '\\t').replace('\n', '\\n').replace('\r', '\\r')
out = []
if path.endswith('.xls'):
    import xlrd
    sheet = xlrd.open_workbook(path).sheet_by_index(0)
    for r in range(sheet.nrows):
        out.append('\t'.join(cell('n' if c.ctype == xlrd.XL_CELL_NUMBER else 's', c.value) for c in sheet.row(r)))
else:
    import openpyxl
    from openpyxl.utils.escape import unescape
    sheet = openpyxl.load_workbook(path, read_only=True).worksheets[0]
    for row in sheet.iter_rows(values_only=True):
        out.append('\t'.join(cell('n', v) if isinstance(v, (int, float)) else cell('s', None if v is None else unescape(v)) for v in row))
sys.stdout.write('\n'.join(out) + '\n')
)";

// The oracle's rows with the empty cells at their ends dropped (the readers
// pad rows to the sheet's width).
std::vector<std::string> OracleRows(const std::string& path) {
    const test::ProcessResult r = test::RunProcess({"/usr/bin/python3", "-c", kOracle, path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<std::string> rows;
    std::size_t start = 0;
    while (start < r.out.size()) {
        const std::size_t end = r.out.find('\n', start);
        std::string row = r.out.substr(start, end - start);
        while (!row.empty() && row.back() == '\t') row.pop_back();
        rows.push_back(row);
        start = end + 1;
    }
    while (!rows.empty() && rows.back().empty()) rows.pop_back();
    return rows;
}

// What the oracle must print for fields written: text cells as their UTF-8
// text, number cells as Python's repr of the same double.
std::string Expected(const std::vector<std::string>& fields) {
    std::string row;
    std::size_t last = 0;
    for (std::size_t c = 0; c < fields.size() && c < 256; ++c)
        if (!fields[c].empty()) last = c + 1;
    for (std::size_t c = 0; c < last; ++c) {
        if (c) row += '\t';
        const std::string& f = fields[c];
        if (f.empty()) continue;
        double v = 0;
        if (IsNumberCellText(f) && std::from_chars(f.data(), f.data() + f.size(), v).ec == std::errc()) {
            char text[40];
            std::snprintf(text, sizeof text, "n:%.17g", v);
            row += text;
        } else {
            std::string utf8;
            Cp932ToUtf8(f, utf8);
            row += "s:" + utf8;
        }
    }
    return row;
}

std::vector<std::vector<std::string>> SampleRows() {
    std::vector<std::string> wide;
    for (int c = 1; c <= 300; ++c) wide.push_back("c" + std::to_string(c));
    return {
        {"コード", "名前", "金額", "備考"},
        {"00123", "東京都千代田区", "1500", "=1+1"},
        {"0", "ｱｲｳｴｵ ソ表", "-12.5", "_x0041_ stays as typed"},
        {"123456789012345", "①髙﨑", "1.50", " leading space"},
        {"1234567890123456", "", "0.0001", "\"quoted\",comma"},
        {"", "", "", ""},
        {"after an empty row"},
        wide,
        {std::string(40000, 'x')},
        {"a\x81", "\x81\x40全角空白"},
    };
}

std::vector<std::string> ExpectedRows(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> expected;
    for (auto fields : rows) {
        if (!fields.empty() && fields[0].size() > kMaxCellUnits) fields[0].resize(kMaxCellUnits);
        if (fields[0] == "a\x81") fields[0] = "a?";
        expected.push_back(Expected(fields));
    }
    while (!expected.empty() && expected.back().empty()) expected.pop_back();
    return expected;
}

TEST(WorkbookWrite, IndependentReadersSeeWhatWasWritten) {
    for (const char* name : {"out.xlsx", "out.xls"}) {
        SCOPED_TRACE(name);
        test::TempDir dir;
        test::ScriptedUi ui;
        const std::string path = (dir / name).string();
        CExcelOutput out(ui, path);
        ASSERT_TRUE(out.begin(300));  // the 256-column question, answered Yes
        for (const auto& row : SampleRows()) ASSERT_TRUE(out.addRow(row));
        EXPECT_EQ(out.finish(), 10);
        ASSERT_EQ(ui.messages.size(), 2u);
        EXPECT_EQ(ui.messages[0].text, "列数がEXCEL上限値(256)以上有ります。256列迄を出力しますか？");
        EXPECT_EQ(ui.messages[1].text,
                  "EXCEL形式で保存できないデータを変更しました。\n"
                  "・32767文字を超えるセルを切り詰め：1 セル\n"
                  "・シフトJISとして正しくないバイトを「?」に置換：1 バイト");
        const std::vector<std::string> got = OracleRows(path);
        const std::vector<std::string> expected = ExpectedRows(SampleRows());
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            if (expected[i].size() < 1000) EXPECT_EQ(got[i], expected[i]);
            else EXPECT_TRUE(got[i] == expected[i]) << "row " << i + 1 << " of " << expected[i].size() << " bytes";
        }

        // Our own reader gives the fields back as they were.
        std::string message;
        const auto reader = OpenWorkbookFile(path, message);
        ASSERT_TRUE(reader) << message;
        std::vector<std::string> back;
        reader->readRows(0, 1, 3, [&](int, std::span<const std::string> cells, const CellAlterations&) {
            back.emplace_back();
            for (const auto& c : cells) back.back() += c + "|";
            return true;
        });
        EXPECT_EQ(back, (std::vector<std::string>{"コード|名前|金額|備考|", "00123|東京都千代田区|1500|=1+1|",
                                                  "0|ｱｲｳｴｵ ソ表|-12.5|_x0041_ stays as typed|"}));
        // Nothing but the workbook is left in the folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
}

TEST(WorkbookWrite, RowLimitsAndTheQuestionAt65536) {
    const struct {
        const char* name;
        MsgResult answer;
        int written;
    } cases[] = {
        {"a.xls", MsgResult::No, 65536},
        {"b.xls", MsgResult::Yes, 65536},   // the format holds no more, and no more are counted
        {"c.xlsx", MsgResult::No, 65536},
        {"d.xlsx", MsgResult::Yes, 70000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir dir;
        test::ScriptedUi ui;
        ui.answers.push_back(c.answer);
        const std::string path = (dir / c.name).string();
        CExcelOutput out(ui, path);
        ASSERT_TRUE(out.begin(2));
        int handed = 0;
        for (int i = 1; i <= 70000; ++i, ++handed) {
            const std::vector<std::string> row{std::to_string(i), "行" + std::to_string(i)};
            if (!out.addRow(row)) {
                ++handed;
                break;
            }
        }
        EXPECT_EQ(out.finish(), c.written);
        EXPECT_EQ(handed, c.written);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "出力データが65536行以上になりました。継続しますか？");
        if (c.answer == MsgResult::Yes) {
            const std::vector<std::string> rows = OracleRows(path);
            ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.written));
            EXPECT_EQ(rows.back(), Expected({std::to_string(c.written), "行" + std::to_string(c.written)}));
        } else {  // the independent readers are slow: our own reader counts these
            std::string message;
            int last = 0;
            OpenWorkbookFile(path, message)->readRows(0, 1, 1048576, [&](int row, auto, const CellAlterations&) {
                last = row;
                return true;
            });
            EXPECT_EQ(last, c.written);
        }
    }
}

TEST(WorkbookWrite, DeclinedAndFailedWritesLeaveNoFile) {
    test::TempDir dir;
    {
        test::ScriptedUi ui;
        ui.answers.push_back(MsgResult::No);
        CExcelOutput out(ui, (dir / "wide.xlsx").string());
        EXPECT_FALSE(out.begin(257));
        EXPECT_EQ(out.finish(), -1);
        EXPECT_EQ(ui.messages.size(), 1u);
    }
    for (const char* name : {"no/such/folder/x.xls", "no/such/folder/x.xlsx"}) {
        test::ScriptedUi ui;
        const std::string path = (dir / name).string();
        CExcelOutput out(ui, path);
        EXPECT_FALSE(out.begin(1));
        EXPECT_EQ(out.finish(), -1);
        EXPECT_EQ(ui.lastMessage(), path + " ファイルに書き込み出来ません。");
    }
    for (const char* name : {"full.xls", "full.xlsx"}) {
        SCOPED_TRACE(name);
        test::ScriptedUi ui;
        const std::string path = (dir / name).string();
        CExcelOutput out(ui, path);
        ASSERT_TRUE(out.begin(1));
        for (int i = 0; i < 3000; ++i) out.addRow(std::vector<std::string>{"行" + std::to_string(i) + "の内容"});
        {
            test::FileSizeLimit full(4096);
            EXPECT_EQ(out.finish(), -1);
        }
        EXPECT_EQ(ui.lastMessage(), path + " ファイルに書き込み出来ません。");
        EXPECT_EQ(ui.messages.size(), 1u);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 0);
}

TEST(WorkbookWrite, ContainerBeyondTheHeadersSectorTable) {
    // Over 7 MB: the sector table outgrows the header's 109 entries (DIFAT).
    test::TempDir dir;
    const std::string path = (dir / "big.xls").string();
    CBiff8Writer writer;
    ASSERT_TRUE(writer.open(path));
    const std::string filler(90, 'z');
    for (int i = 0; i < 65536; ++i)
        writer.addRow(std::vector<std::string>{std::to_string(i) + filler, "値" + std::to_string(i)});
    ASSERT_TRUE(writer.commit());
    const std::string head = test::ReadBytes(path).substr(0, 0x4C);
    EXPECT_NE(head.substr(0x48, 4), std::string(4, '\0'));
    const std::vector<std::string> got = OracleRows(path);
    ASSERT_EQ(got.size(), 65536u);
    EXPECT_EQ(got.back(), Expected({"65535" + filler, "値65535"}));
}

}  // namespace
}  // namespace tabrix
