#include "document/workbook/Biff8Writer.h"

#include <charconv>
#include <cstring>

#include "document/workbook/BiffRecords.h"
#include "document/workbook/CellNumber.h"
#include "document/workbook/CompoundFileWriter.h"
#include "document/workbook/WorkbookReader.h"

namespace tabrix {

using namespace biff;

namespace {

constexpr std::uint16_t kDefaultCellXf = 15;  // after the 15 style formats a reader expects

void Add16(std::string& s, std::uint16_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>(v >> 8));
}
void Add32(std::string& s, std::uint32_t v) {
    Add16(s, static_cast<std::uint16_t>(v & 0xFFFF));
    Add16(s, static_cast<std::uint16_t>(v >> 16));
}
void AddRecord(std::string& s, std::uint16_t id, std::string_view body) {
    Add16(s, id);
    Add16(s, static_cast<std::uint16_t>(body.size()));
    s.append(body);
}
std::string Bytes(std::initializer_list<unsigned> bytes) {
    std::string s;
    for (unsigned b : bytes) s.push_back(static_cast<char>(b));
    return s;
}

bool NeedsWide(std::u16string_view text) {
    for (char16_t c : text)
        if (c > 0xFF) return true;
    return false;
}

void AddChars(std::string& s, std::u16string_view text, bool wide) {
    for (char16_t c : text) {
        if (wide) Add16(s, c);
        else s.push_back(static_cast<char>(c));
    }
}

std::string BofBody(std::uint16_t type) {
    std::string b;
    Add16(b, kBiff8);
    Add16(b, type);
    Add16(b, 0x0DBB);  // build
    Add16(b, 0x07CC);  // year
    Add32(b, 0);
    Add32(b, 6);
    return b;
}

// The shared string table and its index: strings flow on into CONTINUE
// records, and a string cut by a record boundary goes on after a new flags
// byte. Every eighth string or so is indexed for readers that seek.
void AddSst(std::string& out, const std::vector<std::u16string>& strings, std::uint32_t total) {
    const std::size_t perBucket = std::max<std::size_t>(8, (strings.size() + 127) / 128);
    std::string extSst;
    Add16(extSst, static_cast<std::uint16_t>(perBucket));

    std::size_t recordStart = out.size();
    std::string body;
    Add32(body, total);
    Add32(body, static_cast<std::uint32_t>(strings.size()));
    std::uint16_t recordId = kSst;
    auto flush = [&] {
        AddRecord(out, recordId, body);
        body.clear();
        recordId = kContinue;
        recordStart = out.size();
    };
    for (std::size_t i = 0; i < strings.size(); ++i) {
        const std::u16string& text = strings[i];
        const bool wide = NeedsWide(text);
        const std::size_t width = wide ? 2 : 1;
        // The header and the first character stay together.
        if (body.size() + 3 + width > kMaxRecordData) flush();
        if (i % perBucket == 0) {
            Add32(extSst, static_cast<std::uint32_t>(recordStart + 4 + body.size()));
            Add16(extSst, static_cast<std::uint16_t>(4 + body.size()));
            Add16(extSst, 0);
        }
        Add16(body, static_cast<std::uint16_t>(text.size()));
        body.push_back(wide ? 1 : 0);
        std::size_t done = 0;
        while (done < text.size()) {
            const std::size_t room = (kMaxRecordData - body.size()) / width;
            if (room == 0) {
                flush();
                body.push_back(wide ? 1 : 0);
                continue;
            }
            const std::size_t n = std::min(room, text.size() - done);
            AddChars(body, std::u16string_view(text).substr(done, n), wide);
            done += n;
        }
    }
    flush();
    AddRecord(out, kExtSst, extSst);
}

std::string Globals(const std::vector<std::u16string>& strings, std::uint32_t total, std::uint32_t sheetOffset) {
    std::string g;
    AddRecord(g, kBof, BofBody(kGlobals));
    AddRecord(g, 0x00E1, Bytes({0xB0, 0x04}));  // INTERFACEHDR: code page 1200
    AddRecord(g, 0x00C1, Bytes({0, 0}));        // MMS
    AddRecord(g, 0x00E2, {});                   // INTERFACEEND
    AddRecord(g, 0x0042, Bytes({0xB0, 0x04}));  // CODEPAGE: UTF-16
    AddRecord(g, 0x0161, Bytes({0, 0}));        // DSF
    AddRecord(g, 0x0019, Bytes({0, 0}));        // WINDOWPROTECT
    AddRecord(g, 0x0012, Bytes({0, 0}));        // PROTECT
    AddRecord(g, 0x0013, Bytes({0, 0}));        // PASSWORD
    AddRecord(g, 0x003D, Bytes({0, 0, 0, 0, 0x00, 0x40, 0x00, 0x20, 0x38, 0, 0, 0, 0, 0, 1, 0, 0x58, 0x02}));  // WINDOW1
    AddRecord(g, 0x0040, Bytes({0, 0}));        // BACKUP
    AddRecord(g, 0x008D, Bytes({0, 0}));        // HIDEOBJ
    AddRecord(g, kDateMode, Bytes({0, 0}));     // the 1900 date system
    AddRecord(g, 0x000E, Bytes({1, 0}));        // PRECISION: as displayed off
    AddRecord(g, 0x00DA, Bytes({0, 0}));        // BOOKBOOL
    // Five fonts (readers skip the fourth index): 10 point, Japanese character set.
    const std::u16string fontName = u"ＭＳ Ｐゴシック";
    for (int i = 0; i < 5; ++i) {
        std::string font = Bytes({200, 0, 0, 0, 0xFF, 0x7F, 0x90, 0x01, 0, 0, 0, 0, 0x80, 0});
        font.push_back(static_cast<char>(fontName.size()));
        font.push_back(1);
        AddChars(font, fontName, true);
        AddRecord(g, 0x0031, font);
    }
    const std::string styleXf = Bytes({0, 0, 0, 0, 0xF5, 0xFF, 0x20, 0, 0, 0xF4, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0x20});
    const std::string cellXf = Bytes({0, 0, 0, 0, 0x01, 0x00, 0x20, 0, 0, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0x20});
    for (int i = 0; i < kDefaultCellXf; ++i) AddRecord(g, kXf, styleXf);
    AddRecord(g, kXf, cellXf);
    AddRecord(g, 0x0293, Bytes({0x00, 0x80, 0x00, 0xFF}));  // STYLE: Normal
    std::string sheet;
    Add32(sheet, sheetOffset);
    sheet += Bytes({0, 0, 6, 0});  // visible worksheet, "Sheet1" in one-byte characters
    sheet += "Sheet1";
    AddRecord(g, kBoundSheet, sheet);
    AddRecord(g, 0x008C, Bytes({81, 0, 81, 0}));  // COUNTRY: Japan
    AddSst(g, strings, total);
    AddRecord(g, kEof, {});
    return g;
}

}  // namespace

bool CBiff8Writer::open(const std::string& path) {
    if (m_file.open(path)) return true;
    m_error = m_file.error();
    return false;
}

int CBiff8Writer::rowLimit() const { return kXlsRowLimit; }

std::uint32_t CBiff8Writer::stringIndex(const std::string& field) {
    const auto [it, added] = m_index.try_emplace(field, static_cast<std::uint32_t>(m_strings.size()));
    if (added) {
        CellOutput output;
        FieldToCellUtf16(field, m_scratch, output);
        if (output.cut || output.badBytes) m_changed[it->second] = output;
        m_strings.push_back(m_scratch);
    }
    if (const auto changed = m_changed.find(it->second); changed != m_changed.end()) count(changed->second);
    return it->second;
}

void CBiff8Writer::addRow(std::span<const std::string> fields) {
    if (m_rows >= static_cast<std::uint32_t>(kXlsRowLimit)) return;
    const std::size_t width = std::min<std::size_t>(fields.size(), kWorkbookColumns);
    std::string body;
    for (std::size_t c = 0; c < width; ++c) {
        const std::string& field = fields[c];
        if (field.empty()) continue;
        body.clear();
        Add16(body, static_cast<std::uint16_t>(m_rows));
        Add16(body, static_cast<std::uint16_t>(c));
        Add16(body, kDefaultCellXf);
        double value = 0;
        if (IsNumberCellText(field) &&
            std::from_chars(field.data(), field.data() + field.size(), value).ec == std::errc()) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            Add32(body, static_cast<std::uint32_t>(bits));
            Add32(body, static_cast<std::uint32_t>(bits >> 32));
            AddRecord(m_cells, kNumber, body);
        } else {
            Add32(body, stringIndex(field));
            ++m_stringCells;
            AddRecord(m_cells, kLabelSst, body);
        }
        m_cols = std::max<std::uint16_t>(m_cols, static_cast<std::uint16_t>(c + 1));
    }
    ++m_rows;
}

std::string CBiff8Writer::workbookStream() const {
    // The sheet's offset is part of the globals: measure them once, then write them for real.
    const std::uint32_t offset = static_cast<std::uint32_t>(Globals(m_strings, m_stringCells, 0).size());
    std::string stream = Globals(m_strings, m_stringCells, offset);
    AddRecord(stream, kBof, BofBody(kWorksheet));
    std::string dims;
    Add32(dims, 0);
    Add32(dims, m_rows);
    Add16(dims, 0);
    Add16(dims, m_cols);
    Add16(dims, 0);
    AddRecord(stream, 0x0200, dims);  // DIMENSIONS
    stream += m_cells;
    AddRecord(stream, 0x023E, Bytes({0xB6, 0x06, 0, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // WINDOW2
    AddRecord(stream, kEof, {});
    return stream;
}

bool CBiff8Writer::commit() {
    std::string stream = workbookStream();
    m_cells.clear();
    m_cells.shrink_to_fit();
    WriteCompoundFile(u"Workbook", stream, m_sectorShift, [this](std::string_view bytes) { m_file.write(bytes); });
    if (m_file.commit()) return true;
    m_error = m_file.error();
    return false;
}

}  // namespace tabrix
