#include "document/workbook/ExcelOutput.h"

#include <cstdio>

#include "document/workbook/WorkbookReader.h"

namespace tabrix {

std::string ExcelSavedMessage(const std::string& path, int count) {
    return path + "にＥＸＣＥＬ形式で" + std::to_string(count) + "件保存しました。";
}

std::string CannotWriteMessage(const std::string& path) { return path + " ファイルに書き込み出来ません。"; }

CExcelOutput::CExcelOutput(IUserInterface& ui, std::string path) : m_ui(ui), m_path(std::move(path)) {}

bool CExcelOutput::begin(int columnCount) {
    if (columnCount > kWorkbookColumns &&
        m_ui.messageBox(kTooManyColumns, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    m_writer = CreateWorkbookWriter(m_path);
    if (!m_writer || !m_writer->open(m_path)) {
        m_writer.reset();
        m_ui.messageBox(CannotWriteMessage(m_path), MsgIcon::Stop);
        return false;
    }
    return true;
}

bool CExcelOutput::addRow(std::span<const std::string> fields) {
    if (!m_writer || m_rows >= m_writer->rowLimit()) return false;
    m_writer->addRow(fields.first(std::min<std::size_t>(fields.size(), kWorkbookColumns)));
    ++m_rows;
    if (m_rows == kQuestionRow) {
        char text[128];
        std::snprintf(text, sizeof text, "出力データが%d行以上になりました。継続しますか？", kQuestionRow);
        if (m_ui.messageBox(text, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return false;
    }
    // Rows past the format's last row could not be written, so they are not asked for.
    return m_rows < m_writer->rowLimit();
}

int CExcelOutput::finish() {
    if (!m_writer) return -1;
    const bool saved = CommitWorkbook(*m_writer, m_path, m_ui);
    m_writer.reset();
    return saved ? m_rows : -1;
}

bool CommitWorkbook(IWorkbookWriter& writer, const std::string& path, IUserInterface& ui) {
    if (!writer.commit()) {
        ui.messageBox(CannotWriteMessage(path), MsgIcon::Stop);
        return false;
    }
    const std::int64_t cut = writer.cutFields();
    const std::int64_t bad = writer.badBytes();
    if (cut > 0 || bad > 0) {
        std::string text = "EXCEL形式で保存できないデータを変更しました。";
        char line[160];
        if (cut > 0) {
            std::snprintf(line, sizeof line, "\n・32767文字を超えるセルを切り詰め：%lld セル", static_cast<long long>(cut));
            text += line;
        }
        if (bad > 0) {
            std::snprintf(line, sizeof line, "\n・シフトJISとして正しくないバイトを「?」に置換：%lld バイト",
                          static_cast<long long>(bad));
            text += line;
        }
        ui.messageBox(text, MsgIcon::Information);
    }
    return true;
}

}  // namespace tabrix
