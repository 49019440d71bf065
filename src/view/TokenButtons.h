// The class-token buttons of the condition dialogs: one table for the row
// filter's individual conditions and for conditional save's search string.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tabrix {

struct TokenButton {
    std::string_view caption;
    std::string_view token;  // the text the button appends
    bool fullWidth;          // in the group of double-byte classes
    bool inSaveDialog;       // conditional save offers it too
};

inline constexpr std::string_view kHalfTokenGroup = "特殊キーワード（半角文字チェック用：前後を#で囲む）";
inline constexpr std::string_view kFullTokenGroup = "特殊キーワード（全角文字チェック用：前後を@で囲む）";

inline constexpr std::array<TokenButton, 20> TokenButtons = {{
    {"数字", "#数字#", false, true},
    {"英字", "#英字#", false, true},
    {"区切", "#区切#", false, true},
    {"カナ", "#カナ#", false, true},
    {"制御", "#制御#", false, true},
    {"捨て仮名", "#捨て仮名#", false, false},
    {"記号1", "@記号１@", true, true},
    {"記号2", "@記号２@", true, true},
    {"英数字", "@英数字@", true, true},
    {"ひら", "@ひら@", true, true},
    {"カナ", "@カナ@", true, true},
    {"ｷﾞﾘｼｬ", "@ギリシャ@", true, true},
    {"ﾛｼｱ", "@ロシア@", true, true},
    {"第1漢", "@第１水準@", true, true},
    {"第2漢", "@第２水準@", true, true},
    {"特殊", "@特殊@", true, true},
    {"外字", "@外字@", true, true},
    {"拡張", "@拡張@", true, true},
    {"全角小文字", "@全角小文字@", true, true},
    {"全角大文字", "@全角大文字@", true, true},
}};

// A token (or a picked value) joined to a search text after a comma.
inline void AppendSearchEntry(std::string& text, std::string_view entry) {
    if (!text.empty()) text += ',';
    text += entry;
}

}  // namespace tabrix
