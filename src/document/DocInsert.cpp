#include <algorithm>
#include <climits>
#include <cstdio>

#include "document/FileErrors.h"
#include "document/LineReader.h"
#include "document/TabrixDoc.h"
#include "text/Record.h"
#include "text/SpaceMark.h"

namespace tabrix {

bool CTabrixDoc::OnInsertFile(std::size_t afterLine) {
    FileDialogRequest request;
    request.title = kInsertTitle;
    request.filter = kInsertFilter;
    if (!m_app.ui.getOpenFileName(request)) return false;
    return InsertFile(request.fileName, afterLine);
}

bool CTabrixDoc::InsertFile(const std::string& path, std::size_t afterLine) {
    CCtrlFile& cf = m_CtrlFile;
    IUserInterface& ui = m_app.ui;
    CLineReader reader;
    if (!reader.open(path)) {
        ui.messageBox(path + " ファイルのオープンが出来ませんでした。", MsgIcon::Stop);
        return false;
    }

    // The lines are read in full before the store is touched, so a refusal or
    // a read error leaves the document as it was.
    std::vector<std::string> rows;
    int narrowest = INT_MAX;
    int widest = 0;
    std::size_t dropped = 0;
    const char* clash = nullptr;  // the mark the file holds as data
    bool read;
    {
        ProgressScope progress(ui.progress(), "データ読込", reader.fileSize());
        std::int64_t done = 0;
        read = reader.forEachLine([&](char* line, std::size_t length) {
            done += static_cast<std::int64_t>(length) + 1;
            std::string row(line, length);
            // The document already holds its marks as spaces: a file that
            // holds them as data cannot join it without changing on saving.
            if (m_bHanspDisp && HalfMarkClashes(row, m_strHanspChar[0])) clash = m_strHanspChar.c_str();
            if (m_bZenspDisp && FullMarkClashes(row, m_strZenspChar)) clash = m_strZenspChar.c_str();
            if (clash) return false;
            spacesToMarks(row);
            const int n = CountFields(row, cf.m_cDelim, true, cf.m_bQuote, dropped);
            narrowest = std::min(narrowest, n);
            widest = std::max(widest, n);
            rows.push_back(std::move(row));
            if ((rows.size() & 0xFFF) == 0) progress.setPos(done);
            return true;
        });
    }
    if (!read) {
        ui.messageBox(ReadFailedMessage(path, reader.error()), MsgIcon::Stop);
        return false;
    }
    if (clash) {
        char message[512];
        std::snprintf(message, sizeof message, kMarkInInsertedFile, clash);
        ui.messageBox(message, MsgIcon::Stop);
        return false;
    }
    // An empty file has nothing to insert and nothing to ask about.
    if (rows.empty()) return false;

    if (widest != cf.m_nMaxCols || widest != narrowest) {
        char question[128];
        std::snprintf(question, sizeof question, "項目数が異なります（最小：%d,最大：%d）読み込みますか？\n",
                      narrowest, widest);
        if (ui.messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return false;
    }

    if (dropped > 0) {
        char notice[256];
        std::snprintf(notice, sizeof notice, kDroppedInQuotes, static_cast<unsigned long long>(dropped));
        ui.messageBox(notice, MsgIcon::Information);
    }
    cf.m_Lines.insert(std::min(afterLine + 1, cf.m_Lines.size()), rows);
    cf.m_nMaxCols = std::max(cf.m_nMaxCols, widest);
    if (widest != cf.m_nMaxCols || widest != narrowest) {
        int minCols = 0;
        int maxCols = 0;
        AlignColumns(minCols, maxCols);
    }
    return true;
}

}  // namespace tabrix
