#include "dom/ElementList.h"

#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

ElementList::ElementList(Node& root, Matcher matcher, Scope scope) : mRoot(&root) {
  if (scope == Scope::Children) {
    mCollector = [matcher = std::move(matcher)](Node& parent, std::vector<Element*>& out) {
      for (Node* child = parent.firstChild(); child; child = child->nextSibling()) {
        if (child->isElement() && matcher(*static_cast<Element*>(child))) {
          out.push_back(static_cast<Element*>(child));
        }
      }
    };
    return;
  }
  mCollector = [matcher = std::move(matcher)](Node& subtree, std::vector<Element*>& out) {
    for (Node* node = subtree.firstChild(); node; node = node->nextInTreeOrder(&subtree)) {
      if (node->isElement() && matcher(*static_cast<Element*>(node))) {
        out.push_back(static_cast<Element*>(node));
      }
    }
  };
}

RefPtr<ElementList> ElementList::byTagName(Node& root, std::u16string name) {
  return new ElementList(root, tagNameMatcher(std::move(name)));
}

ElementList::Matcher ElementList::tagNameMatcher(std::u16string name) {
  if (name == u"*")
    return [](const Element&) { return true; };
  return [name = std::move(name)](const Element& element) {
    return element.prefix().empty() ? element.localName() == name : element.qualifiedName() == name;
  };
}

RefPtr<ElementList> ElementList::byTagNameNS(Node& root, std::u16string_view namespaceURI,
                                             std::u16string_view localName) {
  return new ElementList(root, [ns = std::u16string(namespaceURI),
                                local = std::u16string(localName)](const Element& element) {
    return (ns == u"*" || element.namespaceURI() == ns) &&
           (local == u"*" || element.localName() == local);
  });
}

RefPtr<ElementList> ElementList::byClassNames(Node& root, std::vector<std::u16string> classNames) {
  return new ElementList(root, [names = std::move(classNames)](const Element& element) {
    if (names.empty())
      return false;
    for (const auto& name : names) {
      if (!element.hasClass(name))
        return false;
    }
    return true;
  });
}

RefPtr<ElementList> ElementList::byAttribute(Node& root, std::u16string_view namespaceURI,
                                             std::u16string_view name, std::u16string_view value) {
  return new ElementList(root, [ns = std::u16string(namespaceURI), name = std::u16string(name),
                                value = std::u16string(value)](const Element& element) {
    for (uint32_t i = 0; i < element.attributeCount(); ++i) {
      const Attr& attr = *element.attributeAt(i);
      if (attr.localName() != name || (ns != u"*" && attr.namespaceURI() != ns))
        continue;
      return value == u"*" || attr.value() == value;
    }
    return false;
  });
}

uint32_t ElementList::length() {
  refreshIfStale();
  return uint32_t(mElements.size());
}

Element* ElementList::item(uint32_t index) {
  refreshIfStale();
  return index < mElements.size() ? mElements[index] : nullptr;
}

Element* ElementList::namedItem(std::u16string_view name) {
  refreshIfStale();
  for (Element* element : mElements) {
    if (const std::u16string* id = element->attributeValue(u"id"); id && *id == name) {
      return element;
    }
  }
  for (Element* element : mElements) {
    if (const std::u16string* value = element->attributeValue(u"name"); value && *value == name) {
      return element;
    }
  }
  return nullptr;
}

void* ElementList::interfaceFor(const nsIID& iid) {
  return iid.Equals(NS_GET_IID(nsIDOMHTMLCollection)) ? static_cast<nsIDOMHTMLCollection*>(this)
                                                      : nullptr;
}

NS_IMETHODIMP ElementList::GetLength(PRUint32* aLength) {
  return NodeList::GetLength(aLength);
}

NS_IMETHODIMP ElementList::Item(PRUint32 index, nsIDOMNode** _retval) {
  return NodeList::Item(index, _retval);
}

NS_IMETHODIMP ElementList::NamedItem(const nsAString& name, nsIDOMNode** _retval) {
  Element* element = namedItem(toU16(name));
  return handOut(element ? element->asDOMNode() : nullptr, _retval);
}

void ElementList::refreshIfStale() {
  if (mGeneration == Node::treeGeneration())
    return;
  mGeneration = Node::treeGeneration();
  mElements.clear();
  mCollector(*mRoot, mElements);
}

}  // namespace geckohost::dom
