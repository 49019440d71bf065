// tabrix-cli save IN OUT: opens IN as info does and writes OUT as Save As
// would, or, when OUT names a workbook, as conditional save writes one.
#include "cli/CliSession.h"
#include "document/workbook/ExcelOutput.h"
#include "document/workbook/StoreToWorkbook.h"
#include "document/workbook/WorkbookWriter.h"

namespace tabrix {

int RunSave(const CliOptions& options) {
    if (options.files.size() != 2) {
        PrintError("usage: tabrix-cli save IN OUT [options] [--out-delim csv|tab|space|C] [--out-quote|--out-no-quote]");
        return kExitFailure;
    }
    const std::string& out = options.files[1];
    const bool workbook = IsWorkbookName(out);
    if (workbook && (options.outDelimiter || options.outQuote)) {
        PrintError("--out-delim and --out-quote do not apply to a workbook (.xls, .xlsx): " + out);
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    if (workbook) {
        const int written = WriteStoreToWorkbook(doc, out);
        if (written < 0) return kExitFailure;
        session.app().ui.messageBox(ExcelSavedMessage(out, written), MsgIcon::Information, MsgButtons::Ok);
        return kExitOk;
    }
    const char delimiter = options.outDelimiter.value_or(doc.m_CtrlFile.m_cDelim);
    const bool quote = options.outQuote.value_or(doc.m_CtrlFile.m_bQuote);
    if (!doc.StoreLines(out, delimiter, quote)) {
        PrintError(doc.m_CtrlFile.m_strError);
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tabrix
