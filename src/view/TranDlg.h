// "翻訳画面", the code picker of a translated column, as data: the column's
// translation table page by page, the key first and the names under the
// titles of the columns they fill, a search in one of its columns, and the
// key of the one chosen row as the result.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CTranCtrl;

class CTranDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "翻訳画面";
    static constexpr const char* kSelectOneRow = "１行のみ選択して下さい。";
    static constexpr const char* kSelectOneColumn = "列を１列選択して下さい。";
    static constexpr const char* kNamesHeading = "表示項目";

    CTranDlg() = default;
    // Opens on the page of the first record that the search for value in the
    // key finds, with its row selected; on the first page when none does.
    CTranDlg(const CTranCtrl& tran, std::string value, std::string keyTitle, std::vector<std::string> nameTitles,
             int pageSize);

    // The grid's column titles: the key column's title, then one per name
    // position (the title of the column it fills, or "表示項目").
    const std::vector<std::string>& headings() const { return m_Headings; }
    std::size_t recordCount() const;
    int pageSize() const { return m_nPageSize; }
    // ⌈records ÷ page size⌉ pages, listed as "P. %d".
    int pageCount() const;
    int page() const { return m_nPage; }
    // Shows a page (1-based) and selects the row whose key is the cell's value, if it is there.
    void showPage(int page);
    std::size_t rowsOnPage() const;
    // A row of the shown page: the key, then the names.
    std::vector<std::string> row(std::size_t rowOnPage) const;

    // "検索": text in grid column col (0 the key, k the k-th name) of the
    // records from the first on, by wildcard when it holds ? or *, else for
    // equality. The first match's page is shown and its row selected; no
    // match changes nothing. cols are the grid columns holding the selection.
    std::string search(const std::vector<int>& cols, const std::string& text);
    // The record the search finds, or -1.
    long long find(int col, const std::string& text) const;

    // The selected rows of the shown page.
    std::vector<std::size_t> m_SelectedRows;
    // The key of the one selected row: what goes into the cell.
    std::string result() const;
    // A row whose key is one space is not taken; the dialog stays open without a word.
    bool refusesSilently() const override;
    std::string validate() const override;

private:
    const std::string& field(std::size_t record, int col) const;
    void selectKeyOnPage();

    const CTranCtrl* m_pTran = nullptr;
    std::string m_strValue;
    std::vector<std::string> m_Headings;
    int m_nPageSize = 100;
    int m_nPage = 1;
};

}  // namespace tabrix
