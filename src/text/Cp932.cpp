#include "text/Cp932.h"

#include <iconv.h>

#include <cerrno>

#include "text/SjisChar.h"

namespace tabrix {

namespace {

// One descriptor per direction and thread; iconv_open is far too slow per call.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
        return m_cd;
    }

private:
    iconv_t m_cd;
};

Converter& Decoder() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}
Converter& Encoder() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

constexpr char kReplacement[] = "\xEF\xBF\xBD";

bool IsPlainAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

// Length of the UTF-8 sequence starting at p (1 for a stray byte).
std::size_t Utf8Length(std::string_view s, std::size_t p) {
    const unsigned char c = static_cast<unsigned char>(s[p]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    return p + n <= s.size() ? n : s.size() - p;
}

}  // namespace

bool Cp932ToUtf8(std::string_view in, std::string& out) {
    out.clear();
    if (IsPlainAscii(in)) {
        out.assign(in);
        return true;
    }
    Converter& conv = Decoder();
    if (!conv.valid()) {
        out.assign(in);
        return false;
    }
    iconv_t cd = conv.get();
    bool clean = true;
    out.resize(in.size() * 3 + 3);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) break;  // cannot happen: three bytes out per byte in is enough
        // EILSEQ or EINVAL (a lead byte at the end): one replacement, one byte on.
        clean = false;
        if (dstLeft < 3) break;
        for (char c : std::string_view(kReplacement, 3)) *dst++ = c;
        dstLeft -= 3;
        ++src;
        --srcLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(out.size() - dstLeft);
    return clean;
}

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    Cp932ToUtf8(cp932, out);
    return out;
}

bool Utf8ToCp932(std::string_view in, std::string& out, std::string* badChar) {
    out.clear();
    if (IsPlainAscii(in)) {
        out.assign(in);
        return true;
    }
    Converter& conv = Encoder();
    if (!conv.valid()) return false;
    iconv_t cd = conv.get();
    out.resize(in.size() + 4);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
        if (badChar) {
            const std::size_t at = static_cast<std::size_t>(src - in.data());
            *badChar = std::string(in.substr(at, Utf8Length(in, at)));
        }
        return false;
    }
    out.resize(out.size() - dstLeft);
    return true;
}

std::filesystem::path ToFsPath(std::string_view cp932Path) {
    std::string slashed;
    slashed.reserve(cp932Path.size());
    for (std::size_t p = 0; p < cp932Path.size();) {
        const std::size_t next = NextChar(cp932Path, p);
        if (next == p + 1 && cp932Path[p] == '\\')
            slashed += '/';
        else
            slashed.append(cp932Path.substr(p, next - p));
        p = next;
    }
    std::string utf8;
    Cp932ToUtf8(slashed, utf8);
    return std::filesystem::path(utf8);
}

bool FromFsPath(const std::filesystem::path& path, std::string& cp932Path) {
    return Utf8ToCp932(path.native(), cp932Path);
}

std::string FromFsPathLossy(const std::filesystem::path& path) {
    std::string out;
    if (FromFsPath(path, out)) return out;
    return path.native();
}

}  // namespace tabrix
