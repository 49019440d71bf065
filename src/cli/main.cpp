// tabrix-cli: the editor's loading, checking and saving for batch jobs.
#include <cstdio>
#include <string_view>

#include "cli/CliCommands.h"
#include "cli/CliSession.h"

int main(int argc, char** argv) {
    using namespace tabrix;
    if (argc < 2) {
        std::fprintf(stderr, "tabrix-cli: no command given (tabrix-cli --help lists the commands)\n");
        return kExitFailure;
    }
    const std::string_view first = argv[1];
    if (first == "--help" || first == "-h" || first == "help") {
        std::fputs(CliHelpText().c_str(), stdout);
        return 0;
    }
    if (first == "--version") {
        std::fputs(CliVersionText().c_str(), stdout);
        return 0;
    }
    const CliCommand* command = FindCliCommand(first);
    if (!command) {
        std::fprintf(stderr, "tabrix-cli: unknown command: %s (tabrix-cli --help lists the commands)\n", argv[1]);
        return kExitFailure;
    }
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "tabrix-cli: %s\n", error.c_str());
        return kExitFailure;
    }
    return command->run(options);
}
