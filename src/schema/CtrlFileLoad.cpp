// Reading a control file: one [FILE] section and one [COL] section per
// column, line by line; the first syntax error ends the reading.
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "app/AppContext.h"
#include "document/CtrlFile.h"
#include "document/LineReader.h"
#include "schema/ColDefCheck.h"
#include "schema/CtrlSyntax.h"
#include "document/PathMatch.h"
#include "schema/TranTable.h"
#include "text/FormatBits.h"
#include "text/Record.h"
#include "text/SjisChar.h"
#include "text/SjisSearch.h"

namespace tabrix {

namespace {

using std::string_view;

// A setting's value applied to its target; false when the value is not allowed.
template <typename Target>
struct KeyRule {
    const char* key;
    bool (*apply)(Target&, string_view value);
    const char* error;  // the complaint, before "（line:text）"; null when every value is taken
};

bool TakeText(std::string& target, string_view value) {
    target.assign(value);
    return true;
}

template <typename Enum, std::size_t N>
bool TakeKeyword(const Keyword<int> (&words)[N], Enum& target, string_view value) {
    int found = 0;
    if (!FindKeyword(words, value, found)) return false;
    target = static_cast<Enum>(found);
    return true;
}

bool TakeIntList(std::vector<int>& target, string_view value) {
    ParseIntList(value, target);
    return true;
}

// Bounds of the numbers that size what is written: a NUM2 value is padded to
// LENGTH= bytes and every number is re-formatted with POINT= decimal places.
// They are those of the control file editor's boxes for the length, and far
// beyond any decimal places a column holds.
constexpr int kMaxLength = 65535;
constexpr int kMaxPoint = 99;

// A number that must be -1 or positive, up to high (LENGTH=, ALLLEN=).
bool TakeLimit(int& target, string_view value, int high) {
    int n = 0;
    if (!ParseCtrlNumber(value, n) || (n <= 0 && n != -1) || n > high) return false;
    target = n;
    return true;
}

bool TakeInRange(int& target, string_view value, int low, int high) {
    int n = 0;
    if (!ParseCtrlNumber(value, n) || n < low || n > high) return false;
    target = n;
    return true;
}

FormatBits FormatOf(string_view value) {
    FormatBits bits = 0;
    for (const FormatToken& token : kFormatTokens)
        if (ContainsSjis(value, token.token)) bits |= token.bit;
    return bits;
}

const KeyRule<CCtrlFile> kFileKeys[] = {
    {"FILE=", [](CCtrlFile& f, string_view v) { return TakeText(f.m_strDataFile, v); }, nullptr},
    {"DELIM=", [](CCtrlFile& f, string_view v) { return FindKeyword(kDelimWords, v, f.m_cDelim); },
     "デリミッタ指定が不正です"},
    {"KEYCOL=", [](CCtrlFile& f, string_view v) { return TakeIntList(f.m_KeyCols, v); }, nullptr},
    {"DUPCHECK=", [](CCtrlFile& f, string_view v) { return ParseCtrlBool(v, f.m_bDupCheck); },
     "キー重複チェック指定が不正です"},
    {"MDB=", [](CCtrlFile& f, string_view v) { return TakeText(f.m_strMdb, v); }, nullptr},
    {"COLCHANGE=", [](CCtrlFile& f, string_view v) { return ParseCtrlBool(v, f.m_bColChange); },
     "列数変更指定が不正です"},
    {"LINECHANGE=", [](CCtrlFile& f, string_view v) { return ParseCtrlBool(v, f.m_bLineChange); },
     "行数変更指定が不正です"},
    {"CONVUSE=", [](CCtrlFile& f, string_view v) { return ParseCtrlBool(v, f.m_bConvUse); },
     "変換処理使用が不正です"},
    {"MENUMODE=", [](CCtrlFile& f, string_view v) { return TakeKeyword(kMenuModeWords, f.m_nMenuMode, v); },
     "メニューモード指定が不正です"},
    {"HELPMSG=", [](CCtrlFile& f, string_view v) { return ParseCtrlBool(v, f.m_bHelpMsg); },
     "ヘルプメッセージ表示指定が不正です"},
    {"IMEMODE=", [](CCtrlFile& f, string_view v) { return TakeKeyword(kImeModeWords, f.m_nImeMode, v); },
     "IME制御モード指定が不正です"},
    {"HEADTITLE=", [](CCtrlFile& f, string_view v) { return ParseCtrlBool(v, f.m_bHeadTitle); },
     "１行目タイトルフラグ指定が不正です"},
    {"QUOTE=", [](CCtrlFile& f, string_view v) { return ParseCtrlBool(v, f.m_bQuote); },
     "ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ指定が不正です"},
    {"OPENDLG=", [](CCtrlFile& f, string_view v) { return TakeKeyword(kOpenDlgWords, f.m_nOpenDlg, v); },
     "ファイル読込画面表示モード指定が不正です"},
};

const KeyRule<CColCtrl> kColKeys[] = {
    {"TITLE=", [](CColCtrl& c, string_view v) { return TakeText(c.m_strTitle, v); }, nullptr},
    {"FILECOL=", [](CColCtrl& c, string_view v) { return ParseCtrlBool(v, c.m_bFileCol); },
     "ファイルの項目指定が不正です"},
    {"EDIT=", [](CColCtrl& c, string_view v) { return ParseCtrlBool(v, c.m_bEdit); }, "列編集指定が不正です"},
    {"TYPE=",
     [](CColCtrl& c, string_view v) {
         for (const auto& type : kTypeWords) {
             if (ContainsSjis(v, type.word)) {
                 c.m_nType = type.value;
                 return true;
             }
         }
         return false;
     },
     "列タイプ指定が不正です"},
    {"FORMAT1=", [](CColCtrl& c, string_view v) { return (c.m_nFormat1 = FormatOf(v)), true; }, nullptr},
    {"FORMAT2=", [](CColCtrl& c, string_view v) { return (c.m_nFormat2 = FormatOf(v)), true; }, nullptr},
    {"ETCCHAR=",
     [](CColCtrl& c, string_view v) {
         c.m_bEtcChar = !v.empty();
         return TakeText(c.m_strEtcChar, v);
     },
     nullptr},
    {"LENGTH=", [](CColCtrl& c, string_view v) { return TakeLimit(c.m_nLength, v, kMaxLength); }, "入力最大項目長が不正です"},
    {"ALLLEN=", [](CColCtrl& c, string_view v) { return TakeLimit(c.m_nAllLen, v, INT_MAX); }, "全体桁数指定が不正です"},
    {"POINT=", [](CColCtrl& c, string_view v) { return TakeInRange(c.m_nPoint, v, 0, kMaxPoint); },
     "少数以下桁数指定が不正です"},
    {"OBLIGATE=", [](CColCtrl& c, string_view v) { return ParseCtrlBool(v, c.m_bObligate); },
     "必須入力指定が不正です"},
    {"NODISP=", [](CColCtrl& c, string_view v) { return ParseCtrlBool(v, c.m_bNoDisp); }, "非表示指定が不正です"},
    {"HANSPCONV=", [](CColCtrl& c, string_view v) { return ParseCtrlBool(v, c.m_bHanSpConv); },
     "半角ｽﾍﾟｰｽ変換指定が不正です"},
    {"INITIAL=", [](CColCtrl& c, string_view v) { return TakeText(c.m_strInitial, v); }, nullptr},
    {"PERMISSION=", [](CColCtrl& c, string_view v) { return (c.m_Permission = SplitPermission(v)), true; },
     nullptr},
    {"MINNUM=", [](CColCtrl& c, string_view v) { return TakeText(c.m_strMinNum, v); }, nullptr},
    {"MAXNUM=", [](CColCtrl& c, string_view v) { return TakeText(c.m_strMaxNum, v); }, nullptr},
    {"REPLACE1=", [](CColCtrl& c, string_view v) { return TakeText(c.m_strReplace1, v); }, nullptr},
    {"REPLACE2=", [](CColCtrl& c, string_view v) { return TakeText(c.m_strReplace2, v); }, nullptr},
    {"ROUND=", [](CColCtrl& c, string_view v) { return TakeInRange(c.m_nRound, v, 0, 2); },
     "時刻丸めモード指定が不正です"},
    {"BASEMIN=", [](CColCtrl& c, string_view v) { return TakeInRange(c.m_nBaseMin, v, 0, 59); },
     "時刻丸め基準分指定が不正です"},
    {"TRAN=", [](CColCtrl& c, string_view v) { return ParseCtrlBool(v, c.m_Tran.m_bTran); }, "翻訳指定が不正です"},
    {"TRAN_FILE=", [](CColCtrl& c, string_view v) { return TakeText(c.m_Tran.m_strFile, v); }, nullptr},
    {"TRAN_DELIM=", [](CColCtrl& c, string_view v) { return FindKeyword(kDelimWords, v, c.m_Tran.m_cDelim); },
     "翻訳ファイルタイプが不正です"},
    {"TRAN_KEYPOS=", [](CColCtrl& c, string_view v) { return TakeInRange(c.m_Tran.m_nKeyPos, v, 1, INT_MAX); },
     "キー列番号が不正です"},
    {"TRAN_NAMEPOS=", [](CColCtrl& c, string_view v) { return TakeIntList(c.m_Tran.m_NamePos, v); }, nullptr},
    {"TRAN_COL=", [](CColCtrl& c, string_view v) { return TakeIntList(c.m_Tran.m_TranCols, v); }, nullptr},
    {"TRAN_AUTORUN=", [](CColCtrl& c, string_view v) { return ParseCtrlBool(v, c.m_Tran.m_bAutoRun); },
     "自動翻訳指定が不正です"},
};

template <typename Target, std::size_t N>
const char* FirstKeyIn(const KeyRule<Target> (&rules)[N], string_view line) {
    for (const KeyRule<Target>& rule : rules)
        if (FindSjis(line, rule.key) != std::string::npos) return rule.key;
    return nullptr;
}

// The echo of a line in a message: a runaway line is cut so that the
// message stays readable.
constexpr std::size_t kEchoLimit = 256;

std::string Echo(const std::string& line) {
    if (line.size() <= kEchoLimit) return line;
    std::size_t end = 0;
    while (end < line.size() && NextChar(line, end) <= kEchoLimit) end = NextChar(line, end);
    return line.substr(0, end) + "…";
}

// One pass over the lines of a control file.
class CtrlFileReader {
public:
    CtrlFileReader(CCtrlFile& ctrl, IUserInterface& ui) : m_ctrl(ctrl), m_ui(ui) {}

    // False when reading must stop (the error was shown).
    bool takeLine(std::string line) {
        const int index = m_lineIndex++;
        if (!PrepareCtrlLine(line)) return true;
        if (ContainsSjis(line, "[FILE]")) {
            if (!closeColumn()) return false;
            m_inColumn = false;
            return true;
        }
        if (ContainsSjis(line, "[COL]")) {
            if (!closeColumn()) return false;
            m_column = std::make_unique<CColCtrl>();
            m_column->m_nCol = static_cast<int>(m_ctrl.m_Cols.size()) + 1;
            m_inColumn = true;
            return true;
        }
        if (m_inColumn)
            return apply(kColKeys, *m_column, line, index, "COLセクションで、不明なキーワードです");
        return apply(kFileKeys, m_ctrl, line, index, "FILEセクションで不明なキーワードです");
    }

    // Checks the open column section and adds its record; false when the check failed.
    bool closeColumn() {
        if (!m_column) return true;
        std::unique_ptr<CColCtrl> column = std::move(m_column);
        if (!CheckColDef(*column, m_ui)) return false;
        column->m_pOwner = &m_ctrl;
        m_ctrl.m_Cols.push_back(std::move(column));
        return true;
    }

private:
    template <typename Target, std::size_t N>
    bool apply(const KeyRule<Target> (&rules)[N], Target& target, const std::string& line, int index,
               const char* unknown) {
        for (const KeyRule<Target>& rule : rules) {
            const std::size_t at = FindSjis(line, rule.key);
            if (at == std::string::npos) continue;
            const string_view value = SettingValue(string_view(line).substr(at + std::strlen(rule.key)));
            if (rule.apply(target, value)) return true;
            return fail(rule.error, index, line);
        }
        return fail(unknown, index, line);
    }

    bool fail(const char* complaint, int index, const std::string& line) {
        m_ui.messageBox(std::string(complaint) + "（" + std::to_string(index) + ":" + Echo(line) + "）",
                        MsgIcon::Stop);
        return false;
    }

    CCtrlFile& m_ctrl;
    IUserInterface& m_ui;
    std::unique_ptr<CColCtrl> m_column;  // the open [COL] section
    bool m_inColumn = false;
    int m_lineIndex = 0;
};

}  // namespace

const char* CtrlLineKey(std::string_view line, bool columnSection) {
    return columnSection ? FirstKeyIn(kColKeys, line) : FirstKeyIn(kFileKeys, line);
}

void CCtrlFile::ResetSchema() {
    m_Cols.clear();
    m_bLoaded = false;
    m_bModified = false;
    m_strDataFile.clear();
    m_strNamedDataFile.reset();
    m_cDelim = ',';
    m_KeyCols.clear();
    m_bDupCheck = false;
    m_strMdb.clear();
    m_bColChange = true;
    m_bLineChange = true;
    m_bConvUse = true;
    m_nMenuMode = MenuMode::Normal;
    m_bHelpMsg = true;
    m_nImeMode = ImeMode::None;
    m_bHeadTitle = false;
    m_bQuote = false;
    m_nOpenDlg = OpenDlgMode::Option;
}

int CCtrlFile::LoadCtrlFile(AppContext& app) {
    ResetSchema();
    CLineReader lines;
    CtrlFileReader reader(*this, app.ui);
    bool ok = true;
    const bool read = lines.open(m_strCtrlFile) && lines.forEachLine([&](char* line, std::size_t length) {
        ok = reader.takeLine(std::string(line, length));
        return ok;
    });
    if (!read) {
        app.ui.messageBox(m_strCtrlFile + " ファイルがオープン出来ませんでした。", MsgIcon::Stop);
        ok = false;
    }
    ok = ok && reader.closeColumn();
    for (auto it = m_Cols.begin(); ok && it != m_Cols.end(); ++it) {
        CTranCtrl& tran = (*it)->m_Tran;
        if (tran.m_bTran) ok = LoadTranTable(tran, app, FolderOfPath(m_strCtrlFile)) == 1;
    }
    if (!ok) {
        ResetSchema();
        return 0;
    }
    m_bLoaded = true;
    return 1;
}

}  // namespace tabrix
