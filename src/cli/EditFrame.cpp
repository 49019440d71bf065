// tabrix-cli edit COMMAND IN OUT: opens IN as the editor does, selects what
// --lines and --cols name on one small page of an in-memory grid, runs the
// editor's command through the view with its dialog answered from the
// options, and writes OUT as "名前を付けて保存" would. A refusal writes nothing.
#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/CliSession.h"
#include "cli/EditCommand.h"
#include "cli/EditSelection.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kUsage =
    "usage: tabrix-cli edit COMMAND IN OUT [open options] [--lines LIST] [--cols LIST] [command options] "
    "[--out-delim csv|tab|space|C] [--out-quote|--out-no-quote] [--ctrl-out CTRL] [--undo [--redo]]";

void PrintCommands() {
    std::string list = "commands:";
    for (const EditCommand& command : EditCommands()) {
        list += "\n  ";
        list += command.name;
        if (!command.usage.empty()) list += " " + std::string(command.usage);
    }
    PrintError(list);
}

// The options given that neither the frame nor the command knows.
std::string StrayOption(const EditCommand& command, const CliOptions& options) {
    for (const auto& [name, value] : options.commandOptions) {
        if (name == "--lines" || name == "--cols" || name == "--ctrl-out" || name == "--undo" || name == "--redo")
            continue;
        const bool known = std::any_of(command.options.begin(), command.options.end(),
                                       [&](const EditOption& option) { return option.name == name; });
        if (!known) return name;
    }
    return {};
}

struct Selection {
    bool linesGiven = false;
    std::vector<long long> lines;  // 1-based line numbers, in the order given
    std::vector<std::pair<int, int>> cols;
};

bool ReadSelection(const EditArgs& args, Selection& selection) {
    std::vector<std::pair<int, int>> ranges;
    if (const auto lines = args.text("--lines")) {
        if (!ParseNumberList(*lines, ranges)) {
            PrintError("--lines needs N, A-B or a comma list of these: " + *lines);
            return false;
        }
        selection.linesGiven = true;
        for (const auto& [low, high] : ranges)
            for (long long n = low; n <= high; ++n) selection.lines.push_back(n);
    }
    if (const auto cols = args.text("--cols")) {
        if (!ParseNumberList(*cols, selection.cols)) {
            PrintError("--cols needs N, A-B or a comma list of these: " + *cols);
            return false;
        }
    }
    return true;
}

bool SaveOutput(CliSession& session, const CliOptions& options, const std::string& out) {
    CTabrixDoc& doc = session.doc();
    CCtrlFile& cf = doc.m_CtrlFile;
    const char delimiter = options.outDelimiter.value_or(cf.m_cDelim);
    const bool quote = options.outQuote.value_or(cf.m_bQuote);
    if (!doc.StoreLines(out, delimiter, quote, OutputEncoding(options, doc.m_nEncoding))) {
        PrintError(cf.m_strError);
        return false;
    }
    const std::optional<std::string> ctrlOut = EditArgs(options.commandOptions).text("--ctrl-out");
    if (!ctrlOut) return true;
    // The control file describes the data file just written, as after "名前を付けて保存".
    doc.setDataFileName(out);
    if (delimiter == ',' || delimiter == '\t' || delimiter == ' ') cf.m_cDelim = delimiter;
    cf.m_bQuote = quote;
    cf.m_strCtrlFile = *ctrlOut;
    if (!cf.SaveCtrlFile(session.app())) return false;
    cf.m_bModified = false;
    return true;
}

}  // namespace

int RunEdit(const CliOptions& options) {
    if (options.files.size() != 3) {
        PrintError(kUsage);
        PrintCommands();
        return kExitFailure;
    }
    const std::string& name = options.files[0];
    const EditCommand* command = FindEditCommand(name);
    if (!command) {
        PrintError("unknown edit command: " + name);
        PrintCommands();
        return kExitFailure;
    }
    if (const std::string stray = StrayOption(*command, options); !stray.empty()) {
        PrintError("unknown option for " + name + ": " + stray);
        return kExitFailure;
    }
    const EditArgs args(options.commandOptions);
    Selection selection;
    if (!ReadSelection(args, selection)) return kExitFailure;
    CommandId id = command->id;
    if (command->dialog.choose) {
        std::string error;
        id = command->dialog.choose(args, error);
        if (id == CommandId::None) {
            PrintError(error);
            return kExitFailure;
        }
    }
    if (command->dialog.check) {
        if (const std::string error = command->dialog.check(args); !error.empty()) {
            PrintError(error);
            return kExitFailure;
        }
    }

    CliSession session(options);
    if (!session.open(options.files[1])) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    if (args.has("--ctrl-out") && !doc.m_CtrlFile.m_bLoaded) {
        PrintError("--ctrl-out needs a control file (.ctrl) as IN");
        return kExitFailure;
    }
    for (const auto& [low, high] : selection.cols) {
        if (high > doc.columnCount()) {
            PrintError("--cols: the file has " + std::to_string(doc.columnCount()) + " columns");
            return kExitFailure;
        }
    }

    // One page that holds the selected lines: the grid of a batch run stays small.
    const long long titleLines = doc.m_bTitleLine && !doc.lines().empty() ? 1 : 0;
    std::vector<long long> dataRows;
    for (long long line : selection.lines) {
        const long long row = line - titleLines;
        if (row >= 1 && static_cast<unsigned long long>(line) <= doc.lines().size()) dataRows.push_back(row);
    }
    const EditPage page = PageHolding(dataRows);
    session.app().settings.Psize = page.size;
    MemoryGrid grid;
    CTabrixView view(doc, session.app(), grid);
    view.OnInitialUpdate();
    if (grid.rowCount() != page.size + view.m_nFixedRows) {
        PrintError("the selected lines do not fit into one page of the grid");
        return kExitFailure;
    }
    if (page.number != 1) view.selectPage(page.number);
    SelectCells(grid, selection.lines, selection.linesGiven, selection.cols, page.size);

    if (command->dialog.prepare) {
        if (const std::string error = command->dialog.prepare(view, args); !error.empty()) {
            PrintError(error);
            return kExitFailure;
        }
    }
    CommandState state;
    view.commandState(id, state);
    if (!state.enabled) {
        PrintError("command not available: " + name);
        return kExitFailure;
    }
    CliUi& ui = session.ui();
    bool answered = true;
    ui.setDialogAnswer([&](CDialogModel& dialog) {
        const std::string error = command->dialog.fill ? command->dialog.fill(dialog, args)
                                                       : "the command opened a dialog its options do not answer";
        if (!error.empty()) {
            PrintError(error);
            answered = false;
            return false;
        }
        if (dialog.refusesSilently()) {
            PrintError("the dialog's OK does nothing with these options");
            answered = false;
            return false;
        }
        return AcceptDialog(ui, dialog);
    });
    const int refusalsBefore = ui.refusals();
    // One command with no way back: a journal would only keep the old rows.
    if (!args.has("--undo")) session.doc().lines().setJournal(nullptr);
    view.runCommand(id);
    if (!answered || ui.refusals() != refusalsBefore) return kExitFailure;
    // Test hooks of the undo journal: the command taken back, and done again.
    if (args.has("--undo")) view.runCommand(CommandId::EditUndo);
    if (args.has("--redo")) view.runCommand(CommandId::EditRedo);
    if (!SaveOutput(session, options, options.files[2])) return kExitFailure;
    if (command->report) {
        const std::string report = command->report(view);
        if (!report.empty()) std::printf("%s\n", report.c_str());
    }
    return kExitOk;
}

}  // namespace tabrix
