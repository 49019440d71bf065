// A whole document written as a workbook, as conditional save writes it with
// every column, every row and the title line kept.
#pragma once

#include <string>

namespace tabrix {

class CTabrixDoc;

// Writes every line of the store (spaces restored from their marks, virtual
// columns left out) to path, which ends in ".xls" or ".xlsx", asking the
// writer's questions. The number of rows written, or -1 when nothing was.
int WriteStoreToWorkbook(CTabrixDoc& doc, const std::string& path);

}  // namespace tabrix
