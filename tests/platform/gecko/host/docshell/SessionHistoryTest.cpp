// The back/forward list.
#include <gtest/gtest.h>

#include "SessionHistory.h"

using geckohost::SessionHistory;

namespace {

TEST(SessionHistoryTest, BackForwardAndTruncation) {
  SessionHistory history;
  EXPECT_EQ(history.index(), -1);
  EXPECT_FALSE(history.canGoBack());
  EXPECT_FALSE(history.canGoForward());
  EXPECT_FALSE(history.goBack());
  EXPECT_EQ(history.currentUrl(), "");

  history.push("a");
  history.push("b");
  history.push("c");
  EXPECT_EQ(history.count(), 3);
  EXPECT_TRUE(history.canGoBack());
  EXPECT_FALSE(history.canGoForward());
  EXPECT_FALSE(history.goForward());
  EXPECT_EQ(history.index(), 2);

  EXPECT_EQ(history.goBack(), "b");
  EXPECT_EQ(history.goBack(), "a");
  EXPECT_FALSE(history.goBack());
  EXPECT_EQ(history.index(), 0);
  EXPECT_EQ(history.goForward(), "b");
  EXPECT_TRUE(history.canGoForward());

  history.push("d");
  EXPECT_EQ(history.count(), 3);
  EXPECT_EQ(history.entryAt(2), "d");
  EXPECT_FALSE(history.canGoForward());

  history.replaceCurrent("e");
  EXPECT_EQ(history.currentUrl(), "e");
  EXPECT_EQ(history.count(), 3);
  EXPECT_EQ(history.goToIndex(0), "a");
  EXPECT_FALSE(history.goToIndex(3));
  EXPECT_EQ(history.index(), 0);

  SessionHistory fresh;
  fresh.replaceCurrent("x");
  EXPECT_EQ(fresh.count(), 1);
  EXPECT_EQ(fresh.currentUrl(), "x");
}

}  // namespace
