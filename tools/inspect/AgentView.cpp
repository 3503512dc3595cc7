#include "AgentView.h"

#include <cstdlib>

#include "DocumentSearch.h"
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
  if (!path.empty() && path[0] == '#')
    return resolveIds(top, path, error);
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

std::vector<std::string> AgentView::idSteps(const std::string& path) {
  std::vector<std::string> steps;
  size_t start = 0;
  while (start < path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string::npos)
      slash = path.size();
    if (path[start] != '#')
      return {path.substr(1)};  // one id with a slash in it, as before chains were read
    steps.push_back(path.substr(start + 1, slash - start - 1));
    start = slash + 1;
  }
  return steps;
}

IHtmlElement* AgentView::resolveIds(IHtmlTopLevelElement* top, const std::string& path,
                                    std::string& error) {
  CHtmlObjectPtr<IHtmlDocument> shown = document(top);
  if (!shown) {
    error = "the window shows no document";
    return nullptr;
  }
  CHtmlObjectPtr<IHtmlElement> element;
  std::string reached;
  for (const std::string& id : idSteps(path)) {
    if (element) {
      shown = document(element);
      if (!shown) {
        error = "'" + reached + "' shows no document";
        return nullptr;
      }
    }
    element = DocumentSearch::byId(shown, id);
    if (!element) {
      error = "no element with id '" + id + "'" + (reached.empty() ? "" : " in '" + reached + "'");
      return nullptr;
    }
    reached += (reached.empty() ? "#" : "/#") + id;
  }
  return element.detach();
}

bool AgentView::hasNativeProperty(IHtmlElement* object, const std::string& name) {
  CHtmlObjectPtr<IHtmlEnumerator> properties = object->getNativeProperties();
  while (properties && properties->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlProperty> property = static_cast<IHtmlProperty*>(properties->nextElement());
    if (property && ValueFormatter::utf8(property->getPropertyName()) == name)
      return true;
  }
  return false;
}

std::string AgentView::documentUrl(IHtmlElement* object) {
  CHtmlObjectPtr<IHtmlDocument> holder = object ? object->getDocumentHandle() : nullptr;
  return holder ? text(holder, ".url") : std::string();
}

JsonValue AgentView::properties(IHtmlElement* object, PropertySet set) {
  JsonValue found = JsonValue::object();
  CHtmlObjectPtr<IHtmlEnumerator> properties =
      set == PropertySet::Standard ? object->getProperties() : object->getNativeProperties();
  while (properties && properties->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlProperty> property = static_cast<IHtmlProperty*>(properties->nextElement());
    if (!property)
      continue;
    // Both are lent by the property, no reference added.
    found.set(ValueFormatter::utf8(property->getPropertyName()),
              ValueFormatter::toJson(property->getPropertyValue()));
  }
  return found;
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
