#include "view/ConvertPasses.h"

#include <cstring>
#include <memory>

#include "document/TabrixDoc.h"
#include "text/Dates.h"
#include "text/NumberText.h"
#include "text/SjisSearch.h"

namespace tabrix {

namespace {

// The space marks of a document, with a quick test for values that hold none.
class SpaceMarks {
public:
    explicit SpaceMarks(const CTabrixDoc& doc) : m_doc(doc) {
        if (doc.m_bHanspDisp && !doc.m_strHanspChar.empty()) m_leads += doc.m_strHanspChar.front();
        if (doc.m_bZenspDisp && !doc.m_strZenspChar.empty()) m_leads += doc.m_strZenspChar.front();
    }
    bool any() const { return !m_leads.empty(); }
    // The value with its marks as spaces.
    std::string spaces(std::string_view value) const {
        std::string text(value);
        if (text.find_first_of(m_leads) != std::string::npos) m_doc.marksToSpaces(text);
        return text;
    }
    void marks(std::string& text) const {
        if (text.find_first_of(" \x81") != std::string::npos) m_doc.spacesToMarks(text);
    }

private:
    const CTabrixDoc& m_doc;
    std::string m_leads;
};

// The conversion followed by the delimiter guard of the header.
FieldConverter GuardDelimiter(const CTabrixDoc& doc, FieldConverter convert) {
    if (doc.m_CtrlFile.m_bQuote) return convert;
    const char delimiter = doc.m_CtrlFile.m_cDelim;
    const auto holds = [delimiter](std::string_view value) {
        if (!std::memchr(value.data(), delimiter, value.size())) return false;
        return FindSjis(value, std::string_view(&delimiter, 1)) != std::string_view::npos;
    };
    return [convert = std::move(convert), holds](std::string_view value, std::string& out) {
        if (!convert(value, out)) return false;
        if (holds(out) && !holds(value)) out = QuoteValue(out);
        return true;
    };
}

// A conversion of the text with the marks taking part as spaces.
template <typename Convert>
FieldConverter WithSpaces(const CTabrixDoc& doc, Convert convert) {
    return GuardDelimiter(doc, [marks = SpaceMarks(doc), convert](std::string_view value, std::string& out) {
        if (!marks.any()) {
            out = convert(value);
        } else {
            out = convert(marks.spaces(value));
            marks.marks(out);
        }
        return out != value;
    });
}

}  // namespace

std::size_t ConvertColumns(CTabrixDoc& doc, const std::vector<int>& cols, std::size_t first, const LineMask& mask,
                           const FieldConverter& convert, ProgressScope& progress) {
    std::string text;
    return RewriteRows(doc, first, mask, progress, [&](std::size_t, RowFields& row) {
        for (int col : cols)
            if (convert(row[col], text) && text != row[col]) row.replace(col) = text;
    });
}

std::size_t ConvertIntoColumn(CTabrixDoc& doc, int source, int result, std::size_t first, const LineMask& mask,
                              const FieldConverter& convert, ProgressScope& progress) {
    std::string text;
    return RewriteRows(doc, first, mask, progress, [&](std::size_t, RowFields& row) {
        if (!convert(row[source], text)) text.assign(row[source]);
        if (text != row[result]) row.replace(result) = text;
    });
}

FieldConverter CharacterConversion(const CTabrixDoc& doc, TextConversion conversion) {
    return WithSpaces(doc, [conversion](std::string_view value) { return ConvertText(value, conversion); });
}

FieldConverter SmallKanaConversion(const CTabrixDoc& doc, SmallKanaDirection direction) {
    return WithSpaces(doc, [direction](std::string_view value) { return ConvertSmallKana(value, direction); });
}

FieldConverter QuoteConversion(bool quote) {
    return [quote](std::string_view value, std::string& out) {
        out = quote ? QuoteValue(value) : UnquoteValue(value);
        return out != value;
    };
}

FieldConverter AddTextConversion(const CTabrixDoc& doc, std::string text, AddPosition position, bool pad, int length) {
    doc.spacesToMarks(text);
    return GuardDelimiter(doc, [text, position, pad, length](std::string_view value, std::string& out) {
        out = AddText(value, text, position, pad, length);
        return out.size() != value.size();
    });
}

FieldConverter DeleteTextConversion(const CTabrixDoc& doc, std::string text, bool atStart, bool atEnd) {
    doc.spacesToMarks(text);
    return [text, atStart, atEnd](std::string_view value, std::string& out) {
        out.assign(value);
        if (atStart) out = StripLeadingText(out, text);
        if (atEnd) out = StripTrailingText(out, text);
        return out.size() != value.size();
    };
}

FieldConverter DateConversion(const CTabrixDoc& doc, int format, const EraTable& eras, const LocalDateTime& today) {
    static constexpr FormatBits kNotations[] = {kFmtDate1, kFmtDate2, kFmtDate3, kFmtDate4, kFmtDate5};
    const auto clock = std::make_shared<const FixedClock>(today);
    return [marks = SpaceMarks(doc), format, eras, clock](std::string_view value, std::string& out) {
        std::string text = marks.spaces(value);
        if (format == 6) {
            int years = 0;
            out = AgeOf(text, eras, years, *clock) ? std::to_string(years) : std::string("ERR");
            return true;
        }
        const bool done = format == 5 ? WeekdayOf(text, eras) : FormatDate(text, eras, kNotations[format]);
        if (!done) return false;
        out = std::move(text);
        return true;
    };
}

FieldConverter NumberConversion(const CTabrixDoc& doc, int format) {
    static constexpr NumberFormatMode kModes[] = {NumberFormatMode::Grouped, NumberFormatMode::YenGrouped,
                                                  NumberFormatMode::Plain};
    // Grouped values hold commas: a comma-delimited file keeps them in quotes,
    // unless it writes every field in quotes anyway.
    const bool quoteGrouped = format != 2 && doc.m_CtrlFile.m_cDelim == ',' && !doc.m_CtrlFile.m_bQuote;
    return [marks = SpaceMarks(doc), format, quoteGrouped](std::string_view value, std::string& out) {
        if (!FormatNumberText(marks.spaces(value), kModes[format], out)) return false;
        marks.marks(out);
        if (quoteGrouped) out = QuoteValue(out);
        return true;
    };
}

}  // namespace tabrix
