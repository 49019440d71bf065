#include "document/SchemaState.h"

#include <map>
#include <utility>

#include "document/PathMatch.h"
#include "document/TabrixDoc.h"
#include "schema/CtrlFileText.h"
#include "schema/CtrlSnapshot.h"
#include "schema/TranTable.h"

namespace tabrix {

namespace {

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
    // The loaded translation tables stay with the records: they do not change with the schema.
    for (const auto& rec : cf.m_Cols) s.records.push_back(std::make_unique<CColCtrl>(CopyWithoutTable(*rec)));
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
    std::map<TableKey, TranTableData> tables;
    for (auto& rec : cf.m_Cols) {
        CTranCtrl& tran = rec->m_Tran;
        if (!tran.m_Table.empty() && !tables.count({tran.m_strFile, tran.m_cDelim}))
            tables[{tran.m_strFile, tran.m_cDelim}] = TakeTranTable(tran);
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
            PutTranTable(tran, i + 1 == trans.size() ? std::move(it->second) : TranTableData(it->second));
        }
    }
    cf.m_Cols = std::move(records);
    // The control file on disk may hold either state: it is saved again on closing.
    cf.m_bModified = true;
}

}  // namespace tabrix
