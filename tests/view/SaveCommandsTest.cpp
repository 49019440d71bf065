// Split save and conditional save through the view: the dialogs' checks and
// switches, the files written, and the messages.
#include <gtest/gtest.h>

#include <functional>

#include "ViewFixture.h"
#include "document/SplitSave.h"
#include "view/SaveDialogs.h"

namespace tabrix {
namespace {

using test::ReadBytes;
using test::ViewFixture;

struct SaveFixture : ViewFixture {
    template <typename Model>
    void answer(std::function<void(Model&)> set, bool ok = true) {
        ui.dialogs.push_back([set, ok](CDialogModel& model) {
            auto& dlg = dynamic_cast<Model&>(model);
            set(dlg);
            EXPECT_EQ(dlg.validate(), "");
            return ok;
        });
    }
    std::string file(const std::string& name) { return ReadBytes(dir / name); }
    bool exists(const std::string& name) { return std::filesystem::exists(dir / name); }
    // Rows "key TAB n" for the given keys.
    void keyed(const std::vector<std::string>& keys) {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < keys.size(); ++i) lines.push_back(keys[i] + "\t" + std::to_string(i + 1));
        rows(2, lines);
    }
};

TEST(SplitDialog, SwitchesChecksAndExtensions) {
    EXPECT_EQ(SplitFileName("/out/data.csv", 2), "/out/data_2.csv");
    EXPECT_EQ(SplitFileName("/out.d/data", 10), "/out.d/data_10");
    CDivOptDlg dlg;
    dlg.init('\t', "/d/in.csv", {3, 1}, 10, false);
    EXPECT_EQ(dlg.m_nDelim, CDivOptDlg::Tab);
    EXPECT_EQ(dlg.keyColumnsText(), "3 1 ");
    dlg.setMode(1);
    dlg.m_nFiles = 4;
    dlg.setPerKey(true);
    EXPECT_EQ(dlg.m_nFiles, 10);
    EXPECT_FALSE(dlg.fileCountEditable());
    dlg.setMode(0);
    EXPECT_FALSE(dlg.m_bPerKey);
    dlg.setDelim(CDivOptDlg::Other);
    EXPECT_EQ(dlg.m_strOutFile, "/d/in.txt");
    EXPECT_TRUE(dlg.otherBoxEnabled());
    const struct {
        int files;
        std::string out, other, message;
    } cases[] = {
        {0, "o", "|", "分割ファイル数を正しく入力して下さい。"},
        {11, "o", "|", "分割ファイル数を正しく入力して下さい。"},
        {10, "", "|", "出力ファイル名を入力して下さい。"},
        {10, "o", "", "その他形式の場合は区切り文字を入力して下さい。"},
        {10, "o", "\"", "その他形式の区切り文字には使用出来ない文字です。"},
        {10, "o", "\x83", "その他形式の区切り文字には使用出来ない文字です。"},
        {10, "o", "\n", "その他形式の区切り文字には使用出来ない文字です。"},
        {10, "o", "|", ""},
    };
    for (const auto& c : cases) {
        dlg.m_nFiles = c.files;
        dlg.m_strOutFile = c.out;
        dlg.m_strOther = c.other;
        EXPECT_EQ(dlg.validate(), c.message) << c.files << c.out << c.other;
    }
}

TEST(SplitSave, CountsKeyBreaksAndNaming) {
    const struct {
        std::string name;
        std::vector<std::string> keys;
        int files;
        int mode;
        bool perKey;
        std::vector<std::string> contents;
    } cases[] = {
        {"by count", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 3, 0, false,
         {"a,1\r\nb,2\r\nc,3\r\n", "d,4\r\ne,5\r\nf,6\r\n", "g,7\r\nh,8\r\ni,9\r\nj,10\r\n"}},
        {"key break", {"a", "a", "a", "a", "b", "b", "c", "c", "c", "c"}, 3, 1, false,
         {"a,1\r\na,2\r\na,3\r\na,4\r\n", "b,5\r\nb,6\r\nc,7\r\nc,8\r\nc,9\r\nc,10\r\n"}},
        {"file per key", {"a", "a", "b", "c", "c"}, 1, 1, true, {"a,1\r\na,2\r\n", "b,3\r\n", "c,4\r\nc,5\r\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SaveFixture f;
        f.keyed(c.keys);
        f.show(10);
        f.grid.setSelectedRange({1, 1, 1, 1});
        const std::string out = f.path("part.csv");
        f.answer<CDivOptDlg>([&](CDivOptDlg& d) {
            d.setMode(c.mode);
            if (c.perKey) d.setPerKey(true);
            d.m_nFiles = c.perKey ? d.m_nFiles : c.files;
            d.m_strOutFile = out;
            d.setDelim(CDivOptDlg::Csv);
        });
        f.view->runCommand(CommandId::FileSplitSave);
        for (std::size_t k = 0; k < c.contents.size(); ++k)
            EXPECT_EQ(f.file("part_" + std::to_string(k + 1) + ".csv"), c.contents[k]);
        EXPECT_FALSE(f.exists("part_" + std::to_string(c.contents.size() + 1) + ".csv"));
        EXPECT_EQ(f.ui.lastMessage(), "<" + f.doc.dataFileName() + ">ファイルを " + std::to_string(c.contents.size()) +
                                          " 個に分割しました。");
        EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Information);
        EXPECT_FALSE(f.view->m_bChanged);
    }
}

TEST(SplitSave, TitleInEveryFileQuotedDelimitersRestoredSpacesAndTabRows) {
    SaveFixture f;
    f.rows(3, {"k\tv\tw", "a\tx,y\t1", "b\t\"q\"\t2", "c\tソ\t3", "d\ts\xA5p\t4"});
    f.doc.m_bTitleLine = true;
    f.doc.m_bHanspDisp = true;
    f.doc.m_strHanspChar = "\xA5";
    f.show(10);
    f.answer<CDivOptDlg>([&](CDivOptDlg& d) {
        d.m_nTitle = 1;
        d.m_nFiles = 2;
        d.m_strOutFile = f.path("t.csv");
        d.m_nDelim = CDivOptDlg::Csv;
    });
    f.view->runCommand(CommandId::FileSplitSave);
    EXPECT_EQ(f.file("t_1.csv"), "k,v,w\r\na,\"x,y\",1\r\nb,\"q\",2\r\n");
    EXPECT_EQ(f.file("t_2.csv"), "k,v,w\r\nc,ソ,3\r\nd,s p,4\r\n");

    // A split into TAB files gives the rows back, spaces restored.
    f.answer<CDivOptDlg>([&](CDivOptDlg& d) {
        d.m_strOutFile = f.path("t.txt");
        d.m_nDelim = CDivOptDlg::Tab;
    });
    f.view->runCommand(CommandId::FileSplitSave);
    EXPECT_EQ(f.file("t_1.txt"), "k\tv\tw\r\na\tx,y\t1\r\nb\t\"q\"\t2\r\nc\tソ\t3\r\nd\ts p\t4\r\n");

    // A pipe inside ソ's trail byte is no delimiter; one of its own is quoted.
    f.doc.lines().set(3, "c\tソ|\t3");
    f.answer<CDivOptDlg>([&](CDivOptDlg& d) {
        d.m_nFiles = 1;
        d.m_strOutFile = f.path("p.txt");
        d.m_nDelim = CDivOptDlg::Other;
        d.m_strOther = "|";
    });
    f.view->runCommand(CommandId::FileSplitSave);
    EXPECT_EQ(f.file("p_1.txt"), "k|v|w\r\na|x,y|1\r\nb|\"q\"|2\r\nc|\"ソ|\"|3\r\nd|s p|4\r\n");

    f.answer<CDivOptDlg>([&](CDivOptDlg& d) { d.m_strOutFile = f.path("missing/x.csv"); });
    f.view->runCommand(CommandId::FileSplitSave);
    EXPECT_EQ(f.ui.lastMessage(), f.path("missing/x_1.csv") + " ファイルに書き込み出来ません。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
}

TEST(SplitSave, ManyPerKeyFilesAskFirst) {
    SaveFixture f;
    std::vector<std::string> keys;
    for (int i = 0; i < 1001; ++i) keys.push_back("k" + std::to_string(i));
    f.keyed(keys);
    f.show(10);
    f.grid.setSelectedRange({1, 1, 1, 1});
    f.answer<CDivOptDlg>([&](CDivOptDlg& d) {
        d.setMode(1);
        d.setPerKey(true);
        d.m_strOutFile = f.path("k.csv");
    });
    f.ui.answers.push_back(MsgResult::No);
    f.view->runCommand(CommandId::FileSplitSave);
    EXPECT_EQ(f.ui.lastMessage(), "1,001 個のファイルを作成します。よろしいですか？");
    EXPECT_FALSE(f.exists("k_1.csv"));
}

TEST(ConditionalSaveDialog, ResetRulesChecksAndExtensions) {
    CSaveOpt opt;
    opt.m_nColMode = 1;
    opt.m_nRowMode = 2;
    opt.prepareForUse('\t', "/d/in.csv", 0, false, true, false, 4);
    EXPECT_EQ(opt.m_nColMode, 0);
    EXPECT_EQ(opt.m_nRowMode, 0);
    EXPECT_EQ(opt.m_nFormat, CSaveOpt::Tab);
    EXPECT_EQ(opt.m_strOutFile, "/d/in.csv");
    EXPECT_TRUE(opt.m_bTitle);
    opt.setFormat(CSaveOpt::Excel);
    EXPECT_EQ(opt.m_strOutFile, "/d/in.xls");
    opt.setFormat(CSaveOpt::Other);
    EXPECT_EQ(opt.m_strOutFile, "/d/in.txt");
    const struct {
        std::function<void(CSaveOpt&)> set;
        std::string message;
    } cases[] = {
        {[](CSaveOpt& o) { o.m_strOutFile.clear(); }, "出力ファイル名を入力して下さい。"},
        {[](CSaveOpt& o) { o.m_nRowMode = 1; }, "検索文字列を入力して下さい。"},
        {[](CSaveOpt& o) { o.m_nRowMode = 1, o.m_strSearch = "a", o.m_nSearchCol = 0; }, "検索対象列番号を1以上で入力して下さい。"},
        {[](CSaveOpt& o) { o.m_nRowMode = 1, o.m_strSearch = "a", o.m_nSearchCol = 5; }, "検索対象列番号を4以下で入力して下さい。"},
        {[](CSaveOpt& o) { o.m_nFormat = CSaveOpt::Excel; }, "EXCEL形式の場合は拡張子を「xls/xlsx」にして下さい。"},
        {[](CSaveOpt& o) { o.m_nFormat = CSaveOpt::Excel, o.m_strOutFile = "a.XLS"; }, "EXCEL形式の場合は拡張子を「xls/xlsx」にして下さい。"},
        {[](CSaveOpt& o) { o.m_nFormat = CSaveOpt::Excel, o.m_strOutFile = "a.xlsx"; }, ""},
        {[](CSaveOpt& o) { o.m_strOther.clear(); }, "その他形式の場合は区切り文字を入力して下さい。"},
        {[](CSaveOpt& o) { o.m_strOther = "\r"; }, "その他形式の区切り文字には使用出来ない文字です。"},
    };
    for (const auto& c : cases) {
        CSaveOpt o = opt;
        o.m_strOther = "|";
        c.set(o);
        EXPECT_EQ(o.validate(), c.message);
    }
    FileDialogRequest chosen = OutputBrowseRequest("x", false);
    EXPECT_EQ(chosen.filter, kTextOutputFilter);
    chosen.filterIndex = 2;
    EXPECT_EQ(OutputBrowseName(chosen, false), "x.dat");
    EXPECT_EQ(OutputBrowseName(chosen, true), "x.xls");
}

TEST(ConditionalSave, RowModesColumnsTitleAndMessages) {
    const struct {
        std::string name;
        std::function<void(CSaveOpt&)> set;
        std::string expected;
        int count;
    } cases[] = {
        {"all", [](CSaveOpt&) {}, "名,市\r\na,東京\r\nb,大阪\r\nc,京都\r\nd,東京都\r\n", 5},
        {"search", [](CSaveOpt& o) { o.m_nRowMode = 1, o.m_nSearchCol = 2, o.m_strSearch = "東京,大阪"; },
         "名,市\r\na,東京\r\nb,大阪\r\n", 3},
        {"search others", [](CSaveOpt& o) { o.m_nRowMode = 1, o.m_nSearchCol = 2, o.m_strSearch = "東京*", o.m_nExtract = 1; },
         "名,市\r\nb,大阪\r\nc,京都\r\n", 3},
        {"no title", [](CSaveOpt& o) { o.m_bTitle = false, o.m_nRowMode = 1, o.m_nSearchCol = 2, o.m_strSearch = "京都"; },
         "c,京都\r\n", 1},
        {"selected columns", [](CSaveOpt& o) { o.m_nColMode = 1; }, "市\r\n東京\r\n大阪\r\n京都\r\n東京都\r\n", 5},
        {"filtered", [](CSaveOpt& o) { o.m_nRowMode = 2, o.m_nFormat = CSaveOpt::Tab; }, "名\t市\r\nc\t京都\r\n", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SaveFixture f;
        f.rows(2, {"名\t市", "a\t東京", "b\t大阪", "c\t京都", "d\t東京都"});
        f.doc.m_bTitleLine = true;
        f.show(10);
        f.view->filterConditions().m_Sel[0] = {true, 2, "京*"};
        f.view->ApplyFilter();
        f.grid.setSelectedRange({1, 2, 1, 2});
        f.view->SetChanged();
        const std::string out = f.path("out.csv");
        f.answer<CSaveOpt>([&](CSaveOpt& o) {
            o.m_strOutFile = out;
            c.set(o);
        });
        f.view->runCommand(CommandId::FileConditionalSave);
        EXPECT_EQ(f.file("out.csv"), c.expected);
        EXPECT_EQ(f.ui.lastMessage(), "<" + out + ">ファイルに " + std::to_string(c.count) + " 件出力しました。");
        EXPECT_TRUE(f.view->m_bChanged);  // writing a part elsewhere saves nothing
    }
}

TEST(ConditionalSave, KeepsItsOptionsAsksBeforeOverwritingTheDocumentAndWritesWorkbooks) {
    SaveFixture f;
    ASSERT_TRUE(f.open(f.doc, "in.csv", "a,1\r\nb,2\r\n"));
    f.show(10);
    f.answer<CSaveOpt>([&f](CSaveOpt& o) {
        EXPECT_EQ(o.m_strOutFile, f.doc.dataFileName());
        o.m_nRowMode = 1;
        o.m_strSearch = "b";
    });
    f.ui.answers.push_back(MsgResult::No);
    f.view->runCommand(CommandId::FileConditionalSave);
    EXPECT_EQ(f.ui.lastMessage(), f.doc.dataFileName() + " は編集中のデータファイルです。上書きしますか？");
    EXPECT_EQ(f.file("in.csv"), "a,1\r\nb,2\r\n");
    EXPECT_EQ(f.view->saveOptions().m_strSearch, "b");

    f.answer<CSaveOpt>([&](CSaveOpt& o) {
        EXPECT_EQ(o.m_nRowMode, 1);
        o.m_strOutFile = f.path("o.xls");
        o.m_nFormat = CSaveOpt::Excel;
    });
    f.view->runCommand(CommandId::FileConditionalSave);
    EXPECT_EQ(f.ui.lastMessage(), f.path("o.xls") + "にＥＸＣＥＬ形式で1件保存しました。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Information);
    EXPECT_TRUE(f.exists("o.xls"));
}

}  // namespace
}  // namespace tabrix
