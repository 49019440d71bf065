// The row conditions of the command line, in the syntax of `tabrix-cli
// filter`: --ind, --range and --dup fill the next free condition of their
// kind in the filter's settings. Shared by every command that filters rows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tabrix {

class CSampleDlg;
class CTabrixView;

// How many arguments follow an option of the commands that take row
// conditions, split and conditional save; -1 when it is none of theirs.
// args[i] is the option; --range takes one more for "between".
int CommandOptionArity(const std::vector<std::string>& args, std::size_t i);

// Takes the condition at args[i] (an option and its values, UTF-8) into
// conds and moves i past it. False with error set when the values are bad
// or a fourth condition of a kind is given. Only --ind, --range and --dup
// are taken; for anything else it returns false with error empty.
bool TakeFilterArg(const std::vector<std::string>& args, std::size_t& i, CSampleDlg& conds, std::string& error);

// Gives conditions that were set to the view's filter and switches it on;
// false (the message printed) when the settings dialog refuses them.
bool ApplyFilterArgs(CTabrixView& view, const CSampleDlg& conds);

// A column list "3,1,2" (1-based numbers); false on anything else.
bool ParseColumnList(const std::string& text, std::vector<int>& cols);

}  // namespace tabrix
