#include "view/SaveDialogs.h"

#include <algorithm>
#include <cstdio>

#include "document/TabrixDoc.h"
#include "text/SearchList.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

// The choice of a delimiter: 0 CSV, 1 TAB, 2 space, 3 other (its character).
int KindOf(char delimiter, std::string& other) {
    switch (delimiter) {
        case ',': return 0;
        case '\t': return 1;
        case ' ': return 2;
        default: other.assign(1, delimiter); return 3;
    }
}

}  // namespace

std::string WithExtension(const std::string& name, const std::string& extension) {
    const std::string current = ExtensionOf(name);
    return name.substr(0, name.size() - current.size()) + extension;
}

std::string CheckOtherDelimiter(const std::string& box) {
    if (box.empty()) return kNoOtherDelimiter;
    const char c = box[0];
    if (IsLeadByte(c) || c == '"' || c == '\r' || c == '\n') return kBadOtherDelimiter;
    return {};
}

FileDialogRequest OutputBrowseRequest(const std::string& name, bool excel) {
    FileDialogRequest request;
    request.title = kOutputBrowseTitle;
    request.filter = excel ? kExcelOutputFilter : kTextOutputFilter;
    request.fileName = name;
    request.overwritePrompt = true;
    return request;
}

std::string OutputBrowseName(const FileDialogRequest& chosen, bool excel) {
    if (!ExtensionOf(chosen.fileName).empty()) return chosen.fileName;
    if (excel) return chosen.fileName + ".xls";
    return chosen.fileName + (chosen.filterIndex == 1 ? ".csv" : chosen.filterIndex == 2 ? ".dat" : ".txt");
}

void CDivOptDlg::init(char docDelimiter, const std::string& dataFile, const std::vector<int>& keyCols, long long lines,
                      bool titleLine) {
    m_nDelim = KindOf(docDelimiter, m_strOther);
    m_strOutFile = dataFile;
    m_KeyCols = keyCols;
    m_nLineCount = lines;
    m_bHasTitleLine = titleLine;
}

std::string CDivOptDlg::keyColumnsText() const {
    std::string text;
    for (const int col : m_KeyCols) text += std::to_string(col) + " ";
    return text;
}

void CDivOptDlg::setMode(int mode) {
    m_nMode = mode;
    if (mode == 0) {
        m_bPerKey = false;
    } else {
        m_nFiles = 1;
    }
}

void CDivOptDlg::setPerKey(bool perKey) {
    m_bPerKey = perKey;
    if (perKey) m_nFiles = static_cast<int>(std::min<long long>(m_nLineCount, 0x7FFFFFFF));
}

void CDivOptDlg::setDelim(int delim) {
    m_nDelim = delim;
    m_strOutFile = WithExtension(m_strOutFile, delim == Csv ? ".csv" : ".txt");
}

std::string CDivOptDlg::validate() const {
    if (m_nFiles < 1 || m_nFiles > m_nLineCount) return kBadFileCount;
    if (m_strOutFile.empty()) return kNoOutputFile;
    if (m_nDelim == Other) return CheckOtherDelimiter(m_strOther);
    return {};
}

char CDivOptDlg::delimiter() const {
    switch (m_nDelim) {
        case Csv: return ',';
        case Tab: return '\t';
        case Space: return ' ';
        default: return m_strOther.empty() ? ',' : m_strOther[0];
    }
}

void CSaveOpt::prepareForUse(char docDelimiter, const std::string& dataFile, int selectedCount, bool filterOn,
                             bool titleLine, bool ctrlLoaded, int maxCols) {
    m_nSelectedCount = selectedCount;
    if (selectedCount == 0) m_nColMode = 0;
    m_bFilterOn = filterOn;
    if (!filterOn && m_nRowMode == 2) m_nRowMode = 0;
    const int kind = KindOf(docDelimiter, m_strOther);
    m_nFormat = kind == 3 ? Other : kind;
    if (m_strOutFile.empty()) m_strOutFile = dataFile;
    m_bHasTitleLine = titleLine;
    m_bTitle = titleLine;
    m_bCtrlLoaded = ctrlLoaded;
    if (!ctrlLoaded) m_bVirtual = false;
    m_nMaxCols = maxCols;
}

void CSaveOpt::setFormat(int format) {
    m_nFormat = format;
    m_strOutFile = WithExtension(m_strOutFile, format == Csv ? ".csv" : format == Excel ? ".xls" : ".txt");
}

std::string CSaveOpt::validate() const {
    if (m_strOutFile.empty()) return kNoOutputFile;
    if (m_nRowMode == 1) {
        char text[128];
        if (m_strSearch.empty()) return kNoSearchText;
        if (m_nSearchCol < 1) {
            std::snprintf(text, sizeof text, "検索対象列番号を%d以上で入力して下さい。", 1);
            return text;
        }
        if (m_nSearchCol > m_nMaxCols) {
            std::snprintf(text, sizeof text, "検索対象列番号を%d以下で入力して下さい。", m_nMaxCols);
            return text;
        }
    }
    if (m_nFormat == Excel) {
        const std::string ext = ExtensionOf(m_strOutFile);
        if (ext != ".xls" && ext != ".xlsx") return kExcelExtension;
    }
    if (m_nFormat == Other) return CheckOtherDelimiter(m_strOther);
    return {};
}

char CSaveOpt::delimiter() const {
    switch (m_nFormat) {
        case Csv: return ',';
        case Tab: return '\t';
        case Space: return ' ';
        case Excel: return 0;
        default: return m_strOther.empty() ? ',' : m_strOther[0];
    }
}

void CSaveOpt::buildSearchList() {
    m_SearchList.clear();
    if (m_nRowMode == 1) m_SearchList = SplitSearchText(m_strSearch);
}

}  // namespace tabrix
