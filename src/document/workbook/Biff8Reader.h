// Reads the worksheets of a BIFF8 workbook stream (.xls since 1997): the
// shared strings (with their CONTINUE records and phonetic blocks), the
// formats that make numbers dates, and the cells of a sheet: LABELSST, RK,
// MULRK, NUMBER, BOOLERR, LABEL and FORMULA with its stored result.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/workbook/CellNumber.h"
#include "document/workbook/WorkbookReader.h"

namespace tabrix {

class CBiff8Reader : public IWorkbookReader {
public:
    enum class Status { Ok, Damaged, OldFormat, Encrypted };
    // Reads the workbook globals of the stream, which the reader keeps.
    Status open(std::string stream);

    int rowLimit() const override { return kXlsRowLimit; }
    bool readRows(std::size_t sheet, int first, int last, const WorkbookRowVisitor& visit) override;

private:
    struct Cell {
        std::uint32_t row;
        std::uint16_t col;
        std::uint32_t offset;  // of its text in the texts of the sheet
        std::uint32_t length;
        std::uint32_t change;  // 1 + index of what making it text changed, 0 for nothing
    };
    bool readSst(std::vector<std::string_view> parts);
    NumberKind kindOfXf(std::uint16_t xf) const;
    void appendNumber(double value, std::uint16_t xf, std::string& out) const;

    std::string m_stream;
    std::vector<std::size_t> m_sheetOffsets;
    std::vector<std::string> m_sst;
    // What making each shared string code page 932 text changed, counted at every use.
    std::vector<CellAlterations> m_sstChanges;
    std::vector<NumberKind> m_xfKinds;
    bool m_date1904 = false;
};

}  // namespace tabrix
