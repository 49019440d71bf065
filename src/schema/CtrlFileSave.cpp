// Writing a control file: the header template, the update stamp and the
// settings in a fixed order, so that reading it back gives the same schema.
#include <cstdio>

#include "app/AppContext.h"
#include "document/CtrlFile.h"
#include "document/FileWriter.h"
#include "document/LineReader.h"
#include "document/TabrixDoc.h"
#include "schema/CtrlFileText.h"
#include "schema/CtrlSyntax.h"
#include "text/FormatBits.h"
#include "text/Record.h"

namespace tabrix {

namespace {

constexpr const char* kHeaderFile = "CtrlHeader.txt";
constexpr const char* kSaveTitle = "制御ファイル保存";
constexpr const char* kSaveFilter = "制御ﾌｧｲﾙ(*.ctrl)|*.ctrl|全てのﾌｧｲﾙ(*.*)|*.*||";
constexpr const char* kNewLine = "\r\n";

class CtrlTextBuilder {
public:
    void line(const std::string& text) { (m_text += text) += kNewLine; }
    void section(const char* header) {
        m_text += kNewLine;
        line(header);
    }
    void text(const char* key, const std::string& value) { line(key + value); }
    void flag(const char* key, bool value) { line(std::string(key) + (value ? "TRUE" : "FALSE")); }
    void number(const char* key, int value) { line(key + std::to_string(value)); }
    void list(const char* key, const std::vector<int>& values) {
        std::string joined;
        FormatIntList(values, joined);
        text(key, joined);
    }
    void format(const char* key, FormatBits bits) {
        std::string tokens;
        for (const FormatToken& token : kFormatTokens) {
            if (!(bits & token.bit)) continue;
            if (!tokens.empty()) tokens += ',';
            tokens += token.token;
        }
        text(key, tokens);
    }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

const char* DelimWord(char delim) { return KeywordOf(kDelimWords, delim); }

void WriteFileSection(CtrlTextBuilder& out, const CCtrlFile& ctrl) {
    out.section("[FILE]");
    if (const std::string& dataFile = ctrl.NamedDataFile(); !dataFile.empty()) {
        out.text("FILE=", dataFile);
        out.text("DELIM=", DelimWord(ctrl.m_cDelim));
    }
    if (!ctrl.m_KeyCols.empty()) out.list("KEYCOL=", ctrl.m_KeyCols);
    out.flag("DUPCHECK=", ctrl.m_bDupCheck);
    if (!ctrl.m_strMdb.empty()) out.text("MDB=", ctrl.m_strMdb);
    out.flag("COLCHANGE=", ctrl.m_bColChange);
    out.flag("LINECHANGE=", ctrl.m_bLineChange);
    out.flag("CONVUSE=", ctrl.m_bConvUse);
    out.text("MENUMODE=", KeywordOf(kMenuModeWords, static_cast<int>(ctrl.m_nMenuMode)));
    out.flag("HELPMSG=", ctrl.m_bHelpMsg);
    out.text("IMEMODE=", KeywordOf(kImeModeWords, static_cast<int>(ctrl.m_nImeMode)));
    out.flag("HEADTITLE=", ctrl.m_bHeadTitle);
    out.flag("QUOTE=", ctrl.m_bQuote);
    out.text("OPENDLG=", KeywordOf(kOpenDlgWords, static_cast<int>(ctrl.m_nOpenDlg)));
}

void WriteInFileSettings(CtrlTextBuilder& out, const CColCtrl& col) {
    out.flag("EDIT=", col.m_bEdit);
    out.text("TYPE=", KeywordOf(kTypeWords, col.m_nType));
    out.format("FORMAT1=", col.m_nFormat1);
    out.format("FORMAT2=", col.m_nFormat2);
    out.number("LENGTH=", col.m_nLength);
    out.flag("OBLIGATE=", col.m_bObligate);
    out.flag("NODISP=", col.m_bNoDisp);
    out.flag("HANSPCONV=", col.m_bHanSpConv);
    if (col.m_bEtcChar) out.text("ETCCHAR=", col.m_strEtcChar);
    if (!col.m_strInitial.empty()) out.text("INITIAL=", col.m_strInitial);
    if (!col.m_Permission.empty()) out.text("PERMISSION=", JoinPermission(col.m_Permission));
    if (col.m_nType == kTypeNumber) {
        out.number("ALLLEN=", col.m_nAllLen);
        out.number("POINT=", col.m_nPoint);
        out.text("MINNUM=", col.m_strMinNum);
        out.text("MAXNUM=", col.m_strMaxNum);
    }
    out.text("REPLACE1=", col.m_strReplace1);
    out.text("REPLACE2=", col.m_strReplace2);
    if (col.m_nType == kTypeTime) {
        out.number("ROUND=", col.m_nRound);
        out.number("BASEMIN=", col.m_nBaseMin);
    }
}

void WriteTranslation(CtrlTextBuilder& out, const CTranCtrl& tran) {
    out.flag("TRAN=", tran.m_bTran);
    if (!tran.m_bTran) return;
    out.text("TRAN_FILE=", tran.m_strFile);
    out.text("TRAN_DELIM=", DelimWord(tran.m_cDelim));
    out.number("TRAN_KEYPOS=", tran.m_nKeyPos);
    out.list("TRAN_NAMEPOS=", tran.m_NamePos);
    out.list("TRAN_COL=", tran.m_TranCols);
    out.flag("TRAN_AUTORUN=", tran.m_bAutoRun);
}

std::vector<std::string> ReadHeaderLines(const std::string& programDir) {
    std::vector<std::string> lines;
    if (programDir.empty()) return lines;
    CLineReader reader;
    if (!reader.open(programDir + "/" + kHeaderFile)) return lines;
    reader.forEachLine([&lines](char* line, std::size_t length) {
        lines.emplace_back(line, length);
        return true;
    });
    return lines;
}

}  // namespace

std::string CtrlFileText(const CCtrlFile& ctrl, const std::vector<std::string>& headerLines,
                         const LocalDateTime& now) {
    CtrlTextBuilder out;
    for (const std::string& line : headerLines) out.line(line);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "* 更新日=%04d/%02d/%02d %2d:%2d", now.year, now.month, now.day, now.hour,
                  now.minute);
    out.line(stamp);
    WriteFileSection(out, ctrl);
    for (const auto& col : ctrl.m_Cols) {
        out.section("[COL]");
        out.text("TITLE=", col->m_strTitle);
        out.flag("FILECOL=", col->m_bFileCol);
        if (col->m_bFileCol) WriteInFileSettings(out, *col);
        WriteTranslation(out, col->m_Tran);
    }
    return out.take();
}

int CCtrlFile::SaveCtrlFile(AppContext& app, const Clock& clock) {
    if (m_strCtrlFile.empty()) {
        FileDialogRequest request;
        request.title = kSaveTitle;
        request.filter = kSaveFilter;
        request.overwritePrompt = true;
        if (!app.ui.getSaveFileName(request)) return 0;
        std::string path = request.fileName;
        if (request.filterIndex == 0 && ExtensionOf(path).empty()) path += ".ctrl";
        m_strCtrlFile = path;
    }
    const std::string text = CtrlFileText(*this, ReadHeaderLines(app.programDir), clock.now());
    CFileWriter writer;
    bool written = writer.open(m_strCtrlFile);
    if (written) {
        writer.write(text);
        written = writer.commit();
    }
    if (!written) {
        app.ui.messageBox(m_strCtrlFile + " ファイルがオープン出来ませんでした。", MsgIcon::Stop);
        return 0;
    }
    return 1;
}

}  // namespace tabrix
