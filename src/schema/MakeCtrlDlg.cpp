#include "schema/MakeCtrlDlg.h"

#include <algorithm>

#include "document/PathMatch.h"
#include "document/TabrixDoc.h"
#include "schema/ColDefCheck.h"
#include "schema/CtrlColDlg.h"
#include "schema/CtrlSyntax.h"
#include "schema/CtrlValueCheck.h"
#include "text/Record.h"
#include "view/ColSelDlg.h"

namespace tabrix {

namespace {

bool IsCtrlDelimiter(char c) { return c == ',' || c == '\t' || c == ' '; }

// The folder a relative translation file is found in after DefDir: the
// control file's own, when there is one.
std::string TranslationFolder(const CCtrlFile& ctrl) {
    return ctrl.m_strCtrlFile.empty() ? std::string() : FolderOfPath(ctrl.m_strCtrlFile);
}

}  // namespace

bool BrowseFileName(IUserInterface& ui, const char* title, const char* filter, std::string& name) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.fileName = name;
    if (!ui.getOpenFileName(request)) return false;
    name = request.fileName;
    return true;
}

CMakeCtrlDlg::CMakeCtrlDlg(CTabrixDoc& doc, AppContext& app) : m_doc(doc), m_app(app) {}

void CMakeCtrlDlg::open(IUserInterface& ui) {
    m_session = std::make_unique<CCtrlEditSession>(m_doc.m_CtrlFile);
    if (!m_doc.m_CtrlFile.m_bLoaded) createSchema(ui);
    loadControls();
}

void CMakeCtrlDlg::createSchema(IUserInterface& ui) {
    ui.messageBox(kCreated, MsgIcon::Information);
    CCtrlFile& cf = m_doc.m_CtrlFile;
    const int width = std::max(0, cf.m_nMaxCols);
    std::vector<std::string> titles;
    if (m_doc.m_bTitleLine && !cf.m_Lines.empty()) {
        const std::string_view line = cf.m_Lines[0];
        SplitFields(line, titles, std::max(width, RowFieldCount(line)));
    }
    cf.m_Cols.clear();
    for (int c = 1; c <= width; ++c) {
        auto rec = std::make_unique<CColCtrl>();
        rec->m_nCol = c;
        rec->m_pOwner = &cf;
        if (static_cast<std::size_t>(c) <= titles.size()) {
            // The title as the file holds it; a control file drops trailing blanks.
            std::string title = titles[static_cast<std::size_t>(c - 1)];
            m_doc.marksToSpaces(title);
            rec->m_strTitle = SettingValue(title);
        }
        if (rec->m_strTitle.empty()) rec->m_strTitle = "Col." + std::to_string(c);
        cf.m_Cols.push_back(std::move(rec));
    }
    cf.m_bHeadTitle = m_doc.m_bTitleLine;
    cf.m_bLoaded = true;
    cf.m_bModified = true;
    m_session->schemaCreated();
}

void CMakeCtrlDlg::loadControls() {
    const CCtrlFile& cf = m_doc.m_CtrlFile;
    if (cf.m_strNamedDataFile)
        m_strFileName = *cf.m_strNamedDataFile;
    else
        m_strFileName = cf.m_strDataFile == CTabrixDoc::kNewTitle ? std::string() : cf.m_strDataFile;
    m_strMdb = cf.m_strMdb;
    m_cDelim = IsCtrlDelimiter(cf.m_cDelim) ? cf.m_cDelim : ',';
    FormatIntList(cf.m_KeyCols, m_strKeyCols);
    m_bDupCheck = cf.m_bDupCheck;
    m_nMenuMode = static_cast<int>(cf.m_nMenuMode);
    m_nImeMode = static_cast<int>(cf.m_nImeMode);
    m_bColChange = cf.m_bColChange;
    m_bLineChange = cf.m_bLineChange;
    m_bConvUse = cf.m_bConvUse;
    m_bHelpMsg = cf.m_bHelpMsg;
    m_bHeadTitle = cf.m_bHeadTitle;
    m_bQuote = cf.m_bQuote;
    m_nOpenDlg = static_cast<int>(cf.m_nOpenDlg);
}

bool CMakeCtrlDlg::columnsEnabled() const { return !m_doc.m_CtrlFile.m_Cols.empty(); }

bool CMakeCtrlDlg::setDupCheck(bool on, IUserInterface& ui) {
    if (on && m_strKeyCols.empty()) {
        ui.messageBox(kDupNeedsKeys, MsgIcon::Stop);
        m_bDupCheck = false;
        return false;
    }
    m_bDupCheck = on;
    return true;
}

bool CMakeCtrlDlg::browseFile(IUserInterface& ui) { return BrowseFileName(ui, kFileTitle, kFileFilter, m_strFileName); }

bool CMakeCtrlDlg::browseMdb(IUserInterface& ui) { return BrowseFileName(ui, kMdbTitle, kMdbFilter, m_strMdb); }

bool CMakeCtrlDlg::browseKeyCols(IUserInterface& ui) {
    CColSelDlg chooser = CColSelDlg::OverSchema(m_doc.m_CtrlFile, m_strKeyCols);
    if (!ui.runModal(chooser)) return false;
    m_strKeyCols = chooser.chosenList();
    return true;
}

bool CMakeCtrlDlg::pageCheck(IUserInterface& ui) {
    CCtrlFile& cf = m_doc.m_CtrlFile;
    std::string refusal;
    if (m_nOpenDlg == kOpenDlgNot && m_strFileName.empty()) refusal = kNeedFileName;
    if (refusal.empty()) refusal = CtrlValueRefusal("ファイル名", "FILE=", m_strFileName, false);
    if (refusal.empty()) refusal = CtrlValueRefusal("MDB名", "MDB=", m_strMdb, false);
    if (!refusal.empty()) {
        ui.messageBox(refusal, MsgIcon::Stop);
        return false;
    }
    // The document goes on reading and saving its own file; only the control
    // file names another one.
    if (m_strFileName == cf.m_strDataFile)
        cf.m_strNamedDataFile.reset();
    else
        cf.m_strNamedDataFile = m_strFileName;
    cf.m_strMdb = m_strMdb;
    cf.m_cDelim = IsCtrlDelimiter(m_cDelim) ? m_cDelim : ',';
    ParseIntList(m_strKeyCols, cf.m_KeyCols);
    if (std::any_of(cf.m_KeyCols.begin(), cf.m_KeyCols.end(),
                    [&cf](int col) { return col < 1 || col > cf.m_nMaxCols; })) {
        ui.messageBox(kBadKeyCols, MsgIcon::Stop);
        return false;
    }
    cf.m_bDupCheck = m_bDupCheck;
    cf.m_nMenuMode = static_cast<MenuMode>(std::clamp(m_nMenuMode, 0, 3));
    cf.m_nImeMode = static_cast<ImeMode>(std::clamp(m_nImeMode, 0, 2));
    cf.m_bColChange = m_bColChange;
    cf.m_bLineChange = m_bLineChange;
    cf.m_bConvUse = m_bConvUse;
    cf.m_bHelpMsg = m_bHelpMsg;
    cf.m_bHeadTitle = m_bHeadTitle;
    cf.m_bQuote = m_bQuote;
    cf.m_nOpenDlg = static_cast<OpenDlgMode>(std::clamp(m_nOpenDlg, 0, 2));
    cf.m_bModified = true;
    return true;
}

bool CMakeCtrlDlg::editColumns(IUserInterface& ui) {
    if (!columnsEnabled() || !pageCheck(ui)) return false;
    CCtrlColDlg columns(*m_session, m_app, TranslationFolder(m_doc.m_CtrlFile));
    ui.runModal(columns);
    // The key columns follow the columns added and removed.
    loadControls();
    return true;
}

bool CMakeCtrlDlg::readAttributes(IUserInterface& ui) {
    if (!columnsEnabled()) return false;
    m_attrRead.m_nLineCount = static_cast<int>(m_doc.lines().size());
    if (!ui.runModal(m_attrRead)) return false;
    ApplyColumnAttributes(m_attrRead, m_doc);
    return true;
}

std::string CMakeCtrlDlg::firstColumnComplaint() {
    for (const auto& col : m_doc.m_CtrlFile.m_Cols) {
        if (std::string refusal = ColumnValueRefusal(*col); !refusal.empty())
            return "制御ファイルの列=" + std::to_string(col->m_nCol) + " の指定にエラーが有ります。\n" + refusal;
        if (std::string complaint = ColDefMessages(*col); !complaint.empty()) return complaint;
    }
    return {};
}

bool CMakeCtrlDlg::onOk(IUserInterface& ui) {
    if (!pageCheck(ui)) return false;
    if (const std::string complaint = firstColumnComplaint(); !complaint.empty()) {
        ui.messageBox(complaint, MsgIcon::Stop);
        return false;
    }
    CCtrlFile& cf = m_doc.m_CtrlFile;
    cf.m_bLoaded = true;
    if (ui.messageBox(kSaveQuestion, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes) {
        AppContext here{m_app.settings, ui, m_app.programDir, m_app.startupDir};
        if (!cf.SaveCtrlFile(here)) return false;
        cf.m_bModified = false;
    }
    if (m_session->columnsChanged()) ui.messageBox(kReopen, MsgIcon::Information);
    m_session->finish();
    return true;
}

void CMakeCtrlDlg::onCancel() {
    if (m_session) m_session->restore();
}

}  // namespace tabrix
