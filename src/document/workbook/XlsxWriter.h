// Writes an .xlsx workbook with one worksheet through libxlsxwriter in its
// constant-memory mode: each row goes to the library's temporary file as it
// comes, and the package is put together at commit.
#pragma once

#include <string>

#include "document/FileWriter.h"
#include "document/workbook/WorkbookWriter.h"

struct lxw_workbook;
struct lxw_worksheet;

namespace tabrix {

class CXlsxWriter : public IWorkbookWriter {
public:
    CXlsxWriter() = default;
    ~CXlsxWriter() override;
    CXlsxWriter(const CXlsxWriter&) = delete;
    CXlsxWriter& operator=(const CXlsxWriter&) = delete;

    bool open(const std::string& path) override;
    int rowLimit() const override;
    void addRow(std::span<const std::string> fields) override;
    bool commit() override;

private:
    CFileWriter m_file;  // owns the temporary name, syncs it and renames it
    std::string m_folder;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    std::uint32_t m_rows = 0;
    bool m_failed = false;
    std::string m_utf8;
};

}  // namespace tabrix
