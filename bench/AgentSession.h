// What the agent-query benchmarks share: a host on the X server, the product loaded with
// dlopen as the agent loads it, and one browser window per page, opened on first use and kept
// until the session ends (laying out a 10k-element page is not what is measured).
//
//   AgentSession& session = AgentSession::instance();
//   AgentSession::Page& page = session.show("mixed-10000", GeneratedPages::mixed(10000));
//   CHtmlObjectPtr<IHtmlElement> span = page.document->getElementById(u"mid");
#ifndef BENCH_AGENTSESSION_H
#define BENCH_AGENTSESSION_H

#include <map>
#include <memory>
#include <string>

#include "Host.h"
#include "HtmlObject.h"
#include "nsCOMPtr.h"
#include "nsIDOMDocument.h"

class AgentSession {
 public:
  struct Page {
    geckohost::BrowserWindow* window = nullptr;
    CHtmlObjectPtr<IHtmlTopLevelElement> browser;
    CHtmlObjectPtr<IHtmlDocument> document;
    nsCOMPtr<nsIDOMDocument> hostDocument;  // the same page, as the host holds it
  };

  // The session of this process; starts the host and loads the product on first use.
  static AgentSession& instance();
  // Ends the session: drops every page and closes the host (before the X server goes).
  static void end();

  geckohost::Host& host() { return *mHost; }
  // Serves `markup` at http://bench/<name>.html without showing it (for frames).
  void serve(const std::string& name, const std::string& markup);
  // The window showing http://bench/<name>.html, serving `markup` there when first asked.
  Page& show(const std::string& name, const std::string& markup);

  // The agent's object for the element with `id` in `document`; null when there is none.
  static IHtmlElement* byId(IHtmlDocument* document, const char* id);
  // The document a frame element shows (its one child).
  static IHtmlDocument* innerDocument(IHtmlElement* frame);

  ~AgentSession();

 private:
  AgentSession();

  std::unique_ptr<geckohost::Host> mHost;
  CHtmlObjectPtr<IHtmlDomain> mDomain;
  std::map<std::string, Page> mPages;
};

#endif
