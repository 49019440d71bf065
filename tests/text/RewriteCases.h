// Table-driven checks of the functions that rewrite a text into a notation
// and leave it unchanged when they cannot.
#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "text/Dates.h"

namespace tabrix {

struct RewriteCase {
    const char* text;
    FormatBits bit;
    const char* expected;  // nullptr: refused, text unchanged
};

template <typename Rewrite>
void ExpectRewrites(std::span<const RewriteCase> cases, Rewrite rewrite) {
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " -> " + std::to_string(c.bit));
        std::string text = c.text;
        EXPECT_EQ(rewrite(text, c.bit), c.expected != nullptr);
        EXPECT_EQ(text, c.expected != nullptr ? c.expected : c.text);
    }
}

inline void ExpectDateRewrites(const EraTable& eras, std::span<const RewriteCase> cases) {
    ExpectRewrites(cases,
                   [&](std::string& text, FormatBits bit) { return FormatDate(text, eras, bit); });
}

}  // namespace tabrix
