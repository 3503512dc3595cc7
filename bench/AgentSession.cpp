#include "AgentSession.h"

#include <dlfcn.h>

#include <stdexcept>
#include <vector>

#include "BrowserWindow.h"
#include "PageTable.h"
#include "nsXPCOMGlue.h"

namespace {

std::unique_ptr<AgentSession>& theSession() {
  static std::unique_ptr<AgentSession> session;
  return session;
}

// The product as the agent loads it: dlopen, then its one exported function.
IHtmlDomain* loadProductDomain() {
  void* library = dlopen(NSHTML_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!library)
    throw std::runtime_error(std::string("dlopen failed: ") + dlerror());
  // Called through its own type: UBSan checks the type of every indirect call.
  auto getDomain = reinterpret_cast<IHtmlDomain* (*)()>(dlsym(library, "GetHtmlDomain"));
  if (!getDomain)
    throw std::runtime_error("GetHtmlDomain is not exported");
  return getDomain();
}

std::vector<unsigned short> utf16(const char* ascii) {
  std::vector<unsigned short> text;
  for (; *ascii; ++ascii)
    text.push_back(static_cast<unsigned char>(*ascii));
  text.push_back(0);
  return text;
}

}  // namespace

AgentSession& AgentSession::instance() {
  std::unique_ptr<AgentSession>& session = theSession();
  if (!session)
    session.reset(new AgentSession());
  return *session;
}

void AgentSession::end() {
  theSession().reset();
}

AgentSession::AgentSession() {
  if (XPCOMGlueStartup(nullptr) != NS_OK)
    throw std::runtime_error("the XPCOM glue did not start");
  std::string error;
  mHost = geckohost::Host::start(&error);
  if (!mHost)
    throw std::runtime_error("no host: " + error);
  mDomain = loadProductDomain();
}

AgentSession::~AgentSession() {
  mPages.clear();
  mDomain = nullptr;
  mHost.reset();
}

void AgentSession::serve(const std::string& name, const std::string& markup) {
  mHost->pages().put("http://bench/" + name + ".html", markup);
}

AgentSession::Page& AgentSession::show(const std::string& name, const std::string& markup) {
  auto found = mPages.find(name);
  if (found != mPages.end())
    return found->second;
  serve(name, markup);
  geckohost::BrowserWindowOptions options;
  options.x = 0;
  options.y = 0;
  options.width = 1024;
  options.height = 768;
  options.urls = {"http://bench/" + name + ".html"};
  Page& page = mPages[name];
  page.window = &mHost->openBrowserWindow(options);
  page.hostDocument = page.window->document(0);
  page.browser = mDomain->getTopLevelObject(static_cast<long>(page.window->topLevelWindow()));
  if (!page.browser)
    throw std::runtime_error("the product found no browser for " + name);
  CHtmlObjectPtr<IHtmlEnumerator> children = page.browser->getChildren();
  while (children && children->hasMoreElements())  // the page is the browser's last child
    page.document = static_cast<IHtmlDocument*>(children->nextElement());
  if (!page.document)
    throw std::runtime_error("the browser shows no document for " + name);
  return page;
}

IHtmlElement* AgentSession::byId(IHtmlDocument* document, const char* id) {
  return document ? document->getElementById(utf16(id).data()) : nullptr;
}

IHtmlDocument* AgentSession::innerDocument(IHtmlElement* frame) {
  CHtmlObjectPtr<IHtmlEnumerator> children = frame ? frame->getChildren() : nullptr;
  if (!children || !children->hasMoreElements())
    return nullptr;
  return static_cast<IHtmlDocument*>(children->nextElement());
}
