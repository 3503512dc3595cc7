// The base of every host object that crosses the XPCOM surface: a reference count, the
// liveness accounting, and QueryInterface over the interfaces the class lists.
//
//   class Window final : public XPCOMObject<nsIDOMWindow, nsIInterfaceRequestor> { ... };
//
// QueryInterface answers each listed interface, nsISupports (as the first listed interface,
// the object's identity), and whatever QueryExtraInterface adds: base interfaces of the listed
// ones, and interfaces that depend on the object's state (an element answers
// nsIDOMHTMLInputElement only when it is an input).
#ifndef GECKOHOST_XPCOM_XPCOMOBJECT_H
#define GECKOHOST_XPCOM_XPCOMOBJECT_H

#include "LiveObjects.h"
#include "nsISupports.h"

namespace geckohost {

template <class First, class... Rest>
class XPCOMObject : public First, public Rest... {
 public:
  NS_IMETHOD_(nsrefcnt) AddRef() override { return ++mRefCnt; }

  NS_IMETHOD_(nsrefcnt) Release() override {
    nsrefcnt count = --mRefCnt;
    if (count == 0)
      delete this;
    return count;
  }

  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override {
    if (!aResult)
      return NS_ERROR_NULL_POINTER;
    *aResult = FindListed<First, Rest...>(aIID);
    if (!*aResult && aIID.Equals(NS_GET_IID(nsISupports))) {
      *aResult = static_cast<nsISupports*>(static_cast<First*>(this));
    }
    if (!*aResult)
      *aResult = QueryExtraInterface(aIID);
    if (!*aResult)
      return NS_ERROR_NO_INTERFACE;
    static_cast<nsISupports*>(static_cast<First*>(this))->AddRef();
    return NS_OK;
  }

  // The object's identity as XPCOM sees it.
  nsISupports* canonical() { return static_cast<nsISupports*>(static_cast<First*>(this)); }

  nsrefcnt referenceCountForTesting() const { return mRefCnt; }

 protected:
  // Process-lifetime singletons (the service manager) are not counted: they exist from their
  // first use on, and no test can leak or free them.
  enum class Counting { Counted, ProcessLifetime };

  explicit XPCOMObject(Counting counting = Counting::Counted)
      : mCounted(counting == Counting::Counted) {
    if (mCounted)
      LiveObjects::added();
  }
  virtual ~XPCOMObject() {
    if (mCounted)
      LiveObjects::removed();
  }

  // Further interfaces this object answers; null for none. No reference is added here.
  virtual void* QueryExtraInterface(const nsIID& aIID) { return nullptr; }

 private:
  template <class I, class... More>
  void* FindListed(const nsIID& aIID) {
    if (aIID.Equals(NS_GET_IID(I)))
      return static_cast<I*>(this);
    if constexpr (sizeof...(More) > 0) {
      return FindListed<More...>(aIID);
    } else {
      return nullptr;
    }
  }

  nsrefcnt mRefCnt = 0;
  bool mCounted;
};

}  // namespace geckohost

#endif
