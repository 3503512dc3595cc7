// The raw text of a subtree as the agent reads an element's text: depth first in document
// order, text nodes' data with tab, line breaks and no-break spaces made spaces; script and
// style contents left out; a space after each br, option and th; a text area's current value
// after its children's text. Other nodes (comments, processing instructions, CDATA sections)
// add nothing.
//
//   nsString_external text;
//   CNSTextWalk(text).addChildrenOf(paragraph);   // <p>a<br>b</p> -> "a b"
//
// It reads the content tree (nsIContent: child arrays, node kinds, tag atoms, character
// data appended in place) the way Gecko gathers text itself. That gives the text the DOM node
// interfaces give, without a reference and a name copy for every node; the DOM interfaces
// still confirm each of the few elements whose name has a role.
#ifndef NATIVE_HTML_GECKO_NSTEXTWALK_H
#define NATIVE_HTML_GECKO_NSTEXTWALK_H

#include <vector>

#include "nsStringAPI.h"

class nsIAtom;
class nsIContent;
class nsIDOMNode;

class CNSTextWalk {
 public:
  // What an element means for the text around it.
  enum class Role { Plain, Skipped, SpaceAfter, ValueAfter };

  // Appends to `text`, which must outlive the walk.
  explicit CNSTextWalk(nsString_external& text) : m_text(text) {}

  // Appends the text of the children of `node` and of everything below them.
  void addChildrenOf(nsIDOMNode* node);

  // Whether something was appended without the white-space replacement: a text area's value.
  bool tookTextAsIs() const { return m_tookTextAsIs; }

  // The role of a (tag) name, compared ignoring ASCII case; names of any other element are
  // Plain. Only HTML elements have a role: the caller confirms that.
  static Role roleOfName(const nsAString& name);
  static Role roleOfName(const nsACString& name);
  static Role roleOfName(const char* name);  // NUL-terminated; null is Plain

 private:
  // An element whose children are being walked, read from its child array.
  struct OpenElement {
    nsIContent* element;
    nsIContent* const* children;
    PRUint32 nextChild;
    PRUint32 childCount;
    Role role;
  };

  // The open elements, innermost last: the first levels in the walk object itself (most
  // subtrees are shallow, and a walk then asks nothing of the heap), deeper ones on the heap.
  class OpenElements {
   public:
    bool empty() const { return m_depth == 0; }
    OpenElement& back() { return at(m_depth - 1); }
    void push(const OpenElement& open) {
      if (m_depth < kKeptInside)
        m_inside[m_depth] = open;
      else
        m_deeper.push_back(open);
      ++m_depth;
    }
    void pop() {
      --m_depth;
      if (m_depth >= kKeptInside)
        m_deeper.pop_back();
    }

   private:
    static constexpr size_t kKeptInside = 16;
    OpenElement& at(size_t level) {
      return level < kKeptInside ? m_inside[level] : m_deeper[level - kKeptInside];
    }

    OpenElement m_inside[kKeptInside];
    std::vector<OpenElement> m_deeper;
    size_t m_depth = 0;
  };

  void addNode(nsIContent* node);
  void visit(nsIContent* node);
  void enterElement(nsIContent* element, nsIAtom* tag);
  void appendCharacterData(nsIContent* text);
  // What follows an element's text: only two roles add anything.
  void appendAfterElement(nsIContent* element, Role role) {
    if (role == Role::SpaceAfter || role == Role::ValueAfter)
      appendForRole(element, role);
  }
  void appendForRole(nsIContent* element, Role role);
  Role roleOf(nsIContent* element, nsIAtom* tag);
  Role confirmedRole(nsIContent* element);

  nsString_external& m_text;
  // The elements whose children are being walked. The tree does not change during a walk
  // (nothing in it runs script), so its nodes are held without references.
  OpenElements m_open;
  nsString_external m_name;  // reused for the names that need the DOM's confirmation
  // Tags met in this walk whose names have no role (pages repeat a few tags many times).
  static constexpr unsigned kPlainTagsKept = 4;
  nsIAtom* m_plainTags[kPlainTagsKept] = {};
  unsigned m_nextPlainTag = 0;
  bool m_tookTextAsIs = false;
};

#endif
