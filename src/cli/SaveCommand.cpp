// tabrix-cli save IN OUT: opens IN as info does and writes OUT as Save As would.
#include "cli/CliSession.h"

namespace tabrix {

int RunSave(const CliOptions& options) {
    if (options.files.size() != 2) {
        PrintError("usage: tabrix-cli save IN OUT [options] [--out-delim csv|tab|space|C] [--out-quote|--out-no-quote] [--out-encoding sjis|utf8|utf8-bom]");
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    const char delimiter = options.outDelimiter.value_or(doc.m_CtrlFile.m_cDelim);
    const bool quote = options.outQuote.value_or(doc.m_CtrlFile.m_bQuote);
    if (!doc.StoreLines(options.files[1], delimiter, quote, OutputEncoding(options, doc.m_nEncoding))) {
        PrintError(doc.m_CtrlFile.m_strError);
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tabrix
