// The About box: program name, version, system information, and "Readme表示".
#pragma once

#include <QDialog>

namespace tabrix {

class CTabrixApp;
class IUserInterface;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(CTabrixApp& app, IUserInterface& ui, QWidget* parent);
};

}  // namespace tabrix
