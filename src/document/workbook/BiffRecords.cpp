#include "document/workbook/BiffRecords.h"

namespace tabrix::biff {

bool RecordWalker::peek(RecordView& record) const {
    if (m_pos + 4 > m_stream.size()) return false;
    const std::uint16_t length = U16(m_stream.data() + m_pos + 2);
    if (m_pos + 4 + length > m_stream.size()) return false;
    record.id = U16(m_stream.data() + m_pos);
    record.body = m_stream.substr(m_pos + 4, length);
    record.offset = m_pos;
    return true;
}

bool RecordWalker::next(RecordView& record) {
    if (!peek(record)) return false;
    m_pos += 4 + record.body.size();
    return true;
}

bool ContinuedCursor::ensure() {
    while (m_part < m_parts.size() && m_off >= m_parts[m_part].size()) {
        ++m_part;
        m_off = 0;
    }
    return m_part < m_parts.size();
}

bool ContinuedCursor::u8(std::uint8_t& v) {
    if (!ensure()) return false;
    v = static_cast<std::uint8_t>(m_parts[m_part][m_off++]);
    return true;
}

bool ContinuedCursor::u16(std::uint16_t& v) {
    std::uint8_t lo = 0, hi = 0;
    if (!u8(lo) || !u8(hi)) return false;
    v = static_cast<std::uint16_t>(lo | hi << 8);
    return true;
}

bool ContinuedCursor::u32(std::uint32_t& v) {
    std::uint16_t lo = 0, hi = 0;
    if (!u16(lo) || !u16(hi)) return false;
    v = lo | static_cast<std::uint32_t>(hi) << 16;
    return true;
}

bool ContinuedCursor::skip(std::size_t n) {
    while (n > 0) {
        if (!ensure()) return false;
        const std::size_t take = std::min(n, m_parts[m_part].size() - m_off);
        m_off += take;
        n -= take;
    }
    return true;
}

bool ContinuedCursor::chars(std::size_t count, bool wide, Utf16CellText& text) {
    while (count > 0) {
        if (m_part >= m_parts.size()) return false;
        if (m_off >= m_parts[m_part].size()) {
            // The string goes on in the next record, which says its width again.
            if (++m_part >= m_parts.size() || m_parts[m_part].empty()) return false;
            wide = (m_parts[m_part][0] & 1) != 0;
            m_off = 1;
        }
        const std::string_view part = m_parts[m_part];
        const std::size_t width = wide ? 2 : 1;
        const std::size_t n = std::min(count, (part.size() - m_off) / width);
        if (n == 0) return false;  // half a character before a seam
        for (std::size_t i = 0; i < n; ++i, m_off += width)
            text.put(wide ? static_cast<char16_t>(U16(part.data() + m_off))
                          : static_cast<char16_t>(static_cast<unsigned char>(part[m_off])));
        count -= n;
    }
    return true;
}

bool ContinuedCursor::unicodeString(bool shortCount, Utf16CellText& text) {
    std::uint16_t count = 0;
    std::uint8_t flags = 0;
    if (shortCount) {
        std::uint8_t c = 0;
        if (!u8(c)) return false;
        count = c;
    } else if (!u16(count)) {
        return false;
    }
    if (!u8(flags)) return false;
    std::uint16_t runs = 0;
    std::uint32_t phonetic = 0;
    if ((flags & 0x08) && !u16(runs)) return false;
    if ((flags & 0x04) && !u32(phonetic)) return false;
    if (!chars(count, (flags & 0x01) != 0, text)) return false;
    text.finish();
    return skip(std::size_t{runs} * 4) && skip(phonetic);
}

}  // namespace tabrix::biff
