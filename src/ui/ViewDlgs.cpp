#include "ui/ViewDlgs.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/MenuTable.h"
#include "ui/ColorButton.h"
#include "ui/GridCtrl.h"
#include "ui/QtText.h"

namespace tabrix {

JumpRowDialog::JumpRowDialog(CJumpDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_line(new QSpinBox(this)) {
    setWindowTitle(ToQ(PlainCaption(InfoOf(CommandId::JumpToRow).caption)));
    m_line->setObjectName(QStringLiteral("line"));
    m_line->setRange(1, std::max(1, model.m_nMaxLine));
    m_line->setValue(model.m_nLine);
    m_line->setMinimumWidth(120);
    m_line->selectAll();
    auto* form = new QFormLayout;
    form->addRow(ToQ(CJumpDlg::kCaption), m_line);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(this));
}

bool JumpRowDialog::storeToModel() {
    m_model.m_nLine = m_line->value();
    m_model.clampToRange();
    return true;
}

QFont ChooserFontOf(const GridFont& font, int dpi) {
    const QFont shown = ToQFont(font);
    // The chooser lists real families: a substituted face name is shown as the family that draws it.
    QFont chooser(QFontInfo(shown).family());
    if (font.height != 0) chooser.setPointSizeF(std::abs(font.height) * 72.0 / std::max(1, dpi));
    chooser.setWeight(shown.weight());
    chooser.setItalic(font.italic);
    return chooser;
}

GridFont GridFontOf(const QFont& font, int dpi) {
    GridFont grid;
    grid.face = FromQLossy(font.family());
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / 72.0;
    grid.height = -static_cast<int>(std::lround(pixels));
    grid.weight = static_cast<int>(font.weight());
    grid.italic = font.italic();
    return grid;
}

GridFontDialog::GridFontDialog(CFontDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_chooser(new QFontDialog(this)),
      m_colour(new ColorButton(ToQ("色"), this)) {
    setWindowTitle(ToQ(PlainCaption(InfoOf(CommandId::Font).caption)));
    // The chooser is a part of this dialog, not a window of its own.
    m_chooser->setWindowFlags(Qt::Widget);
    m_chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_chooser->setCurrentFont(ChooserFontOf(model.m_font, logicalDpiY()));
    m_colour->setObjectName(QStringLiteral("textColour"));
    m_colour->setColour(model.m_color);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(ToQ("文字色"), this));
    colourRow->addWidget(m_colour);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chooser);
    layout->addLayout(colourRow);
    layout->addWidget(OkCancelButtons(this));
}

bool GridFontDialog::storeToModel() {
    m_model.m_font = GridFontOf(m_chooser->currentFont(), logicalDpiY());
    // Unchanged, the button gives the colour back as it was given, the grid's own included.
    m_model.m_color = m_colour->colour();
    return true;
}

}  // namespace tabrix
