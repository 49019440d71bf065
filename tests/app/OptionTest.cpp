#include "app/Option.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

class OptionModel : public ::testing::Test {
protected:
    Settings m_settings;
    COption m_option{m_settings};
};

TEST_F(OptionModel, DefaultsPass) { EXPECT_EQ(m_option.validate(), ""); }

TEST_F(OptionModel, ChecksRunInOrderWithTheirMessages) {
    m_option.DefDir.clear();
    m_option.HanspDisp = true;
    m_option.HanspChar = "__";
    m_option.ZenspDisp = true;
    m_option.ZenspChar = "■■";
    m_option.GengoShort[1].clear();
    m_option.GengoLong[2] = "昭";
    EXPECT_EQ(m_option.validate(), "ディレクトリ名を入力して下さい。");
    m_option.DefDir = "/data";
    EXPECT_EQ(m_option.validate(), "半角スペース文字を表示する場合は、１文字で入力して下さい。");
    // A mark that records use as structure would not turn back into a space.
    for (const char* unusable : {"\t", "\"", "\x01"}) {
        m_option.HanspChar = unusable;
        EXPECT_EQ(m_option.validate(), "半角スペース表示文字に、TAB・制御文字・ダブルコーテーションは使用出来ません。");
    }
    m_option.HanspChar = "_";
    EXPECT_EQ(m_option.validate(), "全角スペース文字を表示する場合は、２文字で入力して下さい。");
    m_option.ZenspChar = "__";
    EXPECT_EQ(m_option.validate(), "全角スペース文字を表示する場合は、全角１文字で入力して下さい。");
    m_option.ZenspChar = "■";
    EXPECT_EQ(m_option.validate(), "元号は、入力必須です。");
    m_option.GengoShort[1] = "T";
    EXPECT_EQ(m_option.validate(), "元号の長い形式は、4byteで入力して下さい。");
    m_option.GengoLong[2] = "昭和";
    EXPECT_EQ(m_option.validate(), "");
}

TEST_F(OptionModel, SpaceMarksAreCheckedOnlyWhileShown) {
    m_option.HanspChar = "__";
    m_option.ZenspChar = "";
    EXPECT_EQ(m_option.validate(), "");
    m_option.ZenspDisp = true;
    m_option.ZenspChar = "□";
    EXPECT_EQ(m_option.validate(), "");
}

TEST_F(OptionModel, AnEmptyLongEraIsMissingBeforeItIsShort) {
    m_option.GengoLong[0].clear();
    EXPECT_EQ(m_option.validate(), "元号は、入力必須です。");
}

TEST_F(OptionModel, ApplyDerivesPageSizesAndWritesEraDates) {
    m_option.PsizeMode = 5;
    m_option.TsizeMode = 4;
    m_option.GengoDate[3] = {2019, 5, 1};
    m_option.GengoShort[3] = "R";
    m_option.GengoLong[3] = "令和";
    m_option.WindBarPos = 0;
    m_option.apply();
    EXPECT_EQ(m_settings.Psize, 10000);
    EXPECT_EQ(m_settings.Tsize, 5000);
    EXPECT_EQ(m_settings.GengoDate[3], "2019/05/01");
    EXPECT_EQ(m_settings.GengoDate[0], "1868/09/08");
    EXPECT_EQ(m_settings.GengoLong[3], "令和");
    EXPECT_EQ(m_settings.WindBarPos, 0);
}

TEST_F(OptionModel, FillsFromTheSettings) {
    m_settings.HanspDisp = 1;
    m_settings.HanspChar = "#";
    m_settings.GengoDate[1] = "1912/7/30";
    m_settings.GengoDate[2] = "not a date";
    COption option(m_settings);
    EXPECT_TRUE(option.HanspDisp);
    EXPECT_TRUE(option.hanspCharEnabled());
    EXPECT_FALSE(option.zenspCharEnabled());
    EXPECT_TRUE(option.backColor2Enabled());
    EXPECT_TRUE(option.windBarPosEnabled());
    EXPECT_EQ(option.HanspChar, "#");
    EXPECT_EQ(option.GengoDate[1], (EraDate{1912, 7, 30}));
    EXPECT_EQ(option.GengoDate[2], (EraDate{1926, 12, 25}));
}

TEST_F(OptionModel, ResetAppliesTheDefaultsToTheSettingsThemselves) {
    m_settings.Psize = 5000;
    m_settings.PsizeMode = 4;
    m_settings.DefDir = "/somewhere";
    COption option(m_settings);
    option.resetDefaults();
    EXPECT_EQ(m_settings.Psize, 1000);
    EXPECT_EQ(m_settings.DefDir, ".\\");
    EXPECT_EQ(option.PsizeMode, 2);
    EXPECT_EQ(option.DefDir, ".\\");
}

TEST(OptionFont, PresetAndStyleWords) {
    struct Case {
        const char* style;
        int weight;
        bool italic;
    };
    const Case cases[] = {{"標準", 400, false}, {"斜体", 400, true}, {"太字", 700, false}, {"太字 斜体", 700, true}};
    for (const Case& c : cases) {
        const FontChoice font = FontChoiceOf("ＭＳ Ｐゴシック", "12", c.style);
        EXPECT_EQ(font.weight, c.weight) << c.style;
        EXPECT_EQ(font.italic, c.italic) << c.style;
        EXPECT_EQ(font.pointSize, 12);
        EXPECT_EQ(FontStyleWord(c.weight, c.italic), c.style);
    }
    EXPECT_EQ(FontChoiceOf("x", "big", "標準").pointSize, 10);
    Settings settings;
    COption option(settings);
    option.setFont({"IPAGothic", 14, 700, true});
    EXPECT_EQ(option.FontName, "IPAGothic");
    EXPECT_EQ(option.FontSize, "14");
    EXPECT_EQ(option.FontStyle, "太字 斜体");
}

TEST(EraDateText, ParsesAndFormats) {
    EraDate date;
    EXPECT_TRUE(ParseEraDate("1989/01/08", date));
    EXPECT_EQ(date, (EraDate{1989, 1, 8}));
    EXPECT_EQ(FormatEraDate({1, 2, 3}), "0001/02/03");
    for (const char* bad : {"", "1989/01", "1989/13/01", "1989/1/32", "a/b/c", "1989/01/08x"})
        EXPECT_FALSE(ParseEraDate(bad, date)) << bad;
}

}  // namespace
}  // namespace tabrix
