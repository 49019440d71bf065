#include "schema/DescribeColumn.h"

#include "text/FormatBits.h"

namespace tabrix {

namespace {

struct FormatPiece {
    FormatBits bit;
    const char* text;
};

// Text columns: one piece per permitted class, in this order.
constexpr FormatPiece kClassPieces[] = {
    {kFmtHalfSpace, "空白,"},      {kFmtHalfLetter, "英字,"},     {kFmtHalfDigit, "数字,"},
    {kFmtHalfSymbol, "記号,"},     {kFmtHalfKana, "半ｶﾅ,"},       {kFmtFullSpace, "全角空白,"},
    {kFmtFullLetter, "全角英字,"}, {kFmtFullDigit, "全角数字,"},  {kFmtFullSymbol, "全角記号,"},
    {kFmtHiragana, "全ひら,"},     {kFmtKatakana, "全カナ,"},     {kFmtKanji1, "第一水準,"},
    {kFmtKanji2, "第二水準,"},     {kFmtFullWidth, "全角,"},
};

// Number, date and time columns: the notation of format 1.
constexpr FormatPiece kNotationPieces[] = {
    {kFmtNum1, "数字（12345）"},
    {kFmtNum2, "数字（00123）"},
    {kFmtDate1, "日付（YYYYMMDD）"},
    {kFmtDate2, "日付（YYYY/MM/DD）"},
    {kFmtDate3, "日付（YYYY年MM月DD日）"},
    {kFmtDate4, "日付（gYY.MM.DD）"},
    {kFmtDate5, "日付（ggYY年MM月DD日）"},
    {kFmtDate6, "日付（YYYY/MM/DD hh:mm:ss）"},
    {kFmtTime1, "時刻（hhmm）"},
    {kFmtTime2, "時刻（hh:mm）"},
    {kFmtTime3, "時刻（hh時mm分）"},
    {kFmtTime4, "時刻（hhmmss）"},
    {kFmtTime5, "時刻（hh:mm:ss）"},
    {kFmtTime6, "時刻（hh時mm分ss秒）"},
};

FormatBits NotationMaskOf(int type) {
    switch (type) {
    case kTypeNumber: return kFmtNumberMask;
    case kTypeDate: return kFmtDateMask;
    case kTypeTime: return kFmtTimeMask;
    default: return 0;
    }
}

void AppendTypePart(const CColCtrl& col, std::string& text) {
    const FormatBits f = col.m_nFormat1;
    if (col.m_nType == kTypeText) {
        text += "文字（";
        for (const FormatPiece& piece : kClassPieces)
            if ((f & piece.bit) != 0) text += piece.text;
        if (!col.m_strEtcChar.empty()) {
            text += col.m_strEtcChar;
            text += ',';
        }
        text += "）";
        return;
    }
    // A consistent column has exactly one notation; otherwise the first set one is named.
    const FormatBits notations = f & NotationMaskOf(col.m_nType);
    for (const FormatPiece& piece : kNotationPieces) {
        if ((notations & piece.bit) != 0) {
            text += piece.text;
            return;
        }
    }
}

}  // namespace

void DescribeColumn(const CColCtrl& col, std::string& text) {
    text = col.m_strTitle;
    text += " ：";
    if (col.isVirtual()) {
        text += "仮想項目（表示専用）";
        return;
    }
    AppendTypePart(col, text);
    if (col.m_nLength != -1) text += "、" + std::to_string(col.m_nLength) + "文字";
    text += col.m_bObligate ? "、必須入力" : "、省略可";
    if (col.m_bNoDisp) text += "、非表示";
    if (!col.m_bEdit) text += "、入力不可 ";
    if (!col.m_strMinNum.empty()) text += "、最小値（" + col.m_strMinNum + "）";
    if (!col.m_strMaxNum.empty()) text += "、最大値（" + col.m_strMaxNum + "）";
    if (col.m_Tran.m_bTran) text += "、翻訳項目(F4)";
}

}  // namespace tabrix
