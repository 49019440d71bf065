// One line of the store as a record of an output file other than the
// document's own (split files, conditional save): space marks turned back into
// spaces, fields joined by the output delimiter, and a field holding that
// delimiter quoted.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

class CTabrixDoc;
class CFileWriter;

// A row string as a file record when nothing but the separator changes: every
// TAB becomes the delimiter and the record is padded to width fields, written
// straight into the file buffer.
void WritePlainRecord(std::string_view row, int width, char delimiter, CFileWriter& writer);

class COutputRecord {
public:
    COutputRecord(const CTabrixDoc& doc, char delimiter);

    // The whole row, padded to width fields, then CR LF.
    void writeRow(std::string_view row, int width, CFileWriter& writer);
    // The given fields (0-based indices into fields) in order, then CR LF.
    void writeFields(const std::vector<std::string>& fields, const std::vector<int>& indices, CFileWriter& writer);
    // Space marks of a stored text turned back into spaces.
    void restoreSpaces(std::string& text) const;
    bool hasMarks() const { return m_bMarks; }

private:
    const CTabrixDoc& m_doc;
    char m_delimiter;
    bool m_bMarks;
    std::string m_row;
    std::string m_record;
    std::vector<std::string> m_fields;
};

}  // namespace tabrix
