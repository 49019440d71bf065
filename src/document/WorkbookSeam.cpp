// Placeholder for the workbook reader.
#include "document/DocumentHooks.h"
#include "document/TabrixDoc.h"

namespace tabrix {

bool OpenWorkbookDocument(CTabrixDoc& doc, const std::string& path) {
    doc.app().ui.messageBox(path + " はEXCELファイルです。EXCELファイルは、まだ読み込めません。", MsgIcon::Stop);
    return false;
}

}  // namespace tabrix
