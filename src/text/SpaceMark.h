// The marks that stand for spaces while a document is open: every half-width
// (or full-width) space read from a file is held as its mark, and saving turns
// every mark back into a space. That is exact only when the mark cannot be
// taken for anything else, so a mark must be a character of its own that no
// record structure uses, and the file must not hold it already.
#pragma once

#include <string_view>

namespace tabrix {

// One byte that is not TAB, a control byte, a lead byte or a double quote.
bool IsUsableHalfMark(std::string_view mark);
// One double-byte character.
bool IsUsableFullMark(std::string_view mark);

// Whether turning the spaces of line into the mark could not be undone: the
// line holds the mark as a character, or a lead byte without its trail stands
// before a space and the mark would become that trail byte.
bool HalfMarkClashes(std::string_view line, char mark);
// Whether the line holds the full-width mark as a character.
bool FullMarkClashes(std::string_view line, std::string_view mark);

}  // namespace tabrix
