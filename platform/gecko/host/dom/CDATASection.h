// A CDATA section: text that XML (and HTML's foreign content) kept unescaped.
#ifndef GECKOHOST_DOM_CDATASECTION_H
#define GECKOHOST_DOM_CDATASECTION_H

#include "dom/Text.h"

namespace geckohost::dom {

class CDATASection final : public Text {
 public:
  CDATASection(Document& document, std::u16string_view data)
      : Text(NodeType::CDATASection, document, data) {}

  // Node
  std::u16string nodeName() const override { return u"#cdata-section"; }

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override {
    return new CDATASection(document, data());
  }
};

}  // namespace geckohost::dom

#endif
