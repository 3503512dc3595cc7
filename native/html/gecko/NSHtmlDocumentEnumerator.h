// The one child of a frame, iframe or text/html object element: the document it shows,
// handed out once.
#ifndef NATIVE_HTML_GECKO_NSHTMLDOCUMENTENUMERATOR_H
#define NATIVE_HTML_GECKO_NSHTMLDOCUMENTENUMERATOR_H

#include "HtmlObject.h"
#include "HtmlRefCounted.h"

class CNSHtmlDocument;

class CNSHtmlDocumentEnumerator final
    : public CHtmlRefCounted<CNSHtmlDocumentEnumerator, IHtmlEnumerator> {
 public:
  // Takes over the caller's reference to `document`.
  explicit CNSHtmlDocumentEnumerator(CNSHtmlDocument* document) : m_document(document) {}
  ~CNSHtmlDocumentEnumerator();

  // IHtmlEnumerator
  IHtmlObject* nextElement() override;
  bool hasMoreElements() override { return m_document != nullptr; }

 private:
  CNSHtmlDocument* m_document;
};

#endif
