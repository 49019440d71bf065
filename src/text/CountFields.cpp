// Counting the fields of a line and turning it into its row string: the
// inner loop of loading a file, so it skips ordinary bytes a block at a time.
//
// The result is defined by the plain loop below, one character at a time;
// the block scan must give exactly the same bytes and count (a test compares
// them on random lines). Outside quotes only a quote, the delimiter and (when
// normalising) TAB need a decision; inside quotes only a quote and the bytes
// a row string cannot hold (TAB, CR, LF). A byte below 0x40 is never a trail
// byte, so quote, TAB, comma, space and the control bytes always start a
// character. A higher delimiter (such as '|') may be the trail byte of a lead
// byte before it: it starts a character when the byte before it is outside
// the lead range; otherwise the run of lead-range bytes before it, back to a
// known character start, decides (an odd run ends in a lead byte). A
// delimiter byte in the lead range is only ever a lead byte; the plain step
// takes it.
//
// Quotes. Every quote toggles the quoted state, so both settings of the quote
// flag find the same fields. With the flag clear the quotes stay in the row as
// data. With it set a lone quote is removed and a doubled quote stands for one
// quote of data, except where it opens a field: there it is an opening quote
// followed by a quote, which the writer's doubling of inner quotes relies on.
// A doubled quote that is a whole field ("" alone between boundaries) is an
// empty field under either setting.
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/Record.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

// Bytes a row string cannot hold inside a field: TAB separates its fields
// and CR or LF would end the record when it is written.
constexpr bool IsDroppedInQuotes(unsigned char b) { return b == '\t' || b == '\r' || b == '\n'; }

struct ScanOptions {
    char delim;
    bool normalise;
    bool stripQuotes;

    // Whether the byte at pos, a character start outside quotes, ends a field.
    // A delimiter in the lead range or a quote as delimiter never does.
    bool endsFieldAt(const char* line, std::size_t n, std::size_t pos) const {
        if (pos >= n) return true;
        const char c = line[pos];
        return (normalise && c == kTab) || (c == delim && !IsLeadByte(delim) && delim != '"');
    }
};

struct ScanState {
    std::size_t in = 0;          // next input byte
    std::size_t out = 0;         // next output byte, never after in
    std::size_t charStart = 0;   // an input position known to start a character
    std::size_t fieldStart = 0;  // input position where the current field began
    std::size_t fieldOut = 0;    // output position where the current field began
    std::size_t dropped = 0;     // bytes left out inside quotes
    int count = 0;               // field boundaries so far
    bool inQuotes = false;
};

// One character at s.in, which starts a character.
template <bool kWrite>
void StepCharacter(const char* line, std::size_t n, char* row, ScanState& s, const ScanOptions& o) {
    auto put = [&](char c) {
        if constexpr (kWrite) row[s.out] = c;
        ++s.out;
    };
    const unsigned char b = static_cast<unsigned char>(line[s.in]);
    if (IsLeadByte(b)) {  // even a delimiter byte in the lead range
        put(line[s.in]);
        if (s.in + 1 < n && CanBeTrailByte(line[s.in + 1])) {
            put(line[s.in + 1]);
            s.in += 2;
        } else {
            ++s.in;  // no trail byte: data of its own
        }
    } else if (b == '"') {
        const bool doubled = s.in + 1 < n && line[s.in + 1] == '"';
        const bool opensField = !s.inQuotes && s.in == s.fieldStart;
        if (doubled && opensField && o.endsFieldAt(line, n, s.in + 2)) {
            s.in += 2;  // an empty quoted field
        } else if (doubled && !o.stripQuotes) {
            put('"');
            put('"');
            s.in += 2;
        } else if (doubled && !opensField) {
            put('"');
            s.in += 2;
        } else if (!o.stripQuotes && s.inQuotes && s.out == s.fieldOut + 1 && o.endsFieldAt(line, n, s.in + 1)) {
            // Only bytes left out stood between the quotes: an empty field, as "" is.
            s.out = s.fieldOut;
            s.inQuotes = false;
            ++s.in;
        } else {
            s.inQuotes = !s.inQuotes;
            if (!o.stripQuotes) put('"');
            ++s.in;
        }
    } else if (s.inQuotes) {
        if (IsDroppedInQuotes(b))
            ++s.dropped;
        else
            put(static_cast<char>(b));
        ++s.in;
    } else if ((o.normalise && b == kTab) || b == static_cast<unsigned char>(o.delim)) {
        put(kTab);
        ++s.count;
        ++s.in;
        s.fieldStart = s.in;
        s.fieldOut = s.out;
    } else {
        put(static_cast<char>(b));
        ++s.in;
    }
    s.charStart = s.in;
}

// The defining loop. Writing in place is safe: out never passes in.
template <bool kWrite>
int PlainCountFields(char* line, std::size_t n, const ScanOptions& o, std::size_t* rowLength, std::size_t& dropped) {
    ScanState s;
    while (s.in < n) StepCharacter<kWrite>(line, n, line, s, o);
    if (rowLength) *rowLength = s.out;
    dropped += s.dropped;
    return s.count + 1;
}

#if defined(__SSE2__)

constexpr std::size_t kBlock = 32;

// A 32-byte block as two SSE2 registers; byte masks are 32-bit.
struct Block {
    __m128i lo, hi;
};

inline unsigned Mask(__m128i lo, __m128i hi) {
    return static_cast<unsigned>(_mm_movemask_epi8(lo)) | (static_cast<unsigned>(_mm_movemask_epi8(hi)) << 16);
}

// The k lowest bits (k <= 32).
constexpr unsigned LowBits(unsigned k) { return k >= 32 ? ~0u : (1u << k) - 1; }

// Blocks of a line at any position before its end. The last ones come from a
// zero-padded copy of the final bytes, so nothing past the end is ever read.
class BlockSource {
public:
    BlockSource(const char* line, std::size_t n) : m_line(line), m_n(n), m_tailStart(n >= kBlock ? n - kBlock : 0) {
        if (n >= kBlock)
            std::memcpy(m_tail, line + m_tailStart, kBlock);  // a fixed size: a few moves, no call
        else
            std::memcpy(m_tail, line, n);
    }
    Block load(std::size_t pos) const {
        const char* p = pos + kBlock <= m_n ? m_line + pos : m_tail + (pos - m_tailStart);
        return {_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16))};
    }

private:
    const char* m_line;
    std::size_t m_n;
    std::size_t m_tailStart;
    alignas(16) char m_tail[2 * kBlock] = {};
};

inline void Store(char* p, const Block& b) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), b.lo);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 16), b.hi);
}

// Per-thread space for the row string, copied over the line at the end: the
// block stores run ahead of the output and must not overwrite unread input.
// Lines above a megabyte get space of their own, freed after the call.
class RowBuffer {
public:
    explicit RowBuffer(std::size_t n) {
        constexpr std::size_t kKeep = std::size_t{1} << 20;
        const std::size_t need = n + kBlock;  // a block store may pass the end
        if (need > kKeep) {
            m_large = std::make_unique_for_overwrite<char[]>(need);
            m_data = m_large.get();
            return;
        }
        thread_local std::unique_ptr<char[]> kept;
        thread_local std::size_t keptSize = 0;
        if (keptSize < need) {
            keptSize = std::max(need, std::min(kKeep, 2 * keptSize));
            kept = std::make_unique_for_overwrite<char[]>(keptSize);
        }
        m_data = kept.get();
    }
    char* data() const { return m_data; }

private:
    std::unique_ptr<char[]> m_large;
    char* m_data;
};

// Set bits of a mask by table: the builtin is a library call on processors
// without a population count instruction.
constexpr std::array<unsigned char, 256> MakeBitCounts() {
    std::array<unsigned char, 256> counts{};
    for (unsigned i = 0; i < 256; ++i) counts[i] = static_cast<unsigned char>((i & 1) + counts[i / 2]);
    return counts;
}
constexpr std::array<unsigned char, 256> kBitCounts = MakeBitCounts();
inline int BitCount(unsigned x) {
    return kBitCounts[x & 0xFF] + kBitCounts[(x >> 8) & 0xFF] + kBitCounts[(x >> 16) & 0xFF] + kBitCounts[x >> 24];
}

// Copies the row string over the line 16 bytes at a time; the row buffer
// has bytes to spare, the line does not, so the last move ends at the end.
void CopyRow(char* line, const char* row, std::size_t length) {
    if (length < 16) {
        std::memcpy(line, row, length);
        return;
    }
    std::size_t i = 0;
    for (; i + 16 <= length; i += 16)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + i),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i)));
    if (i < length)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + length - 16),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + length - 16)));
}

// Bytes b with first <= b <= first + span, by unsigned distance.
inline __m128i InRange(__m128i v, __m128i first, __m128i span) {
    const __m128i d = _mm_sub_epi8(v, first);
    return _mm_cmpeq_epi8(_mm_min_epu8(d, span), d);
}

class ByteTests {
public:
    explicit ByteTests(const ScanOptions& o)
        : m_quote(_mm_set1_epi8('"')),
          m_delim(_mm_set1_epi8(o.delim)),
          m_tab(_mm_set1_epi8(kTab)),
          m_tabIfBoundary(_mm_set1_epi8(o.normalise ? kTab : '"')),
          m_cr(_mm_set1_epi8('\r')),
          m_lf(_mm_set1_epi8('\n')),
          m_lead1(_mm_set1_epi8(static_cast<char>(0x81))),
          m_lead1Span(_mm_set1_epi8(0x9F - 0x81)),
          m_lead2(_mm_set1_epi8(static_cast<char>(0xE0))),
          m_lead2Span(_mm_set1_epi8(0xFC - 0xE0)) {}

    unsigned leadRange(const Block& b) const { return Mask(leadRange(b.lo), leadRange(b.hi)); }
    unsigned quotes(const Block& b) const {
        return Mask(_mm_cmpeq_epi8(b.lo, m_quote), _mm_cmpeq_epi8(b.hi, m_quote));
    }
    unsigned separators(const Block& b) const { return Mask(separators(b.lo), separators(b.hi)); }
    unsigned droppedInQuotes(const Block& b) const { return Mask(droppedInQuotes(b.lo), droppedInQuotes(b.hi)); }
    // The block with every separator replaced by TAB.
    Block withTabs(const Block& b) const { return {withTabs(b.lo), withTabs(b.hi)}; }

private:
    __m128i leadRange(__m128i v) const {
        return _mm_or_si128(InRange(v, m_lead1, m_lead1Span), InRange(v, m_lead2, m_lead2Span));
    }
    __m128i separators(__m128i v) const {
        return _mm_or_si128(_mm_cmpeq_epi8(v, m_delim), _mm_cmpeq_epi8(v, m_tabIfBoundary));
    }
    __m128i droppedInQuotes(__m128i v) const {
        return _mm_or_si128(_mm_cmpeq_epi8(v, m_tab), _mm_or_si128(_mm_cmpeq_epi8(v, m_cr), _mm_cmpeq_epi8(v, m_lf)));
    }
    __m128i withTabs(__m128i v) const {
        const __m128i s = separators(v);
        return _mm_or_si128(_mm_andnot_si128(s, v), _mm_and_si128(s, m_tab));
    }

    __m128i m_quote, m_delim, m_tab, m_tabIfBoundary, m_cr, m_lf;
    __m128i m_lead1, m_lead1Span, m_lead2, m_lead2Span;
};

// Blocks are taken at fixed positions, so loading them never waits for the
// decisions inside the previous one. Within a block the bytes between two
// decisions are one segment, written with one store.
template <bool kWrite>
int BlockCountFields(char* line, std::size_t n, const ScanOptions& o, std::size_t* rowLength, std::size_t& dropped) {
    const BlockSource blocks(line, n);
    std::optional<RowBuffer> rowBuffer;
    if constexpr (kWrite) rowBuffer.emplace(n);
    char* const row = kWrite ? rowBuffer->data() : nullptr;
    const ByteTests test(o);
    const bool delimIsLead = IsLeadByte(o.delim);
    const bool delimCanBeTrail = CanBeTrailByte(o.delim);

    ScanState s;
    unsigned carry = 0;  // the byte before the block is a lead-range byte
    for (std::size_t base = 0; base < n; base += kBlock) {
        const Block block = blocks.load(base);
        const unsigned leadMask = test.leadRange(block);
        const unsigned afterLead = (leadMask << 1) | carry;
        carry = leadMask >> 31;
        const unsigned quoteMask = test.quotes(block);
        const unsigned separatorMask = test.separators(block);
        const unsigned separatorStops =
            delimIsLead ? separatorMask : delimCanBeTrail ? separatorMask & afterLead : 0u;
        const unsigned plainStops = quoteMask | separatorStops;
        const unsigned limit = n - base < kBlock ? static_cast<unsigned>(n - base) : kBlock;
        const unsigned inBlock = LowBits(limit);
        while (s.in < base + limit) {
            const unsigned pos = static_cast<unsigned>(s.in - base);
            const unsigned segmentBits = inBlock & ~LowBits(pos);
            const unsigned stops = (s.inQuotes ? quoteMask | test.droppedInQuotes(block) : plainStops) & segmentBits;
            const unsigned end = stops ? static_cast<unsigned>(__builtin_ctz(stops)) : limit;
            if (end > pos) {
                const unsigned boundaries = s.inQuotes ? 0u : separatorMask & segmentBits & LowBits(end);
                if (boundaries) {
                    // Within a segment every byte in is one byte out.
                    const unsigned last = static_cast<unsigned>(31 - __builtin_clz(boundaries));
                    s.count += BitCount(boundaries);
                    s.fieldStart = base + last + 1;
                    s.fieldOut = s.out + (last + 1 - pos);
                }
                if constexpr (kWrite) {
                    const Block segment = pos == 0 ? block : blocks.load(s.in);
                    // The bytes stored after the segment are written again later.
                    Store(row + s.out, s.inQuotes ? segment : test.withTabs(segment));
                }
                s.out += end - pos;
                s.in = base + end;
            }
            if (!stops) break;
            const bool knownStart = !CanBeTrailByte(line[s.in]) || ((afterLead >> end) & 1u) == 0;
            const bool closesOnlyDropped = s.inQuotes && !o.stripQuotes && s.out == s.fieldOut + 1;
            if (line[s.in] == '"' && !(s.in + 1 < n && line[s.in + 1] == '"') && !closesOnlyDropped) {
                s.inQuotes = !s.inQuotes;  // the common case, kept out of StepCharacter
                if (!o.stripQuotes) {
                    if constexpr (kWrite) row[s.out] = '"';
                    ++s.out;
                }
                ++s.in;
                s.charStart = s.in;
                continue;
            }
            std::size_t run = 0;
            if (!knownStart)
                while (s.in - run > s.charStart && IsLeadByte(line[s.in - run - 1])) ++run;
            if (run % 2 == 1) {  // a trail byte: data of the character before
                if constexpr (kWrite) row[s.out] = line[s.in];
                ++s.out;
                ++s.in;
                s.charStart = s.in;
            } else {
                StepCharacter<kWrite>(line, n, row, s, o);
            }
        }
    }
    if constexpr (kWrite) {
        CopyRow(line, row, s.out);
        *rowLength = s.out;
    }
    dropped += s.dropped;
    return s.count + 1;
}

#endif

template <bool kWrite>
int CountFieldsImpl(char* line, std::size_t n, const ScanOptions& o, std::size_t* rowLength, std::size_t& dropped) {
    if (n == 0) {
        if (rowLength) *rowLength = 0;
        return 0;
    }
#if defined(__SSE2__)
    return BlockCountFields<kWrite>(line, n, o, rowLength, dropped);
#else
    return PlainCountFields<kWrite>(line, n, o, rowLength, dropped);
#endif
}

}  // namespace

int CountFields(char* line, std::size_t& len, char delim, bool normalise, bool stripQuotes, std::size_t& dropped) {
    const ScanOptions options{delim, normalise, stripQuotes};
    if (normalise) return CountFieldsImpl<true>(line, len, options, &len, dropped);
    return CountFieldsImpl<false>(line, len, options, nullptr, dropped);
}

int CountFields(char* line, std::size_t& len, char delim, bool normalise, bool stripQuotes) {
    std::size_t dropped = 0;
    return CountFields(line, len, delim, normalise, stripQuotes, dropped);
}

int CountFields(std::string& line, char delim, bool normalise, bool stripQuotes, std::size_t& dropped) {
    std::size_t len = line.size();
    const int n = CountFields(line.data(), len, delim, normalise, stripQuotes, dropped);
    if (normalise) line.resize(len);
    return n;
}

int CountFields(std::string& line, char delim, bool normalise, bool stripQuotes) {
    std::size_t dropped = 0;
    return CountFields(line, delim, normalise, stripQuotes, dropped);
}

int CountFields(std::string_view line, char delim) {
    // Counting never writes, so the const_cast is never acted upon.
    std::size_t dropped = 0;
    return CountFieldsImpl<false>(const_cast<char*>(line.data()), line.size(), ScanOptions{delim, false, false},
                                  nullptr, dropped);
}

}  // namespace tabrix
