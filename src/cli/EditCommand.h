// tabrix-cli edit COMMAND IN OUT: every editor command in a batch job.
//
// The frame opens IN as the editor opens it, shows the page that holds the
// lines of --lines in an in-memory grid, selects the cells --lines and --cols
// name (sets of cells, as Ctrl+click makes them), runs the editor's own
// command through the view, and saves OUT as "名前を付けて保存" would. The
// command's dialog is answered from its options.
//
// Adding a command: a function returning its EditCommand entries (name, the
// CommandId to run, its options and how they fill the dialog's model) in a
// file of its own, declared below, and one line in EditCommandFamilies().
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Commands.h"
#include "app/UserInterface.h"

namespace tabrix {

class CTabrixView;

// The options given to one edit command, in command-line order (flags carry
// an empty value), with readers that explain what was wrong.
class EditArgs {
public:
    explicit EditArgs(const std::vector<std::pair<std::string, std::string>>& given) : m_given(given) {}
    bool has(std::string_view name) const;
    // The last value given for name.
    std::optional<std::string> text(std::string_view name) const;
    // A whole number in [low, high]; error set when present but not one.
    std::optional<int> number(std::string_view name, int low, int high, std::string& error) const;

private:
    const std::vector<std::pair<std::string, std::string>>& m_given;
};

struct EditOption {
    std::string_view name;  // "--desc"
    bool takesValue = false;
};

// How a command's options fill its dialog: fill writes the options into the
// model the view opens and returns an error text for a bad option (empty
// when all is well).
struct EditDialogOptions {
    std::function<std::string(CDialogModel& dialog, const EditArgs& args)> fill;
    // The same check before the file is opened, on a model of the dialog's type.
    std::function<std::string(const EditArgs& args)> check;
    // For commands whose options choose the editor command (edit convert
    // --op): the command to run, or CommandId::None with error set. Empty:
    // the entry's own id.
    std::function<CommandId(const EditArgs& args, std::string& error)> choose;
    // Sets the view up before the command runs (a fixed today); an error text stops the run.
    std::function<std::string(CTabrixView& view, const EditArgs& args)> prepare;
};

template <typename Model, typename Fill>
EditDialogOptions DialogOptions(Fill fill) {
    EditDialogOptions options;
    options.fill = [fill](CDialogModel& dialog, const EditArgs& args) -> std::string {
        auto* model = dynamic_cast<Model*>(&dialog);
        if (!model) return "the command opened a dialog its options do not answer";
        return fill(*model, args);
    };
    options.check = [fill](const EditArgs& args) {
        Model model;
        return fill(model, args);
    };
    return options;
}

struct EditCommand {
    using Report = std::function<std::string(const CTabrixView& view)>;
    // The family tables list their commands as brace lists; most print nothing.
    EditCommand(std::string_view name, CommandId id, std::vector<EditOption> options, EditDialogOptions dialog,
                std::string_view usage, Report report = {})
        : name(name), id(id), options(std::move(options)), dialog(std::move(dialog)), usage(usage),
          report(std::move(report)) {}

    std::string_view name;  // "row-sort"
    CommandId id = CommandId::None;
    std::vector<EditOption> options;  // besides the frame's --lines, --cols, --ctrl-out
    EditDialogOptions dialog;         // empty when the command opens no dialog
    std::string_view usage;           // the options as the usage line shows them
    // What the command prints on stdout once its output is written; none when empty.
    Report report;
};

// The command families; each lives in a file of its own.
std::vector<EditCommand> RowEditCommands();
std::vector<EditCommand> ColumnEditCommands();
std::vector<EditCommand> CalcEditCommands();
std::vector<EditCommand> ConvertEditCommands();
std::vector<EditCommand> TranslateEditCommands();

// Every edit command, in the order of their families.
const std::vector<EditCommand>& EditCommands();
const EditCommand* FindEditCommand(std::string_view name);
// 0 for a flag, 1 for an option with a value, -1 when no edit command knows it.
int EditOptionArity(std::string_view name);

}  // namespace tabrix
