// The column commands of tabrix-cli edit: what their options fill in.
#include <algorithm>
#include <cstdlib>

#include "cli/EditCommand.h"
#include "view/RowColDialogs.h"

namespace tabrix {

namespace {

std::string Missing(const char* option) { return std::string(option) + " is needed"; }

std::string FillTitle(CTitleEditDlg& dlg, const EditArgs& args) {
    const auto text = args.text("--text");
    if (!text) return Missing("--text");
    dlg.m_strTitle = *text;
    return {};
}

std::string FillCopy(CColCopyDlg& dlg, const EditArgs& args) {
    std::string error;
    const auto dest = args.number("--to", 1, CColCopyDlg::kMaxColumn, error);
    if (!dest) return error.empty() ? Missing("--to") : error;
    dlg.m_nDest = *dest;
    return {};
}

std::string FillReplace(CReplaceDlg& dlg, const EditArgs& args) {
    dlg.m_strFind = args.text("--find").value_or("");
    dlg.m_strWith = args.text("--with").value_or("");
    if (args.has("--unconditional")) dlg.setUnconditional(true);
    if (args.has("--nonempty")) dlg.setNonEmptyOnly(true);
    return {};
}

std::string FillInsert(CColInsertDlg& dlg, const EditArgs& args) {
    std::string error;
    if (const auto count = args.number("--count", 1, CColInsertDlg::kMaxCount, error)) dlg.m_nCount = *count;
    dlg.m_strTitle = args.text("--title-text").value_or("");
    dlg.m_strValue = args.text("--value").value_or("");
    return error;
}

std::string FillMerge(CMargeWay& dlg, const EditArgs& args) {
    const std::string direction = args.text("--direction").value_or("left");
    if (direction == "left")
        dlg.m_nDirection = CMargeWay::LeftFromRight;
    else if (direction == "right")
        dlg.m_nDirection = CMargeWay::RightFromLeft;
    else
        return "--direction needs left or right: " + direction;
    const std::string sep = args.text("--sep").value_or("none");
    if (sep == "none") {
        dlg.m_nSeparator = CMargeWay::None;
    } else if (sep == "space") {
        dlg.m_nSeparator = CMargeWay::HalfSpace;
    } else if (sep == "zenspace") {
        dlg.m_nSeparator = CMargeWay::FullSpace;
    } else {
        dlg.m_nSeparator = CMargeWay::Other;
        dlg.m_strOther = sep;
    }
    return {};
}

std::string FillSplit(CSplitOpt& dlg, const EditArgs& args) {
    if (args.has("--sep") && args.has("--bytes")) return "--sep and --bytes exclude each other";
    std::string error;
    if (const auto bytes = args.number("--bytes", 1, CSplitOpt::kMaxBytes, error)) {
        dlg.m_nSeparator = CSplitOpt::Bytes;
        dlg.m_nBytes = *bytes;
    }
    if (!error.empty()) return error;
    if (const auto sep = args.text("--sep")) {
        static constexpr std::pair<const char*, int> kNames[] = {
            {"csv", CSplitOpt::Csv}, {"tab", CSplitOpt::Tab}, {"space", CSplitOpt::HalfSpace},
            {"zenspace", CSplitOpt::FullSpace}};
        dlg.m_nSeparator = CSplitOpt::Other;
        dlg.m_strOther = *sep;
        for (const auto& [word, kind] : kNames)
            if (*sep == word) dlg.m_nSeparator = kind;
    }
    dlg.m_bRepeat = args.has("--repeat");
    return {};
}

std::string FillReorder(CColOrderDlg& dlg, const EditArgs& args) {
    const auto order = args.text("--order");
    if (!order) return Missing("--order");
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start <= order->size()) {
        const std::size_t comma = std::min(order->find(',', start), order->size());
        const std::string piece = order->substr(start, comma - start);
        char* end = nullptr;
        const long n = std::strtol(piece.c_str(), &end, 10);
        if (piece.empty() || *end != '\0' || n < 1 || n > 65535) return "--order needs column numbers P1,P2,...: " + *order;
        numbers.push_back(static_cast<int>(n));
        start = comma + 1;
    }
    dlg.m_Order = numbers;
    return {};
}

}  // namespace

std::vector<EditCommand> ColumnEditCommands() {
    std::vector<EditCommand> commands;
    commands.push_back({"col-title", CommandId::ColTitleEdit, {{"--text", true}},
                        DialogOptions<CTitleEditDlg>(FillTitle), "--cols C --text T"});
    commands.push_back({"col-copy", CommandId::ColCopy, {{"--to", true}}, DialogOptions<CColCopyDlg>(FillCopy),
                        "--cols S --to D"});
    commands.push_back({"col-replace", CommandId::ColReplace,
                        {{"--find", true}, {"--with", true}, {"--unconditional", false}, {"--nonempty", false}},
                        DialogOptions<CReplaceDlg>(FillReplace),
                        "--cols LIST [--find S] [--with R] [--unconditional] [--nonempty]"});
    commands.push_back({"col-insert", CommandId::ColInsert,
                        {{"--count", true}, {"--title-text", true}, {"--value", true}},
                        DialogOptions<CColInsertDlg>(FillInsert), "--cols A [--count N] [--title-text T] [--value V]"});
    commands.push_back({"col-delete", CommandId::ColDelete, {}, {}, "--cols LIST"});
    commands.push_back({"col-clear", CommandId::ColClear, {}, {}, "--cols LIST"});
    commands.push_back({"col-merge", CommandId::ColMerge, {{"--direction", true}, {"--sep", true}},
                        DialogOptions<CMargeWay>(FillMerge),
                        "--cols A-B [--direction left|right] [--sep none|space|zenspace|TEXT]"});
    commands.push_back({"col-split", CommandId::ColSplit, {{"--sep", true}, {"--bytes", true}, {"--repeat", false}},
                        DialogOptions<CSplitOpt>(FillSplit),
                        "--cols C [--sep csv|tab|space|zenspace|TEXT | --bytes N] [--repeat]"});
    commands.push_back({"col-align", CommandId::ColAlign, {}, {}, ""});
    commands.push_back({"col-reorder", CommandId::ColReorder, {{"--order", true}},
                        DialogOptions<CColOrderDlg>(FillReorder), "--order P1,P2,..."});
    return commands;
}

}  // namespace tabrix
