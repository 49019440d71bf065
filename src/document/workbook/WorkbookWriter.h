// Writing a workbook (.xls or .xlsx) row by row from code page 932 fields.
//
// A field is written as a number cell only when it reads back byte for byte
// (IsNumberCellText), otherwise as a text cell, never as a formula; empty
// fields leave their cell empty. The file is written under a temporary name
// in the target's folder and takes the target's name only when complete, so
// a failure leaves no partial file behind.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "document/workbook/CellText.h"

namespace tabrix {

class IWorkbookWriter {
public:
    virtual ~IWorkbookWriter() = default;
    // Creates the temporary file; false with error() (an errno) when it cannot.
    virtual bool open(const std::string& path) = 0;
    // The last row this format holds.
    virtual int rowLimit() const = 0;
    // Appends a row below the last one; at most 256 fields are written.
    virtual void addRow(std::span<const std::string> fields) = 0;
    // Writes the file and gives it its name; false with error() on failure.
    virtual bool commit() = 0;
    int error() const { return m_error; }
    // Fields cut at the cell limit, and bytes that were not code page 932 text.
    std::int64_t cutFields() const { return m_cutFields; }
    std::int64_t badBytes() const { return m_badBytes; }

protected:
    void count(const CellOutput& output) {
        if (output.cut) ++m_cutFields;
        m_badBytes += output.badBytes;
    }
    int m_error = 0;
    std::int64_t m_cutFields = 0;
    std::int64_t m_badBytes = 0;
};

// The writer for a path ending exactly in ".xls" or ".xlsx"; null otherwise.
std::unique_ptr<IWorkbookWriter> CreateWorkbookWriter(const std::string& path);

// Whether the name ends in ".xls" or ".xlsx" (case-sensitive, as the open
// command compares extensions).
bool IsWorkbookName(const std::string& path);

}  // namespace tabrix
