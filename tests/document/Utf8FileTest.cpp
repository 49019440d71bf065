// UTF-8 data files: read into the Shift-JIS document, saved back as they came
// or in the encoding chosen, and recognised when opened as Shift-JIS.
#include <gtest/gtest.h>

#include "document/OpenCommand.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::ReadBytes;
using test::Rows;

constexpr char kA[] = "\xE3\x81\x82";          // あ in UTF-8
constexpr char kEmoji[] = "\xF0\x9F\x98\x80";  // not in code page 932
constexpr char kBom[] = "\xEF\xBB\xBF";

struct Utf8Doc : DocFixture {
    CTabrixDoc doc{app};
    bool openAs(FileEncoding encoding, const std::string& bytes) {
        doc.m_nEncoding = encoding;
        return open(doc, "in.csv", bytes);
    }
};

TEST(Utf8File, OpensWithAndWithoutTheByteOrderMark) {
    for (const bool bom : {false, true}) {
        SCOPED_TRACE(bom);
        Utf8Doc f;
        ASSERT_TRUE(f.openAs(FileEncoding::Utf8, std::string(bom ? kBom : "") + kA + ",b\r\nc,d\n"));
        EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"あ\tb", "c\td"}));
        EXPECT_EQ(f.doc.m_nEncoding, bom ? FileEncoding::Utf8Bom : FileEncoding::Utf8);
        EXPECT_TRUE(f.ui.messages.empty());
    }
}

TEST(Utf8File, ReplacedCharactersAreCountedInOneMessage) {
    Utf8Doc f;
    ASSERT_TRUE(f.openAs(FileEncoding::Utf8,
                         std::string("a,b\r\n") + kA + "," + kEmoji + "x\r\n\xE3\x80\x9C,\xC3\xA9\r\n"));
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"a\tb", "あ\t?x", "\x81\x60\t?"}));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text,
              "S-JISに無い文字が3文字有った為、「?」（似た文字が有る場合はその文字）に置き換えました。\n"
              "最初の文字は2行目の3文字目です。");
    EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Information);
}

TEST(Utf8File, BytesThatAreNotUtf8AreRefusedWithTheirLine) {
    const std::pair<std::string, const char*> cases[] = {
        {"a\r\nb\r\nc\xFF\r\nd\r\n", "の3行目"},
        {"a\rb\r\n\xE3\x81", "の3行目"},  // cut off by the end of the file
        {"\xC0\x80\r\n", "の1行目"},       // an overlong NUL
    };
    for (const auto& [bytes, line] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        Utf8Doc f;
        EXPECT_FALSE(f.openAs(FileEncoding::Utf8, bytes));
        ASSERT_EQ(f.ui.messages.size(), 1u);
        EXPECT_EQ(f.ui.messages[0].text, f.path("in.csv") + line + "にUTF-8ではないバイトが有る為、開けません。");
        EXPECT_EQ(f.ui.messages[0].icon, MsgIcon::Stop);
    }
}

TEST(Utf8File, ShiftJisChoiceAsksWhenTheFileLooksLikeUtf8) {
    struct Case {
        const char* name;
        std::string bytes;
        bool asked;
    };
    const Case cases[] = {
        {"mark, ASCII after it", std::string(kBom) + "a,b\r\n", true},
        {"Japanese in UTF-8", std::string("id,") + kA + "\r\n", true},
        {"ASCII only", "a,b\r\n", false},
        {"Shift-JIS", "id,\x82\xA0\r\n", false},
        {"UTF-8 that is also Shift-JIS", "\xC3\xA9\r\n", false},
        {"not UTF-8", "\xE3\x81,\r\n", false},
        {"cut at 64 KB", std::string(kA) + "\r\n" + std::string(65530, 'x') + kA, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DocFixture f;
        const std::string path = f.dir.write("in.csv", c.bytes).string();
        EXPECT_EQ(LooksLikeUtf8(path), c.asked);
        if (!c.asked) continue;
        f.ui.answers = {MsgResult::Yes, MsgResult::No};
        EXPECT_EQ(EncodingToOpen(f.ui, path, OpenFormat::Sjis), FileEncoding::Utf8);
        EXPECT_EQ(EncodingToOpen(f.ui, path, OpenFormat::Sjis), FileEncoding::Sjis);
        ASSERT_EQ(f.ui.messages.size(), 2u);
        EXPECT_EQ(f.ui.messages[0].text, "in.csvはUTF-8のファイルの様です。\nUTF-8として開きますか？");
        EXPECT_EQ(f.ui.messages[0].buttons, MsgButtons::YesNo);
        // Chosen as UTF-8, or a control file: nothing to ask.
        EXPECT_EQ(EncodingToOpen(f.ui, path, OpenFormat::Utf8), FileEncoding::Utf8);
        EXPECT_EQ(EncodingToOpen(f.ui, f.dir.write("x.ctrl", c.bytes).string(), OpenFormat::Sjis), FileEncoding::Sjis);
        EXPECT_EQ(f.ui.messages.size(), 2u);
    }
}

TEST(Utf8File, StoresInEachEncodingAndRefusesBytesThatAreNotShiftJis) {
    Utf8Doc f;
    ASSERT_TRUE(f.openAs(FileEncoding::Sjis, "\x82\xA0,b\r\n?,\\\r\n"));
    const std::pair<FileEncoding, std::string> cases[] = {
        {FileEncoding::Sjis, "\x82\xA0,b\r\n?,\\\r\n"},
        {FileEncoding::Utf8, std::string(kA) + ",b\r\n?,\\\r\n"},
        {FileEncoding::Utf8Bom, std::string(kBom) + kA + ",b\r\n?,\\\r\n"},
    };
    for (const auto& [encoding, bytes] : cases) {
        ASSERT_TRUE(f.doc.StoreLines(f.path("out.csv"), ',', false, encoding));
        EXPECT_EQ(ReadBytes(f.path("out.csv")), bytes);
    }

    Utf8Doc bad;
    ASSERT_TRUE(bad.openAs(FileEncoding::Sjis, "a\r\nb\x80\r\n"));
    EXPECT_FALSE(bad.doc.StoreLines(bad.path("out.csv"), ',', false, FileEncoding::Utf8));
    EXPECT_EQ(bad.doc.m_CtrlFile.m_strError,
              "2行目にS-JISではないバイトが有る為、UTF-8で保存出来ません。\n" + bad.path("out.csv"));
    EXPECT_FALSE(std::filesystem::exists(bad.path("out.csv")));
}

TEST(Utf8File, OverwriteKeepsTheEncodingAndSaveAsOffersTheChoice) {
    for (const bool bom : {false, true}) {
        SCOPED_TRACE(bom);
        Utf8Doc f;
        const std::string bytes = std::string(bom ? kBom : "") + kA + "," + kEmoji + "\r\n";
        ASSERT_TRUE(f.openAs(FileEncoding::Utf8, bytes));
        ASSERT_TRUE(f.doc.DoSave());
        // The character replaced on the way in stays '?': nothing is invented.
        EXPECT_EQ(ReadBytes(f.path("in.csv")), std::string(bom ? kBom : "") + kA + ",?\r\n");

        f.ui.fileDialogs.push_back([&](FileDialogRequest& request) {
            EXPECT_EQ(request.choices.size(), 1u);
            EXPECT_EQ(request.choices[0].label, "文字コード");
            EXPECT_EQ(request.choices[0].entries,
                      (std::vector<std::string>{"S-JIS", "UTF-8", "UTF-8（BOM付き）"}));
            EXPECT_EQ(request.choices[0].selected, bom ? 2 : 1);
            request.choices[0].selected = 0;
            request.fileName = f.path("sjis.csv");
            return true;
        });
        ASSERT_TRUE(f.doc.DoSaveAs());
        EXPECT_EQ(ReadBytes(f.path("sjis.csv")), "\x82\xA0,?\r\n");
        EXPECT_EQ(f.doc.m_nEncoding, FileEncoding::Sjis);
    }
}

}  // namespace
}  // namespace tabrix
