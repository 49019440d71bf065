// The conversion menu ("変換"): the commands that rewrite every field of the
// selected columns, and the date and number format conversions into the
// selected column or a column added beside it. They change the lines the
// filter shows while it is on, on every page.
#include <algorithm>
#include <memory>

#include "app/EraSettings.h"
#include "view/ConvertDialogs.h"
#include "view/ConvertPasses.h"
#include "view/RowPasses.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kSelectOnlyOneColumn = "列を１列のみ選択して下さい。";

struct CharacterCommand {
    CommandId id;
    TextConversion conversion;
};
constexpr CharacterCommand kCharacterCommands[] = {
    {CommandId::ConvUpper, TextConversion::ToUpper},
    {CommandId::ConvLower, TextConversion::ToLower},
    {CommandId::ConvHalfKanaToFull, TextConversion::HalfKanaToFull},
    {CommandId::ConvHalfToFull, TextConversion::HalfToFull},
    {CommandId::ConvFullToHalf, TextConversion::FullToHalf},
    {CommandId::ConvHiraganaToKatakana, TextConversion::HiraganaToKatakana},
    {CommandId::ConvKatakanaToHiragana, TextConversion::KatakanaToHiragana},
    {CommandId::ConvFullUpperToLower, TextConversion::FullUpperToLower},
    {CommandId::ConvFullLowerToUpper, TextConversion::FullLowerToUpper},
};

}  // namespace

void CTabrixView::OnConvertColumns(CommandId id) {
    if (m_doc.lines().empty()) return;
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid() || range.maxRow >= m_grid.rowCount() || range.maxCol >= m_grid.columnCount()) return;

    FieldConverter convert;
    if (id == CommandId::ConvAddText) {
        CDigitSetMsg dlg;
        const int row = std::max(range.minRow, m_nFixedRows);
        const int col = std::max(range.minCol, m_nFixedCols);
        dlg.m_nLength = static_cast<int>(m_grid.itemText(row, col).size());
        if (!m_app.ui.runModal(dlg)) return;
        convert = AddTextConversion(m_doc, dlg.text(), static_cast<AddPosition>(dlg.m_nPosition), dlg.m_nAlign == 1,
                                    dlg.m_nLength);
    } else if (id == CommandId::ConvDeleteText) {
        CDelChar dlg;
        if (!m_app.ui.runModal(dlg)) return;
        convert = DeleteTextConversion(m_doc, dlg.text(), dlg.m_bStart, dlg.m_bEnd);
    } else if (id == CommandId::ConvSmallKanaToPlain || id == CommandId::ConvPlainToSmallKana) {
        convert = SmallKanaConversion(m_doc, id == CommandId::ConvSmallKanaToPlain ? SmallKanaDirection::SmallToNormal
                                                                                    : SmallKanaDirection::NormalToSmall);
    } else if (id == CommandId::ConvQuote || id == CommandId::ConvUnquote) {
        convert = QuoteConversion(id == CommandId::ConvQuote);
    } else {
        const auto* command = std::find_if(std::begin(kCharacterCommands), std::end(kCharacterCommands),
                                           [id](const CharacterCommand& c) { return c.id == id; });
        if (command == std::end(kCharacterCommands)) return;
        convert = CharacterConversion(m_doc, command->conversion);
    }

    std::vector<int> cols = GetSelectedColumns();
    for (int& col : cols) col = col - m_nFixedCols + 1;
    const LineMask passing = PassingLines();
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        ConvertColumns(m_doc, cols, titleOffset(), passing, convert, progress);
    }
    Redisplay(false);
}

void CTabrixView::OnFormatConvert(bool date) {
    const CLineStore& lines = m_doc.lines();
    if (lines.empty()) return;
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid() || range.minCol != range.maxCol || range.minCol < m_nFixedCols) {
        m_app.ui.messageBox(kSelectOnlyOneColumn, MsgIcon::Stop);
        return;
    }
    const int col = range.minCol - m_nFixedCols + 1;
    std::unique_ptr<CFormatConvDlg> dlg;
    if (date)
        dlg = std::make_unique<CDateConvDlg>();
    else
        dlg = std::make_unique<CNumFormatDlg>();
    // A document of its title line alone has no data line to show.
    const std::size_t first = titleOffset();
    if (first < lines.size()) dlg->m_strSample = FieldOf(lines[first], col);
    dlg->m_bTitleLine = m_doc.m_bTitleLine;
    dlg->m_rule = TypedTextRule::Of(m_doc);
    if (!m_app.ui.runModal(*dlg)) return;

    const int formats = date ? CDateConvDlg::kFormats : CNumFormatDlg::kFormats;
    const int format = std::clamp(dlg->m_nFormat, 0, formats - 1);
    const LineMask passing = PassingLines();
    std::string title = dlg->titleEnabled() ? dlg->m_strTitle : std::string();
    m_doc.spacesToMarks(title);
    const int result = PlaceResultColumn(dlg->m_nPlace, title);
    if (result == 0) return;
    const int source = dlg->m_nPlace == 2 ? col + 1 : col;
    // Today is read once, so that every age of the pass counts to the same day.
    const FieldConverter convert = date ? DateConversion(m_doc, format, EraTableOf(m_app.settings), m_pClock->now())
                                        : NumberConversion(m_doc, format);
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(lines.size()));
        ConvertIntoColumn(m_doc, source, result, titleOffset(), passing, convert, progress);
    }
    EndResultColumn(dlg->m_nPlace != 0);
}

}  // namespace tabrix
