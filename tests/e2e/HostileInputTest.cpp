// Hostile arguments on every slot of every object the agent can be handed: the domain, browser,
// toolbar buttons, documents (also in frames), every element class, text nodes, a dialog and
// its controls, an open drop-down list and its entries, every enumerator and property value.
// Null pointers, names of thousands of characters, ids past the property table, points at
// INT_MIN/INT_MAX, negative sizes, and objects whose windows closed between two calls: each
// call answers its failure value, the object's reference count is where it was, and the host
// leaks nothing (the fixture checks that).
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "AgentPropertyValue.h"
#include "PageAgentFixture.h"

using geckohost::DialogKind;
using geckohost::DialogOptions;
using geckohost::DialogWindow;

namespace {

const size_t kLongName = 5000;
// Safely more than the walk finds (about a hundred objects), few enough to stay quick.
const size_t kMostObjects = 600;

const int kAbsurdPoints[][2] = {
    {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
// Its value is a pointer to a new object.
const unsigned int kComboListId = 63;
const unsigned int kUnknownIds[] = {0u, 56u, 81u, 1000u, 0x80000000u, UINT_MAX};

// An object found by the walk, with the class it says it is.
struct FoundObject {
  CHtmlObjectPtr<IHtmlElement> object;
  std::string className;
};

class HostileInputTest : public PageAgentFixture {
 protected:
  void SetUp() override {
    PageAgentFixture::SetUp();
    m_longAscii = "." + std::string(kLongName, 'n');
    m_longUtf16 = U16(std::string(kLongName, 'n'));
  }

  void TearDown() override {
    m_found.clear();
    PageAgentFixture::TearDown();
  }

  // A page with every element class and a frameset in an iframe.
  IHtmlDocument* showEveryKind() {
    page("http://test/frames.html",
         "<frameset cols='50%,50%'><frame src='http://test/leaf.html'>"
         "<frame src='http://test/leaf.html'></frameset>");
    page("http://test/leaf.html", "<p id=leaf>leaf text</p>");
    return show(
        "<h1 id=h title=t>Kinds</h1><p>a<!--c--><b>x</b></p>"
        "<a id=link href='#top' name=top>link</a>"
        "<form id=form name=f><input id=text name=q><input type=checkbox checked>"
        "<input type=radio><input type=submit><input type=image src='i.png'>"
        "<select id=select><option>One<optgroup label=G><option>Two</optgroup></select>"
        "<select size=3><option selected>L</select>"
        "<textarea>old</textarea><button type=button>Press</button></form>"
        "<img src='i.png' usemap='#m'><map name=m><area shape=rect coords='0,0,9,9' href='#'>"
        "</map><table><caption>P</caption><tr><th>I</th><td>2</td></tr></table>"
        "<applet code=C.class width=20 height=20></applet>"
        "<embed src=m.swf width=20 height=20><object type='application/x-test'></object>"
        "<object type='text/html' data='http://test/leaf.html'></object>"
        "<iframe src='http://test/frames.html' width=300 height=100></iframe>"
        "<div id=plain>one&nbsp;two</div>");
  }

  // Every top-level object of the domain and everything below it, depth first.
  void walkEverything() {
    CHtmlObjectPtr<IHtmlEnumerator> tops = domain->enumBrowsers();
    ASSERT_TRUE(tops);
    std::vector<CHtmlObjectPtr<IHtmlElement>> pending;
    while (tops->hasMoreElements())
      pending.push_back(static_cast<IHtmlElement*>(tops->nextElement()));
    while (!pending.empty() && m_found.size() < kMostObjects) {
      CHtmlObjectPtr<IHtmlElement> object = pending.back();
      pending.pop_back();
      if (!object)
        continue;
      m_found.push_back({object, stringProperty(object, ".class")});
      CHtmlObjectPtr<IHtmlEnumerator> children = object->getChildren();
      while (children && children->hasMoreElements())
        pending.push_back(static_cast<IHtmlElement*>(children->nextElement()));
    }
    ASSERT_LT(m_found.size(), kMostObjects) << "the walk did not end";
  }

  bool found(const std::string& className) const {
    for (const FoundObject& each : m_found) {
      if (each.className == className)
        return true;
    }
    return false;
  }

  // Every slot of an enumerator: drained (each item swept by `item`), then asked past its end.
  template <class Sweep>
  void sweepEnumerator(IHtmlEnumerator* enumerator, const std::string& where, Sweep item) {
    if (!enumerator)
      return;
    int count = enumerator->getReferenceCount();
    for (size_t n = 0; enumerator->hasMoreElements() && n < kMostObjects; ++n) {
      IHtmlObject* next = enumerator->nextElement();
      if (next) {
        item(next);
        next->release();
      }
    }
    // A drop-down list's entries are the exception: past the end comes an entry of nothing,
    // which answers like an entry whose option is gone.
    const bool entries = where == "Html.ComboLBox children";
    for (int past = 0; past < 3; ++past) {
      EXPECT_FALSE(enumerator->hasMoreElements()) << where;
      IHtmlObject* extra = enumerator->nextElement();
      if (entries && extra) {
        IHtmlElement* nothing = static_cast<IHtmlElement*>(extra);
        EXPECT_EQ(nothing->getParent(), nullptr) << where;
        EXPECT_EQ(nothing->getObject(), 0) << where;
        expectNull(nothing->getProperty(".bounds"), where);
        EXPECT_FALSE(nothing->isPointInObject(0, 0)) << where;
      } else {
        EXPECT_EQ(extra, nullptr) << where;
      }
      if (extra)
        extra->release();
    }
    EXPECT_EQ(enumerator->getReferenceCount(), count) << where;
  }

  // Every accessor of a value, whatever its type: the ones of another type answer 0 or null.
  static void sweepValue(IHtmlPropertyValue* value, const std::string& where) {
    if (!value)
      return;
    int count = value->getReferenceCount();
    int type = value->type();
    const unsigned short* text = value->string();
    if (type == 3) {
      ASSERT_TRUE(text) << where;
      int length = 0;
      while (text[length])
        ++length;
      EXPECT_EQ(value->stringLength(), length) << where;
    } else {
      EXPECT_EQ(text, nullptr) << where;
      EXPECT_EQ(value->stringLength(), 0) << where;
    }
    value->shortValue();
    value->intValue();
    value->longValue();
    value->floatValue();
    value->rectangle();
    value->booleanValue();
    if (IHtmlElement* element = value->element())
      element->release();
    if (IHtmlObject* object = value->object())
      object->release();
    EXPECT_EQ(value->getReferenceCount(), count) << where;
  }

  static void sweepProperty(IHtmlObject* item, const std::string& where) {
    IHtmlProperty* property = static_cast<IHtmlProperty*>(item);
    EXPECT_TRUE(property->getPropertyName()) << where;
    sweepValue(property->getPropertyValue(), where + " " + utf8(property->getPropertyName()));
  }

  void sweepElementEnumerator(IHtmlEnumerator* enumerator, const std::string& where) {
    CHtmlObjectPtr<IHtmlEnumerator> owned = enumerator;
    sweepEnumerator(owned, where, [&](IHtmlObject* item) {
      CHtmlObjectPtr<IHtmlPropertyValue> name =
          static_cast<IHtmlElement*>(item)->getProperty(m_longAscii.c_str());
      EXPECT_EQ(name, nullptr) << where;
    });
  }

  void sweepPropertyEnumerator(IHtmlEnumerator* enumerator, const std::string& where) {
    CHtmlObjectPtr<IHtmlEnumerator> owned = enumerator;
    sweepEnumerator(owned, where, [&](IHtmlObject* item) { sweepProperty(item, where); });
  }

  template <class T>
  static void expectNull(T* result, const std::string& where) {
    EXPECT_EQ(result, nullptr) << where;
    if (result)
      result->release();
  }

  // The slots every element-like object has (3 to 27), with hostile arguments where there are
  // arguments and once each where there are none.
  void sweepElement(IHtmlElement* object, const std::string& where) {
    int count = object->getReferenceCount();

    expectNull(object->getProperty(static_cast<const char*>(nullptr)), where + " name null");
    expectNull(object->getProperty(""), where + " name empty");
    expectNull(object->getProperty("class"), where + " name without dot");
    expectNull(object->getProperty(m_longAscii.c_str()), where + " long name");
    for (unsigned int id : kUnknownIds)
      expectNull(object->getProperty(id), where + " id " + std::to_string(id));
    for (unsigned int id = 1; id <= 80; ++id) {
      CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(id);
      sweepValue(value, where + " id " + std::to_string(id));
      if (id == kComboListId && value && value->longValue()) {
        // The open list, handed over as a pointer the receiver owns.
        reinterpret_cast<IHtmlElement*>(static_cast<intptr_t>(value->longValue()))->release();
      }
    }

    // A browser holds every point; a browser or document answers its root element for points
    // right of or below the visible area, and nothing for points left of and above it. Once
    // its window is gone, a document has no visible area and answers nothing.
    const bool browser = where == "Html.HtmlBrowser";
    const bool pageHolder = !m_windowsClosed && (browser || where == "Html.HtmlDocument");
    for (const auto& point : kAbsurdPoints) {
      std::string at = where + " at " + std::to_string(point[0]) + "," + std::to_string(point[1]);
      EXPECT_EQ(object->isPointInObject(point[0], point[1]), browser) << at;
      CHtmlObjectPtr<IHtmlElement> hit = object->getChildAtPoint(point[0], point[1]);
      bool beyond = point[0] == INT_MAX || point[1] == INT_MAX;
      EXPECT_EQ(hit ? stringProperty(hit, ".class") : "none",
                pageHolder && beyond ? "Html.HTML" : "none")
          << at;
      expectNull(object->getDojoControl(point[0], point[1]), at);
      expectNull(object->getTreeNodeAtPoint(point[0], point[1]), at);
    }

    CHtmlObjectPtr<IHtmlPropertyValue> text = AgentPropertyValue::text("x");
    EXPECT_FALSE(object->setProperty(nullptr, nullptr)) << where;
    EXPECT_FALSE(object->setProperty(nullptr, text)) << where;
    EXPECT_FALSE(object->setProperty(m_longAscii.c_str(), text)) << where;
    for (const char* settable : {".value", ".checked", ".selected", ".selectedIndex",
                                 ".ajaxTraceOn", ".text", ".name", ".id"}) {
      EXPECT_FALSE(object->setProperty(settable, nullptr)) << where << " " << settable;
    }
    EXPECT_EQ(text->getReferenceCount(), 1) << where;
    // Values of the wrong kind or out of range: whatever the answer, the value is neither kept
    // nor released by the object.
    CHtmlObjectPtr<IHtmlPropertyValue> lowest = AgentPropertyValue::integer(INT_MIN);
    CHtmlObjectPtr<IHtmlPropertyValue> highest = AgentPropertyValue::integer(INT_MAX);
    CHtmlObjectPtr<IHtmlPropertyValue> longText = AgentPropertyValue::text(m_longAscii);
    for (IHtmlPropertyValue* value :
         {lowest.operator IHtmlPropertyValue*(), highest.operator IHtmlPropertyValue*(),
          longText.operator IHtmlPropertyValue*()}) {
      for (const char* settable : {".value", ".checked", ".selected", ".selectedIndex", ".text"})
        object->setProperty(settable, value);
      EXPECT_EQ(value->getReferenceCount(), 1) << where;
    }

    for (int index : {INT_MIN, -1, INT_MAX}) {
      expectNull(object->getOption(index, nullptr), where + " option");
      expectNull(object->getOption(index, m_longAscii.c_str()), where + " option");
    }
    expectNull(object->getOption(nullptr), where + " option null");
    expectNull(object->getOption(m_longAscii.c_str()), where + " option long");

    object->doScroll(INT_MIN);
    object->doScroll(INT_MAX);
    object->scrollIntoView();
    object->scrollIntoView(false);
    object->clickWithOutMouse();

    {
      // What these hand out may hold this object (its parent, itself): released before the
      // count is compared.
      CHtmlObjectPtr<IHtmlElement> top = object->getTopParent();
      CHtmlObjectPtr<IHtmlElement> parent = object->getParent();
      CHtmlObjectPtr<IHtmlDocument> document = object->getDocumentHandle();
      CHtmlObjectPtr<IHtmlElement> menu = object->getParentMenu();
      CHtmlObjectPtr<IHtmlElement> childMenu = object->getDojoActiveChildMenu();
      CHtmlObjectPtr<IHtmlElement> menuItem = object->getDojoActiveMenuItem();
      CHtmlObjectPtr<IHtmlElement> textBox = object->getParentDojoTextBox();
      object->getObject();
    }

    sweepElementEnumerator(object->getChildren(), where + " children");
    sweepElementEnumerator(object->getElementsByTag(nullptr), where + " tag null");
    sweepElementEnumerator(object->getElementsByTag(m_longUtf16.data()), where + " tag long");
    sweepPropertyEnumerator(object->getProperties(), where + " properties");
    sweepPropertyEnumerator(object->getNativeProperties(), where + " native properties");

    EXPECT_EQ(object->getReferenceCount(), count) << where;
  }

  void sweepTopLevel(IHtmlTopLevelElement* object, const std::string& where) {
    { CHtmlObjectPtr<IHtmlElement> owner = object->getOwner(); }
    sweepElement(object, where);
  }

  void sweepDocument(IHtmlDocument* document, const std::string& where) {
    int count = document->getReferenceCount();
    sweepElementEnumerator(document->getElementsByName(nullptr), where + " by name null");
    sweepElementEnumerator(document->getElementsByName(m_longUtf16.data()), where + " by name");
    expectNull(document->getElementById(nullptr), where + " by id null");
    expectNull(document->getElementById(m_longUtf16.data()), where + " by id long");
    expectNull(document->getElementHandleById(nullptr), where + " handle null");
    expectNull(document->getElementHandleById(m_longUtf16.data()), where + " handle long");
    expectNull(document->invokeScript(nullptr, nullptr), where + " script null");
    expectNull(document->invokeScript(nullptr, "x"), where + " script null");
    // Valid names of no function: the page has none of that name.
    std::string longScript = std::string(kLongName, 'f');
    expectNull(document->invokeScript(longScript.c_str(), m_longAscii.c_str()), where + " long");
    sweepElementEnumerator(document->getAllDocumentHandlesInDocument(), where + " documents");
    sweepElement(document, where);
    EXPECT_EQ(document->getReferenceCount(), count) << where;
  }

  // The browser's own slots (29 to 34) with commands and addresses that are none.
  void sweepBrowser(IHtmlBrowser* browser, const std::string& where) {
    int count = browser->getReferenceCount();
    browser->isValid();
    for (int command : {INT_MIN, -1, 4, INT_MAX}) {
      EXPECT_FALSE(browser->executeCommand(static_cast<IHtmlBrowser::BrowserCommand>(command)))
          << where << " command " << command;
    }
    EXPECT_FALSE(browser->loadUrl(nullptr, nullptr)) << where;
    EXPECT_FALSE(browser->loadUrl(nullptr, "_self")) << where;
    browser->deleteCookies(static_cast<char*>(nullptr));
    browser->deleteCookies(nullptr, true, nullptr);
    browser->deleteCookies(m_longAscii.c_str(), false, nullptr);
    // The message names the address: a buffer that holds it.
    std::vector<char> message(kLongName + 64);
    browser->deleteCookies(m_longAscii.c_str(), true, message.data());
    { CHtmlObjectPtr<IHtmlElement> focus = browser->getElementWithFocus(); }
    sweepTopLevel(browser, where);
    EXPECT_EQ(browser->getReferenceCount(), count) << where;
  }

  // Every found object by the class it says it is.
  void sweepFound() {
    for (const FoundObject& each : m_found) {
      std::string where = each.className;
      if (each.className == "Html.HtmlBrowser") {
        sweepBrowser(static_cast<IHtmlBrowser*>(static_cast<IHtmlElement*>(each.object)), where);
      } else if (each.className == "Html.HtmlDocument") {
        sweepDocument(static_cast<IHtmlDocument*>(static_cast<IHtmlElement*>(each.object)), where);
      } else if (each.className == "Html.Dialog" || each.className == "Html.ComboLBox") {
        sweepTopLevel(static_cast<IHtmlTopLevelElement*>(static_cast<IHtmlElement*>(each.object)),
                      where);
      } else {
        sweepElement(each.object, where);
      }
    }
  }

  void sweepDomain(const std::vector<long>& deadHandles) {
    int count = domain->getReferenceCount();
    // Handles of no window: extremes, an arbitrary number, the root; then the dead ones.
    std::vector<long> handles = {LONG_MIN, LONG_MAX, -1, 0, 0x1eadbeefL};
    handles.push_back(static_cast<long>(observer.root()));
    handles.insert(handles.end(), deadHandles.begin(), deadHandles.end());
    for (long handle : handles) {
      std::string where = "domain handle " + std::to_string(handle);
      expectNull(domain->getTopLevelObject(handle), where);
      EXPECT_FALSE(domain->isBrowserWindow(handle)) << where;
      EXPECT_EQ(domain->getNativeProxy(handle), nullptr) << where;
      EXPECT_EQ(domain->getEmbeddedProxy(handle), nullptr) << where;
      EXPECT_EQ(domain->getDocHanldeFromBrowser(handle), 0) << where;
      domain->onEmbeddedBrowserDestroyed(handle);
    }
    char buffer[16] = {};
    EXPECT_EQ(domain->getImplementationName(nullptr, INT_MAX), 0);
    EXPECT_EQ(domain->getImplementationName(buffer, INT_MIN), 0);
    EXPECT_EQ(domain->getImplementationName(buffer, -1), 0);
    EXPECT_EQ(buffer[0], 0);
    CHtmlObjectPtr<IHtmlEnumerator> threads = domain->enumBrowserThreads();
    sweepEnumerator(threads, "threads", [](IHtmlObject*) {});
    EXPECT_EQ(domain->getReferenceCount(), count);
  }

  // The drop-down list of the page's first select, open.
  void openDropDown() {
    nsCOMPtr<nsIDOMElement> select = elementById(m_window->document(0), "select");
    ASSERT_TRUE(m_window->openDropDown(select));
  }

  DialogWindow& openPrompt() {
    DialogOptions options;
    options.kind = DialogKind::Prompt;
    options.message = "Name?";
    options.text = "Ada";
    return host->openDialog(*m_window, options);
  }

  std::string m_longAscii;                  // "." and 5,000 letters
  std::vector<unsigned short> m_longUtf16;  // 5,000 letters
  std::vector<FoundObject> m_found;
  bool m_windowsClosed = false;
};

TEST_F(HostileInputTest, EverySlotOfEveryClassAnswersAbsurdArgumentsWithItsFailureValue) {
  ASSERT_TRUE(showEveryKind());
  host->setAccessibilityEnabled(true);
  openDropDown();
  openPrompt();
  walkEverything();
  // The walk met every class the agent can be handed.
  for (const char* className : {"Html.HtmlBrowser",
                                "Html.HtmlBrowser.ToolbarButton",
                                "Html.HtmlDocument",
                                "Html.Dialog",
                                "Html.DialogButton",
                                "Html.ComboLBox",
                                "Html.CombolistItem",
                                "Html.A",
                                "Html.FORM",
                                "Html.INPUT.text",
                                "Html.INPUT.checkbox",
                                "Html.SELECT",
                                "Html.OPTION",
                                "Html.TEXTAREA",
                                "Html.BUTTON",
                                "Html.IMG",
                                "Html.MAP",
                                "Html.AREA",
                                "Html.TABLE",
                                "Html.TR",
                                "Html.TD",
                                "Html.TH",
                                "Html.APPLET",
                                "Html.EMBED",
                                "Html.OBJECT",
                                "Html.IFRAME",
                                "Html.FRAMESET",
                                "Html.FRAME",
                                "Html.TextNode",
                                "Html.DIV"}) {
    EXPECT_TRUE(found(className)) << className;
  }
  sweepFound();
  sweepDomain({});
  host->setAccessibilityEnabled(false);
}

}  // namespace

// The agent may hold objects of windows that close before its next call: every slot of each
// still answers, and the dead windows' handles find nothing.
TEST_F(HostileInputTest, ObjectsOfWindowsThatClosedStillAnswerEverySlot) {
  ASSERT_TRUE(showEveryKind());
  openDropDown();
  DialogWindow& dialog = openPrompt();
  walkEverything();
  std::vector<long> handles = {static_cast<long>(m_window->topLevelWindow()),
                               static_cast<long>(dialog.topLevelWindow())};
  nsCOMPtr<nsIDOMElement> select = elementById(m_window->document(0), "select");
  handles.push_back(static_cast<long>(m_window->dropDownWindow(select)));
  ASSERT_TRUE(m_window->closeDropDown(select));
  select = nullptr;
  host->closeWindow(dialog);
  host->closeWindow(*m_window);
  m_window = nullptr;
  m_windowsClosed = true;

  sweepFound();
  sweepDomain(handles);
  // A browser without its window loads nothing and goes nowhere, whatever it is asked.
  std::string longUrl = "http://test/" + std::string(kLongName, 'u');
  for (const FoundObject& each : m_found) {
    if (each.className != "Html.HtmlBrowser")
      continue;
    IHtmlBrowser* browser = static_cast<IHtmlBrowser*>(static_cast<IHtmlElement*>(each.object));
    EXPECT_FALSE(browser->loadUrl(longUrl.c_str(), nullptr));
    EXPECT_FALSE(browser->loadUrl("http://test/page.html", "_self"));
    for (auto command : {IHtmlBrowser::BrowserBack, IHtmlBrowser::BrowserForward,
                         IHtmlBrowser::BrowserRefresh, IHtmlBrowser::BrowserHome}) {
      EXPECT_FALSE(browser->executeCommand(command)) << command;
    }
  }
  CHtmlObjectPtr<IHtmlEnumerator> tops = domain->enumBrowsers();
  ASSERT_TRUE(tops);
  EXPECT_FALSE(tops->hasMoreElements());
}
