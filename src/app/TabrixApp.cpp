#include "app/TabrixApp.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "app/SettingsStore.h"
#include "app/UserInterface.h"
#include "text/Cp932.h"

namespace tabrix {

namespace fs = std::filesystem;

WindowRect FitWindowRect(const WindowRect& saved, int usableWidth, int usableHeight) {
    const bool inside = saved.left >= 0 && saved.top >= 0 && saved.right <= usableWidth &&
                        saved.bottom <= usableHeight && saved.left <= saved.right &&
                        saved.top <= saved.bottom;
    if (inside) return saved;
    const int right = std::min(saved.right, usableWidth);
    const int bottom = std::min(saved.bottom, usableHeight);
    const int left = std::max(saved.left, 0);
    const int top = std::max(saved.top, 0);
    if (right <= left || bottom <= top) return kFallbackWindowRect;
    return {0, 0, right, bottom};
}

std::string LaunchFailedMessage(std::string_view path, int code) {
    std::string text = "表示ファイル<";
    text += path;
    text += ">が起動出来ませんでした。(";
    text += std::to_string(code);
    text += ")";
    return text;
}

CTabrixApp::CTabrixApp() { ResetSettings(m_settings); }

void CTabrixApp::initInstance(ISettingsStore& store, std::string startupDir, std::string programDir) {
    m_startupDir = std::move(startupDir);
    m_programDir = std::move(programDir);
    LoadSettings(m_settings, store);
    m_recentFiles = RecentFileList(m_settings.RecNum);
    m_recentFiles.load(store);
    m_windowRect = {m_settings.PosLeft, m_settings.PosTop, m_settings.PosRigh, m_settings.PosBottom};
}

void CTabrixApp::exitInstance(ISettingsStore& store) {
    SaveSettings(m_settings, store);
    m_recentFiles.save(store);
    if (!m_tempHelpCopy.empty()) {
        std::error_code ec;
        fs::remove(m_tempHelpCopy, ec);
        m_tempHelpCopy.clear();
    }
}

bool CTabrixApp::fitWindowRect(int usableWidth, int usableHeight) {
    const WindowRect fitted = FitWindowRect(m_windowRect, usableWidth, usableHeight);
    const bool changed = !(fitted == m_windowRect);
    m_windowRect = fitted;
    return changed;
}

void CTabrixApp::rememberWindow(int show, const WindowRect& rect) {
    m_settings.Show = show;
    m_settings.PosLeft = rect.left;
    m_settings.PosTop = rect.top;
    m_settings.PosRigh = rect.right;
    m_settings.PosBottom = rect.bottom;
}

bool CTabrixApp::applyDefDir() const {
    if (m_settings.DefDir.empty()) return false;
    std::error_code ec;
    fs::current_path(ToFsPath(m_settings.DefDir), ec);
    return !ec;
}

fs::path CTabrixApp::locate(std::string_view programName, std::string_view startupName) const {
    if (!m_programDir.empty()) {
        const fs::path shipped = ToFsPath(m_programDir) / ToFsPath(programName);
        std::error_code ec;
        if (fs::is_regular_file(shipped, ec)) return shipped;
    }
    std::string path = m_startupDir;
    if (!path.empty() && path.back() != '/') path += '/';
    path += startupName;
    return ToFsPath(path);
}

fs::path CTabrixApp::helpFile() const { return locate(kManualFileName, kHelpFileName); }
fs::path CTabrixApp::readmeFile() const { return locate(kReadmeFileName, kReadmeFileName); }

fs::path CTabrixApp::tempDir() const {
    if (!m_tempDir.empty()) return m_tempDir;
    std::error_code ec;
    fs::path dir = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : dir;
}

int CTabrixApp::shellOpen(const fs::path& file) const {
    std::error_code ec;
    if (!fs::exists(file, ec)) return ENOENT;
    if (!m_shellOpen) return ENOSYS;
    return m_shellOpen(file);
}

void CTabrixApp::openHelp(IUserInterface& ui) {
    const fs::path file = helpFile();
    int code = shellOpen(file);
    if (code == 0) return;
    // Some viewers refuse files on removable or network folders: try a local copy.
    const fs::path copy = tempDir() / file.filename();
    std::error_code ec;
    if (fs::copy_file(file, copy, fs::copy_options::overwrite_existing, ec)) {
        m_tempHelpCopy = copy;
        code = shellOpen(copy);
        if (code == 0) return;
    } else if (ec) {
        code = ec.value();
    }
    ui.messageBox(LaunchFailedMessage(FromFsPathLossy(file), code), MsgIcon::Stop);
}

void CTabrixApp::openReadme(IUserInterface& ui) {
    const fs::path file = readmeFile();
    const int code = shellOpen(file);
    if (code != 0) ui.messageBox(LaunchFailedMessage(FromFsPathLossy(file), code), MsgIcon::Stop);
}

}  // namespace tabrix
