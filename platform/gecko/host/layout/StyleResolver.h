// Computes the style of each element of a page, in this order (a later step wins):
// inherited values from the parent, the user-agent defaults of the tag (UserAgentStyle), the
// HTML attributes that act as style (PresentationalHints), the page's <style> rules by
// specificity and source order (StyleSheet), and last the element's style attribute.
#ifndef GECKOHOST_LAYOUT_STYLERESOLVER_H
#define GECKOHOST_LAYOUT_STYLERESOLVER_H

#include "layout/ComputedStyle.h"
#include "layout/StyleSheet.h"

namespace geckohost::dom {
class Document;
class Element;
}  // namespace geckohost::dom

namespace geckohost::layout {

class StyleResolver {
 public:
  // Reads the document's style sheets once; resolve() then works from them.
  explicit StyleResolver(const dom::Document& document);

  ComputedStyle resolve(const dom::Element& element, const ComputedStyle& parentStyle) const;

 private:
  StyleSheet mSheet;
};

}  // namespace geckohost::layout

#endif
