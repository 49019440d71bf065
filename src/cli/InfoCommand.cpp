// tabrix-cli info FILE: opens the file as the editor does and prints its shape.
#include <cstdio>

#include "cli/CliSession.h"
#include "text/Cp932.h"

namespace tabrix {

int RunInfo(const CliOptions& options) {
    if (options.files.size() != 1) {
        PrintError("usage: tabrix-cli info FILE [--delim csv|tab|space|C] [--quote] [--title] [--encoding sjis|utf8|eucjp] "
                   "[--defdir DIR] [--set NAME=VALUE]... [--sheet N] [--first N] [--last N] [--sheets]");
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    const CTabrixDoc& doc = session.doc();
    if (options.listSheets)
        for (const std::string& sheet : session.ui().sheetList()) std::printf("%s\n", Cp932ToUtf8(sheet).c_str());
    const bool empty = doc.lines().empty();
    std::printf("lines=%zu columns=%d min=%d max=%d delimiter=%s", doc.lines().size(), doc.columnCount(),
                empty ? 0 : doc.m_nMinCols, doc.columnCount(), DelimiterName(doc.m_CtrlFile.m_cDelim).c_str());
    // Shift-JIS, the usual case, is not named.
    if (doc.m_nEncoding != FileEncoding::Sjis) std::printf(" encoding=%s", EncodingName(doc.m_nEncoding));
    std::printf("\n");
    return kExitOk;
}

}  // namespace tabrix
