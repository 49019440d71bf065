// Columns and table-driven validation cases shared by the schema tests.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "schema/ColCtrl.h"
#include "schema/Validate.h"
#include "text/Clock.h"
#include "text/Era.h"
#include "text/FormatBits.h"

namespace tabrix::test {

inline CColCtrl MakeColumn(int type, FormatBits format1) {
    CColCtrl col;
    col.m_nCol = 1;
    col.m_strTitle = "項目";
    col.m_nType = type;
    col.m_nFormat1 = format1;
    col.m_nFormat2 = format1;
    return col;
}

inline const FixedClock& TestClock() {
    static const FixedClock clock(LocalDateTime{2024, 1, 5, 9, 30, 15});
    return clock;
}

inline ValidationContext TestContext() { return {DefaultEraTable(), TestClock()}; }

// One value through ValidateValue: either it passes and is stored as
// `stored`, or it fails with `message` and the column's error text says so.
struct ValidationCase {
    std::string_view input;
    const char* stored;   // expected value when the check passes
    const char* message;  // expected error text; nullptr when the check passes
};

inline void ExpectValidation(const CColCtrl& column, const ValidationCase& c) {
    SCOPED_TRACE(testing::Message() << "input [" << c.input << "]");
    CColCtrl col = column;
    col.m_strError = "earlier";
    std::string value(c.input);
    const bool ok = ValidateValue(col, value, TestContext());
    if (c.message == nullptr) {
        EXPECT_TRUE(ok) << col.m_strError;
        EXPECT_EQ(value, c.stored);
        EXPECT_EQ(col.m_strError, "earlier");  // a pass leaves the last message alone
    } else {
        EXPECT_FALSE(ok) << value;
        EXPECT_EQ(col.m_strError, c.message);
    }
}

inline void ExpectValidations(const CColCtrl& column, std::span<const ValidationCase> cases) {
    for (const auto& c : cases) ExpectValidation(column, c);
}

}  // namespace tabrix::test
