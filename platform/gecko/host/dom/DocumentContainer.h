// What a document knows of the shell that shows it. The document shell implements this; a
// document parsed on its own (in a unit test) has no container and answers as Gecko does for a
// document without a window: no default view, no focus, no frames, no geometry.
#ifndef GECKOHOST_DOM_DOCUMENTCONTAINER_H
#define GECKOHOST_DOM_DOCUMENTCONTAINER_H

#include "nsRect.h"

class nsIDocShell;
class nsIDOMWindow;
class nsIPresShell;
class nsIScriptGlobalObject;

namespace geckohost {

class LayoutQuery;

namespace dom {

class Document;
class Element;
class HTMLScriptElement;

class DocumentContainer {
 public:
  // The shell that shows the document (weak; the shell owns the document).
  virtual nsIDocShell* docShell() = 0;

  // The outer DOM window of that shell (weak).
  virtual nsIDOMWindow* outerWindow() = 0;

  // The inner window made for this document, its script global object (weak).
  virtual nsIDOMWindow* innerWindow() = 0;
  // The same window as nsIScriptGlobalObject (weak): the product asks for it with every
  // element it places, so it comes without an interface query.
  virtual nsIScriptGlobalObject* scriptGlobal() = 0;

  // The presentation shell (weak), null before one exists.
  virtual nsIPresShell* presShell() = 0;

  // The document of the parent shell, for documents shown in frames; null at the top.
  virtual Document* parentDocument() = 0;

  // The document shown in the frame shell created for `frameElement` (FRAME, IFRAME or
  // a text/html OBJECT of this document), or null.
  virtual Document* contentDocumentFor(Element& frameElement) = 0;

  // Whether the document's window is the focused window of its top-level window.
  virtual bool hasFocus() = 0;

  // Screen rectangle (device pixels) of a XUL element's box, for nsIBoxObject. Empty when the
  // element takes no space.
  virtual nsIntRect xulBoxOnScreen(Element& element) = 0;

  // Layout answers (offsets, client and scroll sizes, element at a point); null until
  // layout exists.
  virtual LayoutQuery* layout() = 0;

  // The document's tree or an attribute changed: layout and painting must be redone.
  virtual void documentChanged() = 0;

  // Scrolls the document's viewport so that the element is visible.
  virtual void scrollElementIntoView(Element& element, bool alignToTop) = 0;

  // A script element that has not run yet was inserted into the shown document (a page's
  // script adding one, the product injecting one): the shell runs its text or src in the
  // document's inner window now, as Gecko runs a script when it is inserted. Scripts that came
  // with the parsed page are the shell's to run when it shows the page (marking each one
  // started). A container that runs no scripts keeps this default.
  virtual void runInsertedScript(HTMLScriptElement& script) {}

  // An option of a select of the document was selected: the shown list (an open drop-down
  // list, a list box) scrolls so that the option's row shows, as Gecko's list control frame
  // does. A container that shows nothing keeps this default.
  virtual void optionSelected(Element& select, Element& option) {}

 protected:
  ~DocumentContainer() = default;
};

}  // namespace dom
}  // namespace geckohost

#endif
