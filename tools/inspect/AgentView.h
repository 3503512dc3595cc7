// The agent's way around the object tree: properties by canonical name, children by index,
// the document a browser or frame shows, and paths such as "0/1/3" or "#id".
#ifndef TOOLS_INSPECT_AGENTVIEW_H
#define TOOLS_INSPECT_AGENTVIEW_H

#include <string>
#include <vector>

#include "HtmlObject.h"
#include "JsonValue.h"

class AgentView {
 public:
  // A property by canonical name (".class"); a new reference or null.
  static IHtmlPropertyValue* property(IHtmlElement* object, const char* name);
  // The string value of a property, or "" when it has none.
  static std::string text(IHtmlElement* object, const char* name);
  // ".class" of the object.
  static std::string className(IHtmlElement* object) { return text(object, ".class"); }

  // The index-th child object (nulls of the enumeration do not count); a new reference or null.
  static IHtmlElement* child(IHtmlElement* object, int index);
  // The document among the object's children (a browser's page, a frame's content); a new
  // reference or null.
  static IHtmlDocument* document(IHtmlElement* object);

  // "." is `top` itself; "0/1/3" child indexes from `top`; "#id" the element with that id in
  // the document `top` shows or in its frames (DocumentSearch); "#frame/#id" goes on in the
  // document that frame shows. A new reference, or null with `error` set.
  static IHtmlElement* resolve(IHtmlTopLevelElement* top, const std::string& path,
                               std::string& error);

  // Whether the object's native properties include one called `name`.
  static bool hasNativeProperty(IHtmlElement* object, const std::string& name);

  // The .url of the document that holds the element; empty when it is in none.
  static std::string documentUrl(IHtmlElement* object);

  // Every property the object lists as standard (getProperties) or native
  // (getNativeProperties), name to value, in the object's order: {".tag": "DIV", ...}.
  enum class PropertySet { Standard, Native };
  static JsonValue properties(IHtmlElement* object, PropertySet set);

  // A JSON object with the named properties the object answers.
  static JsonValue summary(IHtmlElement* object, const char* const* names, size_t count);

 private:
  // "#a/#b" as {"a", "b"}; a path with a step that is no id is one id, "a/b" for "#a/b".
  static std::vector<std::string> idSteps(const std::string& path);
  static IHtmlElement* resolveIds(IHtmlTopLevelElement* top, const std::string& path,
                                  std::string& error);
};

#endif
