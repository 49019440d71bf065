#include "document/OutputRecord.h"

#include <algorithm>
#include <cstring>

#include "document/FileWriter.h"
#include "document/TabrixDoc.h"
#include "text/Record.h"

namespace tabrix {

// A row string as a file record when nothing but the separator changes: every
// TAB becomes the delimiter (no trail byte lies below 0x40, so each TAB byte is
// a separator), and the record is padded to the full width. Written straight
// into the file buffer: this is the path of every save of a plain file.
void WritePlainRecord(std::string_view row, int width, char delimiter, CFileWriter& writer) {
    const std::size_t padding = width > 1 ? static_cast<std::size_t>(width - 1) : 0;
    char* const start = writer.space(row.size() + padding + 2);
    std::memcpy(start, row.data(), row.size());
    char* end = start + row.size();
    // An empty row counts as one empty field here: it still needs width-1 separators.
    int fields = 1;
    if (delimiter != kTab || width > 1) {
        for (char* p = start; (p = static_cast<char*>(std::memchr(p, kTab, static_cast<std::size_t>(end - p)))); ++p) {
            *p = delimiter;
            ++fields;
        }
    }
    for (; fields < width; ++fields) *end++ = delimiter;
    *end++ = '\r';
    *end++ = '\n';
    writer.advance(static_cast<std::size_t>(end - start));
}

COutputRecord::COutputRecord(const CTabrixDoc& doc, char delimiter)
    : m_doc(doc),
      m_delimiter(delimiter),
      m_bMarks((doc.m_bHanspDisp && !doc.m_strHanspChar.empty()) || (doc.m_bZenspDisp && !doc.m_strZenspChar.empty())) {}

void COutputRecord::restoreSpaces(std::string& text) const {
    if (m_bMarks) m_doc.marksToSpaces(text);
}

void COutputRecord::writeRow(std::string_view row, int width, CFileWriter& writer) {
    if (m_bMarks) {
        m_row.assign(row);
        m_doc.marksToSpaces(m_row);
        row = m_row;
    }
    if (m_delimiter == kTab) {
        // The row string is already the record.
        char* at = writer.space(row.size() + 2);
        std::memcpy(at, row.data(), row.size());
        at[row.size()] = '\r';
        at[row.size() + 1] = '\n';
        writer.advance(row.size() + 2);
        return;
    }
    if (row.find(m_delimiter) == std::string_view::npos) {
        // No field holds the delimiter: every TAB becomes one.
        WritePlainRecord(row, width, m_delimiter, writer);
        return;
    }
    SplitFields(row, m_fields, std::max(width, RowFieldCount(row)));
    m_record.clear();
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (i > 0) m_record += m_delimiter;
        AppendOutputField(m_record, m_fields[i], m_delimiter);
    }
    m_record += "\r\n";
    writer.write(m_record);
}

void COutputRecord::writeFields(const std::vector<std::string>& fields, const std::vector<int>& indices,
                                CFileWriter& writer) {
    m_record.clear();
    bool first = true;
    for (const int index : indices) {
        if (!first) m_record += m_delimiter;
        first = false;
        if (index >= 0 && static_cast<std::size_t>(index) < fields.size())
            AppendOutputField(m_record, fields[static_cast<std::size_t>(index)], m_delimiter);
    }
    m_record += "\r\n";
    writer.write(m_record);
}

}  // namespace tabrix
