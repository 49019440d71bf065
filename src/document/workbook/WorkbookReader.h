// Reading a workbook (.xls or .xlsx) one worksheet row at a time, as text.
//
// Opening finds the worksheets and what the cells need to become text (the
// shared strings, which formats are dates, the date system); reading a
// sheet then hands over its rows in ascending order. Each cell is already
// code page 932 text made by the rules of CellText and CellNumber; what those
// rules changed comes with each row, so that only rows kept are counted.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "document/workbook/CellText.h"

namespace tabrix {

// The columns a row is read from: A to IV.
constexpr int kWorkbookColumns = 256;
constexpr int kXlsRowLimit = 65536;
constexpr int kXlsxRowLimit = 1048576;

// A row that holds cells: its 1-based number, the texts of columns A to the
// last column whose text is not empty (cells in between may be empty), and
// what making them text changed. Returning false stops the reading.
using WorkbookRowVisitor =
    std::function<bool(int row, std::span<const std::string> cells, const CellAlterations& changes)>;

class IWorkbookReader {
public:
    virtual ~IWorkbookReader() = default;
    // Names of the worksheets in workbook order, as code page 932 text.
    const std::vector<std::string>& sheetNames() const { return m_sheets; }
    // The last row a sheet of this format can have.
    virtual int rowLimit() const = 0;
    // Reads the rows first..last (1-based) of a sheet (0-based) that hold
    // cells. False when the sheet turned out to be damaged.
    virtual bool readRows(std::size_t sheet, int first, int last, const WorkbookRowVisitor& visit) = 0;

protected:
    std::vector<std::string> m_sheets;
};

// Opens the workbook at a code page 932 path, by its content: a zip package
// is read as .xlsx, a compound file as .xls. On failure returns null with the
// message to show in message.
std::unique_ptr<IWorkbookReader> OpenWorkbookFile(const std::string& path, std::string& message);

// The reasons a workbook is refused; each message starts with the file name.
std::string WorkbookDamagedMessage(const std::string& path);
std::string WorkbookNoSheetMessage(const std::string& path);
std::string WorkbookOldFormatMessage(const std::string& path);
constexpr const char* kWorkbookEncrypted = "パスワードで保護されたEXCELファイルは読み込めません。";

}  // namespace tabrix
