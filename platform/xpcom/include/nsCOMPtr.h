// nsCOMPtr<T>: the owning smart pointer for XPCOM interfaces, with its helpers
// do_QueryInterface, getter_AddRefs and already_AddRefed.
#ifndef nsCOMPtr_h___
#define nsCOMPtr_h___

#include <utility>

#include "nsISupports.h"

// A reference that has already been counted for whoever receives it; nsCOMPtr adopts it.
template <class T>
struct already_AddRefed {
  already_AddRefed() : mRawPtr(nsnull) {}
  explicit already_AddRefed(T* aRawPtr) : mRawPtr(aRawPtr) {}
  T* get() const { return mRawPtr; }
  T* mRawPtr;
};

// Something that produces an interface pointer on request: the base of do_GetService,
// do_CreateInstance and do_GetInterface.
class nsCOMPtr_helper {
 public:
  virtual nsresult operator()(const nsIID& aIID, void** aResult) const = 0;

 protected:
  ~nsCOMPtr_helper() = default;
};

class nsQueryInterface {
 public:
  explicit nsQueryInterface(nsISupports* aRawPtr) : mRawPtr(aRawPtr) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const;

 private:
  nsISupports* mRawPtr;
};

class nsQueryInterfaceWithError {
 public:
  nsQueryInterfaceWithError(nsISupports* aRawPtr, nsresult* aError)
      : mRawPtr(aRawPtr), mErrorPtr(aError) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const;

 private:
  nsISupports* mRawPtr;
  nsresult* mErrorPtr;
};

inline nsQueryInterface do_QueryInterface(nsISupports* aRawPtr) {
  return nsQueryInterface(aRawPtr);
}
inline nsQueryInterfaceWithError do_QueryInterface(nsISupports* aRawPtr, nsresult* aError) {
  return nsQueryInterfaceWithError(aRawPtr, aError);
}

template <class T>
class nsCOMPtr {
 public:
  typedef T element_type;

  nsCOMPtr() : mRawPtr(nsnull) {}
  nsCOMPtr(T* aRawPtr) : mRawPtr(aRawPtr) { NS_IF_ADDREF(mRawPtr); }
  nsCOMPtr(const nsCOMPtr<T>& aOther) : mRawPtr(aOther.mRawPtr) { NS_IF_ADDREF(mRawPtr); }
  nsCOMPtr(nsCOMPtr<T>&& aOther) noexcept : mRawPtr(aOther.mRawPtr) { aOther.mRawPtr = nsnull; }
  nsCOMPtr(const already_AddRefed<T>& aSmartPtr) : mRawPtr(aSmartPtr.mRawPtr) {}
  nsCOMPtr(const nsQueryInterface& aQI) : mRawPtr(nsnull) { assign_from_helper(aQI); }
  nsCOMPtr(const nsQueryInterfaceWithError& aQI) : mRawPtr(nsnull) { assign_from_helper(aQI); }
  nsCOMPtr(const nsCOMPtr_helper& aHelper) : mRawPtr(nsnull) { assign_from_helper(aHelper); }
  ~nsCOMPtr() { NS_IF_RELEASE(mRawPtr); }

  nsCOMPtr<T>& operator=(T* aRhs) {
    NS_IF_ADDREF(aRhs);
    assign_assuming_AddRef(aRhs);
    return *this;
  }
  nsCOMPtr<T>& operator=(const nsCOMPtr<T>& aRhs) { return operator=(aRhs.mRawPtr); }
  nsCOMPtr<T>& operator=(nsCOMPtr<T>&& aRhs) noexcept {
    if (this != &aRhs) {
      T* taken = aRhs.mRawPtr;
      aRhs.mRawPtr = nsnull;
      assign_assuming_AddRef(taken);
    }
    return *this;
  }
  nsCOMPtr<T>& operator=(const already_AddRefed<T>& aRhs) {
    assign_assuming_AddRef(aRhs.mRawPtr);
    return *this;
  }
  nsCOMPtr<T>& operator=(const nsQueryInterface& aRhs) {
    assign_from_helper(aRhs);
    return *this;
  }
  nsCOMPtr<T>& operator=(const nsQueryInterfaceWithError& aRhs) {
    assign_from_helper(aRhs);
    return *this;
  }
  nsCOMPtr<T>& operator=(const nsCOMPtr_helper& aRhs) {
    assign_from_helper(aRhs);
    return *this;
  }

  void swap(nsCOMPtr<T>& aRhs) { std::swap(mRawPtr, aRhs.mRawPtr); }
  void swap(T*& aRhs) { std::swap(mRawPtr, aRhs); }

  // Gives up ownership without releasing.
  already_AddRefed<T> forget() {
    T* temp = mRawPtr;
    mRawPtr = nsnull;
    return already_AddRefed<T>(temp);
  }
  void forget(T** aRhs) { *aRhs = forget().mRawPtr; }

  T* get() const { return mRawPtr; }
  operator T*() const { return mRawPtr; }
  T* operator->() const { return mRawPtr; }
  T& operator*() const { return *mRawPtr; }

  // Used by getter_AddRefs: releases what is held and lends the slot for an out-parameter.
  T** StartAssignment() {
    assign_assuming_AddRef(nsnull);
    return &mRawPtr;
  }

 private:
  void assign_assuming_AddRef(T* aNewPtr) {
    T* old = mRawPtr;
    mRawPtr = aNewPtr;
    NS_IF_RELEASE(old);
  }
  template <class Helper>
  void assign_from_helper(const Helper& aHelper) {
    void* newRaw = nsnull;
    if (NS_FAILED(aHelper(NS_GET_IID(T), &newRaw)))
      newRaw = nsnull;
    assign_assuming_AddRef(static_cast<T*>(newRaw));
  }

  T* mRawPtr;
};

template <class T>
class nsGetterAddRefs {
 public:
  explicit nsGetterAddRefs(nsCOMPtr<T>& aSmartPtr) : mTargetSmartPtr(aSmartPtr) {}
  operator T**() { return mTargetSmartPtr.StartAssignment(); }
  operator void**() { return reinterpret_cast<void**>(mTargetSmartPtr.StartAssignment()); }
  T*& operator*() { return *(mTargetSmartPtr.StartAssignment()); }

 private:
  nsCOMPtr<T>& mTargetSmartPtr;
};

template <class T>
inline nsGetterAddRefs<T> getter_AddRefs(nsCOMPtr<T>& aSmartPtr) {
  return nsGetterAddRefs<T>(aSmartPtr);
}

// Identity of two XPCOM pointers is the identity of their canonical nsISupports; these
// operators compare the pointers as they stand, like Gecko's.
template <class T, class U>
inline bool operator==(const nsCOMPtr<T>& aLhs, const nsCOMPtr<U>& aRhs) {
  return static_cast<const void*>(aLhs.get()) == static_cast<const void*>(aRhs.get());
}
template <class T, class U>
inline bool operator!=(const nsCOMPtr<T>& aLhs, const nsCOMPtr<U>& aRhs) {
  return !(aLhs == aRhs);
}
template <class T, class U>
inline bool operator==(const nsCOMPtr<T>& aLhs, const U* aRhs) {
  return static_cast<const void*>(aLhs.get()) == static_cast<const void*>(aRhs);
}
template <class T, class U>
inline bool operator!=(const nsCOMPtr<T>& aLhs, const U* aRhs) {
  return !(aLhs == aRhs);
}
template <class T, class U>
inline bool operator==(const U* aLhs, const nsCOMPtr<T>& aRhs) {
  return aRhs == aLhs;
}
template <class T, class U>
inline bool operator!=(const U* aLhs, const nsCOMPtr<T>& aRhs) {
  return !(aRhs == aLhs);
}

// Queries `aSource` for T and hands over the reference through `aDestination`.
template <class T, class DestinationType>
inline nsresult CallQueryInterface(T* aSource, DestinationType** aDestination) {
  if (!aSource || !aDestination)
    return NS_ERROR_NULL_POINTER;
  return aSource->QueryInterface(NS_GET_IID(DestinationType),
                                 reinterpret_cast<void**>(aDestination));
}

#endif
