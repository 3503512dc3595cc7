// Serialises nodes as HTML, by the HTML fragment serialisation algorithm: lower-case tag names,
// attributes in their order with values in double quotes, void elements without end tags,
// text escaped except inside raw-text elements (script, style, ...).
//
//   <p title='a"b'>x &lt; y<br></p>  ->  <p title="a&quot;b">x &lt; y<br></p>
#ifndef GECKOHOST_DOM_HTMLSERIALIZER_H
#define GECKOHOST_DOM_HTMLSERIALIZER_H

#include <string>

namespace geckohost::dom {

class Element;
class Node;

class HTMLSerializer {
 public:
  // The markup of a node's children: what innerHTML answers.
  static std::u16string serializeChildren(const Node& node);
  // The markup of a node and its children.
  static std::u16string serializeNode(const Node& node);

 private:
  // Depth first in document order with no recursion (pages nest deeper than the stack goes):
  // an element's end tag is written when the walk leaves it.
  void appendChildren(const Node& node);
  void appendNode(const Node& node);
  // Writes what comes before a node's children; answers whether its children follow.
  bool appendStart(const Node& node);
  // Writes what comes after a node's children: an element's end tag.
  void appendEnd(const Node& node);
  void appendStartTag(const Element& element);
  void appendText(const Node& text);
  void appendEscaped(std::u16string_view text, bool inAttribute);

  std::u16string mOut;
};

}  // namespace geckohost::dom

#endif
