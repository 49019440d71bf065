// The dialogs the grid view opens itself, as data: the row jump and the font.
#pragma once

#include "app/Settings.h"
#include "app/UserInterface.h"
#include "view/GridCtrl.h"

namespace tabrix {

// "指定行へジャンプ": the row number to show, 1 .. the line count.
class CJumpDlg : public CDialogModel {
public:
    static constexpr const char* kCaption = "行番号";

    int m_nLine = 1;     // "行番号"
    int m_nMaxLine = 1;  // upper end of the spin range: the line count

    // A number outside the range is brought to its nearer end when OK is pressed.
    void clampToRange() {
        if (m_nLine > m_nMaxLine) m_nLine = m_nMaxLine;
        if (m_nLine < 1) m_nLine = 1;
    }
};

// "フォント": the grid's font and the default cell's text colour. The choice
// lasts as long as the window; it is not written to the settings.
class CFontDlg : public CDialogModel {
public:
    GridFont m_font;
    GridColor m_color = 0;
};

// The grid font of the settings: face FontName, the height of FontSize
// points at the screen's resolution as a negative pixel count, weight and
// slant from FontStyle ("標準", "斜体", "太字", "太字 斜体").
GridFont GridFontOfSettings(const Settings& settings, int pixelsPerInch);

}  // namespace tabrix
