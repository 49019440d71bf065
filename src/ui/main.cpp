#include <QApplication>

#include <cstdio>
#include <cstring>

#include "ui/DesktopApp.h"
#include "ui/DocumentHooks.h"

#ifndef TABRIX_VERSION
#define TABRIX_VERSION "unknown"
#endif

namespace {

// --version and --help answer on the terminal without opening a window, so
// they work without a display as well.
bool AnswerInfoOption(int argc, char** argv, int& exitCode) {
    if (argc != 2) return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::fputs("tabrix " TABRIX_VERSION "\n", stdout);
    } else if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs("Usage: tabrix [FILE]\n"
                   "Opens FILE (a delimited data file or a control file) in the editor.\n"
                   "  --help     show this help\n"
                   "  --version  show the version\n"
                   "tabrix-cli --help lists the batch commands.\n", stdout);
    } else {
        return false;
    }
    exitCode = 0;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (int exitCode = 0; AnswerInfoOption(argc, argv, exitCode)) return exitCode;
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
