#include "DocumentSearch.h"

#include "AgentView.h"
#include "nsStringAPI.h"

namespace {

// Frames nest only as deep as pages were written to; this bounds a page that frames itself.
const int kDeepestFrame = 16;

bool mayShowDocument(const std::string& tag) {
  return tag == "FRAME" || tag == "IFRAME" || tag == "OBJECT";
}

}  // namespace

CHtmlObjectPtr<IHtmlElement> DocumentSearch::byId(IHtmlDocument* document, const std::string& id) {
  return byId(document, id, 0);
}

CHtmlObjectPtr<IHtmlElement> DocumentSearch::byId(IHtmlDocument* document, const std::string& id,
                                                  int depth) {
  if (!document || depth > kDeepestFrame)
    return nullptr;
  NS_ConvertUTF8toUTF16 wide(id.c_str());
  CHtmlObjectPtr<IHtmlElement> found = document->getElementById(wide.get());
  if (found)
    return found;
  for (const CHtmlObjectPtr<IHtmlDocument>& frame : frameDocuments(document)) {
    found = byId(frame, id, depth + 1);
    if (found)
      return found;
  }
  return nullptr;
}

std::vector<CHtmlObjectPtr<IHtmlDocument>> DocumentSearch::frameDocuments(IHtmlDocument* document) {
  std::vector<CHtmlObjectPtr<IHtmlDocument>> documents;
  // Every element, so that frames of different kinds keep their order in the page.
  NS_ConvertUTF8toUTF16 all("*");
  CHtmlObjectPtr<IHtmlEnumerator> elements = document->getElementsByTag(all.get());
  while (elements && elements->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> element = static_cast<IHtmlElement*>(elements->nextElement());
    if (!element || !mayShowDocument(AgentView::text(element, ".tag")))
      continue;
    CHtmlObjectPtr<IHtmlDocument> shown = AgentView::document(element);
    if (shown)
      documents.push_back(shown);
  }
  return documents;
}
