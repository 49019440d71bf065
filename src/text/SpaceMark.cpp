#include "text/SpaceMark.h"

#include <cstring>

#include "text/SjisChar.h"
#include "text/SjisSearch.h"

namespace tabrix {

bool IsUsableHalfMark(std::string_view mark) {
    if (mark.size() != 1) return false;
    const unsigned char b = static_cast<unsigned char>(mark[0]);
    return b >= 0x20 && b != 0x7F && b != '"' && !IsLeadByte(b);
}

bool IsUsableFullMark(std::string_view mark) {
    return mark.size() == 2 && IsDoubleByteAt(mark, 0);
}

bool HalfMarkClashes(std::string_view line, char mark) {
    const bool canBeTrail = CanBeTrailByte(mark);
    // Most lines hold neither the mark nor a lead byte: look for the mark first.
    if (!canBeTrail && std::memchr(line.data(), mark, line.size()) == nullptr) return false;
    for (std::size_t p = 0; p < line.size(); p = NextChar(line, p)) {
        if (line[p] == mark) return true;
        if (canBeTrail && IsLeadByte(line[p]) && p + 1 < line.size() && line[p + 1] == ' ') return true;
    }
    return false;
}

bool FullMarkClashes(std::string_view line, std::string_view mark) { return ContainsSjis(line, mark); }

}  // namespace tabrix
