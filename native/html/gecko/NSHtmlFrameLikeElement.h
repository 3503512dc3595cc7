// What FRAME and IFRAME element objects share: the content document as their one child, the
// position among the frames of the same tag in their page, and a client rectangle limited to
// the content's body.
#ifndef NATIVE_HTML_GECKO_NSHTMLFRAMELIKEELEMENT_H
#define NATIVE_HTML_GECKO_NSHTMLFRAMELIKEELEMENT_H

#include "NSHtmlDocument.h"
#include "NSHtmlDocumentEnumerator.h"
#include "NSHtmlElement.h"
#include "NSHtmlPropertyValue.h"
#include "nsIDOMDocument.h"
#include "nsIDOMHTMLDocument.h"

template <class FrameInterface>
class CNSHtmlFrameLikeElement : public CNSHtmlElement {
 public:
  // Whether the element supports the frame interface of this kind.
  static bool supports(nsIDOMHTMLElement* element) {
    nsCOMPtr<FrameInterface> frame = do_QueryInterface(element);
    return frame != nullptr;
  }

  // The HTML document `element` shows as a frame of this kind: null when it shows none, or
  // shows one that is not HTML (which is traced).
  static nsCOMPtr<nsIDOMHTMLDocument> shownHtmlDocument(nsIDOMHTMLElement* element) {
    nsCOMPtr<nsIDOMHTMLDocument> html;
    nsCOMPtr<FrameInterface> frame = do_QueryInterface(element);
    nsCOMPtr<nsIDOMDocument> content;
    if (!frame || NS_FAILED(frame->GetContentDocument(getter_AddRefs(content))) || !content)
      return html;
    html = do_QueryInterface(content);
    if (!html)
      ReportError("Frame document is not an HTML document!", kLineGetDocument);
    return html;
  }

  // The document the frame shows, when it is an HTML document.
  bool getDocument(CHtmlObjectPtr<CNSHtmlDocument>& document) {
    document = nullptr;
    try {
      nsCOMPtr<nsIDOMHTMLDocument> html = shownHtmlDocument(m_element);
      if (html)
        document = new CNSHtmlDocument(html);
    } catch (...) {
      reportException(kLineGetDocument);
    }
    return document != nullptr;
  }

  void setFrameIndex(int index) { m_frameIndex = index; }

  IHtmlEnumerator* getChildren() override {
    try {
      CHtmlObjectPtr<CNSHtmlDocument> document;
      if (getDocument(document))
        return new CNSHtmlDocumentEnumerator(document.detach());
      ReportError("No document for element", kLineGetChildren);
    } catch (...) {
      reportException(kLineGetChildren);
    }
    return nullptr;
  }

  using CNSHtmlElement::getProperty;
  IHtmlPropertyValue* getProperty(unsigned int id) override {
    try {
      switch (id) {
        case kName: {
          nsCOMPtr<FrameInterface> frame = do_QueryInterface(m_element);
          nsString_external name;
          if (frame)
            frame->GetName(name);
          return new CNSHtmlPropertyValue(name);
        }
        case kFrameIndex:
          return new CNSHtmlPropertyValue(getFrameIndex());
        case kClientRect: {
          nsRect rect = getClientRect();
          return new CNSHtmlPropertyValue(rect);
        }
        default:
          return CNSHtmlElement::getProperty(id);
      }
    } catch (...) {
      reportException(kLineGetProperty);
    }
    return nullptr;
  }

 protected:
  explicit CNSHtmlFrameLikeElement(nsCOMPtr<nsIDOMHTMLElement>& element)
      : CNSHtmlElement(element), m_frameIndex(-1) {}

 private:
  enum : unsigned int { kName = 3, kFrameIndex = 60, kClientRect = 62 };
  enum : unsigned int { kLineGetDocument = 60, kLineGetChildren = 90, kLineGetProperty = 130 };

  // Asks the page that holds the frame to number it, the first time.
  int getFrameIndex() {
    if (m_frameIndex >= 0)
      return m_frameIndex;
    CHtmlObjectPtr<CNSHtmlDocument> content;
    CHtmlObjectPtr<CNSHtmlDocument> page;
    if (!getDocument(content) || !content->getParentDocument(page))
      return m_frameIndex;
    CHtmlObjectPtr<IHtmlElement> found;
    if (!page->findFrame(*content, found))
      return m_frameIndex;
    auto* element = static_cast<CNSHtmlElement*>(static_cast<IHtmlElement*>(found));
    if (supports(element->getElement())) {
      m_frameIndex = static_cast<CNSHtmlFrameLikeElement*>(element)->m_frameIndex;
    }
    return m_frameIndex;
  }

  // The screen rectangle, narrowed to the content body's client size where that is smaller.
  nsRect getClientRect() {
    nsRect rect = getScreenRect();
    CHtmlObjectPtr<CNSHtmlDocument> content;
    if (!getDocument(content))
      return rect;
    int bodyWidth = content->getDocBodyWidth();
    if (bodyWidth != 0 && bodyWidth < rect.width) {
      rect.width = bodyWidth;
    } else {
      rect.width -= content->getScrollbarVWidth();
    }
    int bodyHeight = content->getDocBodyHeight();
    if (bodyHeight != 0 && bodyHeight < rect.height) {
      rect.height = bodyHeight;
    } else {
      rect.height -= content->getScrollbarHHeight();
    }
    return rect;
  }

  int m_frameIndex;
};

#endif
