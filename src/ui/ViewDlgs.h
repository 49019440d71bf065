// The dialogs the grid view opens itself: the row jump "指定行へジャンプ"
// bound to CJumpDlg, and the font dialog bound to CFontDlg (the standard
// font chooser with the text colour beside it).
#pragma once

#include "ui/ModelDialog.h"
#include "view/ViewDialogs.h"

class QFontDialog;
class QSpinBox;

namespace tabrix {

class ColorButton;

class JumpRowDialog : public ModelDialog {
    Q_OBJECT
public:
    JumpRowDialog(CJumpDlg& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    CJumpDlg& m_model;
    QSpinBox* m_line;
};

class GridFontDialog : public ModelDialog {
    Q_OBJECT
public:
    GridFontDialog(CFontDlg& model, QWidget* parent);

    QFontDialog* fontChooser() const { return m_chooser; }
    ColorButton* colourButton() const { return m_colour; }

protected:
    bool storeToModel() override;

private:
    CFontDlg& m_model;
    QFontDialog* m_chooser;
    ColorButton* m_colour;
};

// A grid font as the font chooser takes it (a family it knows, in points at
// dpi), and the chooser's font as the grid takes it (pixels at dpi).
QFont ChooserFontOf(const GridFont& font, int dpi);
GridFont GridFontOf(const QFont& font, int dpi);

}  // namespace tabrix
