#include "text/Wildcard.h"

#include <cstddef>
#include <vector>

#include "text/SjisChar.h"

namespace tabrix {

namespace {

// Which byte positions of a text start a character. Fields are short: a
// buffer on the stack serves them, a longer text gets one on the heap.
class CharStarts {
public:
    explicit CharStarts(std::string_view text) {
        unsigned char* marks = m_small;
        if (text.size() + 1 > sizeof m_small) {
            m_large.resize(text.size() + 1);
            marks = m_large.data();
        }
        for (std::size_t i = 0; i <= text.size(); ++i) marks[i] = 0;
        for (std::size_t p = 0; p < text.size(); p = NextChar(text, p)) marks[p] = 1;
        marks[text.size()] = 1;
        m_marks = marks;
    }
    bool operator[](std::size_t pos) const { return m_marks[pos] != 0; }

private:
    unsigned char m_small[256];
    std::vector<unsigned char> m_large;
    const unsigned char* m_marks = nullptr;
};

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text) {
    constexpr std::size_t kNone = std::string_view::npos;
    const CharStarts starts(text);
    // Whether the literal character at pattern position p lies in the text at t.
    auto literalAt = [&](std::size_t p, std::size_t t, std::size_t& length) {
        length = CharLength(pattern, p);
        if (!starts[t] || CharLength(text, t) != length) return false;
        return text.compare(t, length, pattern.substr(p, length)) == 0;
    };
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = kNone;  // position in the pattern just after the last star
    std::size_t starText = 0;  // text position that star's run currently ends at
    std::size_t length = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = ++p;
            starText = t;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            ++t;
        } else if (p < pattern.size() && literalAt(p, t, length)) {
            p += length;
            t += length;
        } else if (star != kNone) {
            // Let the last star take one byte more and retry what follows it.
            p = star;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace tabrix
