// The input method state wanted while a cell of a column is edited, from the
// control file's IMEMODE= and the column's permitted character classes. The
// desktop turns the answer into input-method hints.
#pragma once

#include "document/CtrlFile.h"

namespace tabrix {

enum class ImeRequest {
    LeaveAlone,        // IMEMODE=FALSE: the program does not touch the input method
    Close,
    FullHiragana,
    FullKatakana,
    FullAlphanumeric,
    HalfKatakana,
    FullSymbol,
};

// col may be null (a column without a record); editing is false when the
// cell editor is closing, which closes the input method under NORMAL and DETAIL.
ImeRequest SetColImeMode(ImeMode mode, const CColCtrl* col, bool editing);

}  // namespace tabrix
