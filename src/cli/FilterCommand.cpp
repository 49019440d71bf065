// tabrix-cli filter FILE [conditions]: the rows the editor's "絞込表示"
// shows, printed as the grid shows them.
#include <cstdio>

#include "cli/CliSession.h"
#include "cli/FilterArgs.h"
#include "text/Cp932.h"
#include "text/Record.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kUsage =
    "usage: tabrix-cli filter FILE [open options] [--ind COL[:lx] TEXT]... [--range COL[:n] between|le|ge|lt|gt V1 [V2]]..."
    " [--dup K1[,K2[,K3]][:d]]... [--no-count]";

}  // namespace

int RunFilter(const CliOptions& options) {
    if (options.files.size() != 1) {
        PrintError(kUsage);
        return kExitFailure;
    }
    CSampleDlg conds;
    bool showCount = true;
    const std::vector<std::string>& args = options.commandArgs;
    for (std::size_t i = 0; i < args.size();) {
        std::string error;
        if (TakeFilterArg(args, i, conds, error)) continue;
        if (!error.empty()) {
            PrintError(error);
            return kExitFailure;
        }
        if (args[i] != "--no-count") {
            PrintError(kUsage);
            return kExitFailure;
        }
        showCount = false;
        ++i;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    MemoryGrid grid;
    CTabrixView view(doc, session.app(), grid);
    // The rows are printed from the store: a page of one row serves the run.
    view.OnInitialUpdate(1);

    CSampleDlg& dlg = view.filterConditions();
    const int maxCols = doc.columnCount();
    conds.m_bShowCount = showCount;
    dlg = conds;
    dlg.m_nMaxCols = maxCols;
    if (const std::string refusal = dlg.validate(); !refusal.empty()) {
        PrintError(refusal);
        return kExitFailure;
    }
    dlg.buildSearchLists();
    view.m_bFilter = dlg.anyEnabled();

    // The rows of every page in store order, without filling a grid that large.
    const CLineStore& lines = doc.lines();
    const std::size_t first = doc.m_bTitleLine && !lines.empty() ? 1 : 0;
    view.ResetFilterWorkLists();
    std::vector<std::string> fields;
    std::string out;
    long long shown = 0;
    char number[24];
    for (std::size_t i = first; i < lines.size(); ++i) {
        SplitFields(lines[i], fields, std::max(maxCols, RowFieldCount(lines[i])));
        if (!view.RowPasses(fields)) continue;
        ++shown;
        view.ToDisplayFields(fields);
        out.append(number, static_cast<std::size_t>(std::snprintf(number, sizeof number, "%06zu", i + 1)));
        for (const std::string& field : fields) {
            out += kTab;
            out += field;
        }
        out += "\r\n";
        if (out.size() > (1u << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0) return kExitFailure;
    if (view.m_bFilter && showCount)
        std::fprintf(stderr, "%s\n", Cp932ToUtf8("絞込 " + std::to_string(shown) + "行").c_str());
    return kExitOk;
}

}  // namespace tabrix
