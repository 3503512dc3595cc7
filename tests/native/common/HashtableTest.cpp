#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "IntHash.h"
#include "StringHash.h"

namespace {

// The keys of a table in its order, through the key set the table hands out.
template <typename Table>
std::vector<std::string> KeysOf(Table& table) {
  int count = -1;
  char** keys = table.GetKeySet(&count);
  std::vector<std::string> result;
  for (int i = 0; keys && i < count; ++i) {
    result.push_back(keys[i]);
  }
  table.DestroyKeySet(keys, count);
  return result;
}

}  // namespace

TEST(HashtableTest, KeepsKeysInByteOrderAndReplacesValues) {
  StringHash table(20);
  table.Add("b", "2");
  table.Add("a", "1");
  table.Add("c", "3");
  table.Add("a", "one");
  // Case makes distinct keys; upper case sorts first.
  table.Add("native", "2");
  table.Add("Native", "5");

  EXPECT_EQ(KeysOf(table), (std::vector<std::string>{"Native", "a", "b", "c", "native"}));
  EXPECT_EQ(table.GetCount(), 5);
  EXPECT_EQ(table.GetFree(), 15);
  EXPECT_STREQ(table["a"], "one");
  EXPECT_STREQ(table["Native"], "5");
  EXPECT_STREQ(table["native"], "2");
  EXPECT_EQ(table["NATIVE"], nullptr);
  EXPECT_EQ(table.Find("d"), nullptr);
  EXPECT_EQ(table.FindInsertEntry("bb"), 3);
  EXPECT_EQ(table.FindInsertEntry("A"), 0);
  EXPECT_EQ(table.FindInsertEntry("z"), 5);
}

TEST(HashtableTest, CopiesWhatItIsGivenAndSurvivesStoringItsOwnValue) {
  StringHash table(2);
  char key[] = "key";
  char value[] = "value";
  table.Add(key, value);
  key[0] = 'K';
  value[0] = 'V';
  EXPECT_STREQ(table["key"], "value");

  table.Add("key", table["key"]);
  EXPECT_STREQ(table["key"], "value");
  table.Add("empty", static_cast<const char*>(nullptr));
  EXPECT_STREQ(table["empty"], "");
  table.Add(nullptr, "ignored");
  EXPECT_EQ(table.GetCount(), 2);

  table.ClearAll();
  EXPECT_EQ(table.GetCount(), 0);
  EXPECT_EQ(table.GetFree(), table.GetCapacity());
  EXPECT_EQ(table["key"], nullptr);
}

TEST(HashtableTest, GrowsGeometricallyAndKeepsTheOrder) {
  // Keys arrive in descending order, so every insertion moves the whole array up.
  StringHash table(100);
  const int count = 50000;
  for (int i = count - 1; i >= 0; --i) {
    table.Add(("key" + std::to_string(100000 + i)).c_str(), std::to_string(i).c_str());
  }
  EXPECT_EQ(table.GetCount(), count);
  // 100 doubled nine times; growing by 20 would have ended at 50000.
  EXPECT_EQ(table.GetCapacity(), 51200);
  EXPECT_EQ(table.GetFree(), 51200 - count);
  const std::vector<std::string> keys = KeysOf(table);
  ASSERT_EQ(keys.size(), static_cast<size_t>(count));
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_STREQ(table["key100000"], "0");
  EXPECT_STREQ(table["key149999"], "49999");
}

TEST(HashtableTest, GrowsByAtLeastTwentyWhenFull) {
  IntHash table(20);
  for (int i = 0; i < 21; ++i) {
    table.Add(("k" + std::to_string(100 + i)).c_str(), i);
  }
  EXPECT_EQ(table.GetCount(), 21);
  EXPECT_EQ(table.GetCapacity(), 40);
  EXPECT_EQ(table.GetFree(), 19);
  for (int i = 0; i < 21; ++i) {
    EXPECT_EQ(table[("k" + std::to_string(100 + i)).c_str()], i);
  }
  IntHash empty(0);
  empty.Add("only", 7);
  EXPECT_EQ(empty.GetCapacity(), 20);
  EXPECT_EQ(empty["only"], 7);
}

TEST(HashtableTest, AbsentKeysAndEmptyKeySets) {
  IntHash table(20);
  EXPECT_EQ(table["missing"], 0);
  EXPECT_EQ(table.FindInsertEntry("x"), 0);

  int count = 42;
  EXPECT_EQ(table.GetKeySet(&count), nullptr);
  EXPECT_EQ(count, 42);
  table.Add("x", 1);
  EXPECT_EQ(table.GetKeySet(nullptr), nullptr);
  table.DestroyKeySet(nullptr, 3);

  char** keys = table.GetKeySet(&count);
  ASSERT_NE(keys, nullptr);
  EXPECT_EQ(count, 1);
  EXPECT_STREQ(keys[0], "x");
  EXPECT_NE(keys[0], table.GetEntries()[0].key);
  table.DestroyKeySet(keys, count);
}
