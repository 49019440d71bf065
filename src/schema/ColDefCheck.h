// The consistency check of one column record, run when its [COL] section of
// a control file ends.
#pragma once

#include <string>

namespace tabrix {

class CColCtrl;
class IUserInterface;

// Normalises the record (a virtual column becomes text with every format
// bit, date and time columns lose their length limit, FORMAT2= follows
// FORMAT1= where the type needs no file notation of its own) and returns
// every complaint behind the line naming the column; empty when it is sound.
std::string ColDefMessages(CColCtrl& col);

// ColDefMessages, shown in one error box when not empty; true when sound.
bool CheckColDef(CColCtrl& col, IUserInterface& ui);

}  // namespace tabrix
