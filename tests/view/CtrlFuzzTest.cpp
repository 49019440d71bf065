// Random control files, with extreme numbers and work database names that
// point at the files around them, through LoadCtrlFile, the open, the data
// check and the save: every refusal is said, the output stays bounded, and no
// file other than the one named for output is written, left behind or deleted.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "support/DocFixture.h"
#include "support/FuzzRounds.h"
#include "view/MemoryGrid.h"
#include "view/TabrixView.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::Literal;

template <std::size_t N>
const char* Pick(std::mt19937& rng, const char* const (&choices)[N]) {
    return choices[rng() % N];
}

std::string RandomCtrl(std::mt19937& rng) {
    static const char* const kNumbers[] = {"-1", "0", "1", "2", "5", "13", "99", "100", "65535", "65536",
                                           "10000000", "2147483647", "99999999999", "-5", "x", ""};
    static const char* const kLists[] = {"1", "1,2", "0", "-3", "2,1,9", "65536", "2147483647", "", "1,,x"};
    static const char* const kMdb[] = {"WORK.DB", "DATA.CSV", "T.CTRL", "TRAN.CSV", "OTHER.TXT", "EMPTY.DB",
                                       "SUB/WORK.DB"};
    static const char* const kTypes[] = {"文字", "数字", "日付", "時刻", "?"};
    static const char* const kFormats[] = {"半ス,英字,数字,記号,半カ,全角", "NUM1", "NUM2", "DATE1", "DATE2",
                                           "DATE5", "DATE6", "TIME1", "TIME3", "TIME6", "NUM1,DATE1", ""};
    static const char* const kBools[] = {"TRUE", "FALSE", "FALSE", "MAYBE"};
    std::string text = "[FILE]\nFILE=DATA.CSV\nOPENDLG=NOT\n";
    if (rng() % 2) text += std::string("DELIM=") + Pick(rng, {"CSV", "TAB", "SPACE", "CSV"}) + "\n";
    if (rng() % 3 == 0) text += std::string("MDB=") + Pick(rng, kMdb) + "\n";
    if (rng() % 2) text += std::string("KEYCOL=") + Pick(rng, kLists) + "\nDUPCHECK=" + Pick(rng, kBools) + "\n";
    if (rng() % 3 == 0) text += std::string("QUOTE=") + Pick(rng, kBools) + "\n";
    if (rng() % 4 == 0) text += std::string("HEADTITLE=") + Pick(rng, kBools) + "\n";
    const int cols = 1 + static_cast<int>(rng() % 4);
    for (int c = 0; c < cols; ++c) {
        text += "[COL]\nTITLE=C" + std::to_string(c) + "\n";
        if (rng() % 5 == 0) text += std::string("FILECOL=") + Pick(rng, kBools) + "\n";
        text += std::string("TYPE=") + Pick(rng, kTypes) + "\n";
        text += std::string("FORMAT1=") + Pick(rng, kFormats) + "\n";
        if (rng() % 3 == 0) text += std::string("FORMAT2=") + Pick(rng, kFormats) + "\n";
        if (rng() % 2) text += std::string("LENGTH=") + Pick(rng, kNumbers) + "\n";
        if (rng() % 2) text += std::string("ALLLEN=") + Pick(rng, kNumbers) + "\n";
        if (rng() % 2) text += std::string("POINT=") + Pick(rng, kNumbers) + "\n";
        if (rng() % 4 == 0) text += std::string("MINNUM=") + Pick(rng, kNumbers) + "\n";
        if (rng() % 4 == 0) text += std::string("MAXNUM=") + Pick(rng, kNumbers) + "\n";
        if (rng() % 4 == 0) text += std::string("ROUND=") + Pick(rng, kNumbers) + "\nBASEMIN=" + Pick(rng, kNumbers) + "\n";
        if (rng() % 5 == 0) text += "PERMISSION=1,2,A\n";
        if (rng() % 5 == 0) text += std::string("OBLIGATE=") + Pick(rng, kBools) + "\n";
        if (rng() % 4 == 0) {
            text += std::string("TRAN=TRUE\nTRAN_FILE=TRAN.CSV\nTRAN_KEYPOS=") + Pick(rng, kNumbers) +
                    "\nTRAN_NAMEPOS=" + Pick(rng, kLists) + "\nTRAN_COL=" + Pick(rng, kLists) +
                    "\nTRAN_AUTORUN=" + Pick(rng, kBools) + "\n";
        }
    }
    // A few random bytes anywhere: the reader must refuse or take them, never more.
    for (int k = static_cast<int>(rng() % 3); k > 0; --k) {
        const std::size_t at = rng() % (text.size() + 1);
        text.insert(at, 1, static_cast<char>(rng() % 256));
    }
    return text;
}

std::string RandomData(std::mt19937& rng) {
    static const char* const kValues[] = {"1", "12.5", "-0003", "20240105", "2024/01/05", "H01.01.08", "0930",
                                          "23:59:59", "ｱｲｳ", "あ", "A", "", "\"q\"", "9999999999999999999"};
    std::string data;
    const int lines = 1 + static_cast<int>(rng() % 3);
    for (int l = 0; l < lines; ++l) {
        const int fields = 1 + static_cast<int>(rng() % 4);
        for (int f = 0; f < fields; ++f) data += std::string(f ? "," : "") + Pick(rng, kValues);
        data += "\r\n";
    }
    return data;
}

std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[entry.path().lexically_relative(dir).string()] = test::ReadBytes(entry.path());
    return files;
}

TEST(CtrlFuzz, RandomControlFilesOpenCheckAndSaveWithinBounds) {
    const unsigned seed = test::FuzzSeed(1907);
    std::mt19937 rng(seed);
    const int rounds = test::FuzzRounds(100);
    for (int i = 0; i < rounds; ++i) {
        DocFixture f;
        f.settings.DefDir = f.dir.path().string();
        const std::string ctrl = RandomCtrl(rng);
        const std::string data = RandomData(rng);
        SCOPED_TRACE("seed " + std::to_string(seed) + " round " + std::to_string(i) + "\nctrl " + Literal(ctrl) +
                     "\ndata " + Literal(data));
        f.dir.write("DATA.CSV", data);
        f.dir.write("TRAN.CSV", "1,ONE,UNO\r\n2,TWO,DOS\r\n");
        f.dir.write("OTHER.TXT", "keep me\r\n");
        f.dir.write("EMPTY.DB", "");
        std::filesystem::create_directory(f.dir / "SUB");
        const std::string ctrlPath = f.dir.write("T.CTRL", ctrl).string();
        const auto before = Snapshot(f.dir.path());

        {
            CTabrixDoc doc(f.app);
            if (!doc.OnOpenDocument(ctrlPath)) {
                ASSERT_FALSE(f.ui.messages.empty()) << "a refused open says why";
                ASSERT_EQ(Snapshot(f.dir.path()), before);
                continue;
            }
            // Opening may add the work database, and changes nothing else.
            const auto opened = Snapshot(f.dir.path());
            for (const auto& [name, bytes] : before) ASSERT_EQ(opened.at(name), bytes) << name;
            MemoryGrid grid;
            {
                CTabrixView view(doc, f.app, grid);
                view.OnInitialUpdate(1);
                if (doc.m_CtrlFile.m_bLoaded) view.RunDataCheck();
            }
            ASSERT_TRUE(doc.StoreLines(f.path("OUT.CSV"), doc.m_CtrlFile.m_cDelim, doc.m_CtrlFile.m_bQuote));
            // A field is at most a padded number of LENGTH= bytes, or what was read.
            const auto bound = (data.size() + 1) * (65535 + 256) * static_cast<std::size_t>(doc.columnCount() + 1);
            ASSERT_LE(std::filesystem::file_size(f.dir / "OUT.CSV"), bound);
            ASSERT_TRUE(doc.OnCloseDocument());
        }
        auto after = Snapshot(f.dir.path());
        after.erase("OUT.CSV");
        ASSERT_EQ(after, before) << "no file but the output is written, left behind or deleted";
    }
}

}  // namespace
}  // namespace tabrix
