// The dialogs of the conversion commands, as data: "文字の付与設定"
// (CDigitSetMsg), "文字削除" (CDelChar), "日付フォーマット変換" (CDateConvDlg)
// and "数値フォーマット変換" (CNumFormatDlg). The desktop's widgets and the
// options of tabrix-cli edit only fill them in.
#pragma once

#include <string>
#include <string_view>

#include "app/UserInterface.h"
#include "view/TypedText.h"

namespace tabrix {

// The characters a text is added or deleted by: "半角ｽﾍﾟｰｽ", "全角ｽﾍﾟｰｽ",
// "数値の0" or the typed "その他".
struct TextKind {
    enum : int { HalfSpace = 0, FullSpace = 1, Zero = 2, Other = 3 };
};
// The text of a kind (spaces as spaces).
std::string CharKindText(int kind, const std::string& other);
// The refusal of a typed "その他" text that holds a control byte (TAB and
// line breaks included); empty when it may be used.
std::string CheckOtherText(std::string_view text);

// "文字の付与設定": what "文字付与(*)" adds to every field.
class CDigitSetMsg : public CDialogModel {
public:
    static constexpr const char* kCaption = "文字の付与設定";
    static constexpr const char* kNote = "※指定文字数が現在の文字数より\n小さな場合は、何も付与しません。";
    static constexpr const char* kBadLength = "全体文字数は1～999で入力して下さい。";
    static constexpr int kMaxLength = 999;
    static constexpr int kSpinMax = 65535;

    int m_nKind = TextKind::Zero;
    std::string m_strOther;  // the text of "その他"
    int m_nPosition = 0;     // 0 "前に付与する", 1 "後ろに付与する"
    int m_nAlign = 0;        // 0 "桁揃えしない", 1 "桁揃えする"
    int m_nLength = 1;       // "全体文字数を" n "文字にする", in bytes

    bool otherEnabled() const { return m_nKind == TextKind::Other; }
    bool lengthEnabled() const { return m_nAlign == 1; }
    std::string text() const { return CharKindText(m_nKind, m_strOther); }

    std::string validate() const override;
};

// "文字削除": what "文字削除(*)" removes at the start and the end of every field.
class CDelChar : public CDialogModel {
public:
    static constexpr const char* kCaption = "文字削除";

    bool m_bStart = false;  // "前を削除する"
    bool m_bEnd = false;    // "後ろを削除する"
    int m_nKind = TextKind::HalfSpace;
    std::string m_strOther;

    bool otherEnabled() const { return m_nKind == TextKind::Other; }
    std::string text() const { return CharKindText(m_nKind, m_strOther); }

    // OK with neither end ticked does nothing and leaves the dialog open.
    bool refusesSilently() const override { return !m_bStart && !m_bEnd; }
    std::string validate() const override { return m_nKind == TextKind::Other ? CheckOtherText(m_strOther) : std::string(); }
};

// What the date and the number format conversions ask: a format, where the
// result goes (the modes 0, 2 and 3 of PlaceResultColumn) and the title of
// an added column; the command fills in the column's value in the first data
// line and whether the document has a title line.
class CFormatConvDlg : public CDialogModel {
public:
    static constexpr int kPlaces[] = {0, 2, 3};
    static constexpr const char* kPlaceCaptions[] = {"選択列にセット", "選択列の前に列を追加", "選択列の後ろに列を追加"};

    int m_nFormat = 0;
    int m_nPlace = 0;           // "変換データ格納場所"
    std::string m_strTitle;     // "列タイトル"
    std::string m_strSample;    // the value of the first data line
    bool m_bTitleLine = false;
    TypedTextRule m_rule;

    bool titleEnabled() const { return m_bTitleLine && m_nPlace != 0; }
    std::string validate() const override;
};

class CDateConvDlg : public CFormatConvDlg {
public:
    static constexpr const char* kCaption = "日付フォーマット変換";
    static constexpr int kFormats = 7;
    static constexpr const char* kFormatCaptions[kFormats] = {
        "YYYYMMDD 形式へ変換",          "YYYY/MM/DD 形式へ変換",
        "YYYY年MM月DD日 形式へ変換",      "gYY.MM.DD 形式へ変換（和暦）",
        "ggYY年MM月DD日 形式へ変換（和暦）", "曜日へ変換（日月火水木金土）",
        "年齢へ変換（現在日付基準）"};
};

class CNumFormatDlg : public CFormatConvDlg {
public:
    static constexpr const char* kCaption = "数値フォーマット変換";
    static constexpr int kFormats = 3;
    static constexpr const char* kFormatCaptions[kFormats] = {
        "123456789 → 123,456,789", "123456789 → \\123,456,789", "\\123,456,789/123,456,789 → 123456789"};
};

}  // namespace tabrix
