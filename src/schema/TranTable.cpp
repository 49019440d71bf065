#include "schema/TranTable.h"

#include <algorithm>

#include "app/AppContext.h"
#include "document/LineReader.h"
#include "document/PathMatch.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr std::size_t kNoRecordYet = 99999;

void BuildIndex(CTranCtrl& tran) {
    tran.m_Index.clear();
    tran.m_Index.reserve(tran.m_Table.size());
    for (std::size_t i = 0; i < tran.m_Table.size(); ++i)
        tran.m_Index.emplace(TranFieldAt(tran.m_Table[i], tran.m_nKeyPos), i);  // the first record of a key stays
    tran.m_nIndexKeyPos = tran.m_nKeyPos;
}

}  // namespace

std::vector<std::string> SplitTranRecord(std::string_view line, char delim) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t p = 0; p < line.size();) {
        const std::size_t next = NextChar(line, p);
        if (next == p + 1 && line[p] == delim) {
            fields.emplace_back(line.substr(start, p - start));
            start = next;
        }
        p = next;
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

const std::string& TranFieldAt(const std::vector<std::string>& record, int position) {
    static const std::string kEmpty;
    if (position < 1 || static_cast<std::size_t>(position) > record.size()) return kEmpty;
    return record[static_cast<std::size_t>(position - 1)];
}

long long FindTranRecord(const CTranCtrl& tran, std::string_view key) {
    if (tran.m_nIndexKeyPos != 0 && tran.m_nIndexKeyPos == tran.m_nKeyPos) {
        const auto it = tran.m_Index.find(std::string(key));
        return it == tran.m_Index.end() ? -1 : static_cast<long long>(it->second);
    }
    for (std::size_t i = 0; i < tran.m_Table.size(); ++i)
        if (TranFieldAt(tran.m_Table[i], tran.m_nKeyPos) == key) return static_cast<long long>(i);
    return -1;
}

void ClearTranTable(CTranCtrl& tran) {
    tran.m_Table.clear();
    tran.m_Index.clear();
    tran.m_nIndexKeyPos = 0;
}

int LoadTranTable(CTranCtrl& tran, AppContext& app, const std::string& fallbackFolder) {
    ClearTranTable(tran);
    const std::string path = ResolveDataPath(tran.m_strFile, DataFolder(app), fallbackFolder);
    CLineReader reader;
    std::size_t fewestFields = kNoRecordYet;
    const bool read = reader.open(path) && reader.forEachLine([&](char* line, std::size_t length) {
        if (length == 0) return true;
        tran.m_Table.push_back(SplitTranRecord(std::string_view(line, length), tran.m_cDelim));
        fewestFields = std::min(fewestFields, tran.m_Table.back().size());
        return true;
    });
    if (!read) {
        ClearTranTable(tran);
        tran.m_strMsg = tran.m_strFile + " ファイルのＯＰＥＮが出来ませんでした。";
        app.ui.messageBox(tran.m_strMsg, MsgIcon::Stop);
        return 0;
    }

    const char* tooShort = nullptr;
    const auto exceeds = [&](int position) { return position > 0 && static_cast<std::size_t>(position) > fewestFields; };
    if (exceeds(tran.m_nKeyPos))
        tooShort = "キー列番号が翻訳ファイルの項目数を超えています。";
    else if (std::any_of(tran.m_NamePos.begin(), tran.m_NamePos.end(), exceeds))
        tooShort = "名称列番号が翻訳ファイルの項目数を超えています。";
    if (tooShort) {
        tran.m_strMsg = "翻訳指定（" + tran.m_strFile + "）の指定にエラーが有ります。\n" + tooShort;
        app.ui.messageBox(tran.m_strMsg, MsgIcon::Stop);
        ClearTranTable(tran);
        return 0;
    }
    BuildIndex(tran);
    return 1;
}

int LookupTran(CTranCtrl& tran, std::string_view key, std::vector<std::string>& names) {
    names.clear();
    const long long found = FindTranRecord(tran, key);
    if (found < 0) {
        names.assign(tran.m_NamePos.size(), std::string());
        tran.m_strMsg = "翻訳キー（" + std::string(key) + "）が翻訳ファイルに見つかりません。";
        return 0;
    }
    const std::vector<std::string>& record = tran.m_Table[static_cast<std::size_t>(found)];
    names.reserve(tran.m_NamePos.size());
    for (int position : tran.m_NamePos) names.push_back(TranFieldAt(record, position));
    return 1;
}

int TranslateRow(CTranCtrl& tran, std::string_view key, std::vector<std::string>& fields) {
    std::vector<std::string> names;
    if (!LookupTran(tran, key, names)) return 0;
    const std::size_t pairs = std::min(names.size(), tran.m_TranCols.size());
    for (std::size_t i = 0; i < pairs; ++i) {
        const int column = tran.m_TranCols[i];
        if (column >= 1 && static_cast<std::size_t>(column) <= fields.size())
            fields[static_cast<std::size_t>(column - 1)] = std::move(names[i]);
    }
    return 1;
}

}  // namespace tabrix
