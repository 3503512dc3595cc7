// The reference count every concrete object of the library carries, right after its
// virtual-table pointer: a plain int, starting at 1 for the creator, changed without locks
// (all calls come from the browser's main thread).
//
//   class CNSHtmlDomain final : public CHtmlRefCounted<CNSHtmlDomain, IHtmlDomain> { ... };
//
// `Derived` is the class release() deletes: a final class, or the root of a hierarchy that
// declares its own virtual destructor.
#ifndef NATIVE_HTML_COMMON_HTMLREFCOUNTED_H
#define NATIVE_HTML_COMMON_HTMLREFCOUNTED_H

#include <cstddef>

#include "HtmlObjectPool.h"

template <class Derived, class Interface>
class CHtmlRefCounted : public Interface {
 public:
  void addRef() override { ++m_refCount; }

  void release() override {
    if (--m_refCount == 0)
      delete static_cast<Derived*>(this);
  }

  int getReferenceCount() override { return m_refCount; }

  // The objects come and go by the hundred thousand in a page walk: their blocks are recycled.
  // The sized delete receives the size of the object's own class, also through a virtual
  // destructor.
  static void* operator new(std::size_t size) { return CHtmlObjectPool::allocate(size); }
  static void operator delete(void* block, std::size_t size) noexcept {
    CHtmlObjectPool::deallocate(block, size);
  }

 protected:
  CHtmlRefCounted() = default;
  ~CHtmlRefCounted() = default;
  CHtmlRefCounted(const CHtmlRefCounted&) = delete;
  CHtmlRefCounted& operator=(const CHtmlRefCounted&) = delete;

  int m_refCount = 1;
};

#endif
