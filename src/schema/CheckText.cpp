// The character-class check of text columns.
#include <string_view>

#include "schema/FieldText.h"
#include "schema/ValidateSteps.h"
#include "text/CharClass.h"
#include "text/FormatBits.h"
#include "text/Replace.h"
#include "text/SjisChar.h"
#include "text/ValueEdit.h"

namespace tabrix {

namespace {

bool Has(FormatBits format, FormatBits bits) { return (format & bits) != 0; }

// The message for a character of class cls when format does not permit it,
// or nullptr when it does.
const char* RefusalOf(InputClass cls, FormatBits f) {
    const bool fullWidth = Has(f, kFmtFullWidth);
    switch (cls) {
    case InputClass::HalfKana:
        return Has(f, kFmtHalfKana) ? nullptr : "半角ｶﾀｶﾅ（%c）は入力できません。";
    case InputClass::HalfSmallKana:
        if (!Has(f, kFmtHalfKana)) return "半角ｶﾀｶﾅ（%c）は入力できません。";
        return Has(f, kFmtHalfSmallKana) ? nullptr : "半角捨て仮名（%c）は入力できません。";
    case InputClass::HalfSpace:
        return Has(f, kFmtHalfSpace) ? nullptr : "半角ｽﾍﾟｰｽは入力できません。";
    case InputClass::HalfLetter:
        return Has(f, kFmtHalfLetter) ? nullptr : "半角英字（%c）は入力できません。";
    case InputClass::HalfDigit:
        return Has(f, kFmtHalfDigit) ? nullptr : "半角数字（%c）は入力できません。";
    case InputClass::HalfSymbol:
        return Has(f, kFmtHalfSymbol) ? nullptr : "半角記号（%c）は入力できません。";
    case InputClass::HalfOther:
        return nullptr;
    case InputClass::FullSpace:
        return fullWidth || Has(f, kFmtFullSpace) ? nullptr : "全角スペースは入力できません。";
    case InputClass::FullLetter:
        return fullWidth || Has(f, kFmtFullLetter) ? nullptr : "全角英字（%s）は入力できません。";
    case InputClass::FullDigit:
        return fullWidth || Has(f, kFmtFullDigit) ? nullptr : "全角数字（%s）は入力できません。";
    case InputClass::FullSymbol:
        return fullWidth || Has(f, kFmtFullSymbol) ? nullptr : "全角記号（%s）は入力できません。";
    case InputClass::Hiragana:
        return fullWidth || Has(f, kFmtHiragana) ? nullptr : "全角ひらがな（%s）は入力できません。";
    case InputClass::Katakana:
        return fullWidth || Has(f, kFmtKatakana) ? nullptr : "全角カタカナ（%s）は入力できません。";
    case InputClass::Kanji1:
        return fullWidth || Has(f, kFmtKanji1) ? nullptr : "第一水準漢字（%s）は入力できません。";
    case InputClass::Kanji2:
        return fullWidth || Has(f, kFmtKanji2) ? nullptr : "第二水準漢字（%s）は入力できません。";
    case InputClass::Greek:
        return fullWidth ? nullptr : "キリシャ文字（%s）は入力できません。";
    case InputClass::Cyrillic:
        return fullWidth ? nullptr : "ロシア文字（%s）は入力できません。";
    case InputClass::Special:
        return fullWidth ? nullptr : "特殊文字（%s）は入力できません。";
    case InputClass::UserDefined:
        return fullWidth ? nullptr : "外字（%s）は入力できません。";
    case InputClass::Extended:
        return fullWidth ? nullptr : "拡張文字（%s）は入力できません。";
    case InputClass::FullOther:
        return fullWidth ? nullptr : "全角文字（%s）は入力できません。";
    }
    return nullptr;
}

// Whether the character at pos is one of the extra characters: a double-byte
// character among their double-byte characters, a single byte among their
// single bytes.
bool IsExtraChar(std::string_view extra, std::string_view value, std::size_t pos) {
    const std::string_view ch = value.substr(pos, CharLength(value, pos));
    for (std::size_t p = 0; p < extra.size(); p = NextChar(extra, p)) {
        if (extra.substr(p, CharLength(extra, p)) == ch) return true;
    }
    return false;
}

}  // namespace

void ConvertSpacePairs(const CColCtrl& col, std::string& value) {
    const FormatBits f = col.m_nFormat1;
    if (col.m_bHanSpConv && Has(f, kFmtFullSpace) && !Has(f, kFmtHalfSpace)) ReplaceAll(value, "  ", "　");
}

bool CheckTextClasses(CColCtrl& col, std::string& value) {
    if (value.empty()) return true;
    // A comma would split the field in a comma-separated file unless it is quoted.
    if (!IsEnclosedInQuotes(value) && value.find(',') != std::string::npos) value = WrapInQuotes(value);

    std::string_view inner = value;
    if (IsEnclosedInQuotes(inner)) inner = inner.substr(1, inner.size() - 2);
    for (std::size_t p = 0; p < inner.size(); p = NextChar(inner, p)) {
        if (!col.m_strEtcChar.empty() && IsExtraChar(col.m_strEtcChar, inner, p)) continue;
        if (const char* refusal = RefusalOf(InputClassOf(inner, p), col.m_nFormat1)) {
            col.m_strError = FillMessage(refusal, CharForMessage(inner, p));
            return false;
        }
    }
    return true;
}

}  // namespace tabrix
