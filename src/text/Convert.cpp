#include "text/Convert.h"

#include <array>
#include <cstdint>

#include "text/CharClass.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ

// Full-width forms of the half-width kana block 0xA1-0xDF, in byte order.
constexpr char kFullFormsOfHalfKana[] =
    "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノ"
    "ハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
static_assert(sizeof(kFullFormsOfHalfKana) == 2 * (0xDF - 0xA1 + 1) + 1);

constexpr bool IsHalfKanaByte(unsigned b) { return b >= 0xA1 && b <= 0xDF; }

constexpr std::uint16_t FullFormOfHalfKana(unsigned b) {
    const std::size_t i = 2 * (b - 0xA1);
    return static_cast<std::uint16_t>(static_cast<unsigned char>(kFullFormsOfHalfKana[i]) * 256u +
                                      static_cast<unsigned char>(kFullFormsOfHalfKana[i + 1]));
}

// The combined form of a half-width kana and a following voiced (or
// semi-voiced) mark, or 0 when code page 932 has none.
constexpr std::uint16_t CombinedKana(unsigned b, unsigned mark) {
    if (mark == kVoicedMark) {
        if (b == 0xB3) return 0x8394;  // ｳﾞ -> ヴ
        if ((b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE)) return FullFormOfHalfKana(b) + 1;
    } else if (mark == kSemiVoicedMark) {
        if (b >= 0xCA && b <= 0xCE) return FullFormOfHalfKana(b) + 2;
    }
    return 0;
}

// Full-width forms of the printable ASCII bytes 0x20-0x7E.
constexpr std::uint16_t FullFormOfAscii(unsigned b) {
    if (b >= '0' && b <= '9') return static_cast<std::uint16_t>(0x824F + (b - '0'));
    if (b >= 'A' && b <= 'Z') return static_cast<std::uint16_t>(0x8260 + (b - 'A'));
    if (b >= 'a' && b <= 'z') return static_cast<std::uint16_t>(0x8281 + (b - 'a'));
    switch (b) {
    case ' ': return 0x8140;
    case '!': return 0x8149;
    case '"': return 0xFA57;
    case '#': return 0x8194;
    case '$': return 0x8190;
    case '%': return 0x8193;
    case '&': return 0x8195;
    case '\'': return 0xFA56;
    case '(': return 0x8169;
    case ')': return 0x816A;
    case '*': return 0x8196;
    case '+': return 0x817B;
    case ',': return 0x8143;
    case '-': return 0x817C;
    case '.': return 0x8144;
    case '/': return 0x815E;
    case ':': return 0x8146;
    case ';': return 0x8147;
    case '<': return 0x8183;
    case '=': return 0x8181;
    case '>': return 0x8184;
    case '?': return 0x8148;
    case '@': return 0x8197;
    case '[': return 0x816D;
    case '\\': return 0x815F;
    case ']': return 0x816E;
    case '^': return 0x814F;
    case '_': return 0x8151;
    case '`': return 0x814D;
    case '{': return 0x816F;
    case '|': return 0x8162;
    case '}': return 0x8170;
    case '~': return 0x8160;
    default: return 0;
    }
}

// Half-width forms of the double-byte codes 0x8140-0x8396 (symbols, full-width
// ASCII and katakana): one or two bytes, or none.
constexpr unsigned kHalfFormFirst = 0x8140;
constexpr unsigned kHalfFormLast = 0x8396;

struct HalfForm {
    unsigned char bytes[2];
    unsigned char length;
};

constexpr std::array<HalfForm, kHalfFormLast - kHalfFormFirst + 1> MakeHalfForms() {
    std::array<HalfForm, kHalfFormLast - kHalfFormFirst + 1> table{};
    auto set = [&table](unsigned code, unsigned first, unsigned second) {
        if (code < kHalfFormFirst || code > kHalfFormLast) return;
        HalfForm& f = table[code - kHalfFormFirst];
        f.bytes[0] = static_cast<unsigned char>(first);
        f.bytes[1] = static_cast<unsigned char>(second);
        f.length = second ? 2 : 1;
    };
    for (unsigned b = 0x20; b <= 0x7E; ++b) set(FullFormOfAscii(b), b, 0);
    for (unsigned b = 0xA1; b <= 0xDF; ++b) {
        set(FullFormOfHalfKana(b), b, 0);
        set(CombinedKana(b, kVoicedMark), b, kVoicedMark);
        set(CombinedKana(b, kSemiVoicedMark), b, kSemiVoicedMark);
    }
    return table;
}
constexpr auto kHalfForms = MakeHalfForms();

void AppendCode(std::string& out, unsigned code) {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
}

// Walks value one character at a time. A lead byte without its trail byte
// counts as a single byte, which every single-byte mapping copies.
template <typename OnByte, typename OnCode>
std::string MapCharacters(std::string_view value, std::size_t capacity, OnByte onByte, OnCode onCode) {
    std::string out;
    out.reserve(capacity);
    const std::size_t n = value.size();
    for (std::size_t p = 0; p < n;) {
        const unsigned char b = static_cast<unsigned char>(value[p]);
        if (IsDoubleByteAt(value, p)) {
            onCode(out, b * 256u + static_cast<unsigned char>(value[p + 1]));
            p += 2;
        } else {
            onByte(out, b);
            ++p;
        }
    }
    return out;
}

// Same-length mappings: a byte to a byte, a code to a code.
template <typename ByteMap, typename CodeMap>
std::string MapSameLength(std::string_view value, ByteMap byteMap, CodeMap codeMap) {
    return MapCharacters(
        value, value.size(), [&](std::string& out, unsigned char b) { out += static_cast<char>(byteMap(b)); },
        [&](std::string& out, unsigned code) { AppendCode(out, codeMap(code)); });
}

unsigned char SameByte(unsigned char b) { return b; }

unsigned char AsciiUpper(unsigned char b) { return (b >= 'a' && b <= 'z') ? b - 0x20 : b; }
unsigned char AsciiLower(unsigned char b) { return (b >= 'A' && b <= 'Z') ? b + 0x20 : b; }

// Cyrillic А-Я 0x8440-0x8460 and а-я 0x8470-0x8491, where the lower-case run
// skips 0x847F.
constexpr unsigned CyrillicLowerOf(unsigned upper) {
    const unsigned i = upper - 0x8440;
    return i < 15 ? 0x8470 + i : 0x8480 + (i - 15);
}
constexpr unsigned CyrillicUpperOf(unsigned lower) {
    return lower < 0x847F ? 0x8440 + (lower - 0x8470) : 0x8440 + 15 + (lower - 0x8480);
}

unsigned FullUpper(unsigned code) {
    if (code >= 0x8281 && code <= 0x829A) return code - 0x21;
    return code;
}
unsigned FullLower(unsigned code) {
    if (code >= 0x8260 && code <= 0x8279) return code + 0x21;
    return code;
}

unsigned LocaleUpper(unsigned code) {
    if (code >= 0x83BF && code <= 0x83D6) return code - 0x20;  // Greek
    if ((code >= 0x8470 && code <= 0x847E) || (code >= 0x8480 && code <= 0x8491)) return CyrillicUpperOf(code);
    return FullUpper(code);
}
unsigned LocaleLower(unsigned code) {
    if (code >= 0x839F && code <= 0x83B6) return code + 0x20;  // Greek
    if (code >= 0x8440 && code <= 0x8460) return CyrillicLowerOf(code);
    return FullLower(code);
}

// Hiragana ぁ-ん 0x829F-0x82F1 run in step with katakana ァ-ン 0x8340-0x8393,
// except that the katakana run skips 0x837F.
unsigned KatakanaOf(unsigned code) {
    if (code >= 0x829F && code <= 0x82F1) {
        const unsigned k = 0x8340 + (code - 0x829F);
        return k >= 0x837F ? k + 1 : k;
    }
    if (code == 0x8154 || code == 0x8155) return code - 2;  // ゝ ゞ -> ヽ ヾ
    return code;
}
unsigned HiraganaOf(unsigned code) {
    if (code >= 0x8340 && code <= 0x8393 && code != 0x837F)
        return 0x829F + (code - 0x8340) - (code > 0x837F ? 1 : 0);
    if (code == 0x8152 || code == 0x8153) return code + 2;  // ヽ ヾ -> ゝ ゞ
    return code;
}

std::string HalfKanaToFull(std::string_view value) {
    std::string out;
    out.reserve(2 * value.size());
    const std::size_t n = value.size();
    for (std::size_t p = 0; p < n;) {
        const unsigned char b = static_cast<unsigned char>(value[p]);
        if (IsDoubleByteAt(value, p)) {
            out.append(value, p, 2);
            p += 2;
        } else if (IsHalfKanaByte(b)) {
            const unsigned char next = p + 1 < n ? static_cast<unsigned char>(value[p + 1]) : 0;
            if (next == kVoicedMark || next == kSemiVoicedMark) {
                if (const unsigned combined = CombinedKana(b, next)) {
                    AppendCode(out, combined);
                } else {
                    AppendCode(out, FullFormOfHalfKana(b));
                    AppendCode(out, FullFormOfHalfKana(next));
                }
                p += 2;
            } else {
                AppendCode(out, FullFormOfHalfKana(b));
                ++p;
            }
        } else {
            out += static_cast<char>(b);
            ++p;
        }
    }
    return out;
}

std::string HalfToFull(std::string_view value) {
    // A lead byte without its trail is followed by a byte below 0x40. Widening
    // that byte would hand the lead byte a trail and make a character of
    // bytes that were none, so it stays as it is.
    bool afterLoneLead = false;
    return MapCharacters(
        value, 2 * value.size(),
        [&afterLoneLead](std::string& out, unsigned char b) {
            const bool keep = afterLoneLead;
            afterLoneLead = IsLeadByte(b);
            if (keep) {
                out += static_cast<char>(b);
            } else if (b >= 0x20 && b <= 0x7E) {
                AppendCode(out, FullFormOfAscii(b));
            } else if (IsHalfKanaByte(b)) {
                AppendCode(out, FullFormOfHalfKana(b));
            } else {
                out += static_cast<char>(b);
            }
        },
        [&afterLoneLead](std::string& out, unsigned code) {
            afterLoneLead = false;
            AppendCode(out, code);
        });
}

std::string FullToHalf(std::string_view value) {
    return MapCharacters(
        value, value.size(), [](std::string& out, unsigned char b) { out += static_cast<char>(b); },
        [](std::string& out, unsigned code) {
            if (code >= kHalfFormFirst && code <= kHalfFormLast) {
                const HalfForm& f = kHalfForms[code - kHalfFormFirst];
                if (f.length) {
                    out.append(reinterpret_cast<const char*>(f.bytes), f.length);
                    return;
                }
            } else if (code == 0xFA57 || code == 0xEEFC) {
                out += '"';
                return;
            } else if (code == 0xFA56 || code == 0xEEFB) {
                out += '\'';
                return;
            }
            AppendCode(out, code);
        });
}

}  // namespace

std::string ConvertText(std::string_view value, TextConversion conversion) {
    switch (conversion) {
    case TextConversion::ToUpper: return MapSameLength(value, AsciiUpper, LocaleUpper);
    case TextConversion::ToLower: return MapSameLength(value, AsciiLower, LocaleLower);
    case TextConversion::HalfKanaToFull: return HalfKanaToFull(value);
    case TextConversion::HalfToFull: return HalfToFull(value);
    case TextConversion::FullToHalf: return FullToHalf(value);
    case TextConversion::HiraganaToKatakana: return MapSameLength(value, SameByte, KatakanaOf);
    case TextConversion::KatakanaToHiragana: return MapSameLength(value, SameByte, HiraganaOf);
    case TextConversion::FullUpperToLower: return MapSameLength(value, SameByte, FullLower);
    case TextConversion::FullLowerToUpper: return MapSameLength(value, SameByte, FullUpper);
    }
    return std::string(value);
}

std::string ConvertSmallKana(std::string_view value, SmallKanaDirection direction) {
    // The pairs share no byte, so replacing pair by pair in table order is one
    // byte map applied in a single pass.
    std::array<unsigned char, 256> map{};
    for (unsigned b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>(b);
    for (const auto& pair : SmallKanaPairs) {
        if (direction == SmallKanaDirection::SmallToNormal)
            map[pair.small] = pair.normal;
        else
            map[pair.normal] = pair.small;
    }
    return MapSameLength(
        value, [&map](unsigned char b) { return map[b]; }, [](unsigned code) { return code; });
}

}  // namespace tabrix
