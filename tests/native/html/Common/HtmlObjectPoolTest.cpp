#include "HtmlObjectPool.h"

#include <gtest/gtest.h>

#include <vector>

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

namespace {

// A hierarchy released through its root, as element objects are: the block must go back to the
// list of the most derived class's size.
class Root : public CHtmlRefCounted<Root, IHtmlObject> {
 public:
  virtual ~Root() = default;
};

class Bigger final : public Root {
 public:
  char payload[200] = {};
};

TEST(HtmlObjectPoolTest, FreedBlocksComeBackByTheirSizeClass) {
  if (!CHtmlObjectPool::recycles()) {
    // Sanitizer build: every block goes to the allocator, none is kept.
    void* block = CHtmlObjectPool::allocate(40);
    CHtmlObjectPool::deallocate(block, 40);
    EXPECT_EQ(CHtmlObjectPool::keptBlocks(), 0u);
    return;
  }
  void* small = CHtmlObjectPool::allocate(24);
  void* medium = CHtmlObjectPool::allocate(40);
  std::size_t before = CHtmlObjectPool::keptBlocks();
  CHtmlObjectPool::deallocate(small, 24);
  CHtmlObjectPool::deallocate(medium, 40);
  EXPECT_EQ(CHtmlObjectPool::keptBlocks(), before + 2);

  // 17 to 32 bytes share a class; 40 is in the next one.
  EXPECT_EQ(CHtmlObjectPool::allocate(32), small);
  EXPECT_EQ(CHtmlObjectPool::allocate(33), medium);
  EXPECT_EQ(CHtmlObjectPool::keptBlocks(), before);
  CHtmlObjectPool::deallocate(small, 32);
  CHtmlObjectPool::deallocate(medium, 33);

  // Large blocks are never kept; null is ignored.
  std::size_t kept = CHtmlObjectPool::keptBlocks();
  CHtmlObjectPool::deallocate(CHtmlObjectPool::allocate(CHtmlObjectPool::kLargestPooled + 1),
                              CHtmlObjectPool::kLargestPooled + 1);
  CHtmlObjectPool::deallocate(nullptr, 24);
  EXPECT_EQ(CHtmlObjectPool::keptBlocks(), kept);
}

TEST(HtmlObjectPoolTest, ABurstOfFreedBlocksIsKeptOnlyUpToTheCap) {
  constexpr std::size_t kSize = 496;  // a class no other object of the tests uses
  std::vector<void*> blocks;
  for (unsigned i = 0; i < CHtmlObjectPool::kKeptPerClass + 10; ++i)
    blocks.push_back(CHtmlObjectPool::allocate(kSize));
  std::size_t before = CHtmlObjectPool::keptBlocks();
  for (void* block : blocks)
    CHtmlObjectPool::deallocate(block, kSize);
  std::size_t expected = CHtmlObjectPool::recycles() ? CHtmlObjectPool::kKeptPerClass : 0;
  EXPECT_EQ(CHtmlObjectPool::keptBlocks() - before, expected);
}

TEST(HtmlObjectPoolTest, AnObjectReleasedThroughItsRootReturnsItsOwnSize) {
  Root* object = new Bigger();
  void* address = object;
  std::size_t before = CHtmlObjectPool::keptBlocks();
  object->release();
  if (!CHtmlObjectPool::recycles())
    return;
  EXPECT_EQ(CHtmlObjectPool::keptBlocks(), before + 1);
  void* again = CHtmlObjectPool::allocate(sizeof(Bigger));
  EXPECT_EQ(again, address);
  CHtmlObjectPool::deallocate(again, sizeof(Bigger));
}

}  // namespace
