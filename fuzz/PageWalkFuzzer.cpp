// Any markup, shown in a browser window and walked as the agent walks it: every object's
// class, bounds and text, its children, and the objects under a grid of points across the
// window. The page's host objects must all be gone once the window is closed and the agent's
// objects are released: the live-object count comes back to where it was for every input.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzAgent.h"
#include "FuzzCheck.h"
#include "LiveObjects.h"

namespace {

const char kPageUrl[] = "http://fuzz/page.html";
constexpr size_t kMaxObjects = 3000;  // a walk stops here; deeper pages add nothing new
constexpr int kMaxHitDepth = 64;
constexpr int kGridStep = 48;

void readEveryProperty(IHtmlElement* object) {
  for (const char* name : {".class", ".bounds", ".text"}) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name);
    if (!value)
      continue;
    if (value->type() == 3 && value->string())
      FUZZ_CHECK(value->stringLength() >= 0);
    if (value->type() == 6) {
      const HtmlRectangle bounds = value->rectangle();
      FUZZ_CHECK(bounds.width >= 0 && bounds.height >= 0);
    }
  }
}

// Depth-first over the whole tree, without recursion (pages nest deeply).
void walkTree(IHtmlElement* top) {
  std::vector<CHtmlObjectPtr<IHtmlElement>> pending;
  top->addRef();
  pending.emplace_back(top);
  for (size_t visited = 0; !pending.empty() && visited < kMaxObjects; ++visited) {
    CHtmlObjectPtr<IHtmlElement> object = pending.back();
    pending.pop_back();
    readEveryProperty(object);
    CHtmlObjectPtr<IHtmlEnumerator> children = object->getChildren();
    while (children && children->hasMoreElements()) {
      IHtmlObject* child = children->nextElement();
      if (child)
        pending.emplace_back(static_cast<IHtmlElement*>(child));
    }
  }
}

// From the browser down to the deepest object under (x, y), as the agent's hit-test does.
void hitTest(IHtmlElement* top, int x, int y) {
  top->addRef();
  CHtmlObjectPtr<IHtmlElement> current = top;
  for (int depth = 0; depth < kMaxHitDepth; ++depth) {
    CHtmlObjectPtr<IHtmlElement> next = current->getChildAtPoint(x, y);
    if (!next || next->getObject() == current->getObject())
      break;
    readEveryProperty(next);
    current = next;
  }
}

void hitTestGrid(IHtmlElement* browser) {
  CHtmlObjectPtr<IHtmlPropertyValue> value = browser->getProperty(".bounds");
  FUZZ_CHECK(value && value->type() == 6);
  const HtmlRectangle bounds = value->rectangle();
  for (int y = bounds.y - 1; y <= bounds.y + bounds.height; y += kGridStep) {
    for (int x = bounds.x - 1; x <= bounds.x + bounds.width; x += kGridStep)
      hitTest(browser, x, y);
  }
}

void showAndWalk(FuzzAgent& agent, const std::string& markup) {
  agent.host().pages().put(kPageUrl, markup);
  geckohost::BrowserWindowOptions options;
  options.x = 20;
  options.y = 20;
  options.width = 480;
  options.height = 360;
  options.urls = {kPageUrl};
  geckohost::BrowserWindow& window = agent.host().openBrowserWindow(options);
  {
    CHtmlObjectPtr<IHtmlTopLevelElement> browser = agent.browserFor(window);
    FUZZ_CHECK(browser);  // whatever the page, its window is a browser to the agent
    walkTree(browser);
    hitTestGrid(browser);
  }
  agent.host().closeWindow(window);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzAgent& agent = FuzzAgent::instance();
  const long liveBefore = geckohost::LiveObjects::count();
  showAndWalk(agent, std::string(reinterpret_cast<const char*>(data), size));
  FUZZ_CHECK(geckohost::LiveObjects::count() == liveBefore);
  return 0;
}
