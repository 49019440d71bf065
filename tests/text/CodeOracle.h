// Unicode meaning of single Shift-JIS characters through the platform
// converter, as an independent check of the hand-written tables.
#pragma once

#include <string>

#include "text/Cp932.h"

namespace tabrix::testing {

inline std::string CodeBytes(unsigned code) {
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// The code point of one complete character, or 0 when it has none.
inline char32_t CodePointOf(const std::string& cp932) {
    std::string utf8;
    if (!Cp932ToUtf8(cp932, utf8) || utf8.empty()) return 0;
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    char32_t c = 0;
    std::size_t n = 0;
    if (s[0] < 0x80) { c = s[0]; n = 1; }
    else if ((s[0] >> 5) == 0x6) { c = s[0] & 0x1F; n = 2; }
    else if ((s[0] >> 4) == 0xE) { c = s[0] & 0x0F; n = 3; }
    else { c = s[0] & 0x07; n = 4; }
    if (utf8.size() != n) return 0;  // more than one character
    for (std::size_t i = 1; i < n; ++i) c = (c << 6) | (s[i] & 0x3F);
    return c;
}

inline char32_t CodePointOfCode(unsigned code) { return CodePointOf(CodeBytes(code)); }

// Calls f(code) for every double-byte code with a lead byte and a trail byte
// in the code page's trail range.
template <typename F>
void ForEachDoubleByteCode(F f) {
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
            if (trail != 0x7F) f(lead * 256 + trail);
    }
}

}  // namespace tabrix::testing
