#include <gtest/gtest.h>

#include "schema/ColImeMode.h"
#include "text/FormatBits.h"

namespace tabrix {
namespace {

TEST(ColImeMode, ModesFollowTheColumnsClasses) {
    struct Case {
        ImeMode mode;
        FormatBits format;
        ImeRequest wanted;
    };
    const Case cases[] = {
        {ImeMode::None, kFmtHiragana, ImeRequest::LeaveAlone},
        {ImeMode::Normal, kFmtHalfLetter | kFmtHalfDigit, ImeRequest::Close},
        {ImeMode::Normal, kFmtHalfLetter | kFmtKanji2, ImeRequest::FullHiragana},
        {ImeMode::Normal, kFmtFullSpace, ImeRequest::FullHiragana},
        {ImeMode::Normal, kFmtHalfKana, ImeRequest::Close},
        {ImeMode::Detail, kFmtKatakana | kFmtFullLetter | kFmtHiragana, ImeRequest::FullKatakana},
        {ImeMode::Detail, kFmtFullDigit | kFmtHalfKana, ImeRequest::FullAlphanumeric},
        {ImeMode::Detail, kFmtHalfKana | kFmtFullSymbol, ImeRequest::HalfKatakana},
        {ImeMode::Detail, kFmtFullSymbol | kFmtHiragana, ImeRequest::FullSymbol},
        {ImeMode::Detail, kFmtFullWidth, ImeRequest::FullHiragana},
        {ImeMode::Detail, kFmtKanji1, ImeRequest::FullHiragana},
        {ImeMode::Detail, kFmtHalfLetter, ImeRequest::Close},
    };
    for (const Case& c : cases) {
        CColCtrl col;
        col.m_nFormat1 = c.format;
        EXPECT_EQ(SetColImeMode(c.mode, &col, true), c.wanted) << static_cast<int>(c.mode) << " " << c.format;
    }
    CColCtrl date;
    date.m_nType = kTypeDate;
    date.m_nFormat1 = kFmtDate1;
    EXPECT_EQ(SetColImeMode(ImeMode::Detail, &date, true), ImeRequest::Close);
    CColCtrl text;
    text.m_nFormat1 = kFmtHiragana;
    EXPECT_EQ(SetColImeMode(ImeMode::Normal, &text, false), ImeRequest::Close);
    EXPECT_EQ(SetColImeMode(ImeMode::Normal, nullptr, true), ImeRequest::Close);
    EXPECT_EQ(SetColImeMode(ImeMode::None, nullptr, false), ImeRequest::LeaveAlone);
}

}  // namespace
}  // namespace tabrix
