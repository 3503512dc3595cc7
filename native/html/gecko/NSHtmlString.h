// A UTF-16 string handed to the agent as an object. It counts references like every object
// but answers getReferenceCount() with the interface's default, 0.
#ifndef NATIVE_HTML_GECKO_NSHTMLSTRING_H
#define NATIVE_HTML_GECKO_NSHTMLSTRING_H

#include "HtmlObject.h"
#include "nsStringAPI.h"

class NSHtmlString final : public IHtmlString {
 public:
  explicit NSHtmlString(const nsAString& text) : m_text(text) {}

  // IHtmlObject
  void addRef() override { ++m_refCount; }
  void release() override {
    if (--m_refCount == 0)
      delete this;
  }

  // IHtmlString
  const unsigned short* string() override { return m_text.get(); }

  operator nsString_external() const { return m_text; }

 private:
  ~NSHtmlString() = default;

  int m_refCount = 1;
  nsString_external m_text;
};

#endif
