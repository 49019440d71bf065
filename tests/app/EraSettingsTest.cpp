#include "app/EraSettings.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

TEST(EraSettings, DefaultSettingsGiveTheDefaultTable) {
    EXPECT_EQ(EraTableOf(Settings{}), DefaultEraTable());
}

TEST(EraSettings, EachEntryComesFromItsThreeSettings) {
    Settings settings;
    settings.GengoDate[3] = "2019/05/01";
    settings.GengoShort[3] = "R";
    settings.GengoLong[3] = "令和";
    const EraTable eras = EraTableOf(settings);
    EXPECT_EQ(eras[3].startText, "2019/05/01");
    EXPECT_EQ(eras[3].shortName, "R");
    EXPECT_EQ(eras[3].longName, "令和");
    EXPECT_EQ(eras[3].startYear, 2019);
    EXPECT_EQ(eras[2], DefaultEraTable()[2]);
}

}  // namespace
}  // namespace tabrix
