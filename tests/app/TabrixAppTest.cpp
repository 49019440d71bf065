#include "app/TabrixApp.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "app/SettingsStore.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "text/Cp932.h"

namespace tabrix {
namespace {

namespace fs = std::filesystem;

TEST(FitWindowRect, KeepsInsideAndCutsToTheUsableArea) {
    struct Case {
        WindowRect saved;
        WindowRect fitted;
    };
    const Case cases[] = {
        {{-50, 0, 700, 500}, {0, 0, 700, 500}},
        {{10, 20, 760, 550}, {10, 20, 760, 550}},
        {{0, 0, 1024, 768}, {0, 0, 1024, 768}},
        {{100, 100, 1200, 700}, {0, 0, 1024, 700}},
        {{500, 400, 1500, 900}, {0, 0, 1024, 768}},
        {{2000, 0, 2750, 530}, kFallbackWindowRect},
        {{-900, -900, -100, -100}, kFallbackWindowRect},
        {{0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const WindowRect got = FitWindowRect(c.saved, 1024, 768);
        EXPECT_EQ(got, c.fitted) << c.saved.left << "," << c.saved.top << "," << c.saved.right << ","
                                 << c.saved.bottom;
    }
}

// Every setting by name, as text, so that two sets compare with readable failures.
std::vector<std::pair<std::string, std::string>> Dump(Settings settings) {
    std::vector<std::pair<std::string, std::string>> values;
    ForEachSetting(settings, [&](std::string_view name, std::int32_t* n, std::uint32_t* c, std::string* t) {
        values.emplace_back(name, n ? std::to_string(*n) : c ? std::to_string(*c) : *t);
    });
    return values;
}

TEST(TabrixApp, FirstStartWithAnEmptyStoreGivesEveryDefault) {
    MemorySettingsStore store;
    CTabrixApp app;
    app.initInstance(store, "/start", "/prog");
    EXPECT_EQ(Dump(app.settings()), Dump(Settings{}));
    EXPECT_FALSE(app.fitWindowRect(1280, 800));
    EXPECT_EQ(app.windowRect(), (WindowRect{0, 0, 750, 530}));
    EXPECT_TRUE(app.recentFiles().files().empty());
    EXPECT_EQ(app.recentFiles().capacity(), 4);
}

TEST(TabrixApp, ExitStoresSettingsPlacementAndRecentFiles) {
    MemorySettingsStore store;
    {
        CTabrixApp app;
        app.initInstance(store, "/start", "/prog");
        app.settings().Psize = 5000;
        app.rememberWindow(kShowMaximized, {10, 20, 810, 620});
        app.recentFiles().add("/data/受注.csv");
        app.exitInstance(store);
    }
    CTabrixApp again;
    again.initInstance(store, "/start", "/prog");
    EXPECT_EQ(again.settings().Psize, 5000);
    EXPECT_EQ(again.settings().Show, kShowMaximized);
    EXPECT_EQ(again.windowRect(), (WindowRect{10, 20, 810, 620}));
    ASSERT_EQ(again.recentFiles().files().size(), 1u);
    EXPECT_EQ(again.recentFiles().files()[0], "/data/受注.csv");
}

TEST(TabrixApp, DefDirOfTheCurrentFolderAndOfAnotherOne) {
    test::TempDir dir;
    const fs::path data = dir.path() / ToFsPath("データ");
    fs::create_directory(data);
    const fs::path before = fs::current_path();
    CTabrixApp app;
    fs::current_path(dir.path());
    app.settings().DefDir = ".\\";
    EXPECT_TRUE(app.applyDefDir());
    EXPECT_EQ(fs::current_path(), dir.path());
    app.settings().DefDir = FromFsPathLossy(data);
    EXPECT_TRUE(app.applyDefDir());
    EXPECT_EQ(fs::current_path(), data);
    app.settings().DefDir = FromFsPathLossy(dir / "none");
    EXPECT_FALSE(app.applyDefDir());
    fs::current_path(before);
}

struct ShellLog {
    std::vector<fs::path> opened;
    std::vector<int> answers;  // one per call; 0 when exhausted
    ShellOpenFunction function() {
        return [this](const fs::path& path) {
            opened.push_back(path);
            if (answers.empty()) return 0;
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }
};

class HelpLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_dir / "prog");
        fs::create_directories(m_dir / "start");
        fs::create_directories(m_dir / "tmp");
        m_app.initInstance(m_store, FromFsPathLossy(m_dir / "start"), FromFsPathLossy(m_dir / "prog"));
        m_app.setShellOpen(m_shell.function());
        m_app.setTempDir(m_dir / "tmp");
    }
    test::TempDir m_dir;
    MemorySettingsStore m_store;
    CTabrixApp m_app;
    ShellLog m_shell;
    test::ScriptedUi m_ui;
};

TEST_F(HelpLaunch, OpensTheShippedManualFirst) {
    m_dir.write("prog/Tabrix.html", "<html></html>");
    m_dir.write("start/Tabrix.chm", "chm");
    m_app.openHelp(m_ui);
    ASSERT_EQ(m_shell.opened.size(), 1u);
    EXPECT_EQ(m_shell.opened[0], m_dir / "prog/Tabrix.html");
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(HelpLaunch, FallsBackToTheHelpFileOfTheStartupFolder) {
    m_dir.write("start/Tabrix.chm", "chm");
    m_app.openHelp(m_ui);
    ASSERT_EQ(m_shell.opened.size(), 1u);
    EXPECT_EQ(m_shell.opened[0], m_dir / "start/Tabrix.chm");
}

TEST_F(HelpLaunch, TriesATemporaryCopyAndDeletesItAtExit) {
    m_dir.write("prog/Tabrix.html", "<html></html>");
    m_shell.answers = {5, 0};
    m_app.openHelp(m_ui);
    ASSERT_EQ(m_shell.opened.size(), 2u);
    EXPECT_EQ(m_shell.opened[1], m_dir / "tmp/Tabrix.html");
    EXPECT_TRUE(fs::exists(m_dir / "tmp/Tabrix.html"));
    EXPECT_TRUE(m_ui.messages.empty());
    m_app.exitInstance(m_store);
    EXPECT_FALSE(fs::exists(m_dir / "tmp/Tabrix.html"));
}

TEST_F(HelpLaunch, ReportsTheFileAndCodeWhenBothFail) {
    m_dir.write("prog/Tabrix.html", "<html></html>");
    m_shell.answers = {5, 8};
    m_app.openHelp(m_ui);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text,
              "表示ファイル<" + FromFsPathLossy(m_dir / "prog/Tabrix.html") + ">が起動出来ませんでした。(8)");
    EXPECT_EQ(m_ui.messages[0].icon, MsgIcon::Stop);
}

TEST_F(HelpLaunch, AMissingHelpFileNamesTheStartupFolder) {
    m_app.openHelp(m_ui);
    EXPECT_TRUE(m_shell.opened.empty());
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, LaunchFailedMessage(FromFsPathLossy(m_dir / "start/Tabrix.chm"), ENOENT));
}

TEST_F(HelpLaunch, ReadmeFailureIsReported) {
    m_dir.write("prog/Readme.txt", "readme");
    m_shell.answers = {8};
    m_app.openReadme(m_ui);
    ASSERT_EQ(m_shell.opened.size(), 1u);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text,
              "表示ファイル<" + FromFsPathLossy(m_dir / "prog/Readme.txt") + ">が起動出来ませんでした。(8)");
}

}  // namespace
}  // namespace tabrix
