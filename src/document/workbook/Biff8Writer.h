// Writes a BIFF8 workbook (.xls) with one worksheet: text in the shared
// string table (split into CONTINUE records as needed), numbers as NUMBER
// records, and the few global records a reader needs (fonts, formats, the
// default cell format, the sheet's bounds), in a compound file.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "document/FileWriter.h"
#include "document/workbook/WorkbookWriter.h"

namespace tabrix {

class CBiff8Writer : public IWorkbookWriter {
public:
    // Sector size of the container (9: 512 bytes, 12: 4096 bytes).
    explicit CBiff8Writer(unsigned sectorShift = 9) : m_sectorShift(sectorShift) {}
    bool open(const std::string& path) override;
    int rowLimit() const override;
    void addRow(std::span<const std::string> fields) override;
    bool commit() override;

    // The workbook stream as it stands: globals and the sheet.
    std::string workbookStream() const;

private:
    std::uint32_t stringIndex(const std::string& field);

    unsigned m_sectorShift;
    CFileWriter m_file;
    std::string m_cells;  // the sheet's cell records
    std::unordered_map<std::string, std::uint32_t> m_index;
    // What writing changed in a string, counted again at every use.
    std::unordered_map<std::uint32_t, CellOutput> m_changed;
    std::vector<std::u16string> m_strings;
    std::uint32_t m_stringCells = 0;
    std::uint32_t m_rows = 0;
    std::uint16_t m_cols = 0;
    std::u16string m_scratch;
};

}  // namespace tabrix
