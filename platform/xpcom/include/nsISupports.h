// The root interface of XPCOM: reference counting and interface discovery.
#ifndef nsISupports_h__
#define nsISupports_h__

#include "nsID.h"
#include "nscore.h"

// An interface names its identifier once, with NS_DECLARE_STATIC_IID_ACCESSOR inside the class
// and NS_DEFINE_STATIC_IID_ACCESSOR after it; NS_GET_IID(nsIFoo) reads it back.
#define NS_DECLARE_STATIC_IID_ACCESSOR(the_iid) \
  template <class Dummy>                        \
  struct COMTypeInfo {                          \
    static const nsIID kIID;                    \
  };

#define NS_DEFINE_STATIC_IID_ACCESSOR(the_interface, the_iid) \
  template <class Dummy>                                      \
  const nsIID the_interface::COMTypeInfo<Dummy>::kIID = the_iid;

#define NS_GET_IID(T) (T::template COMTypeInfo<int>::kIID)

#define NS_ISUPPORTS_IID                             \
  {                                                  \
    0x00000000, 0x0000, 0x0000, {                    \
      0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 \
    }                                                \
  }

class nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ISUPPORTS_IID)

  NS_IMETHOD QueryInterface(REFNSIID aIID, void** aInstancePtr) = 0;
  NS_IMETHOD_(nsrefcnt) AddRef(void) = 0;
  NS_IMETHOD_(nsrefcnt) Release(void) = 0;

 protected:
  ~nsISupports() = default;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsISupports, NS_ISUPPORTS_IID)

#define NS_IF_ADDREF(expr) \
  do {                     \
    if (expr)              \
      (expr)->AddRef();    \
  } while (0)
#define NS_IF_RELEASE(expr) \
  do {                      \
    if (expr) {             \
      (expr)->Release();    \
      (expr) = 0;           \
    }                       \
  } while (0)
#define NS_ADDREF(expr) (expr)->AddRef()
#define NS_RELEASE(expr) \
  do {                   \
    (expr)->Release();   \
    (expr) = 0;          \
  } while (0)

#endif
