// The table of edit commands and their options.
#include <algorithm>
#include <cstdlib>

#include "cli/EditCommand.h"

namespace tabrix {

namespace {

// The options of the frame, which every command takes.
constexpr EditOption kFrameOptions[] = {{"--lines", true}, {"--cols", true}, {"--ctrl-out", true}, {"--undo", false}, {"--redo", false}};

using Family = std::vector<EditCommand> (*)();
// One line per family of commands.
constexpr Family kFamilies[] = {
    RowEditCommands,
    ColumnEditCommands,
    CalcEditCommands,
    ConvertEditCommands,
    TranslateEditCommands,
};

}  // namespace

const std::vector<EditCommand>& EditCommands() {
    static const std::vector<EditCommand> commands = [] {
        std::vector<EditCommand> all;
        for (Family family : kFamilies)
            for (EditCommand& command : family()) all.push_back(std::move(command));
        return all;
    }();
    return commands;
}

const EditCommand* FindEditCommand(std::string_view name) {
    for (const EditCommand& command : EditCommands())
        if (command.name == name) return &command;
    return nullptr;
}

int EditOptionArity(std::string_view name) {
    for (const EditOption& option : kFrameOptions)
        if (option.name == name) return option.takesValue ? 1 : 0;
    for (const EditCommand& command : EditCommands())
        for (const EditOption& option : command.options)
            if (option.name == name) return option.takesValue ? 1 : 0;
    return -1;
}

bool EditArgs::has(std::string_view name) const {
    return std::any_of(m_given.begin(), m_given.end(), [&](const auto& given) { return given.first == name; });
}

std::optional<std::string> EditArgs::text(std::string_view name) const {
    std::optional<std::string> value;
    for (const auto& [given, v] : m_given)
        if (given == name) value = v;
    return value;
}

std::optional<int> EditArgs::number(std::string_view name, int low, int high, std::string& error) const {
    const std::optional<std::string> value = text(name);
    if (!value) return std::nullopt;
    char* end = nullptr;
    const long n = std::strtol(value->c_str(), &end, 10);
    if (value->empty() || *end != '\0' || n < low || n > high) {
        error = std::string(name) + " needs a number from " + std::to_string(low) + " to " + std::to_string(high) +
                ": " + *value;
        return std::nullopt;
    }
    return static_cast<int>(n);
}

}  // namespace tabrix
