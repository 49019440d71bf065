// "ﾌｧｲﾙ分割保存" and "条件付き保存": the dialogs and the files they write.
// Neither changes the document, its file name or its modified state.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "document/ConditionalSave.h"
#include "document/SplitSave.h"
#include "text/Cp932.h"
#include "text/NumberText.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr std::size_t kManyFiles = 1000;

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), error) && !error;
}

}  // namespace

void CTabrixView::OnSplitSave() {
    if (m_doc.lines().empty()) return;
    m_grid.endEditing();
    CDivOptDlg dlg;
    dlg.init(m_doc.m_CtrlFile.m_cDelim, m_doc.dataFileName(), GetSelectedColumns(),
             static_cast<long long>(m_doc.lines().size()), m_doc.m_bTitleLine);
    if (!m_app.ui.runModal(dlg)) return;
    RunSplitSave(dlg);
}

bool CTabrixView::RunSplitSave(const CDivOptDlg& dlg) {
    SplitRequest request;
    request.outFile = dlg.m_strOutFile;
    request.files = dlg.m_nFiles;
    request.keyBreak = dlg.m_nMode == 1;
    request.keyCols = dlg.m_KeyCols;
    request.titleEach = dlg.m_nTitle == 1 && m_doc.m_bTitleLine;
    request.delimiter = dlg.delimiter();
    if (dlg.m_bPerKey) {
        const std::size_t files = CountKeyRuns(m_doc, request);
        if (files > kManyFiles) {
            char text[160];
            std::snprintf(text, sizeof text, "%s 個のファイルを作成します。よろしいですか？",
                          FormatCount(static_cast<long long>(files)).c_str());
            if (m_app.ui.messageBox(text, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return false;
        }
    }
    int written = 0;
    std::string error;
    bool ok = false;
    {
        WaitCursorScope wait(m_app.ui);
        ok = SplitSave(m_doc, request, m_app.ui.progress(), written, error);
    }
    if (!ok) {
        m_app.ui.messageBox(error, MsgIcon::Stop);
        return false;
    }
    char text[64];
    std::snprintf(text, sizeof text, "ファイルを %d 個に分割しました。", written);
    m_app.ui.messageBox("<" + m_doc.dataFileName() + ">" + text, MsgIcon::Information);
    return true;
}

void CTabrixView::OnConditionalSave() {
    if (m_doc.lines().empty()) return;
    m_grid.endEditing();
    CSaveOpt& opt = m_saveOpt;
    opt.prepareForUse(m_doc.m_CtrlFile.m_cDelim, m_doc.dataFileName(), static_cast<int>(GetSelectedColumns().size()),
                      m_bFilter, m_doc.m_bTitleLine, m_doc.m_CtrlFile.m_bLoaded, m_doc.columnCount());
    opt.m_ColTitles.clear();
    for (int col = 1; col <= opt.m_nMaxCols; ++col) opt.m_ColTitles.push_back(m_grid.itemText(0, col + m_nFixedCols - 1));
    opt.m_pLines = &m_doc.lines();
    opt.m_nFirstLine = titleOffset();
    if (!m_app.ui.runModal(opt)) return;
    RunConditionalSave(opt);
}

long long CTabrixView::RunConditionalSave(CSaveOpt& opt) {
    opt.buildSearchList();
    SelectRequest request;
    if (opt.m_nColMode == 1) {
        for (const int col : GetSelectedColumns()) request.columns.push_back(col - m_nFixedCols + 1);
    } else {
        for (int col = 1; col <= m_doc.columnCount(); ++col) request.columns.push_back(col);
    }
    request.rowMode = opt.m_nRowMode;
    request.searchCol = opt.m_nSearchCol;
    request.searchList = opt.m_SearchList;
    request.wildcard = opt.m_nSearchType == 1;
    request.notMatch = opt.m_nExtract == 1;
    request.titleOut = opt.m_bTitle && m_doc.m_bTitleLine;
    request.virtualOut = opt.m_bVirtual;
    request.delimiter = opt.delimiter();
    const std::string& path = opt.m_strOutFile;

    // Overwriting the file being edited with a part of it is rarely meant.
    if (SameFile(path, m_doc.dataFileName())) {
        char text[600];
        std::snprintf(text, sizeof text, "%s は編集中のデータファイルです。上書きしますか？", path.c_str());
        if (m_app.ui.messageBox(text, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return -1;
    }
    if (m_pFilter) m_pFilter->resetWorkLists();
    const RowTest rowPasses = [this](const std::vector<std::string>& fields) { return RowPasses(fields); };

    if (opt.m_nFormat == CSaveOpt::Excel) {
        const long long count = SaveSelectionWorkbook(m_doc, request, path, rowPasses, m_app.ui);
        if (count >= 0) {
            char text[64];
            std::snprintf(text, sizeof text, "にＥＸＣＥＬ形式で%lld件保存しました。", count);
            m_app.ui.messageBox(path + text, MsgIcon::Information);
        }
        return count;
    }
    long long written = 0;
    std::string error;
    bool ok = false;
    {
        WaitCursorScope wait(m_app.ui);
        ok = ConditionalSave(m_doc, request, path, rowPasses, m_app.ui.progress(), written, error);
    }
    if (!ok) {
        m_app.ui.messageBox(error, MsgIcon::Stop);
        return -1;
    }
    char text[64];
    std::snprintf(text, sizeof text, "ファイルに %lld 件出力しました。", written);
    m_app.ui.messageBox("<" + path + ">" + text, MsgIcon::Information);
    return written;
}

}  // namespace tabrix
