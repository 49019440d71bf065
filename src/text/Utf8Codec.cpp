#include "text/Utf8Codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace tabrix {

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

iconv_t Handle(void* cd) { return static_cast<iconv_t>(cd); }

constexpr bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Length of a sequence at p that code page 932 holds only as a similar
// character, 0 for any other. glibc maps exactly these nine many-to-one (the
// codec test checks the list against it).
std::size_t FoldLength(const unsigned char* p, std::size_t left) {
    if (left >= 2 && p[0] == 0xC2)
        return (p[1] == 0xA2 || p[1] == 0xA3 || p[1] == 0xA5 || p[1] == 0xAC) ? 2 : 0;
    if (left < 3) return 0;
    if (p[0] == 0xE3) return p[1] == 0x80 && p[2] == 0x9C ? 3 : 0;                   // U+301C
    if (p[0] == 0xE2) {
        if (p[1] == 0x80) return (p[2] == 0x94 || p[2] == 0x96 || p[2] == 0xBE) ? 3 : 0;  // U+2014 2016 203E
        if (p[1] == 0x88) return p[2] == 0x92 ? 3 : 0;                                  // U+2212
    }
    return 0;
}

// The first folded sequence in s from p on; s.size() when none.
std::size_t NextFold(std::string_view s, std::size_t p) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
    for (; p < s.size(); ++p) {
        const unsigned char b = bytes[p];
        if ((b == 0xC2 || b == 0xE2 || b == 0xE3) && FoldLength(bytes + p, s.size() - p) != 0) return p;
    }
    return s.size();
}

// The bytes held back from the last piece followed by in (kept in joined
// when there were any); the held bytes are taken.
std::string_view AfterPending(std::string& pending, std::string_view in, std::string& joined) {
    if (pending.empty()) return in;
    joined = std::move(pending);
    joined.append(in);
    pending.clear();
    return joined;
}

}  // namespace

int Utf8SequenceLength(std::string_view s) {
    if (s.empty()) return -1;
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return 1;
    int length;
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0) low = 0xA0;   // overlong
        if (b0 == 0xED) high = 0x9F;  // surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0) low = 0x90;   // overlong
        if (b0 == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if (static_cast<std::size_t>(i) >= s.size()) return -1;
        const auto b = static_cast<unsigned char>(s[static_cast<std::size_t>(i)]);
        if (i == 1 ? (b < low || b > high) : !IsContinuation(b)) return 0;
    }
    return length;
}

bool IsFoldedInCp932(std::string_view seq) {
    return FoldLength(reinterpret_cast<const unsigned char*>(seq.data()), seq.size()) == seq.size();
}

Utf8ToCp932Decoder::Utf8ToCp932Decoder() : m_cd(iconv_open("CP932", "UTF-8")) {}

Utf8ToCp932Decoder::~Utf8ToCp932Decoder() {
    if (Handle(m_cd) != kNoConverter) iconv_close(Handle(m_cd));
}

void Utf8ToCp932Decoder::noteReplacement(std::int64_t at) {
    if (m_replaced++ == 0) m_firstReplacedAt = at;
}

std::size_t Utf8ToCp932Decoder::decode(std::string_view in, bool last, char* out) {
    if (m_failed) return 0;
    std::string joined;
    in = AfterPending(m_pending, in, joined);
    if (!m_started) {
        // The mark is told only once three bytes are there.
        if (!last && in.size() < kUtf8Bom.size() && kUtf8Bom.substr(0, in.size()) == in) {
            m_pending.assign(in);
            return 0;
        }
        m_started = true;
        if (in.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
            m_hadBom = true;
            in.remove_prefix(kUtf8Bom.size());
        }
    }
    const std::size_t written = convert(in, last, out);
    m_written += static_cast<std::int64_t>(written);
    return written;
}

std::size_t Utf8ToCp932Decoder::convert(std::string_view in, bool last, char* out) {
    if (Handle(m_cd) == kNoConverter) {
        m_failed = true;
        return 0;
    }
    iconv(Handle(m_cd), nullptr, nullptr, nullptr, nullptr);
    char* dst = out;
    std::size_t dstLeft = in.size();  // no character grows
    std::size_t p = 0;
    while (p < in.size()) {
        const std::size_t fold = NextFold(in, p);
        char* src = const_cast<char*>(in.data()) + p;
        std::size_t srcLeft = fold - p;
        while (srcLeft > 0) {
            if (iconv(Handle(m_cd), &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
            const std::string_view rest(src, in.data() + in.size() - src);
            if (errno == EINVAL && fold == in.size() && !last && rest.size() < 4) {
                m_pending.assign(rest);  // completed by the next piece
                return static_cast<std::size_t>(dst - out);
            }
            const int length = errno == EILSEQ ? Utf8SequenceLength(rest) : 0;
            if (length <= 0) {
                m_failed = true;
                return static_cast<std::size_t>(dst - out);
            }
            // Well-formed, but not a character code page 932 has.
            noteReplacement(m_written + (dst - out));
            *dst++ = '?';
            --dstLeft;
            src += length;
            srcLeft -= static_cast<std::size_t>(length);
        }
        p = fold;
        if (fold == in.size()) break;
        const std::size_t length = FoldLength(reinterpret_cast<const unsigned char*>(in.data()) + fold, in.size() - fold);
        noteReplacement(m_written + (dst - out));
        src = const_cast<char*>(in.data()) + fold;
        srcLeft = length;
        iconv(Handle(m_cd), &src, &srcLeft, &dst, &dstLeft);
        p = fold + length;
    }
    return static_cast<std::size_t>(dst - out);
}

Cp932ToUtf8Encoder::Cp932ToUtf8Encoder() : m_cd(iconv_open("UTF-8", "CP932")) {}

Cp932ToUtf8Encoder::~Cp932ToUtf8Encoder() {
    if (Handle(m_cd) != kNoConverter) iconv_close(Handle(m_cd));
}

bool Cp932ToUtf8Encoder::encode(std::string_view in, bool last, std::string& out) {
    if (m_badLine > 0) return false;
    std::string joined;
    in = AfterPending(m_pending, in, joined);
    if (Handle(m_cd) == kNoConverter) {
        m_badLine = m_lines;
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + 3 * in.size());
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data() + start;
    std::size_t dstLeft = out.size() - start;
    iconv(Handle(m_cd), nullptr, nullptr, nullptr, nullptr);
    bool ok = true;
    if (iconv(Handle(m_cd), &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
        if (errno == EINVAL && !last && srcLeft == 1)
            m_pending.assign(src, 1);  // a lead byte whose trail byte comes next
        else
            ok = false;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    m_lines += std::count(in.data(), static_cast<const char*>(src), '\n');
    if (!ok) m_badLine = m_lines;
    return ok;
}

}  // namespace tabrix
