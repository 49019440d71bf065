// The store passes of the conversion commands: one conversion applied to the
// fields of whole columns, or from a source column into a result column. The
// conversions work on the values as the document holds them:
//   - space marks take part in a character conversion as the spaces they
//     stand for, and every space is a mark again afterwards (only marks on
//     character boundaries count: "_" is also the trail byte of ダ);
//   - a value that comes to hold the document's delimiter, which it did not
//     hold before, is put in double quotes, so that saving cannot split it
//     (not needed when the document writes every field in quotes).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/Clock.h"
#include "text/Convert.h"
#include "text/Era.h"
#include "text/ValueEdit.h"
#include "view/RowRewrite.h"

namespace tabrix {

// One field's conversion: false when the value stays as it is.
using FieldConverter = std::function<bool(std::string_view value, std::string& out)>;

// Converts the fields of the columns in every line from first on that the mask lets through.
std::size_t ConvertColumns(CTabrixDoc& doc, const std::vector<int>& cols, std::size_t first, const LineMask& mask,
                           const FieldConverter& convert, ProgressScope& progress);
// Writes the conversion of field source into field result (a copy of the
// source where the conversion leaves it as it is).
std::size_t ConvertIntoColumn(CTabrixDoc& doc, int source, int result, std::size_t first, const LineMask& mask,
                              const FieldConverter& convert, ProgressScope& progress);

// The conversions of the commands, bound to the document's marks and delimiter.
FieldConverter CharacterConversion(const CTabrixDoc& doc, TextConversion conversion);
FieldConverter SmallKanaConversion(const CTabrixDoc& doc, SmallKanaDirection direction);
// Quoting and unquoting work on the stored value and never add quotes of their own.
FieldConverter QuoteConversion(bool quote);
// text as typed (spaces as spaces); length is the target byte count with pad.
FieldConverter AddTextConversion(const CTabrixDoc& doc, std::string text, AddPosition position, bool pad, int length);
FieldConverter DeleteTextConversion(const CTabrixDoc& doc, std::string text, bool atStart, bool atEnd);

// "日付ﾌｫｰﾏｯﾄ変換": format 0-4 the notations DATE1-DATE5, 5 the weekday, 6
// the age on today's date ("ERR" when the value is no date before today).
// A value that is not a date stays as it is for formats 0-5.
FieldConverter DateConversion(const CTabrixDoc& doc, int format, const EraTable& eras, const LocalDateTime& today);
// "数値ﾌｫｰﾏｯﾄ変換": format 0 grouped, 1 grouped with the yen sign, 2 plain.
// A grouped value in a comma-delimited document is put in quotes.
FieldConverter NumberConversion(const CTabrixDoc& doc, int format);

}  // namespace tabrix
