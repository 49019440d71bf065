#include "cli/CliCommands.h"

#include <algorithm>
#include <cstdio>

#include "cli/CliSession.h"
#include "text/Cp932.h"

#ifndef TABRIX_VERSION
#define TABRIX_VERSION "unknown"
#endif

namespace tabrix {

namespace {

const CliCommand kCommands[] = {
    {"info", "FILE", "print the line and column counts of FILE as the editor opens it", RunInfo},
    {"save", "IN OUT", "write IN to OUT as \"名前を付けて保存\" does", RunSave},
    {"check", "CTRL", "run \"ﾃﾞｰﾀ整合性ﾁｪｯｸ\" over the data of a control file", RunCheck},
    {"edit", "COMMAND IN OUT", "run an editor command over IN and write OUT (edit alone lists the commands)", RunEdit},
    {"filter", "FILE", "print the lines \"絞込表示\" shows", RunFilter},
    {"split", "IN OUT", "\"ﾌｧｲﾙ分割保存\": write IN as several files", RunSplit},
    {"select", "IN OUT", "\"条件付き保存\": write the lines of IN that meet conditions", RunSelect},
    {"aggregate", "FILE", "\"集計\": totals and counts by key", RunAggregate},
    {"total", "FILE --col C", "the total of one column", RunTotal},
    {"ctrl", "IN OUT", "\"制御ファイル設定\": write the control file of IN to OUT", RunCtrl},
};

// The options every command takes when it opens a file.
constexpr const char* kOpenOptions[][2] = {
    {"--delim csv|tab|space|C", "the file's delimiter (otherwise detected from its first lines)"},
    {"--quote", "fields are enclosed in double quotes"},
    {"--title", "the first line is the title line"},
    {"--defdir DIR", "folder for relative file names (a control file's own by default)"},
    {"--set NAME=VALUE", "a setting of the options dialog, by its value name"},
};

}  // namespace

std::span<const CliCommand> CliCommands() { return kCommands; }

const CliCommand* FindCliCommand(std::string_view name) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [&](const CliCommand& command) { return name == command.name; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::string CliHelpText() {
    std::string text =
        "Usage: tabrix-cli COMMAND ARGUMENTS [OPTIONS]\n"
        "       tabrix-cli --help | --version\n"
        "The editor's opening, checking, editing and saving of Shift-JIS delimited\n"
        "data files, for batch jobs.\n\nCommands:\n";
    auto column = [&](std::string left, const char* right) {
        left.resize(std::max<std::size_t>(left.size() + 2, 28), ' ');
        text += "  " + left + right + "\n";
    };
    for (const CliCommand& command : kCommands)
        column(std::string(command.name) + " " + command.arguments, command.summary);
    text += "\nOptions of the commands that open a file:\n";
    for (const auto& option : kOpenOptions) column(option[0], option[1]);
    text +=
        "\nA command given without its arguments shows its own options.\n"
        "Messages go to standard error. Exit status: 0 success, 1 the data has\n"
        "problems (check), 2 failure.\n";
    return Cp932ToUtf8(text);
}

std::string CliVersionText() { return std::string("tabrix-cli ") + TABRIX_VERSION + "\n"; }

}  // namespace tabrix
