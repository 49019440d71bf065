// Opening an .xls or .xlsx file: the sheet and rows are chosen in the read
// options dialog, and the sheet is read row by row into a new document whose
// delimiter is TAB, from the first row up to the first empty one.
#include <algorithm>
#include <climits>

#include "document/DocumentHooks.h"
#include "document/TabrixDoc.h"
#include "document/workbook/ExcelOptDlg.h"
#include "document/workbook/WorkbookReader.h"
#include "text/Record.h"

namespace tabrix {

namespace {

constexpr const char* kReadingCaption = "EXCELファイル読み込み中";
constexpr const char* kReadingText = "EXCELファイルを読み込んでいます。";
constexpr const char* kStopButton = "中止";
constexpr const char* kStopQuestion = "中止します。\nよろしいですか？";

class ReadingWindowScope {
public:
    explicit ReadingWindowScope(IReadingWindow& window) : m_window(window) {
        m_window.show(kReadingCaption, kReadingText, kStopButton);
    }
    ~ReadingWindowScope() { m_window.hide(); }
    ReadingWindowScope(const ReadingWindowScope&) = delete;
    ReadingWindowScope& operator=(const ReadingWindowScope&) = delete;
    IReadingWindow& operator*() { return m_window; }

private:
    IReadingWindow& m_window;
};

}  // namespace

bool OpenWorkbookDocument(CTabrixDoc& doc, const std::string& path) {
    IUserInterface& ui = doc.app().ui;
    std::string refusal;
    const std::unique_ptr<IWorkbookReader> reader = OpenWorkbookFile(path, refusal);
    if (!reader) {
        ui.messageBox(refusal, MsgIcon::Stop);
        return false;
    }
    CExcelOptDlg dlg;
    dlg.m_strFileName = path;
    dlg.setSheets(reader->sheetNames(), reader->rowLimit());
    if (!ui.runModal(dlg)) return false;

    CCtrlFile& cf = doc.m_CtrlFile;
    doc.copySpaceMarks();
    cf.m_Lines.clear();
    cf.m_nMaxCols = 0;
    cf.m_cDelim = kTab;
    doc.setDataFileName(path);

    // The row strings are made here, not by the record codec: a cell is
    // text as it stands, so a quote in it is data like any other byte.
    int expected = dlg.m_nFirst;
    int narrowest = INT_MAX;
    int widest = 0;
    std::string row;
    CellAlterations changed;
    bool ok = true;
    {
        ReadingWindowScope window(ui.readingWindow());
        ok = reader->readRows(static_cast<std::size_t>(dlg.m_nSheet), dlg.m_nFirst, dlg.m_nLast,
                              [&](int number, std::span<const std::string> cells, const CellAlterations& changes) {
                                  if (number < expected) return true;  // a row given twice
                                  if (number > expected) return false;  // an empty row ends the sheet
                                  row.clear();
                                  for (std::size_t c = 0; c < cells.size(); ++c) {
                                      if (c > 0) row.push_back(kTab);
                                      row += cells[c];
                                  }
                                  doc.spacesToMarks(row);
                                  const int n = static_cast<int>(cells.size());
                                  narrowest = std::min(narrowest, n);
                                  widest = std::max(widest, n);
                                  cf.m_Lines.push_back(row);
                                  changed += changes;
                                  ++expected;
                                  return !((*window).update(number) &&
                                           ui.messageBox(kStopQuestion, MsgIcon::Question, MsgButtons::YesNo) ==
                                               MsgResult::Yes);
                              });
    }
    if (!ok) {
        cf.m_Lines.clear();
        ui.messageBox(WorkbookDamagedMessage(path), MsgIcon::Stop);
        return false;
    }
    cf.m_Lines.shrink_to_fit();
    // A sheet without rows opens as an empty document, as an empty text file does.
    doc.m_nMinCols = cf.m_Lines.empty() ? 0 : narrowest;
    cf.m_nMaxCols = widest;
    if (narrowest != widest && !cf.m_Lines.empty()) {
        int low = 0;
        int high = 0;
        doc.AlignColumns(low, high);
    }
    const std::string message = AlterationsMessage(changed);
    if (!message.empty()) ui.messageBox(message, MsgIcon::Information);
    return true;
}

}  // namespace tabrix
