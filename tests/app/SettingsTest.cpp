#include "app/Settings.h"

#include <gtest/gtest.h>

#include "app/SettingsStore.h"

namespace tabrix {
namespace {

TEST(Settings, EmptyStoreGivesDefaults) {
    MemorySettingsStore store;
    Settings s;
    s.Psize = 5;
    ResetSettings(s);
    LoadSettings(s, store);
    EXPECT_EQ(s.Psize, 1000);
    EXPECT_EQ(s.PosRigh, 750);
    EXPECT_EQ(s.FontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(s.ForeColor, 0xFF000000u);
}

TEST(Settings, SaveAndLoadRoundTripEveryValue) {
    MemorySettingsStore store;
    Settings s;
    s.DefDir = "C:\\データ";
    s.NoEditClr = 0x00123456;
    s.ForeColor = 0xFF000000;
    s.GengoLong[3] = "令和";
    s.NewCol = 7;
    SaveSettings(s, store);
    Settings loaded;
    LoadSettings(loaded, store);
    EXPECT_EQ(loaded.DefDir, s.DefDir);
    EXPECT_EQ(loaded.NoEditClr, s.NoEditClr);
    EXPECT_EQ(loaded.ForeColor, s.ForeColor);
    EXPECT_EQ(loaded.GengoLong[3], "令和");
    EXPECT_EQ(loaded.NewCol, 7);
}

TEST(Settings, EraWithoutStartDateGetsAllItsDefaultsBack) {
    MemorySettingsStore store;
    store.writeString("", "GengoDate2", "");
    store.writeString("", "GengoShort2", "X");
    Settings s;
    LoadSettings(s, store);
    EXPECT_EQ(s.GengoDate[2], "1926/12/25");
    EXPECT_EQ(s.GengoShort[2], "S");
    EXPECT_EQ(s.GengoLong[2], "昭和");
}

TEST(Settings, SetByName) {
    Settings s;
    EXPECT_TRUE(SetSettingByName(s, "ColNumErr", "1"));
    EXPECT_TRUE(SetSettingByName(s, "HanspChar", "#"));
    EXPECT_TRUE(SetSettingByName(s, "BackColor1", "0x00FFFFFF"));
    EXPECT_FALSE(SetSettingByName(s, "NoSuchSetting", "1"));
    EXPECT_FALSE(SetSettingByName(s, "Psize", "ten"));
    EXPECT_EQ(s.ColNumErr, 1);
    EXPECT_EQ(s.HanspChar, "#");
    EXPECT_EQ(s.BackColor1, 0x00FFFFFFu);
    EXPECT_EQ(PageSizeOfMode(5), 10000);
    EXPECT_EQ(PageSizeOfMode(9), 100);
    EXPECT_EQ(TranPageSizeOfMode(4), 5000);
}

}  // namespace
}  // namespace tabrix
