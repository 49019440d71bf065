#include "schema/DecimalNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "schema/FieldText.h"

namespace tabrix {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An exponent beyond this cannot change any comparison of numbers that fit
// in memory, and keeps the arithmetic far from overflow.
constexpr long long kExponentLimit = 1'000'000'000'000LL;

}  // namespace

bool ReadDecimal(std::string_view text, DecimalNumber& out) {
    out = DecimalNumber{};
    std::size_t p = 0;
    while (p < text.size() && IsWhiteSpaceByte(text[p])) ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';

    std::string digits;
    long long exponent = 0;
    bool anyDigit = false;
    bool point = false;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (IsDigit(c)) {
            anyDigit = true;
            if (c != '0' || !digits.empty()) digits += c;  // leading zeros are not significant
            if (point) --exponent;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return false;

    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t q = p + 1;
        bool negativeExponent = false;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) negativeExponent = text[q++] == '-';
        if (q < text.size() && IsDigit(text[q])) {
            long long value = 0;
            for (; q < text.size() && IsDigit(text[q]); ++q)
                value = std::min(value * 10 + (text[q] - '0'), kExponentLimit);
            exponent += negativeExponent ? -value : value;
        }
    }

    const std::size_t significant = digits.find_last_not_of('0');
    if (significant == std::string::npos) {
        digits.clear();
        exponent = 0;
    } else {
        exponent += static_cast<long long>(digits.size() - 1 - significant);
        digits.resize(significant + 1);
    }
    out.negative = negative;
    out.digits = std::move(digits);
    out.exponent = exponent;
    return true;
}

int CompareDecimal(const DecimalNumber& a, const DecimalNumber& b) {
    if (a.isZero() && b.isZero()) return 0;
    const int signA = a.isZero() ? 0 : (a.negative ? -1 : 1);
    const int signB = b.isZero() ? 0 : (b.negative ? -1 : 1);
    if (signA != signB) return signA < signB ? -1 : 1;
    // Same sign, both non-zero: compare magnitudes, then apply the sign.
    const long long orderA = static_cast<long long>(a.digits.size()) + a.exponent;
    const long long orderB = static_cast<long long>(b.digits.size()) + b.exponent;
    int magnitude = 0;
    if (orderA != orderB) {
        magnitude = orderA < orderB ? -1 : 1;
    } else {
        // Same position of the first digit: the digits compare as text, a
        // shorter run counting as followed by zeros (and having none, it is smaller).
        const int c = a.digits.compare(b.digits);
        magnitude = c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return signA * magnitude;
}

std::string FixedNotation(const DecimalNumber& number, int places) {
    places = std::max(places, 0);
    // All digits of the value from its first integer digit, and how many of them are integer digits.
    std::string all = number.digits;
    long long integerCount = static_cast<long long>(all.size()) + number.exponent;
    if (number.exponent > 0) all.append(static_cast<std::size_t>(number.exponent), '0');
    if (integerCount < 0) {
        all.insert(0, static_cast<std::size_t>(-integerCount), '0');
        integerCount = 0;
    }
    const std::size_t keep = static_cast<std::size_t>(integerCount) + static_cast<std::size_t>(places);
    if (all.size() > keep) {
        const bool roundUp = all[keep] >= '5';
        all.resize(keep);
        if (roundUp) {
            std::size_t i = keep;
            while (i > 0 && all[i - 1] == '9') all[--i] = '0';
            if (i == 0) {
                all.insert(0, 1, '1');
                ++integerCount;
            } else {
                ++all[i - 1];
            }
        }
    } else {
        all.append(keep - all.size(), '0');
    }

    std::string out;
    if (number.negative) out += '-';
    const auto integerDigits = static_cast<std::size_t>(integerCount);
    if (integerDigits == 0) out += '0';
    out.append(all, 0, integerDigits);
    if (places > 0) {
        out += '.';
        out.append(all, integerDigits, std::string::npos);
    }
    return out;
}

std::string FixedNotation(double value, int places) {
    places = std::clamp(places, 0, 15);
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char text[32];
    std::string out;
    // Whole numbers, such as counts and sums of whole quantities, need no rounding.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        const auto [end, error] = std::to_chars(text, text + sizeof text, static_cast<long long>(value));
        (void)error;
        out.assign(text, end);
        if (places > 0) {
            out += '.';
            out.append(static_cast<std::size_t>(places), '0');
        }
        return out;
    }
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    (void)error;
    DecimalNumber number;
    ReadDecimal(std::string_view(text, static_cast<std::size_t>(end - text)), number);
    out = FixedNotation(number, places);
    if (out.front() == '-' && out.find_first_of("123456789") == std::string::npos) out.erase(0, 1);
    return out;
}

}  // namespace tabrix
