#include "document/SplitSave.h"

#include <algorithm>
#include <cstdio>

#include "document/FileWriter.h"
#include "document/OutputRecord.h"
#include "document/TabrixDoc.h"
#include "text/Record.h"

namespace tabrix {

namespace {

// The key of a line: its fields in the key columns, joined without separator.
void KeyOf(std::string_view row, const std::vector<int>& keyCols, std::string& key) {
    key.clear();
    auto col = keyCols.begin();
    std::size_t begin = 0;
    int index = 0;
    while (col != keyCols.end()) {
        if (*col - 1 < index) {
            ++col;
            continue;
        }
        const std::size_t tab = row.find(kTab, begin);
        const std::size_t end = tab == std::string_view::npos ? row.size() : tab;
        for (; col != keyCols.end() && *col - 1 == index; ++col) key.append(row.substr(begin, end - begin));
        if (tab == std::string_view::npos) break;  // the fields beyond the row are empty
        begin = tab + 1;
        ++index;
    }
}

std::string WriteFailed(const std::string& name) { return name + " ファイルに書き込み出来ません。"; }

}  // namespace

std::string SplitFileName(const std::string& outFile, int number) {
    const std::string ext = ExtensionOf(outFile);
    char text[24];
    std::snprintf(text, sizeof text, "_%d", number);
    return outFile.substr(0, outFile.size() - ext.size()) + text + ext;
}

std::size_t CountKeyRuns(const CTabrixDoc& doc, const SplitRequest& request) {
    const CLineStore& lines = doc.lines();
    const std::size_t first = request.titleEach ? 1 : 0;
    if (lines.size() <= first) return 0;
    if (!request.keyBreak || request.keyCols.empty()) return static_cast<std::size_t>(request.files);
    std::string key;
    std::string last;
    std::size_t runs = 0;
    for (std::size_t i = first; i < lines.size(); ++i) {
        KeyOf(lines[i], request.keyCols, key);
        if (i == first || key != last) ++runs;
        last.swap(key);
    }
    return std::min<std::size_t>(runs, static_cast<std::size_t>(std::max(1, request.files)));
}

bool SplitSave(const CTabrixDoc& doc, const SplitRequest& request, IProgress& progress, int& filesWritten,
               std::string& error) {
    filesWritten = 0;
    error.clear();
    const CLineStore& lines = doc.lines();
    const std::size_t total = lines.size();
    const std::size_t n = static_cast<std::size_t>(std::max(1, request.files));
    const std::size_t allowanceOf = total / n;
    const bool keyBreak = request.keyBreak && !request.keyCols.empty();
    const int width = doc.columnCount();
    std::size_t line = request.titleEach ? 1 : 0;

    COutputRecord record(doc, request.delimiter);
    CFileWriter writer;
    std::string lastKey;
    std::string key;
    ProgressScope scope(progress, "データ読込", static_cast<std::int64_t>(allowanceOf));
    for (std::size_t k = 1; k <= n && line < total; ++k) {
        const std::string name = SplitFileName(request.outFile, static_cast<int>(k));
        if (!writer.open(name)) {
            error = WriteFailed(name);
            return false;
        }
        char caption[24];
        std::snprintf(caption, sizeof caption, "NO.%2zu 保存", k);
        progress.setText(caption);
        progress.setPos(0);
        const std::size_t allowance = k < n ? allowanceOf : total - (n - 1) * allowanceOf;
        if (request.titleEach) record.writeRow(lines[0], width, writer);
        std::size_t written = 0;
        for (; written < allowance && line < total; ++written, ++line) {
            record.writeRow(lines[line], width, writer);
            if ((written & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(written));
        }
        if (keyBreak && written > 0) {
            KeyOf(lines[line - 1], request.keyCols, lastKey);
            for (; line < total; ++line) {
                KeyOf(lines[line], request.keyCols, key);
                if (key != lastKey) break;
                record.writeRow(lines[line], width, writer);
            }
        }
        if (!writer.commit(false)) {
            error = WriteFailed(name);
            return false;
        }
        ++filesWritten;
    }
    if (filesWritten > 0 && !CFileWriter::SyncFileSystemOf(request.outFile)) {
        error = WriteFailed(request.outFile);
        return false;
    }
    return true;
}

}  // namespace tabrix
