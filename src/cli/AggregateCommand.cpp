// tabrix-cli aggregate FILE and total FILE: the editor's "集計" with the
// fields of "集計パラメータ" as options; the result grid printed or written
// as "ファイル出力" writes it, and the column total as its dialog shows it.
#include <cstdio>
#include <cstdlib>

#include "cli/CliSession.h"
#include "cli/FilterArgs.h"
#include "text/Cp932.h"
#include "text/SjisChar.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kAggregateUsage =
    "usage: tabrix-cli aggregate FILE [open options] [--key LIST] [--calc LIST] [--no-count]"
    " [--aggregates sum,avg,max,min] [--decimals LIST] [--no-total] [--data [--min-count N] [--max-count N]"
    " [--keys-every-row] [--one-cell C] [--quote-prefix]] [filter conditions] [--out FILE|-]"
    " [--out-format csv|tab|excel]";
constexpr const char* kTotalUsage = "usage: tabrix-cli total FILE --col C [open options]";

// A decimal integer, sign allowed: column numbers the dialog itself refuses reach it.
bool ParseInt(const std::string& text, int& value) {
    if (text.empty() || text.size() > 10) return false;
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || n < INT32_MIN || n > INT32_MAX) return false;
    value = static_cast<int>(n);
    return true;
}

// "3,1" into the first fields of cols; the rest become unused.
template <std::size_t N>
bool ParseColumns(const std::string& text, std::array<int, N>& cols) {
    cols.fill(CSumParamDlg::kUnused);
    std::size_t i = 0;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t comma = text.find(',', begin);
        if (i == N || !ParseInt(text.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin), cols[i++]))
            return false;
        if (comma == std::string::npos) return true;
        begin = comma + 1;
    }
}

// "sum,avg,max,min" (any of them, in any order) as aggregate flags.
bool ParseAggregates(const std::string& text, std::array<bool, CSumParamDlg::kAggregates>& flags) {
    static constexpr const char* kNames[] = {"sum", "avg", "max", "min"};
    flags.fill(false);
    std::size_t begin = 0;
    for (;;) {
        const std::size_t comma = text.find(',', begin);
        const std::string name = text.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin);
        bool known = false;
        for (std::size_t k = 0; k < flags.size(); ++k)
            if (name == kNames[k]) flags[k] = known = true;
        if (!known) return false;
        if (comma == std::string::npos) return true;
        begin = comma + 1;
    }
}

// Prints a dialog's refusal of its fields; true when there was one.
bool Refused(const CDialogModel& dialog) {
    const std::string refusal = dialog.validate();
    if (!refusal.empty()) PrintError(refusal);
    return !refusal.empty();
}

struct AggregateArgs {
    CSumParamDlg params;
    CSampleDlg conds;
    std::string out = "-";
    int format = CSummaryDlg::Csv;
};

// The options into the dialog's fields; false with error set.
bool ParseAggregateArgs(const std::vector<std::string>& args, AggregateArgs& parsed, std::string& error) {
    CSumParamDlg& p = parsed.params;
    bool dataOnly = false;
    for (std::size_t i = 0; i < args.size();) {
        if (TakeFilterArg(args, i, parsed.conds, error)) continue;
        if (!error.empty()) return false;
        const std::string& arg = args[i];
        const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
        const int arity = CommandOptionArity(args, i);
        bool ok = true;
        if (arg == "--key") {
            ok = ParseColumns(value, p.m_nKey);
        } else if (arg == "--calc") {
            ok = ParseColumns(value, p.m_nCalc);
        } else if (arg == "--no-count") {
            p.m_bKeyCount = false;
        } else if (arg == "--aggregates") {
            ok = ParseAggregates(value, p.m_bAggregate);
        } else if (arg == "--decimals") {
            ok = ParseAggregates(value, p.m_bDecimals);
        } else if (arg == "--no-total") {
            p.m_bTotalRow = false;
        } else if (arg == "--data") {
            p.m_nOutput = CSumParamDlg::Data;
        } else if (arg == "--min-count" || arg == "--max-count") {
            ok = ParseInt(value, arg == "--min-count" ? p.m_nMinCount : p.m_nMaxCount) &&
                 (arg == "--min-count" ? p.m_nMinCount : p.m_nMaxCount) >= CSumParamDlg::kUnused;
            dataOnly = true;
        } else if (arg == "--keys-every-row" || arg == "--quote-prefix") {
            (arg == "--keys-every-row" ? p.m_bKeyEveryRow : p.m_bQuotePrefix) = true;
            dataOnly = true;
        } else if (arg == "--one-cell") {
            p.m_bOneCell = true;
            ok = Utf8ToCp932(value, p.m_strSeparator) && !p.m_strSeparator.empty() &&
                 NextChar(p.m_strSeparator, 0) == p.m_strSeparator.size();
            dataOnly = true;
        } else if (arg == "--out") {
            ok = value == "-" || Utf8ToCp932(value, parsed.out);
        } else if (arg == "--out-format") {
            static constexpr const char* kFormats[] = {"csv", "tab", "excel"};
            ok = false;
            for (int f = 0; f < 3; ++f)
                if (value == kFormats[f]) parsed.format = f, ok = true;
        } else {
            ok = false;
        }
        if (!ok || arity < 0) {
            error = arity == 1 ? arg + ": bad value: " + value : kAggregateUsage;
            return false;
        }
        i += static_cast<std::size_t>(arity) + 1;
    }
    if (dataOnly && p.m_nOutput != CSumParamDlg::Data) error = "--min-count, --max-count, --keys-every-row, --one-cell and --quote-prefix need --data";
    else if (parsed.out == "-" && parsed.format == CSummaryDlg::Excel) error = "--out-format excel needs --out FILE";
    return error.empty();
}

}  // namespace

int RunAggregate(const CliOptions& options) {
    AggregateArgs parsed;
    std::string error;
    if (options.files.size() != 1) error = kAggregateUsage;
    else ParseAggregateArgs(options.commandArgs, parsed, error);
    if (!error.empty()) {
        PrintError(error);
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixView& view = session.view();
    if (!ApplyFilterArgs(view, parsed.conds)) return kExitFailure;
    CSumParamDlg& params = view.sumParams();
    params = parsed.params;
    params.m_nMaxCols = session.doc().columnCount();
    if (Refused(params)) return kExitFailure;

    const CSummaryDlg result = view.RunAggregation(params);
    std::fprintf(stderr, "%s\n", Cp932ToUtf8(result.m_strTitle).c_str());
    if (parsed.out != "-") return result.WriteFile(parsed.out, parsed.format, session.app().ui) ? kExitOk : kExitFailure;
    const bool written = result.writeText(parsed.format == CSummaryDlg::Tab ? '\t' : ',', [](std::string_view bytes) {
        return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    });
    return written && std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

int RunTotal(const CliOptions& options) {
    int col = 0;
    const std::vector<std::string>& args = options.commandArgs;
    if (options.files.size() != 1 || args.size() != 2 || args[0] != "--col" || !ParseInt(args[1], col)) {
        PrintError(kTotalUsage);
        return kExitFailure;
    }
    CliSession session(options);
    if (!session.open(options.files[0])) return kExitFailure;
    CTabrixView& view = session.view();
    // The column as "列総合計" of "集計パラメータ" takes it.
    CSumParamDlg& params = view.sumParams();
    params.m_nMode = CSumParamDlg::ColumnTotal;
    params.m_nKey[0] = col;
    params.m_nMaxCols = session.doc().columnCount();
    if (Refused(params)) return kExitFailure;
    const CColTotalDlg total = view.ComputeColumnTotal(col);
    std::printf("column=%d count=%lld total=%s\n", total.m_nCol, total.m_nCount, total.m_strTotal.c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

}  // namespace tabrix
