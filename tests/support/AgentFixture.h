// End-to-end tests as the agent works: a host with windows on the private X server, the
// product loaded with dlopen, and everything reached through the agent-facing interfaces.
// The fixture checks afterwards that the host's live-object count and the X windows are back
// where they were: every object the test took must be released by then.
#ifndef TESTS_SUPPORT_AGENTFIXTURE_H
#define TESTS_SUPPORT_AGENTFIXTURE_H

#include <string>

#include "HostFixture.h"
#include "HtmlObject.h"
#include "ProductLibrary.h"

class AgentFixture : public HostFixture {
 protected:
  static ProductLibrary& library() {
    static ProductLibrary loaded;  // loaded once DISPLAY names the private server
    return loaded;
  }

  void SetUp() override {
    HostFixture::SetUp();
    domain = static_cast<IHtmlDomain*>(library().getHtmlDomain());
    ASSERT_TRUE(domain);
  }

  void TearDown() override {
    domain = nullptr;
    HostFixture::TearDown();
  }

  // The browser object of a host window, found by handle as the agent finds it.
  IHtmlTopLevelElement* browserFor(geckohost::BrowserWindow& window) {
    return domain->getTopLevelObject(static_cast<long>(window.topLevelWindow()));
  }

  static std::string utf8(const unsigned short* text) {
    if (!text)
      return "(null)";
    NS_ConvertUTF16toUTF8 converted(text);
    return std::string(converted.BeginReading(), converted.Length());
  }
  // The readers answer a marker value for a missing object or value, so that a test that
  // found nothing fails on its expectation instead of crashing the whole program.
  static std::string stringProperty(IHtmlElement* object, const char* name) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object ? object->getProperty(name) : nullptr;
    return value && value->type() == 3 ? utf8(value->string()) : "(null)";
  }
  static int intProperty(IHtmlElement* object, const char* name) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object ? object->getProperty(name) : nullptr;
    return value && value->type() == 1 ? value->intValue() : -12345;
  }
  static HtmlRectangle rectProperty(IHtmlElement* object, const char* name) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object ? object->getProperty(name) : nullptr;
    if (!value || value->type() != 6)
      return HtmlRectangle{-1, -1, -1, -1};
    return value->rectangle();
  }

  CHtmlObjectPtr<IHtmlDomain> domain;
};

inline bool operator==(const HtmlRectangle& a, const HtmlRectangle& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

inline std::ostream& operator<<(std::ostream& out, const HtmlRectangle& r) {
  return out << "[" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << "]";
}

#endif
