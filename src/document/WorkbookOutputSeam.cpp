// Placeholder for the workbook writer of conditional save.
#include "document/ConditionalSave.h"

namespace tabrix {

long long SaveSelectionWorkbook(const CTabrixDoc&, const SelectRequest&, const std::string&, const RowTest&,
                                IUserInterface& ui) {
    ui.messageBox("EXCEL形式の出力は、まだ出来ません。", MsgIcon::Stop);
    return -1;
}

}  // namespace tabrix
