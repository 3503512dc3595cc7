#include <gtest/gtest.h>

#include "nsRect.h"
#include "nsTArray.h"

TEST(nsTArrayTest, AppendsInsertsFindsAndRemoves) {
  nsTArray<int> array;
  EXPECT_TRUE(array.IsEmpty());
  array.AppendElement(3);
  array.AppendElement(5);
  array.InsertElementAt(1, 4);
  array.InsertElementAt(0, 2);
  ASSERT_EQ(array.Length(), 4u);
  EXPECT_EQ(array[0], 2);
  EXPECT_EQ(array.LastElement(), 5);
  EXPECT_EQ(array.IndexOf(4), 2u);
  EXPECT_EQ(array.IndexOf(9), nsTArray<int>::NoIndex);
  EXPECT_EQ(array.SafeElementAt(10, -1), -1);
  EXPECT_TRUE(array.RemoveElement(4));
  EXPECT_FALSE(array.RemoveElement(4));
  array.RemoveElementAt(0);
  EXPECT_EQ(array.Length(), 2u);
  EXPECT_EQ(array[0], 3);
  array.Clear();
  EXPECT_TRUE(array.IsEmpty());
}

TEST(nsRectTest, EdgesIntersectionsAndUnions) {
  nsIntRect r(10, 20, 30, 40);
  EXPECT_EQ(r.XMost(), 40);
  EXPECT_EQ(r.YMost(), 60);
  EXPECT_TRUE(r.Contains(10, 20));
  EXPECT_FALSE(r.Contains(40, 20));  // the right edge is outside
  EXPECT_FALSE(r.Contains(10, 60));

  nsIntRect overlap;
  EXPECT_TRUE(overlap.IntersectRect(r, nsIntRect(30, 50, 100, 100)));
  EXPECT_EQ(overlap, nsIntRect(30, 50, 10, 10));
  EXPECT_FALSE(overlap.IntersectRect(r, nsIntRect(40, 20, 5, 5)));
  EXPECT_TRUE(overlap.IsEmpty());

  nsRect joined;
  joined.UnionRect(nsRect(0, 0, 10, 10), nsRect(-5, 5, 10, 10));
  EXPECT_EQ(joined, nsRect(-5, 0, 15, 15));
  joined.UnionRect(nsRect(), nsRect(1, 2, 3, 4));
  EXPECT_EQ(joined, nsRect(1, 2, 3, 4));
  EXPECT_FALSE(nsRect(1, 1, 0, 5).Intersects(nsRect(0, 0, 10, 10)));
}
