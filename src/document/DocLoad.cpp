#include <algorithm>
#include <cstdio>

#include "document/FileEncoding.h"
#include "document/FileErrors.h"
#include "document/LineReader.h"
#include "document/TabrixDoc.h"
#include "text/Record.h"
#include "text/Replace.h"

namespace tabrix {

namespace {

constexpr std::int64_t kProgressStep = 1 << 20;

// Replaces every byte equal to from (a single-byte mark) in place.
void ReplaceByte(char* line, std::size_t length, char from, char to) {
    for (std::size_t i = 0; i < length; ++i)
        if (line[i] == from) line[i] = to;
}

}  // namespace

bool CTabrixDoc::LoadLines() {
    CCtrlFile& cf = m_CtrlFile;
    cf.m_nMaxCols = 0;
    m_nMinCols = 65535;
    cf.m_strError.clear();
    cf.m_Lines.clear();

    CLineReader reader;
    if (!reader.open(cf.m_strDataFile)) {
        cf.m_strError = ReadFailedMessage(cf.m_strDataFile, reader.error());
        return false;
    }
    const std::unique_ptr<IByteDecoder> decoder = DecoderFor(m_nEncoding);
    reader.setDecoder(decoder.get());
    ProgressScope progress(m_app.ui.progress(), "データ読込", reader.fileSize());

    const std::vector<int> virtualCols = cf.VirtualColumns();
    const int inFileCols = cf.InFileColumnCount();
    const bool checkWidth = cf.m_bLoaded && m_app.settings.CtlNumErr == 1;
    const bool halfMark = m_bHanspDisp && !m_strHanspChar.empty();
    const bool fullMark = m_bZenspDisp && !m_strZenspChar.empty();

    std::string scratch;
    std::vector<std::string> fields;
    std::int64_t lineNo = 0;
    std::int64_t loaded = 0;
    std::int64_t nextProgress = kProgressStep;
    const bool ok = reader.forEachLine([&](char* line, std::size_t length) {
        ++lineNo;
        char* row = line;
        std::size_t rowLength = length;
        if (halfMark && m_strHanspChar.size() == 1) {
            ReplaceByte(row, rowLength, ' ', m_strHanspChar[0]);
        } else if (halfMark || fullMark) {
            scratch.assign(line, length);
            if (halfMark) ReplaceAll(scratch, " ", m_strHanspChar);
            row = scratch.data();
            rowLength = scratch.size();
        }
        if (fullMark) {
            if (row != scratch.data()) {
                scratch.assign(row, rowLength);
                row = scratch.data();
            }
            ReplaceAll(scratch, "　", m_strZenspChar);
            row = scratch.data();
            rowLength = scratch.size();
        }

        int n = CountFields(row, rowLength, cf.m_cDelim, true, cf.m_bQuote);

        if (checkWidth && n != inFileCols) {
            char text[512];
            std::snprintf(text, sizeof text,
                          "制御ファイル(%s)の%lld行目の項目数（%d）と%sの項目数（%d）が異なります。\nをOPEN出来ません。",
                          cf.m_strCtrlFile.c_str(), static_cast<long long>(lineNo), inFileCols,
                          cf.m_strDataFile.c_str(), n);
            cf.m_strError = text;
            return false;
        }
        if (!virtualCols.empty()) {
            SplitFields(std::string_view(row, rowLength), fields, n);
            for (int col : virtualCols) {
                const std::size_t at = static_cast<std::size_t>(col - 1);
                if (at > fields.size()) fields.resize(at);
                fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(at), std::string());
                ++n;
            }
            n = static_cast<int>(fields.size());
            JoinFields(fields, n, kTab, scratch);
            row = scratch.data();
            rowLength = scratch.size();
        }
        cf.m_nMaxCols = std::max(cf.m_nMaxCols, n);
        m_nMinCols = std::min(m_nMinCols, n);
        cf.m_Lines.push_back(std::string_view(row, rowLength));
        loaded += static_cast<std::int64_t>(rowLength);
        if (loaded >= nextProgress) {
            progress.setPos(loaded);
            nextProgress = loaded + kProgressStep;
        }
        return true;
    });
    cf.m_Lines.shrink_to_fit();
    if (!ok) {
        cf.m_strError = reader.decodeFailed() ? InvalidUtf8Message(cf.m_strDataFile, reader.failedLine())
                                              : ReadFailedMessage(cf.m_strDataFile, reader.error());
        return false;
    }
    m_LastDecode = ReportOf(reader, decoder.get());
    return true;
}

bool CTabrixDoc::AlignColumns(int& minCols, int& maxCols) {
    CCtrlFile& cf = m_CtrlFile;
    minCols = 65535;
    maxCols = 0;
    if (cf.m_Lines.empty()) return false;
    ProgressScope progress(m_app.ui.progress(), "データ変換", static_cast<std::int64_t>(cf.m_Lines.size()));
    bool changed = false;
    std::vector<std::string> fields;
    std::string joined;
    for (std::size_t i = 0; i < cf.m_Lines.size(); ++i) {
        const std::string_view row = cf.m_Lines[i];
        // The true field count of a row string, so that quote characters held
        // as data cannot hide a TAB.
        const int n = RowFieldCount(row);
        minCols = std::min(minCols, n);
        maxCols = std::max(maxCols, n);
        // A narrower line is padded; a wider one keeps every field it has. Only
        // a line whose bytes changed counts (an empty line of one column does not).
        if (n < cf.m_nMaxCols) {
            SplitFields(row, fields, cf.m_nMaxCols);
            JoinFields(fields, cf.m_nMaxCols, kTab, joined);
            if (joined != row) {
                cf.m_Lines.set(i, joined);
                changed = true;
            }
        }
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
    }
    return changed;
}

}  // namespace tabrix
