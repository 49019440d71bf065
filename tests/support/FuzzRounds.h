// Bounded randomized tests: the normal run (and the sanitizer run of CI)
// takes a fixed seed and a count that keeps it fast; scripts/fuzz sets
// TABRIX_FUZZ_SCALE (how many times the normal count) and TABRIX_FUZZ_SEED
// for a longer run on demand.
#pragma once

#include <cstdlib>
#include <string>

namespace tabrix::test {

inline int FuzzRounds(int normal) {
    const char* text = std::getenv("TABRIX_FUZZ_SCALE");
    const long scale = text ? std::strtol(text, nullptr, 10) : 0;
    return scale > 0 && scale < 100000 ? static_cast<int>(normal * scale) : normal;
}

inline unsigned FuzzSeed(unsigned normal) {
    const char* text = std::getenv("TABRIX_FUZZ_SEED");
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : normal;
}

// Shows bytes as a C string literal, so a failing case can be pasted into a test.
inline std::string Literal(const std::string& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 15];
            out += "\"\"";  // ends the hex escape
        }
    }
    return out + "\"";
}

}  // namespace tabrix::test
