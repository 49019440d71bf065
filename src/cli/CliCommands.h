// The commands of tabrix-cli in one table: main dispatches through it and
// --help lists it, so a new command is one line here and never missing from
// the help.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/CliOptions.h"

namespace tabrix {

struct CliCommand {
    const char* name;
    const char* arguments;  // what follows the name, as --help shows it
    const char* summary;    // one line, code page 932
    int (*run)(const CliOptions& options);
};

std::span<const CliCommand> CliCommands();
const CliCommand* FindCliCommand(std::string_view name);

// The text of --help (UTF-8): usage, every command, the shared options.
std::string CliHelpText();
// The text of --version.
std::string CliVersionText();

}  // namespace tabrix
