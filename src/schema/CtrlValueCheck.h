// Whether a value typed into the control file editor can be written into a
// control file and read back as the same setting.
//
// The reader cuts a line at its first '*', takes a line holding "[FILE]" or
// "[COL]" for a section header, takes the first key of its section found
// anywhere in the line, and drops trailing blanks; a TAB becomes a space and a
// line break ends the line. A value that meets any of these would come back
// different, or break the file, so the editor refuses it.
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

// The refusal for the value of key (with its '=') in a [FILE] or [COL]
// section, naming the control by caption; empty when the value can be held.
std::string CtrlValueRefusal(std::string_view caption, std::string_view key, std::string_view value,
                             bool columnSection);

// The same for a permitted-values list as typed (values separated by
// commas), whose every value must also fit what the reader takes of one.
std::string PermissionRefusal(std::string_view caption, std::string_view list);

class CColCtrl;

// The first value of a column record that a control file cannot hold, as
// CtrlValueRefusal words it with the editor's captions; empty when none.
std::string ColumnValueRefusal(const CColCtrl& col);

}  // namespace tabrix
