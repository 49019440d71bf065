#include "app/ShippedFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TempDir.h"

namespace tabrix {
namespace {

namespace fs = std::filesystem;

TEST(ShippedFiles, BesideTheProgramThenInTheInstalledDataFolder) {
    test::TempDir dir;
    const fs::path bin = dir / "usr" / "bin";
    const fs::path share = bin / fs::path(std::string(InstalledFilesFromProgramDir()));
    fs::create_directories(bin);
    // Nowhere: the program's own folder, as before.
    EXPECT_EQ(ShippedFilesDir(bin.string()), bin.string());

    // Installed: named without "bin/..".
    fs::create_directories(share);
    std::ofstream(share / "CtrlHeader.txt") << "header";
    EXPECT_EQ(ShippedFilesDir(bin.string()), fs::canonical(share).string());

    // A build folder or a copied program: the files beside it win.
    dir.write("usr/bin/CtrlHeader.txt", "header");
    EXPECT_EQ(ShippedFilesDir(bin.string()), bin.string());
}

}  // namespace
}  // namespace tabrix
