#include "schema/CtrlColPages.h"

#include <algorithm>
#include <cstring>

#include "app/AppContext.h"
#include "document/CtrlFile.h"
#include "document/LineReader.h"
#include "document/PathMatch.h"
#include "schema/MakeCtrlDlg.h"
#include "text/Record.h"
#include "view/ColSelDlg.h"

namespace tabrix {

namespace {

constexpr int kNotationCount = 6;

// The index of the one notation of the group starting at first, or -1.
int NotationIndex(FormatBits bits, FormatBits first) {
    for (int i = 0; i < kNotationCount; ++i)
        if (bits == first << i) return i;
    return -1;
}

FormatBits NotationBit(int index, FormatBits first) {
    return first << std::clamp(index, 0, kNotationCount - 1);
}

// A number list typed into a control; empty when the text holds none.
std::vector<int> NumberList(const std::string& text) {
    std::vector<int> numbers;
    ParseIntList(text, numbers);
    return numbers;
}

// The target text with every column number moved by renumber (0 drops it);
// text that is not a list of column numbers stays as typed.
template <typename Renumber>
void RenumberText(std::string& text, Renumber renumber) {
    std::vector<int> numbers = NumberList(text);
    if (numbers.empty() || std::any_of(numbers.begin(), numbers.end(), [](int n) { return n < 1; })) return;
    std::vector<int> moved;
    for (int n : numbers)
        if (const int m = renumber(n); m > 0) moved.push_back(m);
    FormatIntList(moved, text);
}

}  // namespace

void CCtrlColFmt1::setBox(FormatBits bit, bool on) {
    if (on)
        m_nBits |= bit;
    else
        m_nBits &= ~bit;
    if (bit == kFmtFullWidth && on) m_nBits &= ~kSingleFullWidth;
}

bool CCtrlColFmt1::boxEnabled(FormatBits bit) const {
    return !(m_nBits & kFmtFullWidth) || !(bit & kSingleFullWidth);
}

void CCtrlColFmt1::setEtcChar(bool on) {
    m_bEtcChar = on;
    if (!on) m_strEtcChar.clear();
}

void CCtrlColFmt1::load(const CColCtrl& col) {
    m_nBits = col.m_nType == kTypeText && col.m_bFileCol ? col.m_nFormat1 & kFmtTextMask : CColCtrl().m_nFormat1;
    if (m_nBits & kFmtFullWidth) m_nBits &= ~kSingleFullWidth;
    m_bEtcChar = col.m_bEtcChar;
    m_strEtcChar = col.m_strEtcChar;
    m_bHanSpConv = col.m_bHanSpConv;
}

std::string CCtrlColFmt1::check() const {
    if (m_nBits == 0 && !m_bEtcChar) return kPickOne;
    if (m_bEtcChar && m_strEtcChar.empty()) return kNeedEtcChar;
    return {};
}

void CCtrlColFmt1::store(CColCtrl& col) const {
    col.m_nFormat1 = col.m_nFormat2 = m_nBits;
    col.m_bEtcChar = m_bEtcChar;
    col.m_strEtcChar = m_strEtcChar;
    col.m_bHanSpConv = m_bHanSpConv;
}

void CCtrlColFmt2::load(const CColCtrl& col) {
    m_bZeroPad = col.m_nType == kTypeNumber && col.m_nFormat1 == kFmtNum2;
    m_nAllLen = col.m_nAllLen;
    m_nPoint = col.m_nPoint;
    m_strMin = col.m_strMinNum;
    m_strMax = col.m_strMaxNum;
}

std::string CCtrlColFmt2::check(int length) const {
    // A control file takes -1 or a positive count of digits.
    if (m_nAllLen != -1 && (m_nAllLen < 1 || m_nAllLen > kMaxAllLen)) return kBadAllLen;
    if (m_nPoint < 0 || m_nPoint > kMaxPoint) return kBadPoint;
    if (length != -1 && length < m_nAllLen) return kAllLenOverLength;
    if (length != -1 && m_nPoint >= length) return kPointOverLength;
    if (m_nAllLen != -1 && m_nAllLen < m_nPoint) return kPointOverAllLen;
    return {};
}

void CCtrlColFmt2::store(CColCtrl& col) const {
    col.m_nFormat1 = col.m_nFormat2 = m_bZeroPad ? kFmtNum2 : kFmtNum1;
    col.m_strMinNum = m_strMin;
    col.m_strMaxNum = m_strMax;
    col.m_nAllLen = m_nAllLen;
    col.m_nPoint = m_nPoint;
}

void CNotationPage::loadNotations(const CColCtrl& col, FormatBits first) {
    m_nDisplay = std::max(0, NotationIndex(col.m_nFormat1, first));
    const int save = NotationIndex(col.m_nFormat2, first);
    m_nSave = save >= 0 ? save : m_nDisplay;
}

void CNotationPage::storeNotations(CColCtrl& col, FormatBits first) const {
    col.m_nFormat1 = NotationBit(m_nDisplay, first);
    col.m_nFormat2 = NotationBit(m_nSave, first);
}

void CCtrlColFmt4::load(const CColCtrl& col) {
    loadNotations(col, kFmtTime1);
    m_nRound = std::clamp(col.m_nRound, 0, 2);
    const auto* found = std::find(std::begin(kBaseMinutes), std::end(kBaseMinutes), col.m_nBaseMin);
    m_nBase = found == std::end(kBaseMinutes) ? -1 : static_cast<int>(found - std::begin(kBaseMinutes));
}

void CCtrlColFmt4::store(CColCtrl& col) const {
    storeNotations(col, kFmtTime1);
    col.m_nRound = m_nRound;
    if (m_nBase >= 0 && m_nBase < static_cast<int>(std::size(kBaseMinutes))) col.m_nBaseMin = kBaseMinutes[m_nBase];
}

void CCtrlTran::load(const CTranCtrl& tran) {
    m_bTran = tran.m_bTran;
    m_strFile = tran.m_strFile;
    m_cDelim = tran.m_cDelim;
    m_nKeyPos = tran.m_nKeyPos;
    FormatIntList(tran.m_NamePos, m_strNamePos);
    FormatIntList(tran.m_TranCols, m_strTargets);
    m_bAutoRun = tran.m_bAutoRun;
}

bool CCtrlTran::browseFile(IUserInterface& ui) {
    if (!BrowseFileName(ui, CMakeCtrlDlg::kFileTitle, CMakeCtrlDlg::kFileFilter, m_strFile)) return false;
    // The first line that shows a delimiter presets the choice; a '|' leaves it.
    CLineReader reader;
    int lines = 0;
    if (reader.open(m_strFile)) {
        reader.forEachLine([&](char* line, std::size_t length) {
            if (++lines > kSampleLines) return false;
            if (length == 0) return true;
            if (std::memchr(line, '|', length)) return false;
            if (std::memchr(line, '\t', length)) {
                m_cDelim = '\t';
                return false;
            }
            if (std::memchr(line, ',', length)) {
                m_cDelim = ',';
                return false;
            }
            return true;
        });
    }
    return true;
}

bool CCtrlTran::browseTargets(IUserInterface& ui, const CCtrlFile& ctrl) {
    CColSelDlg chooser = CColSelDlg::OverSchema(ctrl, m_strTargets);
    if (!ui.runModal(chooser)) return false;
    m_strTargets = chooser.chosenList();
    return true;
}

std::string CCtrlTran::check(const AppContext& app, const std::string& folder, int columns) const {
    if (!m_bTran) return {};
    if (m_strFile.empty()) return kNeedFile;
    if (m_nKeyPos <= 0) return kBadKeyPos;
    const std::vector<int> names = NumberList(m_strNamePos);
    if (names.empty()) return kNeedNamePos;
    const std::vector<int> targets = NumberList(m_strTargets);
    if (targets.empty()) return kNeedTargets;
    if (std::any_of(targets.begin(), targets.end(), [columns](int col) { return col < 1 || col > columns; }))
        return kBadTargets;

    CLineReader reader;
    int lines = 0;
    int widest = 0;
    const bool read = reader.open(ResolveDataPath(m_strFile, DataFolder(app), folder)) &&
                      reader.forEachLine([&](char* line, std::size_t length) {
                          if (++lines > kSampleLines) return false;
                          widest = std::max(widest, CountFields(std::string_view(line, length), m_cDelim));
                          return true;
                      });
    if (!read) return m_strFile + " ファイルのＯＰＥＮが出来ませんでした。";
    if (widest < m_nKeyPos || std::any_of(names.begin(), names.end(), [widest](int n) { return n > widest; }))
        return kTooFewFields;
    return {};
}

void CCtrlTran::store(CTranCtrl& tran) const {
    tran.m_bTran = m_bTran;
    if (!m_bTran) {
        const CTranCtrl off;
        tran.m_bAutoRun = off.m_bAutoRun;
        tran.m_strFile = off.m_strFile;
        tran.m_cDelim = off.m_cDelim;
        tran.m_nKeyPos = off.m_nKeyPos;
        tran.m_NamePos.clear();
        tran.m_TranCols.clear();
        return;
    }
    tran.m_bAutoRun = m_bAutoRun;
    tran.m_strFile = m_strFile;
    tran.m_cDelim = m_cDelim;
    tran.m_nKeyPos = m_nKeyPos;
    tran.m_NamePos = NumberList(m_strNamePos);
    tran.m_TranCols = NumberList(m_strTargets);
}

void CCtrlTran::columnInserted(int position) {
    RenumberText(m_strTargets, [position](int n) { return NumberAfterInsert(n, position); });
}

void CCtrlTran::columnDeleted(int position) {
    RenumberText(m_strTargets, [position](int n) { return NumberAfterDelete(n, position); });
}

}  // namespace tabrix
