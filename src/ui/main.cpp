#include <QApplication>

#include "ui/DesktopApp.h"
#include "ui/DocumentHooks.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    tabrix::PrepareApplication(qapp);
    tabrix::DesktopApp desktop;
    desktop.initInstance();
    tabrix::InstallDocumentLayer(desktop.mainFrame(), desktop.app(), desktop.ui());
    int result = 1;
    if (desktop.openCommandLine(QCoreApplication::arguments().mid(1))) {
        desktop.showMainWindow();
        result = QApplication::exec();
    }
    desktop.exitInstance();
    return result;
}
