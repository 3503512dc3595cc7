// XMLHttpRequest from page script: over HTTP against a server of the test's own on 127.0.0.1,
// and over the page table and files, each driven by the host's event loop.
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "HostFixture.h"
#include "ScriptEvaluation.h"
#include "TestHttpServer.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;

namespace {

// Every event of a request goes into `events`: "rs<readyState>:<status>" for readystatechange,
// the type for the others.
const char kTrackingPage[] =
    "<script>var events = [];"
    "function track(xhr) {"
    "  xhr.onreadystatechange = function () {"
    "    events.push('rs' + xhr.readyState + ':' + xhr.status); };"
    "  xhr.onload = function (e) { events.push(e.type); };"
    "  xhr.onerror = function (e) { events.push(e.type); };"
    "  xhr.addEventListener('abort', function (e) { events.push(e.type); });"
    "  return xhr; }"
    "function request(method, url, async) {"
    "  var xhr = track(new XMLHttpRequest(null)); xhr.open(method, url, async); return xhr; }"
    "</script>";

class XMLHttpRequestTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    ASSERT_TRUE(server.running());
    page("http://127.0.0.1/page.html", kTrackingPage);
    host->pages().put("http://127.0.0.1/data.txt", "from the table", "text/plain");
    BrowserWindowOptions options;
    options.urls = {"http://127.0.0.1/page.html"};
    window = &host->openBrowserWindow(options);
  }
  void TearDown() override {
    window = nullptr;
    HostFixture::TearDown();
  }
  std::string eval(const std::string& script) {
    Evaluation result = evaluate(window->document(0), script);
    EXPECT_EQ(result.rv, NS_OK) << script;
    return result.text;
  }

  TestHttpServer server;
  BrowserWindow* window = nullptr;
};

TEST_F(XMLHttpRequestTest, AnAsynchronousGetGoesThroughEveryState) {
  eval("var xhr = request('get', '" + server.url("/now") +
       "');"
       "xhr.onprogress = function (e) { events.push('progress ' + e.loaded + '/' + e.total); };"
       "xhr.send(null);");
  EXPECT_EQ(eval("events.join()"), "rs1:0");  // the rest waits for the event loop
  EXPECT_TRUE(host->runUntilIdle(5000));
  EXPECT_EQ(eval("events.join()"), "rs1:0,rs2:200,rs3:200,progress 5/5,rs4:200,load");
  EXPECT_EQ(eval("xhr.status + ' ' + xhr.statusText + ' ' + xhr.responseText"), "200 OK hello");
  EXPECT_EQ(eval("xhr.getResponseHeader('x-test') + ' ' + xhr.getResponseHeader('Nope')"),
            "yes null");
  EXPECT_NE(eval("xhr.getAllResponseHeaders()").find("X-Test: yes\r\n"), std::string::npos);
  EXPECT_EQ(eval("String(xhr.responseXML) + ' ' + XMLHttpRequest.DONE + xhr.LOADING"), "null 43");
}

TEST_F(XMLHttpRequestTest, HeadersArriveBeforeADelayedBodyAndAbortStopsIt) {
  eval("var slow = request('GET', '" + server.url("/slow") + "'); slow.send();");
  host->runFor(150);
  EXPECT_EQ(eval("events.join() + ' ' + slow.responseText.length"), "rs1:0,rs2:200 0");
  EXPECT_TRUE(host->runUntilIdle(5000));
  EXPECT_EQ(eval("events.join() + ' ' + slow.responseText"),
            "rs1:0,rs2:200,rs3:200,rs4:200,load late");

  eval("events = []; var cut = request('GET', '" + server.url("/slow") + "'); cut.send();");
  host->runFor(100);
  eval("cut.abort()");
  EXPECT_EQ(eval("events.join() + ' ' + cut.readyState + ' ' + cut.status"),
            "rs1:0,rs2:200,rs4:0,abort 0 0");
  EXPECT_TRUE(host->runUntilIdle(1000));
  EXPECT_EQ(eval("events.length"), "4");  // nothing more arrives for an aborted request
}

TEST_F(XMLHttpRequestTest, NetworkFailuresCompleteThenReportTheError) {
  eval("var closed = request('GET', '" + server.url("/close") + "'); closed.send();");
  EXPECT_TRUE(host->runUntilIdle(5000));
  EXPECT_EQ(eval("events.join() + ' ' + closed.responseText.length"), "rs1:0,rs4:0,error 0");

  std::string refused = "http://127.0.0.1:" + std::to_string(TestHttpServer::closedPort()) + "/";
  eval("events = []; request('GET', '" + refused + "').send();");
  EXPECT_TRUE(host->runUntilIdle(5000));
  EXPECT_EQ(eval("events.join()"), "rs1:0,rs4:0,error");

  // Beyond loopback the host reaches nothing: the request fails without leaving the machine.
  eval("events = []; request('GET', 'http://example.com/').send();");
  EXPECT_TRUE(host->runUntilIdle(1000));
  EXPECT_EQ(eval("events.join()"), "rs1:0,rs4:0,error");
}

TEST_F(XMLHttpRequestTest, SynchronousRequestsCompleteInsideSend) {
  EXPECT_EQ(eval("var s = request('POST', '" + server.url("/echo") +
                 "', false);"
                 "s.setRequestHeader('X-Echo', 'e1'); s.send('body text');"
                 "events.join() + ' ' + s.responseText"),
            "rs1:0,rs2:200,rs3:200,rs4:200,load POST|e1|body text");
  EXPECT_EQ(eval("var t = request('GET', 'data.txt', false); t.send(); t.responseText + ' ' + "
                 "t.getResponseHeader('Content-Type')"),
            "from the table text/plain");
}

TEST_F(XMLHttpRequestTest, WaitingForASynchronousRequestIsNotScriptTime) {
  // The body comes 300 ms after the headers: more than the limit, but the script itself runs
  // for 100 ms only.
  host->setScriptTimeLimit(200);
  EXPECT_EQ(eval("var s = request('GET', '" + server.url("/slow") +
                 "', false); s.send();"
                 "var t = Date.now(); while (Date.now() - t < 100) {}"
                 "s.responseText"),
            "late");
}

TEST_F(XMLHttpRequestTest, TablePagesAndFilesArriveThroughTheLoop) {
  char path[] = "/tmp/xhr-file-XXXXXX";
  int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "on disk", 7), 7);
  close(fd);
  eval(
      "var table = request('GET', 'data.txt'); table.send();"
      "var file = track(new XMLHttpRequest()); file.open('GET', 'file://" +
      std::string(path) +
      "'); file.send();"
      "var missing = track(new XMLHttpRequest()); missing.openRequest('GET', 'file:///no/such');"
      "missing.send();");
  EXPECT_EQ(eval("table.readyState + ' ' + file.readyState"), "1 1");
  EXPECT_TRUE(host->runUntilIdle(1000));
  std::remove(path);
  EXPECT_EQ(eval("table.responseText + ' ' + table.status + ' ' + file.responseText + ' ' + "
                 "missing.readyState + ' ' + missing.status"),
            "from the table 200 on disk 4 0");
  EXPECT_EQ(eval("events.filter(function (e) { return e == 'load' || e == 'error'; }).join()"),
            "error,load,load");
}

TEST_F(XMLHttpRequestTest, MisuseThrowsAsGeckoDid) {
  EXPECT_EQ(eval("var x = new XMLHttpRequest(); var thrown = [];"
                 "try { x.setRequestHeader('A', 'b'); } catch (e) { thrown.push(e.message); }"
                 "try { x.send(); } catch (e) { thrown.push(e.message); }"
                 "try { x.open('bad method', 'a'); } catch (e) { thrown.push(e.message); }"
                 "try { x.open('TRACE', 'a'); } catch (e) { thrown.push(e.message); }"
                 "x.open('GET', 'data.txt'); x.send();"
                 "try { x.send(); } catch (e) { thrown.push(e.message); }"
                 "thrown.join()"),
            "InvalidStateError,InvalidStateError,SyntaxError,SecurityError,InvalidStateError");
}

TEST_F(XMLHttpRequestTest, APageThatGoesTakesItsRequestsAlong) {
  eval("request('GET', '" + server.url("/slow") +
       "').send();"
       "request('GET', 'data.txt').send();"
       "setTimeout(function () { request('GET', 'data.txt').send(); }, 10);");
  host->runFor(20);
  window->loadUrl("about:blank");
  EXPECT_TRUE(host->runUntilIdle(1000));
}

}  // namespace
