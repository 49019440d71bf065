#include "text/CharClass.h"

#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr bool InRange(unsigned code, unsigned first, unsigned last) {
    return code >= first && code <= last;
}

// Single-byte tests of the default locale: nothing at 0x80 or above is a
// letter, digit, punctuation or control byte.
constexpr bool IsHalfLetter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }
constexpr bool IsHalfDigit(unsigned char b) { return b >= '0' && b <= '9'; }
constexpr bool IsHalfPunctuation(unsigned char b) {
    return InRange(b, 0x21, 0x2F) || InRange(b, 0x3A, 0x40) || InRange(b, 0x5B, 0x60) || InRange(b, 0x7B, 0x7E);
}
constexpr bool IsHalfControl(unsigned char b) { return b < 0x20 || b == 0x7F; }
constexpr bool IsHalfKana(unsigned char b) { return InRange(b, 0xA1, 0xDF); }
constexpr bool IsHalfSmallKana(unsigned char b) { return InRange(b, 0xA7, 0xAF); }

InputClass InputClassOfCode(unsigned code) {
    if (code == 0x8140) return InputClass::FullSpace;
    if (InRange(code, 0x8260, 0x8279) || InRange(code, 0x8281, 0x829A)) return InputClass::FullLetter;
    if (InRange(code, 0x824F, 0x8258)) return InputClass::FullDigit;
    if (InRange(code, 0x8140, 0x81FC)) return InputClass::FullSymbol;
    if (InRange(code, 0x829F, 0x82F1)) return InputClass::Hiragana;
    if (InRange(code, 0x8340, 0x8396)) return InputClass::Katakana;
    if (InRange(code, 0x889F, 0x989E)) return InputClass::Kanji1;
    if (InRange(code, 0x989F, 0x9FFC) || InRange(code, 0xE040, 0xEAFC)) return InputClass::Kanji2;
    if (InRange(code, 0x839F, 0x83FC)) return InputClass::Greek;
    if (InRange(code, 0x8440, 0x849E)) return InputClass::Cyrillic;
    if (InRange(code, 0x849F, 0x889E)) return InputClass::Special;
    if (InRange(code, 0xF040, 0xF9FC)) return InputClass::UserDefined;
    if (InRange(code, 0xEB40, 0xEFFC) || InRange(code, 0xFA40, 0xFCFC)) return InputClass::Extended;
    return InputClass::FullOther;
}

InputClass InputClassOfByte(unsigned char b) {
    if (IsHalfKana(b)) return IsHalfSmallKana(b) ? InputClass::HalfSmallKana : InputClass::HalfKana;
    if (b == ' ') return InputClass::HalfSpace;
    if (IsHalfLetter(b)) return InputClass::HalfLetter;
    if (IsHalfDigit(b)) return InputClass::HalfDigit;
    if (IsHalfPunctuation(b)) return InputClass::HalfSymbol;
    return InputClass::HalfOther;
}

constexpr SearchClassSet ComputeByteClasses(unsigned char b) {
    SearchClassSet s = 0;
    if (IsHalfDigit(b)) s |= searchclass::HalfDigit;
    if (IsHalfLetter(b)) s |= searchclass::HalfLetter;
    if (IsHalfPunctuation(b)) s |= searchclass::HalfPunctuation;
    if (IsHalfKana(b)) s |= searchclass::HalfKana;
    if (IsHalfControl(b)) s |= searchclass::HalfControl;
    if (IsHalfSmallKana(b)) s |= searchclass::HalfSmallKana;
    return s;
}

constexpr std::array<SearchClassSet, 256> MakeByteClassTable() {
    std::array<SearchClassSet, 256> table{};
    for (unsigned b = 0; b < 256; ++b) table[b] = ComputeByteClasses(static_cast<unsigned char>(b));
    return table;
}
constexpr std::array<SearchClassSet, 256> kByteClasses = MakeByteClassTable();

}  // namespace

InputClass InputClassOf(std::string_view text, std::size_t pos) {
    const unsigned char b = static_cast<unsigned char>(text[pos]);
    if (!IsLeadByte(b)) return InputClassOfByte(b);
    if (!IsDoubleByteAt(text, pos)) return InputClass::FullOther;  // a lead byte without its trail
    return InputClassOfCode(b * 256u + static_cast<unsigned char>(text[pos + 1]));
}

SearchClassSet SearchClassesOfByte(unsigned char b) { return kByteClasses[b]; }

SearchClassSet SearchClassesOfCode(unsigned code) {
    // The double-byte classes do not overlap, except that the full-width
    // letters also lie inside the alphanumeric run.
    if (InRange(code, 0x8140, 0x819E)) return searchclass::FullSymbol1;
    if (InRange(code, 0x819F, 0x81FC)) return searchclass::FullSymbol2;
    if (InRange(code, 0x824F, 0x829A)) {
        SearchClassSet s = searchclass::FullAlphanumeric;
        if (InRange(code, 0x8281, 0x829A)) s |= searchclass::FullLowercase;
        if (InRange(code, 0x8260, 0x8279)) s |= searchclass::FullUppercase;
        return s;
    }
    if (InRange(code, 0x829F, 0x82F1)) return searchclass::Hiragana;
    if (InRange(code, 0x8340, 0x8396)) return searchclass::Katakana;
    if (InRange(code, 0x839F, 0x83FC)) return searchclass::Greek;
    if (InRange(code, 0x8440, 0x849E)) return searchclass::Cyrillic;
    if (InRange(code, 0x849F, 0x889E)) return searchclass::Special;
    if (InRange(code, 0x889F, 0x9FFC) || InRange(code, 0xE040, 0xEAFC)) return searchclass::Kanji;
    if (InRange(code, 0xEB40, 0xEFFC) || InRange(code, 0xFA40, 0xFCFC)) return searchclass::Extended;
    if (InRange(code, 0xF040, 0xF9FC)) return searchclass::UserDefined;
    return 0;
}

bool ContainsClass(std::string_view text, SearchClassSet classes) {
    for (std::size_t p = 0; p < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[p]);
        if (IsDoubleByteAt(text, p)) {
            if (SearchClassesOfCode(b * 256u + static_cast<unsigned char>(text[p + 1])) & classes) return true;
            p += 2;
        } else {
            // A lead byte without its trail has no search class, as no
            // single byte in the lead range has one.
            if (kByteClasses[b] & classes) return true;
            ++p;
        }
    }
    return false;
}

SearchClassSet ClassOfToken(std::string_view conditionText) {
    for (const auto& t : SearchClassTokens)
        if (t.token == conditionText) return t.bit;
    return 0;
}

}  // namespace tabrix
