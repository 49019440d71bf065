// Writing rows into a new workbook as conditional save's "EXCEL形式" does:
// the 256-column question, one worksheet row per row handed over, the
// question after 65,536 rows, and the count of the rows written.
//
// The caller selects the rows (conditional save with its own line selection,
// a result grid, or every line of a document) and hands each one over as its
// fields in output order:
//
//     CExcelOutput out(ui, path);
//     if (out.begin(columns))
//         for (each selected row) if (!out.addRow(fields)) break;
//     const int written = out.finish();   // -1: nothing was written
//     if (written >= 0) ui.messageBox(ExcelSavedMessage(path, written), MsgIcon::Information);
#pragma once

#include <memory>
#include <span>
#include <string>

#include "app/UserInterface.h"
#include "document/workbook/WorkbookWriter.h"

namespace tabrix {

class CExcelOutput {
public:
    static constexpr const char* kTooManyColumns = "列数がEXCEL上限値(256)以上有ります。256列迄を出力しますか？";
    static constexpr int kQuestionRow = 65536;

    // path ends in ".xls" or ".xlsx".
    CExcelOutput(IUserInterface& ui, std::string path);

    // Asks the 256-column question when more columns are to be written, then
    // creates the workbook. False when the answer was No or the file cannot
    // be created (its message shown); finish() then returns -1.
    bool begin(int columnCount);
    // Writes the first 256 fields as the next worksheet row. False when no
    // further row should be handed over: the format's last row was written,
    // or the 65,536-row question was not answered Yes.
    bool addRow(std::span<const std::string> fields);
    // Saves the workbook: the number of rows written, or -1 when nothing was
    // written ("%s ファイルに書き込み出来ません。" shown on a write failure).
    int finish();

private:
    IUserInterface& m_ui;
    std::string m_path;
    std::unique_ptr<IWorkbookWriter> m_writer;
    int m_rows = 0;
};

// Saves the workbook under its name. On failure shows "%s ファイルに書き込み
// 出来ません。" and returns false; on success tells the user about cells the
// format could not hold as they were (cut or with bytes replaced).
bool CommitWorkbook(IWorkbookWriter& writer, const std::string& path, IUserInterface& ui);

// "%sにＥＸＣＥＬ形式で%d件保存しました。"
std::string ExcelSavedMessage(const std::string& path, int count);
// "%s ファイルに書き込み出来ません。"
std::string CannotWriteMessage(const std::string& path);

}  // namespace tabrix
