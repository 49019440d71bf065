// The findings of a data check and the list a user works through: records in
// the order they were found, the rows of the error list window (a row deleted
// there stays a record and is still written to the error file), moving the
// grid to a finding, and the error file.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tabrix {

class CTabrixDoc;
class CTabrixView;

// One finding of the data check.
struct CErrMsgInfo {
    int m_nLine = 0;            // 1-based line of the store; the title line is line 1
    int m_nCol = 0;             // 1-based column; for a duplicate key the first key column
    std::string m_strColText;   // the column title; for a duplicate key the key
    std::string m_strMsg;       // the message
    std::string m_strData;      // the value found; for a duplicate key the key
};

class CErrMsgList {
public:
    static constexpr const char* kWindowTitle = "エラーメッセージ";
    static constexpr std::array<const char*, 4> kColumnCaptions = {"行", "　列", "エラー内容", "エラーデータ"};
    static constexpr const char* kCloseCaption = "閉じる(&C)";
    static constexpr const char* kFileMenuCaption = "ファイル(&F)";
    static constexpr const char* kWriteCaption = "エラーデータ出力(&O)";
    static constexpr const char* kSaveTitle = "エラーデータ保存";
    static constexpr const char* kSaveFilter =
        "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";

    explicit CErrMsgList(CTabrixView& view) : m_view(view) {}

    const std::vector<CErrMsgInfo>& records() const { return m_Records; }
    void clear();
    void add(CErrMsgInfo info);

    // The rows of the list window, in record order until rows are deleted.
    int rowCount() const { return static_cast<int>(m_Rows.size()); }
    const CErrMsgInfo& rowRecord(int row) const { return m_Records[m_Rows[static_cast<std::size_t>(row)]]; }
    // The texts of a row under the four column captions.
    std::array<std::string, 4> rowTexts(int row) const;
    // Removes a row from the list only; false when there is no such row.
    bool deleteRow(int row);
    // Shows the finding of the row in the grid: its line's page, its cell
    // selected. False when the row or its line is not there to show.
    bool activate(int row);

    // "エラーデータ出力(&O)": asks for a file and writes every record to it.
    // False when cancelled or after the failure was shown.
    bool WriteErrorFile();

private:
    CTabrixView& m_view;
    std::vector<CErrMsgInfo> m_Records;
    std::vector<std::size_t> m_Rows;  // record index of each list row
};

// The error file's text of the records, one line each, CR LF line ends: with
// key columns "【%06d,%04d】 %s:%s（%s:%s）" ending with the key fields of the
// record's line (each followed by a space) and the data, without them
// "【%06d,%04d】 %s:%s（%s）".
std::string ErrorFileText(const std::vector<CErrMsgInfo>& records, const CTabrixDoc& doc);

// The error list window of the desktop, made by the factory the desktop
// gives the view. It shows the list it was created over; destroying it closes
// it. When the user closes it, it calls CTabrixView::closeErrorList(), which
// destroys this object before returning: a widget behind it must therefore be
// released later (deleteLater), not from its own close handler.
class IErrorListWindow {
public:
    virtual ~IErrorListWindow() = default;
};
using ErrorListWindowFactory = std::function<std::unique_ptr<IErrorListWindow>(CErrMsgList& list)>;

}  // namespace tabrix
