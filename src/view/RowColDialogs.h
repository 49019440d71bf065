// The dialogs of the row and column commands, as data: their fields with the
// defaults, the checks OK runs and the question it asks. The desktop's
// widgets and the options of tabrix-cli edit only fill them in.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/UserInterface.h"
#include "view/ColSelDlg.h"
#include "view/TypedText.h"

namespace tabrix {

class CLineStore;

// "ソート設定": the key columns are shown, the direction is chosen.
class CSortOpt : public CDialogModel {
public:
    static constexpr const char* kCaption = "ソート設定";

    std::vector<int> m_KeyCols;  // "ソート基準列"
    bool m_bDescending = false;  // "降順ソート"; "昇順ソート" otherwise

    // The key columns as the read-only text shows them: "%d " each.
    std::string keyText() const;
};

// "列見出し編集": the title of one column in the title line.
class CTitleEditDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "列見出し編集";

    std::string m_strTitle;
    TypedTextRule m_rule;

    std::string validate() const override { return m_rule.check(m_strTitle); }
};

// "列コピー": the selected column is copied over a destination column.
class CColCopyDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "列コピー";
    static constexpr const char* kSameColumn = "異なる列番号を入力して下さい。";
    static constexpr int kMaxColumn = 99999;

    int m_nSource = 1;    // read-only: the selected column
    int m_nDest = 1;      // initially the selected column
    int m_nColCount = 1;  // the document's column count
    CColSelDlg m_Chooser; // what "参照" opens, on the document's data

    // "参照": the chooser on the destination column; OK takes its choice.
    bool browse(IUserInterface& ui);

    std::string validate() const override;
    std::string confirmation() const override;
};

// "置換": what the selected columns' fields are replaced by.
class CReplaceDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "置換";

    std::string m_strFind;     // "検索する文字列"
    std::string m_strWith;     // "置換後の文字列"
    bool m_bUncond = false;    // "無条件に置換する"
    bool m_bNonEmpty = false;  // "空白以外の項目のみ"
    TypedTextRule m_rule;

    // The ticks as the dialog couples them.
    void setUnconditional(bool on);
    void setNonEmptyOnly(bool on);
    bool findEnabled() const { return !m_bUncond && !m_bNonEmpty; }
    bool unconditionalEnabled() const { return !m_bNonEmpty; }

    std::string validate() const override { return m_rule.check(m_strWith); }
    std::string confirmation() const override;
};

// "列挿入": columns inserted after the selected one.
class CColInsertDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "列挿入";
    static constexpr const char* kNote = "※指定した列の後ろに追加されます";
    static constexpr const char* kBadCount = "挿入列数は1～999で入力して下さい。";
    static constexpr int kMaxCount = 999;

    std::string m_strTitle;       // "列タイトル"
    std::string m_strValue;       // "データ初期値"
    int m_nCount = 1;             // "挿入列数"
    bool m_bTitleLine = false;    // the title is asked only with a title line
    TypedTextRule m_rule;

    std::string validate() const override;
};

// "列マージ確認": the direction and the separator of a merge.
class CMargeWay : public CDialogModel {
public:
    static constexpr const char* kCaption = "列マージ確認";
    enum Direction { LeftFromRight = 0, RightFromLeft = 1 };  // "左←右", "左→右"
    enum Separator { None = 0, HalfSpace = 1, FullSpace = 2, Other = 3 };

    int m_nDirection = LeftFromRight;  // "ﾏｰｼﾞする方向"
    int m_nSeparator = None;           // "区切文字"
    std::string m_strOther;            // the text of "その他"
    TypedTextRule m_rule;

    // The separator's text (spaces as spaces).
    std::string separator() const;
    std::string validate() const override;
};

// "分割オプション": where the selected column is cut.
class CSplitOpt : public CDialogModel {
public:
    static constexpr const char* kCaption = "分割オプション";
    static constexpr const char* kRepeatNote = "（空セルが１つでも出来ると中止します）";
    static constexpr const char* kNoSeparator = "区切文字を入力して下さい。";
    static constexpr const char* kOneCharacter = "区切文字は１文字で入力して下さい。";
    static constexpr const char* kBadByteCount = "文字数は1～65535で入力して下さい。";
    static constexpr int kMaxBytes = 65535;
    enum Separator { Csv = 0, Tab = 1, HalfSpace = 2, FullSpace = 3, Other = 4, Bytes = 5 };

    int m_nSeparator = Csv;  // "区切文字"
    std::string m_strOther;  // one character for "その他"
    int m_nBytes = 1;        // "byteで区切る" for "文字数"
    bool m_bRepeat = false;  // "区切文字が無くなるまで、連続実行する"

    bool byBytes() const { return m_nSeparator == Bytes; }
    // The separator's text (spaces as spaces); empty when cutting by bytes.
    std::string separator() const;
    std::string validate() const override;
};

// "列順変更": the columns in a new order, each shown with its value in one record.
class CColOrderDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "列順変更";
    static constexpr const char* kBadOrder = "列番号を全て１回ずつ指定して下さい。";

    // On record 1 of the store, the columns in their order.
    void attach(const CLineStore& lines, int width);
    const std::vector<std::string>& entries() const { return m_Entries; }
    std::size_t record() const { return m_nRecord; }
    bool canStepBack() const { return m_nRecord > 1; }
    bool canStepForward() const;
    // Another record: the list is rebuilt in column order.
    void stepBack();
    void stepForward();
    // "↑" "↓": moves the entry at index; returns its new index.
    int moveUp(int index);
    int moveDown(int index);

    std::vector<int> m_Order;  // the column numbers in list order
    int m_nColCount = 0;

    std::string validate() const override;

private:
    void showRecord(std::size_t record);

    const CLineStore* m_pLines = nullptr;
    std::size_t m_nRecord = 1;
    std::vector<std::string> m_Entries;
};

// "列幅": the pixel width of the selected columns.
class CColWidthDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "列幅";
    int m_nWidth = 0;
};

}  // namespace tabrix
