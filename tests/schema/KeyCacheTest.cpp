#include <gtest/gtest.h>

#include <map>
#include <random>

#include "document/CtrlFile.h"
#include "schema/KeyCache.h"

namespace tabrix {
namespace {

TEST(KeyDup, KeysJoinTheirFieldsWithoutSeparator) {
    CCtrlFile ctrl;
    ctrl.m_nMaxCols = 3;
    ctrl.m_KeyCols = {1, 2};
    ctrl.m_Lines.push_back("AB\tC\t1");
    ctrl.m_Lines.push_back("A\tBC\t2");
    ctrl.m_Lines.push_back("X\tY\t3");
    CKeyCache cache;
    std::string key;
    EXPECT_EQ(ctrl.CheckKeyDup(0, cache, key), 1);
    EXPECT_EQ(key, "ABC");
    EXPECT_EQ(ctrl.m_strError, "キーデータが重複しています。");
    EXPECT_FALSE(cache.empty());
    EXPECT_EQ(ctrl.CheckKeyDup(1, cache, key), 1);
    ctrl.m_strError.clear();
    EXPECT_EQ(ctrl.CheckKeyDup(2, cache, key), 0);
    EXPECT_EQ(key, "XY");
    EXPECT_EQ(ctrl.m_strError, "");
    EXPECT_EQ(ctrl.CheckKeyDup(3, cache, key), 0);  // no such row
}

TEST(KeyDup, KeyColumnsBeyondALineAreEmpty) {
    CCtrlFile ctrl;
    ctrl.m_nMaxCols = 2;
    ctrl.m_KeyCols = {2, 9, 0};
    ctrl.m_Lines.push_back("a\tb");
    ctrl.m_Lines.push_back("b");
    ctrl.m_Lines.push_back("");
    ctrl.m_Lines.push_back("c\t");
    CKeyCache cache;
    std::string key;
    EXPECT_EQ(ctrl.CheckKeyDup(0, cache, key), 0);
    EXPECT_EQ(key, "b");
    EXPECT_EQ(ctrl.CheckKeyDup(1, cache, key), 1);  // "b" has no second field: key empty
    EXPECT_EQ(key, "");
    EXPECT_EQ(ctrl.CheckKeyDup(2, cache, key), 1);
    EXPECT_EQ(ctrl.CheckKeyDup(3, cache, key), 1);
}

TEST(KeyDup, NoKeyColumnsNoDuplicates) {
    CCtrlFile ctrl;
    ctrl.m_Lines.push_back("a");
    ctrl.m_Lines.push_back("a");
    CKeyCache cache;
    std::string key = "stale";
    EXPECT_EQ(ctrl.CheckKeyDup(0, cache, key), 0);
    EXPECT_EQ(key, "");
    EXPECT_TRUE(cache.empty());
}

// The cache answers what scanning every line's key from the start answers.
TEST(KeyDup, CacheAgreesWithTheLinearScan) {
    std::mt19937 random(11);
    CCtrlFile ctrl;
    ctrl.m_nMaxCols = 3;
    ctrl.m_KeyCols = {3, 1};
    for (int i = 0; i < 3000; ++i) {
        const std::string a = std::to_string(random() % 40);
        const std::string c = (random() % 3) ? std::to_string(random() % 30) : "";
        ctrl.m_Lines.push_back(a + "\tx" + std::to_string(i) + "\t" + c);
    }
    std::vector<std::string> oracleKeys;
    for (std::size_t row = 0; row < ctrl.m_Lines.size(); ++row) {
        const std::string line(ctrl.m_Lines[row]);
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        oracleKeys.push_back(line.substr(second + 1) + line.substr(0, first));
    }
    CKeyCache cache;
    for (std::size_t row = 0; row < oracleKeys.size(); ++row) {
        int seen = 0;
        int expected = 0;
        for (const std::string& other : oracleKeys) {
            if (other == oracleKeys[row] && ++seen == 2) {
                expected = 1;
                break;
            }
        }
        std::string key;
        ASSERT_EQ(ctrl.CheckKeyDup(row, cache, key), expected) << row;
        ASSERT_EQ(key, oracleKeys[row]);
    }
    cache.clear();
    EXPECT_TRUE(cache.empty());
}

// Stores larger than one partition of the cache count every key across them.
TEST(KeyDup, LargeStoresCountEveryKeyOnce) {
    std::mt19937 random(5);
    CCtrlFile ctrl;
    ctrl.m_nMaxCols = 2;
    ctrl.m_KeyCols = {1};
    std::map<std::string, int> oracle;
    std::vector<std::string> keys;
    for (int i = 0; i < 50000; ++i) {
        keys.push_back("K" + std::to_string(random() % 40000));
        ++oracle[keys.back()];
        ctrl.m_Lines.push_back(keys.back() + "\t" + std::to_string(i));
    }
    CKeyCache cache;
    cache.build(ctrl);
    ASSERT_EQ(cache.size(), keys.size());
    for (std::size_t row = 0; row < keys.size(); ++row) {
        ASSERT_EQ(cache.keyOf(row), keys[row]);
        ASSERT_EQ(cache.countOf(row), oracle[keys[row]]) << row;
    }
    EXPECT_EQ(cache.countOf(keys.size()), 0);
}

}  // namespace
}  // namespace tabrix
