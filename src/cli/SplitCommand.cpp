// tabrix-cli split IN OUT: the editor's "ﾌｧｲﾙ分割保存" with the dialog's
// fields as options.
#include <algorithm>
#include <cstdlib>

#include "cli/CliSession.h"
#include "cli/FilterArgs.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kUsage =
    "usage: tabrix-cli split IN OUT [open options] [--files N] [--key LIST [--per-key]] [--title-each]"
    " [--out-delim csv|tab|space|C]";

struct SplitArgs {
    int files = 1;
    std::vector<int> keys;
    bool perKey = false;
    bool titleEach = false;
};

bool ParseSplitArgs(const std::vector<std::string>& args, SplitArgs& split) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--files") {
            char* end = nullptr;
            const long n = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || args[i].empty() || n < -1 || n > 0x7FFFFFFF) return false;
            split.files = static_cast<int>(n);
        } else if (arg == "--key") {
            if (!ParseColumnList(args[++i], split.keys)) return false;
        } else if (arg == "--per-key") {
            split.perKey = true;
        } else if (arg == "--title-each") {
            split.titleEach = true;
        } else {
            return false;
        }
    }
    return !split.perKey || !split.keys.empty();
}

}  // namespace

int RunSplit(const CliOptions& options) {
    SplitArgs split;
    if (options.files.size() != 2 || options.outExcel || !ParseSplitArgs(options.commandArgs, split)) {
        PrintError(kUsage);
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    if (doc.lines().empty()) return kExitOk;
    MemoryGrid grid;
    CTabrixView view(doc, session.app(), grid);
    // Nothing is shown: a page of one row serves the run.
    view.OnInitialUpdate(1);

    std::vector<int> keys = split.keys;
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    CDivOptDlg dlg;
    dlg.init(doc.m_CtrlFile.m_cDelim, doc.dataFileName(), keys, static_cast<long long>(doc.lines().size()),
             doc.m_bTitleLine);
    if (!keys.empty()) dlg.setMode(1);
    dlg.m_nFiles = split.files;
    if (split.perKey) dlg.setPerKey(true);
    dlg.m_nTitle = split.titleEach && doc.m_bTitleLine ? 1 : 0;
    if (options.outDelimiter) {
        const char d = *options.outDelimiter;
        dlg.m_nDelim = d == ',' ? CDivOptDlg::Csv : d == '\t' ? CDivOptDlg::Tab : d == ' ' ? CDivOptDlg::Space : CDivOptDlg::Other;
        dlg.m_strOther.assign(1, d);
    }
    dlg.m_strOutFile = options.files[1];
    if (const std::string refusal = dlg.validate(); !refusal.empty()) {
        PrintError(refusal);
        return kExitFailure;
    }
    return view.RunSplitSave(dlg) ? kExitOk : kExitFailure;
}

}  // namespace tabrix
