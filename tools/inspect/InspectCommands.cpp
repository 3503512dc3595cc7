#include "InspectCommands.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>

#include "AgentView.h"
#include "CommandParser.h"
#include "DocumentSearch.h"
#include "InspectShell.h"
#include "PageActions.h"
#include "RaisedWindow.h"
#include "ReportData.h"
#include "ReportPage.h"
#include "Screenshot.h"
#include "StandardPropertyNames.h"
#include "ToolOutput.h"
#include "ValueFormatter.h"
#include "ValueParser.h"

namespace {

const char* const kSummaryNames[] = {".tag", ".id", ".name"};
const char* const kWindowNames[] = {".window", ".bounds", ".documentName", ".readyState"};
const char* const kStepNames[] = {".id", ".bounds", ".name", ".tag"};
const size_t kTextLimit = 40;
const int kDeepestPath = 64;
const int kLoadTimeoutMs = 30000;
const int kLoadStepMs = 50;
const int kSettleMs = 2000;

// At most 40 characters, cut on a character boundary, "..." when cut.
std::string shortened(const std::string& text) {
  if (text.size() <= kTextLimit)
    return text;
  size_t cut = kTextLimit;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;
  return text.substr(0, cut) + "...";
}

// `{"class": "Html.DIV", "props": {".id": "x"}}` as one line: `Html.DIV .id="x"`.
std::string line(const JsonValue& node) {
  const JsonValue* cls = node.member("class");
  std::string text = cls && cls->kind() == JsonValue::Kind::String ? escapeControls(cls->text())
                     : cls                                         ? cls->serialize()
                                                                   : "null";
  if (const JsonValue* props = node.member("props")) {
    for (const auto& member : props->members()) {
      text += " " + member.first + "=" + member.second.serialize();
    }
  }
  if (const JsonValue* document = node.member("document"))
    text += " document=" + document->serialize();
  return text;
}

JsonValue classAndProps(IHtmlElement* object, const char* const* names, size_t count) {
  JsonValue node = JsonValue::object();
  CHtmlObjectPtr<IHtmlPropertyValue> cls = object->getProperty(".class");
  node.set("class", ValueFormatter::toJson(cls));
  node.set("props", AgentView::summary(object, names, count));
  return node;
}

}  // namespace

int InspectCommands::fail(const std::string& message) const {
  if (m_inShell && m_options.json) {
    JsonValue error = JsonValue::object();
    error.set("error", JsonValue::string(message));
    print(error);
  } else {
    fprintf(stderr, "nshtml-inspect: %s\n", escapeControls(message).c_str());
  }
  return 2;
}

void InspectCommands::note(const std::string& message) {
  fprintf(stderr, "nshtml-inspect: %s\n", escapeControls(message).c_str());
}

void InspectCommands::print(const JsonValue& value) const {
  fprintf(ToolOutput::stream(), "%s\n",
          (m_inShell ? value.serializeLine() : value.serialize()).c_str());
}

int InspectCommands::run(const InspectCommand& command) {
  const std::vector<std::string>& args = command.arguments;
  const std::string& name = command.name;
  if (name == "windows")
    return windows();
  if (name == "get")
    return get(args[0], args[1]);
  if (name == "set")
    return set(args[0], args[1], args[2]);
  if (name == "tree")
    return tree(command);
  if (name == "props")
    return props(args[0]);
  if (name == "find")
    return find(args[0], args[1]);
  if (name == "focus")
    return focus();
  if (name == "at")
    return at(command.x, command.y);
  if (name == "screenshot")
    return screenshot(args[0], command.boxes, command.window);
  if (name == "report")
    return report(args[0]);
  if (name == "do")
    return act(args);
  if (name == "eval")
    return eval(args[0]);
  if (name == "wait")
    return wait(command.waitMs);
  if (name == "load")
    return load(args[0]);
  if (name == "cookies")
    return args.empty() ? cookies(command) : deleteCookies(command);
  if (name == "shell")
    return shell();
  return fail("unknown command '" + name + "'");
}

JsonValue InspectCommands::summary(IHtmlElement* object,
                                   const std::vector<std::string>& extra) const {
  JsonValue node = classAndProps(object, kSummaryNames, std::size(kSummaryNames));
  JsonValue props = *node.member("props");
  CHtmlObjectPtr<IHtmlPropertyValue> text = object->getProperty(".text");
  if (text && text->type() == 3) {
    props.set(".text", JsonValue::string(shortened(ValueFormatter::utf8(text->string()))));
  }
  for (const std::string& name : extra) {
    CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name.c_str());
    props.set(name, ValueFormatter::toJson(value));
  }
  node.set("props", props);
  return node;
}

JsonValue InspectCommands::located(IHtmlElement* object) const {
  JsonValue node = summary(object);
  node.set("document", documentOf(object));
  return node;
}

JsonValue InspectCommands::documentOf(IHtmlElement* object) {
  std::string url = AgentView::documentUrl(object);
  return url.empty() ? JsonValue() : JsonValue::string(url);
}

std::vector<InspectCommands::TopLevel> InspectCommands::topLevels() const {
  std::vector<TopLevel> found;
  for (const TopLevelWindow& window : TopLevelWindows::list()) {
    CHtmlObjectPtr<IHtmlTopLevelElement> object =
        m_session.domain()->getTopLevelObject(static_cast<long>(window.handle));
    found.push_back({window, object});
  }
  return found;
}

bool InspectCommands::windowFor(int index, CHtmlObjectPtr<IHtmlTopLevelElement>& object,
                                unsigned long& handle, std::string& error) const {
  if (index < 0) {
    object = m_session.browsers().front();
    handle = m_session.firstWindow().frameWindow();
    return true;
  }
  std::vector<TopLevel> all = topLevels();
  if (static_cast<size_t>(index) >= all.size()) {
    error = "no top-level window " + std::to_string(index) + " (see windows)";
    return false;
  }
  object = all[static_cast<size_t>(index)].object;
  handle = all[static_cast<size_t>(index)].window.handle;
  return true;
}

CHtmlObjectPtr<IHtmlElement> InspectCommands::resolve(const std::string& path,
                                                      std::string& error) const {
  if (path.empty() || path[0] != '@')
    return AgentView::resolve(m_session.browsers().front(), path, error);
  size_t slash = path.find('/');
  std::string number = path.substr(1, slash == std::string::npos ? std::string::npos : slash - 1);
  int index = -1;
  CHtmlObjectPtr<IHtmlTopLevelElement> top;
  unsigned long handle = 0;
  if (!CommandParser::parseInt(number, index) || index < 0) {
    error = "bad window '@" + number + "' in '" + path + "'";
    return nullptr;
  }
  if (!windowFor(index, top, handle, error))
    return nullptr;
  if (!top) {
    error = "the library answers nothing for window " + number;
    return nullptr;
  }
  std::string rest = slash == std::string::npos ? "." : path.substr(slash + 1);
  return AgentView::resolve(top, rest.empty() ? "." : rest, error);
}

int InspectCommands::windows() {
  JsonValue list = JsonValue::array();
  long long index = 0;
  for (const TopLevel& top : topLevels()) {
    JsonValue entry = JsonValue::object();
    entry.set("index", JsonValue::integer(index++));
    entry.set("handle", JsonValue::integer(static_cast<long long>(top.window.handle)));
    entry.set("kind", JsonValue::string(top.window.popup ? "popup" : top.window.resourceName));
    IHtmlElement* object = static_cast<IHtmlTopLevelElement*>(top.object);
    CHtmlObjectPtr<IHtmlPropertyValue> cls = object ? object->getProperty(".class") : nullptr;
    entry.set("class", object ? ValueFormatter::toJson(cls) : JsonValue());
    for (const char* name : kWindowNames) {
      if (!object)
        break;
      CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name);
      entry.set(name + 1, ValueFormatter::toJson(value));
    }
    list.push(entry);
  }
  if (m_options.json) {
    print(list);
    return 0;
  }
  for (const JsonValue& entry : list.items()) {
    std::string text;
    for (const auto& member : entry.members()) {
      text += (text.empty() ? "" : " ") + member.first + "=" + member.second.serialize();
    }
    fprintf(ToolOutput::stream(), "%s\n", text.c_str());
  }
  return 0;
}

int InspectCommands::get(const std::string& path, const std::string& name) {
  std::string error;
  CHtmlObjectPtr<IHtmlElement> object = resolve(path, error);
  if (!object)
    return fail(error);
  CHtmlObjectPtr<IHtmlPropertyValue> value = object->getProperty(name.c_str());
  // A name the object does not know answers null too; say which null it is.
  if (!value && !StandardPropertyNames::contains(name) &&
      !AgentView::hasNativeProperty(object, name))
    note("get: " + name + " is not a property of " + AgentView::className(object));
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("path", JsonValue::string(path));
    answer.set("name", JsonValue::string(name));
    answer.set("value", ValueFormatter::toJson(value));
    answer.set("document", documentOf(object));
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "%s\n", ValueFormatter::toText(value).c_str());
  }
  return 0;
}

int InspectCommands::set(const std::string& path, const std::string& name,
                         const std::string& text) {
  std::string error;
  CHtmlObjectPtr<IHtmlElement> object = resolve(path, error);
  if (!object)
    return fail(error);
  CHtmlObjectPtr<IHtmlPropertyValue> value = ValueParser::parse(text);
  bool done = object->setProperty(name.c_str(), value);
  CHtmlObjectPtr<IHtmlPropertyValue> after = object->getProperty(name.c_str());
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("path", JsonValue::string(path));
    answer.set("name", JsonValue::string(name));
    answer.set("set", JsonValue::boolean(done));
    answer.set("value", ValueFormatter::toJson(after));
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "set: %s\n%s\n", done ? "true" : "false",
            ValueFormatter::toText(after).c_str());
  }
  return done ? 0 : 1;  // a refusal is an answer, not a failure, but scripts may test it
}

JsonValue InspectCommands::treeOf(IHtmlElement* top, const InspectCommand& command) const {
  struct Open {
    JsonValue node;
    JsonValue children;
    CHtmlObjectPtr<IHtmlEnumerator> items;  // null below the depth asked for
    int depth;
  };
  std::vector<Open> open;
  auto enter = [&](IHtmlElement* object, int depth) {
    bool deeper = command.treeDepth < 0 || depth < command.treeDepth;
    open.push_back({summary(object, command.treeProperties), JsonValue::array(),
                    deeper ? object->getChildren() : nullptr, depth});
  };
  enter(top, 0);
  while (true) {
    Open& current = open.back();
    if (current.items && current.items->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlElement> child = static_cast<IHtmlElement*>(current.items->nextElement());
      if (child)
        enter(child, current.depth + 1);
      continue;
    }
    current.node.set("children", std::move(current.children));
    JsonValue finished = std::move(current.node);
    open.pop_back();
    if (open.empty())
      return finished;
    open.back().children.push(std::move(finished));
  }
}

void InspectCommands::printTree(const JsonValue& root) const {
  struct Pending {
    const JsonValue* node;
    int indent;
  };
  std::vector<Pending> pending{{&root, 0}};
  while (!pending.empty()) {
    Pending next = pending.back();
    pending.pop_back();
    fprintf(ToolOutput::stream(), "%*s%s\n", next.indent * 2, "", line(*next.node).c_str());
    const JsonValue* children = next.node->member("children");
    if (!children)
      continue;
    // Last child first onto the stack, so that they print in order.
    for (auto child = children->items().rbegin(); child != children->items().rend(); ++child)
      pending.push_back({&*child, next.indent + 1});
  }
}

int InspectCommands::tree(const InspectCommand& command) {
  CHtmlObjectPtr<IHtmlTopLevelElement> top;
  unsigned long handle = 0;
  std::string error;
  if (!windowFor(command.window, top, handle, error))
    return fail(error);
  if (!top)
    return fail("the library answers nothing for window " + std::to_string(command.window));
  JsonValue root = treeOf(top, command);
  if (m_options.json) {
    print(root);
  } else {
    printTree(root);
  }
  return 0;
}

int InspectCommands::props(const std::string& path) {
  std::string error;
  CHtmlObjectPtr<IHtmlElement> object = resolve(path, error);
  if (!object)
    return fail(error);
  JsonValue standard = AgentView::properties(object, AgentView::PropertySet::Standard);
  JsonValue native = AgentView::properties(object, AgentView::PropertySet::Native);
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("standard", standard);
    answer.set("native", native);
    print(answer);
    return 0;
  }
  for (const JsonValue* group : {&standard, &native}) {
    for (const auto& member : group->members()) {
      fprintf(ToolOutput::stream(), "%s = %s\n", escapeControls(member.first).c_str(),
              member.second.serialize().c_str());
    }
  }
  return 0;
}

int InspectCommands::find(const std::string& kind, const std::string& value) {
  if (kind != "tag" && kind != "name" && kind != "id") {
    return fail("find wants tag, name or id, not '" + kind + "'");
  }
  CHtmlObjectPtr<IHtmlDocument> document = AgentView::document(m_session.browsers().front());
  if (!document)
    return fail("the window shows no document");
  NS_ConvertUTF8toUTF16 text(value.c_str());
  JsonValue found = JsonValue::array();
  if (kind == "id") {
    CHtmlObjectPtr<IHtmlElement> element = DocumentSearch::byId(document, value);
    if (element)
      found.push(located(element));
  } else {
    CHtmlObjectPtr<IHtmlEnumerator> matches = kind == "tag"
                                                  ? document->getElementsByTag(text.get())
                                                  : document->getElementsByName(text.get());
    while (matches && matches->hasMoreElements()) {
      CHtmlObjectPtr<IHtmlElement> element = static_cast<IHtmlElement*>(matches->nextElement());
      if (element)
        found.push(located(element));
    }
  }
  if (m_options.json) {
    print(found);
  } else {
    for (const JsonValue& entry : found.items())
      fprintf(ToolOutput::stream(), "%s\n", line(entry).c_str());
  }
  return 0;
}

int InspectCommands::focus() {
  IHtmlBrowser* browser =
      static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(m_session.browsers().front()));
  CHtmlObjectPtr<IHtmlElement> focused = browser->getElementWithFocus();
  JsonValue answer = focused ? summary(focused) : JsonValue();
  if (m_options.json) {
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "%s\n", focused ? line(answer).c_str() : "null");
  }
  return 0;
}

int InspectCommands::at(int x, int y) {
  JsonValue path = JsonValue::array();
  CHtmlObjectPtr<IHtmlElement> current =
      static_cast<IHtmlElement*>(static_cast<IHtmlTopLevelElement*>(m_session.browsers().front()));
  current->addRef();
  path.push(classAndProps(current, kStepNames, std::size(kStepNames)));
  for (int depth = 0; depth < kDeepestPath; ++depth) {
    CHtmlObjectPtr<IHtmlElement> next = current->getChildAtPoint(x, y);
    if (!next) {
      // A frame, iframe or text/html object answers nothing itself: its document goes on.
      CHtmlObjectPtr<IHtmlDocument> shown = AgentView::document(current);
      if (!shown)
        break;
      path.push(classAndProps(shown, kStepNames, std::size(kStepNames)));
      next = shown->getChildAtPoint(x, y);
      if (!next)
        break;
    }
    if (next->getObject() == current->getObject())
      break;  // no deeper object
    path.push(classAndProps(next, kStepNames, std::size(kStepNames)));
    current = next;
  }
  if (m_options.json) {
    print(path);
  } else {
    for (const JsonValue& step : path.items())
      fprintf(ToolOutput::stream(), "%s\n", line(step).c_str());
  }
  return 0;
}

int InspectCommands::screenshot(const std::string& file, bool withBoxes, int window) {
  CHtmlObjectPtr<IHtmlTopLevelElement> topObject;
  unsigned long handle = 0;
  std::string error;
  if (!windowFor(window, topObject, handle, error))
    return fail(error);
  std::vector<HtmlRectangle> boxes;
  if (withBoxes && topObject) {
    std::vector<CHtmlObjectPtr<IHtmlElement>> pending;
    IHtmlElement* top = topObject;
    top->addRef();
    pending.push_back(top);
    while (!pending.empty()) {
      CHtmlObjectPtr<IHtmlElement> object = pending.back();
      pending.pop_back();
      CHtmlObjectPtr<IHtmlPropertyValue> bounds = object->getProperty(".bounds");
      if (bounds && bounds->type() == 6)
        boxes.push_back(bounds->rectangle());
      CHtmlObjectPtr<IHtmlEnumerator> children = object->getChildren();
      while (children && children->hasMoreElements()) {
        IHtmlElement* child = static_cast<IHtmlElement*>(children->nextElement());
        if (child)
          pending.push_back(child);
      }
    }
  }
  bool written = false;
  {
    RaisedWindow raised(handle);
    paintWindows();
    written = Screenshot::writeWindow(handle, boxes, file, error);
  }
  if (!written)
    return fail(error);
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("file", JsonValue::string(file));
    answer.set("boxes", JsonValue::integer(static_cast<long long>(boxes.size())));
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "%s (%zu boxes)\n", escapeControls(file).c_str(), boxes.size());
  }
  return 0;
}

void InspectCommands::paintWindows() {
  for (geckohost::BrowserWindow* browser : m_session.windows())
    browser->paint();
  if (geckohost::DialogWindow* dialog = m_session.host().lastOpenDialog())
    dialog->paint();
}

int InspectCommands::report(const std::string& file) {
  ReportData data(AgentView::text(m_session.browsers().front(), ".documentName"));
  int index = 0;
  for (const TopLevel& top : topLevels()) {
    std::string kind = top.window.popup ? "popup" : top.window.resourceName;
    // Each window is pictured whole, above the others; `windows` keeps its order.
    RaisedWindow raised(top.window.handle);
    paintWindows();
    data.addWindow(index++, kind, top.window.handle,
                   static_cast<IHtmlTopLevelElement*>(top.object));
  }
  std::string error;
  if (!ReportPage::write(data.json(), file, error))
    return fail(error);
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("file", JsonValue::string(file));
    answer.set("windows", JsonValue::integer(data.windowCount()));
    answer.set("objects", JsonValue::integer(data.objectCount()));
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "%s (%lld windows, %lld objects)\n", escapeControls(file).c_str(),
            data.windowCount(), data.objectCount());
  }
  return 0;
}

int InspectCommands::act(const std::vector<std::string>& action) {
  std::string error;
  PageActions actions(m_session.host(), m_session.firstWindow());
  if (!actions.run(action, error))
    return fail("do " + action[0] + ": " + error);
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("do", JsonValue::string(action[0]));
    JsonValue arguments = JsonValue::array();
    for (size_t i = 1; i < action.size(); ++i)
      arguments.push(JsonValue::string(action[i]));
    answer.set("arguments", arguments);
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "done\n");
  }
  return 0;
}

// The product evaluates through the document, as the agent asks it to; null means the script
// failed.
int InspectCommands::eval(const std::string& script) {
  CHtmlObjectPtr<IHtmlDocument> document = AgentView::document(m_session.browsers().front());
  if (!document)
    return fail("the window shows no document");
  CHtmlObjectPtr<IHtmlPropertyValue> value = document->invokeScript(script.c_str(), nullptr);
  if (!value)
    return fail("eval: the script failed");
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("eval", JsonValue::string(script));
    answer.set("value", ValueFormatter::toJson(value));
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "%s\n", ValueFormatter::toText(value).c_str());
  }
  return 0;
}

int InspectCommands::wait(int ms) {
  m_session.host().runFor(ms);
  printDone("wait", std::to_string(ms));
  return 0;
}

int InspectCommands::load(const std::string& url) {
  IHtmlBrowser* browser =
      static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(m_session.browsers().front()));
  if (!browser->loadUrl(url.c_str(), nullptr))
    return fail("load: the browser refused " + url);
  geckohost::BrowserWindow& window = m_session.firstWindow();
  int tab = window.selectedTab();
  for (int waited = 0; waited < kLoadTimeoutMs && window.isLoading(tab); waited += kLoadStepMs)
    m_session.host().runFor(kLoadStepMs);
  if (window.isLoading(tab))
    return fail("load: " + url + " did not complete");
  // What the page starts on loading (timers, requests) may settle too.
  m_session.host().runUntilIdle(kSettleMs);
  printDone("load", url);
  return 0;
}

void InspectCommands::printDone(const char* command, const std::string& argument) const {
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set(command, JsonValue::string(argument));
    answer.set("done", JsonValue::boolean(true));
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "done\n");
  }
}

int InspectCommands::cookies(const InspectCommand&) {
  JsonValue list = JsonValue::array();
  for (const geckohost::Cookie& cookie : m_session.host().cookies()) {
    JsonValue entry = JsonValue::object();
    entry.set("host", JsonValue::string(cookie.host));
    entry.set("path", JsonValue::string(cookie.path));
    entry.set("name", JsonValue::string(cookie.name));
    entry.set("value", JsonValue::string(cookie.value));
    list.push(entry);
  }
  if (m_options.json) {
    print(list);
    return 0;
  }
  for (const JsonValue& entry : list.items()) {
    fprintf(ToolOutput::stream(), "%s %s %s=%s\n",
            escapeControls(entry.member("host")->text()).c_str(),
            escapeControls(entry.member("path")->text()).c_str(),
            escapeControls(entry.member("name")->text()).c_str(),
            escapeControls(entry.member("value")->text()).c_str());
  }
  return 0;
}

// The browser's own deletion, by site or all of them; its result code and message as the
// agent gets them.
int InspectCommands::deleteCookies(const InspectCommand& command) {
  const std::vector<std::string>& args = command.arguments;
  bool all = args.size() < 2;
  std::string site = all ? std::string() : args[1];
  IHtmlBrowser* browser =
      static_cast<IHtmlBrowser*>(static_cast<IHtmlTopLevelElement*>(m_session.browsers().front()));
  // Room for "Cookie Not Found: " and the site.
  std::vector<char> message(site.size() + 64, '\0');
  int result = all ? browser->deleteCookies(message.data())
                   : browser->deleteCookies(site.c_str(), command.partial, message.data());
  if (m_options.json) {
    JsonValue answer = JsonValue::object();
    answer.set("site", all ? JsonValue() : JsonValue::string(site));
    answer.set("partial", JsonValue::boolean(command.partial));
    answer.set("result", JsonValue::integer(result));
    answer.set("message", JsonValue::string(message.data()));
    print(answer);
  } else {
    fprintf(ToolOutput::stream(), "result %d%s%s\n", result, message[0] ? ": " : "",
            escapeControls(message.data()).c_str());
  }
  return result == 0 ? 0 : 1;
}

int InspectCommands::shell() {
  if (m_inShell)
    return fail("the shell does not run inside itself");
  m_inShell = true;
  int status = InspectShell(*this).run(std::cin);
  m_inShell = false;
  return status;
}
