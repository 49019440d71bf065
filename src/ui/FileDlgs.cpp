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

constexpr char kOpenFilter[] = "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||";

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(ToQ("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

bool StoreOther(const DelimiterGroup& group, std::string& other, IUserInterface& ui) {
    QString bad;
    if (FromQ(group.otherText(), other, &bad)) return true;
    ui.messageBox(UnencodableMessage(bad), MsgIcon::Stop);
    return false;
}

}  // namespace

CFileOpenDlg::CFileOpenDlg(FileOpenPlaceholder& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_fileName(new QLineEdit(this)),
      m_delimiter(new DelimiterGroup(ToQ("区切り文字（１行目データで自動判別）"), this)),
      m_titleLine(new QCheckBox(ToQ("１行目を見出し行とする"), this)),
      m_quoted(new QCheckBox(ToQ("ﾌｧｲﾙ上はﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝで囲まれている"), this)) {
    setWindowTitle(ToQ("ファイル読み込み種別"));
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
    layout->addWidget(OkCancel(this));
    loadFromModel();
}

void CFileOpenDlg::loadFromModel() {
    m_fileName->setText(ToQ(m_model.fileName));
    m_delimiter->setChoice(m_model.delimiter, m_model.otherDelimiter);
    m_titleLine->setChecked(m_model.titleLine);
    m_quoted->setChecked(m_model.quoted);
}

void CFileOpenDlg::browse() {
    FileDialogRequest request;
    request.title = "ファイル選択";
    request.filter = kOpenFilter;
    request.initialDir = m_model.defDir;
    if (!userInterface().getOpenFileName(request)) return;
    m_model.titleLine = m_titleLine->isChecked();
    m_model.quoted = m_quoted->isChecked();
    m_model.chooseFile(request.fileName);
    loadFromModel();
}

bool CFileOpenDlg::storeToModel() {
    m_model.delimiter = m_delimiter->choice();
    m_model.titleLine = m_titleLine->isChecked();
    m_model.quoted = m_quoted->isChecked();
    return StoreOther(*m_delimiter, m_model.otherDelimiter, userInterface());
}

CNewFileDlg::CNewFileDlg(NewFilePlaceholder& model, QWidget* parent)
    : ModelDialog(model, parent),
      m_model(model),
      m_rows(new QSpinBox(this)),
      m_columns(new QSpinBox(this)),
      m_delimiter(new DelimiterGroup(ToQ("区切り文字"), this)) {
    setWindowTitle(ToQ("新規作成オプション設定"));
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setRange(1, 65535);
    m_rows->setValue(model.rows);
    m_columns->setObjectName(QStringLiteral("columns"));
    m_columns->setRange(1, 256);
    m_columns->setValue(model.columns);
    m_delimiter->setChoice(model.delimiter, model.otherDelimiter);
    auto* form = new QFormLayout;
    form->addRow(ToQ("初期 行数"), m_rows);
    form->addRow(ToQ("初期 列数"), m_columns);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_delimiter);
    layout->addWidget(OkCancel(this));
}

bool CNewFileDlg::storeToModel() {
    m_model.rows = m_rows->value();
    m_model.columns = m_columns->value();
    m_model.delimiter = m_delimiter->choice();
    return StoreOther(*m_delimiter, m_model.otherDelimiter, userInterface());
}

}  // namespace tabrix
