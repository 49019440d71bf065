// Conditional save ("条件付き保存"): chosen columns of the lines chosen by a
// search or by the row filter, written to a file of their own. The document
// is not changed, and neither is its modified state.
//
// SelectLines is the one place that decides which lines and which columns
// go out; the text writer here and the workbook writer both take it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CTabrixDoc;

struct SelectRequest {
    enum RowMode { AllRows = 0, Search = 1, Filtered = 2 };
    std::vector<int> columns;              // 1-based, in output order
    int rowMode = AllRows;
    int searchCol = 1;                     // Search: the column matched, 1-based
    std::vector<std::string> searchList;   // Search: the search words
    bool wildcard = true;                  // Search: "ワイルドカードを展開する"
    bool notMatch = false;                 // Search: "不一致データを抽出"
    bool titleOut = false;                 // "１行目は列見出し": line 0 is written as the title
    bool virtualOut = false;               // "仮想項目を出力する"
    char delimiter = ',';
};

// Does a record (its stored fields) pass the view's row filter.
using RowTest = std::function<bool(const std::vector<std::string>&)>;
// A selected line: its index and its fields with the spaces restored.
using LineVisitor = std::function<void(std::size_t line, const std::vector<std::string>& fields)>;

// The 0-based field indices written, in order: the request's columns less
// the virtual ones when those are not asked for.
std::vector<int> OutputFieldIndices(const CTabrixDoc& doc, const SelectRequest& request);

// Calls visit for every line the request selects, in store order. rowPasses
// is asked only in the Filtered mode, with the fields as stored (as the
// display tests them); its working lists must have been reset.
void SelectLines(const CTabrixDoc& doc, const SelectRequest& request, const RowTest& rowPasses,
                 const LineVisitor& visit, IProgress& progress);

// Writes the selected lines as delimited text; written counts the lines (the
// title line included). False with "%s ファイルに書き込み出来ません。".
bool ConditionalSave(const CTabrixDoc& doc, const SelectRequest& request, const std::string& path,
                     const RowTest& rowPasses, IProgress& progress, long long& written, std::string& error);

}  // namespace tabrix

namespace tabrix {

class IUserInterface;

// The workbook writer's part of conditional save (format EXCEL): the lines
// of SelectLines written to a workbook. The number of rows written, or a
// negative value when nothing was written (the writer told the user why).
long long SaveSelectionWorkbook(const CTabrixDoc& doc, const SelectRequest& request, const std::string& path,
                                const RowTest& rowPasses, IUserInterface& ui);

}  // namespace tabrix
