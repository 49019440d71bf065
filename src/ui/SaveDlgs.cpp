#include "ui/SaveDlgs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/Cp932Validator.h"
#include "ui/DialogWidgets.h"
#include "ui/FilterDlgs.h"
#include "ui/QtText.h"

namespace tabrix {

namespace {

QLineEdit* Edit(QWidget* parent, const std::string& text, int maxBytes = 0) {
    auto* edit = new QLineEdit(ToQ(text), parent);
    edit->setValidator(new Cp932Validator(maxBytes, edit));
    return edit;
}

// The output name box with its "参照" save-file dialog.
QLayout* OutputRow(ModelDialog* dialog, QLineEdit* edit, std::function<bool()> excel,
                   std::function<IUserInterface&()> ui) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ToQ("出力ファイル名"), dialog));
    row->addWidget(edit, 1);
    auto* browse = new QPushButton(ToQ("参照"), dialog);
    browse->setAutoDefault(false);
    QObject::connect(browse, &QPushButton::clicked, dialog, [edit, excel, ui] {
        FileDialogRequest request = OutputBrowseRequest(FromQLossy(edit->text()), excel());
        if (ui().getSaveFileName(request)) edit->setText(ToQ(OutputBrowseName(request, excel())));
    });
    row->addWidget(browse);
    return row;
}

}  // namespace

SplitOptDialog::SplitOptDialog(CDivOptDlg& model, QWidget* parent) : ModelDialog(model, parent), m_model(model) {
    setWindowTitle(ToQ(CDivOptDlg::kCaption));
    auto* modeRow = new QHBoxLayout;
    m_mode = Radios(this, modeRow, {"単純行数分割", "行数＋キーブレイク"}, model.m_nMode);
    modeRow->addWidget(new QLabel(ToQ(model.keyColumnsText()), this));
    auto* titleRow = new QHBoxLayout;
    m_title = Radios(this, titleRow, {"各ファイルに出力しない", "各ファイルに出力する"}, model.m_nTitle);
    auto* delimRow = new QHBoxLayout;
    m_delim = Radios(this, delimRow, {"ＣＳＶ形式", "ＴＡＢ区切", "ｽﾍﾟｰｽ区切", "その他"}, model.m_nDelim);
    m_other = Edit(this, model.m_strOther, 1);
    m_other->setMaximumWidth(40);
    delimRow->addWidget(m_other);
    m_files = new QSpinBox(this);
    m_files->setObjectName(QStringLiteral("files"));
    m_files->setRange(1, 65535);
    m_files->setValue(model.m_nFiles);
    m_perKey = new QCheckBox(ToQ("キーブレーク毎にファイルを作成する"), this);
    m_outFile = Edit(this, model.m_strOutFile);
    m_outFile->setObjectName(QStringLiteral("outFile"));
    auto* filesRow = new QHBoxLayout;
    filesRow->addWidget(new QLabel(ToQ("分割ファイル数"), this));
    filesRow->addWidget(m_files);
    filesRow->addWidget(m_perKey);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Framed(this, "分割方法", modeRow));
    layout->addLayout(filesRow);
    layout->addWidget(Framed(this, "見出し行", titleRow));
    layout->addWidget(Framed(this, "出力形式", delimRow));
    layout->addLayout(OutputRow(this, m_outFile, [] { return false; }, [this]() -> IUserInterface& { return userInterface(); }));
    layout->addWidget(new QLabel(ToQ(CDivOptDlg::kNote), this));
    layout->addWidget(OkCancelButtons(this));

    m_mode->button(1)->setEnabled(model.keyBreakAllowed());
    m_title->button(1)->setEnabled(model.titleEachAllowed());
    connect(m_mode, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.m_nFiles = m_files->value();
        m_model.setMode(id);
        refresh();
    });
    connect(m_perKey, &QCheckBox::toggled, this, [this](bool on) {
        m_model.m_nFiles = m_files->value();
        m_model.setPerKey(on);
        refresh();
    });
    connect(m_delim, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.m_strOutFile = FromQLossy(m_outFile->text());
        m_model.setDelim(id);
        refresh();
    });
    refresh();
}

void SplitOptDialog::refresh() {
    const QSignalBlocker block(m_perKey);
    m_perKey->setChecked(m_model.m_bPerKey);
    m_perKey->setEnabled(m_model.perKeyAllowed());
    m_files->setMaximum(std::max(65535, m_model.m_nFiles));
    m_files->setValue(m_model.m_nFiles);
    m_files->setEnabled(m_model.fileCountEditable());
    m_other->setEnabled(m_model.otherBoxEnabled());
    m_outFile->setText(ToQ(m_model.m_strOutFile));
}

bool SplitOptDialog::storeToModel() {
    m_model.m_nMode = m_mode->checkedId();
    m_model.m_nTitle = m_title->checkedId();
    m_model.m_nDelim = m_delim->checkedId();
    m_model.m_strOther = FromQLossy(m_other->text());
    m_model.m_nFiles = m_files->value();
    m_model.m_bPerKey = m_perKey->isChecked();
    m_model.m_strOutFile = FromQLossy(m_outFile->text());
    return true;
}

SaveOptDialog::SaveOptDialog(CSaveOpt& model, QWidget* parent) : ModelDialog(model, parent), m_model(model) {
    setWindowTitle(ToQ(CSaveOpt::kCaption));
    auto* colRow = new QHBoxLayout;
    m_colMode = Radios(this, colRow, {"全列出力", "選択列のみ"}, model.m_nColMode);
    colRow->addWidget(new QLabel(QString::number(model.m_nSelectedCount), this));
    auto* rowRow = new QHBoxLayout;
    m_rowMode = Radios(this, rowRow, {"全行出力", "抽出条件での出力", "絞込表示済の出力"}, model.m_nRowMode);
    auto* formatRow = new QHBoxLayout;
    m_format = Radios(this, formatRow, {"ＣＳＶ形式", "ＴＡＢ区切", "ｽﾍﾟｰｽ区切", "EXCEL形式", "その他"}, model.m_nFormat);
    m_other = Edit(this, model.m_strOther, 1);
    m_other->setMaximumWidth(40);
    formatRow->addWidget(m_other);

    m_searchBox = new QWidget(this);
    m_searchCol = new QSpinBox(m_searchBox);
    m_searchCol->setRange(0, 10000);
    m_searchCol->setValue(model.m_nSearchCol);
    auto* colPick = new QPushButton(ToQ("参照"), m_searchBox);
    colPick->setEnabled(false);  // the column chooser
    m_search = Edit(m_searchBox, model.m_strSearch);
    m_search->setObjectName(QStringLiteral("search"));
    auto* valuePick = new QPushButton(ToQ("参照"), m_searchBox);
    valuePick->setAutoDefault(false);
    connect(valuePick, &QPushButton::clicked, this, [this] {
        if (!m_model.m_pLines) return;
        CDataSelDlg picker;
        picker.collect(*m_model.m_pLines, m_model.m_nFirstLine, m_searchCol->value());
        if (userInterface().runModal(picker)) m_search->setText(ToQ(picker.applyTo(FromQLossy(m_search->text()))));
    });
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQ("検索列番号"), m_searchBox), 0, 0);
    grid->addWidget(m_searchCol, 0, 1);
    grid->addWidget(colPick, 0, 2);
    grid->addWidget(new QLabel(ToQ("検索文字列"), m_searchBox), 1, 0);
    grid->addWidget(m_search, 1, 1);
    grid->addWidget(valuePick, 1, 2);
    auto* typeRow = new QHBoxLayout;
    m_searchType = Radios(m_searchBox, typeRow, {"＊？を文字として扱う", "ワイルドカードを展開する"}, model.m_nSearchType);
    auto* extractRow = new QHBoxLayout;
    m_extract = Radios(m_searchBox, extractRow, {"一致データを抽出", "不一致データを抽出"}, model.m_nExtract);
    auto* searchLayout = new QVBoxLayout(m_searchBox);
    searchLayout->addLayout(grid);
    searchLayout->addWidget(Framed(m_searchBox, "検索タイプ", typeRow));
    searchLayout->addWidget(Framed(m_searchBox, "抽出モード", extractRow));
    searchLayout->addWidget(TokenButtonGroups(m_searchBox, m_search, true));

    m_outFile = Edit(this, model.m_strOutFile);
    m_outFile->setObjectName(QStringLiteral("outFile"));
    m_title = new QCheckBox(ToQ("１行目は列見出し"), this);
    m_title->setChecked(model.m_bTitle);
    m_title->setEnabled(model.titleAllowed());
    m_virtual = new QCheckBox(ToQ("仮想項目を出力する"), this);
    m_virtual->setChecked(model.m_bVirtual);
    m_virtual->setEnabled(model.virtualAllowed());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Framed(this, "列", colRow));
    layout->addWidget(Framed(this, "行", rowRow));
    layout->addWidget(m_searchBox);
    layout->addWidget(Framed(this, "出力形式", formatRow));
    layout->addLayout(OutputRow(this, m_outFile, [this] { return m_format->checkedId() == CSaveOpt::Excel; },
                                [this]() -> IUserInterface& { return userInterface(); }));
    layout->addWidget(m_title);
    layout->addWidget(m_virtual);
    layout->addWidget(OkCancelButtons(this));

    m_colMode->button(1)->setEnabled(model.selectedColumnsAllowed());
    m_rowMode->button(2)->setEnabled(model.filteredRowsAllowed());
    connect(m_rowMode, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.m_nRowMode = id;
        refresh();
    });
    connect(m_format, &QButtonGroup::idClicked, this, [this](int id) {
        m_model.m_strOutFile = FromQLossy(m_outFile->text());
        m_model.setFormat(id);
        m_outFile->setText(ToQ(m_model.m_strOutFile));
        refresh();
    });
    refresh();
}

void SaveOptDialog::refresh() {
    m_searchBox->setEnabled(m_model.searchEnabled());
    m_other->setEnabled(m_model.otherBoxEnabled());
}

bool SaveOptDialog::storeToModel() {
    m_model.m_nColMode = m_colMode->checkedId();
    m_model.m_nRowMode = m_rowMode->checkedId();
    m_model.m_nFormat = m_format->checkedId();
    m_model.m_strOther = FromQLossy(m_other->text());
    m_model.m_nSearchCol = m_searchCol->value();
    m_model.m_strSearch = FromQLossy(m_search->text());
    m_model.m_nSearchType = m_searchType->checkedId();
    m_model.m_nExtract = m_extract->checkedId();
    m_model.m_strOutFile = FromQLossy(m_outFile->text());
    m_model.m_bTitle = m_title->isChecked();
    m_model.m_bVirtual = m_virtual->isChecked();
    return true;
}

}  // namespace tabrix
