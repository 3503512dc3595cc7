#include "AgentView.h"

#include <cstdlib>

#include "ValueFormatter.h"
#include "nsStringAPI.h"

IHtmlPropertyValue* AgentView::property(IHtmlElement* object, const char* name) {
  return object ? object->getProperty(name) : nullptr;
}

std::string AgentView::text(IHtmlElement* object, const char* name) {
  CHtmlObjectPtr<IHtmlPropertyValue> value = property(object, name);
  if (!value || value->type() != 3)
    return std::string();
  return ValueFormatter::utf8(value->string());
}

IHtmlElement* AgentView::child(IHtmlElement* object, int index) {
  if (!object || index < 0)
    return nullptr;
  CHtmlObjectPtr<IHtmlEnumerator> children = object->getChildren();
  int position = 0;
  while (children && children->hasMoreElements()) {
    IHtmlElement* item = static_cast<IHtmlElement*>(children->nextElement());
    if (!item)
      continue;
    if (position++ == index)
      return item;
    item->release();
  }
  return nullptr;
}

IHtmlDocument* AgentView::document(IHtmlElement* object) {
  CHtmlObjectPtr<IHtmlEnumerator> children = object ? object->getChildren() : nullptr;
  while (children && children->hasMoreElements()) {
    IHtmlElement* item = static_cast<IHtmlElement*>(children->nextElement());
    if (!item)
      continue;
    if (className(item) == "Html.HtmlDocument")
      return static_cast<IHtmlDocument*>(item);
    item->release();
  }
  return nullptr;
}

IHtmlElement* AgentView::resolve(IHtmlTopLevelElement* top, const std::string& path,
                                 std::string& error) {
  if (!top) {
    error = "no browser window";
    return nullptr;
  }
  if (path == ".") {
    top->addRef();
    return top;
  }
  if (!path.empty() && path[0] == '#') {
    CHtmlObjectPtr<IHtmlDocument> shown = document(top);
    if (!shown) {
      error = "the window shows no document";
      return nullptr;
    }
    NS_ConvertUTF8toUTF16 id(path.c_str() + 1);
    IHtmlElement* element = shown->getElementById(id.get());
    if (!element)
      error = "no element with id '" + path.substr(1) + "'";
    return element;
  }
  top->addRef();
  CHtmlObjectPtr<IHtmlElement> current = static_cast<IHtmlElement*>(top);
  size_t start = 0;
  while (start < path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string::npos)
      slash = path.size();
    std::string step = path.substr(start, slash - start);
    char* end = nullptr;
    long index = strtol(step.c_str(), &end, 10);
    if (step.empty() || *end != '\0' || index < 0) {
      error = "bad path step '" + step + "' in '" + path + "'";
      return nullptr;
    }
    current = child(current, static_cast<int>(index));
    if (!current) {
      error = "no child " + step + " at '" + path.substr(0, slash) + "'";
      return nullptr;
    }
    start = slash + 1;
  }
  return current.detach();
}

JsonValue AgentView::summary(IHtmlElement* object, const char* const* names, size_t count) {
  JsonValue props = JsonValue::object();
  for (size_t i = 0; i < count; ++i) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = property(object, names[i]);
    if (value)
      props.set(names[i], ValueFormatter::toJson(value));
  }
  return props;
}
