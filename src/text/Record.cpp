#include "text/Record.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr bool IsControl(unsigned char b) { return b < 0x20 || b == 0x7F; }

// The bytes that can change anything when they start a character: outside
// quotes a quote, the delimiter and (when normalising) TAB; inside quotes a
// quote and the control bytes. Everything else is copied as it is, so the
// scan below skips runs of such bytes sixteen at a time.
struct Interesting {
    char delim;
    bool tabIsBoundary;

    bool operator()(unsigned char b, bool inQuotes) const {
        if (b == '"') return true;
        if (inQuotes) return IsControl(b);
        return b == static_cast<unsigned char>(delim) || (tabIsBoundary && b == kTab);
    }
};

// Advances in and out over bytes that need no decision one by one, writing
// them to the output, up to the first byte that does or the end. Outside
// quotes a separator (the delimiter, or TAB when normalising) that directly
// follows a byte outside the lead range starts a character, so it becomes a
// TAB here and is counted; one that follows a lead-range byte is left to the
// caller, who knows where characters start. The input is padded with 16 bytes
// after its end and the output has 16 bytes to spare, so every step moves a
// whole block.
class OrdinarySkipper {
public:
    explicit OrdinarySkipper(const Interesting& interesting) : m_interesting(interesting) {
#if defined(__SSE2__)
        m_quote = _mm_set1_epi8('"');
        m_delim = _mm_set1_epi8(interesting.delim);
        m_tab = _mm_set1_epi8(kTab);
        m_tabIfBoundary = _mm_set1_epi8(interesting.tabIsBoundary ? kTab : '"');
        m_lastControl = _mm_set1_epi8(0x1F);
        m_del = _mm_set1_epi8(0x7F);
        m_lead1 = _mm_set1_epi8(static_cast<char>(0x81));
        m_lead1Span = _mm_set1_epi8(0x9F - 0x81);
        m_lead2 = _mm_set1_epi8(static_cast<char>(0xE0));
        m_lead2Span = _mm_set1_epi8(0xFC - 0xE0);
        // A delimiter byte in the lead range is never one; the caller decides.
        m_convertSeparators = !IsLeadByte(interesting.delim);
#endif
    }

    template <bool kWrite>
    void skip(const char* input, std::size_t n, std::size_t& in, char* output, std::size_t& out, bool inQuotes,
              bool afterLeadRange, int& count) const {
#if defined(__SSE2__)
        if (inQuotes) {
            skipQuoted<kWrite>(input, n, in, output, out);
            return;
        }
        while (in < n) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(input + in));
            const __m128i separators = _mm_or_si128(_mm_cmpeq_epi8(v, m_delim), _mm_cmpeq_epi8(v, m_tabIfBoundary));
            const unsigned separatorMask = static_cast<unsigned>(_mm_movemask_epi8(separators));
            const unsigned quoteMask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, m_quote)));
            const unsigned leadMask = static_cast<unsigned>(_mm_movemask_epi8(leadRange(v)));
            const unsigned afterLead = (leadMask << 1) | (afterLeadRange ? 1u : 0u);
            unsigned stop = quoteMask | (m_convertSeparators ? separatorMask & afterLead : separatorMask);
            const std::size_t available = n - in;
            if (available < 16) stop |= 1u << available;  // stop at the end
            const unsigned length = stop ? static_cast<unsigned>(__builtin_ctz(stop)) : 16;
            const unsigned taken = separatorMask & ((1u << length) - 1);
            count += __builtin_popcount(taken);
            if constexpr (kWrite) {
                const __m128i row = _mm_or_si128(_mm_andnot_si128(separators, v), _mm_and_si128(separators, m_tab));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(output + out), row);
            }
            in += length;
            out += length;
            if (length < 16) return;
            afterLeadRange = (leadMask >> 15) & 1u;
        }
#else
        (void)afterLeadRange;
        (void)count;
        while (in < n && !m_interesting(static_cast<unsigned char>(input[in]), inQuotes)) {
            if constexpr (kWrite) output[out] = input[in];
            ++in;
            ++out;
        }
#endif
    }

private:
#if defined(__SSE2__)
    // Inside quotes only a quote and the control bytes need a decision.
    template <bool kWrite>
    void skipQuoted(const char* input, std::size_t n, std::size_t& in, char* output, std::size_t& out) const {
        while (in < n) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(input + in));
            if constexpr (kWrite) _mm_storeu_si128(reinterpret_cast<__m128i*>(output + out), v);
            const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(v, m_lastControl), v);
            const __m128i hits =
                _mm_or_si128(_mm_cmpeq_epi8(v, m_quote), _mm_or_si128(control, _mm_cmpeq_epi8(v, m_del)));
            unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
            const std::size_t available = n - in;
            if (available < 16) mask |= 1u << available;
            if (mask) {
                const unsigned k = static_cast<unsigned>(__builtin_ctz(mask));
                in += k;
                out += k;
                return;
            }
            in += 16;
            out += 16;
        }
    }

    // Bytes in 0x81-0x9F or 0xE0-0xFC, by unsigned distance from each start.
    __m128i leadRange(__m128i v) const {
        const __m128i d1 = _mm_sub_epi8(v, m_lead1);
        const __m128i d2 = _mm_sub_epi8(v, m_lead2);
        const __m128i in1 = _mm_cmpeq_epi8(_mm_min_epu8(d1, m_lead1Span), d1);
        const __m128i in2 = _mm_cmpeq_epi8(_mm_min_epu8(d2, m_lead2Span), d2);
        return _mm_or_si128(in1, in2);
    }

    __m128i m_quote, m_delim, m_tab, m_tabIfBoundary, m_lastControl, m_del;
    __m128i m_lead1, m_lead1Span, m_lead2, m_lead2Span;
    bool m_convertSeparators;
#endif
    Interesting m_interesting;
};

constexpr std::size_t kPad = 16;

// Per-thread scratch space: a padded copy of the line, which the scan reads,
// and the row string it writes, copied back at the end. Lines above a
// megabyte get space of their own that is freed after the call.
class Scratch {
public:
    explicit Scratch(const char* line, std::size_t n) {
        constexpr std::size_t kKeep = std::size_t{1} << 20;
        const std::size_t need = 2 * (n + kPad);
        char* space;
        if (need > kKeep) {
            m_large = std::make_unique_for_overwrite<char[]>(need);
            space = m_large.get();
        } else {
            thread_local std::unique_ptr<char[]> kept;
            thread_local std::size_t keptSize = 0;
            if (keptSize < need) {
                keptSize = std::max(need, std::min(kKeep, 2 * keptSize));
                kept = std::make_unique_for_overwrite<char[]>(keptSize);
            }
            space = kept.get();
        }
        m_input = space;
        m_output = space + n + kPad;
        std::memcpy(m_input, line, n);
        std::memset(m_input + n, 0, kPad);
    }
    const char* input() const { return m_input; }
    char* output() const { return m_output; }

private:
    std::unique_ptr<char[]> m_large;
    char* m_input;
    char* m_output;
};

// One left-to-right pass over the characters of the line. Runs of ordinary
// bytes are skipped in bulk; at an interesting byte the run of lead-range
// bytes before it (back to the last known character start) tells whether it
// is a trail byte: an odd run ends in a lead byte.
template <bool kWrite>
int CountFieldsImpl(const char* line, std::size_t n, char delim, bool normalise, bool stripQuotes,
                    char* rowOut = nullptr, std::size_t* rowLength = nullptr) {
    if (n == 0) return 0;
    const Scratch scratch(line, n);
    const char* const input = scratch.input();
    char* const buf = scratch.output();
    const OrdinarySkipper skipper(Interesting{delim, normalise});
    int count = 0;
    bool inQuotes = false;
    std::size_t in = 0;
    std::size_t out = 0;
    std::size_t charStart = 0;  // a position known to start a character
    auto put = [&](char c) {
        if constexpr (kWrite) buf[out] = c;
        ++out;
    };
    while (true) {
        const bool afterLeadRange = in > charStart && IsLeadByte(input[in - 1]);
        skipper.skip<kWrite>(input, n, in, buf, out, inQuotes, afterLeadRange, count);
        if (in >= n) break;
        std::size_t run = 0;
        while (in - run > charStart && IsLeadByte(input[in - run - 1])) ++run;
        if (run % 2 == 1) {  // a trail byte: copied with its lead
            put(input[in++]);
            charStart = in;
            continue;
        }
        const unsigned char b = static_cast<unsigned char>(input[in]);
        if (IsLeadByte(b)) {  // a delimiter byte in the lead range is never one
            put(input[in]);
            if (in + 1 < n) put(input[in + 1]);
            in += 2;
        } else if (b == '"' && in + 1 < n && input[in + 1] == '"') {
            const std::size_t after = in + 2;
            if (after < n && input[after] != delim) put('"');
            in += 2;
        } else if (b == '"') {
            inQuotes = !inQuotes;
            if (!stripQuotes) put('"');
            ++in;
        } else if (inQuotes) {
            if (!IsControl(b)) put(static_cast<char>(b));
            ++in;
        } else if ((normalise && b == kTab) || b == static_cast<unsigned char>(delim)) {
            put(kTab);
            ++count;
            ++in;
        } else {
            put(static_cast<char>(b));
            ++in;
        }
        charStart = in;
    }
    if constexpr (kWrite) {
        std::memcpy(rowOut, buf, out);
        *rowLength = out;
    }
    return count + 1;
}

}  // namespace

int CountFields(char* line, std::size_t& len, char delim, bool normalise, bool stripQuotes) {
    if (normalise) return CountFieldsImpl<true>(line, len, delim, true, stripQuotes, line, &len);
    return CountFieldsImpl<false>(line, len, delim, false, stripQuotes);
}

int CountFields(std::string& line, char delim, bool normalise, bool stripQuotes) {
    std::size_t len = line.size();
    const int n = CountFields(line.data(), len, delim, normalise, stripQuotes);
    if (normalise) line.resize(len);
    return n;
}

int CountFields(std::string_view line, char delim) {
    return CountFieldsImpl<false>(line.data(), line.size(), delim, false, false);
}

int RowFieldCount(std::string_view row) {
    if (row.empty()) return 0;
    int count = 1;
    for (std::size_t p = 0; p < row.size(); p = NextChar(row, p))
        if (row[p] == kTab) ++count;
    return count;
}

bool SplitFields(std::string_view row, std::vector<std::string>& fields, int width) {
    if (width < 0) return false;
    fields.resize(static_cast<std::size_t>(width));
    std::size_t index = 0;
    std::size_t start = 0;
    std::size_t pos = 0;
    const std::size_t n = row.size();
    if (n == 0) {
        for (auto& f : fields) f.clear();
        return true;
    }
    while (true) {
        if (pos >= n || row[pos] == kTab) {
            if (index >= fields.size()) {
                fields.clear();
                return false;
            }
            fields[index++].assign(row.data() + start, pos - start);
            if (pos >= n) break;
            start = ++pos;
            continue;
        }
        pos = NextChar(row, pos);
    }
    for (; index < fields.size(); ++index) fields[index].clear();
    return true;
}

void JoinFields(const std::vector<std::string>& fields, int width, char sep, std::string& out) {
    out.clear();
    if (width <= 0) return;
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t used = fields.size() < w ? fields.size() : w;
    std::size_t total = w - 1;
    for (std::size_t j = 0; j < used; ++j) total += fields[j].size();
    out.reserve(total);
    for (std::size_t j = 0; j < used; ++j) {
        out += fields[j];
        if (j + 1 != w) out += sep;
    }
    for (std::size_t i = used; i < w; ++i) {
        if (i + 1 != w) out += sep;
    }
}

std::string JoinFields(const std::vector<std::string>& fields, int width, char sep) {
    std::string out;
    JoinFields(fields, width, sep, out);
    return out;
}

std::string QuoteField(std::string_view field) {
    if (!field.empty() && (field.front() == '"' || field.back() == '"')) {
        // A trailing quote only counts when it is a character of its own.
        if (field.front() == '"') return std::string(field);
        std::size_t last = 0;
        for (std::size_t p = 0; p < field.size(); p = NextChar(field, p)) last = p;
        if (field[last] == '"') return std::string(field);
    }
    std::string out;
    out.reserve(field.size() + 2);
    out += '"';
    out += field;
    out += '"';
    return out;
}

namespace {

int ParseIntToken(std::string_view token) {
    std::size_t p = 0;
    while (p < token.size() && (token[p] == ' ' || token[p] == '\t')) ++p;
    bool negative = false;
    if (p < token.size() && (token[p] == '+' || token[p] == '-')) negative = token[p++] == '-';
    long long value = 0;
    while (p < token.size() && token[p] >= '0' && token[p] <= '9') {
        value = value * 10 + (token[p++] - '0');
        if (value > 2147483648LL) value = 2147483648LL;  // saturate instead of overflowing
    }
    if (negative) value = -value;
    if (value > 2147483647LL) value = 2147483647LL;
    return static_cast<int>(value);
}

}  // namespace

bool ParseIntList(std::string_view text, std::vector<int>& values) {
    values.clear();
    if (text.empty()) return false;
    std::size_t start = 0;
    for (std::size_t p = 0; p <= text.size();) {
        if (p == text.size() || text[p] == ',') {
            values.push_back(ParseIntToken(text.substr(start, p - start)));
            start = ++p;
            continue;
        }
        p = NextChar(text, p);
    }
    return true;
}

bool FormatIntList(const std::vector<int>& values, std::string& text) {
    text.clear();
    if (values.empty()) return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) text += ',';
        text += std::to_string(values[i]);
    }
    return true;
}

}  // namespace tabrix
