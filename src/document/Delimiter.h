// The delimiter of a data file: the four choices of the dialogs, and the
// detection from the first lines of a file.
#pragma once

#include <string>

namespace tabrix {

class IUserInterface;

enum class DelimKind { Csv = 0, Tab = 1, Space = 2, Other = 3 };

struct DelimChoice {
    DelimKind kind = DelimKind::Other;
    char other = '|';
    char byte() const;
};

DelimChoice ChoiceOf(char delimiter);

enum class DetectResult { Detected, NoPath, OpenFailed };

// Looks at up to eleven lines of the file: in the first non-empty one holding
// a comma, TAB or space, a comma means CSV, else a TAB, else a space. Shows
// "%s ファイルがOPEN出来ませんでした。" when the file cannot be opened.
DetectResult DetectDelimiter(const std::string& path, IUserInterface& ui, DelimChoice& choice);

}  // namespace tabrix
