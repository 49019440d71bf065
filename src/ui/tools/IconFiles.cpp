// Writes the program's icon as the PNG files of a desktop icon theme:
// DIR/NxN/apps/tabrix.png for every installed size.
//
//   tabrix_icons DIR
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

#include "ui/AppIcon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tabrix_icons DIR\n");
        return 2;
    }
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : tabrix::kAppIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) || !tabrix::AppIconImage(size).save(folder + QStringLiteral("/tabrix.png"))) {
            std::fprintf(stderr, "tabrix_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
