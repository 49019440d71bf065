#include "document/Delimiter.h"

#include <cstring>

#include "app/UserInterface.h"
#include "document/LineReader.h"

namespace tabrix {

char DelimChoice::byte() const {
    switch (kind) {
        case DelimKind::Csv: return ',';
        case DelimKind::Tab: return '\t';
        case DelimKind::Space: return ' ';
        case DelimKind::Other: return other;
    }
    return ',';
}

DelimChoice ChoiceOf(char delimiter) {
    switch (delimiter) {
        case ',': return {DelimKind::Csv, '|'};
        case '\t': return {DelimKind::Tab, '|'};
        case ' ': return {DelimKind::Space, '|'};
        default: return {DelimKind::Other, delimiter};
    }
}

DetectResult DetectDelimiter(const std::string& path, IUserInterface& ui, DelimChoice& choice) {
    if (path.empty()) return DetectResult::NoPath;
    choice = {DelimKind::Other, '|'};
    CLineReader reader;
    if (!reader.open(path)) {
        ui.messageBox(path + " ファイルがOPEN出来ませんでした。", MsgIcon::Stop);
        return DetectResult::OpenFailed;
    }
    int lines = 0;
    reader.forEachLine([&](char* line, std::size_t length) {
        if (++lines > 11) return false;
        if (length == 0) return true;
        if (std::memchr(line, ',', length)) {
            choice.kind = DelimKind::Csv;
        } else if (std::memchr(line, '\t', length)) {
            choice.kind = DelimKind::Tab;
        } else if (std::memchr(line, ' ', length)) {
            choice.kind = DelimKind::Space;
        } else {
            return true;
        }
        return false;
    });
    return DetectResult::Detected;
}

}  // namespace tabrix
