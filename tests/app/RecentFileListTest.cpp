#include "app/RecentFileList.h"

#include <gtest/gtest.h>

#include "app/SettingsStore.h"

namespace tabrix {
namespace {

using Files = std::vector<std::string>;

TEST(RecentFileList, AddPutsFirstMovesDuplicatesAndKeepsCapacity) {
    RecentFileList list(3);
    list.add("/data/a.csv");
    list.add("/data/表.csv");
    list.add("/data/c.csv");
    EXPECT_EQ(list.files(), (Files{"/data/c.csv", "/data/表.csv", "/data/a.csv"}));
    list.add("/data/a.csv");
    EXPECT_EQ(list.files(), (Files{"/data/a.csv", "/data/c.csv", "/data/表.csv"}));
    list.add("/data/d.csv");
    EXPECT_EQ(list.files(), (Files{"/data/d.csv", "/data/a.csv", "/data/c.csv"}));
    list.remove(1);
    EXPECT_EQ(list.files(), (Files{"/data/d.csv", "/data/c.csv"}));
    list.remove(7);
    EXPECT_EQ(list.files().size(), 2u);
}

TEST(RecentFileList, ZeroCapacityKeepsNothing) {
    RecentFileList list(0);
    list.add("/a");
    EXPECT_TRUE(list.files().empty());
}

TEST(RecentFileList, StoredAsNumberedEntriesOfItsSubkey) {
    MemorySettingsStore store;
    RecentFileList list(4);
    list.add("/x/1.csv");
    list.add("/x/2.csv");
    list.save(store);
    std::string value;
    ASSERT_TRUE(store.readString("Recent File List", "File1", value));
    EXPECT_EQ(value, "/x/2.csv");
    ASSERT_TRUE(store.readString("Recent File List", "File2", value));
    EXPECT_EQ(value, "/x/1.csv");
    ASSERT_TRUE(store.readString("Recent File List", "File4", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(store.contains("Recent File List", "File5"));
}

TEST(RecentFileList, ALargerSizeShowsMoreOnlyAfterTheNextLoad) {
    MemorySettingsStore store;
    RecentFileList wide(6);
    for (const char* path : {"/1", "/2", "/3", "/4", "/5"}) wide.add(path);
    wide.save(store);
    RecentFileList narrow(2);
    narrow.load(store);
    EXPECT_EQ(narrow.files(), (Files{"/5", "/4"}));
    narrow.save(store);  // slots beyond the size are left alone
    RecentFileList again(6);
    again.load(store);
    EXPECT_EQ(again.files(), (Files{"/5", "/4", "/3", "/2", "/1"}));
}

}  // namespace
}  // namespace tabrix
