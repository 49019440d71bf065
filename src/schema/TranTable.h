// Translation tables: reading a column's translation file and looking codes
// up in it. A translation file is Shift-JIS text with one record a line and
// no quoting; empty lines are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "schema/TranCtrl.h"

namespace tabrix {

struct AppContext;

// Reads the translation file (a relative name is found in DefDir, else in
// fallbackFolder, the control file's own) into the
// table and indexes it by key. 1 on success; 0 after the message (also in
// m_strMsg) was shown.
int LoadTranTable(CTranCtrl& tran, AppContext& app, const std::string& fallbackFolder = {});

// The names of the first record whose key field equals key, one per name
// position (a position beyond the record gives an empty name); 1 when found.
// Not found: one empty name per position, the message in m_strMsg, 0.
int LookupTran(CTranCtrl& tran, std::string_view key, std::vector<std::string>& names);

// Looks key up and writes the i-th name into field (i-th target column - 1)
// of the row; targets beyond the row are left out. 1 when found; 0 leaves
// the row unchanged.
int TranslateRow(CTranCtrl& tran, std::string_view key, std::vector<std::string>& fields);

void ClearTranTable(CTranCtrl& tran);

// The fields of one translation file line: n delimiters make n + 1 fields; a
// delimiter counts only as a character of its own, never inside a double-byte one.
std::vector<std::string> SplitTranRecord(std::string_view line, char delim);

// The index of the first record whose key field equals key, through the hash
// index when it was built for the key position; -1 when there is none.
long long FindTranRecord(const CTranCtrl& tran, std::string_view key);

// The field at a 1-based position of a record, empty beyond its end.
const std::string& TranFieldAt(const std::vector<std::string>& record, int position);

}  // namespace tabrix
