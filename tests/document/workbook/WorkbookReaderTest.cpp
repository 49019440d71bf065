// Reading workbooks a spreadsheet application wrote (tests/data/workbook,
// made from the .fods sources there) and BIFF8 records built by hand: every
// cell kind, dates, shared strings with phonetic runs and CONTINUE records,
// strict namespaces, and the refusals of encrypted and old workbooks.
#include <gtest/gtest.h>

#include "document/workbook/BiffRecords.h"
#include "document/workbook/CompoundFileWriter.h"
#include "document/workbook/WorkbookReader.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

const std::string kData = std::string(TABRIX_TEST_DATA) + "/workbook/";

// "row:cell\tcell..." for every row that holds cells.
// What making them text changed is added to changes.
std::vector<std::string> ReadSheet(IWorkbookReader& reader, std::size_t sheet, int first = 1, int last = 1048576,
                                   CellAlterations* changes = nullptr) {
    std::vector<std::string> rows;
    EXPECT_TRUE(reader.readRows(sheet, first, last, [&](int row, std::span<const std::string> cells,
                                                        const CellAlterations& changed) {
        if (changes) *changes += changed;
        std::string text = std::to_string(row) + ":";
        for (std::size_t c = 0; c < cells.size(); ++c) text += (c ? "\t" : "") + cells[c];
        rows.push_back(text);
        return true;
    }));
    return rows;
}

std::unique_ptr<IWorkbookReader> Open(const std::string& path) {
    std::string message;
    auto reader = OpenWorkbookFile(path, message);
    EXPECT_TRUE(reader) << message;
    return reader;
}

TEST(WorkbookReader, EveryCellKindOfBothFormatsAsText) {
    const std::vector<std::string> expected = {
        "1:文字\t数値\t日付\t時刻\t日時\t式\t真偽\tエラー",
        "2:東京\t1.5\t2024/01/05\t09:30:00\t2024/01/05 09:30:00\t3\tTRUE\t#DIV/0!",
        "3:00123\t1234567890123\t1989/01/08\t25:00:00\t-0.5\t東京都\tFALSE\t#N/A",
        "4:ｱｲｳ \"引用\" ①\t\t1E+20\t0.3\t行1行2",
        "5:ソ表能\t? ?\t?野家\t?体\t0.000123",
        "7:空行の後",
    };
    for (const char* name : {"cells.xlsx", "cells.xls", "strict.xlsx"}) {
        SCOPED_TRACE(name);
        const auto reader = Open(kData + name);
        ASSERT_TRUE(reader);
        EXPECT_EQ(reader->sheetNames(), (std::vector<std::string>{"データ", "結合", "空"}));
        CellAlterations changes;
        EXPECT_EQ(ReadSheet(*reader, 0, 1, 1048576, &changes), expected);
        EXPECT_EQ(changes.replaced, 4);
        EXPECT_EQ(changes.controls, 1);
        CellAlterations fewer;
        ReadSheet(*reader, 0, 1, 4, &fewer);  // only the rows read count
        EXPECT_EQ(fewer.replaced, 0);
        EXPECT_EQ(fewer.controls, 1);
        EXPECT_EQ(ReadSheet(*reader, 1), (std::vector<std::string>{"1:結合セル\t\t右", "2:\t\t2", "3:下"}));
        EXPECT_TRUE(ReadSheet(*reader, 2).empty());
        EXPECT_EQ(ReadSheet(*reader, 0, 3, 4), (std::vector<std::string>{expected[2], expected[3]}));
    }
    EXPECT_EQ(Open(kData + "cells.xls")->rowLimit(), 65536);
    EXPECT_EQ(Open(kData + "cells.xlsx")->rowLimit(), 1048576);
}

TEST(WorkbookReader, DateSystemOf1904) {
    for (const char* name : {"date1904.xlsx", "date1904.xls"}) {
        const auto reader = Open(kData + name);
        ASSERT_TRUE(reader);
        EXPECT_EQ(ReadSheet(*reader, 0), std::vector<std::string>{"1:2024/01/05\t1904/01/01 12:00:00\t100"}) << name;
    }
}

TEST(WorkbookReader, SharedStringsAcrossContinueRecords) {
    const auto reader = Open(kData + "strings.xls");
    ASSERT_TRUE(reader);
    const std::vector<std::string> rows = ReadSheet(*reader, 0);
    ASSERT_EQ(rows.size(), 1000u);
    for (int i = 0; i < 1000; ++i) {
        char text[96];
        std::snprintf(text, sizeof text, i % 3 ? "%d:文字列%04d東京都千代田区\t%d" : "%d:ascii-string-%04d-abcdefgh\t%d",
                      i + 1, i, i);
        ASSERT_EQ(rows[static_cast<std::size_t>(i)], text);
    }
}

TEST(WorkbookReader, PhoneticRunsEscapesAndWhatIsLeftOut) {
    const auto reader = Open(kData + "edge.xlsx");
    ASSERT_TRUE(reader);
    CellAlterations changes;
    EXPECT_EQ(ReadSheet(*reader, 0, 1, 1048576, &changes),
              (std::vector<std::string>{"1:東京\tリッチ\t_x0041_\t\t改行\tTRUE\t2024/01/05 09:30:00\t#REF!", "2:二行目"}));
    EXPECT_EQ(changes.controls, 1);       // the escaped CR
    EXPECT_EQ(changes.noCachedValue, 1);  // =1+1 without its result
    EXPECT_EQ(changes.beyondLastColumn, 1);
}

// A BIFF8 workbook stream built record by record.
struct Biff {
    std::string s;
    void rec(std::uint16_t id, const std::string& body) {
        s += static_cast<char>(id & 0xFF);
        s += static_cast<char>(id >> 8);
        s += static_cast<char>(body.size() & 0xFF);
        s += static_cast<char>(body.size() >> 8);
        s += body;
    }
};
std::string U16(unsigned v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
std::string U32(unsigned v) { return U16(v & 0xFFFF) + U16(v >> 16); }
std::string Wide(std::u16string_view text) {
    std::string s;
    for (char16_t c : text) s += U16(c);
    return s;
}
std::string Bof(unsigned version, unsigned type) { return U16(version) + U16(type) + std::string(12, '\0'); }

// Globals with the given records before the sheet list, then one sheet with its cells.
std::string Workbook(const std::string& globalRecords, const std::string& cellRecords, unsigned version = 0x0600) {
    auto build = [&](unsigned sheetOffset) {
        Biff b;
        b.rec(biff::kBof, Bof(version, 0x0005));
        b.s += globalRecords;
        b.rec(biff::kBoundSheet, U32(sheetOffset) + std::string("\0\0\2\0", 4) + "S1");
        b.rec(biff::kEof, "");
        return b.s;
    };
    Biff b;
    b.s = build(static_cast<unsigned>(build(0).size()));
    b.rec(biff::kBof, Bof(version, 0x0010));
    b.s += cellRecords;
    b.rec(biff::kEof, "");
    return b.s;
}

std::string WriteContainer(const test::TempDir& dir, const std::string& name, std::u16string_view stream,
                           const std::string& bytes) {
    std::string image;
    WriteCompoundFile(stream, bytes, 9, [&](std::string_view b) { image.append(b); });
    return dir.write(name, image).string();
}

TEST(WorkbookReader, Biff8SharedStringsWithPhoneticBlocksAndSplitCharacters) {
    // String 0: "東京" with a rich-text run and a phonetic block; string 1:
    // "ABCあい" whose characters cross into a CONTINUE record, where they go
    // on two bytes wide after a new flags byte.
    Biff globals;
    const std::string phonetic = "\x01\x00" + std::string(10, '\x7F');
    const std::string first = U16(2) + "\x0D" + U16(1) + U32(static_cast<unsigned>(phonetic.size())) + Wide(u"東京") +
                              U32(0x00010000) + phonetic;
    globals.rec(biff::kSst, U32(3) + U32(2) + first + U16(5) + std::string(1, '\0') + "ABC");
    globals.rec(biff::kContinue, "\x01" + Wide(u"あい"));
    Biff cells;
    cells.rec(biff::kLabelSst, U16(0) + U16(0) + U16(0) + U32(0));
    cells.rec(biff::kLabelSst, U16(0) + U16(1) + U16(0) + U32(1));
    cells.rec(biff::kLabelSst, U16(1) + U16(2) + U16(0) + U32(1));
    cells.rec(biff::kLabelSst, U16(2) + U16(0) + U16(0) + U32(7));  // no such string: an empty cell
    test::TempDir dir;
    const auto reader = Open(WriteContainer(dir, "sst.xls", u"Workbook", Workbook(globals.s, cells.s)));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->sheetNames(), std::vector<std::string>{"S1"});
    EXPECT_EQ(ReadSheet(*reader, 0), (std::vector<std::string>{"1:東京\tABCあい", "2:\t\tABCあい"}));
}

TEST(WorkbookReader, Biff8NumbersFormulasAndCellsOutOfOrder) {
    auto cell = [](unsigned row, unsigned col, unsigned xf) { return U16(row) + U16(col) + U16(xf); };
    const std::string oneAndHalf("\0\0\0\0\0\0\xF8\x3F", 8);
    Biff globals;
    globals.rec(biff::kFormat, U16(164) + U16(10) + std::string(1, '\0') + "yyyy/mm/dd");
    globals.rec(biff::kXf, U16(0) + U16(0) + std::string(16, '\0'));    // 0: General
    globals.rec(biff::kXf, U16(0) + U16(164) + std::string(16, '\0'));  // 1: the custom date format
    globals.rec(biff::kXf, U16(0) + U16(20) + std::string(16, '\0'));   // 2: built-in h:mm
    Biff cells;
    cells.rec(biff::kNumber, cell(1, 0, 0) + std::string(oneAndHalf.data(), 8));
    cells.rec(biff::kRk, cell(0, 1, 1) + U32((45296u << 2) | 2));    // integer RK, a date
    cells.rec(biff::kRk, cell(0, 0, 0) + U32((12345u << 2) | 3));    // integer RK divided by 100
    cells.rec(biff::kMulRk, U16(2) + U16(0) + U16(0) + U32((7u << 2) | 2) + U16(2) + U32(0x3FE00000) + U16(1));
    cells.rec(biff::kBoolErr, cell(3, 0, 0) + std::string("\x01\x00", 2));
    cells.rec(biff::kBoolErr, cell(3, 1, 0) + "\x07\x01");
    cells.rec(biff::kLabel, cell(3, 2, 0) + U16(3) + std::string(1, '\0') + "abc");
    cells.rec(biff::kFormula, cell(4, 0, 0) + std::string("\0\0\0\0\0\0\xFF\xFF", 8) + std::string(6, '\0'));
    cells.rec(biff::kString, U16(3) + "\x01" + Wide(u"式の値"));
    cells.rec(biff::kFormula, cell(4, 1, 0) + std::string("\x01\0\x01\0\0\0\xFF\xFF", 8) + std::string(6, '\0'));
    cells.rec(biff::kFormula, cell(4, 2, 0) + std::string("\x02\0\x2A\0\0\0\xFF\xFF", 8) + std::string(6, '\0'));
    cells.rec(biff::kFormula, cell(4, 3, 0) + oneAndHalf + std::string(6, '\0'));
    // A chart's own substream inside the sheet is passed over.
    cells.rec(biff::kBof, Bof(0x0600, 0x0020));
    cells.rec(biff::kNumber, cell(9, 0, 0) + oneAndHalf);
    cells.rec(biff::kEof, "");
    test::TempDir dir;
    const auto reader = Open(WriteContainer(dir, "n.xls", u"Workbook", Workbook(globals.s, cells.s)));

    ASSERT_TRUE(reader);
    EXPECT_EQ(ReadSheet(*reader, 0),
              (std::vector<std::string>{"1:123.45\t2024/01/05", "2:1.5", "3:7\t12:00:00", "4:TRUE\t#DIV/0!\tabc",
                                        "5:式の値\tTRUE\t#N/A\t1.5"}));
}

TEST(WorkbookReader, RefusalsSayWhy) {
    test::TempDir dir;
    Biff filePass;
    filePass.rec(biff::kFilePass, U16(1) + std::string(52, '\0'));
    const std::string encryptedXls = WriteContainer(dir, "enc.xls", u"Workbook", Workbook(filePass.s, ""));
    const std::string encryptedXlsx = WriteContainer(dir, "enc.xlsx", u"EncryptedPackage", std::string(5000, 'x'));
    const std::string biff5 = WriteContainer(dir, "old.xls", u"Workbook", Workbook("", "", 0x0500));
    const std::string book = WriteContainer(dir, "book.xls", u"Book", std::string(5000, '\0'));
    const std::string bare = dir.write("bare.xls", std::string("\x09\x04\x06\x00\x00\x00\x10\x00", 8)).string();
    const std::string other = WriteContainer(dir, "doc.xls", u"WordDocument", std::string(5000, '\0'));
    const std::string text = dir.write("text.xlsx", "a,b,c\r\n").string();
    const std::string missing = (dir / "missing.xls").string();
    Biff noSheet;
    noSheet.rec(biff::kBof, Bof(0x0600, 0x0005));
    noSheet.rec(biff::kEof, "");
    const std::string empty = WriteContainer(dir, "nosheet.xls", u"Workbook", noSheet.s);
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {encryptedXls, "パスワードで保護されたEXCELファイルは読み込めません。"},
        {encryptedXlsx, "パスワードで保護されたEXCELファイルは読み込めません。"},
        {biff5, biff5 + " を読み込めませんでした。\n古い形式（BIFF5以前）のEXCELファイルは読み込めません。"},
        {book, book + " を読み込めませんでした。\n古い形式（BIFF5以前）のEXCELファイルは読み込めません。"},
        {bare, bare + " を読み込めませんでした。\n古い形式（BIFF5以前）のEXCELファイルは読み込めません。"},
        {other, other + " を読み込めませんでした。\nEXCELファイルの形式が正しくないか、ファイルが壊れています。"},
        {text, text + " を読み込めませんでした。\nEXCELファイルの形式が正しくないか、ファイルが壊れています。"},
        {missing, missing + " を読み込めませんでした。\nファイルまたはフォルダが見つかりません。"},
        {empty, empty + " を読み込めませんでした。\nワークシートがありません。"},
    };
    for (const auto& c : cases) {
        std::string message;
        EXPECT_FALSE(OpenWorkbookFile(c.path, message)) << c.path;
        EXPECT_EQ(message, c.message) << c.path;
    }
}

}  // namespace
}  // namespace tabrix
