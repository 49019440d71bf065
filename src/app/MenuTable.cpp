#include "app/MenuTable.h"

#include <algorithm>
#include <array>

namespace tabrix {

namespace {

using K = MenuItemKind;
using C = CommandId;

constexpr ModeMask kC1 = ModeBit(MenuMode::Custum1);
constexpr ModeMask kC2 = ModeBit(MenuMode::Custum2);
constexpr ModeMask kC3 = ModeBit(MenuMode::Custum3);
// Gone from every custom menu: the layout and file-structure commands.
constexpr ModeMask kNoLayout = kC1 | kC2 | kC3;
// Gone from the menus that forbid conversion.
constexpr ModeMask kNoConvert = kC2 | kC3;
// Gone from the layout-locked menus, but kept by the split-only menu.
constexpr ModeMask kSplitKeeps = kC1 | kC2;
// Gone only from the split-only menu.
constexpr ModeMask kSplitLacks = kC3;

constexpr CommandInfo kCommands[] = {
    {C::None, "", "", ""},
    {C::FileNew, "新規作成(&N)", "Ctrl+N", "新しいファイルを作成します"},
    {C::FileOpen, "開く...", "Ctrl+O", "既存のファイルを開きます"},
    {C::FileClose, "閉じる(&C)", "", "作業中のファイルを閉じます"},
    {C::FileSave, "上書き保存", "Ctrl+S", "作業中のファイルを上書き保存します"},
    {C::FileSaveAs, "名前を付けて保存...", "", "作業中のファイルを新しい名前で保存します"},
    {C::FileInsert, "ファイルを挿入", "", "選択した行の後ろに別のファイルを挿入します"},
    {C::FileSplitSave, "ﾌｧｲﾙ分割保存", "", "ファイルを分割して保存します"},
    {C::FileConditionalSave, "条件付き保存", "Ctrl+B", "条件に合うデータを保存します"},
    {C::FilePrint, "印刷...", "Ctrl+P", "作業中のファイルを印刷します"},
    {C::FilePrintPreview, "印刷プレビュー", "", "印刷イメージを表示します"},
    {C::FilePrintSetup, "プリンタの設定...", "", "プリンタおよび印刷オプションを変更します"},
    {C::AppExit, "アプリケーションの終了", "", "アプリケーションを終了します"},
    {C::EditCut, "切り取り", "Ctrl+X", "選択範囲を切り取ってクリップボードに移動します"},
    {C::EditCopy, "コピー", "Ctrl+C", "選択範囲をコピーしてクリップボードに保存します"},
    {C::EditPaste, "貼り付け", "Ctrl+V", "クリップボードの内容を貼り付けます"},
    {C::EditSelectAll, "全て選択", "Ctrl+A", "全てのセルを選択します"},
    {C::EditUndo, "元に戻す", "Ctrl+Z", "直前の操作を元に戻します"},
    {C::EditRedo, "やり直し", "Ctrl+Y", "元に戻した操作をやり直します"},
    {C::ViewToolBar, "ツール バー(&T)", "", "ツール バーの表示/非表示を切り替えます", true},
    {C::ViewConvertBar, "変換 バー", "", "変換 バーの表示/非表示を切り替えます", true},
    {C::ViewStatusBar, "ステータス バー(&S)", "", "ステータス バーの表示/非表示を切り替えます", true},
    {C::PageFirst, "先頭ページ", "Alt+T", "先頭ページを表示します"},
    {C::PagePrev, "前ページ", "Alt+B", "前のページを表示します"},
    {C::PageNext, "次ページ", "Alt+N", "次のページを表示します"},
    {C::PageLast, "最終ページ", "Alt+E", "最終ページを表示します"},
    {C::JumpToRow, "指定行へジャンプ", "Alt+J", "指定した行番号へジャンプします"},
    {C::TitleLine, "１行目は列見出し", "", "１行目を列見出しとして表示します", true},
    {C::SortDisplay, "ソート表示", "", "列見出しのクリックで表示中のページをソートします", true},
    {C::Font, "フォント", "", "表示フォントを変更します"},
    {C::ColumnHide, "列非表示(*)", "", "選択した列を非表示にします", true},
    {C::ColumnShowAll, "全て表示", "", "非表示の列を全て表示します"},
    {C::ColumnWidth, "列の幅(*)", "", "選択した列の幅を設定します"},
    {C::ColumnAutoSize, "サイズ自動調整", "", "列の幅を自動調整します"},
    {C::RowInsert, "挿入", "", "選択した行の後ろに空の行を挿入します"},
    {C::RowDelete, "削除(*)", "", "選択した行を削除します"},
    {C::RowCopy, "コピー", "", "選択した行を複写して後ろに挿入します"},
    {C::RowSort, "ソート(*)", "", "選択した列をキーに行をソートします"},
    {C::Transpose, "行列の入替", "", "行と列を入れ替えます"},
    {C::Filter, "絞込表示", "Ctrl+F", "条件に合う行だけを表示します", true},
    {C::ColTitleEdit, "見出し編集", "", "列見出しを編集します"},
    {C::ColReplace, "置換(*)", "", "選択した列の文字列を置換します"},
    {C::ColCopy, "コピー", "", "列のデータを別の列に複写します"},
    {C::ColClear, "クリア(*)", "", "選択した列のデータをクリアします"},
    {C::ColInsert, "挿入", "", "選択した列の後ろに列を挿入します"},
    {C::ColDelete, "削除(*)", "", "選択した列を削除します"},
    {C::ColMerge, "マージ(*)", "", "隣接する列を結合します"},
    {C::ColSplit, "分割", "", "選択した列を分割します"},
    {C::ColAlign, "列数揃え", "", "全ての行の列数を揃えます"},
    {C::ColReorder, "移順変更", "", "列の並び順を変更します"},
    {C::ColCalc, "計算(*)", "", "選択した列の数値を計算します"},
    {C::ColAutoFill, "数値オートフィル", "", "選択した列に連番を設定します"},
    {C::ColSort, "ソート", "", "キー列の並びで列のデータをソートします"},
    {C::ConvAddText, "文字付与(*)", "", "文字を付与します"},
    {C::ConvDeleteText, "文字削除(*)", "", "文字を削除います"},
    {C::ConvUpper, "大文字変換(*)", "", "大文字に変換します"},
    {C::ConvLower, "小文字変換(*)", "", "小文字に変換します"},
    {C::ConvHalfKanaToFull, "半角ｶﾅ→全角カナ変換(*)", "",
     "半角カナ文字を全角カナ文字に変換します（濁点対応）"},
    {C::ConvHalfToFull, "半角→全角変換(*)", "", "半角文字を全角文字に変換します"},
    {C::ConvFullToHalf, "全角→半角変換(*)", "", "全角文字を半角文字に変換します"},
    {C::ConvHiraganaToKatakana, "ひらがな→カナ変換(*)", "", "ひらがな文字をカナ文字に変換します"},
    {C::ConvKatakanaToHiragana, "カナ→ひらがな変換(*)", "", "カナ文字をひらがな文字に変換します"},
    {C::ConvFullUpperToLower, "全角大文字→全角小文字(*)", "", "全角大文字→全角小文字に変換します"},
    {C::ConvFullLowerToUpper, "全角小文字→全角大文字(*)", "", "全角小文字→全角大文字に変換します"},
    {C::ConvSmallKanaToPlain, "半角捨てカナ→直音(*)", "", "「ｧｨｩｪｫｬｭｮｯ」→「ｱｲｳｴｵﾔﾕﾖﾂ」"},
    {C::ConvPlainToSmallKana, "半角直音→捨てカナ(*)", "", "「ｱｲｳｴｵﾔﾕﾖﾂ」→「ｧｨｩｪｫｬｭｮｯ」"},
    {C::ConvQuote, "A→\"A\"(*)", "", "データの前後にダブルコーテーションを付与します"},
    {C::ConvUnquote, "\"A\"→A(*)", "", "データの前後のダブルコーテーションを削除します"},
    {C::ConvDateFormat, "日付ﾌｫｰﾏｯﾄ変換", "", "日付データのフォーマットを変換します"},
    {C::ConvNumberFormat, "数値ﾌｫｰﾏｯﾄ変換", "", "数値データのフォーマットを変換します"},
    {C::CodeTranslate, "CD翻訳", "", "別ファイルから翻訳データを読み込みます"},
    {C::DataCheck, "ﾃﾞｰﾀ整合性ﾁｪｯｸ", "", "ﾃﾞｰﾀのﾌｫｰﾏｯﾄ/入力文字をﾁｪｯｸします。"},
    {C::Aggregate, "集計", "", "選択した列の集計"},
    {C::CtrlFileEdit, "制御ファイル設定\t(&C)", "", "制御ファイルの設定を行います"},
    {C::Options, "オプション", "Alt+O", "オプションを設定します"},
    {C::WindowCascade, "重ねて表示(&C)", "", "ウィンドウを重ねて表示します"},
    {C::WindowTile, "並べて表示(&T)", "", "ウィンドウを並べて表示します"},
    {C::Help, "ヘルプ", "F1", "ヘルプを表示します"},
    {C::About, "バージョン情報...", "", "プログラムの情報とバージョンを表示します"},
};
static_assert(std::size(kCommands) == static_cast<std::size_t>(kCommandCount),
              "one entry per command, in enum order");

constexpr MenuItem Cmd(CommandId id, ModeMask lacksIn = 0) {
    return {K::Command, id, nullptr, {}, lacksIn};
}
constexpr MenuItem Sep() { return {K::Separator, C::None, nullptr, {}, 0}; }
constexpr MenuItem Sub(const MenuDef& def, std::string_view caption, ModeMask lacksIn = 0) {
    return {K::Submenu, C::None, &def, caption, lacksIn};
}

constexpr MenuItem kRowItems[] = {
    Cmd(C::RowInsert, kNoLayout), Cmd(C::RowDelete, kNoLayout), Cmd(C::RowCopy, kNoLayout),
    Cmd(C::RowSort, kNoLayout),   Sep(),                        Cmd(C::Transpose, kNoLayout),
    Sep(),                        Cmd(C::Filter),
};
constexpr MenuDef kRowMenu{"行操作", kRowItems};

constexpr MenuItem kColumnItems[] = {
    Cmd(C::ColTitleEdit), Sep(),
    Cmd(C::ColReplace),   Cmd(C::ColCopy),    Cmd(C::ColClear), Sep(),
    Cmd(C::ColInsert),    Cmd(C::ColDelete),  Cmd(C::ColMerge), Cmd(C::ColSplit),
    Cmd(C::ColAlign),     Cmd(C::ColReorder), Sep(),
    Cmd(C::ColCalc),      Cmd(C::ColAutoFill), Cmd(C::ColSort),
};
constexpr MenuDef kColumnMenu{"列操作", kColumnItems};

constexpr MenuItem kConvertItems[] = {
    Cmd(C::ConvAddText),
    Cmd(C::ConvDeleteText),
    Sep(),
    Cmd(C::ConvUpper),
    Cmd(C::ConvLower),
    Sep(),
    Cmd(C::ConvHalfKanaToFull),
    Cmd(C::ConvHalfToFull),
    Cmd(C::ConvFullToHalf),
    Sep(),
    Cmd(C::ConvHiraganaToKatakana),
    Cmd(C::ConvKatakanaToHiragana),
    Cmd(C::ConvFullUpperToLower),
    Cmd(C::ConvFullLowerToUpper),
    Sep(),
    Cmd(C::ConvSmallKanaToPlain, kNoLayout),
    Cmd(C::ConvPlainToSmallKana, kNoLayout),
    Sep(),
    Cmd(C::ConvQuote),
    Cmd(C::ConvUnquote),
    Sep(),
    Cmd(C::ConvDateFormat),
    Cmd(C::ConvNumberFormat),
    Sep(),
    Cmd(C::CodeTranslate),
};
constexpr MenuDef kConvertMenu{"変換", kConvertItems};

constexpr MenuItem kFileItems[] = {
    Cmd(C::FileNew, kNoLayout),
    Cmd(C::FileOpen, kNoLayout),
    Cmd(C::FileClose),
    Sep(),
    Cmd(C::FileSave, kSplitLacks),
    Cmd(C::FileSaveAs, kSplitLacks),
    Sep(),
    Cmd(C::FileInsert, kNoLayout),
    Cmd(C::FileSplitSave, kSplitKeeps),
    Cmd(C::FileConditionalSave, kNoLayout),
    Sep(),
    Cmd(C::FilePrint),
    Cmd(C::FilePrintPreview),
    Cmd(C::FilePrintSetup),
    Sep(),
    {K::RecentFiles, C::None, nullptr, {}, kSplitKeeps},
    Sep(),
    Cmd(C::AppExit),
};
constexpr MenuDef kFileMenu{"ファイル(&F)", kFileItems};

constexpr MenuItem kEditItems[] = {
    Cmd(C::EditUndo), Cmd(C::EditRedo), Sep(),
    Cmd(C::EditCut), Cmd(C::EditCopy), Cmd(C::EditPaste), Sep(), Cmd(C::EditSelectAll),
};
constexpr MenuDef kEditMenu{"編集", kEditItems};

constexpr MenuItem kViewItems[] = {
    Cmd(C::ViewToolBar),
    Cmd(C::ViewConvertBar, kNoLayout),
    Cmd(C::ViewStatusBar),
    Sep(),
    Cmd(C::PageFirst),
    Cmd(C::PagePrev),
    Cmd(C::PageNext),
    Cmd(C::PageLast),
    Cmd(C::JumpToRow),
    Sep(),
    Cmd(C::TitleLine, kNoLayout),
    Cmd(C::SortDisplay, kNoLayout),
    Cmd(C::Font),
    Sep(),
    Cmd(C::ColumnHide),
    Cmd(C::ColumnShowAll),
    Cmd(C::ColumnWidth),
    Cmd(C::ColumnAutoSize),
};
constexpr MenuDef kViewMenu{"表示(&V)", kViewItems};

constexpr MenuItem kToolItems[] = {
    Cmd(C::DataCheck), Cmd(C::Aggregate), Sep(), Cmd(C::CtrlFileEdit, kNoLayout),
    Cmd(C::Options, kNoLayout),
};
constexpr MenuDef kToolMenu{"ツール", kToolItems};

constexpr MenuItem kWindowItems[] = {
    Cmd(C::WindowCascade),
    Cmd(C::WindowTile),
    Sep(),
    {K::WindowList, C::None, nullptr, {}, 0},
};
constexpr MenuDef kWindowMenu{"ウィンドウ(&W)", kWindowItems};

constexpr MenuItem kHelpItems[] = {Cmd(C::Help), Sep(), Cmd(C::About)};
constexpr MenuDef kHelpMenu{"ヘルプ(&H)", kHelpItems};

constexpr MenuItem kBarItems[] = {
    Sub(kFileMenu, kFileMenu.caption),
    Sub(kEditMenu, kEditMenu.caption),
    Sub(kViewMenu, kViewMenu.caption),
    Sub(kRowMenu, "行操作(&R)"),
    Sub(kColumnMenu, "列操作(&C)", kNoLayout),
    Sub(kConvertMenu, "変換(&S)", kNoConvert),
    Sub(kToolMenu, kToolMenu.caption),
    Sub(kWindowMenu, kWindowMenu.caption),
    Sub(kHelpMenu, kHelpMenu.caption),
};
constexpr MenuDef kMenuBar{"", kBarItems};

constexpr MenuItem kContextItems[] = {
    Cmd(C::EditUndo),         Cmd(C::EditRedo),     Sep(),
    Cmd(C::DataCheck),        Sep(),
    Sub(kRowMenu, {}),        Sub(kColumnMenu, {}), Sub(kConvertMenu, {}), Sep(),
    Cmd(C::ColumnHide),       Cmd(C::ColumnWidth),
};
constexpr MenuDef kContextMenu{"", kContextItems};

constexpr CommandId kMainToolbar[] = {
    C::FileNew,   C::FileOpen,  C::FileSave, C::None,     C::EditCut,   C::EditCopy,
    C::EditPaste, C::None,      C::FilePrint, C::None,    C::PageFirst, C::PagePrev,
    C::PageNext,  C::PageLast,  C::JumpToRow, C::None,    C::Filter,    C::DataCheck,
    C::None,      C::Help,      C::About,
};
constexpr CommandId kConvertToolbar[] = {
    C::ConvUpper,     C::ConvLower,      C::None,
    C::ConvHalfKanaToFull, C::ConvHalfToFull, C::ConvFullToHalf, C::None,
    C::ConvHiraganaToKatakana, C::ConvKatakanaToHiragana, C::None,
    C::ConvQuote,     C::ConvUnquote,
};

// Visits the commands the menu shows in the mode, depth first.
template <typename Visit>
void ForEachCommand(const MenuDef& menu, MenuMode mode, ModeMask inherited, Visit&& visit) {
    for (const MenuItem& item : menu.items) {
        const ModeMask lacks = static_cast<ModeMask>(inherited | item.lacksIn);
        if (item.kind == K::Submenu)
            ForEachCommand(*item.submenu, mode, lacks, visit);
        else if (item.kind == K::Command)
            visit(item.command, (lacks & ModeBit(mode)) == 0);
    }
}

}  // namespace

const CommandInfo& InfoOf(CommandId id) { return kCommands[static_cast<std::size_t>(id)]; }
std::span<const CommandInfo> AllCommands() { return std::span(kCommands).subspan(1); }

const MenuDef& MainMenuBar() { return kMenuBar; }
const MenuDef& RowMenu() { return kRowMenu; }
const MenuDef& ColumnMenu() { return kColumnMenu; }
const MenuDef& ConvertMenu() { return kConvertMenu; }
const MenuDef& GridContextMenu() { return kContextMenu; }

bool IsShownIn(const MenuItem& item, MenuMode mode) { return (item.lacksIn & ModeBit(mode)) == 0; }

bool HasCommand(MenuMode mode, CommandId id) {
    bool found = false;
    ForEachCommand(kMenuBar, mode, 0, [&](CommandId c, bool shown) {
        if (c == id && shown) found = true;
    });
    return found;
}

std::vector<CommandId> CommandsLackingIn(MenuMode mode) {
    std::vector<CommandId> lacking;
    ForEachCommand(kMenuBar, mode, 0, [&](CommandId c, bool shown) {
        if (!shown) lacking.push_back(c);
    });
    return lacking;
}

bool HasRecentFiles(MenuMode mode) {
    for (const MenuItem& item : kFileItems)
        if (item.kind == K::RecentFiles) return IsShownIn(item, mode);
    return false;
}

std::vector<CommandId> ToolbarCommands(ToolbarId bar, MenuMode mode) {
    std::span<const CommandId> all = bar == ToolbarId::Main ? std::span<const CommandId>(kMainToolbar)
                                                            : std::span<const CommandId>(kConvertToolbar);
    std::vector<CommandId> shown;
    for (CommandId id : all) {
        if (id == C::None) {
            if (!shown.empty() && shown.back() != C::None) shown.push_back(id);
        } else if (HasCommand(mode, id)) {
            shown.push_back(id);
        }
    }
    if (!shown.empty() && shown.back() == C::None) shown.pop_back();
    return shown;
}

std::string PlainCaption(std::string_view caption) {
    caption = caption.substr(0, caption.find('\t'));
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (i + 3 < caption.size() && caption.substr(i, 2) == "(&" && caption[i + 3] == ')') {
            i += 3;
            continue;
        }
        if (caption[i] == '&') continue;
        plain += caption[i];
    }
    return plain;
}

}  // namespace tabrix
