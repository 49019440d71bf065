#include "ui/DesktopApp.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QUrl>

#include <cerrno>

#include "app/ShippedFiles.h"
#include "ui/AppIcon.h"
#include "ui/Dialogs.h"
#include "ui/MainFrame.h"
#include "ui/QtSettingsStore.h"
#include "ui/QtText.h"
#include "ui/QtUserInterface.h"

namespace tabrix {

void PrepareApplication(QApplication& qapp) {
    QCoreApplication::setOrganizationName(QStringLiteral("velm"));
    QCoreApplication::setApplicationName(QStringLiteral("Tabrix"));
    auto* translator = new QTranslator(&qapp);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    const QStringList proportional{QStringLiteral("IPAPGothic")};
    const QStringList fixed{QStringLiteral("IPAGothic")};
    QFont::insertSubstitutions(ToQ("ＭＳ Ｐゴシック"), proportional);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportional);
    QFont::insertSubstitutions(ToQ("ＭＳ ゴシック"), fixed);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), fixed);
    QApplication::setWindowIcon(AppIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("tabrix"));
}

int DesktopShellOpen(const std::filesystem::path& file) {
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    // The desktop gives no reason when no program takes the file.
    return QDesktopServices::openUrl(url) ? 0 : ENOEXEC;
}

DesktopApp::DesktopApp() = default;
DesktopApp::~DesktopApp() = default;

void DesktopApp::initInstance() {
    m_store = std::make_unique<QtSettingsStore>();
    m_app.setShellOpen(DesktopShellOpen);
    m_app.initInstance(*m_store, FromQLossy(QDir::currentPath()),
                       ShippedFilesDir(FromQLossy(QCoreApplication::applicationDirPath())));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect usable = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    m_rectReplaced = m_app.fitWindowRect(usable.x() + usable.width(), usable.y() + usable.height());
    m_ui = std::make_unique<QtUserInterface>();
    RegisterDialogs(m_ui->dialogs(), m_app.settings());
    m_frame = std::make_unique<CMainFrame>(m_app, *m_ui);
}

bool DesktopApp::openCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return true;
    const QString file = QFileInfo(arguments.first()).absoluteFilePath();
    std::string path;
    QString bad;
    if (!FromQ(file, path, &bad)) {
        m_ui->messageBox(UnencodableMessage(bad), MsgIcon::Stop);
        return false;
    }
    return m_frame->openFile(path);
}

void DesktopApp::showMainWindow() {
    m_frame->showAtSavedPlace();
    m_app.applyDefDir();
}

void DesktopApp::exitInstance() {
    m_app.exitInstance(*m_store);
    m_store->sync();
}

}  // namespace tabrix
