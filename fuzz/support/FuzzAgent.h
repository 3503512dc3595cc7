// What the fuzz targets that play the agent share, made once per process: a private Xvfb
// (DISPLAY names it), a host on it, and the product loaded with dlopen as the agent loads it.
// It lives until the process exits, the X server last: the product closes its display
// connection from an exit handler, which must find the server alive.
//
//   FuzzAgent& agent = FuzzAgent::instance();
//   agent.host().pages().put("http://fuzz/page.html", markup);
//   CHtmlObjectPtr<IHtmlTopLevelElement> browser = agent.browserFor(window);
#ifndef FUZZ_SUPPORT_FUZZAGENT_H
#define FUZZ_SUPPORT_FUZZAGENT_H

#include <memory>

#include "BrowserWindow.h"
#include "Host.h"
#include "HtmlObject.h"

class FuzzAgent {
 public:
  // Aborts with a message when the X server, the host or the product cannot be had.
  static FuzzAgent& instance();

  geckohost::Host& host() { return *m_host; }
  IHtmlDomain* domain() { return m_domain; }
  // The agent's object for a browser window, found by its X handle; a new reference or null.
  IHtmlTopLevelElement* browserFor(geckohost::BrowserWindow& window);

  ~FuzzAgent();

 private:
  FuzzAgent();

  std::unique_ptr<geckohost::Host> m_host;
  CHtmlObjectPtr<IHtmlDomain> m_domain;
};

#endif
