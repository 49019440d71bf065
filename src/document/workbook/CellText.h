// Cell text between a workbook's Unicode and the store's code page 932.
//
// Reading: a cell becomes one field of a row string, so it must never hold a
// TAB, CR or LF. Control characters are dropped and characters that code
// page 932 cannot hold become '?'; both are counted, so that the user is told
// once what the open changed. Writing: a field becomes Unicode, at most
// 32,767 UTF-16 units (a spreadsheet cell's limit), cut at a character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/workbook/UnicodeTable.h"

namespace tabrix {

// What reading changed in the cells.
struct CellAlterations {
    std::int64_t replaced = 0;          // characters without a code page 932 code, now '?'
    std::int64_t controls = 0;          // control characters dropped (TAB, CR, LF, ...)
    std::int64_t noCachedValue = 0;     // formula cells without a stored result, read as empty
    std::int64_t beyondLastColumn = 0;  // non-empty cells right of column IV, left out
    bool any() const { return replaced || controls || noCachedValue || beyondLastColumn; }
    CellAlterations& operator+=(const CellAlterations& more) {
        replaced += more.replaced;
        controls += more.controls;
        noCachedValue += more.noCachedValue;
        beyondLastColumn += more.beyondLastColumn;
        return *this;
    }
};

// The one information message after an open that changed cells; empty when nothing changed.
std::string AlterationsMessage(const CellAlterations& alterations);

// Appends one Unicode character of a cell as code page 932.
inline void AppendCellChar(char32_t cp, std::string& out, CellAlterations& alterations) {
    if (cp < 0x20 || cp == 0x7F) {
        ++alterations.controls;
        return;
    }
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    if (!AppendCp932(cp, out)) {
        out.push_back('?');
        ++alterations.replaced;
    }
}

// Appends UTF-8 cell text (well-formed, as the XML parser delivers it). With
// escapes set, each _xHHHH_ stands for the UTF-16 unit HHHH (_x005F_ for a
// literal underscore), as workbook XML writes characters it cannot hold.
void AppendCellUtf8(std::string_view utf8, bool escapes, std::string& out, CellAlterations& alterations);

// Decodes UTF-16 units one by one, pairing surrogates, into a cell's text.
class Utf16CellText {
public:
    Utf16CellText(std::string& out, CellAlterations& alterations) : m_out(out), m_alt(alterations) {}
    void put(char16_t unit);
    // Ends the text: a high surrogate left alone becomes '?'.
    void finish();

private:
    std::string& m_out;
    CellAlterations& m_alt;
    char16_t m_high = 0;
};

// The spreadsheet's limit on the text of one cell, in UTF-16 units.
constexpr std::size_t kMaxCellUnits = 32767;

// A field as the Unicode text of a cell. Bytes that are not code page 932
// characters become '?'; the text is cut at kMaxCellUnits units.
struct CellOutput {
    bool cut = false;           // the field was longer than a cell holds
    std::int64_t badBytes = 0;  // bytes that were not code page 932 text
};
// UTF-8, with every literal _xHHHH_ written as _x005F_xHHHH_ so that a reader
// that decodes the escapes gets the field back as typed.
void FieldToCellUtf8(std::string_view field, std::string& out, CellOutput& result);
// UTF-16 units.
void FieldToCellUtf16(std::string_view field, std::u16string& out, CellOutput& result);

}  // namespace tabrix
