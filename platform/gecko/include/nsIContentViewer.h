// Declares the part of nsIContentViewer that this code base uses: the document a shell
// shows, its container (the shell), its bounds in the parent widget, showing and tearing
// down. Left out: load notifications, unloading, page mode and history entries.
#ifndef __gen_nsIContentViewer_h__
#define __gen_nsIContentViewer_h__

#include "nsISupports.h"

class nsIDOMDocument;

#include "nsRect.h"

#define NS_ICONTENTVIEWER_IID_STR "6e4a2b56-da53-46e9-b23c-c96bbe461788"

#define NS_ICONTENTVIEWER_IID                        \
  {                                                  \
    0x6e4a2b56, 0xda53, 0x46e9, {                    \
      0xb2, 0x3c, 0xc9, 0x6b, 0xbe, 0x46, 0x17, 0x88 \
    }                                                \
  }

class nsIContentViewer : public nsISupports {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_ICONTENTVIEWER_IID)

  NS_IMETHOD GetContainer(nsISupports** aContainer) = 0;
  NS_IMETHOD SetContainer(nsISupports* aContainer) = 0;
  NS_IMETHOD Destroy(void) = 0;
  NS_IMETHOD Stop(void) = 0;
  NS_IMETHOD GetDOMDocument(nsIDOMDocument** aDOMDocument) = 0;
  NS_IMETHOD SetDOMDocument(nsIDOMDocument* aDOMDocument) = 0;
  NS_IMETHOD GetBounds(nsIntRect& aBounds) = 0;
  NS_IMETHOD SetBounds(const nsIntRect& aBounds) = 0;
  NS_IMETHOD Move(PRInt32 aX, PRInt32 aY) = 0;
  NS_IMETHOD Show(void) = 0;
  NS_IMETHOD Hide(void) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIContentViewer, NS_ICONTENTVIEWER_IID)

// Declares every method of nsIContentViewer in a class that implements it.
#define NS_DECL_NSICONTENTVIEWER                                     \
  NS_IMETHOD GetContainer(nsISupports** aContainer) override;        \
  NS_IMETHOD SetContainer(nsISupports* aContainer) override;         \
  NS_IMETHOD Destroy(void) override;                                 \
  NS_IMETHOD Stop(void) override;                                    \
  NS_IMETHOD GetDOMDocument(nsIDOMDocument** aDOMDocument) override; \
  NS_IMETHOD SetDOMDocument(nsIDOMDocument* aDOMDocument) override;  \
  NS_IMETHOD GetBounds(nsIntRect& aBounds) override;                 \
  NS_IMETHOD SetBounds(const nsIntRect& aBounds) override;           \
  NS_IMETHOD Move(PRInt32 aX, PRInt32 aY) override;                  \
  NS_IMETHOD Show(void) override;                                    \
  NS_IMETHOD Hide(void) override;

// Implements every method of nsIContentViewer by calling the same method of _to.
#define NS_FORWARD_NSICONTENTVIEWER(_to)                              \
  NS_IMETHOD GetContainer(nsISupports** aContainer) override {        \
    return _to GetContainer(aContainer);                              \
  }                                                                   \
  NS_IMETHOD SetContainer(nsISupports* aContainer) override {         \
    return _to SetContainer(aContainer);                              \
  }                                                                   \
  NS_IMETHOD Destroy(void) override {                                 \
    return _to Destroy();                                             \
  }                                                                   \
  NS_IMETHOD Stop(void) override {                                    \
    return _to Stop();                                                \
  }                                                                   \
  NS_IMETHOD GetDOMDocument(nsIDOMDocument** aDOMDocument) override { \
    return _to GetDOMDocument(aDOMDocument);                          \
  }                                                                   \
  NS_IMETHOD SetDOMDocument(nsIDOMDocument* aDOMDocument) override {  \
    return _to SetDOMDocument(aDOMDocument);                          \
  }                                                                   \
  NS_IMETHOD GetBounds(nsIntRect& aBounds) override {                 \
    return _to GetBounds(aBounds);                                    \
  }                                                                   \
  NS_IMETHOD SetBounds(const nsIntRect& aBounds) override {           \
    return _to SetBounds(aBounds);                                    \
  }                                                                   \
  NS_IMETHOD Move(PRInt32 aX, PRInt32 aY) override {                  \
    return _to Move(aX, aY);                                          \
  }                                                                   \
  NS_IMETHOD Show(void) override {                                    \
    return _to Show();                                                \
  }                                                                   \
  NS_IMETHOD Hide(void) override {                                    \
    return _to Hide();                                                \
  }

#endif
