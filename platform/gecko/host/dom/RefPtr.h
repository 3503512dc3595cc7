// An owning pointer to a counted host object (one with addRef() and release()), the host's
// counterpart of Gecko's nsRefPtr. Parents hold their children with it; weak links are plain
// pointers documented as such.
#ifndef GECKOHOST_DOM_REFPTR_H
#define GECKOHOST_DOM_REFPTR_H

#include <cstddef>
#include <utility>

namespace geckohost {

template <class T>
class RefPtr {
 public:
  RefPtr() = default;
  RefPtr(std::nullptr_t) {}
  RefPtr(T* raw) : mRaw(raw) {
    if (mRaw)
      mRaw->addRef();
  }
  RefPtr(const RefPtr& other) : RefPtr(other.mRaw) {}
  RefPtr(RefPtr&& other) noexcept : mRaw(std::exchange(other.mRaw, nullptr)) {}
  template <class U>
  RefPtr(const RefPtr<U>& other) : RefPtr(other.get()) {}
  template <class U>
  RefPtr(RefPtr<U>&& other) noexcept : mRaw(other.forget()) {}
  ~RefPtr() {
    if (mRaw)
      mRaw->release();
  }

  RefPtr& operator=(const RefPtr& other) { return *this = RefPtr(other); }
  RefPtr& operator=(RefPtr&& other) noexcept {
    RefPtr old(std::move(*this));
    mRaw = std::exchange(other.mRaw, nullptr);
    return *this;
  }

  T* get() const { return mRaw; }
  T* operator->() const { return mRaw; }
  T& operator*() const { return *mRaw; }
  explicit operator bool() const { return mRaw != nullptr; }

  // Gives up ownership without releasing; the caller now holds the reference.
  T* forget() { return std::exchange(mRaw, nullptr); }

 private:
  T* mRaw = nullptr;
};

template <class T>
bool operator==(const RefPtr<T>& a, std::nullptr_t) {
  return !a;
}
template <class T>
bool operator!=(const RefPtr<T>& a, std::nullptr_t) {
  return bool(a);
}
template <class T, class U>
bool operator==(const RefPtr<T>& a, const RefPtr<U>& b) {
  return a.get() == b.get();
}
template <class T, class U>
bool operator==(const RefPtr<T>& a, const U* b) {
  return a.get() == b;
}
template <class T, class U>
bool operator!=(const RefPtr<T>& a, const U* b) {
  return a.get() != b;
}

}  // namespace geckohost

#endif
