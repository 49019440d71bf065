// Every command of the program's menus, toolbars and context menu. The main
// window, the grid view and their enabling rules all name commands by these
// ids; the captions, keys and prompts live in MenuTable.
#pragma once

#include <cstdint>

#include "app/MenuMode.h"

namespace tabrix {

enum class CommandId : std::uint16_t {
    None,
    // file
    FileNew, FileOpen, FileClose, FileSave, FileSaveAs, FileInsert, FileSplitSave,
    FileConditionalSave, FilePrint, FilePrintPreview, FilePrintSetup, AppExit,
    // edit
    EditCut, EditCopy, EditPaste, EditSelectAll, EditUndo, EditRedo,
    // view
    ViewToolBar, ViewConvertBar, ViewStatusBar, PageFirst, PagePrev, PageNext, PageLast,
    JumpToRow, TitleLine, SortDisplay, Font, ColumnHide, ColumnShowAll, ColumnWidth,
    ColumnAutoSize,
    // rows
    RowInsert, RowDelete, RowCopy, RowSort, Transpose, Filter,
    // columns
    ColTitleEdit, ColReplace, ColCopy, ColClear, ColInsert, ColDelete, ColMerge, ColSplit,
    ColAlign, ColReorder, ColCalc, ColAutoFill, ColSort,
    // conversion
    ConvAddText, ConvDeleteText, ConvUpper, ConvLower, ConvHalfKanaToFull, ConvHalfToFull,
    ConvFullToHalf, ConvHiraganaToKatakana, ConvKatakanaToHiragana, ConvFullUpperToLower,
    ConvFullLowerToUpper, ConvSmallKanaToPlain, ConvPlainToSmallKana, ConvQuote, ConvUnquote,
    ConvDateFormat, ConvNumberFormat, CodeTranslate,
    // tools
    DataCheck, Aggregate, CtrlFileEdit, Options,
    // windows and help
    WindowCascade, WindowTile, Help, About,
    Count
};

constexpr int kCommandCount = static_cast<int>(CommandId::Count);

}  // namespace tabrix
