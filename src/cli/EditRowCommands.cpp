// The row commands of tabrix-cli edit: what their options fill in.
#include "cli/EditCommand.h"
#include "view/RowColDialogs.h"

namespace tabrix {

std::vector<EditCommand> RowEditCommands() {
    std::vector<EditCommand> commands;
    commands.push_back({"row-insert", CommandId::RowInsert, {}, {}, "--lines N"});
    commands.push_back({"row-copy", CommandId::RowCopy, {}, {}, "--lines N"});
    commands.push_back({"row-delete", CommandId::RowDelete, {}, {}, "--lines LIST"});
    commands.push_back({"row-sort", CommandId::RowSort, {{"--desc", false}},
                        DialogOptions<CSortOpt>([](CSortOpt& dlg, const EditArgs& args) {
                            dlg.m_bDescending = args.has("--desc");
                            return std::string();
                        }),
                        "--cols LIST [--desc]"});
    commands.push_back({"transpose", CommandId::Transpose, {}, {}, ""});
    return commands;
}

}  // namespace tabrix
