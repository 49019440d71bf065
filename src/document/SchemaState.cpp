#include "document/SchemaState.h"

#include <map>
#include <utility>

#include "document/PathMatch.h"
#include "document/TabrixDoc.h"
#include "schema/CtrlFileText.h"
#include "schema/TranTable.h"

namespace tabrix {

namespace {

// A record's copy; the translation table it loaded stays with the record
// (tables can be large and do not change with the schema).
std::unique_ptr<CColCtrl> CopyWithoutTable(CColCtrl& rec) {
    CTranCtrl& tran = rec.m_Tran;
    auto table = std::move(tran.m_Table);
    auto index = std::move(tran.m_Index);
    tran.m_Table.clear();
    tran.m_Index.clear();
    auto copy = std::make_unique<CColCtrl>(rec);
    tran.m_Table = std::move(table);
    tran.m_Index = std::move(index);
    return copy;
}

using TableKey = std::pair<std::string, char>;

}  // namespace

SchemaState SchemaState::Of(CTabrixDoc& doc) {
    CCtrlFile& cf = doc.m_CtrlFile;
    SchemaState s;
    s.maxCols = cf.m_nMaxCols;
    s.titleLine = doc.m_bTitleLine;
    s.loaded = cf.m_bLoaded;
    if (!cf.m_bLoaded) return s;
    s.text = CtrlFileText(cf, {}, LocalDateTime{});
    s.delim = cf.m_cDelim;
    s.quote = cf.m_bQuote;
    s.openDlg = cf.m_nOpenDlg;
    s.menuMode = cf.m_nMenuMode;
    s.mdb = cf.m_strMdb;
    s.keyCols = cf.m_KeyCols;
    s.dupCheck = cf.m_bDupCheck;
    s.colChange = cf.m_bColChange;
    s.lineChange = cf.m_bLineChange;
    s.convUse = cf.m_bConvUse;
    s.helpMsg = cf.m_bHelpMsg;
    s.imeMode = cf.m_nImeMode;
    s.headTitle = cf.m_bHeadTitle;
    s.records.reserve(cf.m_Cols.size());
    for (const auto& rec : cf.m_Cols) s.records.push_back(CopyWithoutTable(*rec));
    return s;
}

std::size_t SchemaState::bytes() const {
    return sizeof(SchemaState) + text.size() + records.size() * sizeof(CColCtrl);
}

void SchemaChange::restore(CTabrixDoc& doc, bool toBefore) const {
    const SchemaState& s = toBefore ? before : after;
    CCtrlFile& cf = doc.m_CtrlFile;
    if (countChanged()) cf.m_nMaxCols = s.maxCols;
    if (titleChanged()) doc.m_bTitleLine = s.titleLine;
    if (!ctrlChanged()) return;
    cf.m_bLoaded = s.loaded;
    cf.m_cDelim = s.delim;
    cf.m_bQuote = s.quote;
    cf.m_nOpenDlg = s.openDlg;
    cf.m_nMenuMode = s.menuMode;
    cf.m_strMdb = s.mdb;
    cf.m_KeyCols = s.keyCols;
    cf.m_bDupCheck = s.dupCheck;
    cf.m_bColChange = s.colChange;
    cf.m_bLineChange = s.lineChange;
    cf.m_bConvUse = s.convUse;
    cf.m_bHelpMsg = s.helpMsg;
    cf.m_nImeMode = s.imeMode;
    cf.m_bHeadTitle = s.headTitle;
    // The loaded tables go to the restored records that read the same file.
    std::map<TableKey, CTranCtrl> tables;
    for (auto& rec : cf.m_Cols) {
        CTranCtrl& tran = rec->m_Tran;
        if (tran.m_Table.empty()) continue;
        CTranCtrl& kept = tables[{tran.m_strFile, tran.m_cDelim}];
        if (!kept.m_Table.empty()) continue;
        kept.m_Table = std::move(tran.m_Table);
        kept.m_Index = std::move(tran.m_Index);
        kept.m_nIndexKeyPos = tran.m_nIndexKeyPos;
    }
    std::vector<std::unique_ptr<CColCtrl>> records;
    records.reserve(s.records.size());
    std::map<TableKey, std::vector<CTranCtrl*>> readers;
    for (const auto& saved : s.records) {
        auto rec = std::make_unique<CColCtrl>(*saved);
        rec->m_pOwner = &cf;
        CTranCtrl& tran = rec->m_Tran;
        if (tran.m_bTran) readers[{tran.m_strFile, tran.m_cDelim}].push_back(&tran);
        records.push_back(std::move(rec));
    }
    for (auto& [key, trans] : readers) {
        const auto it = tables.find(key);
        for (std::size_t i = 0; i < trans.size(); ++i) {
            CTranCtrl& tran = *trans[i];
            if (it == tables.end()) {
                // The column was deleted with its table: the table is read again.
                LoadTranTable(tran, doc.app(), FolderOfPath(cf.m_strCtrlFile));
                continue;
            }
            // The last reader takes the table, the others a copy.
            const bool last = i + 1 == trans.size();
            tran.m_Table = last ? std::move(it->second.m_Table) : it->second.m_Table;
            tran.m_Index = last ? std::move(it->second.m_Index) : it->second.m_Index;
            tran.m_nIndexKeyPos = it->second.m_nIndexKeyPos;
        }
    }
    cf.m_Cols = std::move(records);
    // The control file on disk may hold either state: it is saved again on closing.
    cf.m_bModified = true;
}

}  // namespace tabrix
