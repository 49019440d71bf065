#include "schema/ColAttrReadDlg.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

#include "document/TabrixDoc.h"
#include "schema/CtrlColDlg.h"
#include "schema/CtrlSyntax.h"
#include "text/Record.h"

namespace tabrix {

namespace {

constexpr int kTypes[] = {kTypeText, kTypeNumber, kTypeDate, kTypeTime};

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view word) {
    if (word.size() > text.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (AsciiUpper(text[i]) != AsciiUpper(word[i])) return false;
    return true;
}

// A whole number field (blanks around it allowed), or -1.
int NumberField(std::string_view field) {
    field = Trimmed(field);
    int value = -1;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size() && value >= 0 ? value : -1;
}

// The fields of a line of the document, or none when it is not used.
std::vector<std::string> LineFields(const CTabrixDoc& doc, int line) {
    std::vector<std::string> fields;
    const CLineStore& lines = doc.lines();
    if (line < 1 || static_cast<std::size_t>(line) > lines.size()) return fields;
    const std::string_view row = lines[static_cast<std::size_t>(line - 1)];
    SplitFields(row, fields, std::max(doc.m_CtrlFile.m_nMaxCols, RowFieldCount(row)));
    for (std::string& field : fields) doc.marksToSpaces(field);
    return fields;
}

// What the attribute lines may change of a record (the record itself may
// hold a translation table too large to copy).
struct Attributes {
    std::string title;
    int type, length, allLen, point;
    FormatBits format1, format2;
    std::string minimum, maximum;
    explicit Attributes(const CColCtrl& c)
        : title(c.m_strTitle), type(c.m_nType), length(c.m_nLength), allLen(c.m_nAllLen), point(c.m_nPoint),
          format1(c.m_nFormat1), format2(c.m_nFormat2), minimum(c.m_strMinNum), maximum(c.m_strMaxNum) {}
    bool operator==(const Attributes&) const = default;
};

// A new type starts from its first notation; only numbers keep a minimum
// and a maximum, and dates and times have no length.
void SetType(CColCtrl& col, int type) {
    if (col.m_nType == type) return;
    col.m_nType = type;
    FormatBits format = CColCtrl().m_nFormat1;
    if (type == kTypeNumber) format = kFmtNum1;
    if (type == kTypeDate) format = kFmtDate1;
    if (type == kTypeTime) format = kFmtTime1;
    col.m_nFormat1 = col.m_nFormat2 = format;
    if (type != kTypeNumber) col.m_strMinNum = col.m_strMaxNum = std::string();
    if (type == kTypeDate || type == kTypeTime) col.m_nLength = -1;
}

}  // namespace

std::string CColAttrReadDlg::validate() const {
    if (std::all_of(m_nLines.begin(), m_nLines.end(), [](int n) { return n == kUnused; })) return kPrompt;
    for (std::size_t i = 0; i < m_nLines.size(); ++i) {
        if (m_nLines[i] == kUnused || (m_nLines[i] >= 1 && m_nLines[i] <= m_nLineCount)) continue;
        char text[160];
        std::snprintf(text, sizeof text, "%sの行番号は、-1または1～%dで入力して下さい。", kLineCaptions[i],
                      m_nLineCount);
        return text;
    }
    return {};
}

int CColAttrReadDlg::typeOf(std::string_view field) const {
    field = Trimmed(field);
    int type = 0;
    std::size_t longest = 0;
    for (std::size_t t = 0; t < m_Keywords.size(); ++t)
        for (const std::string& word : m_Keywords[t])
            if (!word.empty() && word.size() > longest && StartsWithIgnoringCase(field, word)) {
                longest = word.size();
                type = kTypes[t];
            }
    return type;
}

int ApplyColumnAttributes(const CColAttrReadDlg& dlg, CTabrixDoc& doc) {
    std::array<std::vector<std::string>, 4> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = LineFields(doc, dlg.m_nLines[i]);
    const auto field = [&lines](int line, std::size_t index) -> std::string_view {
        const auto& fields = lines[static_cast<std::size_t>(line)];
        return index < fields.size() ? std::string_view(fields[index]) : std::string_view();
    };

    CCtrlFile& cf = doc.m_CtrlFile;
    int changed = 0;
    for (std::size_t i = 0; i < cf.m_Cols.size(); ++i) {
        CColCtrl& col = *cf.m_Cols[i];
        if (col.isVirtual()) continue;
        const Attributes before(col);
        if (const std::string_view title = SettingValue(field(CColAttrReadDlg::NameLine, i)); !title.empty())
            col.m_strTitle = std::string(title);
        if (const int type = dlg.typeOf(field(CColAttrReadDlg::TypeLine, i))) SetType(col, type);
        const int digits = NumberField(field(CColAttrReadDlg::DigitsLine, i));
        const int decimals = NumberField(field(CColAttrReadDlg::DecimalsLine, i));
        if (col.m_nType == kTypeText && digits >= 1 && digits <= CCtrlColDlg::kMaxLength) col.m_nLength = digits;
        if (col.m_nType == kTypeNumber && digits >= 1 && digits <= CCtrlColFmt2::kMaxAllLen) {
            // The digits bound the number; a byte length could contradict them.
            col.m_nAllLen = digits;
            col.m_nLength = -1;
            col.m_nPoint = std::min(col.m_nPoint, digits);
        }
        if (col.m_nType == kTypeNumber && decimals >= 0 && decimals <= CCtrlColFmt2::kMaxPoint &&
            (col.m_nAllLen == -1 || decimals <= col.m_nAllLen) && (col.m_nLength == -1 || decimals < col.m_nLength))
            col.m_nPoint = decimals;
        if (!(Attributes(col) == before)) ++changed;
    }
    if (changed) cf.m_bModified = true;
    return changed;
}

}  // namespace tabrix
