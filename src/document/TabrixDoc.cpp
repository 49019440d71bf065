#include "document/TabrixDoc.h"

#include <cstdio>

#include "document/Delimiter.h"
#include "document/FileErrors.h"
#include "document/FileOpenDlg.h"
#include "document/MemoryCheck.h"
#include "document/NewFileDlg.h"
#include "document/PathMatch.h"
#include "document/DocumentHooks.h"
#include "text/Cp932.h"
#include "text/Replace.h"
#include "text/SjisChar.h"
#include "text/SpaceMark.h"

namespace tabrix {

std::string FileNameOf(const std::string& path) {
    std::size_t start = 0;
    for (std::size_t p = 0; p < path.size(); p = NextChar(path, p))
        if (path[p] == '/' || path[p] == '\\') start = p + 1;
    return path.substr(start);
}

std::string ExtensionOf(const std::string& path) {
    const std::string name = FileNameOf(path);
    std::size_t dot = std::string::npos;
    for (std::size_t p = 0; p < name.size(); p = NextChar(name, p))
        if (name[p] == '.') dot = p;
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

CTabrixDoc::CTabrixDoc(AppContext& app) : m_app(app) { m_CtrlFile.m_Lines.setJournal(&m_undo); }

void CTabrixDoc::setDataFileName(const std::string& path) {
    m_CtrlFile.m_strDataFile = path;
    // The control file names the file the document now reads and saves.
    m_CtrlFile.m_strNamedDataFile.reset();
    m_strTitle = FileNameOf(path);
}

void CTabrixDoc::copySpaceMarks() {
    const Settings& s = m_app.settings;
    m_bHanspDisp = s.HanspDisp != 0 && IsUsableHalfMark(s.HanspChar);
    m_strHanspChar = s.HanspChar;
    m_bZenspDisp = s.ZenspDisp != 0 && IsUsableFullMark(s.ZenspChar);
    m_strZenspChar = s.ZenspChar;
}

namespace {
constexpr char kFullSpace[] = "　";
}

void CTabrixDoc::marksToSpaces(std::string& value) const {
    if (m_bHanspDisp && !m_strHanspChar.empty()) ReplaceAll(value, m_strHanspChar, " ");
    if (m_bZenspDisp && !m_strZenspChar.empty()) ReplaceAll(value, m_strZenspChar, kFullSpace);
}

void CTabrixDoc::spacesToMarks(std::string& value) const {
    if (m_bHanspDisp && !m_strHanspChar.empty()) ReplaceAll(value, " ", m_strHanspChar);
    if (m_bZenspDisp && !m_strZenspChar.empty()) ReplaceAll(value, kFullSpace, m_strZenspChar);
}

bool CTabrixDoc::chooseDataFile() {
    CCtrlFile& cf = m_CtrlFile;
    IUserInterface& ui = m_app.ui;
    const bool dialogWanted = m_app.settings.OpenDlg == 1 || cf.m_strDataFile.empty();
    if (cf.m_nOpenDlg == OpenDlgMode::View || (cf.m_nOpenDlg == OpenDlgMode::Option && dialogWanted)) {
        const bool view = cf.m_nOpenDlg == OpenDlgMode::View;
        CFileOpen dlg;
        dlg.m_strFileName = cf.m_strDataFile;
        dlg.m_bTitleLine = view ? false : m_bTitleLine;
        dlg.m_bQuote = view ? false : cf.m_bQuote;
        dlg.detect(ui);
        if (!ui.runModal(dlg)) return false;
        setDataFileName(dlg.m_strFileName);
        cf.m_cDelim = dlg.delimiter();
        if (!view) {
            m_bTitleLine = dlg.m_bTitleLine;
            cf.m_bHeadTitle = dlg.m_bTitleLine;
            cf.m_bQuote = dlg.m_bQuote;
        }
        return true;
    }
    DelimChoice choice;
    const DetectResult found = DetectDelimiter(cf.m_strDataFile, ui, choice);
    if (found == DetectResult::Detected) cf.m_cDelim = choice.byte();
    if (found == DetectResult::OpenFailed) cf.m_cDelim = '|';
    return true;
}

bool CTabrixDoc::OnOpenDocument(const std::string& path) {
    CCtrlFile& cf = m_CtrlFile;
    IUserInterface& ui = m_app.ui;
    copySpaceMarks();
    setDataFileName(path);

    const std::string ext = ExtensionOf(path);
    if (ext == ".xls" || ext == ".xlsx") {
        m_bTitleLine = false;
        cf.m_bHeadTitle = false;
        cf.m_cDelim = ',';
        return OpenWorkbookDocument(*this, path);
    }
    if (ext == ".ctrl") {
        cf.m_strDataFile.clear();
        cf.m_strCtrlFile = path;
        if (!cf.LoadCtrlFile(m_app)) {
            ui.messageBox("制御ファイル（" + path + "）にエラーが有りました。", MsgIcon::Stop);
            return false;
        }
        m_bTitleLine = cf.m_bHeadTitle;
        setDataFileName(ResolveDataPath(cf.m_strDataFile, DataFolder(m_app), FolderOfPath(path)));
    }

    if (!chooseDataFile()) return false;
    if (!checkWorkDatabase()) return false;

    const std::string& dataFile = cf.m_strDataFile;
    if (!dataFile.empty()) {
        const MemoryCheck memory = CheckMemory(dataFile);
        if (memory == MemoryCheck::OpenFailed) {
            ui.messageBox(dataFile + " OPENエラー", MsgIcon::Stop);
            return false;
        }
        if (memory == MemoryCheck::Short &&
            ui.messageBox("全件メモリに読み込めない可能性があります。続行しますか？", MsgIcon::Question,
                          MsgButtons::YesNo) != MsgResult::Yes)
            return false;
    }

    // A read failure and a refusal found while reading both leave their message.
    if (!LoadLines() || !cf.m_strError.empty()) {
        ui.messageBox(cf.m_strError, MsgIcon::Stop);
        return false;
    }
    m_nEncoding = EncodingAfterRead(m_nEncoding, m_LastDecode);
    if (const std::string notice = ReplacedNotice(m_LastDecode); !notice.empty())
        ui.messageBox(notice, MsgIcon::Information);
    for (const std::string& notice : m_LoadNotices) ui.messageBox(notice, MsgIcon::Information);

    // An empty file has no lines to disagree: it opens as an empty document.
    if (!cf.m_Lines.empty() && m_nMinCols != cf.m_nMaxCols) {
        char counts[96];
        std::snprintf(counts, sizeof counts, "項目数が不揃いです。最小(%d列)、最大(%d列)です。\n",
                      m_nMinCols, cf.m_nMaxCols);
        if (m_app.settings.ColNumErr == 1) {
            ui.messageBox(counts + dataFile + "をOPEN出来ません。", MsgIcon::Stop);
            return false;
        }
        ui.messageBox(std::string(counts) + "自動的に項目揃えを行います。", MsgIcon::Information);
        int narrowest = 0;
        int widest = 0;
        AlignColumns(narrowest, widest);
    }

    if (cf.m_bLoaded) RunAutoTranslation(*this);
    createWorkDatabase();
    return true;
}

bool CTabrixDoc::OnNewDocument() {
    CNewFile dlg;
    dlg.m_nRows = m_app.settings.NewLine;
    dlg.m_nCols = m_app.settings.NewCol;
    if (!m_app.ui.runModal(dlg)) return false;
    copySpaceMarks();
    CCtrlFile& cf = m_CtrlFile;
    cf.m_nMaxCols = dlg.m_nCols;
    cf.m_cDelim = dlg.delimiter();
    cf.m_Lines.clear();
    const std::string empty(static_cast<std::size_t>(dlg.m_nCols - 1), '\t');
    cf.m_Lines.reserve(static_cast<std::size_t>(dlg.m_nRows));
    for (int i = 0; i < dlg.m_nRows; ++i) cf.m_Lines.push_back(empty);
    setDataFileName(kNewTitle);
    return true;
}

bool CTabrixDoc::SaveModified() {
    if (m_pView) m_pView->endCellEdit();
    if (!m_pView || !m_pView->isModified()) return true;
    const MsgResult answer = m_app.ui.messageBox(m_strTitle + " の変更を保存しますか？",
                                                 MsgIcon::Question, MsgButtons::YesNoCancel);
    if (answer == MsgResult::Cancel) return false;
    // A save that fails or is cancelled keeps the document open: closing it
    // anyway would throw the edits away.
    if (answer == MsgResult::Yes && !DoSave()) return false;
    m_pView->clearModified();
    return true;
}

bool CTabrixDoc::OnCloseDocument() {
    CCtrlFile& cf = m_CtrlFile;
    if (cf.m_bModified) {
        const MsgResult answer = m_app.ui.messageBox("制御ファイルが変更されています。保存しますか？",
                                                     MsgIcon::Question, MsgButtons::YesNo);
        if (answer == MsgResult::Yes && !cf.SaveCtrlFile(m_app)) return false;
        cf.m_bModified = false;
    }
    cf.m_Lines.clear();
    removeWorkDatabase();
    return true;
}

}  // namespace tabrix
