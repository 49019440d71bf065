#include <gtest/gtest.h>

#include "app/AppContext.h"
#include "document/PathMatch.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace tabrix {
namespace {

using test::TempDir;

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(PathMatch, ExactNamesStandAsTheyAre) {
    TempDir dir;
    dir.write("ORDERS.CSV", "x");
    const std::string folder = dir.path().string();
    EXPECT_EQ(ResolveDataPath("ORDERS.CSV", folder), (dir / "ORDERS.CSV").string());
    EXPECT_EQ(ResolveDataPath((dir / "ORDERS.CSV").string(), "/elsewhere"), (dir / "ORDERS.CSV").string());
    EXPECT_EQ(ResolveDataPath("", folder), "");
}

TEST(PathMatch, EachComponentIsFoundWithoutRegardToCase) {
    TempDir dir;
    dir.write("Data/Orders.csv", "x");
    dir.write(U8(u8"ｄａｔａ/受注ｃｓｖ.txt"), "x");
    dir.write(U8(u8"Ωmega.txt"), "x");
    const std::string folder = dir.path().string();
    const std::string expected = (dir / "Data/Orders.csv").string();
    EXPECT_EQ(ResolveDataPath("DATA/ORDERS.CSV", folder), expected);
    EXPECT_EQ(ResolveDataPath("DATA\\ORDERS.CSV", folder), expected);
    EXPECT_EQ(ResolveDataPath("./DATA/../DATA/ORDERS.CSV", folder), expected);
    EXPECT_EQ(ResolveDataPath(folder + "/DATA/ORDERS.CSV", "/elsewhere"), expected);
    // Full-width Latin and Greek letters of a code page 932 name against the
    // UTF-8 names on disk; the result is code page 932 like the name.
    EXPECT_EQ(ResolveDataPath("ＤＡＴＡ/受注ＣＳＶ.TXT", folder), folder + "/ｄａｔａ/受注ｃｓｖ.txt");
    EXPECT_EQ(ResolveDataPath("ΩMEGA.TXT", folder), folder + "/Ωmega.txt");
}

TEST(PathMatch, AmbiguousOrMissingNamesStayAsGiven) {
    TempDir dir;
    dir.write("a.csv", "x");
    dir.write("A.csv", "x");
    dir.write("sub/b.csv", "x");
    const std::string folder = dir.path().string();
    EXPECT_EQ(ResolveDataPath("A.CSV", folder), (dir / "A.CSV").string());
    EXPECT_EQ(ResolveDataPath("NONE.CSV", folder), (dir / "NONE.CSV").string());
    EXPECT_EQ(ResolveDataPath("SUB/NONE.CSV", folder), (dir / "SUB/NONE.CSV").string());
    EXPECT_EQ(ResolveDataPath("NOSUCH/B.CSV", folder), (dir / "NOSUCH/B.CSV").string());
}

TEST(PathMatch, AFileToBeCreatedKeepsItsNameInAFoundFolder) {
    TempDir dir;
    dir.write("Work/keep.txt", "x");
    const std::string folder = dir.path().string();
    EXPECT_EQ(ResolveNewFilePath("WORK/TEMP.DB", folder), (dir / "Work/TEMP.DB").string());
    EXPECT_EQ(ResolveNewFilePath("TEMP.DB", folder), (dir / "TEMP.DB").string());
    EXPECT_EQ(ResolveNewFilePath("NOSUCH/TEMP.DB", folder), (dir / "NOSUCH/TEMP.DB").string());
}

TEST(PathMatch, RelativeDefaultFolderIsTakenFromTheStartupFolder) {
    Settings settings;
    test::ScriptedUi ui;
    AppContext app{settings, ui, "", "/start"};
    settings.DefDir = "/data/";
    EXPECT_EQ(DataFolder(app), "/data/");
    settings.DefDir = "sub\\";
    EXPECT_EQ(DataFolder(app), "/start/sub\\");
    app.startupDir.clear();
    EXPECT_EQ(DataFolder(app), "sub\\");
}

}  // namespace
}  // namespace tabrix
