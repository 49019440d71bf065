#include "document/workbook/Biff8Reader.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "document/workbook/BiffRecords.h"

namespace tabrix {

using namespace biff;

namespace {

const char* ErrorText(std::uint8_t code) {
    switch (code) {
        case 0x00: return "#NULL!";
        case 0x07: return "#DIV/0!";
        case 0x0F: return "#VALUE!";
        case 0x17: return "#REF!";
        case 0x1D: return "#NAME?";
        case 0x24: return "#NUM!";
        case 0x2A: return "#N/A";
        default: return "#ERROR!";
    }
}

double RkValue(std::uint32_t rk) {
    double value = 0;
    if (rk & 2) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 1) ? value / 100 : value;
}

double DoubleAt(const char* p) {
    const std::uint64_t bits = U32(p) | static_cast<std::uint64_t>(U32(p + 4)) << 32;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The bodies of a record and the CONTINUE records that follow it.
std::vector<std::string_view> WithContinues(const RecordView& record, RecordWalker& walker) {
    std::vector<std::string_view> parts{record.body};
    RecordView next;
    while (walker.peek(next) && next.id == kContinue) {
        walker.next(next);
        parts.push_back(next.body);
    }
    return parts;
}

// Text of a name or format string; what it cannot hold is not worth a count.
std::string StringText(std::string_view body, bool shortCount) {
    std::string text;
    CellAlterations ignored;
    Utf16CellText units(text, ignored);
    ContinuedCursor cursor({body});
    cursor.unicodeString(shortCount, units);
    return text;
}

// A format code as ASCII for judging its tokens; other characters are
// literal text of the format and do not matter.
std::string FormatCode(std::string_view body) {
    std::string code;
    std::uint16_t count = 0;
    if (body.size() < 3) return code;
    count = U16(body.data());
    const bool wide = body[2] & 1;
    for (std::size_t i = 0, at = 3; i < count && at + (wide ? 1 : 0) < body.size(); ++i, at += wide ? 2 : 1) {
        const unsigned unit = wide ? U16(body.data() + at) : static_cast<unsigned char>(body[at]);
        code.push_back(unit < 0x80 ? static_cast<char>(unit) : '~');
    }
    return code;
}

}  // namespace

CBiff8Reader::Status CBiff8Reader::open(std::string stream) {
    m_stream = std::move(stream);
    RecordWalker walker(m_stream, 0);
    RecordView record;
    if (!walker.next(record)) return Status::Damaged;
    if (record.id != kBof || record.body.size() < 4) {
        return (record.id & 0xFF) == 0x09 ? Status::OldFormat : Status::Damaged;
    }
    if (U16(record.body.data()) != kBiff8) return Status::OldFormat;
    if (U16(record.body.data() + 2) != kGlobals) return Status::Damaged;

    std::map<std::uint16_t, NumberKind> formats;
    std::vector<std::uint16_t> xfFormats;
    bool ended = false;
    while (!ended && walker.next(record)) {
        const std::string_view b = record.body;
        switch (record.id) {
            case kFilePass: return Status::Encrypted;
            case kDateMode:
                if (b.size() >= 2) m_date1904 = U16(b.data()) != 0;
                break;
            case kFormat:
                if (b.size() >= 2) formats[U16(b.data())] = FormatCodeKind(FormatCode(b.substr(2)));
                break;
            case kXf:
                if (b.size() >= 4) xfFormats.push_back(U16(b.data() + 2));
                break;
            case kSst:
                if (!readSst(WithContinues(record, walker))) return Status::Damaged;
                break;
            case kBoundSheet:
                if (b.size() >= 8 && b[5] == 0) {
                    m_sheetOffsets.push_back(U32(b.data()));
                    m_sheets.push_back(StringText(b.substr(6), true));
                }
                break;
            case kEof: ended = true; break;
            default: break;
        }
    }
    if (!ended) return Status::Damaged;
    m_xfKinds.reserve(xfFormats.size());
    for (std::uint16_t id : xfFormats) {
        const auto it = formats.find(id);
        m_xfKinds.push_back(it != formats.end() ? it->second : BuiltinFormatKind(id));
    }
    return Status::Ok;
}

bool CBiff8Reader::readSst(std::vector<std::string_view> parts) {
    if (parts[0].size() < 8) return false;
    const std::uint32_t unique = U32(parts[0].data() + 4);
    parts[0].remove_prefix(8);
    ContinuedCursor cursor(std::move(parts));
    // The count in the header is not trusted for sizing: strings are read while the records last.
    for (std::uint32_t i = 0; i < unique; ++i) {
        std::string text;
        CellAlterations changed;
        Utf16CellText units(text, changed);
        if (!cursor.unicodeString(false, units)) break;
        m_sst.push_back(std::move(text));
        m_sstChanges.push_back(changed);
    }
    return true;
}

NumberKind CBiff8Reader::kindOfXf(std::uint16_t xf) const {
    return xf < m_xfKinds.size() ? m_xfKinds[xf] : NumberKind::Plain;
}

void CBiff8Reader::appendNumber(double value, std::uint16_t xf, std::string& out) const {
    if (!AppendSerialText(value, kindOfXf(xf), m_date1904, out)) AppendNumberText(value, out);
}

bool CBiff8Reader::readRows(std::size_t sheet, int first, int last, const WorkbookRowVisitor& visit) {
    if (sheet >= m_sheetOffsets.size()) return false;
    RecordWalker walker(m_stream, m_sheetOffsets[sheet]);
    RecordView record;
    if (!walker.next(record) || record.id != kBof || record.body.size() < 4 ||
        U16(record.body.data() + 2) != kWorksheet)
        return false;

    const std::uint32_t low = static_cast<std::uint32_t>(first - 1);
    const std::uint32_t high = static_cast<std::uint32_t>(last - 1);
    std::vector<Cell> cells;
    std::string texts;
    std::vector<CellAlterations> changes;
    CellAlterations changed;  // of the cell being made
    auto inRange = [&](std::uint32_t row) { return row >= low && row <= high; };
    auto add = [&](std::uint32_t row, std::uint16_t col, std::size_t from) {
        std::uint32_t change = 0;
        if (changed.any()) {
            changes.push_back(changed);
            change = static_cast<std::uint32_t>(changes.size());
            changed = {};
        }
        if (texts.size() == from && change == 0) return;  // an empty text is no cell
        cells.push_back({row, col, static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(texts.size() - from),
                         change});
    };
    int depth = 1;  // charts embedded in a sheet bring BOF..EOF of their own
    bool pendingString = false;
    std::uint32_t pendingRow = 0;
    std::uint16_t pendingCol = 0;
    while (depth > 0) {
        if (!walker.next(record)) return false;
        const std::string_view b = record.body;
        if (record.id == kBof) {
            ++depth;
            continue;
        }
        if (record.id == kEof) {
            --depth;
            continue;
        }
        if (depth != 1) continue;
        if (record.id == kString) {
            if (pendingString) {
                const std::size_t from = texts.size();
                Utf16CellText units(texts, changed);
                ContinuedCursor cursor(WithContinues(record, walker));
                if (!cursor.unicodeString(false, units)) return false;
                add(pendingRow, pendingCol, from);
            }
            pendingString = false;
            continue;
        }
        if (b.size() < 6) continue;
        const std::uint32_t row = U16(b.data());
        const std::uint16_t col = U16(b.data() + 2);
        const std::uint16_t xf = U16(b.data() + 4);
        switch (record.id) {
            case kLabelSst:
                if (b.size() >= 10 && inRange(row)) {
                    const std::uint32_t index = U32(b.data() + 6);
                    const std::size_t from = texts.size();
                    if (index < m_sst.size()) {
                        texts += m_sst[index];
                        changed += m_sstChanges[index];
                    }
                    add(row, col, from);
                }
                break;
            case kLabel:
            case kRString:
                if (inRange(row)) {
                    const std::size_t from = texts.size();
                    Utf16CellText units(texts, changed);
                    ContinuedCursor cursor({b.substr(6)});
                    if (!cursor.unicodeString(false, units)) return false;
                    add(row, col, from);
                }
                break;
            case kNumber:
                if (b.size() >= 14 && inRange(row)) {
                    const std::size_t from = texts.size();
                    appendNumber(DoubleAt(b.data() + 6), xf, texts);
                    add(row, col, from);
                }
                break;
            case kRk:
                if (b.size() >= 10 && inRange(row)) {
                    const std::size_t from = texts.size();
                    appendNumber(RkValue(U32(b.data() + 6)), xf, texts);
                    add(row, col, from);
                }
                break;
            case kMulRk:
                if (inRange(row)) {
                    // Pairs of format and value from col on; the last two bytes name the last column.
                    for (std::size_t at = 4, c = col; at + 6 <= b.size() - 2; at += 6, ++c) {
                        const std::size_t from = texts.size();
                        appendNumber(RkValue(U32(b.data() + at + 2)), U16(b.data() + at), texts);
                        add(row, static_cast<std::uint16_t>(c), from);
                    }
                }
                break;
            case kBoolErr:
                if (b.size() >= 8 && inRange(row)) {
                    const std::size_t from = texts.size();
                    texts += b[7] ? ErrorText(static_cast<std::uint8_t>(b[6])) : b[6] ? "TRUE" : "FALSE";
                    add(row, col, from);
                }
                break;
            case kFormula:
                if (b.size() >= 14 && inRange(row)) {
                    const char* v = b.data() + 6;
                    const std::size_t from = texts.size();
                    if (U16(v + 6) != 0xFFFF) {
                        appendNumber(DoubleAt(v), xf, texts);
                    } else if (v[0] == 0) {
                        pendingString = true;  // the text follows in a STRING record
                        pendingRow = row;
                        pendingCol = col;
                    } else if (v[0] == 1) {
                        texts += v[2] ? "TRUE" : "FALSE";
                    } else if (v[0] == 2) {
                        texts += ErrorText(static_cast<std::uint8_t>(v[2]));
                    }
                    add(row, col, from);
                }
                break;
            default: break;
        }
    }

    // Cells come row by row from every writer we know; sort only when not.
    const auto before = [](const Cell& a, const Cell& b) { return a.row != b.row ? a.row < b.row : a.col < b.col; };
    if (!std::is_sorted(cells.begin(), cells.end(), before)) std::stable_sort(cells.begin(), cells.end(), before);

    std::vector<std::string> row(kWorkbookColumns);
    std::size_t count = 0;
    for (std::size_t i = 0; i < cells.size();) {
        const std::uint32_t r = cells[i].row;
        for (std::size_t c = 0; c < count; ++c) row[c].clear();
        count = 0;
        CellAlterations rowChanges;
        for (; i < cells.size() && cells[i].row == r; ++i) {
            const Cell& cell = cells[i];
            if (cell.col >= kWorkbookColumns) continue;
            row[cell.col].assign(texts, cell.offset, cell.length);
            if (cell.change) rowChanges += changes[cell.change - 1];
            if (cell.length) count = std::max<std::size_t>(count, cell.col + 1u);
        }
        if (count > 0 && !visit(static_cast<int>(r) + 1, std::span<const std::string>(row.data(), count), rowChanges))
            break;
    }
    return true;
}

}  // namespace tabrix
