#include "dom/Element.h"

#include "dom/Atom.h"
#include "dom/DOMStrings.h"
#include "dom/Document.h"
#include "dom/DocumentContainer.h"
#include "dom/ElementFactory.h"
#include "dom/ElementList.h"
#include "dom/MutationBatch.h"
#include "net/URI.h"

namespace geckohost::dom {

namespace {

// Namespace checks of createElementNS and setAttributeNS: a prefix needs a namespace, and the
// reserved prefixes belong to their own namespaces.
DOMError checkQualifiedName(std::u16string_view namespaceURI, std::u16string_view qualifiedName,
                            const std::u16string& prefix) {
  if (!isValidXMLName(qualifiedName))
    return DOMError::InvalidCharacter;
  if (!prefix.empty() && namespaceURI.empty())
    return DOMError::Namespace;
  if (prefix == u"xml" && namespaceURI != kXMLNamespaceURI)
    return DOMError::Namespace;
  bool xmlnsName = prefix == u"xmlns" || (prefix.empty() && qualifiedName == u"xmlns");
  if (xmlnsName != (namespaceURI == kXMLNSNamespaceURI))
    return DOMError::Namespace;
  return DOMError::None;
}

}  // namespace

Element::Element(Document& document, std::u16string_view namespaceURI, std::u16string_view prefix,
                 std::u16string_view localName)
    : ContentNode(NodeType::Element, &document),
      mNamespaceURI(namespaceURI),
      mNamespace(namespaceFromURI(namespaceURI)),
      mLocalName(localName),
      mTag(Atom::get(mLocalName)) {
  setPrefix(prefix);
}

void Element::setPrefix(std::u16string_view prefix) {
  mPrefix = prefix;
  mQualifiedName = mPrefix.empty() ? mLocalName : mPrefix + u":" + mLocalName;
  mUpperCaseName = isHTML() ? asciiUpperCase(mQualifiedName) : mQualifiedName;
}

Element::~Element() {
  for (auto& attr : mAttributes)
    attr->mOwnerElement = nullptr;
  for (auto& child : mAnonymousChildren)
    detachAnonymousChild(*child);
}

bool Element::isHTMLInHTMLDocument() const {
  Document* document = ownerDocument();
  return isHTML() && document && document->isHTMLDocument();
}

// --- Attributes ------------------------------------------------------------------------------

Attr* Element::attributeAt(uint32_t index) const {
  return index < mAttributes.size() ? mAttributes[index].get() : nullptr;
}

std::u16string Element::foldAttributeName(std::u16string_view name) const {
  return isHTMLInHTMLDocument() ? asciiLowerCase(name) : std::u16string(name);
}

int Element::findAttribute(std::u16string_view qualifiedName) const {
  std::u16string name = foldAttributeName(qualifiedName);
  for (size_t i = 0; i < mAttributes.size(); ++i) {
    const Attr& attr = *mAttributes[i];
    bool matches = attr.prefix().empty() ? attr.localName() == name : attr.qualifiedName() == name;
    if (matches)
      return int(i);
  }
  return -1;
}

int Element::findAttributeNS(std::u16string_view namespaceURI,
                             std::u16string_view localName) const {
  for (size_t i = 0; i < mAttributes.size(); ++i) {
    const Attr& attr = *mAttributes[i];
    if (attr.localName() == localName && attr.namespaceURI() == namespaceURI)
      return int(i);
  }
  return -1;
}

std::optional<std::u16string> Element::getAttribute(std::u16string_view name) const {
  int index = findAttribute(name);
  if (index < 0)
    return std::nullopt;
  return mAttributes[index]->value();
}

Attr* Element::getAttributeNode(std::u16string_view name) const {
  int index = findAttribute(name);
  return index < 0 ? nullptr : mAttributes[index].get();
}

DOMError Element::setAttribute(std::u16string_view name, std::u16string_view value) {
  if (!isValidXMLName(name))
    return DOMError::InvalidCharacter;
  int index = findAttribute(name);
  if (index >= 0) {
    mAttributes[index]->setValue(value);
    return DOMError::None;
  }
  Document* document = documentOrSelf();
  if (!document)
    return DOMError::NotSupported;
  addAttribute(new Attr(*document, u"", u"", foldAttributeName(name), value));
  return DOMError::None;
}

void Element::removeAttribute(std::u16string_view name) {
  int index = findAttribute(name);
  if (index >= 0)
    removeAttributeAt(uint32_t(index));
}

std::optional<std::u16string> Element::getAttributeNS(std::u16string_view namespaceURI,
                                                      std::u16string_view localName) const {
  int index = findAttributeNS(namespaceURI, localName);
  if (index < 0)
    return std::nullopt;
  return mAttributes[index]->value();
}

bool Element::hasAttributeNS(std::u16string_view namespaceURI,
                             std::u16string_view localName) const {
  return findAttributeNS(namespaceURI, localName) >= 0;
}

Attr* Element::getAttributeNodeNS(std::u16string_view namespaceURI,
                                  std::u16string_view localName) const {
  int index = findAttributeNS(namespaceURI, localName);
  return index < 0 ? nullptr : mAttributes[index].get();
}

DOMError Element::setAttributeNS(std::u16string_view namespaceURI,
                                 std::u16string_view qualifiedName, std::u16string_view value) {
  std::u16string prefix, localName;
  splitQualifiedName(qualifiedName, prefix, localName);
  if (DOMError error = checkQualifiedName(namespaceURI, qualifiedName, prefix);
      error != DOMError::None) {
    return error;
  }
  int index = findAttributeNS(namespaceURI, localName);
  if (index >= 0) {
    mAttributes[index]->mPrefix = prefix;
    mAttributes[index]->setValue(value);
    return DOMError::None;
  }
  Document* document = documentOrSelf();
  if (!document)
    return DOMError::NotSupported;
  addAttribute(new Attr(*document, namespaceURI, prefix, localName, value));
  return DOMError::None;
}

void Element::removeAttributeNS(std::u16string_view namespaceURI, std::u16string_view localName) {
  int index = findAttributeNS(namespaceURI, localName);
  if (index >= 0)
    removeAttributeAt(uint32_t(index));
}

DOMError Element::setAttributeNode(Attr& attr, RefPtr<Attr>& replaced) {
  replaced = nullptr;
  if (attr.mOwnerElement == this)
    return DOMError::None;
  if (attr.mOwnerElement)
    return DOMError::InUseAttribute;
  RefPtr<Attr> keep(&attr);
  MutationBatch batch(documentOrSelf());
  int index = findAttributeNS(attr.namespaceURI(), attr.localName());
  if (index >= 0) {
    replaced = mAttributes[index];
    removeAttributeAt(uint32_t(index));
  }
  if (Document* document = documentOrSelf(); document && attr.documentOrSelf() != document) {
    attr.adoptInto(*document);
  }
  addAttribute(keep);
  return DOMError::None;
}

DOMError Element::removeAttributeNode(Attr& attr) {
  if (attr.mOwnerElement != this)
    return DOMError::NotFound;
  for (size_t i = 0; i < mAttributes.size(); ++i) {
    if (mAttributes[i] == &attr)
      removeAttributeAt(uint32_t(i));
  }
  return DOMError::None;
}

void Element::addAttribute(RefPtr<Attr> attr) {
  attr->mOwnerElement = this;
  mAttributes.push_back(attr);
  attributeNodeChanged(*attr);
}

void Element::removeAttributeAt(uint32_t index) {
  RefPtr<Attr> attr = mAttributes[index];
  mAttributes.erase(mAttributes.begin() + index);
  attr->mOwnerElement = nullptr;
  if (attr->namespaceURI().empty()) {
    refileIdIfChanged(*attr);
    attributeChanged(attr->localName());
  }
  notifyChanged();
}

void Element::attributeNodeChanged(Attr& attr) {
  if (attr.namespaceURI().empty()) {
    refileIdIfChanged(attr);
    attributeChanged(attr.localName());
  }
  notifyChanged();
}

void Element::refileIdIfChanged(const Attr& attr) {
  if (attr.localName() != u"id")
    return;
  if (Document* tree = treeDocument())
    tree->idChanged(*this);
}

const std::u16string* Element::attributeValue(std::u16string_view localName) const {
  for (const auto& attr : mAttributes) {
    if (attr->localName() == localName && attr->namespaceURI().empty())
      return &attr->value();
  }
  return nullptr;
}

void Element::setAttributeValue(std::u16string_view localName, std::u16string_view value) {
  int index = findAttributeNS(u"", localName);
  if (index >= 0) {
    mAttributes[index]->setValue(value);
  } else if (Document* document = documentOrSelf()) {
    addAttribute(new Attr(*document, u"", u"", localName, value));
  }
}

void Element::appendParsedAttribute(std::u16string_view namespaceURI, std::u16string_view prefix,
                                    std::u16string_view localName, std::u16string_view value) {
  Document* document = documentOrSelf();
  if (!document || findAttributeNS(namespaceURI, localName) >= 0)
    return;
  addAttribute(new Attr(*document, namespaceURI, prefix, localName, value));
}

// --- Reflection ------------------------------------------------------------------------------

std::u16string Element::stringAttribute(std::u16string_view localName) const {
  const std::u16string* value = attributeValue(localName);
  return value ? *value : std::u16string();
}

void Element::setStringAttribute(std::u16string_view localName, std::u16string_view value) {
  setAttributeValue(localName, value);
}

bool Element::boolAttribute(std::u16string_view localName) const {
  return attributeValue(localName) != nullptr;
}

void Element::setBoolAttribute(std::u16string_view localName, bool on) {
  if (on) {
    if (!boolAttribute(localName))
      setAttributeValue(localName, u"");
  } else {
    removeAttributeNS(u"", localName);
  }
}

int32_t Element::intAttribute(std::u16string_view localName, int32_t defaultValue) const {
  const std::u16string* value = attributeValue(localName);
  if (!value)
    return defaultValue;
  return parseHTMLInteger(*value).value_or(defaultValue);
}

void Element::setIntAttribute(std::u16string_view localName, int32_t value) {
  setAttributeValue(localName, asciiToUTF16(std::to_string(value)));
}

std::u16string Element::urlAttribute(std::u16string_view localName) const {
  const std::u16string* value = attributeValue(localName);
  if (!value)
    return std::u16string();
  Document* document = ownerDocument();
  if (!document)
    return *value;
  std::optional<net::URI> resolved = document->baseURL().resolve(utf16ToUTF8(*value));
  return resolved ? utf8ToUTF16(resolved->spec()) : *value;
}

std::u16string Element::enumAttribute(std::u16string_view localName,
                                      std::initializer_list<std::u16string_view> values,
                                      std::u16string_view defaultValue) const {
  if (const std::u16string* value = attributeValue(localName)) {
    for (std::u16string_view candidate : values) {
      if (equalsIgnoringASCIICase(*value, candidate))
        return std::u16string(candidate);
    }
  }
  return std::u16string(defaultValue);
}

bool Element::hasClass(std::u16string_view name) const {
  const std::u16string* value = attributeValue(u"class");
  if (!value)
    return false;
  for (const auto& className : splitOnHTMLWhitespace(*value)) {
    if (className == name)
      return true;
  }
  return false;
}

// --- Navigation and lists ----------------------------------------------------------------------

Element* Element::firstElementChild() const {
  for (Node* child = firstChild(); child; child = child->nextSibling()) {
    if (child->isElement())
      return static_cast<Element*>(child);
  }
  return nullptr;
}

Element* Element::lastElementChild() const {
  for (Node* child = lastChild(); child; child = child->previousSibling()) {
    if (child->isElement())
      return static_cast<Element*>(child);
  }
  return nullptr;
}

Element* Element::previousElementSibling() const {
  for (Node* sibling = previousSibling(); sibling; sibling = sibling->previousSibling()) {
    if (sibling->isElement())
      return static_cast<Element*>(sibling);
  }
  return nullptr;
}

Element* Element::nextElementSibling() const {
  for (Node* sibling = nextSibling(); sibling; sibling = sibling->nextSibling()) {
    if (sibling->isElement())
      return static_cast<Element*>(sibling);
  }
  return nullptr;
}

uint32_t Element::childElementCount() const {
  uint32_t count = 0;
  for (Node* child = firstChild(); child; child = child->nextSibling())
    count += child->isElement();
  return count;
}

RefPtr<ElementList> Element::getElementsByTagName(std::u16string_view name) {
  return ElementList::byTagName(
      *this, isHTMLInHTMLDocument() ? asciiLowerCase(name) : std::u16string(name));
}

RefPtr<ElementList> Element::getElementsByTagNameNS(std::u16string_view namespaceURI,
                                                    std::u16string_view localName) {
  return ElementList::byTagNameNS(*this, namespaceURI, localName);
}

RefPtr<ElementList> Element::getElementsByClassName(std::u16string_view names) {
  return ElementList::byClassNames(*this, splitOnHTMLWhitespace(names));
}

RefPtr<ElementList> Element::children() {
  return new ElementList(
      *this, [](const Element&) { return true; }, ElementList::Scope::Children);
}

void Element::appendAnonymousChild(Node& child) {
  RefPtr<Node> keep(&child);
  if (Node* parent = child.parentNode())
    parent->removeChild(child);
  if (Document* document = documentOrSelf(); document && child.documentOrSelf() != document) {
    child.adoptInto(*document);
  }
  mAnonymousChildren.push_back(keep);
  attachAnonymousChild(child);
}

// --- Layout answers --------------------------------------------------------------------------

LayoutQuery* Element::layout() const {
  Document* document = ownerDocument();
  DocumentContainer* container = document ? document->container() : nullptr;
  LayoutQuery* query = container ? container->layout() : nullptr;
  if (query)
    query->flush();
  return query;
}

OffsetBox Element::offsetBox() {
  LayoutQuery* query = layout();
  return query ? query->offsetBox(*this) : OffsetBox();
}

ScrollBox Element::scrollBox() {
  LayoutQuery* query = layout();
  return query ? query->scrollBox(*this) : ScrollBox();
}

void Element::scrollTo(int left, int top) {
  if (LayoutQuery* query = layout())
    query->scrollTo(*this, left, top);
}

void Element::scrollIntoView(bool alignToTop) {
  Document* document = ownerDocument();
  if (DocumentContainer* container = document ? document->container() : nullptr) {
    container->scrollElementIntoView(*this, alignToTop);
  }
}

// --- Node ------------------------------------------------------------------------------------

RefPtr<Node> Element::cloneSelf(Document& document) const {
  RefPtr<Element> copy = ElementFactory::create(document, mNamespaceURI, mPrefix, mLocalName);
  for (const auto& attr : mAttributes) {
    copy->appendParsedAttribute(attr->namespaceURI(), attr->prefix(), attr->localName(),
                                attr->value());
  }
  copyStateTo(*copy);
  return copy;
}

void Element::removedFromDocument(Document& document) {
  document.elementRemoved(*this);
}

void Element::moveOwnLinkTo(Document& document) {
  Node::moveOwnLinkTo(document);
  for (auto& attr : mAttributes)
    attr->adoptInto(document);
  for (auto& child : mAnonymousChildren)
    child->adoptInto(document);
}

}  // namespace geckohost::dom
