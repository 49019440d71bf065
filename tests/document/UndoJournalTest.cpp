// The undo journal at the line store: random actions of every kind of store
// change, taken back and done again, against copies of the rows taken
// between actions; the memory bound; compaction under the journal; the
// modified state following the undo position.
#include "document/UndoJournal.h"

#include <gtest/gtest.h>

#include <random>

#include "document/TabrixDoc.h"
#include "support/DocFixture.h"

namespace tabrix {
namespace {

using test::Rows;

struct JournalFixture : test::DocFixture {
    CTabrixDoc doc{app};
    CUndoJournal& journal = doc.undoJournal();
    CLineStore& lines = doc.lines();
    std::mt19937 random{16};

    std::string row() {
        std::string text = "r" + std::to_string(random() % 1000);
        text.append(random() % 12, static_cast<char>('a' + random() % 26));
        return text;
    }
    // One change of a random kind to the store.
    void change() {
        const std::size_t n = lines.size();
        switch (random() % 8) {
            case 0: lines.push_back(row()); break;
            case 1: lines.insert(random() % (n + 1), row()); break;
            case 2: lines.insert(random() % (n + 1), std::vector<std::string>{row(), row(), row()}); break;
            case 3:
                if (n) lines.set(random() % n, row());
                break;
            case 4:
                if (n) lines.erase(random() % n, 1);
                break;
            case 5: {
                std::vector<std::size_t> at;
                for (std::size_t i = 0; i < n; ++i)
                    if (random() % 4 == 0) at.push_back(i);
                lines.erase(at);
                break;
            }
            case 6: {
                std::vector<std::uint32_t> order(n);
                for (std::uint32_t i = 0; i < n; ++i) order[i] = i;
                std::shuffle(order.begin(), order.end(), random);
                lines.reorder(0, order);
                break;
            }
            case 7: {
                CLineStore rebuilt;
                for (std::size_t i = 0; i < n; ++i) rebuilt.push_back(std::string(lines[i]) + "+");
                lines.replaceAll(std::move(rebuilt));
                break;
            }
        }
    }
};

TEST(UndoJournal, EveryActionGoesBackAndForthExactly) {
    JournalFixture f;
    f.settings.UndoMemory = INT32_MAX;  // keep everything: each rebuilt store holds a 4 MiB chunk
    for (int i = 0; i < 20; ++i) f.lines.push_back(f.row());
    std::vector<std::vector<std::string>> states{Rows(f.doc)};
    for (int action = 0; action < 60; ++action) {
        f.journal.begin("x");
        for (int k = 0, n = 1 + static_cast<int>(f.random() % 4); k < n; ++k) f.change();
        // The same line set twice in one action, and a compaction in the middle.
        if (!f.lines.empty()) {
            f.lines.set(0, "first");
            f.lines.set(0, "second");
        }
        if (action % 7 == 0) f.lines.compact();
        f.journal.end();
        states.push_back(Rows(f.doc));
    }
    ASSERT_EQ(f.journal.undoCount(), 60u);
    for (std::size_t k = states.size() - 1; k-- > 0;) {
        ASSERT_TRUE(f.journal.undo().done);
        ASSERT_EQ(Rows(f.doc), states[k]) << k;
        EXPECT_EQ(f.lines.liveBytes(), [&] {
            std::size_t bytes = 0;
            for (const auto& r : states[k]) bytes += r.size();
            return bytes;
        }());
    }
    EXPECT_FALSE(f.journal.canUndo());
    f.lines.compact();  // the undone rows survive for redo
    for (std::size_t k = 1; k < states.size(); ++k) {
        ASSERT_TRUE(f.journal.redo().done);
        ASSERT_EQ(Rows(f.doc), states[k]) << k;
    }
    // A new action after some undos drops what could be redone.
    f.journal.undo();
    f.journal.undo();
    f.journal.begin("y");
    f.lines.push_back("new");
    f.journal.end();
    EXPECT_FALSE(f.journal.canRedo());
    EXPECT_EQ(f.journal.undoCaption(), "y");
}

TEST(UndoJournal, ActionsThatChangeNothingLeaveNoEntryAndChangesOutsideAnActionForgetAll) {
    JournalFixture f;
    f.lines.push_back("a");
    f.journal.begin("nothing");
    f.lines.set(0, f.lines[0]);
    f.journal.end();
    EXPECT_FALSE(f.journal.canUndo());
    f.journal.begin("set");
    f.lines.set(0, "b");
    EXPECT_FALSE(f.journal.canUndo());  // not while an action is open
    f.journal.end();
    EXPECT_TRUE(f.journal.canUndo());
    f.lines.set(0, "c");  // around the journal: nothing before it can be undone
    EXPECT_FALSE(f.journal.canUndo());
    EXPECT_TRUE(f.journal.modified());
}

TEST(UndoJournal, TheOldestActionsGoBeyondTheBoundButNeverTheLast) {
    JournalFixture f;
    f.settings.UndoMemory = 30;
    for (int i = 0; i < 1000; ++i) f.lines.push_back(std::string(100, 'x'));  // 100,000 bytes
    for (int action = 0; action < 10; ++action) {
        f.journal.begin("set");
        for (int i = 0; i < 100; ++i) f.lines.set(static_cast<std::size_t>(i + action * 100), std::string(100, 'y'));
        f.journal.end();
        EXPECT_LE(f.journal.bytes(), f.journal.bound());
    }
    // About 13,000 bytes an action: two fit into 30,000.
    EXPECT_EQ(f.journal.undoCount(), 2u);
    f.settings.UndoMemory = 0;
    f.journal.begin("all");
    for (std::size_t i = 0; i < 1000; ++i) f.lines.set(i, "z");
    f.journal.end();
    EXPECT_EQ(f.journal.undoCount(), 1u);
    f.journal.undo();
    EXPECT_EQ(f.lines[999], std::string(100, 'y'));
}

// A line rewritten shorter stays where it is: the journal keeps the field
// that changed, not the row, and undo and redo put it back in place.
TEST(UndoJournal, AShorterRowIsPatchedInPlaceKeepingOnlyWhatChanged) {
    JournalFixture f;
    f.settings.UndoMemory = INT32_MAX;
    const std::string head(40, 'h');
    const std::string tail(50, 't');
    for (int i = 0; i < 1000; ++i) f.lines.push_back(head + "\tfield" + std::to_string(i) + "\t" + tail);
    const std::vector<std::string> before = Rows(f.doc);
    const char* slot = f.lines[7].data();
    f.journal.begin("replace");
    for (std::size_t i = 0; i < 1000; ++i) f.lines.set(i, head + "\tx\t" + tail);
    f.journal.end();
    const std::vector<std::string> after = Rows(f.doc);
    EXPECT_EQ(f.lines[7].data(), slot);
    EXPECT_LT(f.journal.bytes(), 1000u * 48);
    for (int round = 0; round < 2; ++round) {
        f.journal.undo();
        EXPECT_EQ(Rows(f.doc), before);
        f.journal.redo();
        EXPECT_EQ(Rows(f.doc), after);
    }
    EXPECT_EQ(f.lines[7].data(), slot);
}

TEST(UndoJournal, TheModifiedStateFollowsTheUndoPosition) {
    JournalFixture f;
    f.settings.UndoMemory = INT32_MAX;
    f.lines.push_back("a");
    f.journal.markSaved();
    auto act = [&](const char* text) {
        f.journal.begin(text);
        f.lines.set(0, text);
        f.journal.end();
    };
    act("b");
    act("c");
    EXPECT_TRUE(f.journal.modified());
    f.journal.markSaved();  // saved at "c"
    f.journal.undo();
    EXPECT_TRUE(f.journal.modified());
    f.journal.redo();
    EXPECT_FALSE(f.journal.modified());
    f.journal.undo();
    f.journal.undo();
    act("d");  // the saved state can no longer be reached
    f.journal.undo();
    EXPECT_TRUE(f.journal.modified());
    EXPECT_EQ(Rows(f.doc), std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace tabrix
