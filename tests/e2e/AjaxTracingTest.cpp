// Request tracing and page script as the agent meets them: the document's tracing switch and
// counts, invokeScript, and a page's alert and confirm opening the browser's dialog. Requests
// go to a small HTTP server of the test's own on 127.0.0.1 (tests/support/TestHttpServer.h):
// /now answers at once, /slow 300 ms after its headers, /close drops the connection.
#include <gtest/gtest.h>

#include <string>

#include "AgentPropertyValue.h"
#include "PageAgentFixture.h"
#include "TestHttpServer.h"

namespace {

// A page that starts requests on demand and records each one that ends, once: the tracing
// wrapper also hands the end of a request to onreadystatechange from its load handler.
const char kRequestsPage[] =
    "<html><head><title>requests</title></head><body><p id=p>requests</p><script>"
    "var ended = []; var errors = 0;"
    "function start(url, name) {"
    "  var r = name === undefined ? new XMLHttpRequest() : new XMLHttpRequest(name);"
    "  r.onreadystatechange = function () {"
    "    if (r.readyState == 4 && !r.ended) { r.ended = true; ended.push(url); } };"
    "  r.onerror = function () { errors++; };"
    "  r.open('GET', url, true); r.send(null); return r; }"
    "</script></body></html>";

class AjaxTracingTest : public PageAgentFixture {
 protected:
  void SetUp() override {
    PageAgentFixture::SetUp();
    ASSERT_TRUE(m_server.running());
  }

  // The text result of a script run through the document; "(null)" when it failed.
  std::string eval(IHtmlDocument* document, const std::string& script) {
    CHtmlObjectPtr<IHtmlPropertyValue> result = document->invokeScript(script.c_str(), nullptr);
    return result ? utf8(result->string()) : "(null)";
  }

  std::string start(const std::string& path, const std::string& name = "") {
    std::string call = "start('" + m_server.url(path) + "'";
    if (!name.empty())
      call += ", '" + name + "'";
    return eval(m_document, call + "); 'started'");
  }

  bool setTracing(IHtmlDocument* document, bool on) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = AgentPropertyValue::boolean(on);
    return document->setProperty(".ajaxTraceOn", value);
  }

  int pending(IHtmlDocument* document) { return intProperty(document, ".ajaxPendingRequests"); }
  int completed(IHtmlDocument* document) { return intProperty(document, ".ajaxCompletedRequests"); }

  int wrapperScripts() {
    return std::stoi(eval(m_document, "document.getElementsByTagName('script').length")) - 1;
  }

  // A second object for the same page, as the agent gets one from an element.
  IHtmlDocument* secondObject() {
    CHtmlObjectPtr<IHtmlElement> p = byId("p");
    return p ? p->getDocumentHandle() : nullptr;
  }

  TestHttpServer m_server;
};

}  // namespace

TEST_F(AjaxTracingTest, InvokeScriptAnswersTheValueAsText) {
  ASSERT_TRUE(show(kRequestsPage));
  EXPECT_EQ(eval(m_document, "1 + 1"), "2");
  EXPECT_EQ(eval(m_document, "document.title"), "requests");
  EXPECT_EQ(eval(m_document, "document.getElementById('p').textContent = 'changed'"), "changed");
  CHtmlObjectPtr<IHtmlElement> p = byId("p");
  EXPECT_EQ(stringProperty(p, ".text"), "changed");
  // Undefined is an empty text; an error is no value at all.
  EXPECT_EQ(eval(m_document, "undefined"), "");
  EXPECT_EQ(eval(m_document, "throw new Error('no')"), "(null)");
  EXPECT_EQ(eval(m_document, "this is not script"), "(null)");
  EXPECT_EQ(m_document->invokeScript(nullptr, nullptr), nullptr);
}

TEST_F(AjaxTracingTest, NothingIsInsertedUntilTracingIsSwitchedOn) {
  ASSERT_TRUE(show(kRequestsPage));
  EXPECT_EQ(pending(m_document), 0);
  EXPECT_EQ(completed(m_document), 0);
  CHtmlObjectPtr<IHtmlElement> none = byId("ZAVscript");
  EXPECT_EQ(none, nullptr);
  CHtmlObjectPtr<IHtmlPropertyValue> flag = m_document->getProperty(".ajaxTraceOn");
  ASSERT_TRUE(flag);
  EXPECT_FALSE(flag->booleanValue());
  // Switching off a page without the script does nothing and answers true.
  EXPECT_TRUE(setTracing(m_document, false));
  EXPECT_EQ(wrapperScripts(), 0);
}

TEST_F(AjaxTracingTest, OneScriptPerPageWhateverSwitchesItOn) {
  ASSERT_TRUE(show(kRequestsPage));
  EXPECT_TRUE(setTracing(m_document, true));
  EXPECT_TRUE(setTracing(m_document, true));
  CHtmlObjectPtr<IHtmlDocument> other = secondObject();
  ASSERT_TRUE(other);
  EXPECT_TRUE(setTracing(other, true));
  EXPECT_EQ(wrapperScripts(), 1);
  CHtmlObjectPtr<IHtmlElement> script = byId("ZAVscript");
  ASSERT_TRUE(script);
  EXPECT_EQ(stringProperty(script, "language"), "javascript");
  // The script sits at the end of HEAD.
  CHtmlObjectPtr<IHtmlElement> head = script->getParent();
  EXPECT_EQ(stringProperty(head, ".tag"), "HEAD");
  EXPECT_EQ(eval(m_document, "getzavtracevalue()"), "1");
  CHtmlObjectPtr<IHtmlPropertyValue> flag = m_document->getProperty(".ajaxTraceOn");
  EXPECT_TRUE(flag->booleanValue());
}

TEST_F(AjaxTracingTest, ThreeRequestsOfWhichTwoEnded) {
  ASSERT_TRUE(show(kRequestsPage));
  // A request object made before tracing is not counted.
  EXPECT_EQ(eval(m_document, "early = new XMLHttpRequest(); 'made'"), "made");
  ASSERT_TRUE(setTracing(m_document, true));
  EXPECT_EQ(eval(m_document, "early.open('GET', '" + m_server.url("/now") + "'); early.send(); 1"),
            "1");
  start("/now");
  start("/now");
  start("/slow");
  EXPECT_EQ(pending(m_document), 3);
  host->runFor(150);
  EXPECT_EQ(pending(m_document), 1);
  EXPECT_EQ(completed(m_document), 2);
  EXPECT_TRUE(host->runUntilIdle(3000));
  EXPECT_EQ(pending(m_document), 0);
  EXPECT_EQ(completed(m_document), 3);
  EXPECT_EQ(eval(m_document, "ended.length + '/' + early.readyState"), "3/4");

  // Switching off: completed back to 0, pending kept; the page's own constructor is back.
  start("/slow");
  host->runFor(50);
  ASSERT_TRUE(setTracing(m_document, false));
  CHtmlObjectPtr<IHtmlPropertyValue> flag = m_document->getProperty(".ajaxTraceOn");
  EXPECT_FALSE(flag->booleanValue());
  EXPECT_EQ(pending(m_document), 1);
  EXPECT_EQ(completed(m_document), 0);
  EXPECT_EQ(eval(m_document, "XMLHttpRequest === origAXO"), "true");
  // A request object made while tracing was on keeps counting after it went off.
  EXPECT_TRUE(host->runUntilIdle(3000));
  EXPECT_EQ(pending(m_document), 0);
  EXPECT_EQ(completed(m_document), 1);
}

TEST_F(AjaxTracingTest, OnlyXmlHttpNamesAndNoNameAreCounted) {
  ASSERT_TRUE(show(kRequestsPage));
  ASSERT_TRUE(setTracing(m_document, true));
  start("/slow", "Msxml2.XMLHTTP");
  start("/slow", "MICROSOFT.XMLHTTP.3");
  start("/slow", "something else");
  start("/slow");
  EXPECT_EQ(pending(m_document), 3);
  EXPECT_TRUE(host->runUntilIdle(3000));
  EXPECT_EQ(completed(m_document), 3);
  EXPECT_EQ(eval(m_document, "ended.length"), "4");
}

// A failed request ends with readystatechange (state 4) and then error, as Gecko 1.9.2 fires
// them; the script counts the end in both handlers, so one failure counts twice.
TEST_F(AjaxTracingTest, AFailedRequestIsCountedByBothOfItsEndings) {
  ASSERT_TRUE(show(kRequestsPage));
  ASSERT_TRUE(setTracing(m_document, true));
  start("/close");
  EXPECT_TRUE(host->runUntilIdle(3000));
  EXPECT_EQ(pending(m_document), -1);
  EXPECT_EQ(completed(m_document), 2);
  // The page's own handlers ran: its error handler, and its state handler for the end.
  EXPECT_EQ(eval(m_document, "errors + ':' + ended.length"), "1:1");
}

TEST_F(AjaxTracingTest, APagesAlertAndConfirmOpenTheBrowsersDialog) {
  ASSERT_TRUE(show(kRequestsPage));
  EXPECT_EQ(eval(m_document, "String(alert('Saved.'))"), "undefined");
  std::vector<std::string> classes;
  {
    CHtmlObjectPtr<IHtmlEnumerator> all = domain->enumBrowsers();
    while (all && all->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlElement> object = static_cast<IHtmlElement*>(all->nextElement());
      classes.push_back(object ? stringProperty(object, ".class") : "null");
    }
  }
  EXPECT_EQ(classes, (std::vector<std::string>{"Html.HtmlBrowser", "Html.Dialog"}));
  geckohost::DialogWindow* alert = host->lastOpenDialog();
  ASSERT_TRUE(alert);
  CHtmlObjectPtr<IHtmlTopLevelElement> dialog =
      domain->getTopLevelObject(static_cast<long>(alert->topLevelWindow()));
  ASSERT_TRUE(dialog);
  EXPECT_EQ(stringProperty(dialog, ".caption"), "[JavaScript Application]");
  CHtmlObjectPtr<IHtmlEnumerator> controls = dialog->getChildren();
  CHtmlObjectPtr<IHtmlElement> text = static_cast<IHtmlElement*>(controls->nextElement());
  EXPECT_EQ(stringProperty(text, ".text"), "Saved.");
  dialog = nullptr;
  controls = nullptr;
  text = nullptr;
  ASSERT_TRUE(alert->press("accept"));

  // Answered as it opens, confirm and prompt return the answer.
  host->queuePageDialogAnswer("accept");
  EXPECT_EQ(eval(m_document, "String(confirm('Sure?'))"), "true");
  host->queuePageDialogAnswer("accept", "Ada");
  EXPECT_EQ(eval(m_document, "prompt('Name?', 'x')"), "Ada");
  host->queuePageDialogAnswer("cancel");
  EXPECT_EQ(eval(m_document, "String(prompt('Name?'))"), "null");
  // Unanswered: dismissed for the script, open for the agent.
  EXPECT_EQ(eval(m_document, "String(confirm('Really?'))"), "false");
  EXPECT_TRUE(host->lastOpenDialog() && host->lastOpenDialog()->topLevelWindow() != 0);
}

// Cookies travel both ways between the server and the host's one store, which the agent
// deletes from.
TEST_F(AjaxTracingTest, CookiesSetByTheServerReachThePageAndTheAgent) {
  // The page itself comes from the server, so that it shares the server's cookies.
  geckohost::BrowserWindowOptions options;
  options.urls = {m_server.url("/page.html")};
  m_window = &host->openBrowserWindow(options);
  m_browser = browserFor(*m_window);
  ASSERT_TRUE(m_browser);
  CHtmlObjectPtr<IHtmlEnumerator> children = m_browser->getChildren();
  while (children && children->hasMoreElements())
    m_document = static_cast<IHtmlDocument*>(static_cast<IHtmlElement*>(children->nextElement()));
  ASSERT_TRUE(m_document);
  const std::string request = "var r = new XMLHttpRequest(); r.open('GET', '";
  EXPECT_EQ(eval(m_document,
                 request + m_server.url("/set-cookie") + "', false); r.send(null); r.responseText"),
            "set");
  EXPECT_EQ(stringProperty(m_document, ".cookie"), "served=yes");
  EXPECT_EQ(eval(m_document, "document.cookie = 'local=1'; document.cookie"),
            "served=yes; local=1");
  EXPECT_EQ(eval(m_document,
                 request + m_server.url("/cookies") + "', false); r.send(null); r.responseText"),
            "served=yes; local=1");
  // The agent deletes the site's cookies; the page and the server see none.
  IHtmlBrowser* browser = static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(m_browser));
  char message[128] = "";
  EXPECT_EQ(browser->deleteCookies("http://127.0.0.1/", false, message), 0);
  EXPECT_EQ(eval(m_document, "document.cookie"), "");
  EXPECT_EQ(eval(m_document,
                 request + m_server.url("/cookies") + "', false); r.send(null); r.responseText"),
            "");
}
