// Page script in the host: scripts run in document order as a page loads, inserted scripts when
// inserted, the load event once the page is complete; timers on the host's event loop; wrappers
// that keep their nodes' identity; errors that stop nothing; every heap gone with its page.
#include "HostFixture.h"
#include "ScriptEvaluation.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIPrincipal.h"
#include "nsIScriptSecurityManager.h"
#include "nsIURI.h"
#include "nsMemory.h"

using geckohost::BrowserWindow;
using geckohost::BrowserWindowOptions;
using geckohost::LoadMode;

namespace {

class PageScriptTest : public HostFixture {
 protected:
  BrowserWindow& open(const std::string& url) {
    BrowserWindowOptions options;
    options.urls = {url};
    return host->openBrowserWindow(options);
  }
  std::string eval(BrowserWindow& window, const std::string& script) {
    Evaluation result = evaluate(window.document(0), script);
    EXPECT_EQ(result.rv, NS_OK) << script;
    return result.text;
  }
};

TEST_F(PageScriptTest, ScriptsRunInDocumentOrderThenTheLoadEvent) {
  page("http://test/lib.js", "log.push('src ' + document.getElementById('late'));");
  page("http://test/a.html",
       "<html><head><script>var log = ['head'];"
       "window.addEventListener('load', function () { log.push('listener'); });</script>"
       "<script src='lib.js'></script></head>"
       "<body onload=\"log.push('onload ' + document.readyState)\">"
       "<script>var s = document.createElement('script');"
       "s.appendChild(document.createTextNode(\"log.push('inserted')\"));"
       "document.body.appendChild(s); log.push('after insert');</script>"
       "<script type='text/plain'>log.push('never')</script>"
       "<p id=late>x</p><script>log.push('last ' + document.getElementById('late').id)</script>"
       "</body></html>");
  BrowserWindow& window = open("http://test/a.html");
  // Scripts run once the page is parsed, so even the first sees the whole document.
  EXPECT_EQ(eval(window, "log.join('|')"),
            "head|src [object Object]|inserted|after insert|last late|onload complete|listener");
  // An inserted script runs once; moving it does not run it again.
  EXPECT_EQ(eval(window, "document.body.appendChild(s); log.length"), "7");
}

TEST_F(PageScriptTest, AHeldLoadFiresLoadWhenCompleted) {
  page("http://test/held.html",
       "<body onload='loaded = true'><script>var loaded = false;</script>");
  BrowserWindow& window = open("about:blank");
  window.loadUrl("http://test/held.html", LoadMode::Held);
  EXPECT_EQ(eval(window, "String(loaded) + ' ' + document.readyState"), "false loading");
  window.completeLoad(0);
  EXPECT_EQ(eval(window, "String(loaded)"), "true");
}

TEST_F(PageScriptTest, AnErrorIsLoggedAndStopsNothing) {
  page("http://test/err.html",
       "<script>var ran = [];</script><script>ran.push(1); undefinedFunction();</script>"
       "<script>ran.push(2)</script><script>syntax error here(</script>"
       // A thrown object whose place cannot be read: only its text is logged.
       "<script>throw {toString: function () { return 'hostile'; },"
       "  get fileName() { throw new Error('no file'); }, lineNumber: 7};</script>"
       "<script>ran.push(5)</script>"
       "<body onload='ran.push(3); throw new Error(\"in onload\")'>"
       "<script>window.addEventListener('load', function () { ran.push(4); });</script>");
  testing::internal::CaptureStderr();
  BrowserWindow& window = open("http://test/err.html");
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_EQ(eval(window, "ran.join()"), "1,2,5,3,4");
  EXPECT_NE(log.find("geckohost: script error: hostile\n"), std::string::npos) << log;
  EXPECT_NE(log.find("geckohost: script error: ReferenceError"), std::string::npos) << log;
  EXPECT_NE(log.find("geckohost: script error: SyntaxError"), std::string::npos) << log;
  EXPECT_NE(log.find("in onload"), std::string::npos) << log;
}

TEST_F(PageScriptTest, TimersRunInOrderOnTheEventLoop) {
  page("http://test/t.html",
       "<script>var order = [];"
       "setTimeout(function () { order.push('late'); }, 60);"
       "setTimeout(function (a, b) { order.push(a + b); }, 0, 'x', 'y');"
       "var cancelled = setTimeout(function () { order.push('cancelled'); }, 20);"
       "setTimeout(\"order.push('text')\", 0);"
       "clearTimeout(cancelled);"
       "var ticks = 0, every = setInterval(function () {"
       "  if (++ticks == 3) { clearInterval(every); order.push('ticked'); } }, 10);"
       "</script>");
  BrowserWindow& window = open("http://test/t.html");
  EXPECT_EQ(eval(window, "order.length"), "0");  // nothing runs until the loop is pumped
  EXPECT_TRUE(host->runUntilIdle(2000));
  EXPECT_EQ(eval(window, "order.join()"), "xy,text,ticked,late");
  // A timer due after the timeout does not keep runUntilIdle waiting.
  eval(window, "setTimeout(function () { order.push('much later'); }, 5000)");
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(host->runUntilIdle(100));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
  host->runFor(30);
  EXPECT_EQ(eval(window, "order.length"), "4");
}

// Counts the log lines that report a script stopped after 100 ms.
size_t slowScriptStops(const std::string& log) {
  const std::string line = "geckohost: script error: slow script stopped after 100 ms: RangeError";
  size_t count = 0;
  for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1))
    ++count;
  return count;
}

TEST_F(PageScriptTest, ScriptThatRunsTooLongIsStoppedAndTheRestRuns) {
  EXPECT_EQ(host->scriptTimeLimit(), 10000);  // Gecko's dom.max_script_run_time
  host->setScriptTimeLimit(100);
  page("http://test/slow.html",
       "<script>var ran = ['first'];</script>"
       "<script>while (true) {}</script>"
       // A catch cannot hold the stop: nothing of the script runs after it.
       "<script>try { for (;;) {} } catch (e) { ran.push('caught'); } ran.push('went on');</script>"
       "<script>ran.push('last');"
       "setTimeout(function () { for (;;) {} }, 0);"
       "setTimeout(function () { ran.push('timer'); }, 20);"
       "document.body.onclick = function () { for (;;) {} };</script><body>");
  testing::internal::CaptureStderr();
  BrowserWindow& window = open("http://test/slow.html");
  EXPECT_TRUE(host->runUntilIdle(5000));
  EXPECT_EQ(eval(window, "ran.join()"), "first,last,timer");
  // A handler is part of the script that fired its event: the stop ends that script too.
  Evaluation clicked = evaluate(window.document(0), "document.body.click(); ran.push('no')");
  EXPECT_EQ(clicked.rv, NS_ERROR_FAILURE);
  // An evaluation that runs too long fails; the next one runs with time of its own.
  Evaluation endless = evaluate(window.document(0), "for (;;) {}");
  EXPECT_EQ(endless.rv, NS_ERROR_FAILURE);
  std::string log = testing::internal::GetCapturedStderr();
  // Two scripts, a timer, the handler, and the two evaluations.
  EXPECT_EQ(slowScriptStops(log), 6u) << log;
  EXPECT_EQ(eval(window, "ran.join()"), "first,last,timer");
  EXPECT_EQ(eval(window, "var t = Date.now(); while (Date.now() - t < 50) {} 'done'"), "done");

  host->setScriptTimeLimit(-1);  // no limit
  EXPECT_EQ(host->scriptTimeLimit(), 0);
  EXPECT_EQ(eval(window, "var u = Date.now(); while (Date.now() - u < 150) {} 'unlimited'"),
            "unlimited");
}

// The engine runs what finalizers are left when a page's heap goes; an endless one must not
// keep the page from going.
TEST_F(PageScriptTest, AnEndlessFinalizerIsStoppedWhenThePageGoes) {
  host->setScriptTimeLimit(100);
  page("http://test/fin.html",
       "<script>var kept = {}; Duktape.fin(kept, function () { for (;;) {} });</script>");
  page("http://test/next.html", "<script>var next = 'shown';</script>");
  BrowserWindow& window = open("http://test/fin.html");
  window.loadUrl("http://test/next.html");
  EXPECT_EQ(eval(window, "next"), "shown");
}

TEST_F(PageScriptTest, WrappersKeepIdentityAndChangesShowThroughTheDOM) {
  page("http://test/dom.html",
       "<body><p id=x class=a style='color: red'>one</p><input id=box type=checkbox>"
       "<select id=s><option>a<option>b</select><div id=d>x<b>y</b></div></body>");
  BrowserWindow& window = open("http://test/dom.html");
  EXPECT_EQ(eval(window, "document.getElementById('x') === document.getElementById('x')"), "true");
  EXPECT_EQ(eval(window, "document.body.firstChild === document.getElementById('x')"), "true");
  EXPECT_EQ(eval(window,
                 "var d = document.getElementById('d');"
                 "d.childNodes.length + ' ' + d.firstChild.nodeType + ' ' + "
                 "d.childNodes[1].nodeName + ' ' + d.childNodes[1].parentNode.id"),
            "2 3 B d");
  EXPECT_EQ(eval(window, "window === self && window.document === document"), "true");

  eval(window,
       "var p = document.getElementById('x'); p.title = 'T'; p.className = 'b';"
       "p.style.display = 'none'; p.removeAttribute('class');"
       "var q = document.createElement('span'); q.id = 'made'; q.innerHTML = '<i>in</i>';"
       "document.body.insertBefore(q, p); document.getElementById('box').checked = true;"
       "document.getElementById('s').selectedIndex = 1; document.title = 'set';"
       "d.removeChild(d.firstChild);");
  nsCOMPtr<nsIDOMDocument> document = window.document(0);
  nsCOMPtr<nsIDOMElement> p = elementById(document, "x");
  nsString value;
  p->GetAttribute(NS_LITERAL_STRING("title"), value);
  EXPECT_EQ(utf8(value), "T");
  p->GetAttribute(NS_LITERAL_STRING("style"), value);
  EXPECT_EQ(utf8(value), "color: red; display: none");
  PRBool has = PR_TRUE;
  p->HasAttribute(NS_LITERAL_STRING("class"), &has);
  EXPECT_FALSE(has);
  nsCOMPtr<nsIDOMElement> made = elementById(document, "made");
  ASSERT_TRUE(made);
  nsCOMPtr<nsIDOMNode> next;
  made->GetNextSibling(getter_AddRefs(next));
  EXPECT_EQ(next, nsCOMPtr<nsIDOMNode>(do_QueryInterface(p)));
  nsCOMPtr<nsIDOMHTMLInputElement> box = do_QueryInterface(elementById(document, "box"));
  PRBool checked = PR_FALSE;
  box->GetChecked(&checked);
  EXPECT_TRUE(checked);
  EXPECT_EQ(eval(window,
                 "document.getElementById('made').innerHTML + ' ' + "
                 "document.getElementById('s').selectedIndex + ' ' + document.title + "
                 "' ' + p.style.display + ' ' + d.textContent"),
            "<i>in</i> 1 set none y");

  // Handler attributes and listeners, with bubbling to the document.
  eval(window,
       "var seen = []; p.setAttribute('onclick', \"seen.push('attr ' + event.type)\");"
       "function onDoc(e) { seen.push('doc ' + e.target.id); }"
       "document.addEventListener('click', onDoc); p.click();"
       "document.removeEventListener('click', onDoc); p.click();");
  EXPECT_EQ(eval(window, "seen.join()"), "attr click,doc x,attr click");
}

TEST_F(PageScriptTest, EvaluateStringResultsAndFailures) {
  page("http://test/e.html", "<p id=x>text</p>");
  BrowserWindow& window = open("http://test/e.html");
  nsCOMPtr<nsIScriptContext> context = scriptContextOf(window.document(0));
  ASSERT_TRUE(context);
  EXPECT_EQ(context->GetScriptTypeID(), nsIProgrammingLanguage::JAVASCRIPT);
  EXPECT_TRUE(context->GetNativeContext());

  Evaluation sum = evaluate(context, "1 + 1");
  EXPECT_EQ(sum.rv, NS_OK);
  EXPECT_EQ(sum.text, "2");
  EXPECT_FALSE(sum.undefined);
  Evaluation nothing = evaluate(context, "var unused = 1;");
  EXPECT_EQ(nothing.rv, NS_OK);
  EXPECT_EQ(nothing.text, "");
  EXPECT_TRUE(nothing.undefined);
  EXPECT_EQ(evaluate(context, "null").text, "null");
  EXPECT_EQ(evaluate(context, "({})").text, "[object Object]");
  EXPECT_EQ(evaluate(context, "document.getElementById('x').textContent + '\\u00e9'").text,
            "text\xc3\xa9");

  testing::internal::CaptureStderr();
  Evaluation syntax = evaluate(context, "1 +");
  Evaluation thrown = evaluate(context, "throw new Error('boom')");
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(NS_FAILED(syntax.rv));
  EXPECT_EQ(syntax.text, "");
  EXPECT_TRUE(NS_FAILED(thrown.rv));
  EXPECT_EQ(thrown.text, "");

  // A context held past its page answers failures.
  window.loadUrl("about:blank");
  EXPECT_EQ(evaluate(context, "1").rv, NS_ERROR_NOT_AVAILABLE);
  EXPECT_FALSE(context->GetNativeContext());
}

TEST_F(PageScriptTest, ScriptsInFramesRunInTheirOwnWindow) {
  page("http://test/top.html",
       "<script>var where = 'top';</script><iframe src='inner.html'></iframe>");
  page("http://test/inner.html", "<script>var where = 'inner';</script>");
  BrowserWindow& window = open("http://test/top.html");
  EXPECT_EQ(eval(window, "where"), "top");
  EXPECT_EQ(evaluate(window.document(0, {0}), "where").text, "inner");
}

TEST_F(PageScriptTest, DialogHooksLogAndAnswerAsDismissed) {
  page("http://test/d.html", "<p>");
  BrowserWindow& window = open("http://test/d.html");
  testing::internal::CaptureStderr();
  EXPECT_EQ(eval(window, "[alert('hi'), confirm('sure?'), prompt('name?', 'x')].map(String)"),
            "undefined,false,null");
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("geckohost: alert: hi\n"), std::string::npos) << log;
  EXPECT_NE(log.find("geckohost: confirm: sure?\n"), std::string::npos) << log;
  EXPECT_NE(log.find("geckohost: prompt: name?\n"), std::string::npos) << log;
}

TEST_F(PageScriptTest, UnloadingAPageLeavesNoObjectBehind) {
  page("http://test/busy.html",
       "<body><div id=a><b>1</b><b>2</b></div><script>"
       "var kept = [document.body, document.getElementById('a')].concat("
       "document.getElementsByTagName('b'));"
       "var loose = document.createElement('div'); loose.appendChild(document.createTextNode('t'));"
       "setTimeout(function () {}, 100000); setInterval(function () {}, 50);"
       "kept[1].style.display = 'block';</script></body>");
  // The first round settles what a window makes once (history, layout); the second counts.
  BrowserWindow& window = open("http://test/busy.html");
  window.loadUrl("about:blank");
  long blank = geckohost::LiveObjects::count();
  window.loadUrl("http://test/busy.html");
  host->runFor(120);
  EXPECT_GT(geckohost::LiveObjects::count(), blank);
  window.loadUrl("about:blank");
  EXPECT_EQ(geckohost::LiveObjects::count(), blank);
}

TEST_F(PageScriptTest, TheSecurityManagerHandsOutTheSystemPrincipal) {
  nsresult rv = NS_OK;
  nsCOMPtr<nsIScriptSecurityManager> manager =
      do_GetService(NS_SCRIPTSECURITYMANAGER_CONTRACTID, &rv);
  ASSERT_EQ(rv, NS_OK);
  ASSERT_TRUE(manager);
  nsCOMPtr<nsIPrincipal> system, again;
  ASSERT_EQ(manager->GetSystemPrincipal(getter_AddRefs(system)), NS_OK);
  ASSERT_TRUE(system);
  manager->GetSystemPrincipal(getter_AddRefs(again));
  EXPECT_EQ(system, again);
  PRBool isSystem = PR_FALSE;
  manager->IsSystemPrincipal(system, &isSystem);
  EXPECT_TRUE(isSystem);
  nsCOMPtr<nsIURI> uri;
  system->GetURI(getter_AddRefs(uri));
  EXPECT_FALSE(uri);
  char* origin = nullptr;
  ASSERT_EQ(system->GetOrigin(&origin), NS_OK);
  EXPECT_STREQ(origin, "[System Principal]");
  NS_Free(origin);
}

}  // namespace
