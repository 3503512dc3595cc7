// Storage for the library's reference-counted objects. An agent's walk makes and drops a value
// object for every property it reads and a wrapper for every node it visits, a few hundred
// thousand small blocks a second; the pool keeps freed blocks on lists by 16-byte size class and
// hands them out again, so most of them never reach malloc.
//
// Blocks above kLargestPooled bytes, and every block in a sanitizer build (where the allocator
// itself must see each use after free), go straight to the global operator new and delete.
#ifndef NATIVE_HTML_COMMON_HTMLOBJECTPOOL_H
#define NATIVE_HTML_COMMON_HTMLOBJECTPOOL_H

#include <cstddef>

class CHtmlObjectPool {
 public:
  static constexpr std::size_t kGranule = 16;
  static constexpr std::size_t kLargestPooled = 512;
  // Freed blocks kept per size class; beyond this they go back to malloc, so a
  // burst of objects does not pin its memory for good.
  static constexpr unsigned kKeptPerClass = 256;

  // `size` bytes, aligned for any object; throws std::bad_alloc as operator new does.
  static void* allocate(std::size_t size);
  // Takes back a block from allocate() of the same `size`; null is ignored.
  static void deallocate(void* block, std::size_t size) noexcept;

  // Whether freed blocks are kept at all (not in a sanitizer build).
  static bool recycles() noexcept;
  // Freed blocks waiting on the lists.
  static std::size_t keptBlocks() noexcept;
};

#endif
