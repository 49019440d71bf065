// "項目設定": the column records of the control file, one shown at a time.
//
// The controls hold the shown column until it is applied ("OK", "≪(&B)",
// "≫(&N)" and "参照" apply it first). Applying is all or nothing: every check
// runs on the typed values, including the loader's own check of a column
// and the reading of its translation table, before the record changes.
#pragma once

#include <string>

#include "app/AppContext.h"
#include "schema/CtrlColPages.h"

namespace tabrix {

class CCtrlEditSession;

class CCtrlColDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "項目設定";
    static constexpr const char* kNeedTitle = "タイトルを入力して下さい。";
    static constexpr const char* kNeedLength = "入力最大長を入力して下さい。";
    static constexpr const char* kMacros[] = {"%HIGHTDATE%", "%SYSDATE%", "%SYSTIME%", "%YEAR%", "%MONTH%",
                                              "%DAY%",       "%HOUR%",    "%MIN%",     "%SEC%"};
    static constexpr const char* kTypes[] = {"文字", "数字", "日付", "時刻"};
    static constexpr int kTypeOfTab[] = {kTypeText, kTypeNumber, kTypeDate, kTypeTime};
    static constexpr int kMaxLength = 65535;
    static constexpr int kMaxColumns = 65535;

    // folder: where a relative translation file is found after DefDir.
    CCtrlColDlg(CCtrlEditSession& session, AppContext& app, std::string folder);

    // The controls of the shown column.
    int m_nCol = 1;             // "列番号"
    bool m_bFileCol = true;     // "ファイル項目"
    bool m_bEdit = true;        // "変更を許可"
    bool m_bObligate = false;   // "必須入力"
    bool m_bNoDisp = false;     // "非表示"
    std::string m_strTitle;     // "列タイトル"
    int m_nLength = -1;         // "入力最大長"
    std::string m_strPermission;  // "許可文字", a comma list
    std::string m_strInitial;   // "初期値"
    std::string m_strReplace1;  // "置換文字"
    std::string m_strReplace2;  // "⇒"
    int m_nType = kTypeText;    // the chosen type tab
    CCtrlColFmt1 m_Text;
    CCtrlColFmt2 m_Number;
    CCtrlColFmt3 m_Date;
    CCtrlColFmt4 m_Time;
    CCtrlTran m_Tran;

    CCtrlEditSession& session() const { return m_session; }
    int columnCount() const;
    // Fills every control from column col.
    void show(int col);
    // "ファイル項目": a virtual column keeps only its title.
    void setFileCol(bool on);
    // A type tab; date and time have no length limit.
    void setType(int type);
    // Appends a macro of the list to the initial value.
    void addMacro(int index);

    bool typePagesEnabled() const { return m_bFileCol; }
    bool lengthEnabled() const { return m_bFileCol && (m_nType == kTypeText || m_nType == kTypeNumber); }
    bool canGoBack() const { return m_nCol > 1; }
    bool canGoForward() const { return m_nCol < columnCount(); }
    // The record shown is virtual, and not the last column left.
    bool canDeleteVirtual() const;

    // Stores the shown column; false after the first refusal was shown.
    bool apply(IUserInterface& ui);
    // "≪(&B)", "≫(&N)", "参照", and showing a column by its number.
    bool goBack(IUserInterface& ui) { return canGoBack() && goTo(m_nCol - 1, ui); }
    bool goForward(IUserInterface& ui) { return canGoForward() && goTo(m_nCol + 1, ui); }
    bool pick(IUserInterface& ui);
    bool goTo(int col, IUserInterface& ui);
    // "仮想項目追加" after the shown column, "仮想項目削除" of the shown one.
    bool addVirtual(IUserInterface& ui);
    bool deleteVirtual(IUserInterface& ui);
    // "OK": the shown column is applied and the dialog closes.
    bool onOk(IUserInterface& ui) { return apply(ui); }

private:
    // The first refusal of the pages' own checks, or empty.
    std::string pageRefusal() const;
    // The record the controls describe, built on a copy of the shown one.
    void storeInto(CColCtrl& col) const;

    CCtrlEditSession& m_session;
    AppContext& m_app;
    std::string m_strFolder;
};

}  // namespace tabrix
