#include "document/workbook/WorkbookWriter.h"

#include "document/TabrixDoc.h"
#include "document/workbook/Biff8Writer.h"
#include "document/workbook/XlsxWriter.h"

namespace tabrix {

bool IsWorkbookName(const std::string& path) {
    const std::string ext = ExtensionOf(path);
    return ext == ".xls" || ext == ".xlsx";
}

std::unique_ptr<IWorkbookWriter> CreateWorkbookWriter(const std::string& path) {
    const std::string ext = ExtensionOf(path);
    if (ext == ".xls") return std::make_unique<CBiff8Writer>();
    if (ext == ".xlsx") return std::make_unique<CXlsxWriter>();
    return nullptr;
}

}  // namespace tabrix
