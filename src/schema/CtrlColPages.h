// The pages of "項目設定": one per column type and the translation page. Each
// is filled from a column record, checks its values (the first failing
// message, empty when they pass) and stores them into a record.
#pragma once

#include <string>
#include <vector>

#include "schema/ColCtrl.h"
#include "text/FormatBits.h"

namespace tabrix {

struct AppContext;
class CCtrlFile;
class IUserInterface;

// A check box of the text page and the class it permits.
struct FormatBox {
    FormatBits bit;
    const char* caption;
};

// "表示＆保存フォーマット" of a text column.
class CCtrlColFmt1 {
public:
    static constexpr const char* kPickOne = "文字タイプの時は、何か１つフォーマットを選択して下さい。";
    static constexpr const char* kNeedEtcChar = "その他文字を入力して下さい。";
    static constexpr FormatBox kBoxes[] = {
        {kFmtHalfSpace, "半角ｽﾍﾟｰｽ"},  {kFmtHalfLetter, "英字"},       {kFmtHalfDigit, "数字"},
        {kFmtHalfSymbol, "記号"},      {kFmtHalfKana, "半角ｶﾅ"},       {kFmtHalfSmallKana, "半角捨て仮名"},
        {kFmtFullSpace, "全角スペース"}, {kFmtFullLetter, "全角英字"},  {kFmtFullDigit, "全角数字"},
        {kFmtFullSymbol, "全角記号"},   {kFmtHiragana, "全角ひら"},    {kFmtKatakana, "全角カナ"},
        {kFmtKanji1, "第一水準漢字"},   {kFmtKanji2, "第二水準漢字"},  {kFmtFullWidth, "全ての全角"},
    };
    // The single full-width classes that "全ての全角" covers.
    static constexpr FormatBits kSingleFullWidth = kFmtFullSpace | kFmtFullLetter | kFmtFullDigit | kFmtFullSymbol |
                                                   kFmtHiragana | kFmtKatakana | kFmtKanji1 | kFmtKanji2;

    FormatBits m_nBits = 0x201F;  // the ticked boxes
    bool m_bEtcChar = false;      // "その他文字"
    std::string m_strEtcChar;
    bool m_bHanSpConv = false;  // "半角ｽﾍﾟｰｽ２個を全角ｽﾍﾟｰｽ１個に変換する"

    void setBox(FormatBits bit, bool on);
    bool boxEnabled(FormatBits bit) const;
    void setEtcChar(bool on);
    bool etcCharEnabled() const { return m_bEtcChar; }

    void load(const CColCtrl& col);
    std::string check() const;
    void store(CColCtrl& col) const;
};

// "表示＆保存フォーマット" of a number column.
class CCtrlColFmt2 {
public:
    static constexpr const char* kAllLenOverLength = "全体桁数は、入力桁数以下で指定して下さい。";
    static constexpr const char* kPointOverLength = "少数以下桁数は、入力桁数以下で指定して下さい。";
    static constexpr const char* kPointOverAllLen = "少数以下桁数は、全体数以下で指定して下さい。";
    static constexpr const char* kBadAllLen = "全体桁数は、-1または1～13で指定して下さい。";
    static constexpr const char* kBadPoint = "少数以下桁数は、0～10で指定して下さい。";
    static constexpr int kMaxAllLen = 13;
    static constexpr int kMaxPoint = 10;

    bool m_bZeroPad = false;  // "前ゼロ付き" (NUM2); "前ゼロなし" (NUM1) otherwise
    int m_nAllLen = -1;       // "全体桁数"
    int m_nPoint = 0;         // "少数以下桁数"
    std::string m_strMin;     // "最小値"
    std::string m_strMax;     // "最大値"

    void load(const CColCtrl& col);
    // length: the column's maximum length.
    std::string check(int length) const;
    void store(CColCtrl& col) const;
};

// A page of two notations, shown and saved: dates or times.
class CNotationPage {
public:
    int m_nDisplay = 0;  // "表示フォーマット": an index of the notations
    int m_nSave = 0;     // "保存フォーマット"

protected:
    // The first notation is preselected when the column holds none of these.
    void loadNotations(const CColCtrl& col, FormatBits first);
    void storeNotations(CColCtrl& col, FormatBits first) const;
};

class CCtrlColFmt3 : public CNotationPage {
public:
    static constexpr const char* kNotations[] = {"YYYYMMDD",  "YYYY/MM/DD",      "YYYY年MM月DD日",
                                                 "gYY.MM.DD", "ggYY年MM月DD日", "YYYY/MM/DD hh:mm:ss"};
    void load(const CColCtrl& col) { loadNotations(col, kFmtDate1); }
    void store(CColCtrl& col) const { storeNotations(col, kFmtDate1); }
};

class CCtrlColFmt4 : public CNotationPage {
public:
    static constexpr const char* kNotations[] = {"hhmm", "hh:mm", "hh時mm分", "hhmmss", "hh:mm:ss", "hh時mm分ss秒"};
    static constexpr const char* kRounds[] = {"丸め処理しない", "切り上げ", "切り捨て"};
    static constexpr const char* kBases[] = {"5分", "10分", "15分", "30分"};
    static constexpr int kBaseMinutes[] = {5, 10, 15, 30};

    int m_nRound = 0;  // "丸め処理しない", "切り上げ", "切り捨て"
    int m_nBase = -1;  // "基準分": an index of kBases, -1 when none is chosen

    bool baseEnabled() const { return m_nRound != 0; }
    void load(const CColCtrl& col);
    void store(CColCtrl& col) const;
};

// "翻訳設定": the column's code translated through a translation file.
class CCtrlTran {
public:
    static constexpr const char* kNeedFile = "翻訳ファイル名を入力して下さい。";
    static constexpr const char* kBadKeyPos = "キー列番号は１以上、翻訳ファイルの項目数以下で入力して下さい。";
    static constexpr const char* kNeedNamePos = "抽出項目番号を入力して下さい。";
    static constexpr const char* kNeedTargets = "翻訳結果格納列番号を入力して下さい。";
    static constexpr const char* kTooFewFields = "抽出項目番号がファイル項目数より大きいです。";
    static constexpr const char* kBadTargets = "翻訳結果格納列番号は１以上項目数以下で入力して下さい。";
    static constexpr int kMaxKeyPos = 65535;
    static constexpr int kSampleLines = 11;

    bool m_bTran = false;       // "翻訳指定をする"
    std::string m_strFile;      // "ファイル名"
    char m_cDelim = ',';        // "区切文字"
    int m_nKeyPos = 1;          // "キー列番号"
    std::string m_strNamePos;   // "抽出項目番号", a comma list
    std::string m_strTargets;   // "翻訳結果格納列番号", a comma list
    bool m_bAutoRun = false;    // "データ読み込み時に自動翻訳をする"

    // The controls other than the tick, while the column is a file column.
    bool controlsEnabled() const { return m_bTran; }

    void load(const CTranCtrl& tran);
    // "参照" for the file: the chosen file, and the delimiter its first lines show.
    bool browseFile(IUserInterface& ui);
    // "参照" for the target columns: the schema's columns, several at a time.
    bool browseTargets(IUserInterface& ui, const CCtrlFile& ctrl);
    // The page's checks (nothing while translation is off); folder is where
    // a relative file name is found after DefDir; columns the column count.
    std::string check(const AppContext& app, const std::string& folder, int columns) const;
    // The settings; off, they are those a control file gives a column
    // without translation.
    void store(CTranCtrl& tran) const;
    // The target text follows a column inserted at, or deleted from, position.
    void columnInserted(int position);
    void columnDeleted(int position);
};

}  // namespace tabrix
