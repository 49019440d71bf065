#include "ui/OptionDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "text/Cp932.h"
#include "ui/ColorButton.h"
#include "ui/Cp932Validator.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

namespace {

// A spin box whose arrows stop at a lower bound than what may be typed.
class StepLimitedSpinBox : public QSpinBox {
public:
    StepLimitedSpinBox(int stepMax, QWidget* parent) : QSpinBox(parent), m_stepMax(stepMax) {}
    void stepBy(int steps) override {
        const int target = value() + steps;
        if (steps > 0 && target > m_stepMax) {
            setValue(std::max(value(), m_stepMax));
            return;
        }
        QSpinBox::stepBy(steps);
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = QSpinBox::stepEnabled();
        if (value() >= m_stepMax) enabled &= ~StepUpEnabled;
        return enabled;
    }

private:
    int m_stepMax;
};

QLineEdit* LimitedEdit(int maxBytes, QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new Cp932Validator(maxBytes, edit));
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QCheckBox* Check(const char* cp932, QWidget* parent, const char* name) {
    auto* box = new QCheckBox(ToQ(cp932), parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QComboBox* SizeChoice(std::initializer_list<int> sizes, QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    for (int size : sizes) combo->addItem(QString::number(size));
    combo->setObjectName(QLatin1String(name));
    return combo;
}

QSpinBox* Spin(int minimum, int maximum, QWidget* parent, const char* name) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setObjectName(QLatin1String(name));
    return spin;
}

bool Store(QLineEdit* edit, std::string& target, IUserInterface& ui) {
    QString bad;
    if (FromQ(edit->text(), target, &bad)) return true;
    ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
    edit->setFocus();
    return false;
}

}  // namespace

COptionDlg::COptionDlg(COption& model, QWidget* parent) : ModelDialog(model, parent), m_model(model) {
    setWindowTitle(ToQ("オプション設定"));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildGeneralGroup());
    left->addWidget(buildFileGroup());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildDisplayGroup());
    right->addWidget(buildColourGroup());
    right->addWidget(buildEraGroup());
    right->addStretch();
    columns->addLayout(left);
    columns->addLayout(right);

    QDialogButtonBox* buttons = OkCancelButtons(this);
    QPushButton* reset = buttons->addButton(ToQ("初期値"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("resetButton"));
    connect(reset, &QPushButton::clicked, this, [this] {
        m_model.resetDefaults();
        loadFromModel();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    for (QCheckBox* box : {m_hanspDisp, m_zenspDisp, m_windBar, m_colorDisp})
        connect(box, &QCheckBox::toggled, this, &COptionDlg::updateEnabling);
    loadFromModel();
}

QWidget* COptionDlg::buildGeneralGroup() {
    auto* group = new QGroupBox(ToQ("基本設定"), this);
    auto* form = new QFormLayout(group);

    m_defDir = LimitedEdit(0, group, "defDir");
    auto* browse = new QPushButton(ToQ("参照"), group);
    connect(browse, &QPushButton::clicked, this, &COptionDlg::chooseFolder);
    auto* dirRow = new QHBoxLayout;
    dirRow->addWidget(m_defDir, 1);
    dirRow->addWidget(browse);
    form->addRow(ToQ("ローカルDir"), dirRow);

    m_font = new QLineEdit(group);
    m_font->setReadOnly(true);
    m_font->setObjectName(QStringLiteral("font"));
    m_font->setMinimumWidth(m_font->fontMetrics().horizontalAdvance(ToQ("ＭＳ Ｐゴシック 10pt 太字 斜体")) + 16);
    auto* choose = new QPushButton(ToQ("選択"), group);
    connect(choose, &QPushButton::clicked, this, &COptionDlg::chooseFont);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(m_font, 1);
    fontRow->addWidget(choose);
    form->addRow(ToQ("初期フォント"), fontRow);

    m_psize = SizeChoice({100, 500, 1000, 3000, 5000, 10000}, group, "psizeMode");
    form->addRow(ToQ("入力画面の１ﾍﾟｰｼﾞ行数"), m_psize);
    m_tsize = SizeChoice({100, 500, 1000, 3000, 5000}, group, "tsizeMode");
    form->addRow(ToQ("翻訳画面の１ﾍﾟｰｼﾞ行数"), m_tsize);
    m_recNum = new StepLimitedSpinBox(COption::kRecentMax, group);
    m_recNum->setRange(COption::kRecentMin, 99);
    m_recNum->setObjectName(QStringLiteral("recNum"));
    form->addRow(ToQ("最近使ったﾌｧｲﾙ表示数"), m_recNum);

    m_openDlg = Check("ファイル読込種別ダイアログの表示", group, "openDlg");
    m_savePos = Check("ウインドウの位置とサイズを復元する", group, "savePos");
    m_prnmMde = Check("印刷時、１ページに全ての列を印刷する", group, "prnmMde");
    for (QCheckBox* box : {m_openDlg, m_savePos, m_prnmMde}) form->addRow(box);

    m_windBar = Check("ウィンドウ切替バーを表示する", group, "windBar");
    m_windBarTop = new QRadioButton(ToQ("上"), group);
    m_windBarTop->setObjectName(QStringLiteral("windBarTop"));
    m_windBarBottom = new QRadioButton(ToQ("下"), group);
    m_windBarBottom->setObjectName(QStringLiteral("windBarBottom"));
    auto* barRow = new QHBoxLayout;
    barRow->addWidget(m_windBar);
    barRow->addWidget(m_windBarTop);
    barRow->addWidget(m_windBarBottom);
    barRow->addStretch();
    form->addRow(barRow);
    return group;
}

QWidget* COptionDlg::buildFileGroup() {
    auto* group = new QGroupBox(ToQ("ファイル"), this);
    auto* form = new QFormLayout(group);
    m_colNumErr = Check("項目数が不揃い時はエラーにする", group, "colNumErr");
    m_ctlNumErr = Check("制御ファイルと項目数が異なる場合はエラーにする", group, "ctlNumErr");
    form->addRow(m_colNumErr);
    form->addRow(m_ctlNumErr);
    m_newLine = Spin(COption::kNewMin, COption::kNewMax, group, "newLine");
    m_newCol = Spin(COption::kNewMin, COption::kNewMax, group, "newCol");
    form->addRow(ToQ("初期 行数"), m_newLine);
    form->addRow(ToQ("初期 列数"), m_newCol);
    // The newest action can always be taken back, whatever this allows.
    m_undoMemory = Spin(0, COption::kUndoMemoryMax, group, "undoMemory");
    m_undoMemory->setSuffix(QStringLiteral(" %"));
    form->addRow(ToQ("元に戻す 使用メモリ"), m_undoMemory);
    return group;
}

QWidget* COptionDlg::buildDisplayGroup() {
    auto* group = new QGroupBox(ToQ("スペース表示"), this);
    auto* grid = new QGridLayout(group);
    m_hanspDisp = Check("半角ｽﾍﾟｰｽ表示する", group, "hanspDisp");
    m_hanspChar = LimitedEdit(0, group, "hanspChar");
    m_zenspDisp = Check("全角ｽﾍﾟｰｽ表示する", group, "zenspDisp");
    m_zenspChar = LimitedEdit(0, group, "zenspChar");
    for (QLineEdit* edit : {m_hanspChar, m_zenspChar}) edit->setMaximumWidth(60);
    grid->addWidget(m_hanspDisp, 0, 0);
    grid->addWidget(m_hanspChar, 0, 1);
    grid->addWidget(m_zenspDisp, 1, 0);
    grid->addWidget(m_zenspChar, 1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* COptionDlg::buildColourGroup() {
    auto* group = new QGroupBox(ToQ("色"), this);
    auto* grid = new QGridLayout(group);
    auto colour = [group](const char* cp932, const char* name) {
        auto* button = new ColorButton(ToQ(cp932), group);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    m_noEditClr = colour("非入力項目文字色", "noEditClr");
    m_virtualClr = colour("仮想項目文字色", "virtualClr");
    m_colorDisp = Check("１行おきに色分け表示する", group, "colorDisp");
    m_backColor1 = colour("背景色", "backColor1");
    m_backColor2 = colour("色分け背景色", "backColor2");
    m_foreColor = colour("文字色", "foreColor");
    grid->addWidget(m_noEditClr, 0, 0);
    grid->addWidget(m_virtualClr, 0, 1);
    grid->addWidget(m_colorDisp, 1, 0, 1, 2);
    grid->addWidget(m_backColor1, 2, 0);
    grid->addWidget(m_backColor2, 2, 1);
    grid->addWidget(m_foreColor, 3, 0);
    return group;
}

QWidget* COptionDlg::buildEraGroup() {
    static const char* const kDateLabels[] = {"開始日付１(&1):", "開始日付２(&2):", "開始日付３(&3):",
                                              "開始日付４(&4):"};
    auto* group = new QGroupBox(ToQ("元号"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(ToQ("短い形式"), group), 0, 2);
    grid->addWidget(new QLabel(ToQ("長い形式"), group), 0, 3);
    for (std::size_t i = 0; i < 4; ++i) {
        const int row = static_cast<int>(i) + 1;
        auto* date = new QDateEdit(group);
        date->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        date->setCalendarPopup(true);
        date->setMinimumDate(QDate(1, 1, 1));
        date->setObjectName(QStringLiteral("eraDate%1").arg(i));
        date->setMinimumWidth(date->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) + 48);
        auto* label = new QLabel(ToQ(kDateLabels[i]), group);
        label->setBuddy(date);
        m_eraDate[i] = date;
        m_eraShort[i] = LimitedEdit(1, group, "eraShort");
        m_eraShort[i]->setObjectName(QStringLiteral("eraShort%1").arg(i));
        m_eraShort[i]->setMaximumWidth(40);
        m_eraLong[i] = LimitedEdit(4, group, "eraLong");
        m_eraLong[i]->setObjectName(QStringLiteral("eraLong%1").arg(i));
        m_eraLong[i]->setMaximumWidth(70);
        grid->addWidget(label, row, 0);
        grid->addWidget(date, row, 1);
        grid->addWidget(m_eraShort[i], row, 2);
        grid->addWidget(m_eraLong[i], row, 3);
    }
    return group;
}

void COptionDlg::loadFromModel() {
    const COption& m = m_model;
    m_loading = true;
    m_defDir->setText(ToQ(m.DefDir));
    showFont();
    m_psize->setCurrentIndex(std::clamp(m.PsizeMode, 0, m_psize->count() - 1));
    m_tsize->setCurrentIndex(std::clamp(m.TsizeMode, 0, m_tsize->count() - 1));
    m_recNum->setValue(m.RecNum);
    m_openDlg->setChecked(m.OpenDlg);
    m_hanspDisp->setChecked(m.HanspDisp);
    m_hanspChar->setText(ToQ(m.HanspChar));
    m_zenspDisp->setChecked(m.ZenspDisp);
    m_zenspChar->setText(ToQ(m.ZenspChar));
    m_savePos->setChecked(m.SavePos);
    m_prnmMde->setChecked(m.PrnmMde);
    m_windBar->setChecked(m.WindBar);
    (m.WindBarPos == 0 ? m_windBarTop : m_windBarBottom)->setChecked(true);
    m_colorDisp->setChecked(m.ColorDisp);
    m_noEditClr->setColour(m.NoEditClr);
    m_virtualClr->setColour(m.VirtualClr);
    m_backColor1->setColour(m.BackColor1);
    m_backColor2->setColour(m.BackColor2);
    m_foreColor->setColour(m.ForeColor);
    for (std::size_t i = 0; i < 4; ++i) {
        const EraDate& date = m.GengoDate[i];
        m_eraDate[i]->setDate(QDate(date.year, date.month, date.day));
        m_eraShort[i]->setText(ToQ(m.GengoShort[i]));
        m_eraLong[i]->setText(ToQ(m.GengoLong[i]));
    }
    m_colNumErr->setChecked(m.ColNumErr);
    m_ctlNumErr->setChecked(m.CtlNumErr);
    m_newLine->setValue(m.NewLine);
    m_newCol->setValue(m.NewCol);
    m_undoMemory->setValue(m.UndoMemory);
    m_loading = false;
    updateEnabling();
}

bool COptionDlg::storeToModel() {
    COption& m = m_model;
    IUserInterface* ui = &userInterface();
    if (!Store(m_defDir, m.DefDir, *ui) || !Store(m_hanspChar, m.HanspChar, *ui) ||
        !Store(m_zenspChar, m.ZenspChar, *ui))
        return false;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!Store(m_eraShort[i], m.GengoShort[i], *ui) || !Store(m_eraLong[i], m.GengoLong[i], *ui))
            return false;
        const QDate date = m_eraDate[i]->date();
        m.GengoDate[i] = {date.year(), date.month(), date.day()};
    }
    m.PsizeMode = m_psize->currentIndex();
    m.TsizeMode = m_tsize->currentIndex();
    m.RecNum = m_recNum->value();
    m.OpenDlg = m_openDlg->isChecked();
    m.HanspDisp = m_hanspDisp->isChecked();
    m.ZenspDisp = m_zenspDisp->isChecked();
    m.SavePos = m_savePos->isChecked();
    m.PrnmMde = m_prnmMde->isChecked();
    m.WindBar = m_windBar->isChecked();
    m.WindBarPos = m_windBarTop->isChecked() ? 0 : 1;
    m.ColorDisp = m_colorDisp->isChecked();
    m.NoEditClr = m_noEditClr->colour();
    m.VirtualClr = m_virtualClr->colour();
    m.BackColor1 = m_backColor1->colour();
    m.BackColor2 = m_backColor2->colour();
    m.ForeColor = m_foreColor->colour();
    m.ColNumErr = m_colNumErr->isChecked();
    m.CtlNumErr = m_ctlNumErr->isChecked();
    m.NewLine = m_newLine->value();
    m.NewCol = m_newCol->value();
    m.UndoMemory = m_undoMemory->value();
    return true;
}

void COptionDlg::updateEnabling() {
    if (m_loading) return;
    m_model.HanspDisp = m_hanspDisp->isChecked();
    m_model.ZenspDisp = m_zenspDisp->isChecked();
    m_model.WindBar = m_windBar->isChecked();
    m_model.ColorDisp = m_colorDisp->isChecked();
    m_hanspChar->setEnabled(m_model.hanspCharEnabled());
    m_zenspChar->setEnabled(m_model.zenspCharEnabled());
    m_windBarTop->setEnabled(m_model.windBarPosEnabled());
    m_windBarBottom->setEnabled(m_model.windBarPosEnabled());
    m_backColor2->setEnabled(m_model.backColor2Enabled());
}

void COptionDlg::chooseFolder() {
    std::string current;
    FromQ(m_defDir->text(), current);
    const QString start = current.empty() ? QDir::currentPath()
                                          : QString::fromStdString(ToFsPath(current).string());
    const QString chosen = QFileDialog::getExistingDirectory(this, ToQ("フォルダ選択"), start);
    if (chosen.isEmpty()) return;
    QString bad;
    std::string encoded;
    if (!FromQ(chosen, encoded, &bad)) {
        userInterface().messageBox(UnencodableMessage(bad), MsgIcon::Stop);
        return;
    }
    m_defDir->setText(chosen);
}

void COptionDlg::chooseFont() {
    const FontChoice preset = m_model.font();
    QFont initial(ToQ(preset.face));
    initial.setPointSize(preset.pointSize);
    initial.setWeight(preset.weight >= 700 ? QFont::Bold : QFont::Normal);
    initial.setItalic(preset.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, this);
    if (!ok) return;
    FontChoice choice;
    QString bad;
    if (!FromQ(chosen.family(), choice.face, &bad)) {
        userInterface().messageBox(UnencodableMessage(bad), MsgIcon::Stop);
        return;
    }
    choice.pointSize = std::max(1, qRound(chosen.pointSizeF()));
    choice.weight = chosen.weight() >= QFont::Bold ? 700 : 400;
    choice.italic = chosen.italic();
    m_model.setFont(choice);
    showFont();
}

void COptionDlg::showFont() {
    m_font->setText(ToQ(m_model.FontName) + QLatin1Char(' ') + ToQ(m_model.FontSize) +
                    QStringLiteral("pt ") + ToQ(m_model.FontStyle));
}

}  // namespace tabrix
