// PLACEHOLDERS for the lead: the models of the file-read dialog and the
// new-file dialog belong to the document layer. These stand-ins carry only
// what the dialogs bind to; replace them by the document layer's CFileOpen
// and CNewFile (same field names) and delete this file.
#pragma once

#include <string>

#include "app/UserInterface.h"

namespace tabrix {

// The delimiter radio buttons, in the order they are shown.
enum class DelimiterChoice { Csv, Tab, Space, Other };

struct FileOpenPlaceholder : CDialogModel {
    std::string fileName;  // code page 932
    std::string defDir;    // where "参照" starts
    DelimiterChoice delimiter = DelimiterChoice::Csv;
    std::string otherDelimiter;
    bool titleLine = false;
    bool quoted = false;

    // "参照" chose a file; the document layer detects its delimiter here.
    virtual void chooseFile(const std::string& path) { fileName = path; }

    std::string validate() const override {
        if (fileName.empty()) return "ファイル名を選択して下さい";
        if (delimiter == DelimiterChoice::Other && otherDelimiter.empty()) return "区切り文字を入力して下さい。";
        return {};
    }
};

struct NewFilePlaceholder : CDialogModel {
    int rows = 100;
    int columns = 10;
    DelimiterChoice delimiter = DelimiterChoice::Csv;
    std::string otherDelimiter;

    std::string validate() const override {
        if (delimiter == DelimiterChoice::Other && otherDelimiter.empty()) return "区切り文字を入力して下さい。";
        return {};
    }
};

}  // namespace tabrix
