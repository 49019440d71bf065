#include "view/CodeTranslateDlg.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>

#include "app/AppContext.h"
#include "document/LineReader.h"
#include "document/PathMatch.h"
#include "schema/TranTable.h"
#include "text/Cp932.h"

namespace tabrix {

namespace {

// The comma-separated pieces of the extracted positions, empty ones included.
std::vector<std::string> Pieces(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return pieces;
}

// A position of digits only, saturated so that a long one cannot wrap; -1 otherwise.
int DigitsValue(const std::string& piece) {
    if (piece.empty()) return -1;
    long long value = 0;
    for (char c : piece) {
        if (c < '0' || c > '9') return -1;
        value = std::min<long long>(value * 10 + (c - '0'), INT_MAX);
    }
    return static_cast<int>(value);
}

}  // namespace

char CColTransParam::delimiter() const {
    switch (m_nDelim) {
        case Tab: return '\t';
        case Space: return ' ';
        default: return ',';
    }
}

std::vector<int> CColTransParam::namePositions() const {
    std::vector<int> positions;
    for (const std::string& piece : Pieces(m_strNamePos)) {
        const int value = DigitsValue(piece);
        if (value < 0) return {};
        positions.push_back(value);
    }
    return positions;
}

std::string CColTransParam::sourcePath() const {
    return m_pApp ? ResolveDataPath(m_strFile, DataFolder(*m_pApp)) : m_strFile;
}

void CColTransParam::reloadPreview(IUserInterface& ui) {
    m_Preview.clear();
    m_nPreviewCols = 0;
    CLineReader reader;
    std::size_t fewest = 0;
    const char delim = delimiter();
    const bool read = reader.open(sourcePath()) && reader.forEachLine([&](char* line, std::size_t length) {
        if (length == 0) return true;
        m_Preview.push_back(SplitTranRecord(std::string_view(line, length), delim));
        fewest = m_Preview.size() == 1 ? m_Preview.back().size() : std::min(fewest, m_Preview.back().size());
        return m_Preview.size() < static_cast<std::size_t>(kPreviewLines);
    });
    if (!read) {
        m_Preview.clear();
        ui.messageBox(m_strFile + " ファイルのＯＰＥＮが出来ませんでした。", MsgIcon::Stop);
        return;
    }
    for (auto& fields : m_Preview) fields.resize(fewest);
    m_nPreviewCols = static_cast<int>(fewest);
}

bool CColTransParam::browse(IUserInterface& ui) {
    FileDialogRequest request;
    request.title = kBrowseTitle;
    request.filter = kBrowseFilter;
    request.fileName = m_strFile;
    if (!ui.getOpenFileName(request)) return false;
    m_strFile = request.fileName;
    reloadPreview(ui);
    return true;
}

void CColTransParam::refer(IUserInterface& ui, const ShellOpenFunction& open) const {
    const std::filesystem::path path = ToFsPath(sourcePath());
    std::error_code ec;
    int code = ENOENT;
    if (std::filesystem::is_regular_file(path, ec))
        code = open ? open(path) : ENOSYS;
    if (code != 0) ui.messageBox(LaunchFailedMessage(m_strFile, code), MsgIcon::Stop);
}

std::string CColTransParam::setKeyFromPreview(const std::vector<int>& cols) {
    if (cols.size() != 1) return kKeyNeedsOne;
    m_nKeyPos = std::clamp(cols.front() + 1, 1, kMaxKeyPos);
    return {};
}

std::string CColTransParam::setNamesFromPreview(std::vector<int> cols) {
    if (cols.empty()) return kNamesNeedOne;
    std::sort(cols.begin(), cols.end());
    cols.erase(std::unique(cols.begin(), cols.end()), cols.end());
    std::string text;
    for (int col : cols) {
        if (!text.empty()) text += ',';
        text += std::to_string(col + 1);
    }
    m_strNamePos = text;
    return {};
}

std::string CColTransParam::validate() const {
    if (m_strFile.empty()) return kNeedFile;
    if (m_strNamePos.empty()) return kNeedNames;
    const std::vector<std::string> pieces = Pieces(m_strNamePos);
    if (pieces.size() > 1 && m_nPlacement == Replace) return kManyNamesReplace;
    if (m_nInsertAfter > m_nColCount) {
        char text[128];
        std::snprintf(text, sizeof text, "追加列番号は、最大列数(%d)より上は入力できません。", m_nColCount);
        return text;
    }
    // Every position must be a number of 1 or more: "-1" or "2x" would
    // otherwise be read as some other field.
    for (const std::string& piece : pieces)
        if (DigitsValue(piece) < 1) return kNamePosBelowOne;
    if (!m_pApp) return {};

    m_Tran = CTranCtrl{};
    m_Tran.m_bTran = true;
    m_Tran.m_strFile = m_strFile;
    m_Tran.m_cDelim = delimiter();
    m_Tran.m_nKeyPos = m_nKeyPos;
    m_Tran.m_NamePos = namePositions();
    // The load's own message is the refusal; it is shown once, by the dialog.
    SilentUserInterface silent;
    AppContext quiet{m_pApp->settings, silent, m_pApp->programDir, m_pApp->startupDir};
    if (!LoadTranTable(m_Tran, quiet)) return m_Tran.m_strMsg;
    return {};
}

}  // namespace tabrix
