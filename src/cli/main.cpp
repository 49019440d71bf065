// tabrix-cli: the editor's loading, checking and saving for batch jobs.
#include <cstdio>
#include <cstring>

#include "cli/CliSession.h"

int main(int argc, char** argv) {
    using namespace tabrix;
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "tabrix-cli: %s\n", error.c_str());
        return kExitFailure;
    }
    if (options.command == "info") return RunInfo(options);
    if (options.command == "save") return RunSave(options);
    if (options.command == "check") return RunCheck(options);
    if (options.command == "edit") return RunEdit(options);
    if (options.command == "filter") return RunFilter(options);
    if (options.command == "split") return RunSplit(options);
    if (options.command == "select") return RunSelect(options);
    if (options.command == "aggregate") return RunAggregate(options);
    if (options.command == "total") return RunTotal(options);
    if (options.command == "ctrl") return RunCtrl(options);
    std::fprintf(stderr, "tabrix-cli: unknown command: %s (info, save, check, filter, split, select, edit, aggregate, total, ctrl)\n", options.command.c_str());
    return kExitFailure;
}
