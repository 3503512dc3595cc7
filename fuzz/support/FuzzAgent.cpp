#include "FuzzAgent.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "PrivateXServer.h"
#include "nsXPCOMGlue.h"

namespace {

[[noreturn]] void fail(const std::string& why) {
  fprintf(stderr, "fuzz agent: %s\n", why.c_str());
  abort();
}

// The product as the agent loads it: dlopen, then its one exported function. Never unloaded.
IHtmlDomain* loadProductDomain() {
  void* library = dlopen(NSHTML_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!library)
    fail(std::string("dlopen failed: ") + dlerror());
  // Called through its own type: UBSan checks the type of every indirect call.
  auto getDomain = reinterpret_cast<IHtmlDomain* (*)()>(dlsym(library, "GetHtmlDomain"));
  if (!getDomain)
    fail("GetHtmlDomain is not exported");
  return getDomain();
}

// Exit handlers and static destructors run in reverse order of registration. The server is
// made (and its destructor registered) before the product is loaded, so it is stopped after
// the product's exit handler has closed the product's display connection.
std::unique_ptr<geckohost::PrivateXServer> startServer() {
  std::string error;
  std::unique_ptr<geckohost::PrivateXServer> server = geckohost::PrivateXServer::start(&error);
  if (!server)
    fail("no private X server: " + error);
  server->makeDefault();
  return server;
}

}  // namespace

FuzzAgent& FuzzAgent::instance() {
  static std::unique_ptr<geckohost::PrivateXServer> server = startServer();
  static FuzzAgent agent;
  return agent;
}

FuzzAgent::FuzzAgent() {
  std::string error;
  if (XPCOMGlueStartup(nullptr) != NS_OK)
    fail("the XPCOM glue did not start");
  m_host = geckohost::Host::start(&error);
  if (!m_host)
    fail("no host: " + error);
  m_domain = loadProductDomain();
  if (!m_domain)
    fail("the product answered no domain");
}

FuzzAgent::~FuzzAgent() {
  m_domain = nullptr;
  m_host.reset();
}

IHtmlTopLevelElement* FuzzAgent::browserFor(geckohost::BrowserWindow& window) {
  return m_domain->getTopLevelObject(static_cast<long>(window.topLevelWindow()));
}
