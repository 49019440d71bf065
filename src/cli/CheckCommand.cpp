// tabrix-cli check CTRL: opens the control file's data as info does, runs the
// editor's data check over it and lists the findings as the error file does.
#include <cstdio>

#include "cli/CliSession.h"
#include "document/FileWriter.h"
#include "text/Cp932.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

bool WriteFindings(const std::string& target, const std::string& text) {
    if (target == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0;
    }
    CFileWriter writer;
    if (writer.open(target)) {
        writer.write(text);
        if (writer.commit()) return true;
    }
    PrintError(target + " ファイルに書き込み出来ません。");
    return false;
}

}  // namespace

int RunCheck(const CliOptions& options) {
    if (options.files.size() != 1) {
        PrintError("usage: tabrix-cli check CTRL [--errors FILE|-] [--fix OUT] [--defdir DIR] [--set NAME=VALUE]...");
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    if (!doc.m_CtrlFile.m_bLoaded) {
        PrintError("check needs a control file (.ctrl): " + options.files[0]);
        return kExitFailure;
    }

    MemoryGrid grid;
    CTabrixView view(doc, session.app(), grid);
    // Nothing is shown: a page of one row serves the check.
    view.OnInitialUpdate(1);
    view.RunDataCheck();
    const std::vector<CErrMsgInfo>& findings = view.errorList().records();
    if (options.errorsFile && !WriteFindings(*options.errorsFile, ErrorFileText(findings, doc))) return kExitFailure;
    std::fprintf(stderr, "%s\n", Cp932ToUtf8(std::to_string(findings.size()) + "件のエラー").c_str());

    if (options.fixFile) {
        const char delimiter = options.outDelimiter.value_or(doc.m_CtrlFile.m_cDelim);
        const bool quote = options.outQuote.value_or(doc.m_CtrlFile.m_bQuote);
        if (!doc.StoreLines(*options.fixFile, delimiter, quote, OutputEncoding(options, doc.m_nEncoding))) {
            PrintError(doc.m_CtrlFile.m_strError);
            return kExitFailure;
        }
    }
    return findings.empty() ? kExitOk : kExitFindings;
}

}  // namespace tabrix
