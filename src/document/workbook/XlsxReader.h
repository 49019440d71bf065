// Reads the worksheets of an .xlsx package: the relationships that lead from
// the package to the workbook and on to its sheets, shared strings and
// styles; workbook.xml for the sheets in order and the date system; then a
// sheet's cells streamed row by row (s, str, inlineStr, b, e, n and d; a
// formula gives its stored result).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "document/workbook/CellNumber.h"
#include "document/workbook/WorkbookReader.h"

struct zip;

namespace tabrix {

class CXlsxReader : public IWorkbookReader {
public:
    enum class Status { Ok, NotPackage, Damaged };
    CXlsxReader() = default;
    ~CXlsxReader() override;
    CXlsxReader(const CXlsxReader&) = delete;
    CXlsxReader& operator=(const CXlsxReader&) = delete;

    // Opens the package at a file system path and reads what every sheet needs.
    Status open(const std::string& fsPath);

    int rowLimit() const override { return kXlsxRowLimit; }
    bool readRows(std::size_t sheet, int first, int last, const WorkbookRowVisitor& visit) override;

    // The shared strings, for the sheet reader.
    struct SharedString {
        std::size_t offset;
        std::uint32_t length;
        std::uint32_t replaced;  // what making it code page 932 text changed
        std::uint32_t controls;
    };
    const std::string& sharedText() const { return m_sharedText; }
    const std::vector<SharedString>& sharedStrings() const { return m_shared; }
    NumberKind kindOfStyle(std::size_t style) const {
        return style < m_styleKinds.size() ? m_styleKinds[style] : NumberKind::Plain;
    }
    bool date1904() const { return m_date1904; }

private:
    bool readStyles(const std::string& part);
    bool readSharedStrings(const std::string& part);

    struct zip* m_zip = nullptr;
    std::vector<std::string> m_sheetParts;
    std::string m_sharedText;
    std::vector<SharedString> m_shared;
    std::vector<NumberKind> m_styleKinds;
    bool m_date1904 = false;
};

// The path of a relationship's target inside the package: relative to the
// folder of the part that names it, or from the root when it starts with '/'.
std::string ResolvePartPath(const std::string& sourcePart, std::string_view target);
// The 1-based column of a cell reference ("B2" is 2), 0 when it has no letters.
int ColumnOfReference(std::string_view reference);

}  // namespace tabrix
