// Texts a user types into a command's dialog that end up inside fields: a
// replacement, an initial value, a title, a separator. They obey the rules of
// a cell edit, so that no command can give a row string a field it did not
// have, or write a comma that the saved file would read as a delimiter.
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

class CTabrixDoc;

struct TypedTextRule {
    static constexpr const char* kNoTabOrBreak = "タブ、改行は入力出来ません。";
    static constexpr const char* kNoCommaInCsv = "ＣＳＶファイル時は、カンマは入力出来ません。";

    char delimiter = ',';  // the document's
    bool quote = false;    // the document writes every field in quotes

    static TypedTextRule Of(const CTabrixDoc& doc);
    // Empty when the text may go into a field, else the refusal.
    std::string check(std::string_view text) const;
};

// A comma in a field of a comma-separated file is safe only inside quotes.
bool HasUnquotedComma(std::string_view value);

}  // namespace tabrix
