#include "cli/FilterArgs.h"

#include <cstdlib>

#include "cli/CliUi.h"
#include "text/Cp932.h"
#include "view/FilterDlg.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

bool ParseNumber(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    value = std::atoi(text.c_str());
    return true;
}

// "COL[:FLAGS]": the column and the flags after the colon.
bool ParseColumnAndFlags(const std::string& text, int& col, std::string& flags, const std::string& allowed) {
    const std::size_t colon = text.find(':');
    flags = colon == std::string::npos ? std::string() : text.substr(colon + 1);
    if (!ParseNumber(text.substr(0, colon), col)) return false;
    return flags.find_first_not_of(allowed) == std::string::npos;
}

template <typename Cond>
Cond* NextFree(std::array<Cond, CSampleDlg::kConditions>& conds) {
    for (Cond& cond : conds)
        if (!cond.m_bEnable) return &cond;
    return nullptr;
}

int RangeMode(const std::string& op) {
    static const char* const kOps[] = {"between", "le", "ge", "lt", "gt"};
    for (int mode = 0; mode < 5; ++mode)
        if (op == kOps[mode]) return mode;
    return -1;
}

bool ToCp932(const std::string& utf8, std::string& out, std::string& error) {
    if (Utf8ToCp932(utf8, out)) return true;
    error = "not representable in Shift-JIS: " + utf8;
    return false;
}

}  // namespace

int CommandOptionArity(const std::vector<std::string>& args, std::size_t i) {
    const std::string& arg = args[i];
    if (arg == "--ind" || arg == "--search") return 2;
    if (arg == "--range") return i + 2 < args.size() && args[i + 2] == "between" ? 4 : 3;
    if (arg == "--dup" || arg == "--files" || arg == "--key" || arg == "--columns") return 1;
    if (arg == "--no-count" || arg == "--per-key" || arg == "--title-each" || arg == "--no-title-out" ||
        arg == "--virtual")
        return 0;
    // aggregate and total
    if (arg == "--calc" || arg == "--aggregates" || arg == "--decimals" || arg == "--min-count" ||
        arg == "--max-count" || arg == "--one-cell" || arg == "--out" || arg == "--out-format" || arg == "--col")
        return 1;
    if (arg == "--no-total" || arg == "--data" || arg == "--keys-every-row" || arg == "--quote-prefix") return 0;
    return -1;
}

bool TakeFilterArg(const std::vector<std::string>& args, std::size_t& i, CSampleDlg& conds, std::string& error) {
    error.clear();
    const std::string& arg = args[i];
    if (arg != "--ind" && arg != "--range" && arg != "--dup") return false;
    const int arity = CommandOptionArity(args, i);
    if (i + static_cast<std::size_t>(arity) >= args.size()) {
        error = arg + " needs " + std::to_string(arity) + " values";
        return false;
    }
    std::string flags;
    if (arg == "--ind") {
        CSelCond* cond = NextFree(conds.m_Sel);
        int col = 0;
        if (!cond) error = "at most three --ind conditions";
        else if (!ParseColumnAndFlags(args[i + 1], col, flags, "lx")) error = "--ind COL[:lx]: " + args[i + 1];
        if (!error.empty()) return false;
        std::string text;
        if (!ToCp932(args[i + 2], text, error)) return false;
        *cond = CSelCond{true, col, text, flags.find('l') == std::string::npos, flags.find('x') != std::string::npos, {}};
    } else if (arg == "--range") {
        CSelCond2* cond = NextFree(conds.m_Range);
        int col = 0;
        const int mode = RangeMode(args[i + 2]);
        if (!cond) error = "at most three --range conditions";
        else if (!ParseColumnAndFlags(args[i + 1], col, flags, "n")) error = "--range COL[:n]: " + args[i + 1];
        else if (mode < 0) error = "--range OP: between, le, ge, lt or gt: " + args[i + 2];
        if (!error.empty()) return false;
        std::string first, second;
        if (!ToCp932(args[i + 3], first, error)) return false;
        if (mode == 0 && !ToCp932(args[i + 4], second, error)) return false;
        *cond = CSelCond2{true, col, first, second, mode, !flags.empty()};
    } else {
        CDupCond* cond = NextFree(conds.m_Dup);
        const std::string& spec = args[i + 1];
        const std::size_t colon = spec.find(':');
        flags = colon == std::string::npos ? std::string() : spec.substr(colon + 1);
        std::vector<int> keys;
        if (!cond) error = "at most three --dup conditions";
        else if (!ParseColumnList(spec.substr(0, colon), keys) || keys.size() > 3 || (flags != "" && flags != "d"))
            error = "--dup K1[,K2[,K3]][:d]: " + spec;
        if (!error.empty()) return false;
        *cond = CDupCond{};
        cond->m_bEnable = true;
        cond->m_nKey1 = keys[0];
        cond->m_bKey2 = keys.size() > 1;
        if (cond->m_bKey2) cond->m_nKey2 = keys[1];
        cond->m_bKey3 = keys.size() > 2;
        if (cond->m_bKey3) cond->m_nKey3 = keys[2];
        cond->m_bOnlyDup = flags == "d";
    }
    i += static_cast<std::size_t>(arity) + 1;
    return true;
}

bool ApplyFilterArgs(CTabrixView& view, const CSampleDlg& conds) {
    if (!conds.anyEnabled()) return true;
    CSampleDlg& dlg = view.filterConditions();
    dlg = conds;
    dlg.m_nMaxCols = view.document().columnCount();
    if (const std::string refusal = dlg.validate(); !refusal.empty()) {
        PrintError(refusal);
        return false;
    }
    dlg.buildSearchLists();
    view.m_bFilter = true;
    return true;
}

bool ParseColumnList(const std::string& text, std::vector<int>& cols) {
    cols.clear();
    std::size_t begin = 0;
    while (begin <= text.size()) {
        const std::size_t comma = text.find(',', begin);
        int col = 0;
        if (!ParseNumber(text.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin), col))
            return false;
        cols.push_back(col);
        if (comma == std::string::npos) break;
        begin = comma + 1;
    }
    return !cols.empty();
}

}  // namespace tabrix
