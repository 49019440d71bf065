#include "view/CalcPasses.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "document/TabrixDoc.h"
#include "text/NumberValue.h"
#include "view/RowPasses.h"

namespace tabrix {

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::int64_t Combine(int op, std::int64_t a, std::int64_t b) {
    std::int64_t r = 0;
    switch (op) {
        case CalcRule::Subtract:
            if (__builtin_sub_overflow(a, b, &r)) return b < 0 ? kMax : kMin;
            return r;
        case CalcRule::Multiply:
            if (__builtin_mul_overflow(a, b, &r)) return (a < 0) != (b < 0) ? kMin : kMax;
            return r;
        case CalcRule::Divide:
            if (b == 0) return 0;
            if (a == kMin && b == -1) return kMax;
            return a / b;
        default:
            if (__builtin_add_overflow(a, b, &r)) return b > 0 ? kMax : kMin;
            return r;
    }
}

double Combine(int op, double a, double b) {
    switch (op) {
        case CalcRule::Subtract: return a - b;
        case CalcRule::Multiply: return a * b;
        case CalcRule::Divide: return b == 0 ? 0 : a / b;
        default: return a + b;
    }
}

std::string IntegerText(std::int64_t value) {
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// "%.Nf" without the locale; a value that rounds to zero is written without a minus sign.
std::string FixedText(double value, int decimals) {
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string written(text, result.ptr);
    if (written.size() > 1 && written[0] == '-' && written.find_first_not_of("-0.") == std::string::npos)
        written.erase(0, 1);
    return written;
}

// Sign and digits with the whole part zero-padded as "%0*d" pads, the sign counting towards the width.
std::string PaddedText(bool negative, std::uint64_t whole, const std::string& fraction, int width) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
    std::string text = negative ? "-" : "";
    const std::size_t written = text.size() + static_cast<std::size_t>(end - digits);
    if (static_cast<std::size_t>(std::max(0, width)) > written) text.append(static_cast<std::size_t>(width) - written, '0');
    text.append(digits, end);
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

// The digits as a non-negative 64-bit number; false when they do not fit.
bool DigitsValue(const std::string& digits, std::int64_t& value) {
    value = 0;
    for (char c : digits) {
        if (value > (kMax - (c - '0')) / 10) return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

std::string CalcRule::calculate(const std::vector<std::string_view>& operands) const {
    bool started = false;
    if (decimal) {
        double acc = 0;
        for (std::string_view field : operands) {
            double v = 0;
            if (field.empty() || !LeadingDouble(field, v)) continue;
            if (absolute) v = std::fabs(v);
            acc = started ? Combine(op, acc, v) : v;
            started = true;
        }
        return FixedText(acc, std::clamp(decimals, 0, kMaxDecimals));
    }
    std::int64_t acc = 0;
    for (std::string_view field : operands) {
        std::int64_t v = 0;
        if (field.empty() || !LeadingInteger(field, v)) continue;
        if (absolute) v = v == kMin ? kMax : (v < 0 ? -v : v);
        acc = started ? Combine(op, acc, v) : v;
        started = true;
    }
    return IntegerText(acc);
}

std::size_t CalculateColumns(CTabrixDoc& doc, const std::vector<int>& operands, int result, const CalcRule& rule,
                             std::size_t first, const LineMask& mask, ProgressScope& progress) {
    std::vector<std::string_view> values(operands.size());
    return RewriteRows(doc, first, mask, progress, [&](std::size_t, RowFields& row) {
        for (std::size_t i = 0; i < operands.size(); ++i) values[i] = row[operands[i]];
        const std::string text = rule.calculate(values);
        if (text != row[result]) row.replace(result) = text;
    });
}

std::string AutoFillRule::format(std::int64_t n) const {
    const bool negative = n < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    return PaddedText(negative, magnitude, std::string(), digits);
}

bool AutoFillRule::apply(std::string_view value, std::int64_t n, std::string& out) const {
    const std::string number = format(n);
    switch (mode) {
        case Clear: out = number; return true;
        case Front: out = std::string(value) + number; return true;
        case Back: out = number + std::string(value); return true;
        default: break;
    }
    // Add: the value's digits stay exact, its fraction included; a value
    // that cannot take n without losing a digit stays as it is.
    DecimalDigits parts;
    if (!ReadDecimalDigits(value, parts)) return false;
    constexpr std::size_t kMaxFraction = 18;
    if (parts.fraction.size() > kMaxFraction) return false;
    std::int64_t scale = 1;
    for (std::size_t i = 0; i < parts.fraction.size(); ++i) scale *= 10;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    std::int64_t scaled = 0;
    std::int64_t step = 0;
    if (!DigitsValue(parts.whole, whole) || !DigitsValue(parts.fraction, fraction) ||
        __builtin_mul_overflow(whole, scale, &scaled) || __builtin_add_overflow(scaled, fraction, &scaled) ||
        __builtin_mul_overflow(n, scale, &step))
        return false;
    if (parts.negative) scaled = -scaled;
    if (__builtin_add_overflow(scaled, step, &scaled)) return false;
    const bool negative = scaled < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string fractionText;
    if (!parts.fraction.empty()) {
        fractionText = std::to_string(magnitude % static_cast<std::uint64_t>(scale));
        fractionText.insert(0, parts.fraction.size() - fractionText.size(), '0');
    }
    out = PaddedText(negative, magnitude / static_cast<std::uint64_t>(scale), fractionText, digits);
    return true;
}

std::size_t AutoFillColumn(CTabrixDoc& doc, int col, const AutoFillRule& rule, std::size_t first,
                           const LineMask& mask, ProgressScope& progress) {
    std::int64_t k = 0;
    std::string text;
    return RewriteRows(doc, first, mask, progress, [&](std::size_t, RowFields& row) {
        if (rule.apply(row[col], rule.number(++k), text) && text != row[col]) row.replace(col) = text;
    });
}

void SortColumnValues(CTabrixDoc& doc, int key, const std::vector<int>& sortCols, bool descending,
                      std::size_t first, ProgressScope& progress) {
    CLineStore& lines = doc.lines();
    if (first >= lines.size()) return;
    progress.setText("ソート中");
    const std::vector<std::uint32_t> order = SortedLineOrder(lines, first, {key}, descending);
    progress.setText("データ変更中");
    // The values move between lines, so the old rows stay whole until the new store is complete.
    CLineStore sorted;
    sorted.reserve(lines.size());
    for (std::size_t i = 0; i < first; ++i) sorted.push_back(lines[i]);
    RowFields fields;
    std::string out;
    for (std::size_t j = 0; j < order.size(); ++j) {
        const std::string_view from = lines[first + order[j]];
        fields.split(lines[first + j], doc.columnCount());
        for (int col : sortCols)
            if (FieldOf(from, col) != fields[col]) fields.replace(col) = FieldOf(from, col);
        if (fields.changed())
            fields.join(out);
        else
            out.assign(lines[first + j]);
        sorted.push_back(out);
        if ((j & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(first + j));
    }
    lines.replaceAll(std::move(sorted));
}

}  // namespace tabrix
