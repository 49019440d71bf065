#include "ui/RowColDlgs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/Cp932Validator.h"
#include "ui/DialogWidgets.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

SortOptDialog::SortOptDialog(CSortOpt& model, QWidget* parent) : ModelDialog(model, parent), m_model(model) {
    setWindowTitle(ToQ(CSortOpt::kCaption));
    auto* keys = new QLineEdit(ToQ(model.keyText()), this);
    keys->setObjectName(QStringLiteral("keys"));
    keys->setReadOnly(true);
    auto* form = new QFormLayout;
    form->addRow(ToQ("ソート基準列"), keys);
    QGroupBox* box = RadioBox("", {"昇順ソート", "降順ソート"}, m_direction, this, "direction");
    Check(m_direction, model.m_bDescending ? 1 : 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
    layout->addWidget(OkCancelButtons(this));
}

bool SortOptDialog::storeToModel() {
    m_model.m_bDescending = m_direction->checkedId() == 1;
    return true;
}

TitleEditDialog::TitleEditDialog(CTitleEditDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_title(TextEdit(this, "title")) {
    setWindowTitle(ToQ(CTitleEditDlg::kCaption));
    m_title->setText(ToQ(model.m_strTitle));
    m_title->selectAll();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(OkCancelButtons(this));
}

bool TitleEditDialog::storeToModel() { return StoreText(m_title, m_model.m_strTitle, userInterface()); }

ColCopyDialog::ColCopyDialog(CColCopyDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_dest(Spin(0, CColCopyDlg::kMaxColumn, model.m_nDest, this, "dest")) {
    setWindowTitle(ToQ(CColCopyDlg::kCaption));
    auto* source = new QLineEdit(QString::number(model.m_nSource), this);
    source->setObjectName(QStringLiteral("source"));
    source->setReadOnly(true);
    source->setMaximumWidth(80);
    auto* browse = new QPushButton(ToQ("参照"), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, [this] {
        m_model.m_nDest = m_dest->value();
        if (m_model.browse(userInterface())) m_dest->setValue(m_model.m_nDest);
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQ("列"), this));
    row->addWidget(source);
    row->addWidget(new QLabel(ToQ("→ 列"), this));
    row->addWidget(m_dest);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(OkCancelButtons(this));
}

bool ColCopyDialog::storeToModel() {
    m_model.m_nDest = m_dest->value();
    return true;
}

ReplaceDialog::ReplaceDialog(CReplaceDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_find(TextEdit(this, "find")),
      m_with(TextEdit(this, "with")),
      m_uncond(new QCheckBox(ToQ("無条件に置換する"), this)),
      m_nonEmpty(new QCheckBox(ToQ("空白以外の項目のみ"), this)) {
    setWindowTitle(ToQ(CReplaceDlg::kCaption));
    m_uncond->setObjectName(QStringLiteral("unconditional"));
    m_nonEmpty->setObjectName(QStringLiteral("nonEmpty"));
    m_find->setText(ToQ(model.m_strFind));
    m_with->setText(ToQ(model.m_strWith));
    // The model couples the ticks; the search text follows what it says.
    connect(m_uncond, &QCheckBox::clicked, this, [this](bool on) {
        m_model.setUnconditional(on);
        if (on) m_find->setText(ToQ(m_model.m_strFind));
        loadTicks();
    });
    connect(m_nonEmpty, &QCheckBox::clicked, this, [this](bool on) {
        m_model.setNonEmptyOnly(on);
        loadTicks();
    });
    auto* form = new QFormLayout;
    form->addRow(ToQ("検索する文字列"), m_find);
    form->addRow(ToQ("置換後の文字列"), m_with);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_uncond);
    layout->addWidget(m_nonEmpty);
    QDialogButtonBox* buttons = OkCancelButtons(this);
    buttons->button(QDialogButtonBox::Ok)->setText(ToQ("全て置換"));
    layout->addWidget(buttons);
    loadTicks();
}

void ReplaceDialog::loadTicks() {
    m_uncond->setChecked(m_model.m_bUncond);
    m_nonEmpty->setChecked(m_model.m_bNonEmpty);
    m_uncond->setEnabled(m_model.unconditionalEnabled());
    m_find->setEnabled(m_model.findEnabled());
}

bool ReplaceDialog::storeToModel() {
    m_model.m_bUncond = m_uncond->isChecked();
    m_model.m_bNonEmpty = m_nonEmpty->isChecked();
    return StoreText(m_find, m_model.m_strFind, userInterface()) &&
           StoreText(m_with, m_model.m_strWith, userInterface());
}

ColInsertDialog::ColInsertDialog(CColInsertDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_title(TextEdit(this, "title")),
      m_value(TextEdit(this, "value")),
      m_count(Spin(1, CColInsertDlg::kMaxCount, model.m_nCount, this, "count")) {
    setWindowTitle(ToQ(CColInsertDlg::kCaption));
    m_title->setText(ToQ(model.m_strTitle));
    m_title->setEnabled(model.m_bTitleLine);
    m_value->setText(ToQ(model.m_strValue));
    auto* form = new QFormLayout;
    form->addRow(ToQ("列タイトル"), m_title);
    form->addRow(ToQ("データ初期値"), m_value);
    form->addRow(ToQ("挿入列数"), m_count);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(ToQ(CColInsertDlg::kNote), this));
    layout->addWidget(OkCancelButtons(this));
}

bool ColInsertDialog::storeToModel() {
    m_model.m_nCount = m_count->value();
    return StoreText(m_title, m_model.m_strTitle, userInterface()) &&
           StoreText(m_value, m_model.m_strValue, userInterface());
}

MergeDialog::MergeDialog(CMargeWay& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_other(TextEdit(this, "other")) {
    setWindowTitle(ToQ(CMargeWay::kCaption));
    QGroupBox* direction = RadioBox("ﾏｰｼﾞする方向", {"左←右", "左→右"}, m_direction, this, "direction");
    QGroupBox* separator = RadioBox("区切文字", {"なし", "半角ｽﾍﾟｰｽ挿入", "全角ｽﾍﾟｰｽ挿入", "その他"}, m_separator,
                                    this, "separator");
    separator->layout()->addWidget(m_other);
    Check(m_direction, model.m_nDirection);
    Check(m_separator, model.m_nSeparator);
    m_other->setText(ToQ(model.m_strOther));
    m_other->setEnabled(model.m_nSeparator == CMargeWay::Other);
    connect(m_separator, &QButtonGroup::idToggled, this,
            [this] { m_other->setEnabled(m_separator->checkedId() == CMargeWay::Other); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(direction);
    layout->addWidget(separator);
    layout->addWidget(OkCancelButtons(this));
}

bool MergeDialog::storeToModel() {
    m_model.m_nDirection = m_direction->checkedId();
    m_model.m_nSeparator = m_separator->checkedId();
    return StoreText(m_other, m_model.m_strOther, userInterface());
}

SplitDialog::SplitDialog(CSplitOpt& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_other(TextEdit(this, "other", 2)),
      m_bytes(Spin(1, CSplitOpt::kMaxBytes, model.m_nBytes, this, "bytes")),
      m_repeat(new QCheckBox(ToQ("区切文字が無くなるまで、連続実行する"), this)) {
    setWindowTitle(ToQ(CSplitOpt::kCaption));
    QGroupBox* separator = RadioBox("区切文字", {"ＣＳＶ形式", "ＴＡＢ区切", "半角スペース", "全角スペース", "その他", "文字数"},
                                    m_separator, this, "separator");
    auto* bytesRow = new QHBoxLayout;
    bytesRow->addWidget(m_bytes);
    bytesRow->addWidget(new QLabel(ToQ("byteで区切る"), this));
    bytesRow->addStretch();
    auto* extras = new QFormLayout;
    extras->addRow(ToQ("その他"), m_other);
    extras->addRow(ToQ("文字数"), bytesRow);
    static_cast<QVBoxLayout*>(separator->layout())->addLayout(extras);
    Check(m_separator, model.m_nSeparator);
    m_other->setText(ToQ(model.m_strOther));
    m_repeat->setObjectName(QStringLiteral("repeat"));
    m_repeat->setChecked(model.m_bRepeat);
    connect(m_separator, &QButtonGroup::idToggled, this, [this] { enableFields(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(separator);
    layout->addWidget(m_repeat);
    layout->addWidget(new QLabel(ToQ(CSplitOpt::kRepeatNote), this));
    layout->addWidget(OkCancelButtons(this));
    enableFields();
}

void SplitDialog::enableFields() {
    m_other->setEnabled(m_separator->checkedId() == CSplitOpt::Other);
    m_bytes->setEnabled(m_separator->checkedId() == CSplitOpt::Bytes);
}

bool SplitDialog::storeToModel() {
    m_model.m_nSeparator = m_separator->checkedId();
    m_model.m_nBytes = m_bytes->value();
    m_model.m_bRepeat = m_repeat->isChecked();
    return StoreText(m_other, m_model.m_strOther, userInterface());
}

ColOrderDialog::ColOrderDialog(CColOrderDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_list(new QListWidget(this)),
      m_record(new QLineEdit(this)),
      m_back(new QPushButton(ToQ("《"), this)),
      m_forward(new QPushButton(ToQ("》"), this)) {
    setWindowTitle(ToQ(CColOrderDlg::kCaption));
    m_list->setObjectName(QStringLiteral("columns"));
    m_list->setMinimumSize(320, 280);
    m_record->setObjectName(QStringLiteral("record"));
    m_record->setReadOnly(true);
    m_record->setMaximumWidth(90);
    m_back->setObjectName(QStringLiteral("back"));
    m_forward->setObjectName(QStringLiteral("forward"));
    auto* up = new QPushButton(ToQ("↑"), this);
    auto* down = new QPushButton(ToQ("↓"), this);
    up->setObjectName(QStringLiteral("up"));
    down->setObjectName(QStringLiteral("down"));
    connect(m_back, &QPushButton::clicked, this, [this] { step(false); });
    connect(m_forward, &QPushButton::clicked, this, [this] { step(true); });
    connect(up, &QPushButton::clicked, this, [this] { move(true); });
    connect(down, &QPushButton::clicked, this, [this] { move(false); });
    auto* steps = new QHBoxLayout;
    steps->addWidget(m_back);
    steps->addWidget(m_record);
    steps->addWidget(m_forward);
    steps->addStretch();
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(moves);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(steps);
    layout->addLayout(middle, 1);
    layout->addWidget(OkCancelButtons(this));
    loadEntries(0);
}

void ColOrderDialog::loadEntries(int selected) {
    m_list->clear();
    for (const std::string& entry : m_model.entries()) m_list->addItem(ToQ(entry));
    if (selected >= 0 && selected < m_list->count()) m_list->setCurrentRow(selected);
    m_record->setText(QString::number(m_model.record()));
    m_back->setEnabled(m_model.canStepBack());
    m_forward->setEnabled(m_model.canStepForward());
}

void ColOrderDialog::move(bool up) {
    const int row = m_list->currentRow();
    if (row < 0) return;
    loadEntries(up ? m_model.moveUp(row) : m_model.moveDown(row));
}

void ColOrderDialog::step(bool forward) {
    if (forward)
        m_model.stepForward();
    else
        m_model.stepBack();
    loadEntries(m_list->currentRow());
}

ColWidthDialog::ColWidthDialog(CColWidthDlg& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_width(Spin(0, 9999, model.m_nWidth, this, "width")) {
    setWindowTitle(ToQ(CColWidthDlg::kCaption));
    auto* form = new QFormLayout;
    form->addRow(ToQ("列幅"), m_width);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(this));
}

bool ColWidthDialog::storeToModel() {
    m_model.m_nWidth = m_width->value();
    return true;
}

}  // namespace tabrix
