// Small XPCOM objects for exercising the glue without the host's classes.
#ifndef TESTS_PLATFORM_XPCOM_TESTOBJECTS_H
#define TESTS_PLATFORM_XPCOM_TESTOBJECTS_H

#include "nsIInterfaceRequestor.h"
#include "nsISupports.h"

#define TEST_IPING_IID                               \
  {                                                  \
    0x6f1c2a34, 0x0b8e, 0x4d2f, {                    \
      0x9a, 0x61, 0x3c, 0x5e, 0x7d, 0x10, 0x22, 0x81 \
    }                                                \
  }

class testIPing : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(TEST_IPING_IID)
  NS_IMETHOD Ping(PRInt32* aAnswer) = 0;
};
NS_DEFINE_STATIC_IID_ACCESSOR(testIPing, TEST_IPING_IID)

// Answers testIPing with a fixed number, and hands out a second object through
// nsIInterfaceRequestor when one is given. Counts its destruction in *destroyed.
class PingObject final : public testIPing, public nsIInterfaceRequestor {
 public:
  PingObject(PRInt32 answer, int* destroyed) : mAnswer(answer), mDestroyed(destroyed) {}

  NS_IMETHOD QueryInterface(const nsIID& aIID, void** aResult) override {
    *aResult = nullptr;
    if (aIID.Equals(NS_GET_IID(testIPing)) || aIID.Equals(NS_GET_IID(nsISupports))) {
      *aResult = static_cast<testIPing*>(this);
    } else if (aIID.Equals(NS_GET_IID(nsIInterfaceRequestor))) {
      *aResult = static_cast<nsIInterfaceRequestor*>(this);
    } else {
      return NS_ERROR_NO_INTERFACE;
    }
    AddRef();
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef() override { return ++mRefCnt; }
  NS_IMETHOD_(nsrefcnt) Release() override {
    nsrefcnt count = --mRefCnt;
    if (count == 0) {
      if (mDestroyed)
        ++*mDestroyed;
      delete this;
    }
    return count;
  }
  NS_IMETHOD Ping(PRInt32* aAnswer) override {
    *aAnswer = mAnswer;
    return NS_OK;
  }
  NS_IMETHOD GetInterface(const nsIID& aIID, void** aResult) override {
    *aResult = nullptr;
    if (!mRelated)
      return NS_ERROR_NO_INTERFACE;
    return mRelated->QueryInterface(aIID, aResult);
  }

  void setRelated(nsISupports* related) { mRelated = related; }
  nsrefcnt count() const { return mRefCnt; }

 private:
  ~PingObject() = default;

  PRInt32 mAnswer;
  int* mDestroyed;
  nsISupports* mRelated = nullptr;  // weak; the test owns it
  nsrefcnt mRefCnt = 0;
};

#endif
