#include "document/OpenCommand.h"

#include <cstdio>
#include <memory>

#include "app/UserInterface.h"
#include "document/EucConvert.h"
#include "document/TabrixDoc.h"
#include "text/Cp932.h"
#include "text/SjisChar.h"
#include "text/Utf8Codec.h"

namespace tabrix {

bool FileToOpen(IUserInterface& ui, const std::string& chosen, OpenFormat format, std::string& path) {
    if (format != OpenFormat::Euc) {
        path = chosen;
        return true;
    }
    FileDialogRequest request;
    request.title = OpenCommandTexts::kCopyTitle;
    request.filter = OpenCommandTexts::kFilter;
    request.initialDir = chosen.substr(0, chosen.size() - FileNameOf(chosen).size());
    request.overwritePrompt = true;
    if (!ui.getSaveFileName(request)) return false;
    if (!ConvertEucToSjis(chosen, request.fileName, ui)) return false;
    path = request.fileName;
    return true;
}

namespace {

constexpr std::size_t kDetectBytes = 64 * 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// UTF-8 with at least one character beyond ASCII; a character cut off by
// the end of a longer file does not count against it.
bool IsUtf8Text(std::string_view text, bool cut) {
    bool multibyte = false;
    for (std::size_t p = 0; p < text.size();) {
        const int length = Utf8SequenceLength(text.substr(p));
        if (length == -1 && cut) break;
        if (length <= 0) return false;
        multibyte = multibyte || length > 1;
        p += static_cast<std::size_t>(length);
    }
    return multibyte;
}

bool IsSjisText(std::string_view text, bool cut) {
    if (cut && !text.empty()) {
        std::size_t last = 0;
        for (std::size_t p = 0; p < text.size(); p = NextChar(text, p)) last = p;
        if (IsLeadByte(text[last]) && last + 1 == text.size()) text.remove_suffix(1);
    }
    std::string unused;
    return Cp932ToUtf8(text, unused);
}

}  // namespace

bool LooksLikeUtf8(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(ToFsPath(path).c_str(), "rb"));
    if (!file) return false;
    std::string head(kDetectBytes + 1, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), file.get()));
    const bool cut = head.size() > kDetectBytes;
    if (cut) head.resize(kDetectBytes);
    if (head.starts_with(kUtf8Bom)) return true;
    return IsUtf8Text(head, cut) && !IsSjisText(head, cut);
}

FileEncoding EncodingToOpen(IUserInterface& ui, const std::string& path, OpenFormat format) {
    const std::string ext = ExtensionOf(path);
    // A workbook has no encoding to choose, and an EUC file opens as its Shift-JIS copy.
    if (ext == ".xls" || ext == ".xlsx" || format == OpenFormat::Euc) return FileEncoding::Sjis;
    if (format == OpenFormat::Utf8) return FileEncoding::Utf8;
    // A control file's data file is named inside it: the choice alone decides.
    if (ext == ".ctrl" || !LooksLikeUtf8(path)) return FileEncoding::Sjis;
    char question[512];
    std::snprintf(question, sizeof question, OpenCommandTexts::kLooksLikeUtf8, FileNameOf(path).c_str());
    return ui.messageBox(question, MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes ? FileEncoding::Utf8
                                                                                        : FileEncoding::Sjis;
}

}  // namespace tabrix
