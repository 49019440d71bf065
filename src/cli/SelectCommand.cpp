// tabrix-cli select IN OUT: the editor's "条件付き保存" with the dialog's
// fields as options; row conditions in the filter syntax switch the filter on.
#include "cli/CliSession.h"
#include "cli/FilterArgs.h"
#include "text/Cp932.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kUsage =
    "usage: tabrix-cli select IN OUT [open options] [--columns LIST] [--search COL[:lx] TEXT | filter conditions]"
    " [--out-delim csv|tab|space|excel|C] [--no-title-out] [--virtual]";

struct SelectArgs {
    std::vector<int> columns;
    bool search = false;
    int searchCol = 1;
    std::string searchFlags;
    std::string searchText;  // code page 932
    CSampleDlg conds;
    bool titleOut = true;
    bool virtualOut = false;
};

bool ParseSelectArgs(const std::vector<std::string>& args, SelectArgs& select, std::string& error) {
    for (std::size_t i = 0; i < args.size();) {
        if (TakeFilterArg(args, i, select.conds, error)) continue;
        if (!error.empty()) return false;
        const std::string& arg = args[i];
        if (arg == "--columns") {
            if (!ParseColumnList(args[i + 1], select.columns)) return false;
            i += 2;
        } else if (arg == "--search") {
            const std::string& spec = args[i + 1];
            const std::size_t colon = spec.find(':');
            select.searchFlags = colon == std::string::npos ? std::string() : spec.substr(colon + 1);
            std::vector<int> col;
            if (!ParseColumnList(spec.substr(0, colon), col) || col.size() != 1 ||
                select.searchFlags.find_first_not_of("lx") != std::string::npos)
                return false;
            if (!Utf8ToCp932(args[i + 2], select.searchText)) {
                error = "not representable in Shift-JIS: " + args[i + 2];
                return false;
            }
            select.search = true;
            select.searchCol = col[0];
            i += 3;
        } else if (arg == "--no-title-out") {
            select.titleOut = false;
            ++i;
        } else if (arg == "--virtual") {
            select.virtualOut = true;
            ++i;
        } else {
            return false;
        }
    }
    return !(select.search && select.conds.anyEnabled());
}

int FormatOf(const CliOptions& options, std::string& other) {
    if (options.outExcel) return CSaveOpt::Excel;
    switch (const char d = *options.outDelimiter) {
        case ',': return CSaveOpt::Csv;
        case '\t': return CSaveOpt::Tab;
        case ' ': return CSaveOpt::Space;
        default: other.assign(1, d); return CSaveOpt::Other;
    }
}

}  // namespace

int RunSelect(const CliOptions& options) {
    SelectArgs select;
    std::string error;
    if (options.files.size() != 2 || !ParseSelectArgs(options.commandArgs, select, error)) {
        PrintError(error.empty() ? kUsage : error);
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

    if (!ApplyFilterArgs(view, select.conds)) return kExitFailure;
    // The columns are chosen as in the grid: the selection, in column order.
    for (const int col : select.columns) {
        if (col < 1 || col > doc.columnCount()) {
            PrintError("--columns: no column " + std::to_string(col));
            return kExitFailure;
        }
        grid.addSelectedRange({1, col, 1, col});
    }

    CSaveOpt& opt = view.saveOptions();
    opt.prepareForUse(doc.m_CtrlFile.m_cDelim, doc.dataFileName(), static_cast<int>(view.GetSelectedColumns().size()),
                      view.m_bFilter, doc.m_bTitleLine, doc.m_CtrlFile.m_bLoaded, doc.columnCount());
    opt.m_nColMode = select.columns.empty() ? 0 : 1;
    opt.m_nRowMode = select.search ? 1 : view.m_bFilter ? 2 : 0;
    opt.m_nSearchCol = select.searchCol;
    opt.m_strSearch = select.searchText;
    opt.m_nSearchType = select.searchFlags.find('l') == std::string::npos ? 1 : 0;
    opt.m_nExtract = select.searchFlags.find('x') == std::string::npos ? 0 : 1;
    if (options.outDelimiter || options.outExcel) opt.m_nFormat = FormatOf(options, opt.m_strOther);
    opt.m_bTitle = opt.m_bTitle && select.titleOut;
    opt.m_bVirtual = select.virtualOut && opt.virtualAllowed();
    opt.m_strOutFile = options.files[1];
    if (const std::string refusal = opt.validate(); !refusal.empty()) {
        PrintError(refusal);
        return kExitFailure;
    }
    return view.RunConditionalSave(opt) >= 0 ? kExitOk : kExitFailure;
}

}  // namespace tabrix
