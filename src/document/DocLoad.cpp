#include <algorithm>
#include <climits>
#include <cstdio>

#include "document/FileEncoding.h"
#include "document/FileErrors.h"
#include "document/LineReader.h"
#include "document/TabrixDoc.h"
#include "text/Record.h"
#include "text/Replace.h"
#include "text/SpaceMark.h"

namespace tabrix {

namespace {

constexpr std::int64_t kProgressStep = 1 << 20;

// Replaces every byte equal to from (a single-byte mark) in place.
void ReplaceByte(char* line, std::size_t length, char from, char to) {
    for (std::size_t i = 0; i < length; ++i)
        if (line[i] == from) line[i] = to;
}

std::string MarkNotice(const char* text, const std::string& mark) {
    char notice[256];
    std::snprintf(notice, sizeof notice, text, mark.c_str());
    return notice;
}

}  // namespace

bool CTabrixDoc::LoadLines() {
    m_LoadNotices.clear();
    // A mark that the delimiter or the file itself already uses could not be
    // told from a space on saving: the document is read without it.
    if (m_bHanspDisp && m_strHanspChar.size() == 1 && m_strHanspChar[0] == m_CtrlFile.m_cDelim) {
        m_bHanspDisp = false;
        m_LoadNotices.push_back(MarkNotice(kHalfMarkIsDelimiter, m_strHanspChar));
    }
    while (true) {
        switch (readLines()) {
        case ReadResult::Done:
            if (m_nDroppedBytes > 0) {
                char notice[256];
                std::snprintf(notice, sizeof notice, kDroppedInQuotes, static_cast<unsigned long long>(m_nDroppedBytes));
                m_LoadNotices.push_back(notice);
            }
            return true;
        case ReadResult::Failed:
            return false;
        case ReadResult::HalfMarkInData:
            m_bHanspDisp = false;
            m_LoadNotices.push_back(MarkNotice(kHalfMarkInData, m_strHanspChar));
            break;
        case ReadResult::HalfMarkSplitsFields:
            m_bHanspDisp = false;
            m_LoadNotices.push_back(kHalfMarkSplitsFields);
            break;
        case ReadResult::FullMarkInData:
            m_bZenspDisp = false;
            m_LoadNotices.push_back(MarkNotice(kFullMarkInData, m_strZenspChar));
            break;
        }
    }
}

CTabrixDoc::ReadResult CTabrixDoc::readLines() {
    CCtrlFile& cf = m_CtrlFile;
    cf.m_nMaxCols = 0;
    // No line can have this many fields, so the first line always sets it.
    m_nMinCols = INT_MAX;
    m_nDroppedBytes = 0;
    cf.m_strError.clear();
    cf.m_Lines.clear();

    CLineReader reader;
    if (!reader.open(cf.m_strDataFile)) {
        cf.m_strError = ReadFailedMessage(cf.m_strDataFile, reader.error());
        return ReadResult::Failed;
    }
    const std::unique_ptr<IByteDecoder> decoder = DecoderFor(m_nEncoding);
    reader.setDecoder(decoder.get());
    ProgressScope progress(m_app.ui.progress(), "データ読込", reader.fileSize());

    const std::vector<int> virtualCols = cf.VirtualColumns();
    const int inFileCols = cf.InFileColumnCount();
    const bool checkWidth = cf.m_bLoaded && m_app.settings.CtlNumErr == 1;
    const bool halfMark = m_bHanspDisp && IsUsableHalfMark(m_strHanspChar);
    const bool fullMark = m_bZenspDisp && IsUsableFullMark(m_strZenspChar);
    ReadResult clash = ReadResult::Done;

    std::string scratch;
    std::vector<std::string> fields;
    std::int64_t lineNo = 0;
    std::int64_t loaded = 0;
    std::int64_t nextProgress = kProgressStep;
    const bool ok = reader.forEachLine([&](char* line, std::size_t length) {
        ++lineNo;
        char* row = line;
        std::size_t rowLength = length;
        if (halfMark) {
            if (HalfMarkClashes(std::string_view(row, rowLength), m_strHanspChar[0])) {
                clash = ReadResult::HalfMarkInData;
                return false;
            }
            ReplaceByte(row, rowLength, ' ', m_strHanspChar[0]);
        }
        if (fullMark) {
            if (FullMarkClashes(std::string_view(row, rowLength), m_strZenspChar)) {
                clash = ReadResult::FullMarkInData;
                return false;
            }
            scratch.assign(row, rowLength);
            ReplaceAll(scratch, "　", m_strZenspChar);
            row = scratch.data();
            rowLength = scratch.size();
        }

        int n = CountFields(row, rowLength, cf.m_cDelim, true, cf.m_bQuote, m_nDroppedBytes);
        // With spaces held as marks a space-delimited line is one field; one
        // split at a TAB would be written with spaces that read back as marks.
        if (halfMark && cf.m_cDelim == ' ' && n > 1) {
            clash = ReadResult::HalfMarkSplitsFields;
            return false;
        }

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
    if (clash != ReadResult::Done) {
        cf.m_Lines.clear();
        return clash;
    }
    cf.m_Lines.shrink_to_fit();
    if (!ok) {
        cf.m_strError = reader.decodeFailed() ? InvalidUtf8Message(cf.m_strDataFile, reader.failedLine())
                                              : ReadFailedMessage(cf.m_strDataFile, reader.error());
        return ReadResult::Failed;
    }
    m_LastDecode = ReportOf(reader, decoder.get());
    return ReadResult::Done;
}

bool CTabrixDoc::AlignColumns(int& minCols, int& maxCols) {
    CCtrlFile& cf = m_CtrlFile;
    minCols = INT_MAX;
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
