// tabrix-cli save IN OUT: opens IN as info does and writes OUT as Save As
// would, or, when OUT names a workbook, as conditional save writes one with
// every column and every line.
#include "cli/CliSession.h"
#include "document/ConditionalSave.h"
#include "document/workbook/ExcelOutput.h"
#include "document/workbook/WorkbookWriter.h"

namespace tabrix {

namespace {

int SaveWorkbook(CTabrixDoc& doc, const std::string& out, IUserInterface& ui) {
    SelectRequest request;
    for (int col = 1; col <= doc.columnCount(); ++col) request.columns.push_back(col);
    request.titleOut = doc.m_bTitleLine;
    const long long written = SaveSelectionWorkbook(doc, request, out, [](const auto&) { return true; }, ui);
    if (written < 0) return kExitFailure;
    ui.messageBox(ExcelSavedMessage(out, static_cast<int>(written)), MsgIcon::Information, MsgButtons::Ok);
    return kExitOk;
}

}  // namespace

int RunSave(const CliOptions& options) {
    if (options.files.size() != 2) {
        PrintError("usage: tabrix-cli save IN OUT [options] [--out-delim csv|tab|space|C] [--out-quote|--out-no-quote] [--out-encoding sjis|utf8|utf8-bom]");
        return kExitFailure;
    }
    const std::string& out = options.files[1];
    if (options.outExcel) {
        PrintError("save writes a workbook when OUT ends in .xls or .xlsx; --out-delim excel is for select");
        return kExitFailure;
    }
    if (IsWorkbookName(out) && (options.outDelimiter || options.outQuote)) {
        PrintError("--out-delim and --out-quote do not apply to a workbook (.xls, .xlsx): " + out);
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    if (IsWorkbookName(out)) return SaveWorkbook(doc, out, session.app().ui);
    const char delimiter = options.outDelimiter.value_or(doc.m_CtrlFile.m_cDelim);
    const bool quote = options.outQuote.value_or(doc.m_CtrlFile.m_bQuote);
    if (!doc.StoreLines(out, delimiter, quote, OutputEncoding(options, doc.m_nEncoding))) {
        PrintError(doc.m_CtrlFile.m_strError);
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tabrix
