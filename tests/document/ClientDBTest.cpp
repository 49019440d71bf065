#include "document/ClientDB.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/DocFixture.h"
#include "text/Cp932.h"

namespace tabrix {
namespace {

TEST(ClientDB, WorkDatabaseLivesFromOpenToClose) {
    test::DocFixture f;
    CTabrixDoc doc(f.app);
    ASSERT_TRUE(f.open(doc, "a.csv", "a,b\r\n"));
    const std::string name = f.path("作業.db");
    EXPECT_EQ(doc.m_CtrlFile.m_Db.Create(name), CClientDB::kOk);
    doc.m_CtrlFile.m_strMdb = name;
    EXPECT_TRUE(std::filesystem::exists(ToFsPath(name)));
    EXPECT_GT(std::filesystem::file_size(ToFsPath(name)), 0u);
    EXPECT_TRUE(doc.OnCloseDocument());
    EXPECT_FALSE(std::filesystem::exists(ToFsPath(name)));
    EXPECT_TRUE(doc.lines().empty());
}

TEST(ClientDB, EngineErrorIsReported) {
    test::TempDir dir;
    CClientDB db;
    EXPECT_EQ(db.Create((dir / "no/such/folder/x.db").string()), CClientDB::kEngineError);
    EXPECT_FALSE(db.IsOpen());
}

}  // namespace
}  // namespace tabrix
