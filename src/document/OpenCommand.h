// The application's open command "開く...": a file and its character set are
// chosen in one dialog; a Shift-JIS file is opened as it is, a UTF-8 file
// converted while it is read, an EUC-JP file through a Shift-JIS copy the
// user names.
#pragma once

#include <string>

#include "document/FileEncoding.h"

namespace tabrix {

class IUserInterface;

enum class OpenFormat { Sjis = 0, Euc = 1, Utf8 = 2 };

struct OpenCommandTexts {
    static constexpr const char* kTitle = "ファイル選択";
    static constexpr const char* kFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|EXCELﾌｧｲﾙ(*.xls,*.xlsx)|*.xls;*.xlsx|"
        "制御ﾌｧｲﾙ(*.ctrl)|*.ctrl|全てのﾌｧｲﾙ(*.*)|*.*||";
    static constexpr const char* kFormatLabel = "ファイル形式";
    // In the order of OpenFormat.
    static constexpr const char* kFormats[] = {"S-JIS", "EUC（読込専用）", "UTF-8"};
    static constexpr const char* kLooksLikeUtf8 = "%sはUTF-8のファイルの様です。\nUTF-8として開きますか？";
    static constexpr const char* kCopyTitle = "EUC→SJIS変換ファイル保存";
};

// The file to open for the chosen file and format: with S-JIS or UTF-8 the
// file itself; with EUC a Shift-JIS copy, whose name is asked for (in the chosen
// file's folder, with a prompt before overwriting) and which is then written
// by ConvertEucToSjis. False when that dialog was cancelled or the conversion
// failed (its message was shown).
bool FileToOpen(IUserInterface& ui, const std::string& chosen, OpenFormat format, std::string& path);

// True when the file starts with a UTF-8 byte-order mark, or when its first
// 64 KB are UTF-8 with characters beyond ASCII and are not Shift-JIS text.
bool LooksLikeUtf8(const std::string& path);

// The encoding to read the file to open (the one FileToOpen gave) with. With
// "S-JIS", a data file that looks like UTF-8 gets the question whether to
// open it as UTF-8: the mistake made most often.
FileEncoding EncodingToOpen(IUserInterface& ui, const std::string& path, OpenFormat format);

}  // namespace tabrix
