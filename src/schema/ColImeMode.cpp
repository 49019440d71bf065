#include "schema/ColImeMode.h"

#include "text/FormatBits.h"

namespace tabrix {

namespace {

constexpr FormatBits kAnyFullWidth = kFmtFullSpace | kFmtFullLetter | kFmtFullDigit | kFmtFullSymbol |
                                     kFmtHiragana | kFmtKatakana | kFmtKanji1 | kFmtKanji2 | kFmtFullWidth;

ImeRequest DetailedRequest(FormatBits f) {
    if (f & kFmtKatakana) return ImeRequest::FullKatakana;
    if (f & (kFmtFullLetter | kFmtFullDigit)) return ImeRequest::FullAlphanumeric;
    if (f & kFmtHalfKana) return ImeRequest::HalfKatakana;
    if (f & kFmtFullSymbol) return ImeRequest::FullSymbol;
    if (f & (kFmtFullSpace | kFmtHiragana | kFmtKanji1 | kFmtKanji2 | kFmtFullWidth)) return ImeRequest::FullHiragana;
    return ImeRequest::Close;
}

}  // namespace

ImeRequest SetColImeMode(ImeMode mode, const CColCtrl* col, bool editing) {
    if (mode == ImeMode::None) return ImeRequest::LeaveAlone;
    if (!editing || !col || col->m_nType != kTypeText) return ImeRequest::Close;
    const FormatBits f = col->m_nFormat1;
    if (mode == ImeMode::Normal) return (f & kAnyFullWidth) ? ImeRequest::FullHiragana : ImeRequest::Close;
    return DetailedRequest(f);
}

}  // namespace tabrix
