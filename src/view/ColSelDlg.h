// "項目選択": the column chooser that the "参照" buttons of many dialogs open.
//
// In data mode it lists the document's columns with their values in one
// record, which the user steps through with "《" and "》", and gives back the
// one chosen column. In control-file mode it lists the schema's columns, in
// the file or virtual, with their titles, and several may be chosen as a
// comma list such as 1,3,5.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/UserInterface.h"

namespace tabrix {

class CCtrlFile;
class CLineStore;

// The list entry of a column showing its value in a record: "%-3d:【%s】".
std::string ColumnValueEntry(int col, const std::string& value);
// The entries of columns 1 .. width for one line of the store (fields past
// the line's end are empty; a line wider than width still shows width).
std::vector<std::string> ColumnValueEntries(const CLineStore& lines, std::size_t line, int width);

class CColSelDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "項目選択";
    static constexpr const char* kSelectOne = "リストを１つ選択して下さい。";

    // A chooser over the data, on record 1, with column current preselected.
    static CColSelDlg OverData(const CLineStore& lines, int width, int current);
    // A chooser over the schema's columns, with the columns of the comma list
    // preselected; several may be chosen unless one column is asked for.
    static CColSelDlg OverSchema(const CCtrlFile& ctrl, const std::string& cols, bool several = true);

    bool schemaMode() const { return m_pLines == nullptr; }
    bool allowsSeveral() const { return m_bSeveral; }
    // Data mode: makes column col (1-based) the one selected entry.
    void preselect(int col);
    // The entries of the list, in column order.
    const std::vector<std::string>& entries() const { return m_Entries; }

    // Data mode: the shown record (1-based line number) and stepping it; the
    // selection stays at its index.
    std::size_t record() const { return m_nRecord; }
    bool canStepBack() const { return !schemaMode() && m_nRecord > 1; }
    bool canStepForward() const;
    void stepBack();
    void stepForward();

    // The selected entries by 0-based index, ascending.
    std::vector<int> m_Selected;
    // The one chosen column number, filled by validate's success.
    int chosenColumn() const { return m_Selected.size() == 1 ? m_Selected.front() + 1 : 0; }
    // Control-file mode: the chosen columns as a comma list.
    std::string chosenList() const;

    std::string validate() const override;

private:
    void showRecord(std::size_t record);

    const CLineStore* m_pLines = nullptr;
    int m_nWidth = 0;
    bool m_bSeveral = false;
    std::size_t m_nRecord = 1;
    std::vector<std::string> m_Entries;
};

}  // namespace tabrix
