#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/EraSettings.h"
#include "document/DocumentHooks.h"
#include "document/FileAccess.h"
#include "document/FileErrors.h"
#include "document/FileWriter.h"
#include "document/OutputRecord.h"
#include "document/TabrixDoc.h"
#include "document/workbook/WorkbookWriter.h"
#include "text/Cp932.h"
#include "text/Record.h"
#include "text/Replace.h"

namespace tabrix {

bool CTabrixDoc::StoreLines(const std::string& path, char delimiter, bool quote, FileEncoding encoding) {
    CCtrlFile& cf = m_CtrlFile;
    cf.m_strError.clear();
    CFileWriter writer;
    if (!writer.open(path)) {
        cf.m_strError = SaveFailedMessage(path, writer.error());
        return false;
    }
    if (IsUtf8(encoding)) writer.convertToUtf8(encoding == FileEncoding::Utf8Bom);
    const std::size_t count = cf.m_Lines.size();
    ProgressScope progress(m_app.ui.progress(), "データ保存", static_cast<std::int64_t>(count));

    std::vector<const CColCtrl*> notationCols;
    std::vector<int> virtualCols;
    if (cf.m_bLoaded) {
        for (const auto& col : cf.m_Cols) {
            if (col->isVirtual()) virtualCols.push_back(col->m_nCol);
            if (col->isDateOrTime()) notationCols.push_back(col.get());
        }
    }
    const EraTable eras = EraTableOf(m_app.settings);
    const bool marks = (m_bHanspDisp && !m_strHanspChar.empty()) || (m_bZenspDisp && !m_strZenspChar.empty());
    const bool plain = !marks && !quote && notationCols.empty() && virtualCols.empty();

    std::string row;
    std::string record;
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < count; ++i) {
        if (plain) {
            WritePlainRecord(cf.m_Lines[i], cf.m_nMaxCols, delimiter, writer);
        } else {
            row.assign(cf.m_Lines[i]);
            marksToSpaces(row);
            int width = std::max(cf.m_nMaxCols, RowFieldCount(row));
            SplitFields(row, fields, width);
            for (const CColCtrl* col : notationCols) {
                if (col->m_nCol >= 1 && col->m_nCol <= width)
                    ToFileNotation(fields[static_cast<std::size_t>(col->m_nCol - 1)], *col, eras);
            }
            for (auto it = virtualCols.rbegin(); it != virtualCols.rend(); ++it) {
                if (*it >= 1 && *it <= width) {
                    fields.erase(fields.begin() + (*it - 1));
                    --width;
                }
            }
            if (quote)
                for (auto& f : fields) f = QuoteField(f);
            JoinFields(fields, width, delimiter, record);
            record += "\r\n";
            writer.write(record);
        }
        if ((i & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(i));
    }
    if (!writer.commit()) {
        cf.m_strError = writer.badLine() > 0 ? NotCp932Message(path, writer.badLine())
                                             : SaveFailedMessage(path, writer.error());
        return false;
    }
    return true;
}

bool CTabrixDoc::OnSaveDocument(const std::string& path) { return OnSaveDocument(path, m_nEncoding); }

bool CTabrixDoc::OnSaveDocument(const std::string& path, FileEncoding encoding) {
    if (!StoreLines(path, m_CtrlFile.m_cDelim, m_CtrlFile.m_bQuote, encoding)) {
        m_app.ui.messageBox(m_CtrlFile.m_strError, MsgIcon::Stop);
        return false;
    }
    // A document read from EUC-JP is Shift-JIS from then on.
    m_nEncoding = IsUtf8(encoding) ? encoding : FileEncoding::Sjis;
    // Only a save that reached the disk makes the document clean.
    if (m_pView) m_pView->clearModified();
    return true;
}

bool CTabrixDoc::CanSave() const {
    const std::string ext = ExtensionOf(m_CtrlFile.m_strDataFile);
    return ext != ".xls" && ext != ".xlsx";
}

bool CTabrixDoc::DoSave() {
    if (!CanSave()) return DoSaveAs();
    const std::string& name = m_CtrlFile.m_strDataFile;
    const bool neverSaved = name == kNewTitle || name.empty();
    if (neverSaved || IsReadOnlyFile(name)) return DoSaveAs();
    return OnSaveDocument(name);
}

bool CTabrixDoc::DoSaveAs() {
    FileDialogRequest request;
    request.title = kSaveAsTitle;
    request.filter = kSaveFilter;
    request.fileName = m_CtrlFile.m_strDataFile;
    // A workbook is saved as delimited text: propose a text name beside it.
    if (IsWorkbookName(request.fileName))
        request.fileName.replace(request.fileName.size() - ExtensionOf(request.fileName).size(), std::string::npos,
                                 ".txt");
    const std::string folder = m_CtrlFile.m_strDataFile.substr(
        0, m_CtrlFile.m_strDataFile.size() - FileNameOf(m_CtrlFile.m_strDataFile).size());
    request.initialDir = folder;
    request.overwritePrompt = true;
    const FileEncoding current = IsUtf8(m_nEncoding) ? m_nEncoding : FileEncoding::Sjis;
    request.choices.push_back({EncodingTexts::kLabel,
                               {std::begin(EncodingTexts::kChoices), std::end(EncodingTexts::kChoices)},
                               static_cast<int>(current)});
    if (!m_app.ui.getSaveFileName(request)) return false;
    const int chosen = request.choices.front().selected;
    const FileEncoding encoding = chosen >= 0 && chosen <= 2 ? static_cast<FileEncoding>(chosen) : current;
    std::string path = request.fileName;
    if (ExtensionOf(path).empty()) {
        static constexpr const char* kExtensions[] = {".txt", ".csv", ".dat", ".txt"};
        path += kExtensions[request.filterIndex >= 0 && request.filterIndex < 4 ? request.filterIndex : 0];
    }
    if (IsWorkbookName(path)) {
        m_app.ui.messageBox(kNoWorkbookSave, MsgIcon::Stop);
        return false;
    }
    if (!OnSaveDocument(path, encoding)) return false;
    setDataFileName(path);
    return true;
}

}  // namespace tabrix
