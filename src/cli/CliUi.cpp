#include "cli/CliUi.h"

#include <cstdio>

#include "document/CtrlFile.h"
#include "document/FileOpenDlg.h"
#include "document/workbook/ExcelOptDlg.h"
#include "text/Cp932.h"

namespace tabrix {

void PrintError(std::string_view cp932Text) {
    std::fprintf(stderr, "tabrix-cli: %s\n", Cp932ToUtf8(cp932Text).c_str());
}

MsgResult CliUi::messageBox(std::string_view text, MsgIcon icon, MsgButtons buttons) {
    if (icon == MsgIcon::Stop) ++m_refusals;
    PrintError(text);
    return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes;
}

bool CliUi::answerWorkbookOptions(CExcelOptDlg& options) {
    m_sheetList = options.m_sheets;
    if (m_choices.sheet < 1 || m_choices.sheet > static_cast<int>(options.m_sheets.size())) {
        PrintError("--sheet " + std::to_string(m_choices.sheet) + ": the workbook has " +
                   std::to_string(options.m_sheets.size()) + " sheet(s)");
        return false;
    }
    options.m_nSheet = m_choices.sheet - 1;
    if (m_choices.firstRow) options.m_nFirst = *m_choices.firstRow;
    if (m_choices.lastRow) options.m_nLast = *m_choices.lastRow;
    const std::string failure = options.validate();
    if (!failure.empty()) {
        PrintError(failure);
        return false;
    }
    return true;
}

bool CliUi::runModal(CDialogModel& dialog) {
    auto* open = dynamic_cast<CFileOpen*>(&dialog);
    if (auto* workbook = dynamic_cast<CExcelOptDlg*>(&dialog)) return answerWorkbookOptions(*workbook);
    if (!open) return m_answer && m_answer(dialog);
    const bool fromCtrl = m_ctrl && !m_ctrl->m_strCtrlFile.empty();
    if (m_choices.delimiter) {
        const DelimChoice choice = ChoiceOf(*m_choices.delimiter);
        open->m_nDelim = choice.kind;
        open->m_strOther = std::string(1, choice.other);
    } else if (fromCtrl) {
        const DelimChoice choice = ChoiceOf(m_ctrl->m_cDelim);
        open->m_nDelim = choice.kind;
        open->m_strOther = std::string(1, choice.other);
    }
    // A control file's HEADTITLE= and QUOTE= are already in the dialog; the
    // options can only switch them on.
    open->m_bQuote = open->m_bQuote || m_choices.quote;
    open->m_bTitleLine = open->m_bTitleLine || m_choices.title;
    const std::string failure = open->validate();
    if (!failure.empty()) {
        PrintError(failure);
        return false;
    }
    return true;
}

}  // namespace tabrix
