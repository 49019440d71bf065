// The codec's fast scan against the plain one-byte-at-a-time loop it
// replaced, on random lines built to stress character alignment.
#include "text/Record.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/SjisChar.h"

namespace tabrix {
namespace {

struct ReferenceResult {
    int count;
    std::string row;
    std::size_t dropped;
};

ReferenceResult ReferenceCountFields(const std::string& line, char delim, bool normalise, bool stripQuotes) {
    const std::size_t n = line.size();
    if (n == 0) return {0, line, 0};
    auto endsField = [&](std::size_t pos) {
        if (pos >= n) return true;
        return (normalise && line[pos] == '\t') || (line[pos] == delim && !IsLeadByte(delim) && delim != '"');
    };
    int count = 0;
    bool inQuotes = false;
    std::size_t fieldStart = 0;
    std::size_t fieldOut = 0;
    std::size_t dropped = 0;
    std::size_t in = 0;
    std::string out;
    while (in < n) {
        const unsigned char b = static_cast<unsigned char>(line[in]);
        if (IsLeadByte(b)) {
            out += line[in];
            if (in + 1 < n && static_cast<unsigned char>(line[in + 1]) >= 0x40) {
                out += line[in + 1];
                in += 2;
            } else {
                ++in;
            }
        } else if (b == '"') {
            const bool doubled = in + 1 < n && line[in + 1] == '"';
            const bool opens = !inQuotes && in == fieldStart;
            if (doubled && opens && endsField(in + 2)) {
                in += 2;
            } else if (doubled && (!stripQuotes || !opens)) {
                out += stripQuotes ? "\"" : "\"\"";
                in += 2;
            } else if (!stripQuotes && inQuotes && out.size() == fieldOut + 1 && endsField(in + 1)) {
                out.resize(fieldOut);  // quotes around dropped bytes only: an empty field
                inQuotes = false;
                ++in;
            } else {
                inQuotes = !inQuotes;
                if (!stripQuotes) out += '"';
                ++in;
            }
        } else if (inQuotes) {
            if (b == '\t' || b == '\r' || b == '\n')
                ++dropped;
            else
                out += static_cast<char>(b);
            ++in;
        } else if ((normalise && b == '\t') || b == static_cast<unsigned char>(delim)) {
            out += '\t';
            ++count;
            fieldStart = ++in;
            fieldOut = out.size();
        } else {
            out += static_cast<char>(b);
            ++in;
        }
    }
    return {count + 1, normalise ? out : line, dropped};
}

// Lines of interesting pieces: quotes, delimiters, lead bytes with all kinds
// of trail bytes, runs of lead-range bytes, control bytes, kana and ASCII.
std::string RandomLine(std::mt19937& rng, std::size_t maxPieces) {
    static const unsigned char kBytes[] = {
        '"', '"', '"', ',', ',', '\t', ' ', '|', 'a', 'Z', '0', '\\', 0x00, '\r', '\n', 0x1F, 0x7F,
        0x80, 0xA0, 0xA1, 0xB1, 0xDF, 0xFD, 0xFF, 0x81, 0x83, 0x95, 0x9F, 0xE0, 0xEA, 0xFC, 0x40, 0x5C, 0x7C};
    static const unsigned char kLeadRange[] = {0x81, 0x83, 0x88, 0x95, 0x9F, 0xE0, 0xEE, 0xFC};
    std::string line;
    const std::size_t pieces = rng() % (maxPieces + 1);
    for (std::size_t i = 0; i < pieces; ++i) {
        switch (rng() % 6) {
        case 0: {  // a run of lead-range bytes, then something interesting
            for (std::size_t k = rng() % 40; k > 0; --k) line += static_cast<char>(kLeadRange[rng() % 8]);
            line += static_cast<char>(kBytes[rng() % 8]);
            break;
        }
        case 1:  // a plain run, long enough to cross blocks
            line.append(rng() % 24, static_cast<char>('A' + rng() % 26));
            break;
        case 2:
            line += "ソ表|";
            break;
        default:
            line += static_cast<char>(kBytes[rng() % sizeof kBytes]);
            break;
        }
    }
    return line;
}

TEST(RecordCodecDifferential, FastScanAgreesWithTheByteLoop) {
    std::mt19937 rng(1234567);
    const char delimiters[] = {',', '\t', ' ', '|', '"', 'A', '\x81', '\0'};
    for (int i = 0; i < 20000; ++i) {
        const std::string line = RandomLine(rng, i % 10 == 0 ? 200 : 30);
        for (const char delim : delimiters) {
            for (int flags = 0; flags < 4; ++flags) {
                const bool normalise = flags & 1;
                const bool strip = flags & 2;
                const ReferenceResult expected = ReferenceCountFields(line, delim, normalise, strip);
                std::string row = line;
                std::size_t dropped = 0;
                const int count = CountFields(row, delim, normalise, strip, dropped);
                ASSERT_EQ(count, expected.count) << testing::PrintToString(line) << " delim " << int(delim);
                ASSERT_EQ(row, expected.row) << testing::PrintToString(line) << " delim " << int(delim);
                ASSERT_EQ(dropped, expected.dropped) << testing::PrintToString(line) << " delim " << int(delim);
            }
            ASSERT_EQ(CountFields(std::string_view(line), delim), ReferenceCountFields(line, delim, false, false).count);
        }
    }
}

TEST(RecordCodecDifferential, LongLinesAndBlockEdges) {
    std::mt19937 rng(42);
    for (std::size_t length = 0; length < 70; ++length) {
        for (int i = 0; i < 200; ++i) {
            std::string line;
            for (std::size_t k = 0; k < length; ++k) {
                const unsigned r = rng() % 10;
                line += r == 0 ? ',' : r == 1 ? '"' : r < 5 ? static_cast<char>(0x81 + rng() % 3) : 'x';
            }
            for (int flags = 0; flags < 4; ++flags) {
                const ReferenceResult expected = ReferenceCountFields(line, ',', flags & 1, flags & 2);
                std::string row = line;
                ASSERT_EQ(CountFields(row, ',', flags & 1, flags & 2), expected.count) << testing::PrintToString(line);
                ASSERT_EQ(row, expected.row) << testing::PrintToString(line);
            }
        }
    }
    std::string huge(3u << 20, '\x81');  // beyond the kept scratch space
    huge += ",\"a\tb\"";
    const ReferenceResult expected = ReferenceCountFields(huge, ',', true, true);
    std::string row = huge;
    EXPECT_EQ(CountFields(row, ',', true, true), expected.count);
    EXPECT_EQ(row, expected.row);
}

}  // namespace
}  // namespace tabrix
