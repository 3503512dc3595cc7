// The PATH of nshtml-inspect's commands ("." the window, "0/1/3" child indexes, "#id" by id
// across frames, "#frame/#id" into a frame's page), resolved on a live page with nested frames
// as the tool resolves it. Every path either finds one object, the same one each time, or
// says why not; an id found is the object's own id; and a lookup repeated leaves no host
// object behind (the first may fill the host's caches: a shown page's tag-name lists, a
// window's utils object).
#include <cstdint>
#include <string>

#include "AgentView.h"
#include "FuzzAgent.h"
#include "FuzzCheck.h"
#include "LiveObjects.h"

namespace {

const char kOuterPage[] =
    "<div id=a><p id=b>one</p><iframe id=f src='http://fuzz/inner.html'></iframe></div>"
    "<span id='a/b'>slash</span><p id='#x'>hash</p><form id=g><input id=i></form>";
const char kInnerPage[] =
    "<p id=c>inner</p><iframe id=h src='http://fuzz/leaf.html'></iframe><p id=b>again</p>";
const char kLeafPage[] = "<b id=d>leaf</b>";

struct Window {
  geckohost::BrowserWindow* window = nullptr;
  CHtmlObjectPtr<IHtmlTopLevelElement> browser;
};

Window& shownWindow() {
  static Window shown = [] {
    FuzzAgent& agent = FuzzAgent::instance();
    agent.host().pages().put("http://fuzz/outer.html", kOuterPage);
    agent.host().pages().put("http://fuzz/inner.html", kInnerPage);
    agent.host().pages().put("http://fuzz/leaf.html", kLeafPage);
    geckohost::BrowserWindowOptions options;
    options.urls = {"http://fuzz/outer.html"};
    Window made;
    made.window = &agent.host().openBrowserWindow(options);
    made.browser = agent.browserFor(*made.window);
    FUZZ_CHECK(made.browser);
    return made;
  }();
  return shown;
}

// "#b": one id step in printable ASCII, which reaches the page unchanged.
bool isPlainIdStep(const std::string& path) {
  if (path.size() < 2 || path[0] != '#' || path.find('/') != std::string::npos)
    return false;
  for (char c : path) {
    if (c < 0x20 || c > 0x7e)
      return false;
  }
  return true;
}

void checkResolve(IHtmlTopLevelElement* browser, const std::string& path) {
  std::string error;
  CHtmlObjectPtr<IHtmlElement> found = AgentView::resolve(browser, path, error);
  FUZZ_CHECK(!found == !error.empty());
  if (!found)
    return;
  std::string againError;
  CHtmlObjectPtr<IHtmlElement> again = AgentView::resolve(browser, path, againError);
  FUZZ_CHECK(again && again->getObject() == found->getObject());
  if (path == ".")
    FUZZ_CHECK(found->getObject() == browser->getObject());
  if (isPlainIdStep(path))
    FUZZ_CHECK(AgentView::text(found, ".id") == path.substr(1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Window& shown = shownWindow();
  const std::string path(reinterpret_cast<const char*>(data), size);
  checkResolve(shown.browser, path);
  const long liveBefore = geckohost::LiveObjects::count();
  checkResolve(shown.browser, path);
  FUZZ_CHECK(geckohost::LiveObjects::count() == liveBefore);
  return 0;
}
