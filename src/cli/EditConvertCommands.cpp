// tabrix-cli edit convert --op OP: the seventeen commands of the conversion
// menu, the one --op names, with the options of its dialog; --now fixes today
// for the age.
#include <algorithm>
#include <memory>

#include "app/EraSettings.h"
#include "app/Settings.h"
#include "cli/EditCommand.h"
#include "cli/EditWords.h"
#include "text/Dates.h"
#include "view/ConvertDialogs.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

struct ConvertOp {
    const char* name;
    CommandId id;
};
constexpr ConvertOp kOps[] = {
    {"upper", CommandId::ConvUpper},
    {"lower", CommandId::ConvLower},
    {"halfkana-to-full", CommandId::ConvHalfKanaToFull},
    {"half-to-full", CommandId::ConvHalfToFull},
    {"full-to-half", CommandId::ConvFullToHalf},
    {"hira-to-kata", CommandId::ConvHiraganaToKatakana},
    {"kata-to-hira", CommandId::ConvKatakanaToHiragana},
    {"full-upper-to-lower", CommandId::ConvFullUpperToLower},
    {"full-lower-to-upper", CommandId::ConvFullLowerToUpper},
    {"small-to-plain", CommandId::ConvSmallKanaToPlain},
    {"plain-to-small", CommandId::ConvPlainToSmallKana},
    {"quote", CommandId::ConvQuote},
    {"unquote", CommandId::ConvUnquote},
    {"add", CommandId::ConvAddText},
    {"delete", CommandId::ConvDeleteText},
    {"date", CommandId::ConvDateFormat},
    {"number", CommandId::ConvNumberFormat},
};

CommandId ChooseOp(const EditArgs& args, std::string& error) {
    const auto op = args.text("--op");
    if (!op) {
        error = "--op is needed";
        return CommandId::None;
    }
    for (const ConvertOp& entry : kOps)
        if (*op == entry.name) return entry.id;
    error = "--op needs one of";
    for (const ConvertOp& entry : kOps) error += std::string(" ") + entry.name;
    error += ": " + *op;
    return CommandId::None;
}

// --char and --text: the kind of character, "その他" when only --text is given.
std::string FillCharKind(const EditArgs& args, int& kind, std::string& other) {
    std::string error;
    if (args.has("--text") && !args.has("--char")) kind = TextKind::Other;
    if (!ChooseWord(args, "--char", {"half-space", "full-space", "zero", "other"}, kind, error)) return error;
    other = args.text("--text").value_or("");
    return {};
}

std::string FillAdd(CDigitSetMsg& dlg, const EditArgs& args) {
    if (std::string error = FillCharKind(args, dlg.m_nKind, dlg.m_strOther); !error.empty()) return error;
    dlg.m_nPosition = args.has("--after") ? 1 : 0;
    std::string error;
    if (const auto pad = args.number("--pad", 1, CDigitSetMsg::kMaxLength, error)) {
        dlg.m_nAlign = 1;
        dlg.m_nLength = *pad;
    }
    return error;
}

std::string FillDelete(CDelChar& dlg, const EditArgs& args) {
    if (std::string error = FillCharKind(args, dlg.m_nKind, dlg.m_strOther); !error.empty()) return error;
    dlg.m_bStart = args.has("--start");
    dlg.m_bEnd = args.has("--end");
    if (!dlg.m_bStart && !dlg.m_bEnd) return "delete needs --start, --end or both";
    return {};
}

std::string FillFormat(CFormatConvDlg& dlg, int formats, const EditArgs& args) {
    std::string error;
    const auto format = args.number("--format", 0, formats - 1, error);
    if (!format) return error.empty() ? "--format is needed" : error;
    dlg.m_nFormat = *format;
    int place = 0;
    if (!ChooseWord(args, "--place", {"set", "before", "after"}, place, error)) return error;
    dlg.m_nPlace = CFormatConvDlg::kPlaces[place];
    dlg.m_strTitle = args.text("--col-title").value_or("");
    return {};
}

std::string Fill(CDialogModel& dialog, const EditArgs& args) {
    if (auto* add = dynamic_cast<CDigitSetMsg*>(&dialog)) return FillAdd(*add, args);
    if (auto* del = dynamic_cast<CDelChar*>(&dialog)) return FillDelete(*del, args);
    if (auto* date = dynamic_cast<CDateConvDlg*>(&dialog)) return FillFormat(*date, CDateConvDlg::kFormats, args);
    if (auto* number = dynamic_cast<CNumFormatDlg*>(&dialog)) return FillFormat(*number, CNumFormatDlg::kFormats, args);
    return "the command opened a dialog its options do not answer";
}

// The dialog the chosen command opens, to check the options before the file is read.
std::unique_ptr<CDialogModel> DialogOf(CommandId id) {
    switch (id) {
        case CommandId::ConvAddText: return std::make_unique<CDigitSetMsg>();
        case CommandId::ConvDeleteText: return std::make_unique<CDelChar>();
        case CommandId::ConvDateFormat: return std::make_unique<CDateConvDlg>();
        case CommandId::ConvNumberFormat: return std::make_unique<CNumFormatDlg>();
        default: return nullptr;
    }
}

std::string FixToday(CTabrixView& view, const EditArgs& args) {
    const auto now = args.text("--now");
    if (!now) return {};
    LocalDateTime moment;
    if (!ParseDate(*now, EraTableOf(Settings()), moment)) return "--now needs YYYY/MM/DD[ hh:mm:ss]: " + *now;
    // The clock outlives the view: one run, one command.
    static std::unique_ptr<FixedClock> clock;
    clock = std::make_unique<FixedClock>(moment);
    view.setClock(*clock);
    return {};
}

}  // namespace

std::vector<EditCommand> ConvertEditCommands() {
    EditDialogOptions options;
    options.fill = Fill;
    options.choose = ChooseOp;
    options.check = [](const EditArgs& args) -> std::string {
        std::string error;
        const std::unique_ptr<CDialogModel> dialog = DialogOf(ChooseOp(args, error));
        return dialog ? Fill(*dialog, args) : std::string();
    };
    options.prepare = FixToday;
    std::vector<EditCommand> commands;
    commands.push_back({"convert", CommandId::None,
                        {{"--op", true}, {"--char", true}, {"--text", true}, {"--after", false}, {"--pad", true},
                         {"--start", false}, {"--end", false}, {"--format", true}, {"--place", true},
                         {"--col-title", true}, {"--now", true}},
                        options,
                        "--cols LIST --op OP [--char half-space|full-space|zero|other] [--text T] [--after] [--pad N] "
                        "[--start] [--end] [--format N] [--place set|before|after] [--col-title T] "
                        "[--now \"YYYY/MM/DD[ hh:mm:ss]\"]"});
    return commands;
}

}  // namespace tabrix
