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

// --set Psize=2147483647 or a store edited by hand overflowed the grid's row count.
TEST(Settings, NumbersOutOfTheirDialogRangesAreClampedWhenLoadedOrSet) {
    struct Case {
        const char* name;
        std::int32_t value;
        std::int32_t kept;
    };
    const Case cases[] = {
        {"Psize", INT32_MAX, 10000}, {"Psize", -5, 100},        {"Tsize", 0, 100},     {"PsizeMode", 9, 5},
        {"TsizeMode", -1, 0},        {"RecNum", 1000, 99},      {"NewLine", 0, 1},     {"NewCol", 70000, 65535},
        {"ColNumErr", 7, 1},         {"PosLeft", INT32_MIN, -100000}, {"Show", 99, 11}, {"Psize", 3000, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore store;
        store.writeNumber("", c.name, c.value);
        Settings loaded;
        LoadSettings(loaded, store);
        Settings set;
        ASSERT_TRUE(SetSettingByName(set, c.name, std::to_string(c.value)));
        ForEachSetting(loaded, [&](std::string_view name, std::int32_t* number, std::uint32_t*, std::string*) {
            if (name == c.name) {
                EXPECT_EQ(*number, c.kept);
            }
        });
        ForEachSetting(set, [&](std::string_view name, std::int32_t* number, std::uint32_t*, std::string*) {
            if (name == c.name) {
                EXPECT_EQ(*number, c.kept);
            }
        });
    }
    // Every number setting has its range; colours take any value.
    Settings s;
    ForEachSetting(s, [](std::string_view name, std::int32_t* number, std::uint32_t*, std::string*) {
        std::int32_t low = 0;
        std::int32_t high = 0;
        EXPECT_EQ(NumberSettingRange(name, low, high), number != nullptr) << name;
    });
}

TEST(Settings, SpaceMarksThatRecordsUseAreRefused) {
    Settings s;
    for (const char* mark : {"\t", "\"", "\x01", "\x7F", "\x81", "", "ab"}) {
        EXPECT_FALSE(SetSettingByName(s, "HanspChar", mark)) << mark;
        MemorySettingsStore store;
        store.writeString("", "HanspChar", mark);
        LoadSettings(s, store);
        EXPECT_EQ(s.HanspChar, "_");
    }
    for (const char* mark : {"__", "\x81", "\x81\x20", "■■"}) {
        EXPECT_FALSE(SetSettingByName(s, "ZenspChar", mark)) << mark;
        MemorySettingsStore store;
        store.writeString("", "ZenspChar", mark);
        LoadSettings(s, store);
        EXPECT_EQ(s.ZenspChar, "■");
    }
    EXPECT_TRUE(SetSettingByName(s, "ZenspChar", "□"));
    EXPECT_TRUE(SetSettingByName(s, "HanspChar", "ｰ"));
}

}  // namespace
}  // namespace tabrix
