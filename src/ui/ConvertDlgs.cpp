#include "ui/ConvertDlgs.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/DialogWidgets.h"
#include "ui/QtText.h"

namespace tabrix {

DigitSetDialog::DigitSetDialog(CDigitSetMsg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_other(TextEdit(this, "other")),
      m_length(Spin(1, CDigitSetMsg::kSpinMax, model.m_nLength, this, "length")) {
    setWindowTitle(ToQ(CDigitSetMsg::kCaption));
    QGroupBox* kind = RadioBox("付与する文字", {"半角ｽﾍﾟｰｽ", "全角ｽﾍﾟｰｽ", "数値の0", "その他"}, m_kind, this, "kind");
    kind->layout()->addWidget(m_other);
    QGroupBox* position = RadioBox("付与する位置", {"前に付与する", "後ろに付与する"}, m_position, this, "position");
    QGroupBox* align = RadioBox("桁揃え", {"桁揃えしない", "桁揃えする"}, m_align, this, "align");
    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(new QLabel(ToQ("全体文字数を"), this));
    lengthRow->addWidget(m_length);
    lengthRow->addWidget(new QLabel(ToQ("文字にする"), this));
    lengthRow->addStretch();
    static_cast<QVBoxLayout*>(align->layout())->addLayout(lengthRow);
    align->layout()->addWidget(new QLabel(ToQ(CDigitSetMsg::kNote), this));
    Check(m_kind, model.m_nKind);
    Check(m_position, model.m_nPosition);
    Check(m_align, model.m_nAlign);
    m_other->setText(ToQ(model.m_strOther));
    connect(m_kind, &QButtonGroup::idToggled, this, [this] { enableFields(); });
    connect(m_align, &QButtonGroup::idToggled, this, [this] { enableFields(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kind);
    layout->addWidget(position);
    layout->addWidget(align);
    layout->addWidget(OkCancelButtons(this));
    enableFields();
}

void DigitSetDialog::enableFields() {
    m_other->setEnabled(m_kind->checkedId() == TextKind::Other);
    m_length->setEnabled(m_align->checkedId() == 1);
}

bool DigitSetDialog::storeToModel() {
    m_model.m_nKind = m_kind->checkedId();
    m_model.m_nPosition = m_position->checkedId();
    m_model.m_nAlign = m_align->checkedId();
    m_model.m_nLength = m_length->value();
    return StoreText(m_other, m_model.m_strOther, userInterface());
}

DelCharDialog::DelCharDialog(CDelChar& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_start(new QCheckBox(ToQ("前を削除する"), this)),
      m_end(new QCheckBox(ToQ("後ろを削除する"), this)),
      m_other(TextEdit(this, "other")) {
    setWindowTitle(ToQ(CDelChar::kCaption));
    m_start->setObjectName(QStringLiteral("start"));
    m_end->setObjectName(QStringLiteral("end"));
    m_start->setChecked(model.m_bStart);
    m_end->setChecked(model.m_bEnd);
    QGroupBox* kind = RadioBox("削除する文字", {"半角スペース", "全角スペース", "数値の0", "その他"}, m_kind, this, "kind");
    kind->layout()->addWidget(m_other);
    Check(m_kind, model.m_nKind);
    m_other->setText(ToQ(model.m_strOther));
    m_other->setEnabled(model.otherEnabled());
    connect(m_kind, &QButtonGroup::idToggled, this,
            [this] { m_other->setEnabled(m_kind->checkedId() == TextKind::Other); });
    auto* ends = new QHBoxLayout;
    ends->addWidget(m_start);
    ends->addWidget(m_end);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ends);
    layout->addWidget(kind);
    layout->addWidget(OkCancelButtons(this));
}

bool DelCharDialog::storeToModel() {
    m_model.m_bStart = m_start->isChecked();
    m_model.m_bEnd = m_end->isChecked();
    m_model.m_nKind = m_kind->checkedId();
    return StoreText(m_other, m_model.m_strOther, userInterface());
}

FormatConvDialog::FormatConvDialog(CDateConvDlg& model, QWidget* parent)
    : FormatConvDialog(model, CDateConvDlg::kCaption, CDateConvDlg::kFormatCaptions, CDateConvDlg::kFormats, parent) {}

FormatConvDialog::FormatConvDialog(CNumFormatDlg& model, QWidget* parent)
    : FormatConvDialog(model, CNumFormatDlg::kCaption, CNumFormatDlg::kFormatCaptions, CNumFormatDlg::kFormats,
                       parent) {}

FormatConvDialog::FormatConvDialog(CFormatConvDlg& model, const char* caption, const char* const* formats, int count,
                                   QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_title(TextEdit(this, "title")) {
    setWindowTitle(ToQ(caption));
    auto* sample = new QLineEdit(ToQ(model.m_strSample), this);
    sample->setObjectName(QStringLiteral("sample"));
    sample->setReadOnly(true);
    QGroupBox* format = RadioBox("変換フォーマット", std::span<const char* const>(formats, static_cast<std::size_t>(count)),
                                 m_format, this, "format");
    QGroupBox* place = RadioBox("変換データ格納場所", CFormatConvDlg::kPlaceCaptions, m_place, this, "place");
    Check(m_format, model.m_nFormat);
    for (std::size_t i = 0; i < std::size(CFormatConvDlg::kPlaces); ++i)
        if (CFormatConvDlg::kPlaces[i] == model.m_nPlace) Check(m_place, static_cast<int>(i));
    m_title->setText(ToQ(model.m_strTitle));
    connect(m_place, &QButtonGroup::idToggled, this, [this] { enableTitle(); });
    auto* top = new QFormLayout;
    top->addRow(ToQ("先頭データ"), sample);
    auto* form = new QFormLayout;
    form->addRow(ToQ("列タイトル"), m_title);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(format);
    layout->addWidget(place);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(this));
    enableTitle();
}

void FormatConvDialog::enableTitle() {
    m_model.m_nPlace = CFormatConvDlg::kPlaces[std::max(0, m_place->checkedId())];
    m_title->setEnabled(m_model.titleEnabled());
}

bool FormatConvDialog::storeToModel() {
    m_model.m_nFormat = m_format->checkedId();
    m_model.m_nPlace = CFormatConvDlg::kPlaces[std::max(0, m_place->checkedId())];
    return StoreText(m_title, m_model.m_strTitle, userInterface());
}

}  // namespace tabrix
