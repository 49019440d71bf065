// The matching rules of row conditions, shared by the row filter and by
// conditional save: a search text cut into its entries, an entry matched
// against a field, and the numbers that numeric range conditions compare.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

// The search text cut at every comma that is a character of its own; empty
// pieces stay, so "A,,B" has three entries and "" has one empty entry.
std::vector<std::string> SplitSearchText(std::string_view text);

// One entry against a field, by the first rule that applies: both empty
// match; an entry that is exactly a class token matches a field holding a
// character of its class; with wildcards the entry is a pattern for the
// whole field; otherwise the two must be equal byte for byte.
bool MatchesSearchEntry(std::string_view entry, std::string_view field, bool wildcards);
// True when some entry of the list matches.
bool MatchesSearchList(const std::vector<std::string>& entries, std::string_view field, bool wildcards);

// The integer of a value: leading spaces, an optional sign and the leading
// decimal digits ("12.9" is 12, "15kg" is 15, no digits give 0). Numeric
// text (quotes, a yen sign, thousands commas) is read as the number it
// shows, so "1,000" is 1000. Saturates at the ends of the 64-bit range.
std::int64_t LeadingInteger(std::string_view value);

}  // namespace tabrix
