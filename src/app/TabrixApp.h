// The application object without its windows: the settings, the recent-file
// list, the start-up and program folders, the window rectangle fitted to the
// screen, the working folder, and the help and readme launches. The desktop
// wraps it with Qt; everything here runs headless.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "app/RecentFileList.h"
#include "app/Settings.h"

namespace tabrix {

class ISettingsStore;
class IUserInterface;

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const WindowRect&) const = default;
};

// Show states stored in the Show setting, as a window placement records them.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;

// The rectangle a window gets when its saved one lies wholly off the screen.
inline constexpr WindowRect kFallbackWindowRect{0, 0, 750, 530};

// Fits a saved window rectangle to the usable area (0,0)-(width,height): a
// rectangle wholly inside stays; otherwise it becomes (0,0) to the lower-right
// corner of its intersection with the area. When they do not intersect at all
// the fallback rectangle is used.
WindowRect FitWindowRect(const WindowRect& saved, int usableWidth, int usableHeight);

// Asks the desktop to open a file with its associated program: 0 on success,
// otherwise an error code for the message.
using ShellOpenFunction = std::function<int(const std::filesystem::path&)>;

inline constexpr char kHelpFileName[] = "Tabrix.chm";
inline constexpr char kManualFileName[] = "Tabrix.html";
inline constexpr char kReadmeFileName[] = "Readme.txt";

std::string LaunchFailedMessage(std::string_view path, int code);

class CTabrixApp {
public:
    CTabrixApp();

    // Remembers the folders, loads the settings and the recent-file list.
    void initInstance(ISettingsStore& store, std::string startupDir, std::string programDir);
    // Writes the settings and the recent-file list, removes the help copy.
    void exitInstance(ISettingsStore& store);

    // Fits the saved rectangle to the screen; true when it had to be changed.
    bool fitWindowRect(int usableWidth, int usableHeight);
    const WindowRect& windowRect() const { return m_windowRect; }
    // Stores the show state and the restored rectangle of the main window.
    void rememberWindow(int show, const WindowRect& rect);

    // Makes DefDir the current directory (".\" is the current folder itself).
    bool applyDefDir() const;

    // The help command and the readme button of the About box; failures are
    // reported to the user.
    void openHelp(IUserInterface& ui);
    void openReadme(IUserInterface& ui);
    std::filesystem::path helpFile() const;
    std::filesystem::path readmeFile() const;

    void setShellOpen(ShellOpenFunction open) { m_shellOpen = std::move(open); }
    void setTempDir(std::filesystem::path dir) { m_tempDir = std::move(dir); }
    const std::filesystem::path& tempHelpCopy() const { return m_tempHelpCopy; }

    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    RecentFileList& recentFiles() { return m_recentFiles; }
    const std::string& startupDir() const { return m_startupDir; }
    const std::string& programDir() const { return m_programDir; }

private:
    // The file in the program's folder when it is there, else the one in the start-up folder.
    std::filesystem::path locate(std::string_view programName, std::string_view startupName) const;
    std::filesystem::path tempDir() const;
    int shellOpen(const std::filesystem::path& file) const;

    Settings m_settings;
    RecentFileList m_recentFiles;
    WindowRect m_windowRect = kFallbackWindowRect;
    std::string m_startupDir;
    std::string m_programDir;
    ShellOpenFunction m_shellOpen;
    std::filesystem::path m_tempDir;
    std::filesystem::path m_tempHelpCopy;
};

}  // namespace tabrix
