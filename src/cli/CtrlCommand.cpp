// tabrix-cli ctrl IN OUT: opens IN as info does and runs "制御ファイル設定"
// over it as a user would: --keycol types the key columns, --dupcheck ticks
// the duplicate check, each --virtual-after N opens "項目設定", shows column
// N, presses "仮想項目追加" and OK; then OK, answering Yes to the save
// question with OUT as the control file. --attr-lines presses "項目属性自動設定"
// first, with the lines of names, types, digits and decimal digits (-1 or
// left out: not used). A refusal writes nothing.
#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/CliSession.h"
#include "cli/EditCommand.h"
#include "schema/CtrlColDlg.h"
#include "schema/MakeCtrlDlg.h"
#include "text/Cp932.h"
#include "text/Record.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kUsage =
    "usage: tabrix-cli ctrl IN OUT [--delim csv|tab|space|C] [--quote] [--title] [--defdir DIR] [--set NAME=VALUE]... "
    "[--keycol LIST] [--dupcheck] [--attr-lines NAME[,TYPE[,DIGITS[,DECIMALS]]]] [--virtual-after N]...";

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), error) && !error;
}

// The columns of every --virtual-after in order; false after the message.
bool ReadVirtualAfter(const CliOptions& options, std::vector<int>& after) {
    std::string error;
    for (const auto& [name, value] : options.commandOptions) {
        if (name != "--virtual-after") continue;
        const std::vector<std::pair<std::string, std::string>> one{{name, value}};
        const std::optional<int> n = EditArgs(one).number(name, 1, CCtrlColDlg::kMaxColumns, error);
        if (!n) {
            PrintError(error);
            return false;
        }
        after.push_back(*n);
    }
    return true;
}

}  // namespace

int CtrlOptionArity(std::string_view name) {
    if (name == "--keycol" || name == "--virtual-after" || name == "--attr-lines") return 1;
    if (name == "--dupcheck") return 0;
    return -1;
}

int RunCtrl(const CliOptions& options) {
    if (options.files.size() != 2) {
        PrintError(kUsage);
        return kExitFailure;
    }
    const std::string& in = options.files[0];
    const std::string& out = options.files[1];
    const EditArgs args(options.commandOptions);
    std::vector<int> virtualAfter;
    if (!ReadVirtualAfter(options, virtualAfter)) return kExitFailure;

    CliSession session(options);
    if (!session.open(in)) return kExitFailure;
    CTabrixDoc& doc = session.doc();
    if (SameFile(in, out) || SameFile(doc.dataFileName(), out)) {
        PrintError("OUT must not be IN nor the data file: " + out);
        return kExitFailure;
    }

    CTabrixView& view = session.view();
    CliUi& ui = session.ui();
    std::size_t nextVirtual = 0;
    bool answered = true;
    bool saved = false;
    ui.setDialogAnswer([&](CDialogModel& dialog) {
        if (auto* columns = dynamic_cast<CCtrlColDlg*>(&dialog)) {
            const int col = virtualAfter[nextVirtual++];
            if (col > columns->columnCount()) {
                PrintError("--virtual-after: the schema has " + std::to_string(columns->columnCount()) + " columns");
                answered = false;
                return false;
            }
            if (col != columns->m_nCol && !columns->goTo(col, ui)) return false;
            return columns->addVirtual(ui) && columns->onOk(ui);
        }
        if (auto* attributes = dynamic_cast<CColAttrReadDlg*>(&dialog)) {
            std::vector<int> lines;
            ParseIntList(args.text("--attr-lines").value_or(std::string()), lines);
            if (lines.size() > attributes->m_nLines.size()) {
                PrintError("--attr-lines: at most 4 line numbers");
                answered = false;
                return false;
            }
            std::copy(lines.begin(), lines.end(), attributes->m_nLines.begin());
            if (const std::string refusal = attributes->validate(); !refusal.empty()) {
                PrintError(refusal);
                answered = false;
                return false;
            }
            return true;
        }
        auto* settings = dynamic_cast<CMakeCtrlDlg*>(&dialog);
        if (!settings) return false;
        if (args.has("--attr-lines") && (!settings->readAttributes(ui) || !answered)) return false;
        if (const auto keys = args.text("--keycol")) settings->m_strKeyCols = *keys;
        if (args.has("--dupcheck") && !settings->setDupCheck(true, ui)) return false;
        for (std::size_t i = 0; i < virtualAfter.size(); ++i) {
            const int refusals = ui.refusals();
            if (!settings->editColumns(ui) || !answered || ui.refusals() != refusals) return false;
        }
        doc.m_CtrlFile.m_strCtrlFile = out;
        saved = settings->onOk(ui);
        return saved;
    });
    const int refusalsBefore = ui.refusals();
    view.runCommand(CommandId::CtrlFileEdit);
    return saved && answered && ui.refusals() == refusalsBefore ? kExitOk : kExitFailure;
}

}  // namespace tabrix
