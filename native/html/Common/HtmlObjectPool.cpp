#include "HtmlObjectPool.h"

#include <new>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooling = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPooling = false;
#else
constexpr bool kPooling = true;
#endif
#else
constexpr bool kPooling = true;
#endif

constexpr std::size_t kClasses = CHtmlObjectPool::kLargestPooled / CHtmlObjectPool::kGranule;

struct FreeBlock {
  FreeBlock* next;
};

// Plain data, never destroyed: objects released while the process exits still find it. Like
// the objects' reference counts it has no lock, as every call comes from the browser's main
// thread.
struct FreeLists {
  FreeBlock* heads[kClasses];
  unsigned counts[kClasses];
};

FreeLists gFreeLists;

// Size class of a block of `size` bytes (1 to kLargestPooled): 1-16 -> 0, 17-32 -> 1, ...
std::size_t classOf(std::size_t size) {
  return (size - 1) / CHtmlObjectPool::kGranule;
}

bool pooled(std::size_t size) {
  return kPooling && size != 0 && size <= CHtmlObjectPool::kLargestPooled;
}

}  // namespace

void* CHtmlObjectPool::allocate(std::size_t size) {
  if (!pooled(size))
    return ::operator new(size);
  std::size_t sizeClass = classOf(size);
  FreeLists& lists = gFreeLists;
  if (FreeBlock* block = lists.heads[sizeClass]) {
    lists.heads[sizeClass] = block->next;
    --lists.counts[sizeClass];
    return block;
  }
  // Every block of a class has the class's full size, whichever object asked first.
  return ::operator new((sizeClass + 1) * kGranule);
}

void CHtmlObjectPool::deallocate(void* block, std::size_t size) noexcept {
  if (!block)
    return;
  if (!pooled(size)) {
    ::operator delete(block);
    return;
  }
  std::size_t sizeClass = classOf(size);
  FreeLists& lists = gFreeLists;
  if (lists.counts[sizeClass] >= kKeptPerClass) {
    ::operator delete(block);
    return;
  }
  auto* freed = static_cast<FreeBlock*>(block);
  freed->next = lists.heads[sizeClass];
  lists.heads[sizeClass] = freed;
  ++lists.counts[sizeClass];
}

bool CHtmlObjectPool::recycles() noexcept {
  return kPooling;
}

std::size_t CHtmlObjectPool::keptBlocks() noexcept {
  std::size_t kept = 0;
  for (unsigned count : gFreeLists.counts)
    kept += count;
  return kept;
}
