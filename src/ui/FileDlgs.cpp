#include "ui/FileDlgs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/DelimiterGroup.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

namespace {

bool StoreOther(const DelimiterGroup& group, std::string& other, IUserInterface& ui) {
    QString bad;
    if (FromQ(group.otherText(), other, &bad)) return true;
    ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
    return false;
}

}  // namespace

CFileOpenDlg::CFileOpenDlg(CFileOpen& model, const std::string& defDir, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_defDir(defDir),
      m_fileName(new QLineEdit(this)),
      m_delimiter(new DelimiterGroup(ToQ("区切り文字（１行目データで自動判別）"), this)),
      m_titleLine(new QCheckBox(ToQ("１行目を見出し行とする"), this)),
      m_quoted(new QCheckBox(ToQ("ﾌｧｲﾙ上はﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝで囲まれている"), this)) {
    setWindowTitle(ToQ(CFileOpen::kCaption));
    m_fileName->setObjectName(QStringLiteral("fileName"));
    m_fileName->setReadOnly(true);
    m_fileName->setMinimumWidth(320);
    m_titleLine->setObjectName(QStringLiteral("titleLine"));
    m_quoted->setObjectName(QStringLiteral("quoted"));
    auto* browse = new QPushButton(ToQ("参照"), this);
    connect(browse, &QPushButton::clicked, this, &CFileOpenDlg::browse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileName, 1);
    fileRow->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addWidget(m_delimiter);
    layout->addWidget(m_titleLine);
    layout->addWidget(m_quoted);
    layout->addWidget(OkCancelButtons(this));
    loadFromModel();
}

void CFileOpenDlg::loadFromModel() {
    m_fileName->setText(ToQ(m_model.m_strFileName));
    m_delimiter->setChoice(m_model.m_nDelim, m_model.m_strOther);
    m_titleLine->setChecked(m_model.m_bTitleLine);
    m_quoted->setChecked(m_model.m_bQuote);
}

void CFileOpenDlg::browse() {
    // What the user set survives a detection that cannot read the file.
    m_model.m_nDelim = m_delimiter->choice();
    m_model.m_strOther = FromQLossy(m_delimiter->otherText());
    m_model.m_bTitleLine = m_titleLine->isChecked();
    m_model.m_bQuote = m_quoted->isChecked();
    if (m_model.browse(userInterface(), m_defDir)) loadFromModel();
}

bool CFileOpenDlg::storeToModel() {
    m_model.m_nDelim = m_delimiter->choice();
    m_model.m_bTitleLine = m_titleLine->isChecked();
    m_model.m_bQuote = m_quoted->isChecked();
    return StoreOther(*m_delimiter, m_model.m_strOther, userInterface());
}

CNewFileDlg::CNewFileDlg(CNewFile& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_rows(new QSpinBox(this)),
      m_columns(new QSpinBox(this)),
      m_delimiter(new DelimiterGroup(ToQ("区切り文字"), this)) {
    setWindowTitle(ToQ(CNewFile::kCaption));
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setRange(1, CNewFile::kMaxRows);
    m_rows->setValue(model.m_nRows);
    m_columns->setObjectName(QStringLiteral("columns"));
    m_columns->setRange(1, CNewFile::kMaxCols);
    m_columns->setValue(model.m_nCols);
    m_delimiter->setChoice(model.m_nDelim, model.m_strOther);
    auto* form = new QFormLayout;
    form->addRow(ToQ("初期 行数"), m_rows);
    form->addRow(ToQ("初期 列数"), m_columns);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_delimiter);
    layout->addWidget(OkCancelButtons(this));
}

bool CNewFileDlg::storeToModel() {
    m_model.m_nRows = m_rows->value();
    m_model.m_nCols = m_columns->value();
    m_model.m_nDelim = m_delimiter->choice();
    return StoreOther(*m_delimiter, m_model.m_strOther, userInterface());
}

}  // namespace tabrix
