#include "NSTextWalk.h"

#include <cstring>

#include "NSTextUtils.h"
#include "nsCOMPtr.h"
#include "nsIAtom.h"
#include "nsIContent.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNode.h"

namespace {

// The role of a tag name of either width, compared ignoring ASCII case.
template <class StringT>
CNSTextWalk::Role roleOfAnyName(const StringT& name) {
  using Role = CNSTextWalk::Role;
  auto is = [&name](const char* lower) { return name.LowerCaseEqualsLiteral(lower); };
  switch (name.Length()) {  // most names are told apart by the length alone
    case 2:
      return is("br") || is("th") ? Role::SpaceAfter : Role::Plain;
    case 5:
      return is("style") ? Role::Skipped : Role::Plain;
    case 6:
      if (is("script"))
        return Role::Skipped;
      return is("option") ? Role::SpaceAfter : Role::Plain;
    case 8:
      return is("textarea") ? Role::ValueAfter : Role::Plain;
    default:
      return Role::Plain;
  }
}

// Whether `rest` spells the lower-case `lower`, ignoring ASCII case; both end together.
bool restIs(const char* rest, const char* lower) {
  for (;; ++rest, ++lower) {
    char c = *rest;
    if (c >= 'A' && c <= 'Z')
      c = char(c - 'A' + 'a');
    if (c != *lower)
      return false;
    if (!c)
      return true;
  }
}

// roleOfAnyName for a NUL-terminated name, as tag atoms give them: the first letter tells most
// names apart, without measuring the name first. It is asked for every element a walk opens;
// a table shared with roleOfAnyName measured several times slower here. The tests hold the two
// readings to the same answers.
CNSTextWalk::Role roleOfTerminatedName(const char* name) {
  using Role = CNSTextWalk::Role;
  switch (name[0] | 0x20) {  // an ASCII letter in lower case
    case 'b':
      return restIs(name + 1, "r") ? Role::SpaceAfter : Role::Plain;
    case 'o':
      return restIs(name + 1, "ption") ? Role::SpaceAfter : Role::Plain;
    case 's':
      return restIs(name + 1, "tyle") || restIs(name + 1, "cript") ? Role::Skipped : Role::Plain;
    case 't':
      if (restIs(name + 1, "h"))
        return Role::SpaceAfter;
      return restIs(name + 1, "extarea") ? Role::ValueAfter : Role::Plain;
    default:
      return Role::Plain;
  }
}

// An atom's text without a copy; "" for none.
const char* textOf(nsIAtom* atom) {
  const char* text = nullptr;
  if (!atom || NS_FAILED(atom->GetUTF8String(&text)) || !text)
    return "";
  return text;
}

// A text node proper, told by its tag: "#text" (an element's tag is its local name, which
// cannot start with '#'). CDATA sections are text to the content tree as well, but the walk
// goes by the DOM's node type, for which they are not. Atoms live as long as the process, so
// the "#text" atom, once met on a text node, is known by its address.
bool isTextNode(nsIContent* node, nsIAtom* tag) {
  static nsIAtom* textAtom = nullptr;
  if (textAtom)
    return tag == textAtom;
  if (!tag || !node->IsNodeOfType(nsIContent::eTEXT) || strcmp(textOf(tag), "#text") != 0)
    return false;
  textAtom = tag;
  return true;
}

}  // namespace

CNSTextWalk::Role CNSTextWalk::roleOfName(const nsAString& name) {
  return roleOfAnyName(name);
}

CNSTextWalk::Role CNSTextWalk::roleOfName(const nsACString& name) {
  return roleOfAnyName(name);
}

CNSTextWalk::Role CNSTextWalk::roleOfName(const char* name) {
  return name ? roleOfTerminatedName(name) : Role::Plain;
}

void CNSTextWalk::addChildrenOf(nsIDOMNode* node) {
  if (!node)
    return;
  nsCOMPtr<nsIContent> content = do_QueryInterface(node);
  if (content) {
    PRUint32 count = 0;
    nsIContent* const* children = content->GetChildArray(&count);
    for (PRUint32 i = 0; i < count; ++i) {
      if (children[i])
        addNode(children[i]);
    }
    return;
  }
  // A node outside the content tree (a document): its children are content.
  nsCOMPtr<nsIDOMNode> child;
  node->GetFirstChild(getter_AddRefs(child));
  while (child) {
    nsCOMPtr<nsIContent> childContent = do_QueryInterface(child);
    if (childContent)
      addNode(childContent);
    nsCOMPtr<nsIDOMNode> next;
    if (NS_FAILED(child->GetNextSibling(getter_AddRefs(next))))
      break;
    child = next;
  }
}

// A text node's data is taken, an element opened; other nodes add nothing.
inline void CNSTextWalk::visit(nsIContent* node) {
  nsIAtom* tag = node->Tag();
  if (isTextNode(node, tag))
    appendCharacterData(node);
  else if (node->IsNodeOfType(nsIContent::eELEMENT))
    enterElement(node, tag);
}

// Depth first with a stack of its own rather than the call stack: pages nest tens of thousands
// of elements deep.
void CNSTextWalk::addNode(nsIContent* node) {
  visit(node);
  while (!m_open.empty()) {
    OpenElement& top = m_open.back();
    if (top.nextChild == top.childCount) {
      OpenElement finished = top;
      m_open.pop();
      appendAfterElement(finished.element, finished.role);
      continue;
    }
    if (nsIContent* child = top.children[top.nextChild++])
      visit(child);
  }
}

// The child array is read once: the tree does not change during a walk (nothing in it runs
// script), so the array stays valid while the element is open.
void CNSTextWalk::enterElement(nsIContent* element, nsIAtom* tag) {
  Role role = roleOf(element, tag);
  PRUint32 childCount = 0;
  nsIContent* const* children =
      role == Role::Skipped ? nullptr : element->GetChildArray(&childCount);
  if (childCount > 0) {
    m_open.push({element, children, 0, childCount, role});
  } else {
    appendAfterElement(element, role);
  }
}

void CNSTextWalk::appendCharacterData(nsIContent* text) {
  PRUint32 start = m_text.Length();
  text->AppendTextTo(m_text);
  replaceWideSpace(m_text, start);
}

void CNSTextWalk::appendForRole(nsIContent* element, Role role) {
  if (role == Role::SpaceAfter) {
    m_text.Append(PRUnichar(' '));
  } else if (role == Role::ValueAfter) {
    nsCOMPtr<nsIDOMHTMLTextAreaElement> area = do_QueryInterface(element);
    nsString_external value;
    if (area && NS_SUCCEEDED(area->GetValue(value)) && !value.IsEmpty()) {
      m_text.Append(value);
      m_tookTextAsIs = true;
    }
  }
}

// A tag name with a role has a local name with that role, so an element whose local name has
// none is passed over without a DOM call; the last few such tags are known by their atoms,
// which the walked elements keep alive. The few others are confirmed through the DOM.
CNSTextWalk::Role CNSTextWalk::roleOf(nsIContent* element, nsIAtom* tag) {
  for (nsIAtom* plain : m_plainTags) {
    if (plain == tag)
      return Role::Plain;
  }
  if (roleOfName(textOf(tag)) != Role::Plain)
    return confirmedRole(element);
  m_plainTags[m_nextPlainTag] = tag;
  m_nextPlainTag = (m_nextPlainTag + 1) % kPlainTagsKept;
  return Role::Plain;
}

// Their tag name (a prefix makes it another name) and that they are HTML elements (an SVG style
// element's text counts).
CNSTextWalk::Role CNSTextWalk::confirmedRole(nsIContent* element) {
  nsCOMPtr<nsIDOMNode> node = do_QueryInterface(element);
  if (!node || NS_FAILED(node->GetNodeName(m_name)))
    return Role::Plain;
  Role role = roleOfName(m_name);
  if (role == Role::Plain)
    return role;
  nsCOMPtr<nsIDOMHTMLElement> html = do_QueryInterface(element);
  return html ? role : Role::Plain;
}
