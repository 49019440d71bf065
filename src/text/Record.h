// The delimited record codec: file lines <-> row strings <-> field arrays.
//
// A row string holds the fields of one record joined by TAB with the file's
// quoting resolved. The codec is the only place that knows how delimiters and
// quotes are read and written; a drift here silently corrupts user data.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

constexpr char kTab = '\t';

// Counts the fields of line[0, len). With normalise set the bytes are rewritten
// in place into the row string (never longer than the input) and len is set to
// its length. stripQuotes is the document's quote flag. Bytes a row string
// cannot hold (TAB, CR and LF inside quotes) are left out and added to dropped,
// so that the caller can say so.
int CountFields(char* line, std::size_t& len, char delim, bool normalise, bool stripQuotes, std::size_t& dropped);
int CountFields(char* line, std::size_t& len, char delim, bool normalise, bool stripQuotes);
// The same on a string; with normalise set the string becomes the row string.
int CountFields(std::string& line, char delim, bool normalise, bool stripQuotes, std::size_t& dropped);
int CountFields(std::string& line, char delim, bool normalise, bool stripQuotes);
// Counting only (normalise clear, strip-quotes clear). Quotes still group, so
// on a row string whose fields hold quote characters this is not the field
// count; use RowFieldCount for that.
int CountFields(std::string_view line, char delim);

// Field count of a row string: its TABs plus one; zero for the empty string.
int RowFieldCount(std::string_view row);

// Fills fields with exactly width elements from the TAB-separated row string,
// padding with empty strings. Fails (false) when the row has more fields than
// width, which is a caller error.
bool SplitFields(std::string_view row, std::vector<std::string>& fields, int width);

// The first width elements joined by sep, padded with separators to width fields.
std::string JoinFields(const std::vector<std::string>& fields, int width, char sep);
void JoinFields(const std::vector<std::string>& fields, int width, char sep, std::string& out);

// A field prepared for writing under the quote flag: enclosed in quotes with
// every quote inside doubled, so that reading it back under the flag gives
// the field exactly.
std::string QuoteField(std::string_view field);

// A field for an output file delimited by delimiter: quoted, with its inner
// quotes doubled, only when the delimiter occurs in it as a character of its
// own; otherwise unchanged. Unquoted, such a field would shift every later
// column of its record.
bool NeedsOutputQuotes(std::string_view field, char delimiter);
void AppendOutputField(std::string& out, std::string_view field, char delimiter);

// Comma-separated integer lists of the control file.
bool ParseIntList(std::string_view text, std::vector<int>& values);
bool FormatIntList(const std::vector<int>& values, std::string& text);

}  // namespace tabrix
