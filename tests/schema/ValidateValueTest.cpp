#include <gtest/gtest.h>

#include "ColumnCases.h"

namespace tabrix {
namespace {

using test::ExpectValidations;
using test::MakeColumn;
using test::ValidationCase;

TEST(ValidateValue, VirtualColumnsAcceptAnything) {
    CColCtrl col = MakeColumn(kTypeNumber, kFmtNum1);
    col.m_bFileCol = false;
    col.m_bObligate = true;
    col.m_nLength = 1;
    const ValidationCase cases[] = {
        {"", "", nullptr},
        {" x,\x82 \t", " x,\x82 \t", nullptr},
    };
    ExpectValidations(col, cases);
}

TEST(ValidateValue, TrimsOnlyTrailingHalfWidthWhiteSpace) {
    const ValidationCase cases[] = {
        {"ab \t\r\n\v\f", "ab", nullptr},
        {" ab", " ab", nullptr},
        {"ab　", "ab　", nullptr},
        {"ソ ", "ソ", nullptr},
    };
    ExpectValidations(MakeColumn(kTypeText, 0x201F), cases);
}

TEST(ValidateValue, ReplacesOnCharacterBoundariesBeforeTheOtherChecks) {
    CColCtrl col = MakeColumn(kTypeText, 0x201F);
    col.m_strReplace1 = "\\";
    col.m_strReplace2 = "/";
    const ValidationCase cases[] = {
        {"ソ\\表\\", "ソ/表/", nullptr},  // the 0x5C trail bytes of ソ and 表 stay
    };
    ExpectValidations(col, cases);

    CColCtrl required = MakeColumn(kTypeText, 0x201F);
    required.m_bObligate = true;
    required.m_strReplace1 = "-";
    const ValidationCase emptied[] = {
        {"--", nullptr, "この項目は、入力必須です。"},
        {"a-b", "ab", nullptr},
        {" ", nullptr, "この項目は、入力必須です。"},
    };
    ExpectValidations(required, emptied);
}

TEST(ValidateValue, RequiredColumnsOfEveryType) {
    for (const auto& [type, format] : {std::pair{kTypeText, FormatBits{0x201F}}, std::pair{kTypeNumber, kFmtNum2},
                                       std::pair{kTypeDate, kFmtDate2}, std::pair{kTypeTime, kFmtTime2}}) {
        CColCtrl col = MakeColumn(type, format);
        col.m_bObligate = true;
        const ValidationCase cases[] = {{"", nullptr, "この項目は、入力必須です。"}};
        ExpectValidations(col, cases);
    }
}

TEST(ValidateValue, LengthIsCountedInBytesAfterTheRewrite) {
    CColCtrl text = MakeColumn(kTypeText, 0x201F);
    text.m_nLength = 4;
    const ValidationCase cases[] = {
        {"abcd", "abcd", nullptr},
        {"abcde", nullptr, "入力長が大きすぎます。4 byte以下で入力して下さい。"},
        {"あい", "あい", nullptr},
        {"あいう", nullptr, "入力長が大きすぎます。4 byte以下で入力して下さい。"},
        {"a,b", nullptr, "入力長が大きすぎます。4 byte以下で入力して下さい。"},  // quoted: 5 bytes
    };
    ExpectValidations(text, cases);

    CColCtrl number = MakeColumn(kTypeNumber, kFmtNum1);
    number.m_nLength = 4;
    number.m_nPoint = 2;
    const ValidationCase numbers[] = {
        {"1.5", "1.50", nullptr},
        {"10", nullptr, "入力長が大きすぎます。4 byte以下で入力して下さい。"},
    };
    ExpectValidations(number, numbers);
}

TEST(ValidateValue, PermittedValuesComeLast) {
    CColCtrl col = MakeColumn(kTypeText, 0x201F);
    col.m_Permission = {"A", "B"};
    const ValidationCase cases[] = {
        {"A", "A", nullptr},
        {"B ", "B", nullptr},
        {"", "", nullptr},
        {"C", nullptr, "A B のみ許可されています。"},
        {"a", nullptr, "A B のみ許可されています。"},
    };
    ExpectValidations(col, cases);

    CColCtrl number = MakeColumn(kTypeNumber, kFmtNum2);
    number.m_nLength = 3;
    number.m_Permission = {"001", "010"};
    const ValidationCase numbers[] = {
        {"1", "001", nullptr},  // compared after the rewrite
        {"2", nullptr, "001 010 のみ許可されています。"},
    };
    ExpectValidations(number, numbers);
}

TEST(ValidateValue, AFailingTypeCheckStopsBeforeLengthAndPermission) {
    CColCtrl col = MakeColumn(kTypeText, kFmtHalfDigit);
    col.m_nLength = 1;
    col.m_Permission = {"1"};
    const ValidationCase cases[] = {{"ab", nullptr, "半角英字（a）は入力できません。"}};
    ExpectValidations(col, cases);
}

}  // namespace
}  // namespace tabrix
