// Control files that are not what they should be: clear messages, no crash.
#include <gtest/gtest.h>

#include <random>

#include "schema/CtrlFileText.h"
#include "schema/CtrlFixture.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::CtrlFixture;

TEST(CtrlBadInput, RandomBytesGiveOneMessageOrASchema) {
    std::mt19937 random(1234);
    // Bytes that matter to the reader turn up far more often than by chance.
    const std::string alphabet = std::string("[]*=,\r\n\t \0", 10) + "FILECOTRUEASDLMNP-0123456789\x81\x9F\xE0\xFC\x40\x5C";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const std::size_t length = random() % 2000;
        for (std::size_t i = 0; i < length; ++i)
            text += (random() % 3) ? alphabet[random() % alphabet.size()] : static_cast<char>(random() % 256);
        CtrlFixture f;
        const int result = f.load(text);
        if (result == 0) {
            ASSERT_EQ(f.ui.messages.size(), 1u) << round;
            EXPECT_FALSE(f.ui.messages[0].text.empty());
            EXPECT_FALSE(f.ctrl.m_bLoaded);
        } else {
            EXPECT_TRUE(f.ui.messages.empty()) << round;
            EXPECT_TRUE(f.ctrl.m_bLoaded);
        }
    }
}

TEST(CtrlBadInput, AHugeLineIsReadAndAHugeMistakeIsShownShort) {
    CtrlFixture f;
    const std::string title(1 << 20, 'A');
    ASSERT_EQ(f.load("[COL]\r\nTITLE=" + title + "\r\n"), 1) << f.ui.lastMessage().substr(0, 200);
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_strTitle, title);

    CtrlFixture g;
    std::string junk;
    for (int i = 0; i < (1 << 19); ++i) junk += "表";
    EXPECT_EQ(g.load("\r\n" + junk + "\r\n"), 0);
    EXPECT_EQ(g.ui.lastMessage(), "FILEセクションで不明なキーワードです（1:" + junk.substr(0, 256) + "…）");
}

TEST(CtrlBadInput, LeadBytesNeverSwallowTheSyntax) {
    CtrlFixture f;
    ASSERT_EQ(f.load("[COL]\x81\r\nTITLE=\x81\r\nPERMISSION=\x9F,\xE0\r\n"), 1) << f.ui.lastMessage();
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_strTitle, "\x81");
    EXPECT_EQ(f.ctrl.m_Cols[0]->m_Permission, (std::vector<std::string>{"\x9F", "\xE0"}));
    // A key or header whose first byte is the trail byte of a character is no key:
    // 0x83 0x46 and 0x83 0x5B are characters, not "F" and "[".
    CtrlFixture g;
    EXPECT_EQ(g.load("\x83" "FILE=X\r\n"), 0);
    EXPECT_EQ(g.ui.lastMessage(), "FILEセクションで不明なキーワードです（0:\x83" "FILE=X）");
    CtrlFixture h;
    EXPECT_EQ(h.load("\x83[COL]\r\nTITLE=A\r\n"), 0);
    EXPECT_EQ(h.ui.lastMessage(), "FILEセクションで不明なキーワードです（0:\x83[COL]）");
}

TEST(CtrlBadInput, FiveThousandColumnsOpenAndSave) {
    constexpr int kColumns = 5000;
    test::DocFixture f;
    f.settings.DefDir = f.dir.path().string();
    std::string ctrl = "FILE=WIDE.CSV\r\nOPENDLG=NOT\r\n";
    std::string line;
    for (int c = 1; c <= kColumns; ++c) {
        ctrl += "[COL]\r\nTITLE=C" + std::to_string(c) + "\r\n";
        line += (c > 1 ? "," : "") + std::to_string(c);
    }
    f.dir.write("WIDE.CSV", line + "\r\n" + line + "\r\n");
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "wide.ctrl", ctrl)) << f.ui.lastMessage();
    EXPECT_EQ(doc.columnCount(), kColumns);
    EXPECT_EQ(doc.m_CtrlFile.m_Cols.size(), static_cast<std::size_t>(kColumns));
    EXPECT_EQ(doc.m_CtrlFile.FindCol(kColumns)->m_strTitle, "C5000");

    doc.m_CtrlFile.m_strCtrlFile = f.path("copy.ctrl");
    ASSERT_EQ(doc.m_CtrlFile.SaveCtrlFile(f.app), 1);
    CtrlFixture g;
    ASSERT_EQ(g.load(test::ReadBytes(f.dir / "copy.ctrl")), 1);
    EXPECT_EQ(g.ctrl.m_Cols.size(), static_cast<std::size_t>(kColumns));
}

}  // namespace
}  // namespace tabrix
