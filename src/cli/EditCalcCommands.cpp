// The numeric column commands of tabrix-cli edit: col-calc, autofill and
// col-sort, and what their options fill in.
#include "cli/EditCommand.h"
#include "cli/EditSelection.h"
#include "cli/EditWords.h"
#include "view/CalcDialogs.h"

namespace tabrix {

namespace {

std::string FillCalc(CCalCol& dlg, const EditArgs& args) {
    std::string error;
    if (!ChooseWord(args, "--op", {"add", "sub", "mul", "div"}, dlg.m_nOperation, error)) return error;
    if (!ChooseWord(args, "--place", {"first", "last", "before", "after"}, dlg.m_nPlace, error)) return error;
    dlg.m_bAbsolute = args.has("--abs");
    if (const auto decimals = args.number("--decimals", 0, CalcRule::kMaxDecimals, error)) {
        dlg.m_nMethod = CCalCol::Decimal;
        dlg.m_nDecimals = *decimals;
    }
    if (!error.empty()) return error;
    dlg.m_strTitle = args.text("--title-text").value_or("");
    return {};
}

std::string FillAutoFill(CAutoFillDlg& dlg, const EditArgs& args) {
    std::string error;
    if (!ChooseWord(args, "--mode", {"clear", "add", "front", "back"}, dlg.m_nMode, error)) return error;
    if (const auto base = args.number("--base", 0, CAutoFillDlg::kMaxValue, error)) dlg.m_nBase = *base;
    if (const auto step = args.number("--step", 0, CAutoFillDlg::kMaxValue, error)) dlg.m_nStep = *step;
    if (const auto digits = args.number("--digits", 1, CAutoFillDlg::kMaxValue, error)) {
        dlg.m_bPad = true;
        dlg.m_nDigits = *digits;
    }
    return error;
}

std::string FillColSort(CColSort& dlg, const EditArgs& args) {
    std::string error;
    if (const auto key = args.number("--key", 1, 65535, error)) dlg.m_nKeyCol = *key;
    if (!error.empty()) return error;
    if (const auto sort = args.text("--sort")) {
        std::vector<std::pair<int, int>> ranges;
        std::vector<int> cols;
        if (ParseNumberList(*sort, ranges))
            for (const auto& [low, high] : ranges)
                for (int col = low; col <= high && cols.size() <= CColSort::kSortColumns; ++col) cols.push_back(col);
        if (cols.empty() || cols.size() > CColSort::kSortColumns)
            return "--sort needs one to four column numbers S1[,S2[,S3[,S4]]]: " + *sort;
        for (std::size_t i = 0; i < CColSort::kSortColumns; ++i) {
            dlg.m_bSortUsed[i] = i < cols.size();
            if (i < cols.size()) dlg.m_nSortCol[i] = cols[i];
        }
    }
    dlg.m_bDescending = args.has("--desc");
    return {};
}

}  // namespace

std::vector<EditCommand> CalcEditCommands() {
    std::vector<EditCommand> commands;
    commands.push_back({"col-calc", CommandId::ColCalc,
                        {{"--op", true}, {"--abs", false}, {"--decimals", true}, {"--place", true},
                         {"--title-text", true}},
                        DialogOptions<CCalCol>(FillCalc),
                        "--cols LIST [--op add|sub|mul|div] [--abs] [--decimals N] "
                        "[--place first|last|before|after] [--title-text T]"});
    commands.push_back({"autofill", CommandId::ColAutoFill,
                        {{"--mode", true}, {"--base", true}, {"--step", true}, {"--digits", true}},
                        DialogOptions<CAutoFillDlg>(FillAutoFill),
                        "--cols C [--mode clear|add|front|back] [--base N] [--step N] [--digits N]"});
    commands.push_back({"col-sort", CommandId::ColSort, {{"--key", true}, {"--sort", true}, {"--desc", false}},
                        DialogOptions<CColSort>(FillColSort), "--cols C [--key K] [--sort S1[,S2[,S3[,S4]]]] [--desc]"});
    return commands;
}

}  // namespace tabrix
