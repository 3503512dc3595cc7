// End-to-end tests over one page given as markup: the page is served at http://test/page.html,
// shown in one browser window at (100, 80, 640, 480), and reached as the agent reaches it (the
// browser object by handle, its document as the browser's last child). The product's trace
// facility is on (component "Native" at INFORMATION) in the test program's HOME, so tests can
// read what the product traced since they started.
//
// Tracing must be set up before the product loads, once per test program: test suites that
// use this fixture get that from SetUpTestSuite.
#ifndef TESTS_SUPPORT_PAGEAGENTFIXTURE_H
#define TESTS_SUPPORT_PAGEAGENTFIXTURE_H

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "AgentFixture.h"

class PageAgentFixture : public AgentFixture {
 protected:
  // The document shown by a frame-like element (its one child).
  static IHtmlDocument* innerDocument(IHtmlElement* frame) {
    CHtmlObjectPtr<IHtmlEnumerator> children = frame ? frame->getChildren() : nullptr;
    if (!children || !children->hasMoreElements())
      return nullptr;
    return static_cast<IHtmlDocument*>(children->nextElement());
  }

  static std::string homePath(const std::string& rest) {
    const char* home = getenv("HOME");
    return std::string(home ? home : "/tmp") + rest;
  }

  static void SetUpTestSuite() {
    std::string directory = homePath("/KESTRIX/ZAV");
    std::string command = "mkdir -p '" + directory + "'";
    ASSERT_EQ(system(command.c_str()), 0);
    std::ofstream(directory + "/zav_log_trace.properties")
        << "enableTrace=true\r\ntraceComponentLevelFilter=native,2\r\n";
  }

  void SetUp() override {
    AgentFixture::SetUp();
    m_traceStart = traceText().size();
  }

  void TearDown() override {
    m_document = nullptr;
    m_browser = nullptr;
    AgentFixture::TearDown();
  }

  // Opens one window showing `markup` at http://test/page.html; answers its document object.
  IHtmlDocument* show(const std::string& markup, float zoom = 1.0f) {
    page("http://test/page.html", markup);
    geckohost::BrowserWindowOptions options;
    options.x = 100;
    options.y = 80;
    options.width = 640;
    options.height = 480;
    options.urls = {"http://test/page.html"};
    options.zoom = zoom;
    m_window = &host->openBrowserWindow(options);
    m_browser = browserFor(*m_window);
    if (!m_browser)
      return nullptr;
    CHtmlObjectPtr<IHtmlEnumerator> children = m_browser->getChildren();
    while (children && children->hasMoreElements()) {
      IHtmlElement* child = static_cast<IHtmlElement*>(children->nextElement());
      m_document = static_cast<IHtmlDocument*>(child);  // the last child stays
    }
    return m_document;
  }

  static std::vector<unsigned short> U16(const std::string& ascii) {
    std::vector<unsigned short> text(ascii.begin(), ascii.end());
    text.push_back(0);
    return text;
  }

  IHtmlElement* byId(const char* id) { return byId(m_document, id); }
  static IHtmlElement* byId(IHtmlDocument* document, const char* id) {
    return document ? document->getElementById(U16(id).data()) : nullptr;
  }

  static std::string traceText() {
    std::ifstream in(homePath("/KESTRIX/ZAV/zav_trace.txt"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // What the product traced since the test started.
  std::string traceOfTest() const { return traceText().substr(m_traceStart); }

  geckohost::BrowserWindow* m_window = nullptr;
  CHtmlObjectPtr<IHtmlTopLevelElement> m_browser;
  CHtmlObjectPtr<IHtmlDocument> m_document;
  size_t m_traceStart = 0;
};

#endif
