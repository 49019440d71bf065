// The records of a BIFF8 workbook stream: ids, and a cursor over one record's
// body together with the CONTINUE records that carry on from it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/workbook/CellText.h"

namespace tabrix::biff {

enum Record : std::uint16_t {
    kFormula = 0x0006,
    kEof = 0x000A,
    kDateMode = 0x0022,
    kFilePass = 0x002F,
    kContinue = 0x003C,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kSst = 0x00FC,
    kExtSst = 0x00FF,
    kLabelSst = 0x00FD,
    kRString = 0x00D6,
    kXf = 0x00E0,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRk = 0x027E,
    kFormat = 0x041E,
    kBof = 0x0809,
};

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kGlobals = 0x0005;
constexpr std::uint16_t kWorksheet = 0x0010;
// Bytes of a record body; longer data goes on in CONTINUE records.
constexpr std::size_t kMaxRecordData = 8224;

inline std::uint16_t U16(const char* p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8);
}
inline std::uint32_t U32(const char* p) { return U16(p) | static_cast<std::uint32_t>(U16(p + 2)) << 16; }

// One record of the stream.
struct RecordView {
    std::uint16_t id = 0;
    std::string_view body;
    std::size_t offset = 0;  // of its header in the stream
};

// Walks the records of a stream from an offset; false at its end or when a
// record would run past it.
class RecordWalker {
public:
    RecordWalker(std::string_view stream, std::size_t offset) : m_stream(stream), m_pos(offset) {}
    bool next(RecordView& record);
    // The record after the current one, without moving on.
    bool peek(RecordView& record) const;

private:
    std::string_view m_stream;
    std::size_t m_pos;
};

// A cursor over a record body and the CONTINUE bodies after it. Plain bytes
// flow across the seams; the characters of a string that crosses a seam
// start again with a flags byte that says their width.
class ContinuedCursor {
public:
    explicit ContinuedCursor(std::vector<std::string_view> parts) : m_parts(std::move(parts)) {}
    bool u8(std::uint8_t& v);
    bool u16(std::uint16_t& v);
    bool u32(std::uint32_t& v);
    bool skip(std::size_t n);
    // count characters, one or two bytes wide as the flags say.
    bool chars(std::size_t count, bool wide, Utf16CellText& text);
    // A string: count (8 or 16 bits), flags, and the optional rich-text runs
    // and phonetic block, which are passed over.
    bool unicodeString(bool shortCount, Utf16CellText& text);

private:
    bool ensure();
    std::vector<std::string_view> m_parts;
    std::size_t m_part = 0;
    std::size_t m_off = 0;
};

}  // namespace tabrix::biff
