// Elements by id across a page and the pages in its frames, reached as the agent reaches them:
// each document's own getElementById, then the documents its frame elements show (a frame
// element's child is its document), depth-first in document order.
#ifndef TOOLS_INSPECT_DOCUMENTSEARCH_H
#define TOOLS_INSPECT_DOCUMENTSEARCH_H

#include <string>
#include <vector>

#include "HtmlObject.h"

class DocumentSearch {
 public:
  // The first element with `id` in `document`, else in the documents of its frames; null when
  // there is none.
  static CHtmlObjectPtr<IHtmlElement> byId(IHtmlDocument* document, const std::string& id);

  // The documents that `document`'s frame, iframe and object elements show, in document order.
  static std::vector<CHtmlObjectPtr<IHtmlDocument>> frameDocuments(IHtmlDocument* document);

 private:
  static CHtmlObjectPtr<IHtmlElement> byId(IHtmlDocument* document, const std::string& id,
                                           int depth);
};

#endif
