// "制御ファイル設定": the file-level settings of a document's control file, and
// the way to "項目設定" for its columns.
//
// The editor works on the document's CCtrlFile directly. Opening takes a
// snapshot (and makes a schema of the document's columns when there is
// none); Cancel puts the snapshot back, OK offers to save. The virtual
// columns added or removed meanwhile are left in session().edits() for the
// view to replay on the line store once the dialog closed with OK.
#pragma once

#include <memory>
#include <string>

#include "app/AppContext.h"
#include "schema/ColAttrReadDlg.h"
#include "schema/CtrlEditSession.h"

namespace tabrix {

class CTabrixDoc;

// An open-file dialog of the editor's "参照" buttons, starting at name; the
// chosen path replaces name. False when cancelled.
bool BrowseFileName(IUserInterface& ui, const char* title, const char* filter, std::string& name);

class CMakeCtrlDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "制御ファイル設定";
    static constexpr const char* kCreated = "制御ファイルを新規に作成します。\n全ての項目は初期値で設定されています。";
    static constexpr const char* kDupNeedsKeys = "重複チェックを行う場合は、キー列番号を入力して下さい。";
    static constexpr const char* kNeedFileName = "ファイル読込種別画面を表示しない場合はファイル名を入力して下さい。";
    static constexpr const char* kBadKeyCols = "キー列番号は１以上項目数以下で入力して下さい。";
    static constexpr const char* kSaveQuestion = "制御ファイルが変更されています。保存しますか？";
    static constexpr const char* kReopen = "列数が変更されました。再度ファイルを開き直して下さい。";
    static constexpr const char* kFileTitle = "ファイル参照";
    static constexpr const char* kFileFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";
    static constexpr const char* kMdbTitle = "ＭＤＢ参照";
    static constexpr const char* kMdbFilter = "MDBﾌｧｲﾙ(*.mdb)|*.mdb|全てのﾌｧｲﾙ(*.*)|*.*||";
    static constexpr const char* kMenuModes[] = {"標準メニュー", "レイアウト変更禁止", "レイアウト変更禁止＆変換禁止",
                                                 "ファイル分割のみ可"};
    static constexpr const char* kImeModes[] = {"制御しない", "通常", "詳細"};
    // "ファイル読込種別画面", in OPENDLG= order: VIEW, NOT, OPTION.
    static constexpr const char* kOpenDlgModes[] = {"表示する", "表示しない", "オプションに従う"};
    static constexpr int kOpenDlgView = 0;
    static constexpr int kOpenDlgNot = 1;

    CMakeCtrlDlg(CTabrixDoc& doc, AppContext& app);

    // The snapshot; a new schema (with its notice) when none is loaded; the
    // controls filled from the settings.
    void open(IUserInterface& ui);

    // The controls.
    std::string m_strFileName;  // "ファイル名"
    std::string m_strMdb;       // "MDB名" (hidden)
    char m_cDelim = ',';        // "区切文字": ',', TAB or space
    std::string m_strKeyCols;   // "キー列番号", a comma list
    bool m_bDupCheck = false;   // "重複チェックを行う"
    int m_nMenuMode = 0;        // "メニュー": an index of kMenuModes
    int m_nImeMode = 0;         // "IMEモード": an index of kImeModes
    bool m_bColChange = true;   // "列変更を許可する"
    bool m_bLineChange = true;  // "行変更を許可する"
    bool m_bConvUse = true;     // "変換処理を許可する"
    bool m_bHelpMsg = true;     // "ﾍﾙﾌﾟﾒｯｾｰｼﾞを表示する"
    bool m_bHeadTitle = false;  // "１行目を見出し行とする"
    bool m_bQuote = false;      // "ﾌｧｲﾙ上はﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝで囲まれている"
    int m_nOpenDlg = 2;         // "ファイル読込種別画面": an index of kOpenDlgModes

    bool delimiterEnabled() const { return m_nOpenDlg != kOpenDlgView; }
    // "項目設定": there are columns to set.
    bool columnsEnabled() const;

    // Ticking "重複チェックを行う": refused while no key column is typed.
    bool setDupCheck(bool on, IUserInterface& ui);
    // The three "参照" buttons; true when a choice replaced the text.
    bool browseFile(IUserInterface& ui);
    bool browseMdb(IUserInterface& ui);
    bool browseKeyCols(IUserInterface& ui);
    // "項目設定": the page check, then the column dialog.
    bool editColumns(IUserInterface& ui);
    // "項目属性自動設定": "項目属性読込", then the column records set from the
    // lines it names; its values last while the editor is open.
    bool readAttributes(IUserInterface& ui);
    CColAttrReadDlg& attributeLines() { return m_attrRead; }

    // The page check: the settings are stored into the schema; false after
    // the refusal was shown.
    bool pageCheck(IUserInterface& ui);
    // "OK": the checks, the save question and the notice; true when the
    // dialog closes.
    bool onOk(IUserInterface& ui);
    // "キャンセル": the schema as it was.
    void onCancel();

    CCtrlEditSession& session() { return *m_session; }
    CTabrixDoc& document() const { return m_doc; }

private:
    void createSchema(IUserInterface& ui);
    void loadControls();
    // The first column whose settings the loader would refuse, with the message.
    std::string firstColumnComplaint();

    CTabrixDoc& m_doc;
    AppContext& m_app;
    std::unique_ptr<CCtrlEditSession> m_session;
    CColAttrReadDlg m_attrRead;
};

}  // namespace tabrix
