// A page the in-memory grid cannot hold is refused before anything is
// allocated, and the view says so.
#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace tabrix {
namespace {

TEST(GridLimit, APageOfMoreThanAGigabyteIsRefusedWithTheMemoryMessage) {
    test::ViewFixture f;
    f.rows(20001, {std::string(20000, '\t')});
    CTabrixView& view = f.show(10000);
    EXPECT_EQ(f.ui.lastMessage(), "メモリが不足している為、１ページ分の表を作成出来ません。\n"
                                  "オプションの「入力画面の１ﾍﾟｰｼﾞ行数」を減らして下さい。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
    EXPECT_LT(static_cast<long long>(f.grid.rowCount()) * f.grid.columnCount(), 20001LL * 10001);
    // One row per page, as the command line takes, fits.
    f.ui.messages.clear();
    view.m_nPageSize = 1;
    EXPECT_TRUE(view.ResizeGrid());
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.grid.columnCount(), 20002);
}

}  // namespace
}  // namespace tabrix
