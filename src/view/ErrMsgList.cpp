#include "view/ErrMsgList.h"

#include <cstdio>

#include "document/FileWriter.h"
#include "document/TabrixDoc.h"
#include "text/Record.h"
#include "view/TabrixView.h"

namespace tabrix {

void CErrMsgList::clear() {
    m_Records.clear();
    m_Rows.clear();
}

void CErrMsgList::add(CErrMsgInfo info) {
    m_Rows.push_back(m_Records.size());
    m_Records.push_back(std::move(info));
}

std::array<std::string, 4> CErrMsgList::rowTexts(int row) const {
    const CErrMsgInfo& info = rowRecord(row);
    char line[24];
    std::snprintf(line, sizeof line, "%06d", info.m_nLine);
    return {line, info.m_strColText, info.m_strMsg, info.m_strData};
}

bool CErrMsgList::deleteRow(int row) {
    if (row < 0 || row >= rowCount()) return false;
    m_Rows.erase(m_Rows.begin() + row);
    return true;
}

bool CErrMsgList::activate(int row) {
    if (row < 0 || row >= rowCount()) return false;
    const CErrMsgInfo& info = rowRecord(row);
    if (info.m_nLine < 1) return false;
    return m_view.ShowLine(static_cast<std::size_t>(info.m_nLine - 1), info.m_nCol);
}

std::string ErrorFileText(const std::vector<CErrMsgInfo>& records, const CTabrixDoc& doc) {
    const std::vector<int>& keyCols = doc.m_CtrlFile.m_KeyCols;
    std::string text;
    std::vector<std::string> fields;
    for (const CErrMsgInfo& info : records) {
        char place[48];
        std::snprintf(place, sizeof place, "【%06d,%04d】 ", info.m_nLine, info.m_nCol);
        text += place;
        text += info.m_strColText;
        text += ':';
        text += info.m_strMsg;
        text += "（";
        if (!keyCols.empty()) {
            fields.clear();
            const std::size_t line = static_cast<std::size_t>(info.m_nLine - 1);
            if (info.m_nLine >= 1 && line < doc.lines().size()) {
                const std::string_view row = doc.lines()[line];
                SplitFields(row, fields, RowFieldCount(row));
            }
            for (int col : keyCols) {
                if (col >= 1 && static_cast<std::size_t>(col) <= fields.size()) text += fields[static_cast<std::size_t>(col - 1)];
                text += ' ';
            }
            text += ':';
        }
        text += info.m_strData;
        text += "）\r\n";
    }
    return text;
}

bool CErrMsgList::WriteErrorFile() {
    AppContext& app = m_view.app();
    FileDialogRequest request;
    request.title = kSaveTitle;
    request.filter = kSaveFilter;
    request.initialDir = app.settings.DefDir;
    request.overwritePrompt = true;
    if (!app.ui.getSaveFileName(request)) return false;
    std::string path = request.fileName;
    if (request.filterIndex == 0 && ExtensionOf(path).empty()) path += ".txt";

    WaitCursorScope wait(app.ui);
    CFileWriter writer;
    bool written = writer.open(path);
    if (written) {
        writer.write(ErrorFileText(m_Records, m_view.document()));
        written = writer.commit();
    }
    if (!written) {
        app.ui.messageBox(path + " ファイルに書き込み出来ません。", MsgIcon::Stop);
        return false;
    }
    app.ui.messageBox("<" + path + ">ファイルに " + std::to_string(m_Records.size()) + " 件出力しました。",
                      MsgIcon::Information);
    return true;
}

}  // namespace tabrix
