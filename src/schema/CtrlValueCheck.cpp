#include "schema/CtrlValueCheck.h"

#include <cstdio>

#include "schema/ColCtrl.h"
#include "schema/CtrlSyntax.h"
#include "text/SjisChar.h"
#include "text/SjisSearch.h"

namespace tabrix {

namespace {

std::string Quoted(std::string_view caption) { return "「" + std::string(caption) + "」"; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::string CtrlValueRefusal(std::string_view caption, std::string_view key, std::string_view value,
                             bool columnSection) {
    // No trail byte lies below 0x40: every byte below is a character of its own.
    for (char c : value)
        if (c == '\t' || c == '\r' || c == '\n') return Quoted(caption) + "にタブ、改行は入力出来ません。";
    if (value.find('*') != std::string_view::npos) return Quoted(caption) + "に「*」は入力出来ません。";
    if (!value.empty() && IsBlank(value.back())) return Quoted(caption) + "の末尾に空白は入力出来ません。";

    std::string line = std::string(key) + std::string(value);
    PrepareCtrlLine(line);
    if (ContainsSjis(line, "[FILE]") || ContainsSjis(line, "[COL]"))
        return Quoted(caption) + "に「[FILE]」、「[COL]」は入力出来ません。";
    const char* readAs = CtrlLineKey(line, columnSection);
    if (readAs && std::string_view(readAs) != key) return Quoted(caption) + "に「" + readAs + "」は入力出来ません。";
    return {};
}

std::string PermissionRefusal(std::string_view caption, std::string_view list) {
    std::size_t start = 0;
    for (std::size_t p = 0; p <= list.size();) {
        const bool end = p == list.size();
        if (end || list[p] == ',') {
            if (p - start > kMaxPermitted) {
                char text[160];
                std::snprintf(text, sizeof text, "の値は、１つ%zuバイト以内で入力して下さい。", kMaxPermitted);
                return Quoted(caption) + text;
            }
            if (end) break;
            start = ++p;
            continue;
        }
        p = NextChar(list, p);
    }
    return CtrlValueRefusal(caption, "PERMISSION=", list, true);
}

std::string ColumnValueRefusal(const CColCtrl& col) {
    std::string text = CtrlValueRefusal("列タイトル", "TITLE=", col.m_strTitle, true);
    if (!text.empty() || col.isVirtual()) return text;
    // The values the written form holds for a column in the file.
    const struct {
        bool written;
        const char* caption;
        const char* key;
        std::string value;
    } values[] = {
        {col.m_bEtcChar, "その他文字", "ETCCHAR=", col.m_strEtcChar},
        {true, "初期値", "INITIAL=", col.m_strInitial},
        {true, "許可文字", "PERMISSION=", JoinPermission(col.m_Permission)},
        {col.m_nType == kTypeNumber, "最小値", "MINNUM=", col.m_strMinNum},
        {col.m_nType == kTypeNumber, "最大値", "MAXNUM=", col.m_strMaxNum},
        {true, "置換文字", "REPLACE1=", col.m_strReplace1},
        {true, "置換文字", "REPLACE2=", col.m_strReplace2},
        {col.m_Tran.m_bTran, "ファイル名", "TRAN_FILE=", col.m_Tran.m_strFile},
    };
    for (const auto& v : values)
        if (v.written && !(text = CtrlValueRefusal(v.caption, v.key, v.value, true)).empty()) return text;
    return text;
}

}  // namespace tabrix
