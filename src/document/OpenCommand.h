// The application's open command "開く...": a file and its character set are
// chosen in one dialog; a Shift-JIS file is opened as it is, an EUC-JP file
// through a Shift-JIS copy the user names.
#pragma once

#include <string>

namespace tabrix {

class IUserInterface;

enum class OpenFormat { Sjis = 0, Euc = 1 };

struct OpenCommandTexts {
    static constexpr const char* kTitle = "ファイル選択";
    static constexpr const char* kFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|EXCELﾌｧｲﾙ(*.xls,*.xlsx)|*.xls;*.xlsx|"
        "制御ﾌｧｲﾙ(*.ctrl)|*.ctrl|全てのﾌｧｲﾙ(*.*)|*.*||";
    static constexpr const char* kFormatLabel = "ファイル形式";
    // In the order of OpenFormat.
    static constexpr const char* kFormats[] = {"S-JIS", "EUC（読込専用）"};
    static constexpr const char* kCopyTitle = "EUC→SJIS変換ファイル保存";
};

// The file to open for the chosen file and format: with S-JIS the file
// itself; with EUC a Shift-JIS copy, whose name is asked for (in the chosen
// file's folder, with a prompt before overwriting) and which is then written
// by ConvertEucToSjis. False when that dialog was cancelled or the conversion
// failed (its message was shown).
bool FileToOpen(IUserInterface& ui, const std::string& chosen, OpenFormat format, std::string& path);

}  // namespace tabrix
