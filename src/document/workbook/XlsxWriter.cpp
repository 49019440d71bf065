#include "document/workbook/XlsxWriter.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <charconv>

#include "document/workbook/CellNumber.h"
#include "document/workbook/WorkbookReader.h"

namespace tabrix {

CXlsxWriter::~CXlsxWriter() {
    // A workbook never committed is given up unwritten; the file writer
    // removes the temporary name.
    if (m_book) lxw_workbook_free(m_book);
}

bool CXlsxWriter::open(const std::string& path) {
    // The temporary file is made first: the library would only find out at
    // commit that the folder cannot be written.
    if (!m_file.open(path)) {
        m_error = m_file.error();
        return false;
    }
    const std::string& temp = m_file.tempPath();
    const std::size_t slash = temp.rfind('/');
    m_folder = slash == std::string::npos ? std::string(".") : temp.substr(0, slash);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_folder.data();
    options.use_zip64 = LXW_FALSE;
    m_book = workbook_new_opt(temp.c_str(), &options);
    m_sheet = m_book ? workbook_add_worksheet(m_book, "Sheet1") : nullptr;
    if (!m_sheet) {
        m_error = ENOMEM;
        return false;
    }
    return true;
}

int CXlsxWriter::rowLimit() const { return kXlsxRowLimit; }

void CXlsxWriter::addRow(std::span<const std::string> fields) {
    if (!m_sheet || m_rows >= static_cast<std::uint32_t>(kXlsxRowLimit)) return;
    const std::size_t width = std::min<std::size_t>(fields.size(), kWorkbookColumns);
    for (std::size_t c = 0; c < width; ++c) {
        const std::string& field = fields[c];
        if (field.empty()) continue;
        const auto col = static_cast<lxw_col_t>(c);
        double value = 0;
        lxw_error result = LXW_NO_ERROR;
        if (IsNumberCellText(field) &&
            std::from_chars(field.data(), field.data() + field.size(), value).ec == std::errc()) {
            result = worksheet_write_number(m_sheet, m_rows, col, value, nullptr);
        } else {
            CellOutput output;
            FieldToCellUtf8(field, m_utf8, output);
            count(output);
            result = worksheet_write_string(m_sheet, m_rows, col, m_utf8.c_str(), nullptr);
        }
        if (result != LXW_NO_ERROR) m_failed = true;
    }
    ++m_rows;
}

bool CXlsxWriter::commit() {
    if (!m_book) return false;
    const lxw_error closed = workbook_close(m_book);
    m_book = nullptr;
    m_sheet = nullptr;
    if (closed != LXW_NO_ERROR || m_failed) {
        m_error = closed == LXW_ERROR_MEMORY_MALLOC_FAILED ? ENOMEM : EIO;
        return false;  // the file writer removes the temporary file
    }
    if (m_file.commit()) return true;
    m_error = m_file.error();
    return false;
}

}  // namespace tabrix
