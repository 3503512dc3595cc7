// Small readers for property values in the product's unit tests.
#ifndef TESTS_NATIVE_HTML_GECKO_TESTHELPERS_H
#define TESTS_NATIVE_HTML_GECKO_TESTHELPERS_H

#include <string>
#include <vector>

#include "HtmlObject.h"
#include "nsStringAPI.h"

inline std::string Utf8(const unsigned short* text) {
  if (!text)
    return "(null)";
  NS_ConvertUTF16toUTF8 utf8(text);
  return std::string(utf8.BeginReading(), utf8.Length());
}

// A string property as UTF-8; "(null)" when the object answers nothing or another kind.
inline std::string StringProperty(IHtmlElement* object, const char* name) {
  CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name);
  if (!value || value->type() != 3)
    return "(null)";
  return Utf8(value->string());
}

inline int IntProperty(IHtmlElement* object, const char* name) {
  CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name);
  return value && value->type() == 1 ? value->intValue() : -12345;
}

inline bool HasProperty(IHtmlElement* object, unsigned int id) {
  CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(id);
  return value != nullptr;
}

// The ".class" of every object an enumerator yields; "null" for null items.
inline std::vector<std::string> Classes(IHtmlEnumerator* objects) {
  std::vector<std::string> classes;
  while (objects && objects->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> item = static_cast<IHtmlElement*>(objects->nextElement());
    classes.push_back(item ? StringProperty(item, ".class") : "null");
  }
  return classes;
}

inline std::vector<unsigned short> U16(const char* ascii) {
  std::vector<unsigned short> text;
  for (const char* p = ascii; *p; ++p)
    text.push_back(static_cast<unsigned char>(*p));
  text.push_back(0);
  return text;
}

#endif
