// A column's translation settings and, once loaded, its translation table:
// the code in the column is looked up in a delimited file and the names on
// the key's line go into other columns of the row.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace tabrix {

class CTranCtrl {
public:
    std::string m_strMsg;         // text of the last translation error
    bool m_bTran = false;         // TRAN=
    bool m_bAutoRun = false;      // TRAN_AUTORUN=
    std::string m_strFile;        // TRAN_FILE=
    char m_cDelim = ',';          // TRAN_DELIM=
    int m_nKeyPos = -1;           // TRAN_KEYPOS=, 1-based field of the translation file
    std::vector<int> m_NamePos;   // TRAN_NAMEPOS=, 1-based fields holding the names
    std::vector<int> m_TranCols;  // TRAN_COL=, 1-based schema columns receiving the names

    // The loaded table: records in file order, each the list of its fields,
    // and the index from a key to its first record. The index belongs to the
    // key position it was built for (m_nIndexKeyPos).
    std::vector<std::vector<std::string>> m_Table;
    std::unordered_map<std::string, std::size_t> m_Index;
    int m_nIndexKeyPos = 0;
};

}  // namespace tabrix
