// An HTML document: title, address, cookie, the collections of images, links, forms and the
// like, and elements by name.
#ifndef __gen_nsIDOMHTMLDocument_h__
#define __gen_nsIDOMHTMLDocument_h__

#include "nsIDOMDocument.h"
#include "nsStringAPI.h"

class nsIDOMHTMLCollection;
class nsIDOMHTMLElement;
class nsIDOMNodeList;

#define NS_IDOMHTMLDOCUMENT_IID_STR "a6cf9084-15b3-11d2-932e-00805f8add32"

#define NS_IDOMHTMLDOCUMENT_IID                      \
  {                                                  \
    0xa6cf9084, 0x15b3, 0x11d2, {                    \
      0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 \
    }                                                \
  }

class nsIDOMHTMLDocument : public nsIDOMDocument {
 public:
  NS_DECLARE_STATIC_IID_ACCESSOR(NS_IDOMHTMLDOCUMENT_IID)

  NS_IMETHOD GetTitle(nsAString& aTitle) = 0;
  NS_IMETHOD SetTitle(const nsAString& aTitle) = 0;
  NS_IMETHOD GetReferrer(nsAString& aReferrer) = 0;
  NS_IMETHOD GetDomain(nsAString& aDomain) = 0;
  NS_IMETHOD GetURL(nsAString& aURL) = 0;
  NS_IMETHOD GetBody(nsIDOMHTMLElement** aBody) = 0;
  NS_IMETHOD SetBody(nsIDOMHTMLElement* aBody) = 0;
  NS_IMETHOD GetImages(nsIDOMHTMLCollection** aImages) = 0;
  NS_IMETHOD GetApplets(nsIDOMHTMLCollection** aApplets) = 0;
  NS_IMETHOD GetLinks(nsIDOMHTMLCollection** aLinks) = 0;
  NS_IMETHOD GetForms(nsIDOMHTMLCollection** aForms) = 0;
  NS_IMETHOD GetAnchors(nsIDOMHTMLCollection** aAnchors) = 0;
  NS_IMETHOD GetCookie(nsAString& aCookie) = 0;
  NS_IMETHOD SetCookie(const nsAString& aCookie) = 0;
  NS_IMETHOD Open(void) = 0;
  NS_IMETHOD Close(void) = 0;
  NS_IMETHOD Write(const nsAString& text) = 0;
  NS_IMETHOD Writeln(const nsAString& text) = 0;
  NS_IMETHOD GetElementsByName(const nsAString& elementName, nsIDOMNodeList** _retval) = 0;
};

NS_DEFINE_STATIC_IID_ACCESSOR(nsIDOMHTMLDocument, NS_IDOMHTMLDOCUMENT_IID)

// Declares every method of nsIDOMHTMLDocument in a class that implements it.
#define NS_DECL_NSIDOMHTMLDOCUMENT                                 \
  NS_IMETHOD GetTitle(nsAString& aTitle) override;                 \
  NS_IMETHOD SetTitle(const nsAString& aTitle) override;           \
  NS_IMETHOD GetReferrer(nsAString& aReferrer) override;           \
  NS_IMETHOD GetDomain(nsAString& aDomain) override;               \
  NS_IMETHOD GetURL(nsAString& aURL) override;                     \
  NS_IMETHOD GetBody(nsIDOMHTMLElement** aBody) override;          \
  NS_IMETHOD SetBody(nsIDOMHTMLElement* aBody) override;           \
  NS_IMETHOD GetImages(nsIDOMHTMLCollection** aImages) override;   \
  NS_IMETHOD GetApplets(nsIDOMHTMLCollection** aApplets) override; \
  NS_IMETHOD GetLinks(nsIDOMHTMLCollection** aLinks) override;     \
  NS_IMETHOD GetForms(nsIDOMHTMLCollection** aForms) override;     \
  NS_IMETHOD GetAnchors(nsIDOMHTMLCollection** aAnchors) override; \
  NS_IMETHOD GetCookie(nsAString& aCookie) override;               \
  NS_IMETHOD SetCookie(const nsAString& aCookie) override;         \
  NS_IMETHOD Open(void) override;                                  \
  NS_IMETHOD Close(void) override;                                 \
  NS_IMETHOD Write(const nsAString& text) override;                \
  NS_IMETHOD Writeln(const nsAString& text) override;              \
  NS_IMETHOD GetElementsByName(const nsAString& elementName, nsIDOMNodeList** _retval) override;

// Implements every method of nsIDOMHTMLDocument by calling the same method of _to.
#define NS_FORWARD_NSIDOMHTMLDOCUMENT(_to)                                                        \
  NS_IMETHOD GetTitle(nsAString& aTitle) override {                                               \
    return _to GetTitle(aTitle);                                                                  \
  }                                                                                               \
  NS_IMETHOD SetTitle(const nsAString& aTitle) override {                                         \
    return _to SetTitle(aTitle);                                                                  \
  }                                                                                               \
  NS_IMETHOD GetReferrer(nsAString& aReferrer) override {                                         \
    return _to GetReferrer(aReferrer);                                                            \
  }                                                                                               \
  NS_IMETHOD GetDomain(nsAString& aDomain) override {                                             \
    return _to GetDomain(aDomain);                                                                \
  }                                                                                               \
  NS_IMETHOD GetURL(nsAString& aURL) override {                                                   \
    return _to GetURL(aURL);                                                                      \
  }                                                                                               \
  NS_IMETHOD GetBody(nsIDOMHTMLElement** aBody) override {                                        \
    return _to GetBody(aBody);                                                                    \
  }                                                                                               \
  NS_IMETHOD SetBody(nsIDOMHTMLElement* aBody) override {                                         \
    return _to SetBody(aBody);                                                                    \
  }                                                                                               \
  NS_IMETHOD GetImages(nsIDOMHTMLCollection** aImages) override {                                 \
    return _to GetImages(aImages);                                                                \
  }                                                                                               \
  NS_IMETHOD GetApplets(nsIDOMHTMLCollection** aApplets) override {                               \
    return _to GetApplets(aApplets);                                                              \
  }                                                                                               \
  NS_IMETHOD GetLinks(nsIDOMHTMLCollection** aLinks) override {                                   \
    return _to GetLinks(aLinks);                                                                  \
  }                                                                                               \
  NS_IMETHOD GetForms(nsIDOMHTMLCollection** aForms) override {                                   \
    return _to GetForms(aForms);                                                                  \
  }                                                                                               \
  NS_IMETHOD GetAnchors(nsIDOMHTMLCollection** aAnchors) override {                               \
    return _to GetAnchors(aAnchors);                                                              \
  }                                                                                               \
  NS_IMETHOD GetCookie(nsAString& aCookie) override {                                             \
    return _to GetCookie(aCookie);                                                                \
  }                                                                                               \
  NS_IMETHOD SetCookie(const nsAString& aCookie) override {                                       \
    return _to SetCookie(aCookie);                                                                \
  }                                                                                               \
  NS_IMETHOD Open(void) override {                                                                \
    return _to Open();                                                                            \
  }                                                                                               \
  NS_IMETHOD Close(void) override {                                                               \
    return _to Close();                                                                           \
  }                                                                                               \
  NS_IMETHOD Write(const nsAString& text) override {                                              \
    return _to Write(text);                                                                       \
  }                                                                                               \
  NS_IMETHOD Writeln(const nsAString& text) override {                                            \
    return _to Writeln(text);                                                                     \
  }                                                                                               \
  NS_IMETHOD GetElementsByName(const nsAString& elementName, nsIDOMNodeList** _retval) override { \
    return _to GetElementsByName(elementName, _retval);                                           \
  }

#endif
