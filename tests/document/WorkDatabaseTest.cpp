// MDB= names the work database: only a file that is already an empty
// database may be replaced, and never the data, control or a translation file.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>

#include "document/ClientDB.h"
#include "text/Cp932.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::DocFixture;
using test::ReadBytes;

struct MdbFixture : DocFixture {
    MdbFixture() { settings.DefDir = dir.path().string(); }
    // Writes the data, translation and control files; the control file's path.
    std::string prepare(const std::string& mdb) {
        dir.write("ORDERS.CSV", "a,b\r\n");
        dir.write("CODES.CSV", "1,ONE\r\n");
        const std::string ctrl = "FILE=ORDERS.CSV\r\nMDB=" + mdb +
                                 "\r\n[COL]\r\nTITLE=A\r\nTRAN=TRUE\r\nTRAN_FILE=CODES.CSV\r\nTRAN_KEYPOS=1\r\n"
                                 "TRAN_NAMEPOS=2\r\nTRAN_COL=2\r\n[COL]\r\nTITLE=B\r\n";
        const std::string path = dir.write("orders.ctrl", ctrl).string();
        // MDB= arrives upper-cased: a link of that name reaches the control file.
        std::error_code ec;
        std::filesystem::create_symlink("orders.ctrl", dir / "ORDERS.CTRL", ec);
        return path;
    }
    bool openWith(const std::string& mdb, CTabrixDoc& doc) { return doc.OnOpenDocument(prepare(mdb)); }
};

TEST(WorkDatabase, MdbNamingAFileThatIsNoEmptyDatabaseIsRefusedAndTheFileKept) {
    const char* const names[] = {"ORDERS.CSV", "ORDERS.CTRL", "CODES.CSV", "NOTES.TXT", "ZERO.DB", "FULL.DB"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        MdbFixture f;
        f.dir.write("NOTES.TXT", "notes\r\n");
        f.dir.write("ZERO.DB", "");
        // A database holding a table is someone's data, not a work database.
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(ToFsPath(f.path("FULL.DB")).c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE t(x)", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        CTabrixDoc doc(f.app);
        const std::string ctrl = f.prepare(name);
        const std::string before = ReadBytes(f.dir / name);
        EXPECT_FALSE(doc.OnOpenDocument(ctrl));
        ASSERT_FALSE(f.ui.messages.empty());
        EXPECT_EQ(f.ui.lastMessage(), "MDB=に指定されたファイル（" + f.path(name) +
                                          "）は作業用データベースではない為、使用出来ません。");
        EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
        EXPECT_FALSE(doc.m_CtrlFile.m_Db.IsOpen());
        EXPECT_EQ(ReadBytes(f.dir / name), before);
    }
}

TEST(WorkDatabase, AnEmptyDatabaseIsReplacedAndRemovedAtClose) {
    MdbFixture f;
    {
        CClientDB old;
        ASSERT_EQ(old.Create(f.path("WORK.DB")), CClientDB::kOk);
    }
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.openWith("WORK.DB", doc)) << f.ui.lastMessage();
    EXPECT_TRUE(CClientDB::IsEmptyDatabaseFile(f.path("WORK.DB")));
    EXPECT_TRUE(doc.OnCloseDocument());
    EXPECT_FALSE(std::filesystem::exists(f.dir / "WORK.DB"));
}

TEST(WorkDatabase, TheCommandLineCreatesNone) {
    MdbFixture f;
    CTabrixDoc doc(f.app);
    doc.m_bCreatesWorkDatabase = false;
    ASSERT_TRUE(f.openWith("NEW.DB", doc)) << f.ui.lastMessage();
    EXPECT_FALSE(std::filesystem::exists(f.dir / "NEW.DB"));
    EXPECT_TRUE(doc.OnCloseDocument());
}

}  // namespace
}  // namespace tabrix
