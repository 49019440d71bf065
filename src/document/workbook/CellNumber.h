// Numbers of workbook cells as text, and text that may be written as a number.
//
// A number becomes the shortest text of at most 15 significant digits (the
// precision a spreadsheet keeps), so 1.5 stays 1.5 and 0.1+0.2 reads 0.3. A
// number whose format is a date or time format becomes a date or time in
// the notations the program parses: YYYY/MM/DD, hh:mm:ss or both.
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

enum class NumberKind {
    Plain,
    Date,         // a format with date parts only
    Time,         // a format with time parts only: the time of day
    DateTime,     // both
    ElapsedTime,  // [h]:mm:ss and the like: hours may pass 24
};

// The kind of the built-in number format id (those a file need not define).
NumberKind BuiltinFormatKind(int id);
// The kind of a format code, judged by the tokens of its first section.
NumberKind FormatCodeKind(std::string_view code);

// Appends a number as text: at most 15 significant digits, no trailing zeros,
// exponent form (1E+20, 1E-05) where plain digits would be too long.
void AppendNumberText(double value, std::string& out);

// Appends a serial date of the workbook's date system as kind says. False
// (nothing appended) when the serial is no date (negative or past 9999).
bool AppendSerialText(double serial, NumberKind kind, bool date1904, std::string& out);

// Appends an ISO 8601 date, time or date-time ("2024-01-05T09:30:00") in the
// same notations; false (nothing appended) when it is none.
bool AppendIsoDateText(std::string_view iso, std::string& out);

// Whether a field is written as a number cell: only when the number reads
// back as the same bytes, that is a plain decimal ("-12.5", "0", "100") with
// at most 15 significant digits, no leading zeros, no trailing zeros after
// the point, and no exponent form on the way back.
bool IsNumberCellText(std::string_view field);

}  // namespace tabrix
