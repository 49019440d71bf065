#include "ui/AboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

#include "app/TabrixApp.h"
#include "ui/QtText.h"

#ifndef TABRIX_VERSION
#define TABRIX_VERSION "0.0.0"
#endif

namespace tabrix {

CAboutDlg::CAboutDlg(CTabrixApp& app, IUserInterface& ui, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQ("バージョン情報"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* name = new QLabel(ToQ("Tabrix Version " TABRIX_VERSION), this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto* purpose = new QLabel(ToQ("区切り文字形式データ（Shift-JIS）の編集ツール"), this);

    auto* system = new QLabel(this);
    system->setObjectName(QStringLiteral("systemInfo"));
    system->setTextInteractionFlags(Qt::TextSelectableByMouse);
    system->setText(ToQ("システム情報") + QStringLiteral("\n  ") + QSysInfo::prettyProductName() +
                    QStringLiteral(" (") + QSysInfo::currentCpuArchitecture() + QStringLiteral(")\n  Qt ") +
                    QString::fromLatin1(qVersion()));

    auto* readme = new QPushButton(ToQ("Readme表示"), this);
    readme->setObjectName(QStringLiteral("readmeButton"));
    connect(readme, &QPushButton::clicked, this, [&app, &ui] { app.openReadme(ui); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->addButton(readme, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout;
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(name, 0, 1);
    grid->addWidget(purpose, 1, 1);
    grid->addWidget(system, 2, 1);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

}  // namespace tabrix
