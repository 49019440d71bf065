#include "view/TranDlg.h"

#include <algorithm>

#include "schema/TranCtrl.h"
#include "schema/TranTable.h"
#include "text/Wildcard.h"

namespace tabrix {

CTranDlg::CTranDlg(const CTranCtrl& tran, std::string value, std::string keyTitle,
                   std::vector<std::string> nameTitles, int pageSize)
    : m_pTran(&tran), m_strValue(std::move(value)), m_nPageSize(std::max(1, pageSize)) {
    m_Headings.push_back(std::move(keyTitle));
    for (std::size_t i = 0; i < tran.m_NamePos.size(); ++i)
        m_Headings.push_back(i < nameTitles.size() ? nameTitles[i] : std::string(kNamesHeading));
    const long long first = find(0, m_strValue);
    if (first < 0) {
        showPage(1);
        return;
    }
    showPage(static_cast<int>(first / m_nPageSize) + 1);
    m_SelectedRows = {static_cast<std::size_t>(first % m_nPageSize)};
}

std::size_t CTranDlg::recordCount() const { return m_pTran ? m_pTran->m_Table.size() : 0; }

int CTranDlg::pageCount() const {
    return static_cast<int>((recordCount() + static_cast<std::size_t>(m_nPageSize) - 1) /
                            static_cast<std::size_t>(m_nPageSize));
}

void CTranDlg::showPage(int page) {
    m_nPage = std::max(1, page);
    selectKeyOnPage();
}

std::size_t CTranDlg::rowsOnPage() const {
    const std::size_t start = static_cast<std::size_t>(m_nPage - 1) * static_cast<std::size_t>(m_nPageSize);
    const std::size_t count = recordCount();
    return start >= count ? 0 : std::min(count - start, static_cast<std::size_t>(m_nPageSize));
}

const std::string& CTranDlg::field(std::size_t record, int col) const {
    const CTranCtrl& tran = *m_pTran;
    const int position = col == 0 ? tran.m_nKeyPos : tran.m_NamePos[static_cast<std::size_t>(col - 1)];
    return TranFieldAt(tran.m_Table[record], position);
}

std::vector<std::string> CTranDlg::row(std::size_t rowOnPage) const {
    const std::size_t record = static_cast<std::size_t>(m_nPage - 1) * static_cast<std::size_t>(m_nPageSize) + rowOnPage;
    std::vector<std::string> cells;
    if (rowOnPage >= rowsOnPage()) return cells;
    for (std::size_t col = 0; col < m_Headings.size(); ++col) cells.push_back(field(record, static_cast<int>(col)));
    return cells;
}

void CTranDlg::selectKeyOnPage() {
    m_SelectedRows.clear();
    for (std::size_t r = 0; r < rowsOnPage(); ++r) {
        if (row(r).front() == m_strValue) {
            m_SelectedRows.push_back(r);
            return;
        }
    }
}

long long CTranDlg::find(int col, const std::string& text) const {
    if (!m_pTran || col < 0 || static_cast<std::size_t>(col) >= m_Headings.size()) return -1;
    const bool wildcard = text.find_first_of("?*") != std::string::npos;
    if (!wildcard && col == 0) return FindTranRecord(*m_pTran, text);
    for (std::size_t record = 0; record < recordCount(); ++record) {
        const std::string& value = field(record, col);
        if (wildcard ? WildcardMatch(text, value) : value == text) return static_cast<long long>(record);
    }
    return -1;
}

std::string CTranDlg::search(const std::vector<int>& cols, const std::string& text) {
    if (cols.size() != 1) return kSelectOneColumn;
    const long long record = find(cols.front(), text);
    if (record < 0) return {};
    m_nPage = static_cast<int>(record / m_nPageSize) + 1;
    m_SelectedRows = {static_cast<std::size_t>(record % m_nPageSize)};
    return {};
}

std::string CTranDlg::result() const {
    if (m_SelectedRows.size() != 1) return {};
    const std::vector<std::string> cells = row(m_SelectedRows.front());
    return cells.empty() ? std::string() : cells.front();
}

bool CTranDlg::refusesSilently() const { return m_SelectedRows.size() == 1 && result() == " "; }

std::string CTranDlg::validate() const {
    if (m_SelectedRows.size() != 1 || m_SelectedRows.front() >= rowsOnPage()) return kSelectOneRow;
    return {};
}

}  // namespace tabrix
