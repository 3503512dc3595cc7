#include "layout/StyleResolver.h"

#include "dom/DOMStrings.h"
#include "dom/Element.h"
#include "layout/DeclarationBlock.h"
#include "layout/PresentationalHints.h"
#include "layout/UserAgentStyle.h"

namespace geckohost::layout {

StyleResolver::StyleResolver(const dom::Document& document)
    : mSheet(StyleSheet::fromDocument(document)) {}

ComputedStyle StyleResolver::resolve(const dom::Element& element,
                                     const ComputedStyle& parentStyle) const {
  ComputedStyle style = parentStyle.inheritedBy();
  UserAgentStyle::apply(element, style);
  PresentationalHints::apply(element, style);
  mSheet.applyMatching(element, style);
  if (const std::u16string* inlineStyle = element.attributeValue(u"style"))
    DeclarationBlock::parse(dom::utf16ToUTF8(*inlineStyle)).applyTo(style);
  return style;
}

}  // namespace geckohost::layout
