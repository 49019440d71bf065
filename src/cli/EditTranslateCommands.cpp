// The code translation of tabrix-cli edit: "CD翻訳" with its dialog's fields as
// options; it prints how many codes were found and missed.
#include "cli/EditCommand.h"
#include "view/CodeTranslateDlg.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

std::string FillTranslate(CColTransParam& dlg, const EditArgs& args) {
    const auto file = args.text("--tran-file");
    if (!file) return "--tran-file is needed";
    const auto names = args.text("--names");
    if (!names) return "--names is needed";
    dlg.m_strFile = *file;
    dlg.m_strNamePos = *names;
    std::string error;
    if (const auto key = args.number("--key-pos", 1, CColTransParam::kMaxKeyPos, error)) dlg.m_nKeyPos = *key;
    if (!error.empty()) return error;
    if (const auto delim = args.text("--tran-delim")) {
        if (*delim == "csv")
            dlg.m_nDelim = CColTransParam::Csv;
        else if (*delim == "tab")
            dlg.m_nDelim = CColTransParam::Tab;
        else if (*delim == "space")
            dlg.m_nDelim = CColTransParam::Space;
        else
            return "--tran-delim needs csv, tab or space: " + *delim;
    }
    if (const auto after = args.number("--insert-after", 0, CTabrixView::kMaxColumns, error)) {
        dlg.m_nPlacement = CColTransParam::AddColumns;
        dlg.m_nInsertAfter = *after;
    }
    return error;
}

std::string TranslationReport(const CTabrixView& view) {
    const TranslateCounts& counts = view.lastTranslation();
    return "found=" + std::to_string(counts.found) + " missing=" + std::to_string(counts.missing);
}

}  // namespace

std::vector<EditCommand> TranslateEditCommands() {
    std::vector<EditCommand> commands;
    EditCommand translate{"translate",
                          CommandId::CodeTranslate,
                          {{"--tran-file", true},
                           {"--names", true},
                           {"--key-pos", true},
                           {"--tran-delim", true},
                           {"--insert-after", true}},
                          DialogOptions<CColTransParam>(FillTranslate),
                          "--cols C --tran-file FILE --names LIST [--key-pos K] [--tran-delim csv|tab|space] "
                          "[--insert-after N]"};
    translate.report = TranslationReport;
    commands.push_back(std::move(translate));
    return commands;
}

}  // namespace tabrix
