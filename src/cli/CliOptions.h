// The command line of tabrix-cli: its commands share one set of options.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Settings.h"
#include "cli/CliUi.h"
#include "document/FileEncoding.h"

namespace tabrix {

struct CliOptions {
    std::string command;
    std::vector<std::string> files;  // positional arguments, code page 932
    OpenChoices open;
    std::optional<char> outDelimiter;
    std::optional<bool> outQuote;
    std::optional<FileEncoding> encoding;     // --encoding sjis|utf8|eucjp
    std::optional<FileEncoding> outEncoding;  // --out-encoding sjis|utf8|utf8-bom
    bool outExcel = false;  // select: --out-delim excel
    std::optional<std::string> errorsFile;  // check: --errors FILE or "-"
    std::optional<std::string> fixFile;     // check: --fix OUT
    std::optional<std::string> defDir;      // --defdir DIR
    bool listSheets = false;                // info --sheets
    std::vector<std::pair<std::string, std::string>> settings;  // --set NAME=VALUE
    // edit: the frame's and the command's own options in order (name, code
    // page 932 value; empty for a flag).
    std::vector<std::pair<std::string, std::string>> commandOptions;
    std::vector<std::string> commandArgs;  // options of filter, split and select, UTF-8, in order
};

// Parses argv (UTF-8). On failure returns false with a message in error.
bool ParseCliOptions(int argc, char** argv, CliOptions& options, std::string& error);

// A delimiter name of the command line: csv, tab, space or one character.
std::optional<char> ParseDelimiterName(const std::string& name);
// The delimiter as info prints it: csv, tab, space or 0xHH.
std::string DelimiterName(char delimiter);

// The encoding a written file of the run gets: --out-encoding, else the one
// the document was read from.
FileEncoding OutputEncoding(const CliOptions& options, FileEncoding read);
// The encoding as info prints it: sjis, utf8 or utf8-bom.
const char* EncodingName(FileEncoding encoding);

// The settings of a run: defaults with every --set applied; false on an unknown name.
bool ApplySettings(const CliOptions& options, Settings& settings, std::string& error);

}  // namespace tabrix
