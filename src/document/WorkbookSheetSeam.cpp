// Placeholder for the workbook writer of the aggregation result.
#include "app/UserInterface.h"
#include "document/WorkbookSheet.h"

namespace tabrix {

long long WriteWorkbookSheet(const std::string&, std::size_t, int, const SheetCell&, IUserInterface& ui) {
    ui.messageBox("EXCEL形式の出力は、まだ出来ません。", MsgIcon::Stop);
    return -1;
}

}  // namespace tabrix
