// Split save ("ﾌｧｲﾙ分割保存"): the whole store written into numbered files
// of about equal line counts, optionally keeping a run of equal keys in one
// file. The document is not changed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CTabrixDoc;

struct SplitRequest {
    std::string outFile;        // the name the numbered names are built from
    int files = 1;              // n
    bool keyBreak = false;      // a run of equal keys stays in one file
    std::vector<int> keyCols;   // 1-based, ascending
    bool titleEach = false;     // every file starts with the title line
    char delimiter = ',';
};

// "%s_%d%s": the output name without its extension, the number and the extension.
std::string SplitFileName(const std::string& outFile, int number);

// The number of files a split writes: one per run of equal consecutive keys
// when every file takes one line (the one-file-per-key split), else at most n.
std::size_t CountKeyRuns(const CTabrixDoc& doc, const SplitRequest& request);

// Writes the files; filesWritten is how many were. False with the message
// "%s ファイルに書き込み出来ません。" when one could not be written; the
// files before it stay on disk.
bool SplitSave(const CTabrixDoc& doc, const SplitRequest& request, IProgress& progress, int& filesWritten,
               std::string& error);

}  // namespace tabrix
