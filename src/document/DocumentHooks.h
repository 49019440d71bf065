// What the document calls in the subsystems built on top of it: the schema's
// translations and notations, and the workbook reader.
#pragma once

#include <string>
#include <vector>

#include "text/Era.h"

namespace tabrix {

class CTabrixDoc;
class CColCtrl;

// Translates every line through the columns whose translation runs on load.
void RunAutoTranslation(CTabrixDoc& doc);
// Rewrites a date or time field from whatever notation it holds into the
// column's file notation; other values stay as they are.
void ToFileNotation(std::string& value, const CColCtrl& col, const EraTable& eras);
// Opens an .xls or .xlsx file as the document.
bool OpenWorkbookDocument(CTabrixDoc& doc, const std::string& path);

}  // namespace tabrix
