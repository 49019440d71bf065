#include "ui/CalcDlgs.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/DialogWidgets.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

constexpr int kMaxColumnField = 65535;

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

}  // namespace

CalcColDialog::CalcColDialog(CCalCol& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_decimals(Spin(0, CalcRule::kMaxDecimals, model.m_nDecimals, this, "decimals")),
      m_title(TextEdit(this, "title")) {
    setWindowTitle(ToQ(CCalCol::kCaption));
    QGroupBox* operation = RadioBox("演算", {"加算", "減算", "乗算", "除算"}, m_operation, this, "operation");
    QGroupBox* convert = RadioBox("変換タイプ", {"無変換", "絶対値に変換"}, m_convert, this, "convert");
    QGroupBox* method = RadioBox("計算方式１", {"整数計算", "少数計算　少数桁数"}, m_method, this, "method");
    static_cast<QVBoxLayout*>(method->layout())->addLayout(Row({m_decimals}));
    QGroupBox* place = RadioBox("変換データ格納場所",
                                {"最小の選択列にセット", "最大の選択列にセット", "選択列の前に列を追加", "選択列の後ろに列を追加"},
                                m_place, this, "place");
    Check(m_operation, model.m_nOperation);
    Check(m_convert, model.m_bAbsolute ? 1 : 0);
    Check(m_method, model.m_nMethod);
    Check(m_place, model.m_nPlace);
    m_title->setText(ToQ(model.m_strTitle));
    connect(m_method, &QButtonGroup::idToggled, this, [this] { enableFields(); });
    connect(m_place, &QButtonGroup::idToggled, this, [this] { enableFields(); });
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(operation);
    left->addWidget(convert);
    auto* right = new QVBoxLayout;
    right->addWidget(method);
    right->addWidget(place);
    columns->addLayout(left);
    columns->addLayout(right);
    auto* form = new QFormLayout;
    form->addRow(ToQ("列タイトル"), m_title);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(form);
    layout->addWidget(new QLabel(ToQ(CCalCol::kNote), this));
    layout->addWidget(OkCancelButtons(this));
    enableFields();
}

void CalcColDialog::enableFields() {
    m_model.m_nMethod = m_method->checkedId();
    m_model.m_nPlace = m_place->checkedId();
    m_decimals->setEnabled(m_model.decimalsEnabled());
    m_title->setEnabled(m_model.titleEnabled());
}

bool CalcColDialog::storeToModel() {
    m_model.m_nOperation = m_operation->checkedId();
    m_model.m_bAbsolute = m_convert->checkedId() == 1;
    m_model.m_nMethod = m_method->checkedId();
    m_model.m_nDecimals = m_decimals->value();
    m_model.m_nPlace = m_place->checkedId();
    return StoreText(m_title, m_model.m_strTitle, userInterface());
}

AutoFillDialog::AutoFillDialog(CAutoFillDlg& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_base(Spin(0, CAutoFillDlg::kMaxValue, model.m_nBase, this, "base")),
      m_step(Spin(0, CAutoFillDlg::kMaxValue, model.m_nStep, this, "step")),
      m_digits(Spin(1, CAutoFillDlg::kMaxValue, model.m_nDigits, this, "digits")) {
    setWindowTitle(ToQ(CAutoFillDlg::kCaption));
    QGroupBox* mode = RadioBox("既存データ", {"クリアする", "元データに加算する", "前に付与する", "後ろに付与する"}, m_mode,
                               this, "mode");
    QGroupBox* pad = RadioBox("桁揃え", {"桁揃えしない", "桁揃えする"}, m_pad, this, "pad");
    static_cast<QVBoxLayout*>(pad->layout())
        ->addLayout(Row({new QLabel(ToQ("付与文字数を"), this), m_digits, new QLabel(ToQ("文字にする"), this)}));
    Check(m_mode, model.m_nMode);
    Check(m_pad, model.m_bPad ? 1 : 0);
    m_digits->setEnabled(model.m_bPad);
    connect(m_pad, &QButtonGroup::idToggled, this, [this] { m_digits->setEnabled(m_pad->checkedId() == 1); });
    auto* form = new QFormLayout;
    form->addRow(ToQ("基準値"), m_base);
    form->addRow(ToQ("増分"), m_step);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mode);
    layout->addLayout(form);
    layout->addWidget(pad);
    layout->addWidget(new QLabel(ToQ(CAutoFillDlg::kNote), this));
    layout->addWidget(OkCancelButtons(this));
}

bool AutoFillDialog::storeToModel() {
    m_model.m_nMode = m_mode->checkedId();
    m_model.m_nBase = m_base->value();
    m_model.m_nStep = m_step->value();
    m_model.m_bPad = m_pad->checkedId() == 1;
    m_model.m_nDigits = m_digits->value();
    return true;
}

ColSortDialog::ColSortDialog(CColSort& model, QWidget* parent)
    : ModelDialog(model, parent), m_model(model), m_key(Spin(0, kMaxColumnField, model.m_nKeyCol, this, "key")) {
    setWindowTitle(ToQ(CColSort::kCaption));
    auto* keyBrowse = new QPushButton(ToQ("参照"), this);
    keyBrowse->setObjectName(QStringLiteral("browseKey"));
    connect(keyBrowse, &QPushButton::clicked, this, [this] { browse(0); });
    QGroupBox* direction = RadioBox("", {"昇順ソート", "降順ソート"}, m_direction, this, "direction");
    Check(m_direction, model.m_bDescending ? 1 : 0);
    auto* sortBox = new QGroupBox(ToQ("ソート列"), this);
    auto* grid = new QGridLayout(sortBox);
    for (int i = 0; i < CColSort::kSortColumns; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const QString number = QString::number(i + 1);
        m_sort[index] = Spin(0, kMaxColumnField, model.m_nSortCol[index], this, ("sort" + std::to_string(i + 1)).c_str());
        m_browse[index] = new QPushButton(ToQ("参照"), this);
        m_browse[index]->setObjectName(QStringLiteral("browseSort") + number);
        connect(m_browse[index], &QPushButton::clicked, this, [this, i] { browse(i + 1); });
        if (i == 0) {
            grid->addWidget(new QLabel(ToQ("列") + number, this), i, 0);
        } else {
            m_used[index] = new QCheckBox(ToQ("列") + number, this);
            m_used[index]->setObjectName(QStringLiteral("useSort") + number);
            m_used[index]->setChecked(model.m_bSortUsed[index]);
            connect(m_used[index], &QCheckBox::toggled, this, [this] { enableFields(); });
            grid->addWidget(m_used[index], i, 0);
        }
        grid->addWidget(m_sort[index], i, 1);
        grid->addWidget(m_browse[index], i, 2);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(ToQ("キー列"), this));
    top->addWidget(m_key);
    top->addWidget(keyBrowse);
    top->addWidget(direction);
    auto* note = new QLabel(ToQ(CColSort::kNote), this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(sortBox);
    layout->addWidget(note);
    layout->addWidget(OkCancelButtons(this));
    enableFields();
}

void ColSortDialog::enableFields() {
    for (std::size_t i = 1; i < m_sort.size(); ++i) {
        m_sort[i]->setEnabled(m_used[i]->isChecked());
        m_browse[i]->setEnabled(m_used[i]->isChecked());
    }
}

void ColSortDialog::browse(int field) {
    storeToModel();
    if (!m_model.browse(field, userInterface())) return;
    m_key->setValue(m_model.m_nKeyCol);
    for (std::size_t i = 0; i < m_sort.size(); ++i) m_sort[i]->setValue(m_model.m_nSortCol[i]);
}

bool ColSortDialog::storeToModel() {
    m_model.m_nKeyCol = m_key->value();
    m_model.m_bDescending = m_direction->checkedId() == 1;
    for (std::size_t i = 0; i < m_sort.size(); ++i) {
        m_model.m_nSortCol[i] = m_sort[i]->value();
        m_model.m_bSortUsed[i] = i == 0 || m_used[i]->isChecked();
    }
    return true;
}

}  // namespace tabrix
